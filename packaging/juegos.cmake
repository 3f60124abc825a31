# Run by CPack on the staged package. Debian keeps games in /usr/games: the
# package moves the program there from /usr/bin (the data and modules lie
# at the same place relative to either folder), and its menu entry names
# the program by its whole path, since /usr/games is not in every PATH.
file(GLOB_RECURSE carpetas LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(bin IN LISTS carpetas)
  if(IS_DIRECTORY "${bin}" AND bin MATCHES "/bin$" AND EXISTS "${bin}/naipex")
    get_filename_component(prefijo "${bin}" DIRECTORY)
    file(RENAME "${bin}" "${prefijo}/games")
    file(RELATIVE_PATH instalado "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" "${prefijo}/games")
    file(GLOB entradas "${prefijo}/share/applications/*.desktop")
    foreach(entrada IN LISTS entradas)
      file(READ "${entrada}" texto)
      string(REGEX REPLACE "\nExec=naipex" "\nExec=/${instalado}/naipex" texto "${texto}")
      file(WRITE "${entrada}" "${texto}")
    endforeach()
    message(STATUS "Programs moved to /${instalado}")
    return()
  endif()
endforeach()
message(FATAL_ERROR "no bin/naipex in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
