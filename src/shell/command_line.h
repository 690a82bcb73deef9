// The command line: an optional quest file to open in the editor, and the options
// every desktop program answers (--help, --version).
#pragma once
#include <cstdio>

enum class CommandAction {
  kRun,      // start the game (with questFile in the editor when given)
  kHelp,     // print the usage on the standard output, exit 0
  kVersion,  // print the version, exit 0
  kMistake,  // print the usage on the error output, exit 2
  kDesktopEntry,  // print this program's desktop entry (for installers), exit 0
  kMimePackage,   // print the quest file type's MIME package (for installers), exit 0
};

struct CommandLine {
  CommandAction action = CommandAction::kRun;
  const char* questFile = nullptr;  // an argument of argv, or nullptr
  const char* mistake = nullptr;    // the argument that was not understood
};

// Reads the arguments: "-h"/"--help", "-V"/"--version", "--desktop-entry",
// "--mime-package"; "--" ends the options (a
// quest file may then begin with "-"); a lone "-" and anything else beginning with
// "-" is a mistake, and so is a second file.
CommandLine ParseCommandLine(int argc, char** argv);

// The usage text.
void PrintUsage(FILE* out, const char* program);

// For the game's start: parses and answers --help, --version and mistakes. Returns -1
// when the game is to run (questFile then set, or nullptr), else the exit code.
int HandleCommandLine(int argc, char** argv, const char** questFile);
