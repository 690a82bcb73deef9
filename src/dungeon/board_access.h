// Checked access to the board layers, shared by the generators, the scripts and the
// editor, and the map-wide door cleanup.
#pragma once
#include <cstdint>

enum BoardLayer { kLayerFloor = 1, kLayerDoor = 2, kLayerObject = 3 };

// Floor code of open ground on the current map: 8 on dungeon maps, 1 outdoors.
extern int OpenFloorCode;

// The board size from the quest header, cut to what the layers can hold.
int BoardWidth();
int BoardHeight();

// The byte of a layer. Floor and object cells exist on the board; the door layer has
// one column and one row more. Outside, the floor reads 7 (rock) on dungeon maps and
// 1 otherwise, the other layers 0; an unknown layer reads 1.
int getCell(int x, int y, int layer);
// Writes a byte; returns 1 when the position is outside the layer (nothing written),
// else 0. An unknown layer is ignored (0).
int setCell(int x, int y, int layer, int value);
// True when a door lies on any edge of the cell: its own west or north edge, the
// west edge of its right neighbour or the north edge of its lower neighbour.
bool doorTouches(int x, int y);
// Removes every door between two cells of the same floor code (26 x 19 board).
void cleanDoors();
// Look and walk script objects (side above Static) lie on the ScriptMap, not the
// ObjectMap: moves every one standing on the ObjectMap to the same tile of the
// ScriptMap (26 x 19 board).
void MoveScriptObjectsToScriptMap();
