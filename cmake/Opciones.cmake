# Build options that check the code: warnings as errors, sanitizers, fuzzing.

option(TRUCO_WERROR "Treat compiler warnings (-Wall -Wextra) in the project's code as errors" OFF)
option(TRUCO_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TRUCO_FUZZ "Build the libFuzzer targets (clang only)" OFF)

# Qt, GoogleTest and Benchmark come in as system headers, so the warnings
# are the project's own.
add_compile_options(-Wall -Wextra)
if(TRUCO_WERROR)
  add_compile_options(-Werror)
endif()

if(TRUCO_SANITIZE OR TRUCO_FUZZ)
  # Halt on the first report: a test that goes on after one proves nothing.
  set(truco_san address,undefined)
  add_compile_options(-fsanitize=${truco_san} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${truco_san} -fno-sanitize-recover=all)
  # Linked as objects: nothing calls them, the runtime looks them up.
  add_library(truco_sanitizer_opciones OBJECT ${CMAKE_CURRENT_LIST_DIR}/OpcionesSanitizer.cpp)
  set_target_properties(truco_sanitizer_opciones PROPERTIES AUTOMOC OFF POSITION_INDEPENDENT_CODE ON)
  link_libraries(truco_sanitizer_opciones)
  message(STATUS "Truco: sanitizers ${truco_san}")
endif()

if(TRUCO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TRUCO_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # Everything is instrumented for coverage; only the targets get the
  # fuzzer's main().
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
