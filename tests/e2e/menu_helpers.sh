# Helpers for the main menu and alert tests (sourced after lib.sh).
#
# The main menu stands at a fixed place: the framed box at (234, 206), 124 x 242,
# its title strip in the highlight colour, and seven 100 x 22 buttons at x = 246.

MENU_BUTTON_Y=(0 234 262 290 324 352 386 414)   # by entry number 1..7
MENU_BASE=""                                       # screenshot of the menu alone

# These tests take many screenshots; BMP is written several times faster than PNG.
# Like the harness's own, the shot is of the window that shows the game (full screen,
# that is not the titled one), with xwd when import fails.
e2e_shot() {
  local out="$E2E_SHOTS/$1.bmp"
  E2E_LAST_SHOT="$out"
  [ -n "$E2E_VIEW" ] || return 1
  timeout 10 import -window "$E2E_VIEW" "$out" 2>/dev/null && [ -s "$out" ] && return 0
  timeout 10 xwd -silent -id "$E2E_VIEW" | convert xwd:- "$out" 2>/dev/null
  [ -s "$out" ]
}

# Moves the pointer where it covers nothing the tests look at.
menu_park_pointer() { e2e_move 795 595; }

menu_title_up() {
  e2e_fresh_shot || return 1
  [ "$(e2e_pixel "$E2E_LAST_SHOT" 237 209)" = "136 0 0" ]
}

# Starts the game and waits until the menu is drawn; keeps a screenshot of it.
menu_start() {
  e2e_start || e2e_fail "no window"
  e2e_wait_for 25 menu_title_up || e2e_fail "the main menu did not appear"
  menu_park_pointer
  sleep 0.3
  e2e_shot menu-base
  MENU_BASE="$E2E_LAST_SHOT"
}

# Pixels of a rectangle of a picture that show the highlight colour (red text).
menu_red_pixels() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { r = $3; g = $4; b = $5 + 0
                            if (r >= 100 && g <= 40 && b <= 40) n++ } END { print n + 0 }'
}

# Pixels of a rectangle within tol of the colour r g b.
menu_pixels_near() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
    awk -F'[(),]' -v R="$6" -v G="$7" -v B="$8" -v T="$9" '
      function d(a, b) { return a > b ? a - b : b - a }
      NR > 1 { if (d($3, R) <= T && d($4, G) <= T && d($5 + 0, B) <= T) n++ } END { print n + 0 }'
}

# The entry (1..7) whose label shows the highlight colour in a fresh screenshot,
# 0 when none does (one pass over the column of buttons).
menu_focused() {
  e2e_fresh_shot || { echo 0; return; }
  convert "$E2E_LAST_SHOT" -crop 92x202+250+234 +repage -depth 8 txt:- |
    awk -F'[(),:]' -v ys="${MENU_BUTTON_Y[*]}" '
      BEGIN { split(ys, top, " ") }
      NR > 1 { y = $2 + 234; r = $4; g = $5; b = $6 + 0
               if (r >= 100 && g <= 40 && b <= 40)
                 for (i = 2; i <= 8; i++)
                   if (y >= top[i] + 3 && y < top[i] + 19) n[i - 1]++ }
      END { best = 0; for (i = 1; i <= 7; i++) if (n[i] > 10) best = i; print best }'
}

menu_expect_focus() {
  local want="$1" got
  for _ in 1 2 3 4 5 6 7 8; do
    got=$(menu_focused)
    [ "$got" = "$want" ] && return 0
    sleep 0.25
  done
  e2e_fail "${2:-menu}: expected entry $want focused, found $got"
}

# The bounding box "W H X Y" of what differs between two pictures ("0 0 0 0" when
# nothing does).
menu_diff_box() {
  convert "$1" "$2" -compose difference -composite -colorspace gray -threshold 0 \
    -format '%@' info: 2>/dev/null | awk -F'[x+]' '{ print $1, $2, $3, $4 }'
}

# True when something covers the middle of the board area (an alert or a dialog).
menu_popup_open() {
  e2e_fresh_shot || return 1
  [ "$(menu_sig "$MENU_BASE" 370 292 60 16)" != "$(menu_sig "$E2E_LAST_SHOT" 370 292 60 16)" ]
}

menu_popup_closed() { ! menu_popup_open; }

menu_wait_popup() {
  e2e_wait_for 5 menu_popup_open || e2e_fail "${1:-popup}: nothing opened"
}

menu_wait_closed() {
  e2e_wait_for 5 menu_popup_closed || e2e_fail "${1:-popup}: still open"
}

# A fingerprint of a rectangle of a picture.
menu_sig() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}

# Mean brightness (0..255) of a rectangle of a picture.
menu_mean() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -format '%[fx:round(255*mean)]' info:
}

# Processor use of the game over some seconds, in percent of one core (utime + stime
# from /proc, in clock ticks).
menu_cpu_percent() {
  local secs="$1" hz a b t0 t1
  hz=$(getconf CLK_TCK)
  a=$(awk '{ print $14 + $15 }' "/proc/$E2E_PID/stat")
  t0=$(date +%s.%N)
  sleep "$secs"
  b=$(awk '{ print $14 + $15 }' "/proc/$E2E_PID/stat")
  t1=$(date +%s.%N)
  awk -v a="$a" -v b="$b" -v hz="$hz" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "%.1f\n", (b - a) / hz * 100 / (t1 - t0) }'
}
