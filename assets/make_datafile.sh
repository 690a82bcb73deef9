#!/usr/bin/env bash
# make_datafile.sh DAT STAGE: packs the generated pictures, sounds and font sheets of
# STAGE (pics/eNNN.bmp, sounds/eNNN.wav, fonts/eNNN.bmp) into the datafile DAT. The
# zero-padded names keep the entries in index order.
set -euo pipefail
dat_file=$1
stage=$2
tmp="$dat_file.tmp"
rm -f "$tmp"
cd "$stage"
dat -a -c1 -t BMP -s1 "$tmp" pics/e*.bmp >/dev/null
dat -a -c1 -t SAMP -s1 "$tmp" sounds/e*.wav >/dev/null
dat -a -c1 -t FONT -s1 "$tmp" fonts/e*.bmp >/dev/null
count=$(dat -l "$tmp" | grep -c '^- ' || true)
if [ "$count" -ne 124 ]; then
  echo "make_datafile: expected 124 entries, found $count" >&2
  dat -l "$tmp" >&2 || true
  exit 1
fi
mv -f "$tmp" "$dat_file"
