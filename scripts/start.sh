#!/usr/bin/env bash
# Starts the desktop program: installs what a fresh Debian 12 machine lacks,
# builds the win64 preset and runs build/win64/tool/varnotel-gui.exe under
# wine64.
#   - With $DISPLAY set, the program opens there; the script ends when the
#     program is closed.
#   - Without one, the program runs on an Xvfb display of its own: after a
#     few seconds a screenshot is saved (the script says where) and the
#     program keeps running until Ctrl+C, which stops it together with the
#     display. With --exit-after-screenshot the script stops right after
#     the screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

exit_after_screenshot=0
[ "${1:-}" = "--exit-after-screenshot" ] && exit_after_screenshot=1

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target varnotel_app

own_display=0
[ -z "${DISPLAY:-}" ] && own_display=1

# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
wine_env_start "$PWD/build/wine-prefix"
program_pid=""
stop() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wine_env_stop
}
trap stop EXIT
trap 'exit 130' INT TERM

echo "start: running build/win64/tool/varnotel-gui.exe on DISPLAY=$DISPLAY"
env LC_ALL=zh_CN.UTF-8 "$WINE64" build/win64/tool/varnotel-gui.exe </dev/null >/dev/null 2>&1 &
program_pid=$!

if [ "$own_display" = 1 ]; then
  for _ in $(seq 1 100); do
    xdotool search --name 'Varnotel 1.1' >/dev/null 2>&1 && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
  done
  sleep 2
  mkdir -p build/screenshots
  shot="$PWD/build/screenshots/varnotel-$(date +%Y%m%d-%H%M%S).png"
  import -window root "$shot"
  echo "start: screenshot saved to $shot"
  if [ "$exit_after_screenshot" = 1 ]; then
    exit 0
  fi
  echo "start: the program runs on the invisible display $DISPLAY; press Ctrl+C to stop it"
fi
wait "$program_pid" || true
program_pid=""
