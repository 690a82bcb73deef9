// One bot game of the shipped stand-alone quest, The Lantern Crypt, as questbot plays it:
// the real play loop on memory pictures with the built datafile, every pause skipped.
// Each iteration plays the next of twenty seeds, so the figure is the mean of a typical
// spread of games. Goal: under half a second of processor time a game.
#include <benchmark/benchmark.h>

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

void BM_BotGameLanternCrypt(benchmark::State& state) {
  if (!StartOnce()) {
    state.SkipWithError("the game library could not start");
    return;
  }
  QuestFileSource source(std::string(DUNMARROW_SOURCE_DIR) + "/data/quests/lanterncrypt.qst");
  const BotSettings settings;
  uint32_t game = 0;
  long rounds = 0, won = 0;
  for (auto _ : state) {
    BotGameResult r = PlayBotGame(source, 0, 1 + game % 20, settings, nullptr);
    rounds += r.rounds;
    won += r.outcome == kBotVictory;
    game++;
  }
  state.counters["rounds"] = benchmark::Counter(static_cast<double>(rounds),
                                                benchmark::Counter::kAvgIterations);
  state.counters["won"] =
      benchmark::Counter(static_cast<double>(won), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BotGameLanternCrypt)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
