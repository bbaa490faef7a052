#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, the longest first. Then the checked part,
# in one checked build in $BUILD_DIR-checked: each fuzz target for a short time (FUZZ_SECONDS each,
# default 7), and the tests of the file readers, the match clock and the board built with
# AddressSanitizer and UndefinedBehaviorSanitizer. CHECKED=0 leaves the checked part out. The
# build is scripts/run.sh's (a warning of our own code stops it), so after one of them the other
# builds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy ctest --output-on-failure -j "$(nproc)" --timeout 300)
if [ "${CHECKED:-1}" != 0 ]; then
  FUZZ_BUILD_DIR="$build_dir-checked" scripts/fuzz.sh "${FUZZ_SECONDS:-7}"
  scripts/sanitized_tests.sh "$build_dir-checked"
fi
