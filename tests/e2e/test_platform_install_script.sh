#!/bin/bash
# tools/install.sh PREFIX puts the game, its menu entry, quest file type and icon under
# PREFIX, and the installed game answers on the command line and runs from there.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
SRC="${DUNMARROW_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}"
BUILD="${DUNMARROW_BUILD_DIR:-$(cd "$1/.." && pwd)}"
P="$E2E_TMP/prefix"

bash "$SRC/tools/install.sh" >/dev/null 2>&1 && e2e_fail "install.sh without a prefix should fail"
bash "$SRC/tools/install.sh" "$P" "$BUILD" >"$E2E_TMP/install.log" 2>&1 ||
  e2e_fail "install.sh failed: $(tail -3 "$E2E_TMP/install.log")"
for f in lib/dunmarrow/dunmarrow lib/dunmarrow/Dunmar.dat lib/dunmarrow/Dunmar.qpf \
  lib/dunmarrow/quests/lanterncrypt.qst share/applications/dunmarrow.desktop \
  share/mime/packages/dunmarrow.xml share/icons/hicolor/64x64/apps/dunmarrow.png; do
  [ -s "$P/$f" ] || e2e_fail "install.sh did not install $f"
done
[ -e "$P/lib/dunmarrow/dunmar.cfg" ] && e2e_fail "install.sh copied a player's dunmar.cfg"
desktop="$P/share/applications/dunmarrow.desktop"
grep -qx "Exec=\"$P/lib/dunmarrow/dunmarrow\" %f" "$desktop" || e2e_fail "wrong Exec in $desktop"
grep -qx 'Icon=dunmarrow' "$desktop" || e2e_fail "no Icon in $desktop"
grep -qx 'MimeType=application/x-dunmarrow-quest;' "$desktop" || e2e_fail "no MimeType in $desktop"
[ "$(identify -format '%wx%h' "$P/share/icons/hicolor/64x64/apps/dunmarrow.png")" = 64x64 ] ||
  e2e_fail "the icon is not 64 x 64"

"$P/bin/dunmarrow" --version | grep -q '^Dunmarrow v' || e2e_fail "--version answers nothing"
"$P/bin/dunmarrow" --help | grep -q '^Usage: ' || e2e_fail "--help shows no usage"
"$P/bin/dunmarrow" --frobnicate >/dev/null 2>"$E2E_TMP/usage.txt"
rc=$?
[ "$rc" = 2 ] || e2e_fail "an unknown option ends with $rc, not 2"
grep -q '^Usage: ' "$E2E_TMP/usage.txt" || e2e_fail "an unknown option shows no usage"

# The installed game runs (a window through its own dunmar.cfg, as the program folder
# can be written here).
E2E_GAME="$P/lib/dunmarrow"
e2e_write_cfg
(cd "$E2E_TMP" && exec "$P/bin/dunmarrow") >>"$E2E_TMP/game.log" 2>&1 &
E2E_PID=$!
e2e_window 20 || e2e_fail "the installed game shows no window"
e2e_wait_for 20 e2e_region_busy 11 11 651 476 200 || e2e_fail "the installed game shows no title picture"
e2e_close
e2e_wait_for 3 eval '! e2e_running' || { e2e_focus; e2e_key o; }
e2e_wait_exit 20 || e2e_fail "the installed game did not end"
[ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
e2e_pass
