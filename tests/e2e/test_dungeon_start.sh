#!/bin/bash
# THE DUNGEON as a player meets it: the main menu's second button opens the Magic
# Dungeon's briefing, level 1 of 20, with its story and the four heroes of whom only
# the first is ticked (one hero goes down). Ticking a second one and pressing OK is
# refused with the message; unticked again, OK starts level 1 with its message and the
# hero's turn. The game idles in the hero's turn; the game menu's EXIT leads back to
# the main menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg

menu_start

e2e_click 296 273  # THE DUNGEON
park
wait_until 20 briefing_open || e2e_fail "THE DUNGEON opened no briefing"
sleep 0.3
e2e_shot briefing
text_in 91 131 200 22 "Briefing" || e2e_fail "the title strip does not say Briefing"
text_in 91 150 524 30 "[1/20] Magic Dungeon level 1" || e2e_fail "no chapter line for level 1 of 20"
text_in 91 170 524 200 "Standing here at the entrance of the Magic Dungeon" ||
  e2e_fail "the briefing does not tell of the Magic Dungeon"

ROWS="120 250 130 200"  # the name fields
box_ticked() { [ "$(menu_mean "$E2E_LAST_SHOT" 105 $(($1 + 1)) 8 8)" -lt 106 ]; }
declare -A ROW_Y=()
for h in Barbarian Dwarf Elf Wizard; do
  read -r x y < <(e2e_find_text $PLAY_FIELD_FONT $ROWS "$h")
  [ -n "$y" ] || e2e_fail "no hero row for the $h"
  ROW_Y[$h]=$y
done
box_ticked ${ROW_Y[Barbarian]} || e2e_fail "the first hero is not ticked"
for h in Dwarf Elf Wizard; do
  box_ticked ${ROW_Y[$h]} && e2e_fail "the $h is ticked: only one hero goes down"
done

# A second hero is refused.
DY=${ROW_Y[Dwarf]}
e2e_click 109 $((DY + 5))
park
wait_until 5 box_ticked $DY || e2e_fail "a click on the Dwarf's box did not tick it"
read -r OX OY < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
e2e_click $((OX + 6)) $((OY + 6))
park
wait_until 5 messages_show "You must select at least 1 hero, and at most 1 heroes." ||
  e2e_fail "two heroes were not refused"
e2e_shot two-heroes-refused
briefing_open || e2e_fail "the briefing closed with two heroes"
e2e_click 109 $((DY + 5))
park
wait_until 5 eval "! box_ticked $DY" || e2e_fail "the Dwarf's box did not untick"

# OK goes down to level 1.
read -r OX OY < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
e2e_click $((OX + 6)) $((OY + 6))
park
wait_until 20 last_line_is "Barbarian make your move..." || e2e_fail "level 1 did not start with the Barbarian's turn"
sleep 0.5
e2e_shot level-1
messages_show "Descending the Magic Dungeon to level 1." || e2e_fail "no message of the descent to level 1"
panel_is Barbarian || e2e_fail "the side panel does not name the Barbarian"

cpu=$(menu_cpu_percent 6)
e2e_note "processor use in the hero's turn on level 1: $cpu %"
awk -v c="$cpu" 'BEGIN { exit !(c < 10) }' || e2e_fail "the hero's turn spins: $cpu % of a core"

e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing"
e2e_click 366 324  # OK
park
e2e_wait_for 10 menu_title_up || e2e_fail "the main menu did not come back"

e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
