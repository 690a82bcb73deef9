#!/usr/bin/env bash
# Runs the readers' fuzzers (libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
# built by clang into build-fuzz/).
#
#   tools/fuzz.sh [NAME] [SECONDS]     NAME: quest prefab config manual questplay
#
# Without a name every fuzzer runs in turn (SECONDS each, default 60). Each keeps its
# growing corpus in build-fuzz/fuzz/corpus/NAME, starts from the shipped files and the
# test fixtures, and leaves an input that broke it in build-fuzz/fuzz/findings/. Runs at
# the lowest priority. Exits 0 when no fuzzer found anything.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
ALL=(quest prefab config manual questplay)
NAME=${1:-}
SECONDS_EACH=${2:-60}
# "tools/fuzz.sh 300": all of them, 300 seconds each.
if [[ "$NAME" =~ ^[0-9]+$ ]]; then
  SECONDS_EACH=$NAME
  NAME=""
fi
if [ -n "$NAME" ] && [[ ! " ${ALL[*]} " =~ " $NAME " ]]; then
  echo "fuzz.sh: no fuzzer '$NAME' (there are: ${ALL[*]})" >&2
  exit 2
fi
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (tools/install-deps.sh)" >&2; exit 2; }

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT} CCACHE_NOHASHDIR=1
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DDUNMARROW_FUZZ=ON -DDUNMARROW_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" >/dev/null
fi
nice -n 19 cmake --build build-fuzz -j"$(nproc)" --target fuzzers >/dev/null

# The seeds of each fuzzer: the shipped files and the fixtures of the tests.
seeds() {
  case $1 in
    quest|questplay) ls data/quests/* tests/quest/fixtures/*.qst tests/quest/fixtures/*.sav ;;
    prefab) ls data/Dunmar.qpf tests/quest/fixtures/*.qpf ;;
    config) ls tests/fuzz/seeds/dunmar.cfg ;;
    manual) ls data/Dunmar.htm ;;
  esac
}

OUT=build-fuzz/fuzz
status=0
run() {
  local name=$1
  local corpus=$OUT/corpus/$name seed=$OUT/seeds/$name log=$OUT/$name.log
  mkdir -p "$corpus" "$seed" "$OUT/findings"
  rm -f "$seed"/*
  seeds "$name" | while read -r f; do cp "$f" "$seed/"; done
  # Inputs a little longer than the seeds: the writer of dunmar.cfg edits line by line,
  # and the manual's layout measures every character, so long inputs only slow them.
  local timeout=10 maxlen=32768
  case $name in
    questplay) timeout=60 ;;
    prefab) maxlen=16384 ;;
    config) maxlen=4096 ;;
    manual) maxlen=8192 ;;
  esac
  echo "== $name: ${SECONDS_EACH}s"
  set +e
  nice -n 19 build-fuzz/tests/fuzz/${name}_fuzzer "$corpus" "$seed" \
    -dict=tests/fuzz/$name.dict -max_total_time="$SECONDS_EACH" -timeout=$timeout \
    -max_len=$maxlen -artifact_prefix="$OUT/findings/$name-" -print_final_stats=1 \
    >"$log" 2>&1
  local rc=$?
  set -e
  local runs rate
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  echo "$name: ${runs:-?} runs, ${rate:-?} runs/s, corpus $(ls "$corpus" | wc -l) files"
  if [ $rc -ne 0 ]; then
    status=1
    echo "$name: FOUND A FAULT (exit $rc), see $log"
    grep -m5 -E 'ERROR|FUZZ CHECK|runtime error|Test unit written' "$log" || true
  fi
}

if [ -n "$NAME" ]; then
  run "$NAME"
else
  for n in "${ALL[@]}"; do run "$n"; done
fi
exit $status
