# Sourced by the run and test scripts: a private X display and a Wine prefix inside the build tree.
# Usage: source scripts/wine-env.sh; wine_env_start BUILD_DIR; ... wine_run prog.exe args; wine_env_stop

wine_env_start() {
  local build_dir="$1"
  export WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  WINE64=/usr/lib/wine/wine64
  if [ -z "${CORVANTA_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 140); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
    done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (first time only, about 15 s)..."
    LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot --init >/dev/null 2>&1 || true
    # Without a window manager, Wine would wait two seconds for one on every hide of a captioned
    # window; let Wine's own driver manage the windows instead.
    LC_ALL=zh_CN.UTF-8 "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w 2>/dev/null || true
  fi
}

# Every Wine process runs with code page 936 (LC_ALL alone selects it; no zh_CN locale is needed).
wine_run() {
  LC_ALL=zh_CN.UTF-8 "$WINE64" "$@"
}

wine_env_stop() {
  /usr/lib/wine/wineserver -k 2>/dev/null || wineserver -k 2>/dev/null || true
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    unset WINE_ENV_XVFB_PID
  fi
}
