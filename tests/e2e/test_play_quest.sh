#!/bin/bash
# Playing the shipped stand-alone quest, "The Lantern Crypt", as a player would: chosen
# from PLAY QUEST in the quest selector, it starts with only the entry stair drawn; the
# Barbarian walks by arrow keys (jumping the Dwarf, then one step) and by clicks on a
# tile (a step a click), opens the door to the sexton's rooms and sees them revealed,
# searches the cupboard there, and in a later turn attacks the first monster that comes
# next to him. The game menu saves the game; after a step the saved game is loaded and
# the board and panel are as they were saved. The options dialog takes CLASSIC, which
# dunmar.cfg keeps at the end; "EXIT" and "OK" lead back to the main menu as it was.
#
# Waiting in a hero turn for the player costs no more processor than the idle main
# menu: both are measured from /proc (user + system time of the game over 4 s).
#
# The combat dice, the search's find (a wandering monster among them) and so the
# monsters' moves differ from run to run: the test follows whatever happens and says
# what it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg
rm -f "$E2E_GAME/saves/"*.sav

# Checked boxes of the options dialog, top to bottom, as 0 and 1 (a tick darkens a box).
option_boxes() {
  local i y m out=""
  for i in 0 1 2 3 4 5 6 7; do
    y=$((210 + 18 * i))
    m=$(menu_mean "$E2E_LAST_SHOT" 265 "$y" 8 8)
    if [ "$m" -lt 106 ]; then out="${out}1"; else out="${out}0"; fi
  done
  echo "$out"
}
boxes_are() { [ "$(option_boxes)" = "$1" ]; }

# ---- The main menu, idle ---------------------------------------------------------------

menu_start
MENU_SHOT=$MENU_BASE
sleep 0.5
MENU_CPU=$(menu_cpu_percent 4)
e2e_note "main menu, idle: $MENU_CPU % of one core"

# ---- PLAY QUEST: the selector on the quests folder, the quest picked in its list -------

e2e_click 296 245
park
LIST="268 257 264 93"
wait_until 10 text_in $LIST "lanterncrypt.qst" || e2e_fail "the quest selector does not list lanterncrypt.qst"
read -r QX QY < <(e2e_find_text $PLAY_FONT $LIST "lanterncrypt.qst")
e2e_click $((QX + 20)) $((QY + 6))
park
wait_until 5 path_field_shows "/quests/lanterncrypt.qst" ||
  e2e_fail "a click on the list entry does not name the quest in the path field"
e2e_click 352 376  # OK
park
pass_briefing lanterncrypt.qst

# ---- The start: only the entry stair is drawn ------------------------------------------

ENTRY="1 12 5 17"
wait_until 20 map_is "$(map_of $ENTRY)" ||
  e2e_fail "the start does not show the entry stair alone:"$'\n'"$(board_map)"
e2e_shot start
# The four heroes stand where the quest puts them, drawn over the floor.
for t in "2 13" "3 13" "2 14" "3 14"; do
  piece_on $t || e2e_fail "no hero drawn on ($t)"
done

wait_turn Barbarian
active_at 2 13 || e2e_fail "the Barbarian in (2, 13) is not highlighted"

# Waiting for the player.
sleep 0.5
HERO_CPU=$(menu_cpu_percent 4)
e2e_note "hero turn, waiting for the player: $HERO_CPU % of one core (main menu: $MENU_CPU %)"
awk -v h="$HERO_CPU" -v m="$MENU_CPU" 'BEGIN { exit !(h <= m + 2) }' ||
  e2e_fail "waiting in a hero turn costs $HERO_CPU % of a core, the main menu $MENU_CPU %"

# ---- Walking by keys: Right jumps the Dwarf (2 points), Right again is one step --------

e2e_key Right
wait_until 5 active_at 4 13 || e2e_fail "Right did not take the Barbarian over the Dwarf to (4, 13)"
active_at 2 13 && e2e_fail "the Barbarian is still highlighted in (2, 13)"
e2e_key Right
wait_until 5 active_at 5 13 || e2e_fail "Right did not walk the Barbarian to (5, 13)"
e2e_shot walked-by-keys

# ---- Walking by clicks: each click on (6, 14) is one step along the path there ---------

click_walk 6 14 "5 14" "6 14"
# The tile between the doors is seen from where he stands; the rooms beyond are not.
map_is "$(map_of $ENTRY 6 14 6 14)" || e2e_fail "standing between the doors reveals:"$'\n'"$(board_map)"
e2e_shot walked-by-clicks

# ---- O opens the door to the east: the sexton's rooms are revealed ---------------------

e2e_key o
SEXTON="7 11 13 17"
wait_until 5 map_is "$(map_of $ENTRY 6 14 6 14 $SEXTON)" ||
  e2e_fail "the opened door did not reveal the sexton's rooms:"$'\n'"$(board_map)"
e2e_shot door-opened
# The Old Sexton waits in (11, 15).
piece_on 11 15 || e2e_fail "no monster drawn in (11, 15)"

# ---- Searching the cupboard: three clicks to (7, 12) spend the last points, and the
# action offered is the cupboard above him ------------------------------------------------

click_walk 7 12 "7 14" "7 13" "7 12"
wait_until 5 last_line_is "Choose your target." ||
  e2e_fail "with no walk left the Barbarian is not offered an action"
panel_is "Cupboard" || e2e_fail "the target offered is not the cupboard"
e2e_shot target-cupboard
e2e_key Return
# Every find of a search, the likeliest first.
FINDS=("Taking a closer look you discover" "While searching for treasures a wandering monster"
  "You accidently activate a trap bomb" "Maybe you hoped to find something useful"
  "You search the debris" "Your eye falls on a small chest" "A blade shines between the rubble"
  "Behind the crate someone has hidden a shield" "Between the rubbish you find")
found_something() {
  local f
  for f in "${FINDS[@]}"; do
    messages_show "$f" && { FOUND="$f"; return 0; }
  done
  return 1
}
wait_until 8 found_something || e2e_fail "searching the cupboard gave no find"
e2e_shot searched
e2e_note "the search: \"$FOUND...\""

# ---- Attacking: the other heroes end their turns; once a monster stands next to the
# Barbarian (the Old Sexton walks up, or a wandering monster came), Enter offers it and
# Enter strikes ------------------------------------------------------------------------

ATTACKED=""
answered() { last_line_is "Choose your target." || last_line_is "Nothing to use or attack."; }
for round in 1 2 3 4; do
  wait_turn Barbarian 60
  e2e_key Return
  wait_until 5 answered || e2e_fail "Enter offered no action and said nothing"
  if last_line_is "Nothing to use or attack."; then
    e2e_note "round $round: no monster next to the Barbarian yet"
    e2e_key BackSpace
    continue
  fi
  TARGET=""
  for m in "Old Sexton" "Skeleton"; do panel_is "$m" && TARGET="$m"; done
  [ -n "$TARGET" ] || e2e_fail "the target offered is no monster of the sexton's rooms"
  e2e_shot target-monster
  e2e_key Return
  struck() { messages_show "$TARGET is killed" || messages_show "$TARGET loses" ||
    messages_show "$TARGET is not wounded."; }
  wait_until 8 struck || e2e_fail "the attack on the $TARGET has no outcome"
  e2e_shot attacked
  ATTACKED=$TARGET
  break
done
[ -n "$ATTACKED" ] || e2e_fail "no monster came next to the Barbarian"
e2e_note "attacked the $ATTACKED"
active_at 7 12 || e2e_fail "the Barbarian's turn is not going on in (7, 12)"

# ---- The game menu: save, take a step, load: the board is the saved one ---------------

park
sleep 0.3
e2e_shot before-save
SAVED=$E2E_LAST_SHOT
e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
e2e_shot game-menu
game_menu_click save
wait_until 5 path_field_shows "/saves/lanterncrypt.sav" ||
  e2e_fail "the saved-game selector does not offer saves/lanterncrypt.sav"
e2e_click 352 376  # OK
park
wait_until 5 last_line_is "Maps saved." || e2e_fail "the game was not saved"
[ -s "$E2E_GAME/saves/lanterncrypt.sav" ] || e2e_fail "no saves/lanterncrypt.sav"
game_menu_click resume
wait_until 5 eval '! game_menu_open' || e2e_fail "RESUME PLAY did not close the game menu"

# A step, so that the loaded game has something to undo.
MOVED=""
for k in Right Down; do
  e2e_key "$k"
  if wait_until 2 eval '! active_at 7 12'; then MOVED=$k; break; fi
done
e2e_note "after saving: ${MOVED:-no free tile, no} step"
park
e2e_shot after-step
STEPPED=$E2E_LAST_SHOT

e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu again"
game_menu_click load
wait_until 5 text_in $LIST "lanterncrypt.sav" || e2e_fail "the load selector does not list lanterncrypt.sav"
e2e_click 352 376  # OK
park
wait_until 10 last_line_is "You are now playing The Lantern Crypt by The Dunmarrow Team." ||
  e2e_fail "the saved game was not loaded"
sleep 0.3
e2e_shot loaded
# Board and side panel as saved.
N=$(differing "$SAVED" 11 11 650 475)
[ "$N" = 0 ] || e2e_fail "the loaded board differs from the saved one in $N pixels"
N=$(differing "$SAVED" 675 112 115 235)
[ "$N" = 0 ] || e2e_fail "the loaded side panel differs from the saved one in $N pixels"
if [ -n "$MOVED" ]; then
  [ "$(differing "$STEPPED" 11 11 650 475)" != 0 ] || e2e_fail "the step after saving was not undone"
fi
active_at 7 12 || e2e_fail "the loaded game does not go on with the Barbarian in (7, 12)"

# ---- The options from the game menu: CLASSIC ----------------------------------------

e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "no game menu for the options"
game_menu_click options
options_open() { text_in 276 278 200 20 "Predefined hero walk value"; }
wait_until 5 options_open || e2e_fail "OPTIONS.. did not open the options dialog"
e2e_shot options
OPTIONS_SHOT=$E2E_LAST_SHOT
boxes_are 10001101 || e2e_fail "the options do not start as DEFAULT: $(option_boxes)"
e2e_click 388 423  # CLASSIC
park
wait_until 5 boxes_are 00000110 || e2e_fail "CLASSIC did not set its switches: $(option_boxes)"
e2e_shot options-classic
# The enemy range's knob moves (to 99: dunmar.cfg says so at the end).
[ "$(menu_sig "$OPTIONS_SHOT" 384 157 130 16)" != "$(menu_sig "$E2E_LAST_SHOT" 384 157 130 16)" ] ||
  e2e_fail "CLASSIC did not change the enemy range"
[ "$(menu_sig "$OPTIONS_SHOT" 384 179 130 16)" = "$(menu_sig "$E2E_LAST_SHOT" 384 179 130 16)" ] ||
  e2e_fail "CLASSIC changed the sound volume"
e2e_click 474 423  # OK
park
wait_until 5 eval '! options_open' || e2e_fail "OK did not close the options"
game_menu_open || e2e_fail "the game menu is not back after the options"

# ---- Leaving: EXIT and OK lead to the main menu as it was --------------------------

game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing"
e2e_shot exit-question
e2e_click 366 324  # OK
park
e2e_wait_for 10 menu_title_up || e2e_fail "the main menu did not come back"
sleep 0.5
e2e_shot back-in-menu
B=$E2E_LAST_SHOT
same() { [ "$(menu_sig "$MENU_SHOT" "$@")" = "$(menu_sig "$B" "$@")" ]; }
same 663 0 137 600 || e2e_fail "logo, buttons or side panel not as the menu had them"
same 246 234 100 202 || e2e_fail "the main menu's buttons do not look as before"

# ---- Closing the game: CLASSIC is kept in dunmar.cfg -----------------------------------

e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_cfg_load || e2e_fail "no dunmar.cfg"
for kv in enemyrange=99 multiturn=0 fixedwalk=0 passheroes=1 targetheroes=1 skirmish=0; do
  [ "${E2E_CFG[options.${kv%=*}]}" = "${kv#*=}" ] ||
    e2e_fail "dunmar.cfg has ${kv%=*} = ${E2E_CFG[options.${kv%=*}]}, CLASSIC sets ${kv#*=}"
done
e2e_pass
