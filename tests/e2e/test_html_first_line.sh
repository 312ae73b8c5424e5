#!/usr/bin/env bash
# A version page that is an HTML page: the date reader's error box, nothing stopped or downloaded.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

e2e_publish_page '<!DOCTYPE html>'
e2e_publish_archive
e2e_serve || e2e_fail "the update server did not start"
e2e_start_target
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target's window did not appear"
e2e_start_updater

e2e_click_update
box="dialog error '<!DOCTYPE html>' n'est pas une date correcte."
e2e_answer_box "$box"
e2e_wait_log "answer mrOk"
sleep 1
! e2e_requested /rv/velanto-as.zip || e2e_fail "the archive was downloaded"
! e2e_log_has "enabled BitBtn1 1" || e2e_fail "the button was enabled again"
[ "$E2E_FLAVOUR" = wine ] || e2e_running "$E2E_TARGET_PID" || e2e_fail "the target was stopped"
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target was stopped"
e2e_running "$E2E_UPDATER_PID" || e2e_fail "the updater ended"
echo "PASS"
