// The editor's tools on the quest model: painting floors, cycling doors, placing,
// erasing and copying objects. Each works on the live quest and draws the board
// picture afresh when it changed something (a wall, door mark, picture or shadow
// reaches into the neighbouring tiles, so the whole board is drawn in its own order);
// the caller puts the board on the screen.
#pragma once

#include "quest/quest_model.h"

// 3 x 3 footprint of a record as if it stood on the board: mask[dx + 1][dy + 1]. The
// same rule the board uses for its objects, for records not (yet) on the board.
void RecordFootprint(const ObjectRecord& o, bool mask[3][3]);

// Whether PrefabTable entry prefab fits with its anchor on (x, y): every cell of its
// footprint on the board, free of other objects, and of the anchor's floor number.
bool CanPlaceObject(int prefab, int x, int y);

// Results of PlaceObject.
enum PlaceResult { kPlaced = 0, kPlaceRefused = 1, kPlaceTableFull = 2 };
// Places a copy of PrefabTable entry prefab on (x, y) in the first free ObjectTable
// entry: sound 1 when placed, 10 when it does not fit; "Maximum object amount reached
// (255)." when every entry is used. The slot goes to *slot when placed.
int PlaceObject(int prefab, int x, int y, int* slot = nullptr);

// The door states one edge steps through: none, door, red, blue, hidden, none.
int NextDoorState(int state);
// The door tool on (x, y): item 1 the west edge, 2 the north edge. Refused (sound 10,
// result 1) on the board's west column or north row, off the board, or where both
// sides carry the same floor number; else the edge steps to its next state (sound 1,
// result 0).
int CycleDoor(int x, int y, int item);

// Paints floor into every cell of the rectangle (corners in any order, cut to the
// board), then removes the doors that now join equal floors.
void PaintFloorRect(int x1, int y1, int x2, int y2, int floor);

// Removes the object covering (x, y): its anchor's ObjectMap entry becomes 0, its
// record's name "#" (the rest of the record stays). False
// when no object covers the cell (or the cell is off the board).
bool RemoveObjectAt(int x, int y);
// Removes every object covering a cell of the rectangle; returns how many.
int EraseRect(int x1, int y1, int x2, int y2);

// Copy: the floor tool with the cell's floor number, or, when an object covers the
// cell, the object tool with the custom object (PrefabTable entry 0) filled from it,
// or the last prefab equal to it (which then takes the copied orientation).
void CopyCell(int x, int y);
// Whether two records are the same object apart from their orientation.
bool RecordsMatch(const ObjectRecord& a, const ObjectRecord& b);

// A right click beside the board: the door tool flips its edge, the object tool turns
// the current object (none -> mirrored for 20-pixel-wide pictures, else a quarter
// turn; any turn -> none). Other tools ignore it.
void FlipCurrentItem();

// Item stepping: by delta (Page Up/Down and the wheel: +-1; Home/End: +-5), held in
// 1..bound of the current tool.
void StepEditorItem(int delta);
// Selects a tool with item 1.
void SelectTool(int tool);

// The board picture drawn afresh: every tile, then every object. The selection mask
// (VisibilityMap) stays as it was.
void RedrawBoardPicture();
// Marks the rectangle in the selection mask: 1 inside, 2 on the column to its right
// and the row below it (their walls and pictures overlap it); clears the rest.
void MarkRectangle(int x1, int y1, int x2, int y2);
