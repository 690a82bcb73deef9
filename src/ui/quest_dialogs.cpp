#include "ui/quest_dialogs.h"

#include <allegro.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"

int EditorActive = 0;

namespace {

constexpr int kSelectorW = 296;
constexpr int kSelectorH = 202;

// Outside the editor and developer mode the player sees and picks quest files only.
bool FreeChoice() { return EditorActive || GameOptions.developer; }

int QuestNumber() { return FreeChoice() ? QuestHeader.chapter : 1; }

// The library's file selector in the program's look; false when cancelled, or when it
// closed because the player chose to leave the program.
bool RunFileSelect(char* path, const char* filter) {
  if (!screen) return false;
  FONT* old = font;
  font = DataFontOr(kFontDialog);
  int chosen = file_select_ex("", path, filter, kQuestPathSize, kSelectorW, kSelectorH);
  font = old;
  return chosen != 0 && ExitRequest < 2;
}

FileSelector gSelector = RunFileSelect;

bool IsRegularFile(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// A quest may also live in a folder of its own name (quests/abc/abc.qst), where the
// loader finds it as well.
bool QuestFileThere(const char* path) {
  if (IsRegularFile(path)) return true;
  int len = static_cast<int>(strlen(path));
  if (len <= 4) return false;
  char inFolder[kQuestPathSize * 2];
  snprintf(inFolder, sizeof inFolder, "%.*s/%s", len - 4, path, get_filename(path));
  return IsRegularFile(inFolder);
}

// The selector for loading never opens on a name that is not there: on the file when
// it exists, else on its folder alone.
void LoadStartPath(char* path) {
  if (!QuestFileThere(path)) replace_filename(path, path, "", kQuestPathSize);
}

// Whether the chosen path carries the wanted extension. The quest dialog takes a name
// typed without one (the quest extension is added); the saved-game dialog does not.
bool ExtensionAllowed(const char* path, const char* wanted, bool bareNameAllowed) {
  const char* ext = get_extension(path);
  if (ext[0] == '\0') return bareNameAllowed;
  return strcasecmp(ext, wanted) == 0;
}

// Outside free choice a path must carry the wanted extension; a refused path gets its
// alert and true.
bool ExtensionRefused(bool freeChoice, const char* path, const char* wanted,
                      bool bareNameAllowed) {
  if (freeChoice || ExtensionAllowed(path, wanted, bareNameAllowed)) return false;
  char line[40];
  snprintf(line, sizeof line, "use the '%s' extension.", wanted);
  Alert("Error:", "   You are only allowed to   ", line, "OK", nullptr, 13, 0);
  return true;
}

// Loads (mode 1) or saves the file a chosen name stands for. The full path tried is
// left in full (kQuestPathSize * 2 characters).
int LoadOrSave(int mode, const char* path, int number, char* full) {
  CopyText(full, BuildQuestPath(path, number), kQuestPathSize * 2 - 1);
  if (mode == 1) return LoadQuest(full) == 1 ? kChosenNotFound : kChosenDone;
  return SaveQuest(full) == kSaveDone ? kChosenDone : kChosenNotWritten;
}

void Settle() {
  Sys().Wait(100);
  Sys().ClearKeys();
}

// Runs the selector from start until a file was handled or the player gave up. A file
// that is not there (after the loader's "File not found" alert) brings the selector
// back on the folder the player was in.
void SelectAndHandle(int mode, char* path, const char* filter,
                     int (*handle)(int mode, char* path, char* full)) {
  if (mode == 1) LoadStartPath(path);
  // Once the player chose to leave (say, over the loader's alert) it opens no more.
  while (ExitRequest < 2 && gSelector(path, filter)) {
    char full[kQuestPathSize * 2];
    full[0] = '\0';
    if (handle(mode, path, full) != kChosenNotFound || mode != 1) break;
    CopyText(path, full, kQuestPathSize - 1);
    LoadStartPath(path);
  }
}

int HandleQuest(int mode, char* path, char* full) {
  path[kQuestPathSize - 1] = '\0';
  fix_filename_slashes(path);
  if (ExtensionRefused(FreeChoice(), path, "qst", true)) return kChosenRefused;
  if (mode == 0) {
    // The series is the file name up to its first dot.
    char series[kHeaderTextLen + 1];
    CopyText(series, get_filename(path), kHeaderTextLen);
    char* dot = strchr(series, '.');
    if (dot) *dot = '\0';
    CopyText(QuestHeader.series, series, kHeaderTextLen);
  }
  return LoadOrSave(mode, path, QuestNumber(), full);
}

int HandleSavedGame(int mode, char* path, char* full) {
  path[kQuestPathSize - 1] = '\0';
  fix_filename_slashes(path);
  if (ExtensionRefused(GameOptions.developer, path, "sav", false)) return kChosenRefused;
  return LoadOrSave(mode, path, -1, full);
}

}  // namespace

void SetFileSelector(FileSelector selector) { gSelector = selector ? selector : RunFileSelect; }

int QuestFileChosen(int mode, char* path) {
  char full[kQuestPathSize * 2];
  return HandleQuest(mode, path, full);
}

int SavedGameChosen(int mode, char* path) {
  char full[kQuestPathSize * 2];
  return HandleSavedGame(mode, path, full);
}

int QuestFileDialog(int mode) {
  QuestLoaded = 0;
  MapRowsMissing = 0;
  char path[kQuestPathSize];
  CopyText(path, BuildQuestPath(QuestHeader.series, QuestNumber()), kQuestPathSize - 1);
  SelectAndHandle(mode, path, FreeChoice() ? nullptr : "qst", HandleQuest);
  Settle();
  return 0;
}

int SavedGameDialog(int mode) {
  if (mode == 1) MapRowsMissing = 0;
  char path[kQuestPathSize];
  CopyText(path, BuildQuestPath(QuestHeader.series, -1), kQuestPathSize - 1);
  SelectAndHandle(mode, path, "sav", HandleSavedGame);
  Settle();
  return 0;
}
