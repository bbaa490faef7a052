# Checked builds, each in a build folder of its own:
#   -DSCOREBOARD_SANITIZE=ON  everything built with AddressSanitizer and UndefinedBehaviorSanitizer
#                             (g++ or clang); the tests then stop at the first fault they meet.
#   -DSCOREBOARD_FUZZ=ON      clang only: the same, plus the fuzz targets of fuzz/ on libFuzzer.
# Warnings do not stop these builds even with SCOREBOARD_WERROR: clang gives some that g++ does
# not, and g++ with the sanitizers warns of paths that cannot happen (uninitialised variant
# members at -O2); the main build of scripts/test.sh is the one that keeps the code free of them.
option(SCOREBOARD_SANITIZE "build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(SCOREBOARD_FUZZ "build the fuzz targets (clang, libFuzzer), sanitizers on" OFF)

if(SCOREBOARD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "SCOREBOARD_FUZZ needs clang (libFuzzer): configure with CXX=clang++ CC=clang")
  endif()
  set(SCOREBOARD_SANITIZE ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

set(SCOREBOARD_WARNINGS_AS_ERRORS "")
if(SCOREBOARD_WERROR AND NOT SCOREBOARD_SANITIZE)
  set(SCOREBOARD_WARNINGS_AS_ERRORS -Werror)
endif()
if(SCOREBOARD_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
