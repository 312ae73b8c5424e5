#!/usr/bin/env bash
# The demo: a demo installation (the updater beside a running velanto.exe 1.0), a local update
# server offering velanto 2.0 dated today, and the updater's window. One click on
# "Mise à jour" stops velanto 1.0, installs 2.0 and starts it.
#   DEMO_AUTO=1   click and answer by itself even when a display is available
set -euo pipefail
trap "exit 130" INT TERM
cd "$(dirname "$0")/.."
E2E_FLAVOUR=native
E2E_TIMEOUT=120
source tests/e2e/lib.sh

say() { echo "demo: $*"; }

for tool in cmake ninja python3 zip xdotool; do
  command -v "$tool" >/dev/null || { say "$tool is missing: run bash scripts/setup-debian.sh first"; exit 1; }
done

E2E_BUILD=$PWD/build/demo
port=$(e2e_free_port)
say "building the updater with the update host 127.0.0.1:$port in build/demo (takes a while the first time)"
e2e_build_updater "$E2E_BUILD" "$port"

e2e_begin
E2E_KEEP=""
auto=${DEMO_AUTO:-}
if [ -n "${DISPLAY:-}" ]; then
  E2E_USE_DISPLAY=1
  say "using your display $DISPLAY"
else
  e2e_display
  auto=1
  say "no DISPLAY: started a virtual X server (Xvfb) on $DISPLAY; the demo clicks by itself and"
  say "saves screenshots in build/demo/screenshots (look at any moment with:"
  say "  import -display $DISPLAY -window root shot.png)"
fi

e2e_install
say "installation laid out in $E2E_INSTALL: $(cd "$E2E_INSTALL" && echo *)"
e2e_publish_page "$(e2e_today)"
e2e_publish_archive
e2e_serve || { say "the update server did not start"; exit 1; }
say "update server on http://127.0.0.1:$port/ (Python http.server): version page dated $(e2e_today),"
say "  release archive /rv/velanto-as.zip holding velanto.exe 2.0"
e2e_start_target
e2e_wait_window '^velanto 1\.0$' >/dev/null || { say "velanto 1.0 did not start"; exit 1; }
say "started velanto.exe 1.0 (pid $E2E_TARGET_PID)"
e2e_start_updater
say "started the updater (pid $E2E_UPDATER_PID) with LC_TIME=$E2E_LOCALE, so it reads the date as $(e2e_today)"

final="La mise à jour de velanto est terminée et installée.\r\nvelanto à été redémarré automatiquement."
if [ -n "$auto" ]; then
  sleep 1
  e2e_screenshot demo-1-before
  say "clicking \"Mise à jour\""
  e2e_click_update
  e2e_wait_log "dialog message $final"
  e2e_wait_window '^velanto 2\.0$' >/dev/null || true
  sleep 1
  e2e_screenshot demo-2-final-message
  e2e_answer_box "dialog message $final"
else
  say "now click \"Mise à jour\" in the updater's window, then OK on its final message"
fi
if [ -n "$auto" ]; then
  e2e_wait_exit "$E2E_UPDATER_PID" || { say "the updater did not end"; exit 1; }
else
  while e2e_running "$E2E_UPDATER_PID"; do sleep 0.5; done
fi
e2e_log_has "dialog message $final" || { say "the updater was closed before updating"; exit 0; }
new=$(e2e_installed_target_pids | head -n1)
[ -n "$auto" ] && { sleep 1; e2e_screenshot demo-3-after; }
say "the updater stopped velanto 1.0, installed velanto 2.0 and started it (pid ${new:-?})"
say "the archive was deleted: $(cd "$E2E_INSTALL" && echo *)"
if [ -n "$auto" ]; then
  say "screenshots: $(ls "$E2E_BUILD"/screenshots/demo-*.png | tr '\n' ' ')"
  say "done; everything the demo started is stopped"
  exit 0
fi
say "press Ctrl+C to end the demo (stops velanto, the server and removes $E2E_WORK)"
while true; do sleep 1; done
