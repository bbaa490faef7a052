#!/usr/bin/env bash
# Installs what is missing, builds, and starts the scoreboard.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
if [ -x "$build_dir/scoreboard/ball" ]; then
  exec "$build_dir/scoreboard/ball" "$@"
fi
echo "run: built; the scoreboard program is not there yet"
