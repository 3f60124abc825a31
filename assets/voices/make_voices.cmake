# Speaks every line of the phrase list into OUT_DIR/<stem>.wav with espeak-ng.
# Run as: cmake -DESPEAK=... -DVOICE=... -DRATE=... -DPITCH=... -DPHRASES=...
#               -DOUT_DIR=... -DSTAMP=... -P make_voices.cmake
foreach(var ESPEAK VOICE RATE PITCH PHRASES OUT_DIR STAMP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_voices.cmake: ${var} is not set")
  endif()
endforeach()

file(MAKE_DIRECTORY "${OUT_DIR}")
file(STRINGS "${PHRASES}" lines ENCODING UTF-8)

set(index 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  if(NOT line MATCHES "^([A-Za-z0-9_]+)\\|(.+)$")
    message(FATAL_ERROR "make_voices.cmake: bad line in ${PHRASES}: ${line}")
  endif()
  set(stem "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")

  # A small, repeatable wobble so the calls do not all sound alike;
  # shouted calls come out a little higher than plain statements.
  math(EXPR pitch "${PITCH} + (${index} * 7) % 9 - 4")
  if(text MATCHES "^¡")
    math(EXPR pitch "${pitch} + 6")
  endif()
  math(EXPR index "${index} + 1")

  execute_process(
    COMMAND "${ESPEAK}" -b 1 -v "${VOICE}" -s "${RATE}" -p "${pitch}"
            -w "${OUT_DIR}/${stem}.wav" "${text}"
    RESULT_VARIABLE rc
    ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${OUT_DIR}/${stem}.wav")
    message(FATAL_ERROR "espeak-ng failed for '${stem}' (${rc}): ${err}")
  endif()
endforeach()

# Written last, so an interrupted run is redone on the next build.
file(WRITE "${STAMP}" "${VOICE} ${RATE} ${PITCH} ${index}\n")
