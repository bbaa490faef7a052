#!/bin/sh
# The layers include only what lies below them: platform never includes controls, scoreboard,
# dialogs or launcher; controls never include scoreboard or dialogs; the launcher never includes
# scoreboard, dialogs or controls (it uses the platform only).
#
# Usage: check_include_layers.sh [SOURCE_DIR]
# Prints each include that breaks the rule as FILE:LINE: the line, and exits 1 when there is one.
set -u
root=${1:-.}
broken=0

check() {
    layer=$1
    shift
    [ -d "$root/$layer" ] || return 0
    above=$(printf '%s\n' "$@" | paste -sd '|' -)
    found=$(cd "$root" && grep -rnE --include='*.h' --include='*.cpp' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($above)/" "$layer")
    if [ -n "$found" ]; then
        printf '%s\n' "$found" | sed "s|\$|    ($layer includes none of: $*)|"
        broken=1
    fi
}

check platform controls scoreboard dialogs launcher
check controls scoreboard dialogs
check launcher scoreboard dialogs controls

if [ "$broken" -ne 0 ]; then
    echo "these includes reach above their layer" >&2
    exit 1
fi
echo "every include keeps to its layer"
