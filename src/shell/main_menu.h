// The main menu, the program's outer loop.
#pragma once
#include <allegro.h>

// Runs until the player leaves the program; returns 0.
int RunMainMenu();

// Item indexes of the main menu dialog.
enum MainMenuItem {
  kMenuBox = 0,
  kMenuPlayQuest = 1,
  kMenuDungeon = 2,
  kMenuEditQuest = 3,
  kMenuHallOfFame = 4,
  kMenuManual = 5,
  kMenuOptions = 6,
  kMenuExit = 7,
  kMenuWatcher = 8,
  kMenuItemCount = 10,  // the nine items and the closing entry
};

// Sets the menu's layout values and fills the dialog (kMenuItemCount entries).
void BuildMainMenu(DIALOG* items);
// Acts on the item that closed the menu (-1 for Escape) and answers the item to
// focus when the menu comes back, or a negative value when the menu ends.
int ActOnMainMenuChoice(int choice);

// After the quest was chosen: true when it can be played. A file read as a quest whose
// map part is missing or incomplete cannot be played as if it were whole: the player
// is told why, and QuestLoaded is cleared. Nothing is said when no quest was read
// (the dialog was cancelled, or the loader has told already).
bool LoadedQuestPlayable();

// PLAY QUEST: the party is emptied, the player chooses a quest, and its chapters follow
// one another, each with its briefing, play and result screen. A lost chapter is
// played again, a won one leads to the next chapter file; the series ends after its
// last chapter, when the player leaves, or when a chapter file cannot be played.
void PlayQuestSeries();

// THE DUNGEON: the quest screen sets up the Magic Dungeon and shows its briefing (one
// hero goes down); the descent is played level by level until it is won, lost or
// left, and a defeat or victory gets its result screen.
void PlayMagicDungeon();

// How PLAY QUEST reaches the quest selector (QuestFileDialog, mode 1 loads) and the
// play loop (PlayQuest). Tests put their own in place: the library's selector needs a
// display, and a test decides how each chapter ends.
using QuestChooser = int (*)(int mode);
extern QuestChooser ChooseQuestFile;
using ChapterPlayer = int (*)();
extern ChapterPlayer PlayChapter;
