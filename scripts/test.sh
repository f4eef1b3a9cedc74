#!/usr/bin/env bash
# Builds every preset and runs every test layer: native unit tests (also under ASan/UBSan), the
# in-process test program under Wine, and black-box runs of corvanta.exe under Wine.
# Prints each layer's counts and ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || { echo "dependency installation failed"; exit 1; }

total_passed=0
total_failed=0
log_dir=build/test-logs
mkdir -p "$log_dir"

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

build() {
  local preset="$1"; shift
  cmake --preset "$preset" -DCORVANTA_WERROR=ON "$@" >"$log_dir/configure-$preset.log" 2>&1 &&
    cmake --build --preset "$preset" >"$log_dir/build-$preset.log" 2>&1
}

build_failed() {
  echo "== $1: build failed (see $log_dir/build-$1.log)"
  tail -30 "$log_dir/build-$1.log" 2>/dev/null || tail -30 "$log_dir/configure-$1.log"
  total_failed=$((total_failed + 1))
}

# Layer 1: native GoogleTest, plain and under the sanitizers.
if build native; then
  ./build/native/tests/native/corvanta_native_tests >"$log_dir/native.log" 2>&1; count_gtest native "$log_dir/native.log" $?
else build_failed native; fi
if build native-asan; then
  ./build/native-asan/tests/native/corvanta_native_tests >"$log_dir/native-asan.log" 2>&1
  count_gtest native-asan "$log_dir/native-asan.log" $?
else build_failed native-asan; fi

# Layers 2 and 3 under Wine with a private X display.
if build win64; then
  source scripts/wine-env.sh
  wine_env_start build/win64
  trap wine_env_stop EXIT
  timeout 1200 bash -c 'source scripts/wine-env.sh; WINE64=/usr/lib/wine/wine64; wine_run build/win64/corvanta_wine_tests.exe' \
    </dev/null >"$log_dir/wine.log" 2>&1
  count_gtest wine "$log_dir/wine.log" $?
  grep -E '^\[  FAILED  \]' "$log_dir/wine.log" | head -20
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  timeout 1200 python3 tests/blackbox/run_blackbox.py build/win64 </dev/null >"$log_dir/blackbox.log" 2>&1
  bb_status=$?
  grep -E '^\[ (PASS|FAIL) \]' "$log_dir/blackbox.log" | grep FAIL
  bb_passed=$(grep -c '^\[ PASS \]' "$log_dir/blackbox.log"); bb_failed=$(grep -c '^\[ FAIL \]' "$log_dir/blackbox.log")
  if [ "$bb_status" -ne 0 ] && [ "$bb_failed" -eq 0 ]; then bb_failed=1; tail -20 "$log_dir/blackbox.log"; fi
  echo "== blackbox: $bb_passed passed, $bb_failed failed"
  total_passed=$((total_passed + bb_passed)); total_failed=$((total_failed + bb_failed))
  wine_env_stop
  trap - EXIT
else build_failed win64; fi

# The shipped 32-bit program must build too (these machines cannot run it).
if build win32; then echo "== win32: build ok"; else build_failed win32; fi

echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
