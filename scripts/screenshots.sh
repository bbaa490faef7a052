#!/usr/bin/env bash
# Makes the pictures to look at, into a folder (the first argument, default
# $BUILD_DIR/screenshots): the board and its panels as ball-drive shows them, and the pictures
# that the screenshot tests of the controls, forms and dialogs save and check, kept there through
# SCREENSHOT_DIR; board_small.png is the README's picture of the board (docs/board.png). Uses the
# build in $BUILD_DIR (default build); BUILD=0 leaves the build out.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ "${BUILD:-1}" != 0 ]; then
  scripts/build.sh
fi
out=$(realpath -m "${1:-$build_dir/screenshots}")
drive=$build_dir/program/ball-drive
if [ ! -x "$drive" ]; then
  echo "screenshots: the build did not make $drive" >&2
  exit 1
fi
mkdir -p "$out"

# The board in a fresh home of its own, so no earlier run's settings show.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/data"
cat >"$scratch/board.txt" <<EOF
wait 3100
form main
shot $out/board.png
click on1(0)
wait 500
shot $out/board_settings.png
key Esc
wait 500
click on1(3)
click lookdate
wait 1000
shot $out/board_records.png
EOF
XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch" SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy \
  "$drive" --home "$scratch/home" "$scratch/board.txt" >"$scratch/drive.out" 2>&1 ||
  { cat "$scratch/drive.out" >&2; echo "screenshots: ball-drive failed" >&2; exit 1; }
# The board at half its size in 256 colours, as the README shows it (docs/board.png).
convert "$out/board.png" -resize 50% -colors 256 PNG8:"$out/board_small.png"

# The pictures the screenshot tests save, kept this time.
(cd "$build_dir" && SCREENSHOT_DIR="$out" ctest -R 'Screenshot|Gallery' --timeout 300 --output-on-failure >"$scratch/ctest.out") ||
  { cat "$scratch/ctest.out" >&2; echo "screenshots: a screenshot test failed" >&2; exit 1; }

ls "$out"
