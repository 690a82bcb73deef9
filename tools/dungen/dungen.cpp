// dungen: writes the floor and door layers of a random dungeon layout into a quest
// file. The same seed and settings always give the same layers.
//
//   dungen --seed S [--outdoors] [--randomness R] [--clrdeadend C] [--hiddendoor H] OUT.qst
//
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
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/silent_platform.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/outdoors_layout.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: dungen --seed S [--outdoors] [--randomness R] [--clrdeadend C] [--hiddendoor H] "
    "OUT.qst\n";

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
    "Settings not given come from the [dungeon] section of the dunmar.cfg beside the\n"
    "program (randomness, clrdeadend, hiddendoor), or default to 40, 0 and 5.\n"
    "The quest file gets the default quest header, the floor and the door layers; an\n"
    "existing file is replaced. The same seed and settings always give the same layers.\n"
    "Exit codes: 0 written, 1 the file could not be written, 2 bad arguments.\n";


struct Arguments {
  long seed = 0;
  bool seedGiven = false;
  bool outdoors = false;
  int randomness = -1, clrdeadend = -1, hiddendoor = -1;  // -1: not given
  const char* output = nullptr;
};

int Usage(const char* problem, const char* detail) {
  fprintf(stderr, "dungen: %s%s%s\n%s", problem, detail ? ": " : "", detail ? detail : "",
          kUsage);
  return kExitUsage;
}

// A whole decimal number within [lo, hi]; false for anything else.
bool ParseNumber(const char* text, long lo, long hi, long& out) {
  if (!text || !*text) return false;
  errno = 0;
  char* end = nullptr;
  long v = strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || end == text) return false;
  if (v < lo || v > hi) return false;
  out = v;
  return true;
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
    struct {
      const char* name;
      long lo, hi;
    } const numeric[] = {{"--seed", 1, INT_MAX},
                         {"--randomness", 0, 100},
                         {"--clrdeadend", 0, 100},
                         {"--hiddendoor", 0, 100}};
    int which = -1;
    for (int k = 0; k < 4; k++)
      if (strcmp(arg, numeric[k].name) == 0) which = k;
    if (which >= 0) {
      if (i + 1 >= argc) return Usage("missing value for", arg);
      const char* text = argv[++i];
      long v;
      if (!ParseNumber(text, numeric[which].lo, numeric[which].hi, v)) {
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
      }
      continue;
    }
    if (arg[0] == '-' && arg[1] != '\0') return Usage("unknown option", arg);
    if (a.output) return Usage("more than one output file", arg);
    a.output = arg;
  }
  if (!a.seedGiven) return Usage("no seed given (--seed S)", nullptr);
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

int main(int argc, char** argv) {
  Arguments args;
  int early = ParseArguments(argc, argv, args);
  if (early >= 0) return early;

  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "dungen: the game library could not start\n");
    return kExitFailed;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);
  static SilentPlatform platform;
  SetPlatform(&platform);

  InitToolProgramPaths(argv[0]);
  SetDefaultGameOptions();
  ReadDungeonOptions();
  if (args.randomness >= 0) GameOptions.randomness = args.randomness;
  if (args.clrdeadend >= 0) GameOptions.clrdeadend = args.clrdeadend;
  if (args.hiddendoor >= 0) GameOptions.hiddendoor = args.hiddendoor;

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
