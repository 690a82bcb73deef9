#!/bin/bash
# An installed game: the program folder cannot be written (a read-only mount when run as
# root, whom permissions do not stop; else the write permissions taken away). The game
# starts with the settings of the user's configuration folder, lists the shipped quests
# from the user's data folder, saves a game there and its settings at exit (Alt+Enter
# made it full screen); the next start comes up full screen and loads the saved game.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
source "$(dirname "$0")/play_helpers.sh"
source "$(dirname "$0")/platform_helpers.sh"
e2e_init "$1"
e2e_write_cfg
CFG_DIR="$XDG_CONFIG_HOME/dunmarrow"
DATA_DIR="$XDG_DATA_HOME/dunmarrow"
mkdir -p "$CFG_DIR"
mv "$E2E_GAME/dunmar.cfg" "$CFG_DIR/dunmar.cfg"
rm -f "$E2E_GAME/saves/"*
BEFORE=$(cd "$E2E_GAME" && find . | sort | md5sum)

start_read_only() {
  E2E_RC=""
  if [ "$(id -u)" = 0 ]; then
    (cd "$E2E_GAME" && exec unshare -m sh -c \
      'mount --bind "$0" "$0" && mount -o remount,ro,bind "$0" "$0" && cd "$0" && exec ./dunmarrow' \
      "$E2E_GAME") >>"$E2E_TMP/game.log" 2>&1 &
  else
    chmod -R a-w "$E2E_GAME"
    (cd "$E2E_GAME" && exec ./dunmarrow) >>"$E2E_TMP/game.log" 2>&1 &
  fi
  E2E_PID=$!
}

LIST="268 257 264 93"
open_shipped_quest() {
  e2e_click 296 245  # PLAY QUEST
  park
  wait_until 10 text_in $LIST "lanterncrypt.qst" || e2e_fail "the quest selector does not list the shipped lanterncrypt.qst"
  read -r QX QY < <(e2e_find_text $PLAY_FONT $LIST "lanterncrypt.qst")
  e2e_click $((QX + 20)) $((QY + 6))
  park
  e2e_click 352 376  # OK
  park
  pass_briefing lanterncrypt.qst
  wait_turn Barbarian
}

# ---- First start: settings from the user's folder, a game saved into it ----------------
start_read_only
e2e_window 20 || e2e_fail "no window"
e2e_fullscreen && e2e_fail "fullscreen 0 in the user's dunmar.cfg should give a window"
e2e_focus
e2e_wait_for 25 menu_title_up || e2e_fail "the main menu did not appear"
[ -L "$DATA_DIR/quests/lanterncrypt.qst" ] || e2e_fail "the shipped quests are not linked into $DATA_DIR/quests"
[ -d "$DATA_DIR/saves" ] || e2e_fail "no saves folder in $DATA_DIR"
open_shipped_quest
e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click save
sleep 1
e2e_click 352 376  # OK
park
wait_until 5 last_line_is "Maps saved." || e2e_fail "the game was not saved"
[ -s "$DATA_DIR/saves/lanterncrypt.sav" ] || e2e_fail "no lanterncrypt.sav in $DATA_DIR/saves"
game_menu_click exit
wait_until 5 exit_question_open || e2e_fail "EXIT asks nothing"
e2e_click 366 324  # OK
park
e2e_wait_for 10 menu_title_up || e2e_fail "the main menu did not come back"
platform_alt_enter
e2e_window 10 && e2e_fullscreen || e2e_fail "Alt+Enter did not go full screen"
e2e_focus
e2e_key Escape
e2e_wait_for 3 eval '! e2e_running' || e2e_key o
e2e_wait_exit 20 || e2e_fail "the game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC: $(e2e_log | tail -3)"
[ "$(e2e_cfg_get general fullscreen "$CFG_DIR/dunmar.cfg")" = 1 ] ||
  e2e_fail "the user's dunmar.cfg did not keep fullscreen 1"
[ "$(e2e_cfg_get hallfame0 name "$CFG_DIR/dunmar.cfg")" = Halberdier ] ||
  e2e_fail "no Hall of Fame in the user's dunmar.cfg"
[ "$(cd "$E2E_GAME" && find . | sort | md5sum)" = "$BEFORE" ] || e2e_fail "the program folder changed"

# ---- Next start: full screen as kept, the saved game found and loaded --------------------
start_read_only
e2e_window 20 || e2e_fail "no window at the next start"
e2e_fullscreen || e2e_fail "the next start is not full screen"
e2e_focus
e2e_wait_for 25 menu_title_up || e2e_fail "the main menu did not appear at the next start"
open_shipped_quest
e2e_key Escape
wait_until 5 game_menu_open || e2e_fail "Escape did not open the game menu"
game_menu_click load
wait_until 5 text_in $LIST "lanterncrypt.sav" || e2e_fail "the load selector does not list the saved lanterncrypt.sav"
e2e_click 352 376  # OK
park
wait_until 10 last_line_is "You are now playing The Lantern Crypt by The Dunmarrow Team." ||
  e2e_fail "the saved game was not loaded"
e2e_close
e2e_wait_for 3 eval '! e2e_running' || e2e_key o
e2e_wait_exit 20 || e2e_fail "the game did not end"
e2e_pass
