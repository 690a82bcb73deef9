// questcheck: reads quest files the way the game does and names what is wrong with
// them, one line per finding:
//
//   questcheck QUEST...
//
//   FILE:x,y: message     a finding about the tile x,y
//   FILE: message         a finding about the quest as a whole
//
// Exit codes: 0 every quest is clean, 1 something was found, 2 bad arguments or a file
// that cannot be read as a quest (that wins over 1).
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/headless_start.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "editor/quest_check.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"

namespace {

constexpr int kExitClean = 0;
constexpr int kExitFindings = 1;
constexpr int kExitUnreadable = 2;

const char kUsage[] = "usage: questcheck [--help] QUEST...\n";

const char kHelp[] =
    "Reads quest files (.qst, chapter files .q02 and on) as the game reads them and\n"
    "names every fault it finds, one line each:\n"
    "\n"
    "  FILE:x,y: message   a fault at the tile x,y (column 0..25, row 0..18)\n"
    "  FILE: message       a fault of the quest as a whole\n"
    "\n"
    "What is checked:\n"
    "  - four heroes in object slots 1 to 4, standing on the board;\n"
    "  - the objective: its monsters, closed chests or locked door exist and a hero can\n"
    "    reach them; without an objective, something that wins the quest is reachable;\n"
    "  - every red or blue door's key can be reached without passing a door of that\n"
    "    colour;\n"
    "  - hatches teleport onto the board, onto floor and onto a free tile, and a hatch\n"
    "    that picks another hatch at random has one;\n"
    "  - every script's values are in range for its type;\n"
    "  - walk and look scripts lie on the script map, and only they do;\n"
    "  - no object stands in rock, reaches across a wall or overlaps another;\n"
    "  - names, titles, script and story texts fit where the game shows them (and are\n"
    "    not longer than the file reader keeps);\n"
    "  - a campaign's next chapter file lies beside the quest;\n"
    "  - whatever the file reader had to repair while reading.\n"
    "\n"
    "Large objects and text widths are judged with the Dunmar.dat beside the program;\n"
    "without it every object covers one tile and widths are not checked.\n"
    "\n"
    "Exit codes: 0 every quest is clean, 1 faults were found, 2 bad arguments or a\n"
    "file that cannot be read as a whole quest.\n";

// What the file reader reports while it reads: its repairs come in dark red.
std::vector<std::string> LoaderWarnings;

void RecordLoaderLine(const LoggedMessage& line) {
  const ColorTriple& red = ColorTable[kColorDarkRed];
  if (line.color.r == red.r && line.color.g == red.g && line.color.b == red.b)
    LoaderWarnings.push_back(line.text);
}

int Usage(const char* problem, const char* detail) {
  fprintf(stderr, "questcheck: %s%s%s\n%s", problem, detail ? ": " : "", detail ? detail : "",
          kUsage);
  return kExitUnreadable;
}

// Checks one file and prints its findings; returns its exit code.
int CheckOne(const char* path) {
  LoaderWarnings.clear();
  std::vector<QuestFinding> findings;
  std::string why;
  if (!CheckQuestFile(path, &findings, &why)) {
    fprintf(stderr, "questcheck: %s: cannot be read: %s\n", path, why.c_str());
    return kExitUnreadable;
  }
  for (const std::string& w : LoaderWarnings) printf("%s: while reading: %s\n", path, w.c_str());
  for (const QuestFinding& f : findings) {
    if (f.x < 0)
      printf("%s: %s\n", path, f.message.c_str());
    else
      printf("%s:%d,%d: %s\n", path, f.x, f.y, f.message.c_str());
  }
  return findings.empty() && LoaderWarnings.empty() ? kExitClean : kExitFindings;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<const char*> quests;
  bool onlyFiles = false;
  for (int i = 1; i < argc; i++) {
    const char* arg = argv[i];
    if (!onlyFiles && (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0)) {
      printf("%s\n%s", kUsage, kHelp);
      return kExitClean;
    }
    if (!onlyFiles && strcmp(arg, "--") == 0) {
      onlyFiles = true;
      continue;
    }
    if (!onlyFiles && arg[0] == '-' && arg[1] != '\0') return Usage("unknown option", arg);
    quests.push_back(arg);
  }
  if (quests.empty()) return Usage("no quest file given", nullptr);

  if (!StartHeadless("questcheck", argv[0])) return kExitUnreadable;
  SetMessageDisplay(RecordLoaderLine, nullptr);

  // The prefab table answers the scripts that turn an object into a prefab.
  char path[1024];
  ProgramFile(path, sizeof path, "Dunmar.qpf");
  LoadPrefabs(path);
  ProgramFile(path, sizeof path, "Dunmar.dat");
  if (!LoadGameData(path))
    fprintf(stderr,
            "questcheck: no Dunmar.dat beside the program: every object covers one tile and "
            "text widths are not checked\n");

  int result = kExitClean;
  for (const char* q : quests) {
    int r = CheckOne(q);
    if (r > result) result = r;
  }
  UnloadGameData();
  return result;
}
