#!/usr/bin/env bash
# Takes the README's two pictures from the real program: the main window with a
# read schematic, and the result window in step mode. It starts a virtual X server
# with a window manager, walks Opbench through a test run with xdotool on a small
# project made here (password, schematic, roles, settings, vector table, a result
# table written as the simulator would, step viewing) and writes
# docs/main-window.png and docs/result-window.png.
#   tools/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-urw-base35 libacl1-dev libgtest-dev
          xvfb openbox xdotool imagemagick)
tools/ensure-packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target opbench

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "screenshots: $*" >&2
  exit 1
}

# --- The project: a schematic whose pin names give every pin its role. ---------
mkdir -p "$work/bin" "$work/project"
cp build/opbench "$work/bin/"  # a password file of its own, with the default passwords
schematic="$work/project/alu.bdf"
{
  printf '/*\r\n'
  for i in $(seq 1 20); do printf 'Header line %d\r\n' "$i"; done
  printf '*/\r\n'
  for pin in CLK:input 'X[15..0]:input' RESET:input 'P[1..0]:output' 'Y[2..0]:output' \
             'RESULT[15..0]:output' Z:output PRS:output; do
    name=${pin%:*} direction=${pin##*:}
    printf '(pin\r\n\t(%s)\r\n\t(rect 40 32 208 48)\r\n' "$direction"
    printf '\t(text "%s" (rect 133 0 161 10))\r\n' "${direction^^}"
    printf '\t(text "%s" (rect 5 0 50 12)(font "Arial" (font_size 8)))\r\n\t(pt 168 8)\r\n)\r\n' "$name"
  done
} >"$schematic"

# What the simulator saves over the vector table: its head up to "PATTERN", then
# one row per change of a signal, two per clock cycle of 100 ns, in the column
# order CLK X RESET = P Y RESULT Z PRS. The sum X + Y = 0,75 is ready in cycle 3.
write_result_table() {
  local table=$1 cycle clock time reset status control result done
  local head
  head=$(sed -n '1,/^PATTERN\r\{0,1\}$/p' "$table")
  [ -n "$head" ] || fail "the vector table $table has no PATTERN line"
  {
    printf '%s\n' "$head"
    for cycle in 0 1 2 3 4 5; do
      reset=$((cycle == 0 ? 1 : 0))
      status=$(printf '%02d' $((cycle % 2 == 0 ? 10 : 1)))
      control=$(printf '%03d' $((cycle % 3 == 0 ? 1 : (cycle % 3 == 1 ? 10 : 100))))
      if [ "$cycle" -lt 3 ]; then result=0000000000000000 done=0; else result=0110000000000000 done=1; fi
      for clock in 1 0; do
        time=$((cycle * 100 + (clock == 1 ? 10 : 60)))
        printf '%8s> %s 0100000000000000 %s = %s %s %s %s 0 \r\n' "$time.0" "$clock" "$reset" "$status" \
          "$control" "$result" "$done"
      done
    done
    printf '   600.0> 0 0100000000000000 0 = 00 000 0110000000000000 1 0 \r\n;\r\n'
  } >"$table.new"
  mv "$table.new" "$table"
}

# --- A virtual screen with a window manager. -----------------------------------
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
xdotool getmouselocation >/dev/null 2>&1 || fail "the virtual X server did not start"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The id of the shown window with exactly this title, once it is there.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || fail "no window \"$1\" within 20 seconds"
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  sleep 0.3
  echo "$id"
}

wait_gone() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  fail "the window \"$1\" stays open"
}

# A left click at a point of a window, relative to its top left corner.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.4
}

# Answers the information box that stands open with its OK button.
confirm_information() {
  wait_window "Информация" >/dev/null
  xdotool key Return
  wait_gone "Информация"
}

# Replaces the bits of a code field with others.
retype_code() {
  click "$1" "$2" "$3"
  xdotool key End
  xdotool key --repeat 15 --delay 20 BackSpace
  xdotool type --delay 20 "$4"
}

# A window with its frame as a small picture: a palette of 96 colours keeps its
# text sharp.
picture() {
  import -window "$1" -frame "$work/picture.png"
  convert "$work/picture.png" -strip -colors 96 "PNG8:$2"
}

# --- The test run. -------------------------------------------------------------
(cd "$work/project" && exec "$work/bin/opbench") >"$work/opbench.log" 2>&1 &
pids+=($!)

password=$(wait_window "Защита от несанкционированного доступа")
click "$password" 200 42
xdotool type --delay 20 60718
click "$password" 125 84
confirm_information

main=$(wait_window "Операционная часть автомата")
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 319))  # the menu bar stands above the client area
xdotool key ctrl+o
wait_window "(Открыть|Open)" >/dev/null
xdotool type --delay 10 "$schematic"
xdotool key Return
wait_gone "(Открыть|Open)"
wait_window "Операционная часть автомата" >/dev/null
click "$main" 96 $((menu + 284))   # "Автоназначение"
click "$main" 221 $((menu + 284))  # "Завершить ввод"
confirm_information

xdotool key F5
settings=$(wait_window "Настройки автомата")
retype_code "$settings" 112 178 100000000000000
retype_code "$settings" 112 226 010000000000000
click "$settings" 288 202  # "Перевод"
click "$settings" 136 372  # "Принять"
wait_gone "Настройки автомата"

wait_window "Операционная часть автомата" >/dev/null
xdotool key ctrl+s
confirm_information
[ -f "$work/project/alu.tbl" ] || fail "no vector table was written"
write_result_table "$work/project/alu.tbl"
wait_window "Операционная часть автомата" >/dev/null
xdotool key ctrl+r
sleep 1
if xdotool search --onlyvisible --name "^Ошибка\$" >/dev/null 2>&1; then fail "the result table was refused"; fi

mkdir -p docs
picture "$main" docs/main-window.png

click "$main" 348 $((menu + 183))  # "Пошаговый"
click "$main" 420 $((menu + 228))  # "Просмотр результата"
result=$(wait_window "Результат")
click "$result" 125 364  # "T+1"
click "$result" 125 364
sleep 0.5
picture "$result" docs/result-window.png
echo "Written: docs/main-window.png docs/result-window.png"
