#include "core/program_state.h"

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "core/platform.h"

char ExePath[1024] = "./dunmarrow";
char SavesDir[1024] = "./saves/";
char QuestsDir[1024] = "./quests/";
char VersionString[11] = "v2.07F";
char VersionDate[11] = "8-2004";
int ExitRequest = 0;

void InitProgramPaths(const char* exePath) {
  snprintf(ExePath, sizeof ExePath, "%s", exePath);
  ProgramFile(SavesDir, sizeof SavesDir, "saves/");
  ProgramFile(QuestsDir, sizeof QuestsDir, "quests/");
}

void InitToolProgramPaths(const char* argv0) {
  char exe[1024];
  ssize_t len = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (len > 0)
    exe[len] = '\0';
  else
    snprintf(exe, sizeof exe, "%s", argv0 ? argv0 : "./");
  InitProgramPaths(exe);
}

void ProgramFile(char* out, int n, const char* name) {
  char buf[1024];
  replace_filename(buf, ExePath, name, sizeof buf);
  snprintf(out, n, "%s", buf);
}

void UseSingleByteText() { set_uformat(U_ASCII); }

int ExitQuestionOpen = 0;

bool ConfirmExitProgram() {
  ExitQuestionOpen = 1;
  bool ok = Alert(" ", "  Exit Dunmarrow?  ", " ", "OK", "CANCEL", 'O', 'C') == 1;
  ExitQuestionOpen = 0;
  return ok;
}
