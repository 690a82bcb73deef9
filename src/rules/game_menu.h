// The game menu ("Gamemenu"), opened by the MENU button or Escape during a hero's turn:
// resume, the briefing, loading and saving a game, the options and leaving the quest.
#pragma once
#include <allegro.h>

enum GameMenuItem {
  kGameMenuBox = 0,
  kGameMenuResume = 1,
  kGameMenuBriefing = 2,
  kGameMenuLoad = 3,
  kGameMenuSave = 4,
  kGameMenuOptions = 5,
  kGameMenuExit = 6,
  kGameMenuWatcher = 7,
  kGameMenuItemCount = 9,  // the eight items and the closing entry
};

// Sets the menu's layout values (centred on the board) and fills items
// (kGameMenuItemCount entries).
void BuildGameMenu(DIALOG* items);

// How the menu reaches the saved games: SavedGameDialog (mode 1 loads, mode 0 saves).
// Tests choose the file in its place, as the library's file selector needs a display.
using SavedGameChooser = int (*)(int mode);
extern SavedGameChooser ChooseSavedGame;

// Runs the menu until the player resumes play (the button or Escape), a saved game was
// loaded (the board is drawn anew from the loaded game and ReloadedFlag set for the
// hero turn), or the program is closing: 0. Returns 1 when the player confirmed
// "  Exit to Mainmenu?  ". A saved game that cannot be read leaves the game in play as
// it was, with a message.
int GameMenu();
