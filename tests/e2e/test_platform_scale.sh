#!/bin/bash
# On a 2560 x 1440 screen with the automatic scale the window is 1600 x 1200 (the
# largest whole factor, 2, that leaves 64 pixels for a frame each way), the main menu
# and its dialogs are drawn enlarged, and a click where the enlarged HALL OF FAME button
# stands presses it. Alt+Enter goes full screen and back to the window, the game keeps
# running and answering the mouse, and dunmar.cfg keeps the last choice.
E2E_SCREEN=2560x1440x24
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play_helpers.sh"
source "$(dirname "$0")/platform_helpers.sh"
e2e_init "$1"
e2e_write_cfg

menu_shows() { text_in 250 200 300 300 "HALL OF FAME"; }
HALL="91 131 524 257"
hall_open() { text_in $HALL "Hall of Fame"; }
# Clicks HALL OF FAME where the enlarged window shows it.
press_hall_of_fame() {
  local x y
  read -r x y < <(e2e_find_text $PLAY_FONT 250 200 300 300 "HALL OF FAME")
  [ -n "$y" ] || e2e_fail "no HALL OF FAME button found"
  e2e_click $((2 * (x + 10))) $((2 * (y + 5)))
  e2e_move 1590 1190
}

e2e_start_nowait
platform_window 1600x1200 || e2e_fail "no 1600 x 1200 window: $(xwininfo -root -tree | grep -i dunmarrow)"
e2e_focus
e2e_wait_for 25 eval 'platform_fresh 2 && menu_shows' || e2e_fail "the enlarged main menu did not appear"
platform_shot menu-scaled 2
# Sharp scaling: each picture pixel is a 2 x 2 block of one colour.
[ "$(e2e_colors "$E2E_SHOTS/menu-scaled.png" 600 500 2 2)" = 1 ] &&
  [ "$(e2e_colors "$E2E_SHOTS/menu-scaled.png" 1000 800 2 2)" = 1 ] ||
  e2e_fail "the window does not show the picture enlarged block by block"

press_hall_of_fame
e2e_wait_for 10 eval 'platform_fresh 2 && hall_open' || e2e_fail "the click at the enlarged button opened no Hall of Fame"
platform_shot hall-of-fame-scaled 2
text_in $HALL "experience, gold, kills" || e2e_fail "the enlarged Hall of Fame lacks its column heads"
e2e_key Escape
e2e_wait_for 10 eval 'platform_fresh 2 && ! hall_open' || e2e_fail "Escape did not close the Hall of Fame"

# Full screen and back.
platform_alt_enter
platform_window 1600x1200 full 10 || e2e_fail "Alt+Enter did not go full screen"
e2e_wait_for 10 eval 'platform_fresh 2 && menu_shows' || e2e_fail "full screen shows no main menu"
platform_alt_enter
platform_window 1600x1200 window 10 || e2e_fail "the second Alt+Enter did not bring the window back"
e2e_focus
e2e_wait_for 10 eval 'platform_fresh 2 && menu_shows' || e2e_fail "the window came back without the main menu"
press_hall_of_fame
e2e_wait_for 10 eval 'platform_fresh 2 && hall_open' || e2e_fail "after the switches a click no longer opens the Hall of Fame"
e2e_key Escape
e2e_wait_for 10 eval 'platform_fresh 2 && ! hall_open' || e2e_fail "Escape did not close the Hall of Fame"

# Full screen once more and leave from there: the choice is kept.
platform_alt_enter
platform_window 1600x1200 full 10 || e2e_fail "the third Alt+Enter did not go full screen"
e2e_key Escape
e2e_wait_for 3 eval '! e2e_running' || e2e_key o
e2e_wait_exit 20 || e2e_fail "the game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_cfg_load || e2e_fail "no dunmar.cfg written"
[ "${E2E_CFG[general.fullscreen]}" = 1 ] || e2e_fail "fullscreen is '${E2E_CFG[general.fullscreen]}', not 1"
[ "${E2E_CFG[general.scale]}" = 0 ] || e2e_fail "scale is '${E2E_CFG[general.scale]}', not 0"
[ "${E2E_CFG[general.smooth]}" = 0 ] || e2e_fail "smooth is '${E2E_CFG[general.smooth]}', not 0"
e2e_pass
