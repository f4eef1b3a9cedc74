#!/usr/bin/env bash
# Builds every preset and runs every test layer: native unit tests (also under ASan/UBSan), the check that
# the window code uses the wide text functions and every include reaches down the layers, 15 s of libFuzzer
# per fuzz target, the in-process test program under Wine (on code pages 936 and 1252, and at 144 DPI),
# black-box runs of corvanta.exe under Wine, and the check of the downloadable archive.
# Prints each layer's counts and ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || { echo "dependency installation failed"; exit 1; }

total_passed=0
total_failed=0
log_dir=build/test-logs
mkdir -p "$log_dir"
: >"$log_dir/timings.txt"
step_start=$SECONDS

# Notes in $log_dir/timings.txt how long the step since the previous note took.
note_time() {
  echo "$1: $((SECONDS - step_start)) s" >>"$log_dir/timings.txt"
  step_start=$SECONDS
}

# Adds a layer's counts from a GoogleTest log; a run that reports no summary counts as one failure.
count_gtest() {
  local layer="$1" log="$2" status="$3" passed failed
  passed=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | tail -1 | grep -oE '[0-9]+' | head -1)
  failed=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | tail -1 | grep -oE '[0-9]+' | head -1)
  passed=${passed:-0}; failed=${failed:-0}
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
  echo "== $layer: $passed passed, $failed failed"
  total_passed=$((total_passed + passed)); total_failed=$((total_failed + failed))
}

# A layer of the Wine test program: wine_gtest_layer NAME RUNNER FILTER, RUNNER one of wine-env.sh's runners.
# Suites named *Dpi144* need the 144-DPI prefix and *Cp1252* ones code page 1252. A run that matches no test
# fails when the test program has such suites, and is only noted while it has none.
wine_gtest_layer() {
  local layer="$1" runner="$2" filter="$3" log="$log_dir/$1.log" ran
  timeout 1200 bash -c 'source scripts/wine-env.sh; "$1" build/win64/corvanta_wine_tests.exe --gtest_filter="$2"' \
    _ "$runner" "$filter" </dev/null >"$log" 2>&1
  local status=$?
  ran=$(grep -E '^\[==========\] [0-9]+ tests? from' "$log" | tail -1 | grep -oE '[0-9]+' | head -1)
  if [ "${ran:-0}" -eq 0 ] && [ "$status" -eq 0 ]; then
    if [ "$(wine_tests_listed "$filter")" -gt 0 ]; then
      echo "== $layer: 0 passed, 1 failed (no test ran, although the filter $filter selects some)"
      total_failed=$((total_failed + 1))
    else
      echo "== $layer: no suites match $filter yet"
    fi
  else
    count_gtest "$layer" "$log" "$status"
    grep -E '^\[  FAILED  \]' "$log" | head -20
  fi
  wine_env_kill
  note_time "$layer"
}

# How many tests of the Wine test program a GoogleTest filter selects.
wine_tests_listed() {
  wine_run build/win64/corvanta_wine_tests.exe --gtest_list_tests --gtest_filter="$1" </dev/null 2>/dev/null |
    grep -cE '^  [A-Za-z0-9_]'
}

build() {
  local preset="$1" status; shift
  cmake --preset "$preset" -DCORVANTA_WERROR=ON "$@" >"$log_dir/configure-$preset.log" 2>&1 &&
    cmake --build --preset "$preset" >"$log_dir/build-$preset.log" 2>&1
  status=$?
  note_time "build-$preset"
  return $status
}

build_failed() {
  echo "== $1: build failed (see $log_dir/build-$1.log)"
  tail -30 "$log_dir/build-$1.log" 2>/dev/null || tail -30 "$log_dir/configure-$1.log"
  total_failed=$((total_failed + 1))
}

# Layer 1: native GoogleTest, plain and under the sanitizers.
if build native; then
  ./build/native/tests/native/corvanta_native_tests >"$log_dir/native.log" 2>&1; count_gtest native "$log_dir/native.log" $?
  note_time native
else build_failed native; fi
if build native-asan; then
  ./build/native-asan/tests/native/corvanta_native_tests >"$log_dir/native-asan.log" 2>&1
  count_gtest native-asan "$log_dir/native-asan.log" $?
  note_time native-asan
else build_failed native-asan; fi

# Source checks: the window code hands text to Windows through the wide functions only, and every include
# reaches down the layers of src/.
source_check() {
  local name="$1" status; shift
  "$@" >"$log_dir/$name.log" 2>&1
  status=$?
  if [ "$status" -eq 0 ]; then total_passed=$((total_passed + 1)); else total_failed=$((total_failed + 1)); fi
  grep -v '^== ' "$log_dir/$name.log" | head -20
  grep '^== ' "$log_dir/$name.log" || echo "== $name: 0 passed, 1 failed"
  note_time "$name"
}
source_check wide-text scripts/check-wide-text.sh
source_check layers python3 scripts/check-layers.py
source_check layers-check python3 tests/scripts/check_layers_test.py
source_check performance-report python3 tests/scripts/performance_report_test.py

# libFuzzer over the readers of outside input in the portable library: one pass per target.
scripts/fuzz.sh >"$log_dir/fuzz.log" 2>&1
fuzz_status=$?
fuzz_passed=$(grep -c '^\[ PASS \]' "$log_dir/fuzz.log"); fuzz_failed=$(grep -c '^\[ FAIL \]' "$log_dir/fuzz.log")
grep -E '^\[ FAIL \]|build failed' "$log_dir/fuzz.log" | head -20
if [ "$fuzz_status" -ne 0 ] && [ "$fuzz_failed" -eq 0 ]; then fuzz_failed=1; tail -20 "$log_dir/fuzz.log"; fi
echo "== fuzz: $fuzz_passed passed, $fuzz_failed failed"
total_passed=$((total_passed + fuzz_passed)); total_failed=$((total_failed + fuzz_failed))
note_time fuzz

# The Wine layers, with a private X display.
if build win64; then
  source scripts/wine-env.sh
  wine_env_start build/win64
  trap wine_env_stop EXIT
  # Each run takes about 20 s, so code page 1252 gets the whole program rather than a few picked suites.
  wine_gtest_layer wine wine_run '-*Dpi144*.*:*Cp1252*.*'
  wine_gtest_layer wine-cp1252 wine_run_cp1252 '-*Dpi144*.*'
  wine_gtest_layer wine-dpi144 wine_run_dpi144 '*Dpi144*.*'
  timeout 1200 python3 tests/blackbox/run_blackbox.py build/win64 </dev/null >"$log_dir/blackbox.log" 2>&1
  bb_status=$?
  # Each failed case with the error it ended on, so that a short excerpt of the output still says why.
  grep -E '^\[ FAIL \]|^[A-Za-z.]*(Error|Exception)\b' "$log_dir/blackbox.log" | head -40
  bb_passed=$(grep -c '^\[ PASS \]' "$log_dir/blackbox.log"); bb_failed=$(grep -c '^\[ FAIL \]' "$log_dir/blackbox.log")
  if [ "$bb_status" -ne 0 ] && [ "$bb_failed" -eq 0 ]; then bb_failed=1; tail -20 "$log_dir/blackbox.log"; fi
  echo "== blackbox: $bb_passed passed, $bb_failed failed"
  note_time blackbox
  total_passed=$((total_passed + bb_passed)); total_failed=$((total_failed + bb_failed))
  wine_env_stop
  trap - EXIT
else build_failed win64; fi

# The downloadable archive, made from the win32 program just built (scripts/package.sh does the same into dist/).
package_layer() {
  local log="$log_dir/package.log" archive passed failed status
  rm -rf build/package
  if archive=$(python3 scripts/package_archive.py build/win32/corvanta.exe build/package 2>"$log"); then
    python3 scripts/check_package.py "$archive" >>"$log" 2>&1
    status=$?
  else
    status=1
  fi
  grep -E '^\[ FAIL \]' "$log"
  passed=$(grep -c '^\[ PASS \]' "$log"); failed=$(grep -c '^\[ FAIL \]' "$log")
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; tail -20 "$log"; fi
  echo "== package: $passed passed, $failed failed"
  total_passed=$((total_passed + passed)); total_failed=$((total_failed + failed))
  note_time package
}

# The shipped 32-bit program must build too (these machines cannot run it), and its archive must hold what it should.
if build win32; then
  echo "== win32: build ok"
  package_layer
else build_failed win32; fi

echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
