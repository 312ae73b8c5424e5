#!/usr/bin/env bash
# One click on "Mise à jour" stops the running target, downloads and installs the release
# over it, starts the new target, deletes the archive, says so and ends the updater.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

e2e_publish_page "$(e2e_today)"
e2e_publish_archive
e2e_serve || e2e_fail "the update server did not start"
e2e_start_target
old_target=$E2E_TARGET_PID
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the old target's window did not appear"
e2e_start_updater
sleep 1
e2e_screenshot demo-1-before

e2e_click_update
final="La mise à jour de velanto est terminée et installée.\r\nvelanto à été redémarré automatiquement."
e2e_wait_log "dialog message $final"
e2e_wait_window '^velanto 2\.0$' >/dev/null || e2e_fail "the new target's window did not appear"
sleep 1
e2e_screenshot demo-2-final-message
e2e_answer_box "dialog message $final"
e2e_wait_exit "$E2E_UPDATER_PID" || e2e_fail "the updater did not end"
sleep 0.5
e2e_screenshot demo-3-after

e2e_check e2e_log_in_order \
  "enabled BitBtn1 0" \
  "caption Label1 Téléchargement des mises à jour velanto." \
  "caption Label1 Installation de la mise à jour velanto." \
  "caption Label1 Mise à jour de velanto terminée." \
  "enabled BitBtn1 1" \
  "dialog message $final" \
  "answer mrOk" \
  "close"
e2e_check e2e_requested /velanto/update-as.html
e2e_check e2e_requested /rv/velanto-as.zip
[ "$E2E_FLAVOUR" = wine ] || ! e2e_running "$old_target" || e2e_fail "the old target still runs"
cmp -s "$E2E_INSTALL/velanto.exe" "$E2E_NEW_TARGET" || e2e_fail "velanto.exe was not replaced"
[ "$(stat -c %Y "$E2E_INSTALL/velanto.exe")" = "$(date -d '2026-01-02 03:04:06' +%s)" ] \
  || e2e_fail "velanto.exe does not carry the item's time"
[ "$E2E_FLAVOUR" = wine ] || [ "$(stat -c %a "$E2E_INSTALL/velanto.exe")" = 750 ] \
  || e2e_fail "velanto.exe does not carry the item's permissions"
grep -qx "velanto 2.0: nouvelle version" "$E2E_INSTALL/docs/lisez-moi.txt" || e2e_fail "docs/lisez-moi.txt missing"
[ ! -e "$E2E_INSTALL/velanto-as.zip" ] || e2e_fail "the archive was not deleted"
echo "PASS"
