#!/usr/bin/env bash
# Writes tests/test_costs.cmake anew from the times a build folder's last test run measured (its
# Testing/Temporary/CTestCostData.txt): every test of a second or more, the longest first.
#   scripts/test_costs.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
costs=${1:-build}/Testing/Temporary/CTestCostData.txt
[ -f "$costs" ] || { echo "test_costs: no $costs (run the tests there first)" >&2; exit 1; }
{
  sed -n '1,/^set(/p' tests/test_costs.cmake
  awk 'NF == 3 && $3 >= 1.0 { printf "  %s %.1f\n", $1, $3 }' "$costs" | sort -k2,2rn -k1,1
  echo ")"
} >"tests/test_costs.cmake.new"
mv tests/test_costs.cmake.new tests/test_costs.cmake
echo "test_costs: $(grep -c '^  ' tests/test_costs.cmake) tests in tests/test_costs.cmake"
