#!/bin/bash
# PLAY QUEST plays the chosen quest on the composed screen: at the start only the room
# the hero stands in is drawn, with the loading messages and the hero in the side panel;
# Alt+2 reveals the rest at once: floors, walls, doors of every kind and objects. The
# message panel dragged to the top moves the board down and back, and the drag walks
# nobody. Leaving through the game menu ("EXIT", "OK"), once opened by Escape and once
# by the MENU screen button with the side panel dragged to the left, brings back the
# main menu as it was: on the title picture, in its place, no button lit.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
python3 "$(dirname "$0")/board_quest.py" "$E2E_GAME/quests/boardtest.qst" ||
  e2e_fail "could not write the quest"
e2e_write_cfg
menu_start
e2e_move 400 595  # over the message lines, which the menu checks leave out
sleep 0.3
e2e_shot menu
MENU_SHOT=$E2E_LAST_SHOT

# The series' default file is not there: the selector opens on the quests folder, and
# our quest's name goes after it.
e2e_key 1
e2e_wait_for 15 e2e_region_busy 268 257 264 93 4 || e2e_fail "no quest selector"
e2e_type boardtest.qst
e2e_key Return
pass_briefing boardtest.qst

# ---- The start: room A, where the Barbarian stands, and nothing else ------------------

ROOM_A="1 1 7 6"
wait_until 15 map_is "$(map_of $ROOM_A)" ||
  e2e_fail "the start does not show room A alone:"$'\n'"$(board_map)"
wait_turn Barbarian 15
e2e_shot start
S=$E2E_LAST_SHOT
px() { e2e_pixel "$S" $((PLAY_BOARD_X + $1)) $((PLAY_BOARD_Y + $2)); }
is() { [ "$(px "$1" "$2")" = "$3" ] || e2e_fail "$4: pixel ($1, $2) is $(px "$1" "$2"), wanted $3"; }
is_not() { [ "$(px "$1" "$2")" != "$3" ] || e2e_fail "$4: pixel ($1, $2) is $3"; }

active_at 3 3 || e2e_fail "the Barbarian in (3, 3) is not highlighted"
piece_on 5 5 || e2e_fail "no chest drawn in (5, 5)"
# Walls: room A (code 2) against the corridor (code 8) at its west edge, x = 25.
is 25 100 "255 255 255" "wall at the west side of room A"
# No wall inside room A between columns 2 and 3.
is_not 75 100 "255 255 255" "wall inside room A"
# The red door on room A's east wall: the half on the room's side is drawn, the
# corridor beyond is not.
is 199 62 "252 0 0" "red door, room A's side"
is 201 62 "$PLAY_BG" "red door, the corridor's side before it is seen"
# Frames around the three areas, on the background texture.
[ "$(e2e_pixel "$S" 9 100)" != "$(e2e_pixel "$S" 5 100)" ] || e2e_fail "no frame left of the board"
[ "$(e2e_pixel "$S" 675 200)" != "$(e2e_pixel "$S" 672 200)" ] || e2e_fail "no frame left of the side panel"
# Logo and four buttons.
[ "$(e2e_colors "$S" 683 16 100 28)" -gt 5 ] || e2e_fail "no logo"
for b in "675 48" "736 48" "675 77" "736 77"; do
  set -- $b
  [ "$(e2e_colors "$S" $1 $2 55 23)" -gt 4 ] || e2e_fail "no button at $1,$2"
done
# The side panel shows the hero; the message panel the loading lines and the turn.
panel_is Barbarian || e2e_fail "the side panel does not show the Barbarian"
[ "$(e2e_colors "$S" 677 113 112 233)" -gt 8 ] || e2e_fail "empty side panel"
for y in 517 531 545 559 573; do
  [ "$(e2e_colors "$S" 14 $y 300 10)" -gt 2 ] || e2e_fail "no message line at y $y"
done
last_line_is "Barbarian make your move..." || e2e_fail "the turn is not announced"

# ---- Alt+2 reveals the whole board ---------------------------------------------------

e2e_key alt+2
wait_until 5 map_is "$(map_of 0 0 25 18)" ||
  e2e_fail "Alt+2 did not show the whole board:"$'\n'"$(board_map)"
e2e_shot revealed
S=$E2E_LAST_SHOT
# Doors, one pixel inside the walls: open (10, 3) west, red (8, 2) west,
# blue (3, 9) north, hidden (19, 5) west.
is 251 87 "180 88 48" "open door"
is 201 62 "252 0 0" "red door"
is 87 226 "48 48 252" "blue door"
is 476 137 "200 200 200" "hidden door"
# Floors: each room has its own picture.
[ "$(e2e_colors "$S" 130 30 100 100)" -gt 10 ] || e2e_fail "room A has no floor picture"
[ "$(px 40 40)" != "$(px 290 40)" ] || e2e_fail "rooms A and B look alike"
[ "$(px 40 40)" != "$(px 540 40)" ] || e2e_fail "room A and the open ground look alike"
# Objects: the hero in (3, 3), the chest in (5, 5), the orc in (12, 3), the table in
# (3, 12), the pillar in (22, 8) differ from the floor of their rooms a tile away.
for t in "3 3 2 3" "5 5 5 4" "12 3 13 2" "3 12 2 10" "22 8 22 6"; do
  set -- $t
  [ "$(e2e_colors "$S" $((PLAY_BOARD_X + $1 * 25 + 4)) $((PLAY_BOARD_Y + $2 * 25 + 4)) 16 16)" -gt 4 ] ||
    e2e_fail "nothing drawn on tile ($1, $2)"
  [ "$(px $(($1 * 25 + 12)) $(($2 * 25 + 12)))" != "$(px $(($3 * 25 + 12)) $(($4 * 25 + 12)))" ] ||
    e2e_fail "tile ($1, $2) shows only floor"
done

# ---- Dragging the message panel to the top moves the board down by 102 pixels, and
# back; the pointer crosses room A with the button down and the hero stays ---------------

drag() {
  e2e_move "$1" "$2"
  xdotool mousedown 1
  sleep 0.1
  for step in 1 2 3 4; do
    e2e_move $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4))
    sleep 0.05
  done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.5
  park
}
drag 100 540 100 40
wait_until 5 e2e_region_busy 14 84 300 10 || e2e_fail "the message panel did not go to the top"
D=$E2E_LAST_SHOT
[ "$(e2e_pixel "$D" $((11 + 25)) $((113 + 100)))" = "255 255 255" ] ||
  e2e_fail "the board did not move down to y 113"
for y in 28 42 56 70 84; do
  [ "$(e2e_colors "$D" 14 $y 300 10)" -gt 2 ] || e2e_fail "no message line at y $y after the drag"
done
PLAY_BOARD_Y=113
active_at 3 3 || e2e_fail "the drag across the board walked the Barbarian away from (3, 3)"
PLAY_BOARD_Y=11
drag 100 50 100 560
wait_until 5 e2e_region_busy 14 573 300 10 || e2e_fail "message panel not back at the bottom"
[ "$(e2e_pixel "$E2E_LAST_SHOT" 36 111)" = "255 255 255" ] || e2e_fail "the board is not back at y 11"
active_at 3 3 || e2e_fail "the drag back walked the Barbarian away from (3, 3)"

# ---- Leaving: Escape, "EXIT", "OK" ----------------------------------------------------

menu_back() {
  e2e_wait_for 10 menu_title_up || e2e_fail "$1: the main menu did not come back"
  sleep 0.5
  e2e_shot "$2"
}
same() { [ "$(menu_sig "$MENU_SHOT" "$@")" = "$(menu_sig "$E2E_LAST_SHOT" "$@")" ]; }
e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing"
e2e_click 366 324  # OK
park
menu_back "EXIT and OK" back
same 246 234 100 202 || e2e_fail "the menu buttons do not look as before"

# ---- Again, this time leaving with the side panel dragged to the left and the MENU
# screen button, which stands at the left edge then -----------------------------------

# The selector now opens on the quest just played: Enter takes it.
e2e_key 1
e2e_wait_for 15 e2e_region_busy 268 257 264 93 4 || e2e_fail "no quest selector the second time"
e2e_key Return
pass_briefing boardtest.qst
wait_until 15 map_is "$(map_of $ROOM_A)" || e2e_fail "no board the second time"
drag 720 200 40 200
wait_until 5 eval '[ "$(e2e_pixel "$E2E_LAST_SHOT" $((138 + 25)) 111)" = "255 255 255" ]' ||
  e2e_fail "the board did not move right to x 138"
e2e_click 36 59  # MENU
park
PLAY_BOARD_X=138
wait_until 5 game_menu_open || e2e_fail "the MENU button did not open the game menu"
game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing the second time"
e2e_click 366 324  # OK
e2e_move 400 595  # where it was in the menu's first picture
menu_back "MENU, EXIT and OK" back-from-button
same 663 0 137 600 || e2e_fail "logo, buttons or side panel not as the menu had them"
same 0 0 11 600 || e2e_fail "the board is not back at the left edge"
same 246 234 100 202 || e2e_fail "the menu buttons do not look as before"
e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
e2e_pass
