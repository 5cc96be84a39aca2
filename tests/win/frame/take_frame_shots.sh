#!/usr/bin/env bash
# Screenshots of the skin frame under Xvfb, cropped to the window:
#   bash tests/win/frame/take_frame_shots.sh OUT-DIR
# Needs the win64 build of frame_shots.
set -euo pipefail
cd "$(dirname "$0")/../../.."
out=${1:?output folder}
mkdir -p "$out"
program=build/win64/tests/win/frame/frame_shots.exe

# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
VARNOTEL_OWN_DISPLAY=1 wine_env_start "$PWD/build/wine-prefix"
trap wine_env_stop EXIT

for scene in active inactive close-hot close-pressed message-box save-dialog; do
  rect=$(mktemp)
  rm -f "$rect"
  env LC_ALL=zh_CN.UTF-8 "$WINE64" "$program" "$scene" "Z:$rect" \
    </dev/null >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do [ -s "$rect" ] && break; sleep 0.2; done
  sleep 0.5
  read -r x y w h <"$rect"
  import -window root "$out/full.png"
  convert "$out/full.png" -crop "${w}x${h}+${x}+${y}" +repage "$out/frame-$scene.png"
  echo "$out/frame-$scene.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$rect" "$out/full.png"
done
