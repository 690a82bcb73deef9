#!/bin/bash
# The editor's dialogs and map filters in the running game: F2 opens "Map Filters",
# "QUEST PROPERTIES" its dialog, "CLASSIC DUNGEON " lays the classic rooms, "GENERATE
# CONTENT" fills them, "GREYSCALE EXPORT" writes quests/greymap.bmp (the board and its
# margin, 679 x 504), and the right-click menu's "Properties" opens the object dialog,
# whose "NEXT" goes to the next object. Each dialog is kept as a screenshot.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg

# The framed boxes draw their title strip in the highlight colour, dark red; the
# strip's corner is 3 pixels inside the box.
strip_at() { e2e_fresh_shot && [ "$(e2e_pixel "$E2E_LAST_SHOT" "$1" "$2")" = "136 0 0" ]; }
no_strip_at() { ! strip_at "$@"; }
FILTERS="247 216"      # "Map Filters" at (244, 213)
QUEST_PROPS="159 143"  # "Quest Properties" at (156, 140)
OBJ_PROPS="128 163"    # "Properties" at (125, 160)

menu_start
e2e_key 3                                                   # EDIT QUEST
e2e_wait_for 10 shot_then messages_show "Editor ready" || e2e_fail "the editor did not start"

e2e_key F2
e2e_wait_for 10 strip_at $FILTERS || e2e_fail "F2 did not open the map filters"
e2e_shot map-filters
e2e_key 1
e2e_wait_for 10 strip_at $QUEST_PROPS || e2e_fail "no quest properties dialog"
e2e_shot quest-properties
e2e_key Escape
e2e_wait_for 10 no_strip_at $QUEST_PROPS || e2e_fail "the quest properties stayed open"
e2e_wait_for 10 strip_at $FILTERS || e2e_fail "the map filters did not come back"

e2e_key 2
e2e_wait_for 10 shot_then last_line_is "Floormap set to Classic Dunmarrow layout." ||
  e2e_fail "no classic layout"
e2e_key 5
sleep 1
e2e_key 6
e2e_wait_for 10 shot_then last_line_is \
  "Saved greyscale map to quests/greymap.bmp, press a key to continue..." ||
  e2e_fail "no export message"
e2e_shot greyscale-export
size=$(identify -format '%w x %h' "$E2E_GAME/quests/greymap.bmp" 2>/dev/null)
[ "$size" = "679 x 504" ] || e2e_fail "greymap.bmp: '$size'"
e2e_key a
e2e_wait_for 10 strip_at $FILTERS || e2e_fail "the map filters did not come back after the export"
e2e_key x
e2e_wait_for 10 no_strip_at $FILTERS || e2e_fail "BACK did not close the map filters"

# Two barbarians side by side on the classic board (the object tool is the current one
# when the editor starts), then "Properties" on the first.
read -r x1 y1 < <(tile_px 2 2)
read -r x2 y2 < <(tile_px 3 2)
e2e_click "$x1" "$y1"
sleep 0.4
e2e_click "$x2" "$y2"
sleep 0.4
e2e_click "$x1" "$y1" 3
sleep 0.8
e2e_click $((x1 + 27)) $((y1 + 55))                       # the fourth entry
e2e_wait_for 10 strip_at $OBJ_PROPS || e2e_fail "no object properties dialog"
e2e_shot object-properties
e2e_key n
sleep 0.8
strip_at $OBJ_PROPS || e2e_fail "NEXT closed the dialog"
e2e_shot object-properties-next
e2e_key b
e2e_wait_for 10 no_strip_at $OBJ_PROPS || e2e_fail "OK did not close the object dialog"

e2e_close
e2e_key o
e2e_wait_exit 20 || e2e_fail "the game did not end"
e2e_pass
