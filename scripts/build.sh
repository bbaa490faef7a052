#!/usr/bin/env bash
# Configures and builds everything into build/ (or $BUILD_DIR). WERROR=ON (as scripts/test.sh
# sets it) makes a warning in our own code stop the build; it is kept in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
options=()
if [ -n "${WERROR:-}" ]; then options+=("-DSCOREBOARD_WERROR=$WERROR"); fi
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
elif [ ${#options[@]} -gt 0 ]; then
  cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
fi
cmake --build "$build_dir" -j "$(nproc)"
