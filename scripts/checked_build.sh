#!/usr/bin/env bash
# Configures the checked build in the folder given (default build-checked), unless it is
# configured already: everything built with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzz targets of fuzz/. scripts/fuzz.sh builds and runs the fuzz targets there and
# scripts/sanitized_tests.sh the tests, so that the two share the checked build of the code.
# Through ccache when it is installed. The configuration's output goes to FOLDER/configure.log.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-checked}
[ -f "$build_dir/build.ninja" ] && exit 0
mkdir -p "$build_dir"
. scripts/compiler_launcher.sh
if ! CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_FUZZ=ON \
    "${launcher_options[@]}" >"$build_dir/configure.log" 2>&1; then
  tail -40 "$build_dir/configure.log"
  exit 1
fi
