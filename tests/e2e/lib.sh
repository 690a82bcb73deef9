# Shared helpers for the end-to-end tests: the real game in a private Xvfb, driven
# with xdotool, checked through screenshots and the files it writes.
#
# Use it from a test script tests/e2e/test_<name>.sh (ctest runs it as
# `bash test_<name>.sh <program folder>`; every test_*.sh is registered by itself):
#
#   #!/bin/bash
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$1"                    # temp folders, private X server, copy of the game
#   e2e_write_cfg                    # dunmar.cfg: windowed, no sound, no first-run work
#   e2e_start || e2e_fail "no window"    # start the game, wait for its window, focus it
#   e2e_wait_for 20 e2e_region_busy 11 502 651 87 || e2e_fail "no message lines"
#   e2e_key Escape                   # keydown, 0.1 s, keyup
#   e2e_click 400 300                # window-relative click (button 1)
#   e2e_shot menu                    # $E2E_SHOTS/menu.png, its path in $E2E_LAST_SHOT
#   e2e_pixel "$E2E_LAST_SHOT" 5 5   # prints "R G B"
#   e2e_close                        # the window's close button (WM_DELETE_WINDOW)
#   e2e_wait_exit 20 || e2e_fail "still running"
#   [ "$E2E_RC" = 0 ] || e2e_fail "exit code $E2E_RC"
#   [ "$(e2e_cfg_get general bpp)" = 32 ] || e2e_fail "bpp not written back"
#   e2e_pass
#
# Everything lives under one temp folder ($E2E_TMP): the copy of the program folder
# ($E2E_GAME, the game's dunmar.cfg is $E2E_GAME/dunmar.cfg), HOME and XDG_DATA_HOME
# (the real home folder is never touched), screenshots ($E2E_SHOTS) and the game's
# output ($E2E_TMP/game.log). DUNMARROW_NO_MESSAGE_BOX=1 keeps start-up failures on
# that output instead of a message box. On exit the game and the X server are killed;
# the temp folder is deleted after a pass and kept (its path printed) after a failure.
#
# Leaving the game: Escape or the close button brings "  Exit Dunmarrow?  ", which
# e2e_key o confirms; the game then writes dunmar.cfg and ends with code 0.
#
# Functions (every wait is bounded; times in seconds):
#   e2e_init DIR               set up; DIR is the program folder (build/game)
#   e2e_write_cfg [S K V]...   write $E2E_GAME/dunmar.cfg: fullscreen 0, sound 0,
#                              firstrun 0, silent sound drivers, then each
#                              "section key value" triple given (overrides welcome)
#   e2e_set_cfg S K V          change one key of the existing dunmar.cfg
#   e2e_start [ARGS...]        start the game (arguments passed on), wait up to 20 s for
#                              its window, focus it; sets E2E_PID, E2E_WIN, E2E_VIEW;
#                              1 if none
#   e2e_start_nowait [ARGS...] start the game only (for runs that end before a window)
#   e2e_hold_open NAME         from the next start on, the game waits when it opens a
#                              file named NAME (e.g. Dunmar.dat) until e2e_release_open
#                              (60 s at most): the screen before it can be checked
#   e2e_release_open           lets the held opening go on
#   e2e_window [TIMEOUT]       wait for the game's window: E2E_WIN is the one titled
#                              "Dunmarrow" (close requests go there), E2E_VIEW the one
#                              showing the game, 800 x 600 (screenshots, mouse, focus);
#                              the same window unless the game runs full screen
#   e2e_fullscreen             true when the game runs full screen
#   e2e_focus                  focus the game window
#   e2e_key KEY...             press and release each key (xdotool names: Escape,
#                              Return, o, ctrl+s, F1 ...), 0.15 s apart
#   e2e_type TEXT              type a text, one key after another
#   e2e_move X Y               move the pointer to window-relative (X, Y)
#   e2e_click X Y [BUTTON]     move there, press, 0.05 s, release
#   e2e_wheel up|down          one wheel step
#   e2e_close                  send WM_DELETE_WINDOW (the window's close button)
#   e2e_shot NAME              screenshot of the window -> $E2E_SHOTS/NAME.png
#                              (also in $E2E_LAST_SHOT); 1 when it failed
#   e2e_pixel FILE X Y         print "R G B" of a pixel of a picture
#   e2e_colors FILE X Y W H    print the number of distinct colours in a rectangle
#   e2e_count_color FILE X Y W H R G B [FUZZ]   print how many pixels of the rectangle
#                              have the colour (R, G, B), exactly or within FUZZ percent
#                              (anti-aliased datafile fonts come out a step off, e.g.
#                              (0, 100, 0) as (0, 101, 0): use 2)
#   e2e_find_text FONT X Y W H TEXT [aa]   true when TEXT, drawn in the datafile font
#                              FONT (e.g. 120, the dialog font), stands inside the
#                              rectangle of the last screenshot; prints its top-left
#                              corner "X Y"; with aa it must be anti-aliased too
#   e2e_region_busy X Y W H [MIN]   fresh screenshot; true when the rectangle has at
#                              least MIN (default 3) colours, i.e. something is drawn
#   e2e_region_plain X Y W H   fresh screenshot; true when the rectangle is one colour
#   e2e_wait_for TIMEOUT CMD...    retry CMD every 0.25 s until it succeeds
#   e2e_wait_exit [TIMEOUT]    wait for the game to end (default 20 s); sets E2E_RC;
#                              1 when it is still running (then it is killed)
#   e2e_running                true while the game runs
#   e2e_cfg_get S K [FILE]     a value of dunmar.cfg (or FILE), empty when missing
#   e2e_cfg_load [FILE]        reads all of dunmar.cfg (or FILE) at once into the
#                              array E2E_CFG: ${E2E_CFG[general.bpp]}; 1 when missing
#   e2e_log                    print the game's output so far
#   e2e_fail MSG               report, take a last screenshot, exit 1 (temp folder kept)
#   e2e_pass                   report success, exit 0
#
# The X screen is 1024x768x24; set E2E_SCREEN (e.g. 640x480x24) before e2e_init for
# another one.
#
# Needs Xvfb, xdotool, imagemagick (import, convert) and a C compiler with the X11
# headers for the close-button helper (built by CMake as e2e-tools/xclose, else here).

E2E_NAME=$(basename "${BASH_SOURCE[1]:-$0}" .sh)
E2E_TMP=""
E2E_GAME=""
E2E_SHOTS=""
E2E_LAST_SHOT=""
E2E_PID=""
E2E_WIN=""
E2E_VIEW=""
E2E_RC=""
E2E_XVFB_PID=""
E2E_XCLOSE=""
E2E_FAILED=1   # until e2e_pass says otherwise

e2e_note() { echo "[$E2E_NAME] $*" >&2; }

e2e_cleanup() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null
    sleep 0.2
    kill -9 "$E2E_PID" 2>/dev/null
  fi
  if [ -n "$E2E_XVFB_PID" ] && kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    sleep 0.2
    kill -9 "$E2E_XVFB_PID" 2>/dev/null
  fi
  if [ -n "$E2E_TMP" ] && [ -d "$E2E_TMP" ]; then
    if [ "$E2E_FAILED" = 0 ]; then
      rm -rf "$E2E_TMP"
    else
      e2e_note "kept for inspection: $E2E_TMP (screenshots in $E2E_SHOTS, output in $E2E_TMP/game.log)"
    fi
  fi
}

e2e_fail() {
  e2e_note "FAIL: $*"
  if [ -n "$E2E_VIEW" ] && e2e_running; then e2e_shot "at-failure" >/dev/null 2>&1; fi
  if [ -f "$E2E_TMP/game.log" ] && [ -s "$E2E_TMP/game.log" ]; then
    e2e_note "game output:"
    tail -20 "$E2E_TMP/game.log" >&2
  fi
  E2E_FAILED=1
  exit 1
}

e2e_pass() {
  e2e_note "PASS"
  E2E_FAILED=0
  exit 0
}

# Starts Xvfb on a display it picks itself (no clash with parallel runs).
e2e_start_x() {
  local fdfile="$E2E_TMP/display"
  : >"$fdfile"
  Xvfb -displayfd 9 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp -noreset 9>"$fdfile" \
    >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$fdfile" ]; then break; fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  local n
  n=$(tr -dc '0-9' <"$fdfile")
  [ -n "$n" ] || { cat "$E2E_TMP/xvfb.log" >&2; e2e_fail "Xvfb did not start"; }
  export DISPLAY=":$n"
  for i in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  e2e_fail "Xvfb on $DISPLAY does not answer"
}

e2e_find_xclose() {
  local built="${DUNMARROW_BUILD_DIR:-}/e2e-tools/xclose"
  if [ -n "${DUNMARROW_BUILD_DIR:-}" ] && [ -x "$built" ]; then
    E2E_XCLOSE="$built"
    return 0
  fi
  local src
  src="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/tools/xclose.c"
  E2E_XCLOSE="$E2E_TMP/xclose"
  cc -O1 -o "$E2E_XCLOSE" "$src" -lX11 || e2e_fail "cannot build $src"
}

e2e_init() {
  local src="$1"
  [ -n "$src" ] && [ -d "$src" ] || { echo "usage: $0 PROGRAM-FOLDER" >&2; exit 2; }
  [ -x "$src/dunmarrow" ] || { echo "no game in $src (build target game first)" >&2; exit 2; }
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/dunmarrow-e2e-$E2E_NAME.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 1' INT TERM
  E2E_GAME="$E2E_TMP/game"
  E2E_SHOTS="$E2E_TMP/shots"
  mkdir -p "$E2E_SHOTS" "$E2E_TMP/home" "$E2E_TMP/data"
  cp -r "$src" "$E2E_GAME"
  rm -f "$E2E_GAME/dunmar.cfg" "$E2E_GAME/scrdump1.pcx" "$E2E_GAME/greymap.pcx"
  export HOME="$E2E_TMP/home"
  export XDG_DATA_HOME="$E2E_TMP/data"
  export XDG_CONFIG_HOME="$E2E_TMP/home/.config"
  unset XDG_DATA_DIRS
  # Start-up failures go to the game's output only, no message box waiting for a click.
  export DUNMARROW_NO_MESSAGE_BOX=1
  e2e_find_xclose
  e2e_start_x
}

e2e_write_cfg() {
  {
    printf '[general]\nfirstrun = 0\nfullscreen = 0\nsound = 0\n\n'
    printf '[sound]\ndigi_card = 0\nmidi_card = 0\n\n'
  } >"$E2E_GAME/dunmar.cfg"
  while [ $# -ge 3 ]; do
    e2e_set_cfg "$1" "$2" "$3"
    shift 3
  done
}

# Sets key K of section S to V in the game's dunmar.cfg (adds section or key as needed).
e2e_set_cfg() {
  local file="$E2E_GAME/dunmar.cfg"
  [ -f "$file" ] || : >"$file"
  awk -v s="$1" -v k="$2" -v v="$3" '
    function flush() { if (insec && !done) { print k " = " v; done = 1 } }
    /^\[.*\][ \t]*$/ {
      flush()
      name = $0; gsub(/^\[|\][ \t]*$/, "", name)
      insec = (name == s)
      print; next
    }
    insec && !done {
      line = $0; key = line; sub(/[ \t]*=.*/, "", key); gsub(/^[ \t]+/, "", key)
      if (key == k && line ~ /=/) { print k " = " v; done = 1; next }
    }
    { print }
    END { flush(); if (!done) { print ""; print "[" s "]"; print k " = " v } }
  ' "$file" >"$file.edit" && mv "$file.edit" "$file"
}

declare -gA E2E_CFG=()
e2e_cfg_load() {
  local file="${1:-$E2E_GAME/dunmar.cfg}" line sec="" val
  E2E_CFG=()
  [ -f "$file" ] || return 1
  while IFS= read -r line || [ -n "$line" ]; do
    line="${line%$'\r'}"
    if [[ $line =~ ^\[(.*)\][[:space:]]*$ ]]; then
      sec="${BASH_REMATCH[1]}"
    elif [[ $line =~ ^[[:space:]]*([^=#[:space:]]([^=]*[^=[:space:]])?)[[:space:]]*=[[:space:]]*(.*)$ ]]; then
      val="${BASH_REMATCH[3]}"
      val="${val%"${val##*[![:space:]]}"}"
      E2E_CFG["$sec.${BASH_REMATCH[1]}"]="$val"
    fi
  done <"$file"
  return 0
}

# One value through e2e_cfg_load, into a table of its own: E2E_CFG is left as it was.
e2e_cfg_get() {
  local -A E2E_CFG=()
  e2e_cfg_load "${3:-}" || return 0
  printf '%s\n' "${E2E_CFG["$1.$2"]-}"
}

e2e_running() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }

E2E_HOLD_NAME=""
e2e_hold_open() {
  local lib="${DUNMARROW_BUILD_DIR:-}/e2e-tools/hold_open.so" src
  if [ -z "${DUNMARROW_BUILD_DIR:-}" ] || [ ! -f "$lib" ]; then
    src="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/tools/hold_open.c"
    lib="$E2E_TMP/hold_open.so"
    [ -f "$lib" ] || cc -O1 -shared -fPIC -o "$lib" "$src" -ldl || e2e_fail "cannot build $src"
  fi
  E2E_HOLD_LIB="$lib"
  E2E_HOLD_NAME="$1"
  rm -f "$E2E_TMP/hold-gate"
}

e2e_release_open() { : >"$E2E_TMP/hold-gate"; }

e2e_start_nowait() {
  E2E_WIN=""
  E2E_VIEW=""
  E2E_RC=""
  if [ -n "$E2E_HOLD_NAME" ]; then
    (cd "$E2E_GAME" && LD_PRELOAD="$E2E_HOLD_LIB" E2E_HOLD_NAME="$E2E_HOLD_NAME" \
      E2E_HOLD_GATE="$E2E_TMP/hold-gate" exec ./dunmarrow "$@") >>"$E2E_TMP/game.log" 2>&1 &
  else
    (cd "$E2E_GAME" && exec ./dunmarrow "$@") >>"$E2E_TMP/game.log" 2>&1 &
  fi
  E2E_PID=$!
}

# The window titled "Dunmarrow" takes the close request; the game is drawn in it when
# windowed. Full screen, that window stays unmapped and the picture is a screen-sized
# override-redirect window with the 800 x 600 game window inside: E2E_VIEW is the
# window that shows the game (screenshots, mouse positions, focus).
e2e_window() {
  local timeout="${1:-20}" end w
  end=$(($(date +%s) + timeout))
  E2E_WIN=""
  E2E_VIEW=""
  while [ "$(date +%s)" -le "$end" ]; do
    if [ -z "$E2E_WIN" ]; then
      w=$(xdotool search --name '^Dunmarrow$' 2>/dev/null | tail -1)
      [ -n "$w" ] && E2E_WIN="$w"
    fi
    if [ -n "$E2E_WIN" ]; then
      local info
      info=$(xwininfo -id "$E2E_WIN" 2>/dev/null)
      if grep -q 'IsViewable' <<<"$info"; then
        # Windowed: the titled window is the view once it has its full size (it may be
        # mapped a moment before it is resized).
        grep -q 'geometry 800x600' <<<"$info" && { E2E_VIEW="$E2E_WIN"; return 0; }
      else
        # Full screen: the titled window stays unmapped and another one shows the game.
        # A window being mapped is unmapped for a moment too, so the titled window
        # must still be unmapped after the candidate was found.
        E2E_VIEW=$(xwininfo -root -tree 2>/dev/null |
          awk '$1 ~ /^0x/ && / 800x600\+/ { print $1; exit }')
        if [ -n "$E2E_VIEW" ] && [ "$E2E_VIEW" != "$E2E_WIN" ] &&
          xwininfo -id "$E2E_VIEW" 2>/dev/null | grep -q 'IsViewable'; then
          sleep 0.5
          xwininfo -id "$E2E_WIN" 2>/dev/null | grep -q 'IsViewable' || return 0
        fi
      fi
      E2E_VIEW=""
    fi
    e2e_running || return 1
    sleep 0.2
  done
  return 1
}

# True when the game runs full screen (its titled window is not the one shown).
e2e_fullscreen() { [ -n "$E2E_WIN" ] && [ "$E2E_WIN" != "$E2E_VIEW" ]; }

e2e_focus() {
  [ -n "$E2E_VIEW" ] || return 1
  timeout 5 xdotool windowfocus --sync "$E2E_VIEW" 2>/dev/null ||
    xdotool windowfocus "$E2E_VIEW" 2>/dev/null
  return 0
}

e2e_start() {
  e2e_start_nowait "$@"
  e2e_window 20 || return 1
  e2e_focus
  return 0
}

e2e_key() {
  local k
  for k in "$@"; do
    xdotool keydown "$k"
    sleep 0.1
    xdotool keyup "$k"
    sleep 0.15
  done
}

e2e_type() {
  local text="$1" i c
  for ((i = 0; i < ${#text}; i++)); do
    c="${text:i:1}"
    case "$c" in
      " ") c=space ;;
      ".") c=period ;;
      ",") c=comma ;;
      "-") c=minus ;;
      "_") c=underscore ;;
      "/") c=slash ;;
      ":") c=colon ;;
      "!") c=exclam ;;
      "?") c=question ;;
      "'") c=apostrophe ;;
    esac
    e2e_key "$c"
  done
}

e2e_move() { xdotool mousemove --window "$E2E_VIEW" "$1" "$2"; sleep 0.05; }

e2e_click() {
  local b="${3:-1}"
  e2e_move "$1" "$2"
  xdotool mousedown "$b"
  sleep 0.05
  xdotool mouseup "$b"
  sleep 0.15
}

e2e_wheel() {
  case "$1" in
    up) xdotool click 4 ;;
    down) xdotool click 5 ;;
    *) return 1 ;;
  esac
  sleep 0.1
}

e2e_close() {
  [ -n "$E2E_WIN" ] || return 1
  "$E2E_XCLOSE" "$E2E_WIN"
  sleep 0.2
}

e2e_shot() {
  local out="$E2E_SHOTS/$1.png"
  E2E_LAST_SHOT="$out"
  [ -n "$E2E_VIEW" ] || return 1
  if timeout 10 import -window "$E2E_VIEW" "$out" 2>/dev/null && [ -s "$out" ]; then
    return 0
  fi
  timeout 10 xwd -silent -id "$E2E_VIEW" | convert xwd:- "$out" 2>/dev/null
  [ -s "$out" ]
}

e2e_pixel() {
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)] %[fx:round(255*p{$2,$3}.g)] %[fx:round(255*p{$2,$3}.b)]\n" info:
}

e2e_colors() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -format '%k\n' info:
}

e2e_count_color() {
  local c="rgb($6,$7,$8)"
  convert "$1" -crop "$4x$5+$2+$3" +repage -fuzz "${9:-0}%" \
    -fill black +opaque "$c" -fill white -opaque "$c" \
    -format '%[fx:round(mean*w*h)]\n' info:
}

# The finder of texts in the game's colour fonts (tools/findtext.cpp): the build makes
# it, and a run outside the build compiles it here once.
E2E_FINDTEXT=""
E2E_FINDTEXT_SHOT=""
e2e_find_text() {
  if [ -z "$E2E_FINDTEXT" ]; then
    E2E_FINDTEXT="${DUNMARROW_BUILD_DIR:-}/e2e-tools/findtext"
    if [ -z "${DUNMARROW_BUILD_DIR:-}" ] || [ ! -x "$E2E_FINDTEXT" ]; then
      E2E_FINDTEXT="$E2E_TMP/findtext"
      [ -x "$E2E_FINDTEXT" ] || g++ -O2 -o "$E2E_FINDTEXT" \
        "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/tools/findtext.cpp" \
        $(pkg-config --cflags --libs allegro) || e2e_fail "cannot build the text finder"
    fi
  fi
  # The finder reads the old BMP format only: one copy per screenshot serves every search.
  if [ "$E2E_LAST_SHOT" != "$E2E_FINDTEXT_SHOT" ] || [ "$E2E_LAST_SHOT" -nt "$E2E_TMP/findtext.bmp" ]; then
    convert "$E2E_LAST_SHOT" BMP3:"$E2E_TMP/findtext.bmp" || e2e_fail "cannot convert $E2E_LAST_SHOT"
    E2E_FINDTEXT_SHOT=$E2E_LAST_SHOT
  fi
  "$E2E_FINDTEXT" "$E2E_GAME/Dunmar.dat" "$1" "$E2E_TMP/findtext.bmp" "${@:2}"
  local rc=$?
  [ "$rc" -le 1 ] || e2e_fail "the text finder failed"
  return "$rc"
}

E2E_SHOT_SEQ=0
e2e_fresh_shot() {
  E2E_SHOT_SEQ=$((E2E_SHOT_SEQ + 1))
  e2e_shot "$(printf 'poll-%03d' "$E2E_SHOT_SEQ")"
}

e2e_region_busy() {
  e2e_fresh_shot || return 1
  local n
  n=$(e2e_colors "$E2E_LAST_SHOT" "$1" "$2" "$3" "$4") || return 1
  [ "$n" -ge "${5:-3}" ]
}

e2e_region_plain() {
  e2e_fresh_shot || return 1
  [ "$(e2e_colors "$E2E_LAST_SHOT" "$1" "$2" "$3" "$4")" = 1 ]
}

e2e_wait_for() {
  local timeout="$1" end
  shift
  end=$(($(date +%s) + timeout))
  while :; do
    "$@" && return 0
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.25
  done
}

e2e_wait_exit() {
  local timeout="${1:-20}" end
  [ -n "$E2E_PID" ] || return 1
  end=$(($(date +%s) + timeout))
  while kill -0 "$E2E_PID" 2>/dev/null; do
    if [ "$(date +%s)" -ge "$end" ]; then
      e2e_note "the game did not end within $timeout s; killing it"
      [ -n "$E2E_VIEW" ] && e2e_shot "still-running" >/dev/null 2>&1
      kill -9 "$E2E_PID" 2>/dev/null
      wait "$E2E_PID" 2>/dev/null
      E2E_RC=""
      return 1
    fi
    sleep 0.1
  done
  wait "$E2E_PID"
  E2E_RC=$?
  return 0
}

e2e_log() { cat "$E2E_TMP/game.log" 2>/dev/null; }
