#!/bin/bash
# Test play from the editor (F5): a quest opened from the command line is played from
# its briefing by the game's rules, with the play screen's buttons and panel; leaving it
# brings the editor back with the board and the panel exactly as they were.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg

editor_ready() { last_line_is "Editor ready: Use your mouse with every selected tool, rightclick to use copy, properties"; }
e2e_start quests/lanterncrypt.qst || e2e_fail "no window"
wait_until 20 editor_ready || e2e_fail "the editor did not start on the quest"
park
e2e_shot before
BEFORE="$E2E_LAST_SHOT"
text_in 676 112 114 20 "Floor 1" || e2e_fail "the editor's panel is not shown"

e2e_key F5
wait_until 15 briefing_open || e2e_fail "no briefing for the test play"
e2e_shot briefing
text_in 90 155 530 35 "The Lantern Crypt" || e2e_fail "the briefing is not the quest's"
read -r x y < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
[ -n "$y" ] || e2e_fail "no OK on the briefing"
e2e_click $((x + 6)) $((y + 6))
park
wait_turn Barbarian 30
e2e_shot playing
text_in 676 40 114 60 "ZOOM" || e2e_fail "the play screen's buttons are not shown"

e2e_key Escape
wait_until 10 game_menu_open || e2e_fail "no game menu in the test play"
game_menu_click exit
wait_until 10 exit_question_open || e2e_fail "no exit question"
e2e_key o
wait_until 15 last_line_is "Test play over (left): back to the editor." || e2e_fail "the editor did not come back"
park
e2e_fresh_shot
e2e_shot after
[ "$(differing "$BEFORE" 11 11 651 476)" = 0 ] || e2e_fail "the board differs after the test play"
[ "$(differing "$BEFORE" 677 113 112 233)" = 0 ] || e2e_fail "the panel differs after the test play"

# Leaving the editor: nothing was changed, so no warning.
e2e_key Escape
wait_until 10 text_in 11 11 651 476 "Editmenu" || e2e_fail "no edit menu"
e2e_key x
wait_until 10 text_in 11 11 651 476 "Exit to Mainmenu?" || e2e_fail "no exit question"
text_in 11 11 651 476 "Your changes are not saved!" && e2e_fail "a warning though nothing changed"
e2e_key o
wait_until 15 menu_title_up || e2e_fail "the main menu did not come back"
e2e_key Escape
sleep 1
e2e_key o
e2e_wait_exit 20 || e2e_fail "the game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
