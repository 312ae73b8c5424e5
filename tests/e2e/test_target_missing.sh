#!/usr/bin/env bash
# Without velanto.exe beside the updater: the status says so and the button stays disabled,
# even once the target is back.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

rm "$E2E_INSTALL/velanto.exe"
e2e_publish_page "$(e2e_today)"
e2e_publish_archive
e2e_serve || e2e_fail "the update server did not start"
e2e_start_updater

missing="caption Label1 La mise à jour, ne trouve pas le fichier d'origine\rvelanto.exe sur votre ordinateur."
e2e_click_update
e2e_wait_log "$missing"
cp "$E2E_OLD_TARGET" "$E2E_INSTALL/velanto.exe"
e2e_click_update
sleep 2
e2e_check e2e_log_in_order "enabled BitBtn1 0" "$missing"
! e2e_log_has "enabled BitBtn1 1" || e2e_fail "the button was enabled again"
[ "$(e2e_ui_log | grep -cxF "$missing")" = 1 ] || e2e_fail "the disabled button ran again"
[ ! -s "$E2E_WORK/requests.log" ] || e2e_fail "the server was asked: $(cat "$E2E_WORK/requests.log")"
e2e_running "$E2E_UPDATER_PID" || e2e_fail "the updater ended"
echo "PASS"
