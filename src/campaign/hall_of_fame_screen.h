// The Hall of Fame as the player meets it: recording the party after a won quest or a
// descent, and the dialog that shows the table.
#pragma once
#include <allegro.h>

// Records the four heroes of the PartyTable under the current quest title. Returns 1
// when at least one of them entered the table, else 0. Only this update's entries are
// flagged afterwards.
int UpdateHallOfFame();
// Shows the table until the dialog is closed; the entries of the latest update are
// highlighted on its first drawing.
void ShowHallOfFame();

// Item indexes of the dialog.
enum HallOfFameItem {
  kHallBox = 0,
  kHallClose = 1,
  kHallTable = 2,
  kHallWatcher = 3,
  kHallItemCount = 5,  // the four items and the closing entry
};
// Sets the layout values and fills items (kHallItemCount entries).
void BuildHallOfFameDialog(DIALOG* items);
// The table item: the eight entries with rank, picture, name, medal, experience, gold,
// kills and last quest. Drawing a flagged entry highlighted clears its flag.
int HallOfFameTableProc(int msg, DIALOG* d, int c);
