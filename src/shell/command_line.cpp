#include "shell/command_line.h"

#include <cstring>
#include <string>

#include "core/program_state.h"
#include "shell/file_association.h"

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine c;
  bool options = true;
  for (int i = 1; i < argc; i++) {
    const char* a = argv[i];
    if (!a) continue;
    if (options && a[0] == '-') {
      if (strcmp(a, "--") == 0) {
        options = false;
        continue;
      }
      if (strcmp(a, "-h") == 0 || strcmp(a, "--help") == 0) {
        c.action = CommandAction::kHelp;
        return c;
      }
      if (strcmp(a, "-V") == 0 || strcmp(a, "--version") == 0) {
        c.action = CommandAction::kVersion;
        return c;
      }
      if (strcmp(a, "--desktop-entry") == 0 || strcmp(a, "--mime-package") == 0) {
        c.action = a[2] == 'd' ? CommandAction::kDesktopEntry : CommandAction::kMimePackage;
        return c;
      }
      c.action = CommandAction::kMistake;
      c.mistake = a;
      return c;
    }
    if (!a[0]) continue;  // an empty argument names nothing
    if (c.questFile) {
      c.action = CommandAction::kMistake;
      c.mistake = a;
      return c;
    }
    c.questFile = a;
  }
  return c;
}

void PrintUsage(FILE* out, const char* program) {
  fprintf(out,
          "Usage: %s [OPTION] [QUESTFILE]\n"
          "A fantasy dungeon game for one player; a quest file opens in the quest editor.\n"
          "\n"
          "  -h, --help     show this help and exit\n"
          "  -V, --version  show the version and exit\n"
          "  --desktop-entry, --mime-package\n"
          "                 print this program's desktop entry or the quest file type\n"
          "                 (for installers) and exit\n"
          "\n"
          "In the game Alt+Enter switches between window and full screen. The settings\n"
          "live in dunmar.cfg beside the program, or in ~/.config/dunmarrow when the\n"
          "program folder cannot be written (quests and saves then in\n"
          "~/.local/share/dunmarrow).\n",
          program);
}

int HandleCommandLine(int argc, char** argv, const char** questFile) {
  *questFile = nullptr;
  const char* program = argc > 0 && argv[0] ? argv[0] : "dunmarrow";
  CommandLine c = ParseCommandLine(argc, argv);
  switch (c.action) {
    case CommandAction::kHelp:
      PrintUsage(stdout, program);
      return 0;
    case CommandAction::kVersion:
      printf("Dunmarrow %s (%s)\n", VersionString, VersionDate);
      return 0;
    case CommandAction::kMistake:
      fprintf(stderr, "%s: not understood: '%s'\n", program, c.mistake);
      PrintUsage(stderr, program);
      return 2;
    case CommandAction::kDesktopEntry: {
      InitToolProgramPaths(program);
      std::string entry = QuestDesktopEntry(ExePath);
      if (entry.empty()) {
        fprintf(stderr, "%s: this program's path cannot go into a desktop entry\n", program);
        return 1;
      }
      printf("%sIcon=dunmarrow\n", entry.c_str());
      return 0;
    }
    case CommandAction::kMimePackage:
      printf("%s", QuestMimePackage().c_str());
      return 0;
    case CommandAction::kRun:
      break;
  }
  *questFile = c.questFile;
  return -1;
}
