#!/usr/bin/env bash
# The archive file cannot be created (a folder holds its name): the failure box names the
# path, the stopped target is not started again and the button stays disabled.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

mkdir "$E2E_INSTALL/velanto-as.zip"
e2e_publish_page "$(e2e_today)"
e2e_publish_archive
e2e_serve || e2e_fail "the update server did not start"
e2e_start_target
old_target=$E2E_TARGET_PID
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target's window did not appear"
e2e_start_updater

e2e_click_update
for i in $(seq $((E2E_TIMEOUT * 10))); do
  e2e_ui_log | grep -q '^dialog error ' && break
  sleep 0.1
done
error=$(e2e_ui_log | grep '^dialog error ' | head -n1)
[[ "$error" == "dialog error Impossible de créer le fichier \""*"velanto-as.zip\". "?*. ]] \
  || e2e_fail "unexpected error box: $error"
[ "$E2E_FLAVOUR" = wine ] \
  || [ "$error" = "dialog error Impossible de créer le fichier \"$E2E_INSTALL/velanto-as.zip\". Is a directory." ] \
  || e2e_fail "unexpected error box: $error"
e2e_answer_box "$error"
e2e_wait_log "answer mrOk"
sleep 1
! e2e_requested /rv/velanto-as.zip || e2e_fail "the archive was downloaded"
! e2e_log_has "caption Label1 Installation de la mise à jour velanto." || e2e_fail "the sequence went on"
! e2e_log_has "enabled BitBtn1 1" || e2e_fail "the button was enabled again"
[ "$E2E_FLAVOUR" = wine ] || ! e2e_running "$old_target" || e2e_fail "the target was not stopped"
! xdotool search --name '^velanto ' >/dev/null 2>&1 || e2e_fail "a target was started"
e2e_running "$E2E_UPDATER_PID" || e2e_fail "the updater ended"
echo "PASS"
