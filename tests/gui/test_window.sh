#!/usr/bin/env bash
# The updater's window under Xvfb: title line in olive, start-up texts and both buttons shown;
# clicking "Quitter" ends the program with status 0. A screenshot goes to BUILD/screenshots/.
set -euo pipefail
build=$(cd "$1" && pwd)
flavour=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

case $flavour in
  native) program=("$build/app/maj") ;;
  wine)
    export VELANTO_WINE_BUILD=$build
    program=(bash "$source_dir/tests/wine-run.sh" "$build/app/maj.exe") ;;
  *) echo "usage: $0 BUILD_DIR native|wine" >&2; exit 2 ;;
esac
program_file=$build/app/maj$([ "$flavour" = wine ] && echo .exe || true)
[ -f "$program_file" ] || { echo "FAIL: $program_file was not built" >&2; exit 1; }

work=$(mktemp -d)
app_pid=""
xvfb_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/ui.log" ] && sed 's/^/  ui: /' "$work/ui.log" >&2; exit 1; }

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

VELANTO_UI_LOG=$work/ui.log "${program[@]}" >"$work/out" 2>&1 &
app_pid=$!

# "à" is one byte under Wine (its X names are Latin-1) and two in UTF-8; ".*" matches both.
window=""
for _ in $(seq 240); do
  window=$(xdotool search --name '^Mise.*jour velanto$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the updater ended before showing its window: $(cat "$work/out")"
  sleep 0.25
done
[ -n "$window" ] || fail "no window captioned \"Mise à jour velanto\""
sleep 1.5

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$build/screenshots"
shot=$build/screenshots/window-$flavour.png
import -window root "$work/root.png"
convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"

# Without a window manager the X window of either backend is the form's client area.
olive_pixels() { # pixels of exactly clOlive in the region WxH+X+Y of the screenshot
  convert "$shot" -crop "$1" +repage -fill black +opaque '#808000' -fill white -opaque '#808000' \
    -format '%[fx:round(mean*w*h)]' info:
}
[ "$(olive_pixels 250x26+8+4)" -gt 20 ] || fail "no olive title line in $shot"
[ "$(olive_pixels 382x60+0+30)" -eq 0 ] || fail "olive outside the title line in $shot"

grep -qx 'caption Form1 Mise à jour velanto' "$work/ui.log" || fail "window caption"
grep -qx 'caption Label2 Mise à jour velanto' "$work/ui.log" || fail "title line"
grep -qx 'caption Label1 Pour rechercher une nouvelle version de velanto\\rVeuillez cliquer sur le bouton "Mise à jour".' \
  "$work/ui.log" || fail "status lines"
grep -qx 'caption BitBtn1 Mise à jour' "$work/ui.log" || fail "update button"
grep -qx 'caption BitBtn2 Quitter' "$work/ui.log" || fail "quit button"

# "Quitter" lies at 200, 88 (169 x 25) in the client area.
xdotool mousemove --window "$window" 284 100 click 1
status=""
for _ in $(seq 80); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    set +e; wait "$app_pid"; status=$?; set -e
    break
  fi
  sleep 0.25
done
[ -n "$status" ] || fail "the updater is still running after \"Quitter\""
app_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after \"Quitter\""
[ "$(tail -1 "$work/ui.log")" = close ] || fail "the window did not close"
echo "PASS: window shown ($shot), \"Quitter\" ended the program with status 0"
