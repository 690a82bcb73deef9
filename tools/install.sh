#!/usr/bin/env bash
# Installs the built game under PREFIX (e.g. /usr/local, or ~/.local for one user):
#   PREFIX/lib/dunmarrow/        the program folder: the game, its datafile, prefabs,
#                                manual, shipped quests and command-line tools
#   PREFIX/bin/dunmarrow         a link to the game
#   PREFIX/share/applications/dunmarrow.desktop   the menu entry (opens quest files too)
#   PREFIX/share/mime/packages/dunmarrow.xml      the quest file type
#   PREFIX/share/icons/hicolor/64x64/apps/dunmarrow.png   the icon
# The program folder is not written by the game when the player cannot write it: the
# settings then go to ~/.config/dunmarrow, quests and saves to ~/.local/share/dunmarrow.
#
# Usage: tools/install.sh PREFIX [BUILD-FOLDER]   (the build folder defaults to build/;
# build it first with tools/build.sh or cmake --build build --target game)
set -euo pipefail
if [ $# -lt 1 ] || [ -z "$1" ]; then
  sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
here="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$1"
build="${2:-$here/build}"
game="$build/game"
[ -x "$game/dunmarrow" ] || { echo "no built game in $game (build the target game first)" >&2; exit 1; }
mkdir -p "$prefix"
prefix="$(cd "$prefix" && pwd)"

lib="$prefix/lib/dunmarrow"
mkdir -p "$lib" "$prefix/bin" "$prefix/share/applications" "$prefix/share/mime/packages" \
  "$prefix/share/icons/hicolor/64x64/apps"
# Everything the build put into the program folder, but no player's files.
(cd "$game" && find . -mindepth 1 -maxdepth 1 ! -name dunmar.cfg ! -name saves \
  ! -name scrdump1.pcx ! -name greymap.pcx -print0) |
  while IFS= read -r -d '' f; do cp -R "$game/$f" "$lib/"; done
mkdir -p "$lib/saves"
ln -sfn "../lib/dunmarrow/dunmarrow" "$prefix/bin/dunmarrow"

# The game writes its own desktop entry and file type, naming the installed program.
"$lib/dunmarrow" --desktop-entry >"$prefix/share/applications/dunmarrow.desktop"
"$lib/dunmarrow" --mime-package >"$prefix/share/mime/packages/dunmarrow.xml"

# The icon: the Barbarian of the datafile's pictures, enlarged block by block.
icon="$prefix/share/icons/hicolor/64x64/apps/dunmarrow.png"
picture="$build/assets/stage/pics/e027.bmp"
if [ -f "$picture" ] && command -v convert >/dev/null; then
  convert "$picture" -transparent magenta -filter point -resize 60x60 -background none \
    -gravity center -extent 64x64 "$icon"
else
  echo "no icon made (needs $picture and ImageMagick's convert)" >&2
fi

# The desktop's databases, where their tools exist (a user's own prefix counts too).
command -v update-mime-database >/dev/null && update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || true
command -v update-desktop-database >/dev/null &&
  update-desktop-database "$prefix/share/applications" >/dev/null 2>&1 || true
echo "Dunmarrow installed in $prefix: run $prefix/bin/dunmarrow"
