#!/bin/bash
# Start-up failures end the game with code 1 and say why, and leave dunmar.cfg alone:
# a missing or empty datafile or prefab file, and a sound driver that cannot start.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
mkdir "$E2E_TMP/orig"
cp "$E2E_GAME/Dunmar.dat" "$E2E_GAME/Dunmar.qpf" "$E2E_TMP/orig/"

DAT_MSG="Fatal error while loading Dunmar.dat!"
QPF_MSG="Fatal error while loading Dunmar.qpf!"

# run_case NAME DAT QPF EXPECTED... : DAT and QPF are "ok", "missing" or "empty".
run_case() {
  local name="$1" dat="$2" qpf="$3" f state
  shift 3
  for f in Dunmar.dat:$dat Dunmar.qpf:$qpf; do
    state="${f#*:}"
    f="${f%%:*}"
    rm -f "$E2E_GAME/$f"
    case "$state" in
      ok) cp "$E2E_TMP/orig/$f" "$E2E_GAME/$f" ;;
      empty) : >"$E2E_GAME/$f" ;;
    esac
  done
  e2e_write_cfg general firstrun 2
  cp "$E2E_GAME/dunmar.cfg" "$E2E_TMP/cfg-before"
  : >"$E2E_TMP/game.log"
  e2e_start_nowait
  e2e_wait_exit 20 || e2e_fail "$name: the game kept running"
  [ "$E2E_RC" = 1 ] || e2e_fail "$name: exit code $E2E_RC"
  local want
  for want in "$@"; do
    grep -qF "$want" "$E2E_TMP/game.log" || e2e_fail "$name: no '$want' in the output"
  done
  for want in "$DAT_MSG" "$QPF_MSG"; do
    if grep -qF "$want" "$E2E_TMP/game.log"; then
      case " $* " in *"$want"*) ;; *) e2e_fail "$name: '$want' without cause" ;; esac
    fi
  done
  cmp -s "$E2E_GAME/dunmar.cfg" "$E2E_TMP/cfg-before" || e2e_fail "$name: dunmar.cfg changed"
  e2e_note "$name: ok"
}

run_case "no datafile" missing ok "$DAT_MSG"
run_case "empty datafile" empty ok "$DAT_MSG"
run_case "no prefab file" ok missing "$QPF_MSG"
run_case "empty prefab file" ok empty "$QPF_MSG"
run_case "neither" missing missing "$DAT_MSG" "$QPF_MSG"

# On a desktop the message also comes in a box of its own, which must not hold the
# game's exit back.
if command -v xmessage >/dev/null; then
  rm -f "$E2E_GAME/Dunmar.dat"
  DUNMARROW_NO_MESSAGE_BOX= e2e_start_nowait
  e2e_wait_exit 20 || e2e_fail "message box: the game waited for it"
  [ "$E2E_RC" = 1 ] || e2e_fail "message box: exit code $E2E_RC"
  e2e_wait_for 10 xdotool search --class xmessage >/dev/null ||
    e2e_fail "no message box for a desktop user"
fi

# A sound driver named in the configuration that cannot start (no sound device here).
rm -f "$E2E_GAME/Dunmar.dat" "$E2E_GAME/Dunmar.qpf"
cp "$E2E_TMP/orig/Dunmar.dat" "$E2E_TMP/orig/Dunmar.qpf" "$E2E_GAME/"
e2e_write_cfg general sound 1 sound digi_card ALSA
cp "$E2E_GAME/dunmar.cfg" "$E2E_TMP/cfg-before"
: >"$E2E_TMP/game.log"
e2e_start_nowait
if e2e_window 10; then
  e2e_note "this machine has a working sound device: sound failure not checked"
  e2e_close
  e2e_key o
  e2e_wait_exit 20
else
  e2e_wait_exit 20 || e2e_fail "sound failure: the game kept running"
  [ "$E2E_RC" = 1 ] || e2e_fail "sound failure: exit code $E2E_RC"
  grep -q "^Sound Error: " "$E2E_TMP/game.log" || e2e_fail "no sound error message"
  grep -qF "Optionally disable sound through dunmar.cfg." "$E2E_TMP/game.log" ||
    e2e_fail "no advice in the sound error message"
  cmp -s "$E2E_GAME/dunmar.cfg" "$E2E_TMP/cfg-before" || e2e_fail "sound failure: dunmar.cfg changed"
fi
e2e_pass
