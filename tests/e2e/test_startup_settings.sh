#!/bin/bash
# A start with a player's dunmar.cfg: windowed, an unplayable colour depth, changed
# options, a Hall of Fame entry edited by hand, foreign sections. Closed with the
# window's close button.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/startup_checks.sh"
e2e_init "$1"

e2e_write_cfg general bpp 8 general developer 1 options fixedwalk 0 options volume 3 \
  dungeon lastlevel 7 guicolor background 5A6E82
# Entry 3 as the game wrote it, then its experience raised by hand (70 -> 75).
cat >>"$E2E_GAME/dunmar.cfg" <<'CFG'

[hallfame3]
name = Halberdier
quest = No Quest on record
experience = 75
gold = 70
kills = 7
picture = 9
ID = 0
checksum = 9435

[hallfame5]
name = Corwin Ashdown
quest = The Sunken Chapel
experience = 64
gold = 12
kills = 3
picture = 4
ID = 4242
checksum = 4305
CFG

e2e_start || e2e_fail "no game window"
e2e_fullscreen && e2e_fail "fullscreen 0 should give a window"
e2e_wait_for 20 e2e_region_busy 11 11 651 476 200 || e2e_fail "board shows no picture"
e2e_wait_for 10 e2e_region_busy 14 504 640 80 3 || e2e_fail "no message lines"
# The configured background (90, 110, 130), shaded lighter, under the messages.
[ "$(e2e_pixel "$E2E_LAST_SHOT" 611 508)" = "97 120 138" ] ||
  e2e_fail "message area colour $(e2e_pixel "$E2E_LAST_SHOT" 611 508)"
[ "$(e2e_count_color "$E2E_LAST_SHOT" 11 502 651 87 0 100 0 2)" -gt 20 ] ||
  e2e_fail "no green developer line"
# Quest files are registered only while firstrun is above 0.
[ -e "$XDG_DATA_HOME/applications/dunmarrow.desktop" ] && e2e_fail "registered with firstrun 0"

startup_leave_with_close
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"

startup_check_options firstrun 0 bpp 32 fullscreen 0 sound 0 developer 1 fixedwalk 0 \
  volume 3 lastlevel 7 background 5A6E82
startup_check_hall_of_fame
[ "${E2E_CFG[hallfame3.name]}" = "Checksum Error!" ] ||
  e2e_fail "edited entry is named '${E2E_CFG[hallfame3.name]}'"
[ "${E2E_CFG[hallfame3.experience]}" = 75 ] || e2e_fail "edited experience not kept"
[ "${E2E_CFG[hallfame5.name]}" = "Corwin Ashdown" ] || e2e_fail "valid entry renamed"
[ "${E2E_CFG[hallfame5.ID]}" = 4242 ] || e2e_fail "ID of a valid entry lost"
[ "${E2E_CFG[hallfame4.name]}" = Halberdier ] || e2e_fail "missing entry not defaulted"
[ "${E2E_CFG[sound.digi_card]}" = 0 ] || e2e_fail "foreign section lost"
[ ! -e "$E2E_GAME/dunmar.cfg.new" ] || e2e_fail "temporary file left behind"
e2e_pass
