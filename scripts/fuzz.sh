#!/usr/bin/env bash
# Runs every fuzz target of fuzz/ for SECONDS each (default 60), under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the seed corpus in fuzz/corpus. The targets run side by
# side, one core each, so the whole run takes about SECONDS. Builds them in the checked build
# (scripts/checked_build.sh) in build-checked/ (or $FUZZ_BUILD_DIR); the main build stays with
# g++. New inputs found are kept in the build folder, not in the repository; a crash leaves its
# input there and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${FUZZ_BUILD_DIR:-build-checked}
scripts/checked_build.sh "$build_dir"
build_log="$build_dir/fuzz-build.log"
# clang's warnings are the main build's to judge: the log keeps them, the run shows only a failure.
echo "fuzz: building the targets in $build_dir"
if ! cmake --build "$build_dir" -j "${FUZZ_JOBS:-$(nproc)}" --target fuzz_all >>"$build_log" 2>&1; then
  grep -a -A20 "FAILED\|error:" "$build_log" | head -80
  exit 1
fi

names=()
pids=()
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  found="$build_dir/fuzz/found/$name"
  artifacts="$build_dir/fuzz/crashes/$name/"
  mkdir -p "$found" "$artifacts"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build_dir/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts" "$found" "$seeds" >"$build_dir/fuzz/$name.log" 2>&1 &
  names+=("$name")
  pids+=("$!")
done
echo "fuzz: ${names[*]} for ${seconds}s each, side by side"

failed=()
for i in "${!names[@]}"; do
  name=${names[$i]}
  if ! wait "${pids[$i]}"; then
    failed+=("$name")
    tail -40 "$build_dir/fuzz/$name.log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build_dir/fuzz/$name.log")
  added=$(sed -n 's/^stat::new_units_added: *//p' "$build_dir/fuzz/$name.log")
  echo "fuzz: $name: ${runs:-?} runs, ${added:-?} new inputs, corpus $(ls "$build_dir/fuzz/found/$name" | wc -l) files"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: faults found by ${failed[*]} (inputs in $build_dir/fuzz/crashes)" >&2
  exit 1
fi
echo "fuzz: no fault in ${#names[@]} readers"
