// dungen: writes the floor and door layers of a random dungeon layout into a quest
// file, or builds a whole Magic Dungeon level as the descent does. The same seed and
// settings always give the same layers.
//
//   dungen --seed S [--outdoors] [--randomness R] [--clrdeadend C] [--hiddendoor H] OUT.qst
//   dungen --seedbase B --level L [--up] [--mode 0|1|2] [--lastlevel M] [--clock T]
//          [--randomness R] [--clrdeadend C] [--hiddendoor H] OUT.qst
//
// A level needs the prefab table and the datafile beside the program (Dunmar.qpf,
// Dunmar.dat): the objects come from the one, their footprints from the other's
// pictures.
// Settings not given on the command line come from the [dungeon] section of the
// dunmar.cfg beside the executable, or their defaults. An existing OUT.qst is
// replaced without asking: the tool installs a platform that never waits and answers
// every question with OK, and saves without the overwrite question.
#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/config_file.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/headless_start.h"
#include "core/message_log.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/wall_clock.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/dungeon_level.h"
#include "dungeon/outdoors_layout.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: dungen --seed S [--outdoors] [--randomness R] [--clrdeadend C] [--hiddendoor H] "
    "OUT.qst\n"
    "       dungen --seedbase B --level L [--up] [--mode 0|1|2] [--lastlevel M] [--clock T] "
    "[...] OUT.qst\n";

const char kHelp[] =
    "Builds a random dungeon layout from a seed and writes it as a quest file.\n"
    "\n"
    "  --seed S          seed of the layout, 1 to 2147483647 (required)\n"
    "  --outdoors        turn the layout into an outdoor map (open ground, fewer rocks)\n"
    "  --randomness R    chance in percent that a corridor turns at each step, 0 to 100\n"
    "  --clrdeadend C    chance in percent that a dead end is tunnelled on, 0 to 100\n"
    "  --hiddendoor H    chance in percent that a door is hidden, 0 to 100\n"
    "  --help            this text\n"
    "\n"
    "A whole Magic Dungeon level instead of a layout:\n"
    "  --seedbase B      the dungeon's seed base, 1 to 999999\n"
    "  --level L         the level, 1 to 127\n"
    "  --up              the level as the heroes find it going back up (mode 1)\n"
    "  --mode N          2 descending (the default), 1 going up, 0 as the editor's\n"
    "                    content filter does (no stairs up)\n"
    "  --lastlevel M     the dungeon's last level, 1 to 127 (default: lastlevel of\n"
    "                    [dungeon] in dunmar.cfg, else 20)\n"
    "  --clock T         the time in seconds the content generator reseeds with, 0 to\n"
    "                    2147483647, so that the monsters and traps are the same on\n"
    "                    every run (default: the current time)\n"
    "The level is built with its layout attempts as the game builds it, and written\n"
    "with the Magic Dungeon's header; the tool prints how many layouts it tried. It\n"
    "needs Dunmar.qpf and Dunmar.dat beside the program.\n"
    "\n"
    "Settings not given come from the [dungeon] section of the dunmar.cfg beside the\n"
    "program (randomness, clrdeadend, hiddendoor), or default to 40, 0 and 5.\n"
    "A layout gets the default quest header, the floor and the door layers; an\n"
    "existing file is replaced. The same seed and settings always give the same layers;\n"
    "the same seed base, level and settings the same level up to the monsters and traps,\n"
    "and with --clock the same level altogether.\n"
    "Exit codes: 0 written, 1 the file could not be written or the level not built\n"
    "(a missing Dunmar.qpf or Dunmar.dat, say), 2 bad arguments.\n";


struct Arguments {
  long seed = 0;
  bool seedGiven = false;
  bool outdoors = false;
  int randomness = -1, clrdeadend = -1, hiddendoor = -1;  // -1: not given
  // A whole level.
  int seedBase = -1, level = -1, mode = -1, lastLevel = -1;  // -1: not given
  bool up = false;
  long clock = -1;
  const char* output = nullptr;
};

int Usage(const char* problem, const char* detail) {
  fprintf(stderr, "dungen: %s%s%s\n%s", problem, detail ? ": " : "", detail ? detail : "",
          kUsage);
  return kExitUsage;
}

// Returns -1 when the arguments are fine, else the exit code to end with.
int ParseArguments(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; i++) {
    const char* arg = argv[i];
    if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0) {
      printf("%s\n%s", kUsage, kHelp);
      return kExitOk;
    }
    if (strcmp(arg, "--outdoors") == 0) {
      a.outdoors = true;
      continue;
    }
    if (strcmp(arg, "--up") == 0) {
      a.up = true;
      continue;
    }
    struct {
      const char* name;
      long lo, hi;
    } const numeric[] = {{"--seed", 1, INT_MAX},
                         {"--randomness", 0, 100},
                         {"--clrdeadend", 0, 100},
                         {"--hiddendoor", 0, 100},
                         {"--seedbase", 1, kDungeonSeedBaseLimit - 1},
                         {"--level", 1, 127},
                         {"--mode", 0, 2},
                         {"--lastlevel", 1, 127},
                         {"--clock", 0, INT_MAX}};
    const int kinds = static_cast<int>(sizeof numeric / sizeof numeric[0]);
    int which = -1;
    for (int k = 0; k < kinds; k++)
      if (strcmp(arg, numeric[k].name) == 0) which = k;
    if (which >= 0) {
      if (i + 1 >= argc) return Usage("missing value for", arg);
      const char* text = argv[++i];
      long v;
      if (!ParseWholeNumber(text, numeric[which].lo, numeric[which].hi, v)) {
        char detail[200];
        snprintf(detail, sizeof detail, "%s %s (expected a whole number from %ld to %ld)", arg,
                 text, numeric[which].lo, numeric[which].hi);
        return Usage("bad value", detail);
      }
      switch (which) {
        case 0: a.seed = v; a.seedGiven = true; break;
        case 1: a.randomness = static_cast<int>(v); break;
        case 2: a.clrdeadend = static_cast<int>(v); break;
        case 3: a.hiddendoor = static_cast<int>(v); break;
        case 4: a.seedBase = static_cast<int>(v); break;
        case 5: a.level = static_cast<int>(v); break;
        case 6: a.mode = static_cast<int>(v); break;
        case 7: a.lastLevel = static_cast<int>(v); break;
        case 8: a.clock = v; break;
      }
      continue;
    }
    if (arg[0] == '-' && arg[1] != '\0') return Usage("unknown option", arg);
    if (a.output) return Usage("more than one output file", arg);
    a.output = arg;
  }
  const bool levelAsked = a.seedBase >= 0 || a.level >= 0 || a.mode >= 0 || a.lastLevel >= 0 ||
                          a.up || a.clock >= 0;
  if (a.seedGiven && levelAsked)
    return Usage("a layout (--seed) or a level (--seedbase, --level), not both", nullptr);
  if (levelAsked) {
    if (a.outdoors) return Usage("a Magic Dungeon level is never outdoors", "--outdoors");
    if (a.seedBase < 0) return Usage("no seed base given (--seedbase B)", nullptr);
    if (a.level < 0) return Usage("no level given (--level L)", nullptr);
    if (a.up && a.mode >= 0 && a.mode != kContentGoingUp)
      return Usage("--up builds mode 1", "--mode says otherwise");
  } else if (!a.seedGiven) {
    return Usage("no seed given (--seed S, or --seedbase B --level L)", nullptr);
  }
  if (!a.output) return Usage("no output file given", nullptr);
  return -1;
}

// The options of the dunmar.cfg beside the program, as the game reads them (only the
// [dungeon] ones matter here); a missing file gives the defaults. The file is only read.
void ReadDungeonOptions() {
  char cfg[1024];
  ProgramFile(cfg, sizeof cfg, "dunmar.cfg");
  SelectConfigFile(cfg);
  ReadGameOptions();
}

}  // namespace

// Loads the prefab table and the datafile from beside the program.
bool LoadLevelMaterial() {
  char path[1024];
  ProgramFile(path, sizeof path, "Dunmar.qpf");
  if (LoadPrefabs(path) != 0 || PrefabCount <= 0) {
    fprintf(stderr, "dungen: no prefab table at %s\n", path);
    return false;
  }
  ProgramFile(path, sizeof path, "Dunmar.dat");
  if (!LoadGameData(path)) {
    fprintf(stderr, "dungen: no datafile at %s\n", path);
    return false;
  }
  return true;
}

int BuildLevel(const Arguments& a) {
  if (!LoadLevelMaterial()) return kExitFailed;
  if (a.lastLevel > 0) GameOptions.lastlevel = a.lastLevel;
  if (a.clock >= 0) PinWallClock(a.clock);
  const int mode = a.mode >= 0 ? a.mode : a.up ? kContentGoingUp : kContentDescending;
  ResetQuest(true);
  SetUpMagicDungeonHeader(a.seedBase, GameOptions.lastlevel);
  if (buildDungeonLevel(a.level, mode) != kLevelBuilt) {
    fprintf(stderr, "dungen: %s\n", MessageBuffer);
    return kExitFailed;
  }
  if (SaveQuestFile(a.output, 0) != kSaveDone || !exists(a.output)) {
    fprintf(stderr, "dungen: could not write %s\n", a.output);
    return kExitFailed;
  }
  printf("dungen: seed base %d level %d mode %d: %d layout attempt%s, %d objects, written to %s\n",
         a.seedBase, a.level, mode, DungeonLayoutAttempts, DungeonLayoutAttempts == 1 ? "" : "s",
         ObjectCount, a.output);
  return kExitOk;
}

int main(int argc, char** argv) {
  Arguments args;
  int early = ParseArguments(argc, argv, args);
  if (early >= 0) return early;

  if (!StartHeadless("dungen", argv[0])) return kExitFailed;
  ReadDungeonOptions();
  if (args.randomness >= 0) GameOptions.randomness = args.randomness;
  if (args.clrdeadend >= 0) GameOptions.clrdeadend = args.clrdeadend;
  if (args.hiddendoor >= 0) GameOptions.hiddendoor = args.hiddendoor;

  if (!args.seedGiven) return BuildLevel(args);

  ResetQuest(true);
  OpenFloorCode = 8;
  const int seed = static_cast<int>(args.seed);
  if (args.outdoors) {
    generateOutdoorsLayout(seed);
  } else {
    generateDungeonLayout(seed);
  }

  int result = SaveQuestFile(args.output, 0);
  if (result != kSaveDone || !exists(args.output)) {
    fprintf(stderr, "dungen: could not write %s\n", args.output);
    return kExitFailed;
  }
  printf("dungen: seed %d%s written to %s\n", seed, args.outdoors ? " (outdoors)" : "",
         args.output);
  return kExitOk;
}
