#!/usr/bin/env bash
# Builds spritegen and writes a preview sheet of all object pictures, scaled up, over a
# floor-like background: preview.sh BUILD_DIR  ->  BUILD_DIR/sprite-preview/sheet.png
set -euo pipefail
build=${1:?usage: preview.sh BUILD_DIR}
cmake --build "$build" --target spritegen >/dev/null
out="$build/sprite-preview"
rm -rf "$out" && mkdir -p "$out/bmp" "$out/png"
"$build/tools/spritegen/spritegen" "$out/bmp"
for f in "$out"/bmp/obj_*.bmp; do
  n=$(basename "$f" .bmp)
  convert "$f" -transparent '#ff00ff' -background '#5a5040' -flatten -filter point -resize 400% "$out/png/$n.png"
done
montage "$out"/png/obj_*.png -tile 8x -geometry +6+6 -background '#282818' -label '%t' "$out/sheet.png" 2>/dev/null ||
  montage "$out"/png/obj_*.png -tile 8x -geometry +6+6 -background '#282818' "$out/sheet.png"
echo "$out/sheet.png"
