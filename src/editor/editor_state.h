// What the quest editor keeps between passes of its loop, shared by its tools, its
// menus, the property dialogs and the map filters.
#pragma once

#include "render/board_draw.h"

// The four tools of the editor.
enum EditorToolNumber {
  kToolNone = 0,  // the editor is not running
  kToolFloor = 1,
  kToolDoor = 2,
  kToolObject = 3,
  kToolEraser = 4,
};
constexpr int kToolCount = 4;

// Items of the door tool.
enum DoorItem { kDoorWest = 1, kDoorNorth = 2 };
// Floor pictures the floor tool paints (floor numbers 1..27).
constexpr int kFloorItems = 27;
// The object tool's item 0: the custom object, PrefabTable entry 0, filled by Copy.
constexpr int kCustomObjectItem = 0;

// The current tool (EditorToolNumber): the board renderer's EditingFlag, so the board
// is drawn for the editor exactly while one is chosen, and 0 when the editor is not
// running.
inline int& EditorTool = EditingFlag;
// The tool's current item: a floor number, a door edge, a prefab number (0 the custom
// object), or 1 for the eraser.
extern int EditorItem;
// The level the map filters hand to the content generator: 1..lastlevel. Starts at 5
// when the program starts and keeps its value when the editor is left.
extern int ContentLevel;
constexpr int kFirstContentLevel = 5;

// The highest item of a tool: 27 floors, 2 door edges, the prefab count, 1 eraser.
int ToolItemBound(int tool);
// Brings EditorItem back to 1 when it lies above the current tool's bound.
void ClampEditorItem();

