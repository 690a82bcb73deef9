// The play loop: one quest in memory, from its first turn until it is won, lost or
// left. Every object number 1..255 gets its turn in order: heroes the interactive hero
// turn, revealed monsters the monster turn; after every turn the quest's end is checked.
#pragma once

// Plays the quest in memory; returns QuestOutcome (1 left, 2 lost, 3 won; 0 when the
// program is closing).
int PlayQuest();

// The first tile (rows outer, columns inner) whose ObjectMap entry is slot.
bool FindObjectTile(int slot, int* x, int* y);

// The turn of one object (CurrentObject): finds its tile, sets its walk points and
// hands it to the hero turn or, when revealed, the monster turn. Objects off the
// board, allies, static and script objects do nothing.
void RunObjectTurn();
