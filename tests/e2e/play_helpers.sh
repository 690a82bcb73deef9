# Helpers for the tests that play a quest (sourced after lib.sh and menu_helpers.sh).
#
# The board's top-left tile is at window (11, 11) while the panels stand where they
# start, 25 pixels a tile; unrevealed tiles show the board background (40, 40, 24).
# The side panel names the object it shows at the top; the newest of the five message
# lines is the lowest. Every check reads the last screenshot ($E2E_LAST_SHOT).

PLAY_FONT=120          # the dialog font: dialogs, message lines, side panel
PLAY_FIELD_FONT=118    # the path field of the file selectors
PLAY_BG="40 40 24"     # the board where nothing is revealed
PLAY_HERO_FRAME="195 0 0"
PLAY_BOARD_X=11        # the board's top-left while the panels are where they start
PLAY_BOARD_Y=11

text_in() { e2e_find_text $PLAY_FONT "$@" >/dev/null; }
panel_is() { text_in 676 112 114 20 "$1"; }          # the name in the side panel
last_line_is() { text_in 11 569 652 22 "$1"; }       # the newest message line
messages_show() { text_in 11 510 652 82 "$1"; }      # any of the five message lines
path_field_shows() { e2e_find_text $PLAY_FIELD_FONT 266 232 266 14 "$1" >/dev/null; }

# A fresh screenshot, then the check given; wait_until retries that for T seconds.
shot_then() { e2e_fresh_shot && "$@"; }
wait_until() {
  local t="$1"
  shift
  e2e_wait_for "$t" shot_then "$@"
}

park() { e2e_move 795 595; }  # the pointer over the frame, out of every check

tile_px() { echo $((PLAY_BOARD_X + 25 * $1 + 12)) $((PLAY_BOARD_Y + 25 * $2 + 12)); }

# One xdotool run for the whole click, so that the button is down for 50 ms and no more
# (a second run's start-up lengthens the press on a busy machine, and a held button
# walks on).
click_tile() {
  xdotool mousemove --window "$E2E_VIEW" $(tile_px "$1" "$2") sleep 0.05 \
    mousedown 1 sleep 0.05 mouseup 1 sleep 0.1
  park
}

# Walks by clicks on the tile TX TY along the path "X Y" ...; a click is one step (should
# a busy machine still hold the button too long it walks on: every click must advance).
HERO_AT=-1
PATH_TILES=()
hero_further() {
  local i
  for ((i = ${#PATH_TILES[@]} - 1; i > HERO_AT; i--)); do
    active_at ${PATH_TILES[i]} && { HERO_AT=$i; return 0; }
  done
  return 1
}
click_walk() {
  local tx="$1" ty="$2" clicks=0
  shift 2
  PATH_TILES=("$@")
  HERO_AT=-1
  while [ "$HERO_AT" -lt $((${#PATH_TILES[@]} - 1)) ]; do
    [ "$clicks" -lt "${#PATH_TILES[@]}" ] || e2e_fail "more clicks than steps toward ($tx, $ty)"
    click_tile "$tx" "$ty"
    clicks=$((clicks + 1))
    wait_until 5 hero_further ||
      e2e_fail "click $clicks on ($tx, $ty) did not walk on along ${PATH_TILES[*]}"
  done
  [ "$clicks" -gt 1 ] || e2e_note "one click walked all the way to ($tx, $ty)"
}

# The active hero wears a frame of the highlight red inside his tile.
active_at() {
  [ "$(e2e_count_color "$E2E_LAST_SHOT" $((PLAY_BOARD_X + 25 * $1)) $((PLAY_BOARD_Y + 25 * $2)) \
    25 25 $PLAY_HERO_FRAME)" -ge 40 ]
}

# The board as 19 rows of 26 characters: '#' a drawn tile, '.' one still dark (a tile
# more than half of which is the board background).
board_map() {
  local bg="rgb(${PLAY_BG// /,})"
  convert "$E2E_LAST_SHOT" -crop "650x475+$PLAY_BOARD_X+$PLAY_BOARD_Y" +repage \
    -fill white +opaque "$bg" -fill black -opaque "$bg" -scale '26x19!' -depth 8 txt:- |
    awk -F'[,: ]+' 'NR > 1 { v[$2, $1] = ($4 + 0 > 127) ? "#" : "." }
      END { for (y = 0; y < 19; y++) { s = ""; for (x = 0; x < 26; x++) s = s v[y, x]; print s } }'
}
# The map of a board where the rectangles "X1 Y1 X2 Y2" ... are drawn.
map_of() {
  awk -v rects="$*" 'BEGIN {
    n = split(rects, r, " ")
    for (y = 0; y < 19; y++) {
      s = ""
      for (x = 0; x < 26; x++) {
        c = "."
        for (i = 1; i + 3 <= n; i += 4)
          if (x >= r[i] && x <= r[i + 2] && y >= r[i + 1] && y <= r[i + 3]) c = "#"
        s = s c
      }
      print s
    }
  }'
}
map_is() { [ "$(board_map)" = "$1" ]; }

# Something besides the floor on tile (X, Y): its middle has many colours.
piece_on() {
  [ "$(e2e_colors "$E2E_LAST_SHOT" $((PLAY_BOARD_X + 25 * $1 + 4)) $((PLAY_BOARD_Y + 25 * $2 + 4)) 17 17)" -gt 12 ]
}

# Pixels of a rectangle that differ from the same rectangle of the picture FILE by more
# than a few steps (blends at tile corners may differ by one or two): FILE X Y W H.
differing() {
  convert \( "$1" -crop "$4x$5+$2+$3" +repage \) \( "$E2E_LAST_SHOT" -crop "$4x$5+$2+$3" +repage \) \
    -compose difference -composite -colorspace gray -threshold 3% -format '%[fx:round(mean*w*h)]' info:
}

# Waits for the turn of the hero NAME: the panel shows him and the newest line says
# "NAME make your move...". Every other hero of HEROES whose turn comes first ends it at
# once, and the next check waits until his turn is over (a second Backspace could end
# the next one).
HEROES="Barbarian Dwarf Elf Wizard"
wait_turn() {
  local want="$1" end=$(($(date +%s) + ${2:-40})) h other
  while [ "$(date +%s)" -le "$end" ]; do
    e2e_fresh_shot || e2e_fail "no screenshot"
    if panel_is "$want" && last_line_is "$want make your move..."; then return 0; fi
    if last_line_is "make your move..."; then
      other=""
      for h in $HEROES; do
        [ "$h" != "$want" ] && panel_is "$h" && last_line_is "$h make your move..." && other=$h
      done
      if [ -n "$other" ]; then
        e2e_note "the $other's turn: ended"
        e2e_key BackSpace
        wait_until 10 eval "! panel_is $other" || e2e_fail "Backspace did not end the $other's turn"
        continue
      fi
    fi
    sleep 0.2
  done
  e2e_fail "the $want's turn did not come"
}

# The game menu (centred on the board) and its entries; the alert of EXIT is centred on
# the screen.
game_menu_open() { text_in $((PLAY_BOARD_X + 265)) $((PLAY_BOARD_Y + 133)) 120 18 "Gamemenu"; }
game_menu_click() {
  local y
  case "$1" in
    resume) y=181 ;; briefing) y=209 ;; load) y=243 ;; save) y=271 ;; options) y=305 ;;
    exit) y=333 ;; *) e2e_fail "no game menu entry $1" ;;
  esac
  e2e_click $((PLAY_BOARD_X + 325)) $((PLAY_BOARD_Y - 11 + y))
  park
}
exit_question_open() { text_in 332 268 136 26 "Exit to Mainmenu?"; }

# The briefing screen before a quest: its OK button under the story text (where it
# stands depends on the story's length), with the loading lines still on the message
# panel. pass_briefing waits for it, checks the loading line of the quest file given
# and starts the quest with a click on OK.
briefing_open() { text_in 490 240 130 200 "OK"; }
pass_briefing() {
  local x y try
  wait_until 20 briefing_open || e2e_fail "no briefing screen"
  e2e_shot briefing
  messages_show "Loading quest file: $1" || e2e_fail "no loading message for $1"
  for try in 1 2 3; do
    read -r x y < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
    [ -n "$y" ] || break
    e2e_click $((x + 6)) $((y + 6))
    park
    wait_until 5 eval '! briefing_open' && return 0
  done
  e2e_fail "OK did not start the quest"
}
