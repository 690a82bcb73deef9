#!/bin/bash
# The main menu in the program's look: a textured raised panel with a shadow, the
# title strip in the highlight colour, bevelled buttons, anti-aliased labels in the
# interface colours and the highlight on the focused entry; idle, it leaves the
# processor alone.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_init "$1"
e2e_write_cfg
menu_start
shot="$MENU_BASE"

# Title strip, from (x + 3, y + 3), in the default highlight (136, 0, 0).
[ "$(e2e_pixel "$shot" 237 209)" = "136 0 0" ] || e2e_fail "title strip: $(e2e_pixel "$shot" 237 209)"
[ "$(e2e_pixel "$shot" 353 225)" = "136 0 0" ] || e2e_fail "title strip right end"

# The panel between frame and buttons shows the interface texture, not a flat fill.
n=$(e2e_colors "$shot" 237 232 7 200)
[ "$n" -ge 3 ] || e2e_fail "panel is flat ($n colours)"

# The shadow darkens the column right of the box and the row under it.
inside=$(menu_mean "$shot" 357 212 1 228)
outside=$(menu_mean "$shot" 358 212 1 228)
[ "$inside" -le $((outside - 15)) ] || e2e_fail "no shadow on the right ($inside vs $outside)"
inside=$(menu_mean "$shot" 240 447 110 1)
outside=$(menu_mean "$shot" 240 448 110 1)
[ "$inside" -le $((outside - 15)) ] || e2e_fail "no shadow below ($inside vs $outside)"

# A button at rest ("THE DUNGEON" at 246, 262): the fill is the background lightened
# by 2, the outer top edge darker, the inner top edge lighter, the outer bottom dark.
for check in "249 266 123 109 76 fill" "296 262 85 75 53 outer-top" \
             "296 263 177 157 98 inner-top" "296 283 44 39 27 outer-bottom"; do
  set -- $check
  got=$(e2e_pixel "$shot" "$1" "$2")
  [ "$got" = "$3 $4 $5" ] || e2e_fail "button $6 at $1,$2: $got, expected $3 $4 $5"
done

# Labels are anti-aliased (ink plus its shades over the fill) in the first text colour.
n=$(e2e_colors "$shot" 250 266 92 15)
[ "$n" -ge 4 ] || e2e_fail "label not anti-aliased ($n colours)"
n=$(menu_pixels_near "$shot" 250 266 92 15 48 42 29 4)
[ "$n" -gt 10 ] || e2e_fail "label not in the first text colour ($n pixels)"

# The focused entry (PLAY QUEST) wears the highlight; the others do not.
[ "$(menu_red_pixels "$shot" 250 237 92 16)" -gt 10 ] || e2e_fail "focused label not highlighted"
[ "$(menu_red_pixels "$shot" 250 265 92 16)" = 0 ] || e2e_fail "unfocused label highlighted"

# Idle, the menu must not spin a core (a spinning dialog loop takes ~100 percent).
cpu=$(menu_cpu_percent 10)
e2e_note "processor use with the menu idle for 10 s: $cpu percent of one core"
awk -v c="$cpu" 'BEGIN { exit !(c < 20) }' || e2e_fail "menu idles at $cpu percent"

e2e_key X
menu_wait_popup "exit question"
e2e_key o
e2e_wait_exit 20 || e2e_fail "did not exit"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
