#!/usr/bin/env bash
# Generates the scoreboard's own sounds and the media the tests use, all by synthesis:
#   resources/sound/*.wav   the sounds the scoreboard plays (16-bit PCM mono, 22.05 kHz)
#   resources/test/         a short MP3 tone, a PNG with alpha and an animated GIF
# The output is repeatable (sox -R, PNG without time chunks), so running it again leaves git clean.
# Needs sox, lame and ImageMagick (scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

sound_dir=resources/sound
test_dir=resources/test
mkdir -p "$sound_dir" "$test_dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
# Every generated clip: repeatable dither, mono, 16-bit, our rate.
gen() { sox -R -n -r "$rate" -c 1 -b 16 "$@"; }
# Concatenates clips (all of the same format) into one file.
join() { local out=$1; shift; sox -R "$@" "$out"; }
mix() { local out=$1; shift; sox -R -m "$@" "$out"; }
silence() { gen "$1" trim 0 "$2"; }
# Multiplies a frequency.
fmul() { awk -v f="$1" -v m="$2" 'BEGIN { printf "%.3f", f * m }'; }

# A brass-like note: two slightly detuned saw waves through a low-pass, a soft attack and release.
brass() { # out frequency seconds
  local out=$1 f=$2 d=$3
  gen "$out" synth "$d" sawtooth "$f" sawtooth "$(fmul "$f" 1.004)" sine "$(fmul "$f" 0.5)" \
    remix - gain -10 lowpass 2600 lowpass 3200 overdrive 4 fade t 0.018 "$d" 0.05 gain -n -3
}

# A horn blast: a buzzy chord of detuned saw and square waves with a rough tremolo.
horn() { # out frequency seconds
  local out=$1 f=$2 d=$3
  gen "$out" synth "$d" sawtooth "$f" sawtooth "$(fmul "$f" 1.007)" square "$(fmul "$f" 1.498)" \
    square "$(fmul "$f" 0.5)" remix - gain -8 overdrive 14 tremolo 31 35 lowpass 4500 \
    fade t 0.012 "$d" 0.06 gain -n -1
}

# 2.wav: the start/pause command: a short click, then a crisp beep.
gen "$work/click.wav" synth 0.004 whitenoise gain -8 highpass 2000 gain -n -2
gen "$work/beep.wav" synth 0.075 square 1480 sine 2960 remix - gain -8 lowpass 5000 fade h 0.002 0.075 0.025 gain -n -2
join "$sound_dir/2.wav" "$work/click.wav" "$work/beep.wav"

# comm.wav: the score chime: a bright two-note "ding-dong" that rings out.
chime() { # out frequency seconds
  gen "$1" synth "$3" sine "$2" sine "$(fmul "$2" 2.0)" sine "$(fmul "$2" 3.01)" remix 1v0.6,2v0.25,3v0.15 \
    fade l 0.003 "$3" "$(awk -v d="$3" 'BEGIN { print d - 0.004 }')" gain -n -2
}
chime "$work/ding.wav" 1318.5 0.16
chime "$work/dong.wav" 1046.5 0.42
join "$sound_dir/comm.wav" "$work/ding.wav" "$work/dong.wav"

# timer.wav: one countdown beep, short enough to sound once on each of the last ten seconds.
gen "$sound_dir/timer.wav" synth 0.13 square 988 sine 1976 remix 1v0.7,2v0.3 gain -8 lowpass 4000 \
  fade h 0.002 0.13 0.015 gain -n -2

# yes.wav: the end-of-period horn: a loud, buzzy arena horn of about 1.5 s.
horn "$sound_dir/yes.wav" 233 1.5

# nbai.wav: attack: a rising "charge" fanfare.
brass "$work/a1.wav" 392.00 0.14
brass "$work/a2.wav" 523.25 0.14
brass "$work/a3.wav" 659.25 0.14
brass "$work/a4.wav" 783.99 0.30
brass "$work/a5.wav" 659.25 0.14
brass "$work/a6.wav" 783.99 0.60
silence "$work/gap.wav" 0.04
join "$sound_dir/nbai.wav" "$work/a1.wav" "$work/a2.wav" "$work/a3.wav" "$work/a4.wav" "$work/gap.wav" \
  "$work/a5.wav" "$work/a6.wav"

# nbaf.wav: defence: two low two-tone horn calls, "de-fense, de-fense".
horn "$work/d1.wav" 311.13 0.30
horn "$work/d2.wav" 233.08 0.38
silence "$work/dgap.wav" 0.06
silence "$work/dpause.wav" 0.18
join "$sound_dir/nbaf.wav" "$work/d1.wav" "$work/dgap.wav" "$work/d2.wav" "$work/dpause.wav" \
  "$work/d1.wav" "$work/dgap.wav" "$work/d2.wav"

# nbaa.wav: whole court: a quick run up twice, then a long held major chord.
for n in 523.25 659.25 783.99 1046.5; do brass "$work/r$n.wav" "$n" 0.085; done
run=("$work/r523.25.wav" "$work/r659.25.wav" "$work/r783.99.wav" "$work/r1046.5.wav")
brass "$work/c1.wav" 523.25 0.7
brass "$work/c2.wav" 659.25 0.7
brass "$work/c3.wav" 783.99 0.7
mix "$work/chord.wav" -v 0.4 "$work/c1.wav" -v 0.4 "$work/c2.wav" -v 0.4 "$work/c3.wav"
join "$work/nbaa-raw.wav" "${run[@]}" "${run[@]}" "$work/chord.wav"
sox -R "$work/nbaa-raw.wav" "$sound_dir/nbaa.wav" gain -n -1

# bell.wav: a struck bell (inharmonic partials, long decay).
gen "$sound_dir/bell.wav" synth 1.2 sine 880 sine 1760 sine 2420 sine 4752 remix 1v0.5,2v0.25,3v0.17,4v0.08 \
  fade l 0.002 1.2 1.19 gain -n -2

# The media player's test file: 2.5 s of a 440 Hz tone as MP3, and the same as WAV.
sox -R -n -r 44100 -c 1 -b 16 "$work/tone.wav" synth 2.5 sine 440 fade h 0.01 2.5 0.05 gain -n -6
lame --quiet -b 64 --noreplaygain "$work/tone.wav" "$test_dir/tone.mp3"
sox -R "$work/tone.wav" -r "$rate" "$test_dir/tone.wav" trim 0 1.0

# Pictures for the picture controls' tests: a 16x8 PNG, left half opaque red, right half
# half-transparent blue; and an animated GIF of three 8x8 frames (red 100 ms, lime 200 ms, blue 300 ms).
convert -size 8x8 xc:'rgba(255,0,0,1)' -size 8x8 xc:'rgba(0,0,255,0.5)' +append \
  -define png:exclude-chunks=date,time -strip "PNG32:$test_dir/picture.png"
convert -size 8x8 -delay 10 xc:red -delay 20 xc:lime -delay 30 xc:blue -loop 0 "$test_dir/anim.gif"

echo "make_media: wrote $(ls "$sound_dir" | wc -l) sounds to $sound_dir and test media to $test_dir"
