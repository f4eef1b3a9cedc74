#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer with ASan and UBSan) and runs every fuzz target for the given
# number of seconds (default 15), two at a time, each from its committed seed corpus in
# tests/fuzz/corpus/<target> and its growing working corpus in build/fuzz/corpus/<target>.
# Prints one line per target and "== fuzz: N passed, M failed"; fails on any crash, leak, time-out or
# broken invariant. The failing input is kept as build/fuzz/artifacts/<target>-crash-*; replay it with
#   build/fuzz/fuzz/fuzz_<target> build/fuzz/artifacts/<target>-crash-...
# Environment: FUZZ_RUNS=N runs N inputs per target instead of a time (the long runs), FUZZ_JOBS=1 runs
# one target at a time, FUZZ_TARGETS="a b" picks targets.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
jobs="${FUZZ_JOBS:-2}"
out=build/fuzz
logs="$out/logs"
mkdir -p "$logs" "$out/artifacts"

if ! { cmake --preset fuzz -DCORVANTA_WERROR=ON >"$logs/configure.log" 2>&1 &&
       cmake --build --preset fuzz >"$logs/build.log" 2>&1; }; then
  echo "== fuzz: build failed (see $logs/build.log)"
  tail -30 "$logs/build.log" 2>/dev/null || tail -30 "$logs/configure.log"
  echo "== fuzz: 0 passed, 1 failed"
  exit 1
fi

# Inputs are kept short where each one parses a whole file several times.
max_len_of() {
  case "$1" in
    ini_text | ini_file | preset) echo 256 ;;
    *) echo 1024 ;;
  esac
}

run_target() {
  local target="$1" log="$logs/$1.log" limit
  mkdir -p "$out/corpus/$target"
  if [ -n "${FUZZ_RUNS:-}" ]; then limit="-runs=$FUZZ_RUNS"; else limit="-max_total_time=$seconds"; fi
  "$out/fuzz/fuzz_$target" "$limit" -max_len="$(max_len_of "$target")" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" \
    "$out/corpus/$target" "tests/fuzz/corpus/$target" </dev/null >"$log" 2>&1
  echo $? >"$log.status"
}

report_target() {
  local target="$1" log="$logs/$1.log" status runs time
  status=$(cat "$log.status" 2>/dev/null || echo 1)
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
  time=$(grep -oE '^Done [0-9]+ runs in [0-9]+ second' "$log" | grep -oE '[0-9]+ second' | grep -oE '[0-9]+')
  if [ "$status" -eq 0 ] && grep -q '^Done [0-9]* runs' "$log"; then
    echo "[ PASS ] $target: ${runs:-?} runs in ${time:-?} s"
    passed=$((passed + 1))
  else
    local why
    why=$(grep -m1 -E 'invariant failed|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error' "$log")
    echo "[ FAIL ] $target: ${why:-exit status $status} (see $log)"
    failed=$((failed + 1))
  fi
}

targets="${FUZZ_TARGETS:-$(cat "$out/fuzz/targets.txt")}"
passed=0
failed=0
running=0
for target in $targets; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  rm -f "$logs/$target.log.status"
  run_target "$target" &
  running=$((running + 1))
done
wait
for target in $targets; do report_target "$target"; done
echo "== fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
