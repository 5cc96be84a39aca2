# Sourced by the test and start scripts: one X display, one Wine prefix and
# one persistent wineserver for the whole run.
#   wine_env_start [prefix-dir]   sets DISPLAY, WINEPREFIX and friends
#   wine_env_stop                 stops the wineserver and our Xvfb

# Wine gets LC_ALL=zh_CN.UTF-8 (code page 936, the program's) through
# scripts/wine-run; the shell itself has no such glibc locale.
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

_wine_env_xvfb_pid=""

_wine_env_start_xvfb() {
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _wine_env_xvfb_pid=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$_wine_env_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

wine_env_start() {
  local prefix=${1:-$PWD/build/wine-prefix}
  export WINEPREFIX=$prefix
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="

  if [ -z "${DISPLAY:-}" ] || [ "${VARNOTEL_OWN_DISPLAY:-0}" = 1 ]; then
    _wine_env_start_xvfb || return 1
  fi

  if [ ! -f "$WINEPREFIX/.varnotel-ready" ]; then
    echo "wine-env: creating Wine prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    env LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot --init >/dev/null 2>&1 || true
    # Wine paints the window frames only when the X11 driver neither manages
    # nor decorates them; otherwise the skinned frame never shows.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.varnotel-ready"
  fi
  "$WINESERVER" -p
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$_wine_env_xvfb_pid" ]; then
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
    _wine_env_xvfb_pid=""
  fi
}
