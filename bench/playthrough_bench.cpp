// The cost of a playthrough: bot games of the shipped stand-alone quest, The Lantern Crypt,
// through the real play loop on memory pictures with the built datafile. Every pause the
// game asks for (its pacing, and the short waits while it polls for the player's input) is
// counted at its real length but not slept. The processor time of everything else, less
// what the bot itself spends choosing its moves, is the game's own work.
// Counters, per game: pause_s (the pauses), work_s (the game's processor time) and
// work_percent (work against pauses). Goal: work_percent at most 3.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <string>

#include "bot_game.h"

namespace {

bool StartOnce() {
  static bool started = [] {
    std::string error, warning;
    bool ok = StartBotEnvironment(nullptr, DUNMARROW_GAME_DIR, &error, &warning);
    if (!ok) fprintf(stderr, "%s\n", error.c_str());
    if (!warning.empty()) fprintf(stderr, "%s", warning.c_str());
    return ok;
  }();
  return started;
}

double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

void BM_PlaythroughLanternCrypt(benchmark::State& state) {
  if (!StartOnce()) {
    state.SkipWithError("the game library could not start");
    return;
  }
  QuestFileSource source(std::string(DUNMARROW_SOURCE_DIR) + "/data/quests/lanterncrypt.qst");
  const BotSettings settings;
  uint32_t game = 0;
  double paused = 0, work = 0;
  for (auto _ : state) {
    const double before = ThreadSeconds();
    BotGameResult r = PlayBotGame(source, 0, 1 + game % 20, settings, nullptr);
    const double cpu = ThreadSeconds() - before;
    paused += r.pausedMs / 1000.0;
    work += cpu - r.playerNs * 1e-9;
    game++;
  }
  state.counters["pause_s"] = benchmark::Counter(paused, benchmark::Counter::kAvgIterations);
  state.counters["work_s"] = benchmark::Counter(work, benchmark::Counter::kAvgIterations);
  state.counters["work_percent"] = paused > 0 ? 100.0 * work / paused : 0.0;
}
BENCHMARK(BM_PlaythroughLanternCrypt)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
