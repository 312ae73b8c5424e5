#!/usr/bin/env bash
# The server closes the archive transfer half-way: what lies wholly before the cut is
# installed, the item the cut runs through fails into its question (answered Ignore), the one
# after it is lost, and the sequence completes.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

e2e_publish_page "$(e2e_today)"
# Two items as big as velanto.exe after it: the cut falls inside the first, which stays
# shorter than the truncated file and so is still rebuilt from its local header.
size=$(stat -c %s "$E2E_NEW_TARGET")
e2e_publish_archive donnees.bin=$size suite.bin=$size
e2e_serve --truncate /rv/velanto-as.zip || e2e_fail "the update server did not start"
e2e_start_updater

e2e_click_update
final="La mise à jour de velanto est terminée et installée.\r\nvelanto à été redémarré automatiquement."
# Every failure question about the cut item is answered Ignore.
for i in $(seq $((E2E_TIMEOUT * 10))); do
  e2e_log_has "dialog message $final" && break
  if [ "$(e2e_ui_log | grep -c '^dialog confirm ')" -gt "$(e2e_ui_log | grep -c '^answer mrIgnore')" ]; then
    question=$(e2e_ui_log | grep '^dialog confirm ' | tail -n1)
    e2e_answer_box "$question" i 2 3
    e2e_wait_log "answer mrIgnore"
  fi
  sleep 0.1
done
e2e_answer_box "dialog message $final"
e2e_wait_exit "$E2E_UPDATER_PID" || e2e_fail "the updater did not end"

e2e_check e2e_log_in_order "caption Label1 Installation de la mise à jour velanto." "answer mrIgnore" \
  "caption Label1 Mise à jour de velanto terminée."
cmp -s "$E2E_INSTALL/velanto.exe" "$E2E_NEW_TARGET" || e2e_fail "velanto.exe was not installed"
grep -qx "velanto 2.0: nouvelle version" "$E2E_INSTALL/docs/lisez-moi.txt" || e2e_fail "docs/lisez-moi.txt missing"
[ ! -e "$E2E_INSTALL/suite.bin" ] || e2e_fail "an item after the cut was extracted"
[ ! -e "$E2E_INSTALL/velanto-as.zip" ] || e2e_fail "the archive was not deleted"
e2e_wait_window '^velanto 2\.0$' >/dev/null || e2e_fail "the new target was not started"
echo "PASS"
