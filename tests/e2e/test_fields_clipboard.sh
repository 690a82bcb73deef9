#!/bin/bash
# The text field shares the desktop's clipboard with other programs: a text another
# program (xclip) put there is pasted into the file selector's path field, and what
# the field copies or cuts comes back out to xclip, also after the game has ended.
# Ctrl-V / Ctrl-C and the right-click menu "Copy", "Cut", "Paste" both work.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
command -v xclip >/dev/null || e2e_fail "xclip is not installed"
e2e_write_cfg
e2e_start || e2e_fail "no window"
e2e_wait_for 20 e2e_region_busy 246 234 100 22 || e2e_fail "no main menu"
sleep 0.5

# PLAY QUEST opens the file selector (296 x 202, centred) with the path field focused.
e2e_key 1
FIELD="276 234 234 10"  # x y w h inside the path field (266..531 x 233..244), right
                        # of where the cursor of an empty field stands
HOVER="525 239"         # on the field, right of that region (the pointer is drawn too)
e2e_wait_for 15 e2e_region_busy $FIELD 2 || e2e_fail "no file selector with a path in its field"
sleep 0.3

clip_put() { printf '%s' "$1" | xclip -selection clipboard -i 2>/dev/null; }
clip_get() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
clip_is() { [ "$(clip_get)" = "$1" ]; }
expect_clip() {
  e2e_wait_for 5 clip_is "$1" || e2e_fail "$2: clipboard holds '$(clip_get)', wanted '$1'"
}

# Another program's text comes in with Ctrl-V and replaces the path; typing goes on
# after it; Ctrl-C hands the whole field back.
e2e_move $HOVER
clip_put "dragon"
e2e_key ctrl+v
e2e_type keep
e2e_key ctrl+c
expect_clip "dragonkeep" "paste, type, copy"
e2e_shot pasted

# The right-click menu opens at the pointer: "Copy", "Cut", "Paste", one below the
# other. The pointer steps aside onto the field, off the menu, and the entry is picked
# with the keys (the first Down lights "Copy").
menu_pick() {  # $1: 0 Copy, 1 Cut, 2 Paste
  e2e_click $HOVER 3
  sleep 0.4
  e2e_move 470 239
  local i
  for i in $(seq 0 "$1"); do e2e_key Down; done
  e2e_key Return
  sleep 0.3
  e2e_move $HOVER
}

clip_put "other"
menu_pick 1
expect_clip "dragonkeep" "Cut from the menu copies the text"
sleep 0.3
e2e_region_plain $FIELD || e2e_fail "the field still shows text after Cut"

clip_put "castle"
menu_pick 2
e2e_key End
e2e_type s
menu_pick 0
expect_clip "castles" "Paste then Copy from the menu"

# A wide text is cut to the field's size and the cursor stands after it: typing adds
# nothing more, Ctrl-C gives the cut text back.
LONG=$(printf 'a%.0s' $(seq 700))
clip_put "$LONG"
e2e_key ctrl+v
e2e_type z
e2e_key ctrl+c
GOT=$(clip_get)
[ "${#GOT}" -ge 100 ] && [ "${#GOT}" -lt 700 ] || e2e_fail "pasted wide text has ${#GOT} characters"
[ "$GOT" = "$(printf 'a%.0s' $(seq ${#GOT}))" ] || e2e_fail "a full field took another character"

# What the game copied stays on the clipboard after the game is gone.
clip_put "x"
e2e_key ctrl+x
expect_clip "$GOT" "Ctrl-X copies"
e2e_key Escape
sleep 0.5
e2e_close
sleep 0.5
e2e_key Return
e2e_wait_exit 20 || e2e_fail "the game did not end"
expect_clip "$GOT" "after the game ended"
e2e_pass
