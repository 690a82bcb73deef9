#!/bin/bash
# The yes/no question box in the program's look: centred, a textured raised panel
# with its shadow, the question in the first text colour, the focused first button's
# label in the highlight colour; answered with the mouse, and closing it leaves the
# screen as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_init "$1"
e2e_write_cfg
menu_start

e2e_key Escape
menu_wait_popup "exit question"
sleep 0.3
e2e_shot "alert"
shot="$E2E_LAST_SHOT"
read -r W H X Y <<<"$(menu_diff_box "$MENU_BASE" "$shot")"
e2e_note "question box at $X,$Y size ${W}x$H"
[ "$W" -ge 100 ] && [ "$H" -ge 60 ] || e2e_fail "no box found (${W}x$H)"
cx=$((X + W / 2)); cy=$((Y + H / 2))
[ "$cx" -ge 396 ] && [ "$cx" -le 404 ] && [ "$cy" -ge 296 ] && [ "$cy" -le 304 ] ||
  e2e_fail "box not centred (centre $cx,$cy)"

# Raised panel: the outer top edge is the background lightened by 30.
got=$(e2e_pixel "$shot" "$cx" "$Y")
[ "$got" = "156 139 90" ] || e2e_fail "panel top edge $got"
n=$(e2e_colors "$shot" $((X + 3)) $((Y + 3)) 4 $((H - 8)))
[ "$n" -ge 3 ] || e2e_fail "panel is flat ($n colours)"
# The shadow: the box's last column and row darken what lies under them.
inside=$(menu_mean "$shot" $((X + W - 1)) $((Y + 2)) 1 $((H - 4)))
outside=$(menu_mean "$shot" $((X + W)) $((Y + 2)) 1 $((H - 4)))
[ "$inside" -le $((outside - 10)) ] || e2e_fail "no shadow on the right ($inside vs $outside)"

# The question in the first text colour, in the upper half.
n=$(menu_pixels_near "$shot" $((X + 6)) $((Y + 6)) $((W - 12)) $((H / 2 - 6)) 48 42 29 4)
[ "$n" -gt 10 ] || e2e_fail "question text not in the first text colour ($n pixels)"
# Buttons in the lower half: the first (focused) in the highlight, the second not.
left=$(menu_red_pixels "$shot" $((X + 4)) $((Y + H / 2)) $((W / 2 - 4)) $((H / 2 - 4)))
right=$(menu_red_pixels "$shot" $((X + W / 2)) $((Y + H / 2)) $((W / 2 - 4)) $((H / 2 - 4)))
[ "$left" -gt 10 ] && [ "$right" = 0 ] || e2e_fail "focus highlight: $left left, $right right"

# CANCEL with the mouse: the box goes, the screen beside the menu is as before.
e2e_click $((X + 3 * W / 4)) $((Y + H - 24))
menu_park_pointer
menu_wait_closed "question after a click on CANCEL"
menu_expect_focus 6 "CANCEL clicked"
e2e_fresh_shot
[ "$(menu_sig "$MENU_BASE" 360 "$Y" $((X + W + 2 - 360)) $((H + 2)))" = \
  "$(menu_sig "$E2E_LAST_SHOT" 360 "$Y" $((X + W + 2 - 360)) $((H + 2)))" ] ||
  e2e_fail "the box left traces on the screen"

# The close button's question, OK with the mouse.
before="$E2E_LAST_SHOT"
e2e_close
menu_wait_popup "close question"
sleep 0.3
e2e_shot "close-question"
read -r W H X Y <<<"$(menu_diff_box "$before" "$E2E_LAST_SHOT")"
e2e_click $((X + W / 4)) $((Y + H - 24))
e2e_wait_exit 20 || e2e_fail "OK clicked: the game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
