#!/bin/bash
# Every menu entry opens from its key and from its button alike: keys 4 to 6 show
# that entry's box (the same box a click on the button shows, a different one for
# each entry: the Hall of Fame, the manual, the options) and bring the menu back with
# that entry focused; key 1 opens the quest file selector, and cancelling it returns to
# the menu; key 2 opens the Magic Dungeon's briefing and key 3 the editor, and leaving
# them brings the menu back with their entry focused.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
e2e_write_cfg
menu_start

# Fingerprint of the open box's middle part (its text lines).
box_sig() { menu_sig "$E2E_LAST_SHOT" 300 258 200 40; }

declare -A seen
for n in 4 5 6; do
  e2e_key "$n"
  menu_wait_popup "key $n"
  sleep 0.3
  e2e_shot "key-$n"
  by_key=$(box_sig)
  e2e_key Return
  menu_wait_closed "box of entry $n"
  menu_expect_focus "$n" "after key $n"

  e2e_click 296 $((MENU_BUTTON_Y[n] + 11))
  menu_park_pointer
  menu_wait_popup "button $n"
  sleep 0.3
  e2e_shot "click-$n"
  by_click=$(box_sig)
  [ "$by_key" = "$by_click" ] || e2e_fail "key $n and button $n open different things"
  [ -z "${seen[$by_key]}" ] || e2e_fail "entries ${seen[$by_key]} and $n show the same box"
  seen[$by_key]=$n
  case $n in 4|5) e2e_key x ;; *) e2e_key o ;; esac  # the windows close with "X"
  menu_wait_closed "box of entry $n (clicked)"
done

# Key 1: the quest file selector, 296 pixels wide in the middle of the screen, with
# its title strip in the highlight colour.
e2e_key 1
menu_wait_popup "key 1"
sleep 0.3
e2e_shot "file-selector"
[ "$(e2e_pixel "$E2E_LAST_SHOT" 256 203)" = "136 0 0" ] ||
  e2e_fail "no file selector title strip: $(e2e_pixel "$E2E_LAST_SHOT" 256 203)"
e2e_key Escape
menu_wait_closed "file selector"
menu_expect_focus 1 "after cancelling the file selector"
# No quest was loaded, so the board area keeps its title picture.
[ "$(menu_sig "$MENU_BASE" 380 20 270 170)" = "$(menu_sig "$E2E_LAST_SHOT" 380 20 270 170)" ] ||
  e2e_fail "cancelling the file selector changed the title picture"
e2e_running || e2e_fail "the game ended"

# Key 2 and button 2: the Magic Dungeon's briefing; Escape leaves it.
for how in key click; do
  if [ $how = key ]; then e2e_key 2; else e2e_click 296 $((MENU_BUTTON_Y[2] + 11)); park; fi
  wait_until 20 briefing_open || e2e_fail "$how 2: no briefing"
  text_in 91 150 524 30 "[1/20] Magic Dungeon level 1" || e2e_fail "$how 2: not the Magic Dungeon's briefing"
  e2e_shot "dungeon-by-$how"
  e2e_key Escape
  e2e_wait_for 10 menu_title_up || e2e_fail "$how 2: no menu after leaving the briefing"
  menu_expect_focus 2 "after $how 2"
done

# Key 3 and button 3: the editor; its Edit menu's EXIT leads back.
for how in key click; do
  if [ $how = key ]; then e2e_key 3; else e2e_click 296 $((MENU_BUTTON_Y[3] + 11)); park; fi
  wait_until 10 last_line_is "Editor ready: Use your mouse with every selected tool, rightclick to use copy, properties" ||
    e2e_fail "$how 3: the editor did not start"
  e2e_shot "editor-by-$how"
  e2e_key Escape
  wait_until 10 text_in 11 11 651 476 "Editmenu" || e2e_fail "$how 3: no edit menu"
  e2e_key x
  wait_until 10 text_in 11 11 651 476 "Exit to Mainmenu?" || e2e_fail "$how 3: no exit question"
  e2e_key o
  e2e_wait_for 10 menu_title_up || e2e_fail "$how 3: no menu after the editor"
  menu_expect_focus 3 "after $how 3"
done

e2e_key X
menu_wait_popup "exit question"
e2e_key o
e2e_wait_exit 20 || e2e_fail "did not exit"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
