// Choosing quest and saved-game files.
#pragma once

// 1 while the quest editor runs (the editor sets it); the quest dialog then shows all
// files and works on the current chapter's file.
extern int EditorActive;

// Size of the path buffer the file selector edits.
constexpr int kQuestPathSize = 512;

// mode 1 loads a quest, mode 0 saves the current one; returns 0. For loading, the
// selector opens on the quest's file when it exists, else on its folder alone, and a
// chosen file that is not there brings the selector back after its alert.
int QuestFileDialog(int mode);
// mode 1 loads a saved game, mode 0 saves the game in progress; returns 0. Loading
// opens and comes back as the quest dialog does.
int SavedGameDialog(int mode);

// What the dialogs do with a chosen path (path is normalised in place, at most 511
// characters), and what came of it.
enum ChosenFileResult {
  kChosenDone = 0,        // loaded (QuestLoaded tells whether it is whole) or written
  kChosenRefused = 1,     // wrong extension, after its alert
  kChosenNotFound = 2,    // no such file, after the loader's alert
  kChosenNotWritten = 3,  // overwriting declined, or the file could not be written
};
int QuestFileChosen(int mode, char* path);
int SavedGameChosen(int mode, char* path);

// The file selector the dialogs run: it edits path (kQuestPathSize characters) and
// answers true for OK, false for cancel. The library's selector unless a test
// installed another (nullptr puts it back).
using FileSelector = bool (*)(char* path, const char* filter);
void SetFileSelector(FileSelector selector);
