#!/usr/bin/env bash
# Draws the scoreboard's own pictures into resources/img (all made here, nothing taken from
# elsewhere):
#   logo.png, icon.png            the basketball emblem (the logo until the operator chooses one)
#   ind_run/music/beat/live.png   the four status indicators
#   glow.png                      the light behind each score
#   close.png                     the close picture of the help panel
#   btn_*.png                     the music player's buttons
#   court.png, bounce.gif         the start-up screen's picture and its animation
# The output is repeatable (PNG without time chunks), so running it again leaves git clean.
# Needs ImageMagick (scripts/setup.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

out=resources/img
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# convert ... OUTPUT, with the PNG written without time chunks.
png() {
  local args=("$@")
  local target=${args[-1]}
  unset 'args[-1]'
  convert "${args[@]}" -define png:exclude-chunks=date,time -strip "$target"
}

# A basketball drawn at 256 px: orange with its eight seams, then scaled down smoothly.
ball256() { # out [rotation]
  convert -size 256x256 xc:none -fill '#e8711c' -stroke '#2e1404' -strokewidth 7 \
    -draw 'circle 128,128 128,10' -fill none \
    -draw 'line 128,12 128,244' -draw 'line 12,128 244,128' \
    -draw "path 'M 48,38 Q 98,128 48,218'" -draw "path 'M 208,38 Q 158,128 208,218'" \
    -background none -rotate "${2:-0}" -gravity center -extent 256x256 \
    -fill '#ffffff40' -stroke none -draw 'ellipse 92,78 34,20 0,360' "$1"
}
ball256 "$work/ball.png"

# The emblem: the ball inside a gold ring on a dark blue disc.
convert -size 256x256 xc:none -fill '#0c2a4a' -stroke '#f0b020' -strokewidth 10 -draw 'circle 128,128 128,8' \
  "$work/disc.png"
convert "$work/ball.png" -resize 200x200 "$work/ball200.png"
png "$work/disc.png" "$work/ball200.png" -gravity center -composite -resize 160x160 "PNG32:$out/logo.png"
png "$work/disc.png" "$work/ball200.png" -gravity center -composite -resize 32x32 "PNG32:$out/icon.png"

# Status indicators, 16 x 16.
png -size 64x64 xc:none -fill '#20c040' -stroke '#0a4014' -strokewidth 3 -draw 'circle 32,32 32,4' \
  -fill white -stroke none -draw 'polygon 25,18 25,46 48,32' -resize 16x16 "PNG32:$out/ind_run.png"
png -size 64x64 xc:none -fill '#3080ff' -stroke '#0a2050' -strokewidth 3 -draw 'circle 32,32 32,4' \
  -fill white -stroke none -draw 'ellipse 24,44 8,6 0,360' -draw 'ellipse 42,40 8,6 0,360' \
  -draw 'rectangle 29,16 32,44' -draw 'rectangle 47,12 50,40' -draw 'polygon 29,16 50,10 50,18 29,24' \
  -resize 16x16 "PNG32:$out/ind_music.png"
png -size 64x64 xc:none -fill '#ff3040' -stroke '#500a10' -strokewidth 3 \
  -draw "path 'M 32,56 C 4,36 4,10 20,10 C 27,10 31,15 32,20 C 33,15 37,10 44,10 C 60,10 60,36 32,56 Z'" \
  -resize 16x16 "PNG32:$out/ind_beat.png"
png -size 64x64 xc:none -fill none -stroke '#ff3030' -strokewidth 6 -draw 'circle 32,32 32,6' \
  -fill '#ff3030' -stroke none -draw 'circle 32,32 32,18' -resize 16x16 "PNG32:$out/ind_live.png"

# The light behind a score: a soft warm glow that fades out towards the box's edges.
png -size 438x237 radial-gradient:white-black -alpha copy -fill '#ff8a20' -colorize 100 \
  -channel A -evaluate multiply 0.4 +channel "PNG32:$out/glow.png"

# The help panel's close picture: a red disc with a white cross.
png -size 64x64 xc:none -fill '#d02020' -stroke '#ffffff' -strokewidth 3 -draw 'circle 32,32 32,3' \
  -stroke white -strokewidth 8 -draw 'line 20,20 44,44' -draw 'line 44,20 20,44' -resize 16x16 "PNG32:$out/close.png"

# Music buttons: a blue disc with a white symbol, 32 x 32; the large play button 64 x 64.
button() { # out symbol-draw-args...
  local target=$1; shift
  png -size 128x128 xc:none -fill '#1c5fb0' -stroke '#c8dcff' -strokewidth 5 -draw 'circle 64,64 64,6' \
    -fill white -stroke none "$@" -resize 32x32 "PNG32:$target"
}
button "$out/btn_prev.png" -draw 'rectangle 34,38 44,90' -draw 'polygon 92,38 92,90 48,64'
button "$out/btn_play.png" -draw 'polygon 48,34 48,94 96,64'
button "$out/btn_pause.png" -draw 'rectangle 40,36 56,92' -draw 'rectangle 72,36 88,92'
button "$out/btn_next.png" -draw 'rectangle 84,38 94,90' -draw 'polygon 36,38 36,90 80,64'
button "$out/btn_stop.png" -draw 'rectangle 40,40 88,88'
png -size 256x256 xc:none -fill '#18a040' -stroke '#d0ffd8' -strokewidth 10 -draw 'circle 128,128 128,10' \
  -fill white -stroke none -draw 'polygon 98,70 98,186 190,128' -resize 64x64 "PNG32:$out/btn_bigplay.png"

# The start-up screen: a half court in light lines on the screen's dark blue (450 x 240) ...
png -size 450x240 xc:'#0c2a4a' -fill none -stroke '#1c446c' -strokewidth 3 \
  -draw 'rectangle 6,6 443,233' -draw 'line 225,6 225,233' -draw 'circle 225,120 225,160' \
  -draw 'rectangle 6,75 70,165' -draw 'rectangle 379,75 443,165' \
  -draw "path 'M 6,30 Q 150,120 6,210'" -draw "path 'M 443,30 Q 300,120 443,210'" "PNG32:$out/court.png"

# ... and its animation: the ball bouncing and turning, with its shadow, 16 frames of 60 ms.
frames=()
for i in $(seq 0 15); do
  # Height above the floor follows |sin|; the ball squashes a little on the frame that touches it.
  read -r top height shadow <<<"$(awk -v i="$i" 'BEGIN { pi = atan2(0, -1); h = sin(pi * i / 16);
    height = (i == 0) ? 48 : 56; top = 123 - height - h * 54;
    printf "%d %d %d", top, height, 22 - h * 12 }')"
  ball256 "$work/turn.png" "$((i * 23))"
  convert "$work/turn.png" -resize "56x${height}!" "$work/small.png"
  convert -size 96x128 xc:none -fill '#020a12' -draw "ellipse 48,122 $shadow,4 0,360" \
    "$work/small.png" -geometry "+20+$top" -composite "$work/f$i.png"
  frames+=(-delay 6 "$work/f$i.png")
done
# Each frame replaces the one before (the background is see-through), so the court shows around the ball.
convert -dispose Background "${frames[@]}" -loop 0 "$out/bounce.gif"

echo "make_pictures: wrote $(ls "$out" | wc -l) pictures to $out"
