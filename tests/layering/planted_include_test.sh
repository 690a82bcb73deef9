#!/usr/bin/env bash
# The layering check must refuse what it is there to refuse: a copy of src/ with one
# include planted that reaches up from the ground floor to the shell (and so closes a
# loop, since the shell includes the ground) must fail, naming the file, the include
# and the loop; the untouched copy must pass.
set -euo pipefail
source_dir="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_dir/src" "$work/src"
check() { python3 "$source_dir/tools/check_layers.py" "$work/src"; }

check >/dev/null || { echo "the untouched tree was refused"; check; exit 1; }

sed -i '1a #include "shell/startup.h"' "$work/src/core/random.cpp"
if out=$(check); then
  echo "a planted upward include passed the check:"; echo "$out"; exit 1
fi
echo "$out"
grep -q 'core/random.cpp:2: #include "shell/startup.h" reaches up from core to shell' <<<"$out" ||
  { echo "the upward include was not named"; exit 1; }
grep -q 'folders include each other in a loop: .*core -> shell' <<<"$out" ||
  { echo "the loop was not named"; exit 1; }

# A folder the table does not know is refused too, so a new subsystem gets its floor.
mkdir "$work/src/newfloor"
echo '#include "core/random.h"' >"$work/src/newfloor/thing.cpp"
sed -i '2d' "$work/src/core/random.cpp"
out=$(check) && { echo "an unknown folder passed the check"; exit 1; }
grep -q "newfloor/thing.cpp: folder 'newfloor' has no floor" <<<"$out" ||
  { echo "the unknown folder was not named: $out"; exit 1; }
