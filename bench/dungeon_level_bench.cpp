// How long the Magic Dungeon takes to build one level: the layout attempts, the content
// and the retries together, as the stairs ask for it. Every level of 1 to 20 is built
// for many seed bases; each build is timed on its own, and the median, the 99th
// percentile and the slowest build are reported as counters, in processor time of the
// building thread (goal: median under 2 ms).
// The same run gives the distribution of layout attempts per level, printed after the
// benchmark's table.
//
// Needs the program folder of the build (../game beside this program's folder) with
// Dunmar.dat and Dunmar.qpf: cmake --build BUILD --target game dungeon_level_bench.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/wall_clock.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_level.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"

namespace {

// Levels 1 to 20 of 200 seed bases: 4000 builds; DUNMARROW_BENCH_SEED_BASES asks for
// another number of seed bases.
int SeedBases() {
  const char* asked = getenv("DUNMARROW_BENCH_SEED_BASES");
  const int n = asked ? atoi(asked) : 0;
  return n > 0 ? n : 200;
}

std::string ProgramFolder() {
  char self[1024];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return ".";
  self[n] = '\0';
  std::string path(self);
  path = path.substr(0, path.rfind('/'));
  return path.substr(0, path.rfind('/')) + "/game";
}

bool Prepare() {
  static int ready = -1;
  if (ready >= 0) return ready == 1;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);
  SetDefaultGameOptions();
  const std::string folder = ProgramFolder();
  const bool prefabs = LoadPrefabs((folder + "/Dunmar.qpf").c_str()) == 0 && PrefabCount > 0;
  const bool data = LoadGameData((folder + "/Dunmar.dat").c_str());
  if (!prefabs || !data) fprintf(stderr, "no Dunmar.qpf or Dunmar.dat in %s\n", folder.c_str());
  ready = prefabs && data ? 1 : 0;
  return ready == 1;
}

// The processor time this thread has used: the machine is shared, and wall time would
// count the other programs' turns.
double ThreadCpuMs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * (v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

void BM_EnterDungeonLevel(benchmark::State& state) {
  if (!Prepare()) {
    state.SkipWithError("Dunmar.qpf or Dunmar.dat missing: build the game target");
    return;
  }
  std::vector<double> ms;
  std::map<int, int> attempts;  // layout attempts -> levels
  std::map<int, std::pair<long, int>> attemptsByLevel;  // level -> (sum, count)
  int worstAttempts = 0, worstBase = 0, worstLevel = 0;
  int n = 0;
  for (auto _ : state) {
    const int base = 1 + static_cast<int>((n / 20) * 4993LL % 894784);  // spread over the range
    const int level = 1 + n % 20;
    n++;
    ResetQuest(true);
    SetUpMagicDungeonHeader(base, 20);
    PinWallClock(1700000000 + n);
    const double start = ThreadCpuMs();
    const int result = enterDungeonLevel(level, level - 1);
    ms.push_back(ThreadCpuMs() - start);
    if (result != kLevelBuilt) state.SkipWithError("a level could not be built");
    attempts[DungeonLayoutAttempts]++;
    attemptsByLevel[level].first += DungeonLayoutAttempts;
    attemptsByLevel[level].second++;
    if (DungeonLayoutAttempts > worstAttempts) {
      worstAttempts = DungeonLayoutAttempts;
      worstBase = base;
      worstLevel = level;
    }
  }
  UnpinWallClock();
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p99_ms"] = Percentile(ms, 0.99);
  state.counters["max_ms"] = Percentile(ms, 1.0);
  state.counters["levels"] = static_cast<double>(ms.size());
  fprintf(stderr, "\nlayout attempts per level over %zu levels (seed bases x levels 1..20):\n",
          ms.size());
  for (const auto& a : attempts)
    fprintf(stderr, "  %3d attempt%s: %6d levels (%.2f%%)\n", a.first, a.first == 1 ? " " : "s",
            a.second, 100.0 * a.second / ms.size());
  fprintf(stderr, "  most attempts: %d (seed base %d, level %d)\n", worstAttempts, worstBase,
          worstLevel);
  fprintf(stderr, "  mean attempts by level:");
  for (const auto& l : attemptsByLevel)
    fprintf(stderr, " %d:%.2f", l.first, static_cast<double>(l.second.first) / l.second.second);
  fprintf(stderr, "\n");
}
BENCHMARK(BM_EnterDungeonLevel)->Iterations(SeedBases() * 20)->Unit(benchmark::kMillisecond);

}  // namespace
