#!/bin/sh
# The layers include only what lies below them. From the bottom:
#
#   platform   system < gfx < window < forms < media < backend
#              (conversions, files, texts; surfaces and text drawing; the window tree, messages
#              and timers; forms and the standard controls; sounds, the player, the camera; the
#              SDL and headless backends, which put the others together)
#   controls   core < text < extra < pages              (above the whole platform)
#   scoreboard the program ball                         (above platform and controls)
#   dialogs    the setup dialogs of ball                (above scoreboard: it never includes them)
#   launcher   the program main                         (above the platform only)
#
# A sub-layer includes its own folder and the sub-layers before it. A program's entry file
# (*_main.cpp: ball_main.cpp, drive/ball_drive_main.cpp) stands above the libraries it puts
# together, so the scoreboard's entry files may hand it the dialogs; no other file of
# scoreboard/ may include them.
#
# Usage: check_include_layers.sh [SOURCE_DIR]
# Prints each include that breaks the rule as FILE:LINE: the line, and exits 1 when there is one.
set -u
root=${1:-.}
broken=0

# check FOLDER EXCLUDE FORBIDDEN...: no source under FOLDER (but files matching EXCLUDE) includes
# a header under one of the FORBIDDEN folders.
check() {
    folder=$1
    exclude=$2
    shift 2
    [ -d "$root/$folder" ] || return 0
    above=$(printf '%s\n' "$@" | paste -sd '|' -)
    found=$(cd "$root" && grep -rnE --include='*.h' --include='*.cpp' --exclude="$exclude" \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($above)/" "$folder")
    if [ -n "$found" ]; then
        printf '%s\n' "$found" | sed "s|\$|    ($folder includes none of: $*)|"
        broken=1
    fi
}

# check_ordered PARENT ABOVE_PARENT -- SUB...: each PARENT/SUB includes none of the SUBs after it,
# nor the folders ABOVE_PARENT; a folder of PARENT that is not in the order breaks the rule too,
# until it is given its place here.
check_ordered() {
    parent=$1
    above_parent=$2
    shift 3
    for dir in "$root/$parent"/*/; do
        [ -d "$dir" ] || continue
        name=$(basename "$dir")
        case " $* " in
            *" $name "*) ;;
            *) echo "$parent/$name: a folder without a place in the order of $parent ($*)"; broken=1 ;;
        esac
    done
    while [ $# -gt 0 ]; do
        sub=$1
        shift
        later=""
        for next in "$@"; do later="$later $parent/$next"; done
        # shellcheck disable=SC2086 # the lists are words on purpose
        check "$parent/$sub" '' $later $above_parent
    done
}

check_ordered platform "controls scoreboard dialogs launcher" -- system gfx window forms media backend
check_ordered controls "scoreboard dialogs launcher" -- core text extra pages
check scoreboard '*_main.cpp' dialogs launcher
check dialogs '' launcher
check launcher '' controls scoreboard dialogs

if [ "$broken" -ne 0 ]; then
    echo "these includes reach above their layer" >&2
    exit 1
fi
echo "every include keeps to its layer"
