#!/usr/bin/env bash
# Builds the programs and tests in the checked build (scripts/checked_build.sh: clang with
# AddressSanitizer and UndefinedBehaviorSanitizer; first argument, default build-checked, the
# folder scripts/fuzz.sh builds its targets in too) and runs the tests of the file readers,
# the match clock and the board there, ball-drive's end-to-end runs included. A fault stops the
# test that meets it, with its report, and fails the run; leaks are reported except those of the
# system libraries listed in scripts/leaks.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${1:-build-checked}
scripts/checked_build.sh "$build_dir"

# The tests of the file readers (text files in the code page, the program folder, pictures, stored
# layouts), of the match clock and the board with its dialogs, panels and start-up, of the
# launcher's config.ini and of ball-drive's end-to-end runs: the tests of these executables.
suites='platform_system_tests|platform_gfx_tests|platform_forms_tests|scoreboard_tests|ball_drive_tests|dialogs_tests|launcher_tests'
# Only these are built, with the programs their end-to-end runs start.
cmake --build "$build_dir" -j "${SANITIZED_JOBS:-$(nproc)}" --target ${suites//|/ } ball ball-drive main

cd "$build_dir"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/scripts/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy ctest --output-on-failure -j "$(nproc)" --timeout 600 --no-tests=error -L "^($suites)\$"
