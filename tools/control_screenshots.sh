#!/usr/bin/env bash
# Takes the screenshots of the skinned controls in docs/: the main window
# idle, with a button hot, pressed and focused, every message box the file
# and text workflows show, and the toggle dialog. Runs the win64 build
# under wine64 in its own Xvfb display and drives it with xdotool (the
# xdotool and imagemagick packages).
#   bash tools/control_screenshots.sh        (after cmake --build --preset win64)
set -euo pipefail
cd "$(dirname "$0")/.."

bin=build/win64/tests/win/controls
out=docs
mkdir -p "$out"

# shellcheck source=scripts/wine-env.sh
. scripts/wine-env.sh
VARNOTEL_OWN_DISPLAY=1 wine_env_start "$PWD/build/wine-prefix"
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine_env_stop
}
trap cleanup EXIT

# The main window's client area starts below the skin's caption and inside
# its left border.
client_dx=3
client_dy=31

run() {  # run PROGRAM ARGS...: in the background
  scripts/wine-run "$@" >/dev/null 2>&1 &
  started+=("$!")
}

# wait_window TITLE [NOT_ID]: the id of a visible window titled TITLE,
# other than NOT_ID (a box of the same title that was just closed).
wait_window() {
  local title=$1 old=${2:-none} id i
  for i in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$id" != "$old" ] && [ "$(xdotool getwindowname "$id")" = "$title" ] || continue
      sleep 0.8  # let it paint
      echo "$id"
      return 0
    done
    sleep 0.2
  done
  echo "no window titled $title" >&2
  return 1
}

shoot() {  # shoot WINDOW_ID NAME: the window cropped out of the screen
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
  echo "$out/$2.png"
}

# client_point WINDOW_ID X Y: screen position of a client point of the main window.
client_point() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$((X + client_dx + $2)) $((Y + client_dy + $3))"
}

shoot_and_close() {  # shoot_and_close BOX_ID NAME: then OK (or Yes) closes the box
  shoot "$1" "$2"
  xdotool key Return
  sleep 0.5
}

end_run() {  # the program of the last run, and its wineserver
  kill "${started[-1]}" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
  sleep 1
}

park_mouse() { xdotool mousemove 1010 750; sleep 0.3; }

click_at() {  # click_at WINDOW_ID X Y
  read -r sx sy < <(client_point "$@")
  xdotool mousemove "$sx" "$sy" click 1
  sleep 0.5
}

# Controls of the main window (client coordinates, centres).
decrypt_button=(496 316)   # 按钮4 "开始解密"
text_up_button=(204 200)   # 按钮2 "↑"
symbol_box=(164 296)       # 编辑框2
target_box=(468 276)       # 编辑框4

drive_c=$WINEPREFIX/drive_c/users/Public
mkdir -p "$drive_c"
printf 'Varnotel sample file\r\n' >"$drive_c/sample.txt"
rm -f "$drive_c/out.txt"

# Main window: idle, hot, pressed, then the focused button after the box
# its click shows; then the text half's failure.
park_mouse
run "$bin/main_window_shots.exe"
main=$(wait_window "Varnotel 1.1")
shoot "$main" controls-main-idle
read -r bx by < <(client_point "$main" "${decrypt_button[@]}")
xdotool mousemove "$bx" "$by"; sleep 0.6
shoot "$main" controls-main-hot
xdotool mousedown 1; sleep 0.6
shoot "$main" controls-main-pressed
xdotool mouseup 1
box=$(wait_window "信息：")
shoot "$box" controls-box-no-target-path
park_mouse
xdotool key Return; sleep 1
shoot "$main" controls-main-focused
click_at "$main" "${symbol_box[@]}"
xdotool type "abc"
click_at "$main" "${text_up_button[@]}"
box=$(wait_window "信息：")
shoot_and_close "$box" controls-box-text-not-decodable
end_run

# A dropped file: ask, wait notice, done; then its decryption.
run "$bin/main_window_shots.exe" drop 'C:\users\Public\sample.txt'
main=$(wait_window "Varnotel 1.1")
box=$(wait_window "询问")
shoot_and_close "$box" controls-box-confirm-encrypt
box=$(wait_window "信息：" "$box")
shoot_and_close "$box" controls-box-please-wait
box=$(wait_window "信息：" "$box")
shoot_and_close "$box" controls-box-encrypt-done
click_at "$main" "${target_box[@]}"
xdotool type 'C:\users\Public\out.txt'
click_at "$main" "${decrypt_button[@]}"
box=$(wait_window "信息：")
shoot_and_close "$box" controls-box-decrypt-done
end_run

# A dropped file declined, and one that cannot be read.
run "$bin/main_window_shots.exe" drop 'C:\users\Public\sample.txt'
box=$(wait_window "询问")
xdotool key n
box=$(wait_window "信息：")
shoot_and_close "$box" controls-box-encrypt-declined
end_run

run "$bin/main_window_shots.exe" drop 'C:\users\Public\missing.txt'
box=$(wait_window "询问")
xdotool key Return
box=$(wait_window "信息：" "$box")
xdotool key Return
box=$(wait_window "信息：" "$box")
shoot_and_close "$box" controls-box-file-not-readable
end_run

# Check boxes and radio buttons in a dialog.
run "$bin/skinned_dialog_demo.exe" 20
dialog=$(wait_window "复选框和单选按钮")
shoot "$dialog" controls-toggle-dialog
