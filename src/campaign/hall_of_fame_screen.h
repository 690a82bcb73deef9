// The Hall of Fame as the player meets it: recording the party after a won quest or a
// descent, and the dialog that shows the table.
#pragma once

// Records the four heroes of the PartyTable under the current quest title. Returns 1
// when at least one of them entered the table, else 0.
int UpdateHallOfFame();
// Shows the table until the dialog is closed; the entries of the latest update are
// highlighted on its first drawing.
void ShowHallOfFame();
