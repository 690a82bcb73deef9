#!/bin/bash
# The window's close button asks "  Exit Dunmarrow?  " at once whatever dialog is
# open, the library's own included: over the file selector, over its right-click menu
# (which goes away) and over an alert (the game menu's question on the Magic Dungeon's
# first level). CANCEL leaves that dialog open as it was; OK ends the game with code 0
# and the settings written. The open dialogs idle without spinning a core.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
HERE="$(cd "$(dirname "$0")" && pwd)"

FINDTEXT="${DUNMARROW_BUILD_DIR:-}/e2e-tools/findtext"
if [ -z "${DUNMARROW_BUILD_DIR:-}" ] || [ ! -x "$FINDTEXT" ]; then
  FINDTEXT="$E2E_TMP/findtext"
  g++ -O2 -o "$FINDTEXT" "$HERE/tools/findtext.cpp" $(pkg-config --cflags --libs allegro) ||
    e2e_fail "cannot build the text finder"
fi
DIALOG_FONT=120
# on_screen TEXT: the text in the dialog font anywhere in the middle of a fresh shot.
on_screen() {
  e2e_fresh_shot || return 1
  convert "$E2E_LAST_SHOT" BMP3:"$E2E_TMP/shot.bmp" || return 1
  "$FINDTEXT" "$E2E_GAME/Dunmar.dat" $DIALOG_FONT "$E2E_TMP/shot.bmp" 150 150 500 300 "$1" \
    >/dev/null
}
off_screen() { ! on_screen "$1"; }
expect_shown() { e2e_wait_for 5 on_screen "$1" || e2e_fail "$2: '$1' is not on the screen"; }
expect_gone() { e2e_wait_for 5 off_screen "$1" || e2e_fail "$2: '$1' is still on the screen"; }
QUESTION="Exit Dunmarrow?"

expect_clean_exit() {
  e2e_wait_exit 20 || e2e_fail "$1: the game did not end"
  [ "$E2E_RC" = 0 ] || e2e_fail "$1: exit code $E2E_RC"
  [ "$(e2e_cfg_get options volume)" = 8 ] || e2e_fail "$1: settings not written to dunmar.cfg"
}

cpu_note() {
  local cpu
  cpu=$(menu_cpu_percent 6)
  e2e_note "processor use with $1 open for 6 s: $cpu percent of one core"
  awk -v c="$cpu" 'BEGIN { exit !(c < 20) }' || e2e_fail "$1 idles at $cpu percent"
}

# --- The file selector and its right-click menu.
e2e_write_cfg
menu_start
e2e_key 1
expect_shown "file selection" "PLAY QUEST"
cpu_note "the file selector"
e2e_close
expect_shown "$QUESTION" "close button over the file selector"
e2e_shot question-over-selector
cpu_note "the exit question over the file selector"
e2e_key c
expect_gone "$QUESTION" "CANCEL over the file selector"
expect_shown "file selection" "the file selector after CANCEL"
e2e_running || e2e_fail "CANCEL ended the game"

# The path field's menu: the close button takes it away and asks.
e2e_move 500 239
sleep 0.2
e2e_fresh_shot
BEFORE_MENU="$E2E_LAST_SHOT"
e2e_click 500 239 3
sleep 0.5
e2e_fresh_shot
[ "$(menu_sig "$BEFORE_MENU" 500 239 60 50)" != "$(menu_sig "$E2E_LAST_SHOT" 500 239 60 50)" ] ||
  e2e_fail "no menu after a right click on the path field"
e2e_shot field-menu
cpu_note "the path field's menu"
e2e_close
expect_shown "$QUESTION" "close button over the field's menu"
e2e_shot question-over-field-menu
e2e_key c
expect_gone "$QUESTION" "CANCEL over the field's menu"
expect_shown "file selection" "the file selector after the menu"

e2e_close
expect_shown "$QUESTION" "close button over the file selector, again"
e2e_key o
expect_clean_exit "OK over the file selector"

# --- An alert: the game menu's question before leaving the Magic Dungeon's level 1.
e2e_write_cfg
menu_start
e2e_key 2
wait_until 20 briefing_open || e2e_fail "THE DUNGEON opened no briefing"
read -r OX OY < <(e2e_find_text $PLAY_FONT 490 240 130 200 "OK")
e2e_click $((OX + 6)) $((OY + 6))
park
wait_until 20 last_line_is "Barbarian make your move..." || e2e_fail "level 1 did not start"
e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click exit
ALERT="Exit to Mainmenu?"
expect_shown "$ALERT" "the game menu's EXIT"
cpu_note "an alert"
e2e_close
expect_shown "$QUESTION" "close button over an alert"
e2e_shot question-over-alert
e2e_key c
expect_gone "$QUESTION" "CANCEL over the alert"
expect_shown "$ALERT" "the alert after CANCEL"
e2e_close
expect_shown "$QUESTION" "close button over the alert, again"
e2e_key o
expect_clean_exit "OK over an alert"
e2e_pass
