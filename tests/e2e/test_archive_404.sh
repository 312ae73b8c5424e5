#!/usr/bin/env bash
# The archive is answered 404: the download error is reported, the empty archive cannot be
# opened, the target is not started again and the window stays open with the button disabled.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

e2e_publish_page "$(e2e_today)"
e2e_serve || e2e_fail "the update server did not start"
e2e_start_target
old_target=$E2E_TARGET_PID
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target's window did not appear"
e2e_start_updater

e2e_click_update
e2e_answer_box "dialog message Erreur durant le téléchargement : HTTP/1.1 404 Not Found"
e2e_wait_log "answer mrOk"
for i in $(seq $((E2E_TIMEOUT * 10))); do
  e2e_ui_log | grep -q '^dialog error ' && break
  sleep 0.1
done
error=$(e2e_ui_log | grep '^dialog error ' | head -n1)
[[ "$error" =~ ^dialog\ error\ (Xanarc1:\ )?Invalid\ archive\ file\.\ -\ Native\ error:\ 00035\.$ ]] \
  || e2e_fail "unexpected error box: $error"
e2e_answer_box "$error"
sleep 1
e2e_check e2e_log_in_order "enabled BitBtn1 0" "caption Label1 Téléchargement des mises à jour velanto." \
  "dialog message Erreur durant le téléchargement : HTTP/1.1 404 Not Found" \
  "caption Label1 Installation de la mise à jour velanto." "$error"
! e2e_log_has "caption Label1 Mise à jour de velanto terminée." || e2e_fail "the sequence went on"
! e2e_log_has "enabled BitBtn1 1" || e2e_fail "the button was enabled again"
[ -f "$E2E_INSTALL/velanto-as.zip" ] && [ ! -s "$E2E_INSTALL/velanto-as.zip" ] || e2e_fail "no empty archive left"
[ "$E2E_FLAVOUR" = wine ] || ! e2e_running "$old_target" || e2e_fail "the target was not stopped"
! xdotool search --name '^velanto ' >/dev/null 2>&1 || e2e_fail "a target was started"
e2e_running "$E2E_UPDATER_PID" || e2e_fail "the updater ended"
xdotool search --onlyvisible --name '^Mise [^ ]* jour velanto$' >/dev/null || e2e_fail "the window closed"
echo "PASS"
