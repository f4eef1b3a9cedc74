# Sourced by the run and test scripts: a private X display and Wine prefixes inside the build tree.
# Usage: source scripts/wine-env.sh; wine_env_start BUILD_DIR; ... wine_run prog.exe args; wine_env_stop
#   WINE_ENV_SCREEN=3840x2160x24 before wine_env_start gives the display another size (1920x1080x24)
#   wine_run         code page 936 (the user interface's own), 96 DPI: the prefix BUILD_DIR/wineprefix
#   wine_run_cp1252  the same prefix with ANSI code page 1252, as on a Western display language
#   wine_run_dpi144  code page 936 in a second prefix, BUILD_DIR/wineprefix-dpi144, whose display scaling is
#                    150 % (LogPixels 144); created on first use

WINE64=/usr/lib/wine/wine64

wine_env_start() {
  WINE_ENV_BUILD_DIR="$(cd "$1" && pwd)"
  export WINE_ENV_BUILD_DIR
  export WINEPREFIX="$WINE_ENV_BUILD_DIR/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -z "${CORVANTA_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 140); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
    done
    Xvfb ":$n" -screen 0 "${WINE_ENV_SCREEN:-1920x1080x24}" -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  wine_prefix_create "$WINEPREFIX"
}

# Creates a prefix once (about 15 s), with display scaling LOGPIXELS (96 = 100 %) when given.
wine_prefix_create() {
  local prefix="$1" log_pixels="${2:-}"
  [ -f "$prefix/system.reg" ] && return 0
  echo "Creating the Wine prefix $prefix (first time only, about 15 s)..."
  WINEPREFIX="$prefix" LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot --init >/dev/null 2>&1 || true
  # Without a window manager, Wine would wait two seconds for one on every hide of a captioned
  # window; let Wine's own driver manage the windows instead.
  WINEPREFIX="$prefix" LC_ALL=zh_CN.UTF-8 "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1 || true
  if [ -n "$log_pixels" ]; then
    WINEPREFIX="$prefix" LC_ALL=zh_CN.UTF-8 "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
      /t REG_DWORD /d "$log_pixels" /f >/dev/null 2>&1 || true
  fi
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w 2>/dev/null || true
}

# The 150 % prefix (read by programs at start: GetDpiForWindow and LOGPIXELSY report 144); prints its path.
wine_dpi144_prefix() {
  local prefix="${WINE_ENV_BUILD_DIR:?wine_env_start first}/wineprefix-dpi144"
  wine_prefix_create "$prefix" 144 >&2
  echo "$prefix"
}

# A folder of the prefix whose Full.ini cannot be written, as on a full disk: the sibling a whole file is
# written through first, Full.ini.tmp, is a link to /dev/full. Made again before every run, since the
# failed write deletes it.
wine_full_disk_prepare() {
  local folder="$WINEPREFIX/drive_c/corvanta-full-disk"
  mkdir -p "$folder" && ln -sfn /dev/full "$folder/Full.ini.tmp"
}

# Code page 936: LC_ALL selects it (LANG alone leaves 1252); the zh_CN.UTF-8 locale makes Chinese file
# names and arguments reach Linux as UTF-8.
wine_run() {
  wine_full_disk_prepare
  LC_ALL=zh_CN.UTF-8 "$WINE64" "$@"
}

# ANSI code page 1252 with the same UTF-8 file names on the Linux side.
wine_run_cp1252() {
  wine_full_disk_prepare
  LC_ALL=C.UTF-8 "$WINE64" "$@"
}

wine_run_dpi144() {
  local prefix
  prefix="$(wine_dpi144_prefix)" || return 1
  WINEPREFIX="$prefix" LC_ALL=zh_CN.UTF-8 "$WINE64" "$@"
}

# Ends every Wine process of both prefixes; the display stays.
wine_env_kill() {
  local prefix
  for prefix in "$WINEPREFIX" "${WINE_ENV_BUILD_DIR:-}/wineprefix-dpi144"; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
}

wine_env_stop() {
  wine_env_kill
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    unset WINE_ENV_XVFB_PID
  fi
}
