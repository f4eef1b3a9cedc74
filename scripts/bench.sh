#!/usr/bin/env bash
# Runs every benchmark (native Google Benchmark; under Wine the renderer, lock, capture, suite and
# following benchmarks, the lock also on a 4K screen) and the idle measurements beside Wine's Notepad, then writes docs/performance.md
# and its plot docs/renderer-per-pen.svg. Takes about five minutes. Figures, not tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win64 >/dev/null
cmake --build --preset win64
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

./build/native/bench/corvanta_benchmarks --benchmark_min_time=0.2 >"$out/native.txt" 2>&1
source scripts/wine-env.sh
wine_env_start build/win64
for bench in render lock capture suite follow; do
  exe=corvanta_wine_${bench}_bench.exe
  [ "$bench" = render ] && exe=corvanta_wine_bench.exe
  echo "Running $exe..."
  wine_run "build/win64/$exe" >"$out/$bench.txt" 2>/dev/null </dev/null
done
echo "Measuring idle memory and CPU..."
python3 bench/idle_measure.py build/win64 --json "$out/idle.json" >/dev/null
wine_env_stop
# The lock again on a 4K screen, whose prepared canvas memory covers a 4K region.
echo "Running corvanta_wine_lock_bench.exe on a 3840 x 2160 screen..."
WINE_ENV_SCREEN=3840x2160x24 wine_env_start build/win64
wine_run build/win64/corvanta_wine_lock_bench.exe >"$out/lock-4k.txt" 2>/dev/null </dev/null
wine_env_stop
python3 scripts/performance_report.py "$out" docs/performance.md docs/renderer-per-pen.svg
echo "Wrote docs/performance.md and docs/renderer-per-pen.svg"
