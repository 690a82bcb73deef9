#!/bin/bash
# PLAY QUEST shows the chosen quest's board: floors, walls, doors and objects in the
# composed screen, with the loading messages; a key returns to the menu. Left with
# its panels dragged aside and through a click on a screen button, the menu comes
# back on the title picture as it was, no button lit.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_init "$1"
python3 "$(dirname "$0")/board_quest.py" "$E2E_GAME/quests/boardtest.qst" ||
  e2e_fail "could not write the quest"
e2e_write_cfg
e2e_start || e2e_fail "no window"
e2e_wait_for 20 e2e_region_busy 246 234 100 22 || e2e_fail "no main menu"
sleep 0.5
e2e_shot menu
MENU_SHOT=$E2E_LAST_SHOT

e2e_key 1
sleep 1.5
e2e_shot selector
# The series' default file is not there: the selector opens on the quests folder, and
# our quest's name goes after it.
e2e_type boardtest.qst
e2e_key Return
# The west wall of room A appears once the board is drawn.
board_shown() { e2e_shot poll >/dev/null && [ "$(e2e_pixel "$E2E_LAST_SHOT" 36 111)" = "255 255 255" ]; }
e2e_wait_for 15 board_shown || e2e_fail "no board after choosing the quest"
sleep 0.3
e2e_shot board
S=$E2E_LAST_SHOT

# Board origin on the screen and the pixel of a tile.
BX=11; BY=11
px() { e2e_pixel "$S" $((BX + $1)) $((BY + $2)); }
is() { [ "$(px "$1" "$2")" = "$3" ] || e2e_fail "$4: pixel ($1, $2) is $(px "$1" "$2"), wanted $3"; }
is_not() { [ "$(px "$1" "$2")" != "$3" ] || e2e_fail "$4: pixel ($1, $2) is $3"; }

# Walls: room A (code 2) against the corridor (code 8) at its west edge, x = 25.
is 25 100 "255 255 255" "wall at the west side of room A"
# No wall inside room A between columns 2 and 3.
is_not 75 100 "255 255 255" "wall inside room A"
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
# Objects: the hero in (3, 3), the chest in (5, 5), the orc in (12, 3) differ from the floor
# of their rooms a tile away.
for t in "3 3 2 3" "5 5 5 4" "12 3 13 2"; do
  set -- $t
  [ "$(e2e_colors "$S" $((BX + $1 * 25 + 4)) $((BY + $2 * 25 + 4)) 16 16)" -gt 4 ] ||
    e2e_fail "nothing drawn on tile ($1, $2)"
  [ "$(px $(($1 * 25 + 12)) $(($2 * 25 + 12)))" != "$(px $(($3 * 25 + 12)) $(($4 * 25 + 12)))" ] ||
    e2e_fail "tile ($1, $2) shows only floor"
done

# Frames around the three areas, on the background texture.
F=$(e2e_pixel "$S" 9 100)
[ "$F" != "$(e2e_pixel "$S" 5 100)" ] || e2e_fail "no frame left of the board"
[ "$(e2e_pixel "$S" 675 200)" != "$(e2e_pixel "$S" 672 200)" ] || e2e_fail "no frame left of the side panel"
# Logo and four buttons.
[ "$(e2e_colors "$S" 683 16 100 28)" -gt 5 ] || e2e_fail "no logo"
for b in "675 48" "736 48" "675 77" "736 77"; do
  set -- $b
  [ "$(e2e_colors "$S" $1 $2 55 23)" -gt 4 ] || e2e_fail "no button at $1,$2"
done
# The side panel shows the hero; the message panel the loading lines (several rows of ink).
[ "$(e2e_colors "$S" 677 113 112 233)" -gt 8 ] || e2e_fail "empty side panel"
for y in 517 531 545 559 573; do
  [ "$(e2e_colors "$S" 14 $y 300 10)" -gt 2 ] || e2e_fail "no message line at y $y"
done

# Dragging the message panel to the top moves the board down by 102 pixels, and back.
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
}
drag 300 540 300 40
e2e_shot dragged
D=$E2E_LAST_SHOT
[ "$(e2e_pixel "$D" $((11 + 25)) $((113 + 100)))" = "255 255 255" ] ||
  e2e_fail "the board did not move down to y 113"
for y in 28 42 56 70 84; do
  [ "$(e2e_colors "$D" 14 $y 300 10)" -gt 2 ] || e2e_fail "no message line at y $y after the drag"
done
drag 300 50 300 560
e2e_wait_for 5 e2e_region_busy 14 573 300 10 || e2e_fail "message panel not back at the bottom"
e2e_shot undragged
[ "$(e2e_pixel "$E2E_LAST_SHOT" 36 111)" = "255 255 255" ] || e2e_fail "the board is not back at y 11"

# A key returns to the menu.
e2e_key space
sleep 1.5
e2e_wait_for 10 e2e_region_busy 246 234 100 22 || e2e_fail "menu not back"
e2e_shot back
MENU_NOW=$(convert "$E2E_LAST_SHOT" -crop 100x200+246+234 +repage -format '%#' info:)
MENU_THEN=$(convert "$MENU_SHOT" -crop 100x200+246+234 +repage -format '%#' info:)
[ "$MENU_NOW" = "$MENU_THEN" ] || e2e_fail "the menu buttons do not look as before"

# Again, this time leaving with the side panel dragged to the left and a click on the
# first screen button, which stands at the left edge then.
# The selector now opens on the quest just played: Enter takes it.
e2e_key 1
sleep 1.5
e2e_key Return
e2e_wait_for 15 board_shown || e2e_fail "no board the second time"
sleep 0.3
drag 720 200 40 200
e2e_shot panel-left
[ "$(e2e_pixel "$E2E_LAST_SHOT" $((138 + 25)) 111)" = "255 255 255" ] ||
  e2e_fail "the board did not move right to x 138"
e2e_click 36 59
e2e_move 400 595  # over the message lines, which the check below leaves out
sleep 1.5
e2e_wait_for 10 e2e_region_busy 246 234 100 22 || e2e_fail "menu not back after the button"
e2e_shot back-from-button
B=$E2E_LAST_SHOT
same() { [ "$(menu_sig "$MENU_SHOT" "$@")" = "$(menu_sig "$B" "$@")" ]; }
same 663 0 137 600 || e2e_fail "logo, buttons or side panel not as the menu had them"
same 0 0 11 600 || e2e_fail "the board is not back at the left edge"
same 246 234 100 202 || e2e_fail "the menu buttons do not look as before"
e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
e2e_pass
