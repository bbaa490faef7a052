#!/usr/bin/env bash
# Configures and builds everything into build/ (or $BUILD_DIR). scripts/run.sh and scripts/test.sh
# build with the same configuration, so that the second of them builds only what changed: a
# warning in our own code stops the build (WERROR=OFF at the first build leaves that out; a WERROR
# given later changes the build folder's setting, which compiles everything again). ccache, when
# it is installed, keeps what was compiled for the next build folder or clone.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  . scripts/compiler_launcher.sh
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_WERROR="${WERROR:-ON}" \
    "${launcher_options[@]}"
elif [ -n "${WERROR:-}" ]; then
  cmake -S . -B "$build_dir" -DSCOREBOARD_WERROR="$WERROR" >/dev/null
fi
cmake --build "$build_dir" -j "$(nproc)"
