# Helpers for the tests of the scaled window (sourced after lib.sh and play_helpers.sh).
#
# On a large screen the game's window is its 800 x 600 picture enlarged by a whole
# factor. Sharp scaling makes every picture pixel a block, so a screenshot sampled down
# by that factor is the picture itself, and the checks of the other tests (texts in the
# game's fonts, picture coordinates) read it as they are.

# Waits until the window titled "Dunmarrow" is viewable at SIZE (e.g. 1600x1200), or,
# with "full", until it is unmapped and a window of SIZE shows the game instead.
# Sets E2E_WIN and E2E_VIEW.
platform_window() {
  local size="$1" mode="${2:-window}" end w info
  end=$(($(date +%s) + ${3:-20}))
  while [ "$(date +%s)" -le "$end" ]; do
    e2e_running || return 1
    w=$(xdotool search --name '^Dunmarrow$' 2>/dev/null | tail -1)
    if [ -n "$w" ]; then
      E2E_WIN=$w
      info=$(xwininfo -id "$w" 2>/dev/null)
      if [ "$mode" = window ]; then
        if grep -q IsViewable <<<"$info" && grep -q "geometry $size" <<<"$info"; then
          E2E_VIEW=$w
          return 0
        fi
      elif ! grep -q IsViewable <<<"$info"; then
        E2E_VIEW=$(xwininfo -root -tree 2>/dev/null | awk -v s=" $size+" '$1 ~ /^0x/ && index($0, s) { print $1; exit }')
        if [ -n "$E2E_VIEW" ] && [ "$E2E_VIEW" != "$w" ] &&
          xwininfo -id "$E2E_VIEW" 2>/dev/null | grep -q IsViewable; then
          return 0
        fi
      fi
    fi
    sleep 0.2
  done
  return 1
}

# A screenshot (NAME.png, kept) and its picture, sampled down by FACTOR, which becomes
# the last screenshot the checks read.
platform_shot() {
  local name="$1" factor="$2" full
  e2e_shot "$name" || return 1
  full=$E2E_LAST_SHOT
  convert "$full" -sample "$((100 / factor))%" "$E2E_SHOTS/$name-picture.png" || return 1
  E2E_LAST_SHOT="$E2E_SHOTS/$name-picture.png"
}
PLATFORM_SEQ=0
platform_fresh() {
  PLATFORM_SEQ=$((PLATFORM_SEQ + 1))
  platform_shot "$(printf 'scaled-%03d' "$PLATFORM_SEQ")" "$1"
}

# Alt+Enter, held as a player presses it.
platform_alt_enter() {
  xdotool keydown alt keydown Return sleep 0.1 keyup Return keyup alt
  sleep 0.2
}
