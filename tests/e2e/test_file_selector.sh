#!/bin/bash
# PLAY QUEST's file selector in the game's look: it lists the quest files of the
# quests folder (nothing else), shows a sunken list with anti-aliased entries and a
# focused path field with its cursor, its path anti-aliased like the texts around it;
# it opens on the folder alone when the default quest is not there. A file of another
# extension is refused with the alert "Error:" / "You are only allowed to" / "use the
# 'qst' extension."; a name that is not there gets "File not found:" and the selector
# back; a quest picked by typing its first letters in the list is loaded.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play_helpers.sh"
e2e_init "$1"
HERE="$(cd "$(dirname "$0")" && pwd)"

# Only these: a quest and two copies under other names, and a file that is no quest.
rm -f "$E2E_GAME/quests/"*
python3 "$HERE/board_quest.py" "$E2E_GAME/quests/boardtest.qst" || e2e_fail "could not write the quest"
cp "$E2E_GAME/quests/boardtest.qst" "$E2E_GAME/quests/alpha.qst"
cp "$E2E_GAME/quests/boardtest.qst" "$E2E_GAME/quests/bravo.qst"
echo "not a quest" >"$E2E_GAME/quests/notes.txt"

# A finder for texts in the game's colour fonts (tools/findtext.cpp): the build makes
# it, and a run outside the build compiles it here.
FINDTEXT="${DUNMARROW_BUILD_DIR:-}/e2e-tools/findtext"
if [ -z "${DUNMARROW_BUILD_DIR:-}" ] || [ ! -x "$FINDTEXT" ]; then
  FINDTEXT="$E2E_TMP/findtext"
  g++ -O2 -o "$FINDTEXT" "$HERE/tools/findtext.cpp" $(pkg-config --cflags --libs allegro) ||
    e2e_fail "cannot build the text finder"
fi

DIALOG_FONT=120  # dialogs, alerts and lists
FIELD_FONT=118   # the path field
# find_text FONT X Y W H TEXT [aa]: in the last screenshot; prints where. With aa the
# text must be anti-aliased as the game's dialog texts are.
find_text() {
  convert "$E2E_LAST_SHOT" BMP3:"$E2E_TMP/shot.bmp" || e2e_fail "cannot convert $E2E_LAST_SHOT"
  "$FINDTEXT" "$E2E_GAME/Dunmar.dat" "$1" "$E2E_TMP/shot.bmp" "${@:2}" >/dev/null
  local rc=$?
  [ "$rc" -le 1 ] || e2e_fail "the text finder failed"
  return "$rc"
}
shows() { find_text "$@" || e2e_fail "'${*: 6:1}' is not on the screen"; }
lacks() { ! find_text "$@" || e2e_fail "'${*: 6:1}' is on the screen"; }
brightness() { e2e_pixel "$E2E_LAST_SHOT" "$1" "$2" | awk '{print $1 + $2 + $3}'; }
# Pixels of the path field in the highlight colour (its cursor) in the last screenshot.
cursor_pixels() { e2e_count_color "$E2E_LAST_SHOT" 266 233 266 12 136 0 0; }

e2e_write_cfg
e2e_start || e2e_fail "no window"
e2e_wait_for 20 e2e_region_busy 246 234 100 22 || e2e_fail "no main menu"
sleep 0.5

# The selector (296 x 202, centred): title strip, path field at y 233..244, list
# framed from (267, 256) to (532, 350).
LIST="268 257 264 93"
e2e_key 1
e2e_wait_for 15 e2e_region_busy $LIST 4 || e2e_fail "no file list"
sleep 0.5
e2e_shot selector
shows $DIALOG_FONT 252 199 296 30 "file selection"
for q in alpha.qst boardtest.qst bravo.qst; do shows $DIALOG_FONT $LIST "$q"; done
lacks $DIALOG_FONT $LIST "notes.txt"
# The default quest ("original.qst") is not in the folder: the selector opens on the
# folder alone. The path reads as cleanly as the texts around it.
shows $FIELD_FONT 266 232 266 14 "/quests/" aa
lacks $FIELD_FONT 266 232 266 14 "original.qst"
shows $DIALOG_FONT 252 199 296 30 "file selection" aa
shows $DIALOG_FONT $LIST "alpha.qst" aa

# The look: the list sits sunken (dark above, light below its rows), its entries
# are anti-aliased (more than ink and paper in a row of text), and the focused
# path field shows its cursor in the highlight colour.
TOP=$(brightness 480 257)
ROW=$(brightness 480 330)
BOTTOM=$(brightness 480 349)
[ "$TOP" -lt "$ROW" ] && [ "$ROW" -lt "$BOTTOM" ] ||
  e2e_fail "the list is not sunken: top $TOP, rows $ROW, bottom $BOTTOM"
[ "$(e2e_colors "$E2E_LAST_SHOT" 276 270 80 12)" -gt 3 ] || e2e_fail "list entries are not anti-aliased"
HL=$(cursor_pixels)
[ "$HL" -ge 20 ] || e2e_fail "the focused path field shows no cursor ($HL highlight pixels)"

# A file with another extension is refused.
printf 'wrong.txt' | xclip -selection clipboard -i 2>/dev/null
e2e_move 525 239
e2e_key ctrl+v
e2e_key Return
sleep 1
e2e_shot refused
shows $DIALOG_FONT 150 150 500 300 "Error:"
shows $DIALOG_FONT 150 150 500 300 "You are only allowed to"
shows $DIALOG_FONT 150 150 500 300 "use the 'qst' extension."
e2e_key Return
sleep 1
e2e_wait_for 10 e2e_region_busy 246 234 100 22 || e2e_fail "menu not back after the alert"
e2e_shot after-refusal
lacks $DIALOG_FONT 150 150 500 300 "use the 'qst' extension."
[ "$(e2e_pixel "$E2E_LAST_SHOT" 36 111)" != "255 255 255" ] || e2e_fail "a board was loaded"

# A name that is not there: the loader says so, and the selector comes back on the
# folder, where the player can choose again.
e2e_move 700 100
e2e_key 1
e2e_wait_for 15 e2e_region_busy $LIST 4 || e2e_fail "no file list for the missing name"
sleep 0.5
e2e_type charlie.qst
e2e_key Return
sleep 1
e2e_shot not-found
shows $DIALOG_FONT 150 150 500 300 "File not found:"
shows $DIALOG_FONT 150 150 500 300 "charlie.qst"
e2e_key Return
sleep 1
e2e_shot selector-again
shows $DIALOG_FONT 252 199 296 30 "file selection"
shows $DIALOG_FONT $LIST "bravo.qst"
shows $FIELD_FONT 266 232 266 14 "/quests/" aa
lacks $FIELD_FONT 266 232 266 14 "charlie.qst"
e2e_key Escape
e2e_wait_for 10 e2e_region_busy 246 234 100 22 || e2e_fail "menu not back after cancelling"
sleep 0.5

# Tab takes the focus from the path field to the list (the field loses its cursor
# and keeps its text). Typing in the list: "b" picks boardtest.qst, "b" again
# bravo.qst, which the path field then names; Enter loads it and the board appears.
e2e_move 700 100  # away from the dialog: the focus follows the pointer
e2e_key 1
e2e_wait_for 15 e2e_region_busy $LIST 4 || e2e_fail "no file list the second time"
sleep 0.5
e2e_key Tab
sleep 0.3
e2e_shot tabbed
HL=$(cursor_pixels)
[ "$HL" = 0 ] || e2e_fail "the path field kept the focus after Tab"
shows $FIELD_FONT 266 232 266 14 "/quests/" aa
e2e_key b
sleep 0.3
e2e_shot typed-b
shows $FIELD_FONT 266 232 266 14 "boardtest.qst" aa
e2e_key b
sleep 0.3
e2e_shot typed-bb
shows $FIELD_FONT 266 232 266 14 "bravo.qst" aa
shows $DIALOG_FONT $LIST "bravo.qst"
e2e_key Return
pass_briefing bravo.qst
e2e_wait_for 15 e2e_region_busy 300 150 60 40 || true
sleep 1
e2e_shot board
[ "$(e2e_pixel "$E2E_LAST_SHOT" 36 111)" = "255 255 255" ] || e2e_fail "the chosen quest's board is not shown"

e2e_key space
sleep 1
e2e_close
e2e_key Return
e2e_wait_exit 20 || e2e_fail "still running"
e2e_pass
