#!/usr/bin/env bash
# Runs every fuzz target of fuzz/ for SECONDS each (default 60), under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the seed corpus in fuzz/corpus. Builds with clang into
# build-fuzz/ (or $FUZZ_BUILD_DIR); the main build stays with g++. New inputs found are kept in
# the build folder, not in the repository; a crash leaves its input there and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
if [ ! -f "$build_dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_FUZZ=ON \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} \
    ${CMAKE_C_COMPILER_LAUNCHER:+-DCMAKE_C_COMPILER_LAUNCHER=$CMAKE_C_COMPILER_LAUNCHER} >/dev/null
fi
cmake --build "$build_dir" -j "${FUZZ_JOBS:-$(nproc)}" --target fuzz_all

failed=()
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  found="$build_dir/fuzz/found/$name"
  artifacts="$build_dir/fuzz/crashes/$name/"
  mkdir -p "$found" "$artifacts"
  echo "fuzz: $name for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$build_dir/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts" "$found" "$seeds" >"$build_dir/fuzz/$name.log" 2>&1; then
    failed+=("$name")
    tail -40 "$build_dir/fuzz/$name.log"
  fi
  grep -E "stat::number_of_executed_units|stat::new_units_added" "$build_dir/fuzz/$name.log" | tr '\n' ' '
  echo
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: faults found by ${failed[*]} (inputs in $build_dir/fuzz/crashes)" >&2
  exit 1
fi
echo "fuzz: no fault in $(ls -d fuzz/corpus/*/ | wc -l) readers"
