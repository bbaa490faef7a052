#!/usr/bin/env bash
# Measures what the scoreboard costs while it waits: the CPU time of `ball` over wall time under
# Xvfb, first with the clock stopped and no panel open, then with the clock running, each beside
# a `sleep` of the same length on the same machine as the baseline.
#
#   scripts/idle_cpu.sh [BUILD_DIR] [SECONDS]     (defaults: build, 60)
#
# Needs Xvfb and xdotool. Goals: under 1 % of one core idle, under 3 % with the clock running.
set -euo pipefail

build=${1:-build}
seconds=${2:-60}
ball="$build/program/ball"
[ -x "$ball" ] || ball="$build/scoreboard/ball"
[ -x "$ball" ] || { echo "idle_cpu: no $ball (build it first)" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "idle_cpu: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d /tmp/idle-cpu-XXXXXX)
xvfb_pid=""
ball_pid=""
cleanup() {
  [ -n "$ball_pid" ] && kill "$ball_pid" 2>/dev/null && wait "$ball_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it to the pipe once it accepts clients.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$work/displayfd"
export DISPLAY=":$display_number"

mkdir -p "$work/home" "$work/data" "$work/run"
chmod 700 "$work/run"
BALL_HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" \
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$ball" >"$work/ball.log" 2>&1 &
ball_pid=$!

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Prints the share of one core that process $1 used over $seconds, beside a sleep of that length.
measure() {
  local label=$1 pid=$2
  sleep "$seconds" &
  local sleep_pid=$!
  local start_ns; start_ns=$(date +%s%N)
  local ball_start; ball_start=$(cpu_ticks "$pid")
  local sleep_start; sleep_start=$(cpu_ticks "$sleep_pid")
  local sleep_end=$sleep_start
  while kill -0 "$sleep_pid" 2>/dev/null; do
    sleep_end=$(cpu_ticks "$sleep_pid" 2>/dev/null || echo "$sleep_end")
    sleep 1
  done
  wait "$sleep_pid" || true
  local ball_end; ball_end=$(cpu_ticks "$pid")
  local end_ns; end_ns=$(date +%s%N)
  awk -v label="$label" -v b=$((ball_end - ball_start)) -v s=$((sleep_end - sleep_start)) \
      -v hz="$ticks" -v ns=$((end_ns - start_ns)) 'BEGIN {
    wall = ns / 1e9
    printf "%-14s ball %6.2f %% of one core (%.2f s CPU in %.1f s)   sleep baseline %5.2f %%\n",
      label, 100 * b / hz / wall, b / hz, wall, 100 * s / hz / wall
  }'
}

# The start-up screen stands 3 s; the board then settles.
sleep 6
kill -0 "$ball_pid" || { echo "idle_cpu: ball ended early:"; cat "$work/ball.log"; exit 1; }
measure "idle board" "$ball_pid"

# The start button holds the focus: a press of Space starts the clock.
xdotool key space
sleep 1
measure "running clock" "$ball_pid"
