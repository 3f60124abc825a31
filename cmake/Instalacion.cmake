# cmake --install: the program in bin/, its data in share/naipex, its modules
# in lib/naipex, with a menu entry, icons, AppStream data and a manual page.
# Nothing here is needed to play from the build tree.
include(GNUInstallDirs)

set(NAIPEX_ID example.quenbro.naipex)
set(NAIPEX_DATOS ${CMAKE_INSTALL_DATADIR}/naipex)
set(NAIPEX_MODULOS ${CMAKE_INSTALL_LIBDIR}/naipex)

# The program finds the installed folders relative to itself, so the prefix
# can be chosen at install time (cmake --install --prefix, DESTDIR, CPack).
foreach(dir BINDIR DATADIR LIBDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    message(FATAL_ERROR "CMAKE_INSTALL_${dir} must be relative to the prefix for a relocatable install")
  endif()
endforeach()
file(RELATIVE_PATH rel_datos /p/${CMAKE_INSTALL_BINDIR} /p/${NAIPEX_DATOS})
file(RELATIVE_PATH rel_modulos /p/${CMAKE_INSTALL_BINDIR} /p/${NAIPEX_MODULOS})
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/platform/Ubicacion.cpp DIRECTORY ${PROJECT_SOURCE_DIR}/src
  PROPERTIES COMPILE_DEFINITIONS
  "TRUCO_DATOS_INSTALADOS=\"${rel_datos}\";TRUCO_MODULOS_INSTALADOS=\"${rel_modulos}\"")

set(paq_src ${PROJECT_SOURCE_DIR}/packaging)
set(paq_bin ${CMAKE_BINARY_DIR}/packaging)

# The lower-case launcher beside the program. The link dangles until it is
# installed next to Truco, so a stamp tells the build it is made.
add_custom_command(OUTPUT ${paq_bin}/naipex.hecho
  COMMAND ${CMAKE_COMMAND} -E make_directory ${paq_bin}
  COMMAND ${CMAKE_COMMAND} -E create_symlink Truco ${paq_bin}/naipex
  COMMAND ${CMAKE_COMMAND} -E touch ${paq_bin}/naipex.hecho
  VERBATIM)

# Icons from the game's own cards.
add_executable(naipex_icono ${paq_src}/icono/icono.cpp)
set_target_properties(naipex_icono PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${paq_bin})
target_link_libraries(naipex_icono PRIVATE Qt6::Gui)
set(NAIPEX_ICONOS 16 24 32 48 64 128 256)
set(iconos)
foreach(lado IN LISTS NAIPEX_ICONOS)
  list(APPEND iconos ${paq_bin}/icons/${lado}x${lado}/apps/naipex.png)
endforeach()
add_custom_command(OUTPUT ${iconos}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:naipex_icono> ${TRUCO_DATA_DIR}/cartas ${paq_bin}/icons naipex ${NAIPEX_ICONOS}
  DEPENDS naipex_icono ${TRUCO_DATA_DIR}/cartas/1O.jpg ${TRUCO_DATA_DIR}/cartas/1E.jpg
  COMMENT "Drawing the menu icons"
  VERBATIM)

# Manual page and changelog, compressed without a time stamp.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(comprimidos)
foreach(par "naipex.6;naipex.6.gz" "changelog;changelog.gz")
  list(GET par 0 de)
  list(GET par 1 a)
  add_custom_command(OUTPUT ${paq_bin}/${a}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${paq_bin}
    COMMAND sh -c "${GZIP_EXECUTABLE} -9n < \"$0\" > \"$1\"" ${paq_src}/${de} ${paq_bin}/${a}
    DEPENDS ${paq_src}/${de}
    VERBATIM)
  list(APPEND comprimidos ${paq_bin}/${a})
endforeach()
add_custom_command(OUTPUT ${paq_bin}/Truco.6.gz
  COMMAND ${CMAKE_COMMAND} -E create_symlink naipex.6.gz ${paq_bin}/Truco.6.gz
  VERBATIM)

add_custom_target(naipex_instalable ALL DEPENDS ${paq_bin}/naipex.hecho ${iconos} ${comprimidos} ${paq_bin}/Truco.6.gz)
add_dependencies(naipex_instalable truco_assets Truco)

install(TARGETS Truco RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${paq_bin}/naipex DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Mswinsck LIBRARY DESTINATION ${NAIPEX_MODULOS})
if(TARGET NaipexWeb)
  install(TARGETS NaipexWeb LIBRARY DESTINATION ${NAIPEX_MODULOS})
  # It calls no libc function itself, so --as-needed would leave libc out
  # of a shared object that is loaded into a C program.
  target_link_options(NaipexWeb PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")
endif()
install(DIRECTORY ${TRUCO_DATA_DIR}/cartas ${TRUCO_DATA_DIR}/Fondos DESTINATION ${NAIPEX_DATOS})
# Without espeak-ng there are no voices and the game is silent.
install(DIRECTORY ${TRUCO_DATA_DIR}/Sonidos DESTINATION ${NAIPEX_DATOS} OPTIONAL)
install(FILES ${TRUCO_DATA_DIR}/Truco.hlp ${TRUCO_DATA_DIR}/Truco.cnt DESTINATION ${NAIPEX_DATOS})
install(FILES ${paq_src}/${NAIPEX_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${paq_src}/${NAIPEX_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${paq_bin}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${paq_bin}/naipex.6.gz ${paq_bin}/Truco.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${paq_src}/copyright ${paq_bin}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/naipex)

# cmake --build build --target package: naipex_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME naipex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quenbro)
set(CPACK_PACKAGE_CONTACT "Truco <truco@quenbro.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Argentine truco card game with the Spanish deck")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-comic-neue)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quenbro.example/)
# CPack puts the summary above this as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Naipex is a Spanish-language game of Argentine truco played to 30 points
with the Spanish deck, against the computer, against another person over the
network, or in pairs among four players. The calls (truco, retruco, vale
cuatro, envido, real envido, falta envido and flor) are written and spoken.")
set(CPACK_PRE_BUILD_SCRIPTS ${paq_src}/juegos.cmake)
include(CPack)
