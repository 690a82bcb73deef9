// The random dungeon layout: rock, corridors, numbered rooms and their doors, written
// into the floor and door layers of the current board.
#pragma once

// Floor codes the layout writes.
constexpr int kFloorRock = 7;
constexpr int kFloorCorridor = 8;
constexpr int kFloorFirstRoom = 10;     // room r gets 10 + r ...
constexpr int kFloorLastRoom = 24;      // ... up to room 14;
constexpr int kFloorRoomOverflow = 5;   // later rooms all get 5

// Builds the layout from a seed (a seed of 0 or less does not reseed the shared
// generator). The caller resets the board first (ResetQuest with full false). Reads
// the board size and the [dungeon] randomness, clrdeadend and hiddendoor options;
// prints one message line and clears the doors between equal floor codes.
void generateDungeonLayout(int seed);

// The finishing steps of the layout, each on the current board:
// The maze grid is one column short of the board: the column (1 .. width - 3) richest
// in corridor is doubled, shifting the columns right of it by one, so the last column
// is not left as rock. Returns the doubled column (1 when none has corridor).
int DoubleCorridorColumn();
// A rock cell with corridor on all four sides becomes corridor.
void OpenPillars();
// A corridor cell with no corridor beside it takes the floor of its left, right,
// upper or lower neighbour, the first that is not rock (cells off the board read as
// getCell reads them); between four rocks it stays corridor.
void AbsorbLoneCorridorCells();

// Fills gDungeonSettings for a layout of the current board from a seed.
void FillLayoutSettings(int seed);
