#!/bin/bash
# A first start without dunmar.cfg: full screen with sound, as a new player gets it.
# The loading screen, the title picture with the message lines, a clean exit, every
# setting and the whole Hall of Fame written back, the quest files registered.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/startup_checks.sh"
e2e_init "$1"

# The game waits on its loading screen until the test has looked at it.
e2e_hold_open Dunmar.dat

e2e_start || e2e_fail "no game window"
e2e_fullscreen || e2e_fail "the first start should be full screen"
e2e_shot loading || e2e_fail "no screenshot"
# The background shaded darker, "LOADING..." in the highlight colour at the bottom.
[ "$(e2e_pixel "$E2E_LAST_SHOT" 5 5)" = "115 102 72" ] ||
  e2e_fail "loading background is $(e2e_pixel "$E2E_LAST_SHOT" 5 5)"
red=$(e2e_count_color "$E2E_LAST_SHOT" 350 584 100 14 136 0 0)
[ "$red" -ge 40 ] || e2e_fail "no LOADING... text at the bottom ($red red pixels)"
[ "$(e2e_count_color "$E2E_LAST_SHOT" 0 0 800 580 136 0 0)" = 0 ] ||
  e2e_fail "highlight colour outside the loading line"
e2e_release_open

# Title picture on the board, the system lines in the message area.
e2e_wait_for 20 e2e_region_busy 11 11 651 476 200 || e2e_fail "board shows no picture"
e2e_wait_for 10 e2e_region_busy 14 504 640 80 3 || e2e_fail "no message lines"
lines=$(startup_message_rows "$E2E_LAST_SHOT")
[ "$lines" = 5 ] || e2e_fail "only $lines of the last five message lines written"

startup_leave_with_escape
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"

startup_check_options firstrun 0 bpp 32 fullscreen 1 sound 1
startup_check_hall_of_fame
for i in 0 1 2 3 4 5 6 7; do
  [ "${E2E_CFG[hallfame$i.name]}" = Halberdier ] || e2e_fail "hallfame$i name changed"
done

# Registered for the (temporary) user: the quest family opens in this copy of the game.
mime="$XDG_DATA_HOME/mime/packages/dunmarrow.xml"
desktop="$XDG_DATA_HOME/applications/dunmarrow.desktop"
grep -q '<glob pattern="\*\.qst"/>' "$mime" || e2e_fail "no .qst glob in $mime"
grep -q '<glob pattern="\*\.q20"/>' "$mime" || e2e_fail "no .q20 glob in $mime"
grep -qx "Exec=\"$E2E_GAME/dunmarrow\" %f" "$desktop" || e2e_fail "wrong Exec in $desktop"
grep -qx 'MimeType=application/x-dunmarrow-quest;' "$desktop" || e2e_fail "no MimeType"
e2e_pass
