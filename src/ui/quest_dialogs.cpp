#include "ui/quest_dialogs.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"

int EditorActive = 0;

namespace {

constexpr int kPathSize = 512;
constexpr int kSelectorW = 296;
constexpr int kSelectorH = 202;

// Outside the editor and developer mode the player sees and picks quest files only.
bool FreeChoice() { return EditorActive || GameOptions.developer; }

int QuestNumber() { return FreeChoice() ? QuestHeader.chapter : 1; }

// A name typed without extension gets the right one added, so it counts as allowed.
bool ExtensionAllowed(const char* path, const char* wanted) {
  const char* ext = get_extension(path);
  return ext[0] == '\0' || strcasecmp(ext, wanted) == 0;
}

// The library's file selector in the program's look; false when cancelled.
bool SelectFile(char* path, const char* filter) {
  if (!screen) return false;
  FONT* old = font;
  font = DataFontOr(kFontDialog);
  int chosen = file_select_ex("", path, filter, kPathSize, kSelectorW, kSelectorH);
  font = old;
  return chosen != 0;
}

// Outside free choice a path must carry the wanted extension; a refused path gets its
// alert and true.
bool ExtensionRefused(bool freeChoice, const char* path, const char* wanted) {
  if (freeChoice || ExtensionAllowed(path, wanted)) return false;
  char line[40];
  snprintf(line, sizeof line, "use the '%s' extension.", wanted);
  Alert("Error:", "   You are only allowed to   ", line, "OK", nullptr, 13, 0);
  return true;
}

// Loads (mode 1) or saves the file a chosen name stands for.
int LoadOrSave(int mode, const char* path, int number) {
  char full[kLineBufferSize];
  CopyText(full, BuildQuestPath(path, number), kLineBufferSize - 1);
  return mode == 1 ? LoadQuest(full) : SaveQuest(full);
}

void Settle() {
  Sys().Wait(100);
  Sys().ClearKeys();
}

}  // namespace

int QuestFileChosen(int mode, char* path) {
  path[kPathSize - 1] = '\0';
  fix_filename_slashes(path);
  if (ExtensionRefused(FreeChoice(), path, "qst")) return 1;
  if (mode == 0) {
    // The series is the file name up to its first dot.
    char series[kHeaderTextLen + 1];
    CopyText(series, get_filename(path), kHeaderTextLen);
    char* dot = strchr(series, '.');
    if (dot) *dot = '\0';
    CopyText(QuestHeader.series, series, kHeaderTextLen);
  }
  return LoadOrSave(mode, path, QuestNumber());
}

int SavedGameChosen(int mode, char* path) {
  path[kPathSize - 1] = '\0';
  fix_filename_slashes(path);
  if (ExtensionRefused(GameOptions.developer, path, "sav")) return 1;
  return LoadOrSave(mode, path, -1);
}

int QuestFileDialog(int mode) {
  QuestLoaded = 0;
  char path[kPathSize];
  CopyText(path, BuildQuestPath(QuestHeader.series, QuestNumber()), kPathSize - 1);
  if (SelectFile(path, FreeChoice() ? nullptr : "qst")) QuestFileChosen(mode, path);
  Settle();
  return 0;
}

int SavedGameDialog(int mode) {
  char path[kPathSize];
  CopyText(path, BuildQuestPath(QuestHeader.series, -1), kPathSize - 1);
  if (SelectFile(path, "sav")) SavedGameChosen(mode, path);
  Settle();
  return 0;
}
