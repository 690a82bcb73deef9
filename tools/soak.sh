#!/usr/bin/env bash
# Plays the game under AddressSanitizer and UndefinedBehaviorSanitizer until TURNS hero
# turns have been played: the bot (questbot, built into build-asan/) plays the shipped
# quests one by one, the campaign from its first chapter and, when questbot offers it,
# the Magic Dungeon, in turn, five games a batch with fresh seeds.
#
#   tools/soak.sh TURNS [SEED]
#
# Exits 0 when no sanitizer report, crash or hang occurred. A game that reaches its round
# limit is fine; a game whose rules stop asking for input (questbot's "stuck") or a batch
# that outlives its watchdog is a hang. Prints the turns played and the games per outcome.
# Runs at the lowest priority.
set -uo pipefail
cd "$(dirname "$0")/.."
TURNS=${1:?usage: tools/soak.sh TURNS [SEED]}
SEED=${2:-1}
GAMES=5
WATCHDOG=$((GAMES * 300))   # seconds a batch may take under the sanitizers

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=1
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -DDUNMARROW_SANITIZE=ON -DDUNMARROW_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" >/dev/null || exit 2
fi
nice -n 19 cmake --build build-asan -j"$(nproc)" --target questbot game_datafile game_data \
  >/dev/null || { echo "soak.sh: the sanitizer build failed" >&2; exit 2; }

GAME=build-asan/game
BOT=$GAME/questbot
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:exitcode=86
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=87

# What is played, in turn: a name and questbot's arguments.
JOBS=()
for q in "$GAME"/quests/*.qst; do JOBS+=("quest $(basename "$q")|$q"); done
first=$(ls "$GAME"/quests/*.q02 2>/dev/null | head -1)
[ -n "$first" ] && JOBS+=("campaign $(basename "${first%.q02}.qst")|--campaign ${first%.q02}.qst")
"$BOT" --help | grep -q -- '--dungeon' && JOBS+=("Magic Dungeon|--dungeon --max-rounds 300")

LOG=build-asan/soak
mkdir -p "$LOG"
turns=0 batches=0 failures=0
declare -A outcome=()
OUTCOMES=(victories "campaigns won" defeats "round limits" left stuck)
start=$(date +%s)
while [ "$turns" -lt "$TURNS" ]; do
  for job in "${JOBS[@]}"; do
    [ "$turns" -ge "$TURNS" ] && break
    name=${job%%|*}
    read -r -a args <<<"${job#*|}"
    out=$LOG/batch$batches.txt
    timeout -k 10 "$WATCHDOG" nice -n 19 "$BOT" --games $GAMES --seed "$SEED" "${args[@]}" \
      >"$out" 2>&1
    rc=$?
    batches=$((batches + 1))
    summary=$(grep -E '^.+: [0-9]+ games, ' "$out" | tail -1)
    t=$(sed -n 's/.*, \([0-9]*\) hero turns.*/\1/p' <<<"$summary")
    turns=$((turns + ${t:-0}))
    for o in "${OUTCOMES[@]}"; do
      n=$(grep -oE "[0-9]+ $o" <<<"$summary" | head -1 | cut -d' ' -f1)
      outcome[$o]=$((${outcome[$o]:-0} + ${n:-0}))
    done
    problem=""
    case $rc in
      0) ;;
      1) problem="a game stopped making progress (stuck)" ;;
      124|137) problem="hang: the batch outlived its watchdog of ${WATCHDOG}s" ;;
      86) problem="AddressSanitizer report" ;;
      87) problem="UndefinedBehaviorSanitizer report" ;;
      *) problem="exit code $rc" ;;
    esac
    grep -qE 'runtime error|Sanitizer' "$out" && problem="${problem:-sanitizer report in the output}"
    if [ -n "$problem" ]; then
      failures=$((failures + 1))
      echo "FAULT in $name, seeds $SEED..$((SEED + GAMES - 1)): $problem (see $out)"
      grep -m5 -E 'runtime error|ERROR: |SUMMARY|stuck' "$out"
    else
      rm -f "$out"
    fi
    echo "soak: $name, seeds $SEED..$((SEED + GAMES - 1)): ${t:-0} hero turns, $turns in all"
    SEED=$((SEED + GAMES))
  done
done
secs=$(( $(date +%s) - start ))
games=0
for o in "${OUTCOMES[@]}"; do games=$((games + ${outcome[$o]})); done
echo "soak: $turns hero turns in $games games ($batches batches of $GAMES, ${secs}s), $failures faults"
printf 'soak: outcomes:'
for o in "${OUTCOMES[@]}"; do printf ' %s %d,' "$o" "${outcome[$o]}"; done
echo
[ "$failures" -eq 0 ]
