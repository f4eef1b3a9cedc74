#!/usr/bin/env bash
# Builds Corvanta and starts it under Wine. Without an X display it starts Xvfb and says how to look.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then CORVANTA_KEEP_DISPLAY=1; fi
wine_env_start build/win64
trap wine_env_stop EXIT
if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
  echo "No X display was set: Corvanta runs on the virtual display $DISPLAY."
  echo "Look at it with: DISPLAY=$DISPLAY import -window root corvanta.png"
fi
cd build/win64
wine_run ./corvanta.exe
