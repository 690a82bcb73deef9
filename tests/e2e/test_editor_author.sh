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
# Whether tile (X, Y) looks different from the same tile of the picture FILE.
tile_changed() {
  [ "$(differing "$1" $((PLAY_BOARD_X + 25 * $2 + 2)) $((PLAY_BOARD_Y + 25 * $3 + 2)) 21 21)" -gt 40 ]
}
dialog_shows() { text_in 100 100 600 400 "$1"; }

menu_start
press 296 301  # EDIT QUEST
wait_until 10 last_line_is "Editor ready: Use your mouse with every selected tool, rightclick to use copy, properties" ||
  e2e_fail "the editor did not start"
wait_until 5 panel_title_is "Floor 1" || e2e_fail "the floor tool is not shown"
e2e_shot editor-start

# Rock everywhere, a room (floor 10) and a corridor (floor 8) leading east from it.
item_to "Floor 7" "$NEXT"
drag_tiles 0 0 25 18
item_to "Floor 10" "$NEXT"
drag_tiles 2 2 9 8
item_to "Floor 8" "$PREV"
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
item_to "Obj. 11" "$NEXT"
press_tile 8 6
item_to "Obj. 40" "$NEXT"
press_tile 3 7
park
e2e_fresh_shot
e2e_shot objects
for t in "3 3" "4 3" "8 6" "3 7"; do tile_changed "$PAINTED" $t || e2e_fail "nothing placed on ($t)"; done
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
e2e_key Escape
sleep 0.5

# The chest's properties from the right-click menu: its script gives gold.
press_tile 3 7 3
sleep 0.5
e2e_shot popup
e2e_fail stop
