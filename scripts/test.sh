#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Then the checked part: each fuzz target
# for a short time (FUZZ_SECONDS each, default 7) in $BUILD_DIR-fuzz, and the tests of the file
# readers, the match clock and the board built with AddressSanitizer and UndefinedBehaviorSanitizer
# in $BUILD_DIR-asan. CHECKED=0 leaves the checked part out. The normal build stops at any warning
# of our own code (WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
WERROR=ON scripts/build.sh
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy ctest --output-on-failure -j "$(nproc)" --timeout 300)
if [ "${CHECKED:-1}" != 0 ]; then
  FUZZ_BUILD_DIR="$build_dir-fuzz" scripts/fuzz.sh "${FUZZ_SECONDS:-7}"
  scripts/sanitized_tests.sh "$build_dir-asan"
fi
