// The "Editmenu": map filters, loading and saving quests, options, leaving the editor.
#pragma once
#include <allegro.h>

// Item indexes of the menu dialog.
enum EditMenuItem {
  kEditBox = 0,
  kEditResume = 1,
  kEditFilters = 2,
  kEditLoad = 3,
  kEditSave = 4,
  kEditOptions = 5,
  kEditExit = 6,
  kEditWatcher = 7,
  kEditItemCount = 9,  // the eight items and the closing entry
};

// Sets the layout values and fills the dialog (kEditItemCount entries).
void BuildEditMenu(DIALOG* items);
// Runs the menu until it closes; 1 when the player confirmed "EXIT", else 0.
int RunEditMenu();

// How the menu loads and saves (QuestFileDialog unless a test put its own in place).
using EditorFileDialog = int (*)(int mode);
extern EditorFileDialog EditorQuestFileDialog;
