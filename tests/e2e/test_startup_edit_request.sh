#!/bin/bash
# A quest named on the command line: "Requested to edit: <name>" in dark red, the
# name lowered when no file of that exact name exists; the editor runs, and after it
# the game goes on to the menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/startup_checks.sh"
e2e_init "$1"
e2e_write_cfg

e2e_start quests/NoSuch.QST || e2e_fail "no game window"
# Dark red text in the message area (anti-aliased font: allow a step off).
has_request_line() {
  e2e_fresh_shot && [ "$(e2e_count_color "$E2E_LAST_SHOT" 11 502 651 87 136 0 0 2)" -gt 30 ]
}
e2e_wait_for 20 has_request_line || e2e_fail "no dark red request line"
# Whatever answers the missing file (a notice to confirm), then the editor, left through
# its Edit menu ("EXIT", confirmed) to the main menu.
e2e_key Return
sleep 1
e2e_running || e2e_fail "the game ended after the request"
editor_ready() {
  e2e_fresh_shot && e2e_find_text 120 11 502 651 87 "Editor ready:" >/dev/null
}
e2e_wait_for 10 editor_ready || e2e_fail "the editor did not start"
e2e_key Escape
sleep 1
e2e_key x
sleep 1
e2e_key o
sleep 1
startup_leave_with_escape
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
