#!/usr/bin/env bash
# Installs what is missing, builds, and starts the scoreboard from the program folder the build
# lays out (build/program, or $BUILD_DIR/program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
ball=$build_dir/program/ball
if [ ! -x "$ball" ]; then
  echo "run: the build did not make $ball" >&2
  exit 1
fi
exec "$ball" "$@"
