#include "quest/quest_dialogs.h"

// Filled in with the file selector and the quest files.
int QuestFileDialog(int mode) { return 0; }
int SavedGameDialog(int mode) { return 0; }
