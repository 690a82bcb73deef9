#!/bin/bash
# Leaving the game from the main menu: the question comes from "EXIT" (key or
# button), from Escape and from the window's close button. Cancelling keeps the game
# running (from the menu's own question with "OPTIONS.." focused); OK ends it with
# code 0 and the settings written to dunmar.cfg.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_helpers.sh"
e2e_init "$1"

# The middle of the question box: its text and its two buttons.
question_sig() { menu_sig "$E2E_LAST_SHOT" 340 262 120 75; }

expect_clean_exit() {
  e2e_wait_exit 20 || e2e_fail "$1: the game did not end"
  [ "$E2E_RC" = 0 ] || e2e_fail "$1: exit code $E2E_RC"
  [ "$(e2e_cfg_get options volume)" = 8 ] || e2e_fail "$1: settings not written to dunmar.cfg"
  [ "$(e2e_cfg_get guicolor highlite)" != "" ] || e2e_fail "$1: colours not written"
}

# --- First run: every way in, answered Cancel; then OK from the EXIT button.
e2e_write_cfg
menu_start

e2e_key X
menu_wait_popup "EXIT key"
sleep 0.3
e2e_shot "question-exit-key"
menu_sig_exit=$(question_sig)
e2e_key c
menu_wait_closed "question from EXIT"
menu_expect_focus 6 "CANCEL from the EXIT key"

e2e_key Escape
menu_wait_popup "Escape"
sleep 0.3
e2e_shot "question-escape"
[ "$(question_sig)" = "$menu_sig_exit" ] || e2e_fail "Escape asks another question than EXIT"
e2e_key c
menu_wait_closed "question from Escape"
menu_expect_focus 6 "CANCEL from Escape"

# The close button: the same question, spelled the same ("OK" / "CANCEL").
e2e_close
menu_wait_popup "close button"
sleep 0.3
e2e_shot "question-close"
[ "$(question_sig)" = "$menu_sig_exit" ] || e2e_fail "the close button asks another question than EXIT"
e2e_key c
menu_wait_closed "question from the close button"
e2e_running || e2e_fail "Cancel on the close button ended the game"
# The menu still answers.
e2e_key 4
menu_wait_popup "menu after Cancel"
e2e_key Return
menu_wait_closed "notice after Cancel"

e2e_click 296 425
menu_park_pointer
menu_wait_popup "EXIT button"
e2e_key o
expect_clean_exit "OK from the EXIT button"

# --- Second run: Escape, OK.
e2e_write_cfg
menu_start
e2e_key Escape
menu_wait_popup "Escape (second run)"
e2e_key o
expect_clean_exit "OK from Escape"

# --- Third run: the close button, OK.
e2e_write_cfg
menu_start
e2e_close
menu_wait_popup "close button (third run)"
e2e_key o
expect_clean_exit "OK from the close button"
e2e_pass
