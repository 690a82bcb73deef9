#!/bin/bash
# A new author makes a quest from "EDIT QUEST": rock, a room and a corridor painted in
# dragged rectangles, a door, heroes, a goblin and a chest whose script gives gold
# (object properties), the quest's title and objective (quest properties), a step taken
# back and done again, the quest check (F3) with its findings, saved under a new name.
# The saved file then plays from "PLAY QUEST" on the same board, and questbot plays it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg
rm -f "$E2E_GAME/quests/authored.qst"

# A press long enough for a loop that may be pausing 100 ms after a panel redraw.
press() {
  xdotool mousemove --window "$E2E_VIEW" "$1" "$2" sleep 0.05 mousedown "${3:-1}" sleep 0.15 \
    mouseup "${3:-1}" sleep 0.15
}
press_tile() { press $(tile_px "$1" "$2") "${3:-1}"; }
drag_tiles() {
  xdotool mousemove --window "$E2E_VIEW" $(tile_px "$1" "$2") sleep 0.05 mousedown 1 sleep 0.15 \
    mousemove --window "$E2E_VIEW" $(tile_px "$3" "$4") sleep 0.25 mouseup 1 sleep 0.3
}
NEXT="764 88"
PREV="702 88"
# Steps the item with the wheel: N steps down (negative: up), each given time to be
# taken on its own; then the panel's buttons until the panel's title reads TITLE (a
# step the loop missed is made up for).
wheel_to() {
  local n="$1" title="$2" button=5 fix="$NEXT"
  if [ "$n" -lt 0 ]; then n=$((-n)); button=4; fix="$PREV"; fi
  xdotool mousemove --window "$E2E_VIEW" 730 400 click --repeat "$n" --delay 180 "$button"
  item_to "$title" "$fix"
}
# Steps the item with the panel's buttons until the panel's title reads TITLE.
item_to() {
  local title="$1" button="$2" n
  for ((n = 0; n < 60; n++)); do
    shot_then panel_title_is "$title" && return 0
    press $button
  done
  e2e_fail "the panel never showed '$title'"
}
panel_title_is() { text_in 677 113 112 22 "$1"; }
# The middle of a tile on the whole-board view as "R G B".
tile_color() { e2e_pixel "$E2E_LAST_SHOT" $(tile_px "$1" "$2"); }
# The tiles of the board that look different in the last screenshot from the picture
# FILE, as 19 rows of 26 characters ('#' changed), in one pass.
changed_map() {
  convert \( "$1" -crop "650x475+$PLAY_BOARD_X+$PLAY_BOARD_Y" +repage \) \
    \( "$E2E_LAST_SHOT" -crop "650x475+$PLAY_BOARD_X+$PLAY_BOARD_Y" +repage \) \
    -compose difference -composite -colorspace gray -threshold 3% -scale '26x19!' -depth 8 txt:- |
    awk -F'[,: ()]+' 'NR > 1 { v[$2, $1] = ($4 + 0 > 20) ? "#" : "." }
      END { for (y = 0; y < 19; y++) { s = ""; for (x = 0; x < 26; x++) s = s v[y, x]; print s } }'
}
# Whether tile (X, Y) is marked in such a map (on standard input).
marked() { awk -v x="$1" -v y="$2" 'NR == y + 1 { exit substr($0, x + 1, 1) != "#" }'; }
# Whether tile (X, Y) looks different from the same tile of the picture FILE.
tile_changed() {
  [ "$(differing "$1" $((PLAY_BOARD_X + 25 * $2 + 2)) $((PLAY_BOARD_Y + 25 * $3 + 2)) 21 21)" -gt 40 ]
}
list_shows() { e2e_find_text 118 11 11 651 476 "$1" >/dev/null; }  # list rows: standard font
dialog_shows() { text_in 11 11 651 476 "$1"; }

menu_start
press 296 301  # EDIT QUEST
wait_until 10 last_line_is "Editor ready: Use your mouse with every selected tool, rightclick to use copy, properties" ||
  e2e_fail "the editor did not start"
wait_until 5 panel_title_is "Floor 1" || e2e_fail "the floor tool is not shown"
e2e_shot editor-start

# Rock everywhere, a room (floor 10) and a corridor (floor 8) leading east from it.
wheel_to 6 "Floor 7"
drag_tiles 0 0 25 18
wheel_to 3 "Floor 10"
drag_tiles 2 2 9 8
wheel_to -2 "Floor 8"
drag_tiles 10 5 20 5
park
e2e_fresh_shot
e2e_shot painted
PAINTED="$E2E_LAST_SHOT"
ROCK=$(tile_color 15 10)
ROOM=$(tile_color 5 5)
CORRIDOR=$(tile_color 15 5)
[ "$ROCK" != "$ROOM" ] && [ "$ROCK" != "$CORRIDOR" ] && [ "$ROOM" != "$CORRIDOR" ] ||
  e2e_fail "rock ($ROCK), room ($ROOM) and corridor ($CORRIDOR) look alike"

# A door on the west edge of the corridor's first tile, into the room.
e2e_key 2
wait_until 5 panel_title_is "Door 1" || e2e_fail "the door tool is not shown"
press_tile 10 5
park
e2e_fresh_shot
e2e_shot door
[ "$(e2e_count_color "$E2E_LAST_SHOT" $((PLAY_BOARD_X + 250 - 2)) $((PLAY_BOARD_Y + 125)) 5 25 180 88 48 3)" -gt 5 ] ||
  e2e_fail "no door mark on the west edge of (10, 5)"

# Two heroes, a goblin and a chest.
e2e_key 3
wait_until 5 panel_title_is "Obj. 1" || e2e_fail "the object tool is not shown"
press_tile 3 3
item_to "Obj. 2" "$NEXT"
press_tile 4 3
wheel_to 9 "Obj. 11"
press_tile 8 6
wheel_to 29 "Obj. 40"
press_tile 3 7
park
e2e_fresh_shot
e2e_shot objects
MAP=$(changed_map "$PAINTED")
for t in "3 3" "4 3" "8 6" "3 7"; do marked $t <<<"$MAP" || e2e_fail "nothing placed on ($t)"; done
WITH_CHEST="$E2E_LAST_SHOT"

# The chest placed last is taken back and comes again.
e2e_key ctrl+z
wait_until 5 last_line_is "Undone: 7 more to undo." || e2e_fail "Ctrl+Z did not take a step back"
tile_changed "$PAINTED" 3 7 && e2e_fail "the chest is still there after Ctrl+Z"
e2e_key ctrl+y
wait_until 5 last_line_is "Redone: 0 more to redo." || e2e_fail "Ctrl+Y did not do the step again"
e2e_fresh_shot
[ "$(differing "$WITH_CHEST" 11 11 651 476)" = 0 ] || e2e_fail "the board differs after undo and redo"

# The check with two heroes: the list of findings, one of them about the heroes.
e2e_key F3
wait_until 10 dialog_shows "Quest Check:" || e2e_fail "no list of findings"
e2e_shot check-findings
list_shows "Quest: the quest needs four heroes, but it has 2" || e2e_fail "the missing heroes are not among the findings"
e2e_key Escape
sleep 0.5

# The chest's properties from the right-click menu: its script gives gold.
press_tile 3 7 3
sleep 0.5
e2e_shot popup
list_shows "Properties" || e2e_fail "no right-click menu"
press 133 253  # "Properties"
wait_until 10 dialog_shows "Script when used or killed:" || e2e_fail "no properties dialog"
e2e_shot properties
press 370 239  # type: "give x, amount y"
press 460 373  # text1: emptied with Ctrl+X, then written
e2e_key ctrl+x
e2e_type "A purse of gold!"
press 336 354  # y: the amount, stepped up with the arrow key
e2e_key Right Right Right Right Right
sleep 0.3
e2e_shot properties-set
press 578 430  # OK
wait_until 10 eval '! dialog_shows "Script when used or killed:"' || e2e_fail "the properties dialog did not close"

# The quest's title and objective, from the map filters (F2).
e2e_key F2
wait_until 10 dialog_shows "QUEST PROPERTIES" || e2e_fail "no map filters menu"
e2e_shot filters
e2e_key 1
wait_until 10 dialog_shows "Quest Properties" || e2e_fail "no quest properties dialog"
e2e_shot quest-properties
press 300 176  # the title
e2e_key ctrl+x
e2e_type "The Goblin Cellar"
press 400 307  # the objective list, from "Kill all monsters" down to "Open all Chests"
e2e_key Down Down Down
sleep 0.3
e2e_shot quest-properties-set
press 586 413  # OK
wait_until 10 eval '! dialog_shows "Quest Properties"' || e2e_fail "the quest properties did not close"
e2e_key Escape  # the filters menu: BACK
wait_until 10 eval '! dialog_shows "QUEST PROPERTIES"' || e2e_fail "the map filters did not close"

# Two heroes more: the dwarf copied from the board, then the next two prefabs.
press_tile 4 3 3
wait_until 5 list_shows "Copy" || e2e_fail "no right-click menu on the dwarf"
e2e_shot popup-dwarf
press 145 105  # "Copy"
wait_until 5 panel_title_is "Obj. 2" || e2e_fail "Copy did not pick up the dwarf's prefab"
item_to "Obj. 3" "$NEXT"
press_tile 5 3
item_to "Obj. 4" "$NEXT"
press_tile 6 3
park

# The check again: the heroes are all there now.
e2e_key F3
sleep 1
e2e_fresh_shot
e2e_shot check-again
list_shows "Quest: the quest needs four heroes" && e2e_fail "the check still misses heroes"
e2e_key Escape
sleep 0.5
park
e2e_fresh_shot
e2e_shot authored
AUTHORED="$E2E_LAST_SHOT"

# Saved under a new name through the Edit menu's file selector.
e2e_key Escape
wait_until 10 dialog_shows "Editmenu" || e2e_fail "no edit menu"
e2e_shot edit-menu
e2e_key 4
sleep 1.5
e2e_shot save-selector
e2e_key ctrl+x
e2e_type quests/authored.qst  # relative to the program folder, where the game runs
e2e_key Return
SAVED="$E2E_GAME/quests/authored.qst"
e2e_wait_for 10 test -s "$SAVED" || e2e_fail "the quest was not saved"
wait_until 10 messages_show "Saving quest file: authored.qst" || e2e_fail "no saving message"
wait_until 10 dialog_shows "Editmenu" || e2e_fail "the edit menu did not come back"
grep -q '^quest     The Goblin Cellar' "$SAVED" || e2e_fail "the title was not saved"
grep -q '^scripttxt A purse of gold!' "$SAVED" || e2e_fail "the chest's text was not saved"
grep -q '^scriptvar 2,0,41,0,5,13' "$SAVED" || e2e_fail "the chest does not give 5: $(grep scriptvar "$SAVED" | sort -u | tr '\n' ' ')"

# Leaving: saved, so no warning under the question.
e2e_key x
wait_until 10 dialog_shows "Exit to Mainmenu?" || e2e_fail "no exit question"
e2e_shot exit-question
dialog_shows "Your changes are not saved!" && e2e_fail "a warning although all is saved"
e2e_key o
wait_until 15 menu_title_up || e2e_fail "the main menu did not come back"

# PLAY QUEST opens on the quest just saved: its briefing, then the same board.
e2e_key 1
sleep 1.5
e2e_shot play-selector
e2e_key Return
pass_briefing authored.qst
wait_turn Barbarian 30
park
e2e_fresh_shot
e2e_shot played
for t in "5 5" "7 4" "2 8" "9 2"; do
  [ "$(differing "$AUTHORED" $((PLAY_BOARD_X + 25 * ${t% *} + 2)) $((PLAY_BOARD_Y + 25 * ${t#* } + 2)) 21 21)" -lt 25 ] ||
    e2e_fail "the room's tile ($t) looks different in play"
done
MAP=$(changed_map "$PAINTED")
for t in "3 3" "4 3" "5 3" "6 3" "3 7"; do
  marked $t <<<"$MAP" || e2e_fail "nothing stands on ($t) in play"
done
# The goblin may have had his turn already: he is somewhere in the room.
goblin_in_room() {
  local x y
  for ((y = 2; y <= 8; y++)); do
    for ((x = 2; x <= 9; x++)); do
      case "$x $y" in "3 3" | "4 3" | "5 3" | "6 3" | "3 7") continue ;; esac
      marked $x $y <<<"$MAP" && return 0
    done
  done
  return 1
}
goblin_in_room || e2e_fail "the goblin is not in the room in play"
e2e_key Escape
wait_until 10 game_menu_open || e2e_fail "no game menu"
game_menu_click exit
wait_until 10 exit_question_open || e2e_fail "no exit question in play"
e2e_key o
wait_until 15 menu_title_up || e2e_fail "the main menu did not come back after play"
startup_leave() { e2e_key Escape; wait_until 10 dialog_shows "Exit Dunmarrow?" && e2e_key o; }
startup_leave || e2e_fail "no exit question in the main menu"
e2e_wait_exit 20 || e2e_fail "the game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"

# The bot plays the saved quest through.
"${DUNMARROW_GAME_DIR:-$1}/questbot" --games 2 --seed 7 "$SAVED" >"$E2E_TMP/questbot.log" 2>&1 ||
  e2e_fail "questbot failed on the saved quest: $(tail -3 "$E2E_TMP/questbot.log")"
e2e_note "questbot: $(tail -1 "$E2E_TMP/questbot.log")"
e2e_pass
