#!/usr/bin/env bash
# A release dated the same day as the target is not newer: the button comes back, nothing is
# stopped or downloaded, and a second click checks again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

touch "$E2E_INSTALL/velanto.exe"
e2e_publish_page "$(e2e_today)"
e2e_publish_archive
e2e_serve || e2e_fail "the update server did not start"
e2e_start_target
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target's window did not appear"
e2e_start_updater

none="caption Label1 Aucune nouvelle version de velanto\rn'est disponible sur internet."
e2e_click_update
e2e_wait_log "$none"
e2e_wait_log "enabled BitBtn1 1"
e2e_check e2e_log_in_order "enabled BitBtn1 0" "$none" "enabled BitBtn1 1"
e2e_click_update
e2e_wait_log "$none"
sleep 1
[ "$(grep -c 'GET /velanto/update-as.html' "$E2E_WORK/requests.log")" = 2 ] || e2e_fail "the second click did not check again"
! e2e_requested /rv/velanto-as.zip || e2e_fail "the archive was downloaded"
e2e_wait_window '^velanto 1\.0$' >/dev/null || e2e_fail "the target was stopped"
[ "$E2E_FLAVOUR" = wine ] || e2e_running "$E2E_TARGET_PID" || e2e_fail "the target was stopped"
e2e_running "$E2E_UPDATER_PID" || e2e_fail "the updater ended"
! e2e_ui_log | grep -q '^dialog' || e2e_fail "a box was shown"
echo "PASS"
