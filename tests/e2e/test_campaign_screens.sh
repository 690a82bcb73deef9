#!/bin/bash
# The shipped campaign's screens as a player meets them. PLAY QUEST on
# quests/wintercrown.qst opens the briefing: its title, chapter line, story text and the
# four heroes with their gold. The Dwarf is renamed "Thrain", the Elf is left at home,
# Thrain buys a potion in the Armory (40 gold, then 10), and OK starts the chapter
# without the Elf. The game menu's EXIT leads back to the main menu. Then HALL OF FAME
# opens its table and closes, and GAME MANUAL opens the manual, which the keys (End,
# Home, Page Down, Down, Up) and the wheel scroll to its end and back to its top.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg

STANDARD_FONT=118   # the manual's body text and the name fields
in_std() { e2e_find_text $STANDARD_FONT "$@" >/dev/null; }
name_in_row() { in_std 120 $(($1 - 3)) 110 18 "$2"; }   # ROW_Y NAME

menu_start
MENU_SHOT=$MENU_BASE

# ---- PLAY QUEST: the campaign's first chapter from the quest selector -----------------

e2e_click 296 245
park
LIST="268 257 264 93"
wait_until 10 text_in $LIST "lanterncrypt.qst" || e2e_fail "the quest selector lists no quests"
e2e_click 525 342  # the campaign sorts after the stand-alone quests: page the list down
park
wait_until 10 text_in $LIST "wintercrown.qst" || e2e_fail "the quest selector does not list wintercrown.qst"
read -r QX QY < <(e2e_find_text $PLAY_FONT $LIST "wintercrown.qst")
e2e_click $((QX + 20)) $((QY + 6))
park
wait_until 5 path_field_shows "/quests/wintercrown.qst" ||
  e2e_fail "a click on the list entry does not name the campaign in the path field"
e2e_click 352 376  # OK
park

# ---- The briefing: title, chapter, story and the four heroes --------------------------

wait_until 20 briefing_open || e2e_fail "no briefing screen"
sleep 0.3
e2e_shot briefing
messages_show "Loading quest file: wintercrown.qst" || e2e_fail "no loading message"
text_in 91 131 200 22 "Briefing" || e2e_fail "the title strip does not say Briefing"
text_in 91 131 524 22 "The Dunmarrow Team" || e2e_fail "no author on the title strip"
text_in 91 150 524 30 "[1/6] The Smugglers' Warren" || e2e_fail "no chapter line [1/6]"
for words in "Winter came early" "Grumak keeps the gate key"; do
  text_in 91 170 524 200 "$words" || e2e_fail "the story does not show \"$words\""
done
ROWS="120 250 130 200"   # the name fields
GOLDS="230 250 120 200"  # the gold labels
declare -A ROW_Y=()
for h in Barbarian Dwarf Elf Wizard; do
  read -r x y < <(e2e_find_text $PLAY_FIELD_FONT $ROWS "$h")
  [ -n "$y" ] || e2e_fail "no hero row for the $h"
  ROW_Y[$h]=$y
  text_in 230 $((y - 3)) 120 18 "40 gold" || e2e_fail "the $h's row does not show 40 gold"
done
e2e_note "hero rows at y = ${ROW_Y[*]}"

# ---- Renaming the Dwarf ----------------------------------------------------------------

DY=${ROW_Y[Dwarf]}
e2e_click 200 $((DY + 5))
e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace
e2e_type Thrain
park
wait_until 5 name_in_row $DY Thrain || e2e_fail "the Dwarf's name field does not show Thrain"

# ---- Leaving the Elf at home: his box unticks ------------------------------------------

EY=${ROW_Y[Elf]}
box_ticked() { [ "$(menu_mean "$E2E_LAST_SHOT" 105 $(($1 + 1)) 8 8)" -lt 106 ]; }
for h in Barbarian Dwarf Elf Wizard; do
  box_ticked ${ROW_Y[$h]} || e2e_fail "the $h is not ticked at the start"
done
e2e_click 109 $((EY + 5))
park
wait_until 5 eval "! box_ticked $EY" || e2e_fail "a click on the Elf's box did not untick it"
box_ticked ${ROW_Y[Barbarian]} || e2e_fail "unticking the Elf unticked the Barbarian"
e2e_shot renamed-and-unticked

# ---- Thrain's gold opens the Armory; a potion costs him 30 of his 40 -------------------

read -r GX GY < <(e2e_find_text $PLAY_FONT 230 $((DY - 3)) 120 18 "40 gold")
e2e_click $((GX + 10)) $((GY + 5))
park
SHOP="91 131 524 230"
wait_until 5 text_in $SHOP "Welcome Thrain to the Armory." || e2e_fail "no Armory welcoming Thrain"
e2e_shot shop
read -r PX PY < <(e2e_find_text $PLAY_FONT $SHOP "POTION, life+1")
[ -n "$PY" ] || e2e_fail "the Armory offers no potion"
e2e_click $((PX + 20)) $((PY + 5))
park
sleep 0.5
read -r BX BY < <(e2e_find_text $PLAY_FONT $SHOP "BACK")
[ -n "$BY" ] || { e2e_shot shop-after; e2e_fail "the shop has no BACK button"; }
e2e_click $((BX + 5)) $((BY + 5))
park
wait_until 5 text_in 230 $((DY - 3)) 120 18 "10 gold" || e2e_fail "Thrain's gold is not 10 after the potion"
e2e_shot after-shop
text_in 230 $((${ROW_Y[Barbarian]} - 3)) 120 18 "40 gold" || e2e_fail "the Barbarian paid as well"
name_in_row $DY Thrain || e2e_fail "the new name is lost after the shop"
box_ticked $EY && e2e_fail "the Elf is ticked again after the shop"

# ---- OK starts the chapter: the Barbarian's turn, then Thrain's, no Elf ----------------

read -r x y < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
e2e_click $((x + 6)) $((y + 6))
park
wait_until 20 last_line_is "Barbarian make your move..." || e2e_fail "the chapter did not start with the Barbarian"
e2e_shot started
e2e_key BackSpace
wait_until 20 last_line_is "Thrain make your move..." || e2e_fail "after the Barbarian it is not Thrain's turn"
panel_is Thrain || e2e_fail "the side panel does not name Thrain"
e2e_shot thrain-turn

# ---- Leaving the chapter from the game menu ------------------------------------------

e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing"
e2e_click 366 324  # OK
park
e2e_wait_for 10 menu_title_up || e2e_fail "the main menu did not come back"
sleep 0.5
e2e_shot back-in-menu
MENU_BASE=$E2E_LAST_SHOT   # the picture behind the menu changes from one showing to the next
[ "$(menu_sig "$MENU_SHOT" 246 234 100 202)" = "$(menu_sig "$E2E_LAST_SHOT" 246 234 100 202)" ] ||
  e2e_fail "the main menu's buttons do not look as before"

# ---- HALL OF FAME ----------------------------------------------------------------------

e2e_click 296 335
park
HALL="91 131 524 257"
wait_until 5 text_in $HALL "Hall of Fame" || e2e_fail "HALL OF FAME opened no Hall of Fame"
e2e_shot hall-of-fame
text_in $HALL "experience, gold, kills" || e2e_fail "the Hall of Fame has no column heads"
for place in 1. 8.; do
  text_in $HALL "$place" || e2e_fail "the Hall of Fame has no place $place"
done
text_in $HALL "9." && e2e_fail "the Hall of Fame shows more than eight places"
e2e_key x
e2e_wait_for 5 menu_popup_closed || e2e_fail "X did not close the Hall of Fame"

# ---- GAME MANUAL: to the end and back by keys and wheel -------------------------------

e2e_click 296 363
park
VIEW="97 87 606 424"
wait_until 5 text_in 90 62 620 20 "Game Manual: Dunmar.htm" || e2e_fail "GAME MANUAL opened no manual"
e2e_shot manual-top
TOP=$E2E_LAST_SHOT
in_std $VIEW "Welcome, adventurer." || e2e_fail "the manual does not begin with its welcome"
view_sig() { menu_sig "$E2E_LAST_SHOT" 97 87 606 424; }
TOP_SIG=$(menu_sig "$TOP" 97 87 606 424)
at_top() { [ "$(view_sig)" = "$TOP_SIG" ]; }
at_end() { in_std $VIEW "May your dice roll skulls and your shields hold."; }
at_end && e2e_fail "the manual's last line shows at the top"

e2e_key End
wait_until 5 at_end || e2e_fail "End did not show the manual's last line"
e2e_shot manual-end
END_SIG=$(view_sig)
e2e_key Home
wait_until 5 at_top || e2e_fail "Home did not go back to the top"

e2e_key Next
wait_until 5 eval '! at_top' || e2e_fail "Page Down did not scroll"
PAGE_SIG=$(view_sig)
e2e_key Down
wait_until 5 eval '[ "$(view_sig)" != "$PAGE_SIG" ]' || e2e_fail "Down did not scroll"
e2e_key Up
wait_until 5 eval '[ "$(view_sig)" = "$PAGE_SIG" ]' || e2e_fail "Up did not undo Down"
# A page back from there is a line shorter than the first page was (that page counted
# its top line): Page Up scrolls back, and a second one reaches the top.
e2e_key Prior
wait_until 5 eval '[ "$(view_sig)" != "$PAGE_SIG" ]' || e2e_fail "Page Up did not scroll"
e2e_key Prior
wait_until 5 at_top || e2e_fail "Page Up did not go back to the top"

# The wheel turns over the text, 20 steps at a time: down until it stands where End
# put it (and stays there), up until the top.
wheel_until() {  # BUTTON SIG
  local batch
  for batch in $(seq 1 30); do
    e2e_move 400 300
    xdotool click --repeat 20 --delay 15 "$1"
    park  # the pointer is drawn over the text
    sleep 0.2
    e2e_fresh_shot && [ "$(view_sig)" = "$2" ] && return 0
  done
  return 1
}
wheel_until 5 "$END_SIG" || e2e_fail "the wheel did not reach the manual's end"
at_end || e2e_fail "the end by wheel does not show the last line"
e2e_shot manual-end-by-wheel
wheel_until 4 "$TOP_SIG" || e2e_fail "the wheel did not go back to the top"

e2e_key x
e2e_wait_for 5 menu_title_up || e2e_fail "no main menu after the manual"
wait_until 5 eval '! text_in 90 62 620 20 "Game Manual: Dunmar.htm"' || e2e_fail "X did not close the manual"

e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
