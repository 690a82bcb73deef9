#include "editor/editor_tools.h"

#include <algorithm>
#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "dungeon/board_access.h"
#include "editor/editor_state.h"
#include "render/board_draw.h"
#include "rules/sound_effects.h"

namespace {

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

void Order(int* a, int* b) {
  if (*a > *b) std::swap(*a, *b);
}

// Cuts a rectangle to the board; false when nothing of it is left.
bool CutToBoard(int* x1, int* y1, int* x2, int* y2) {
  Order(x1, x2);
  Order(y1, y2);
  *x1 = std::max(*x1, 0);
  *y1 = std::max(*y1, 0);
  *x2 = std::min(*x2, kBoardW - 1);
  *y2 = std::min(*y2, kBoardH - 1);
  return *x1 <= *x2 && *y1 <= *y2;
}

}  // namespace

void RecordFootprint(const ObjectRecord& o, bool mask[3][3]) {
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) mask[i][j] = false;
  mask[1][1] = true;
  BITMAP* spr = o.picture[kPicNumber] > 0 ? ObjectPicture(o.picture[kPicNumber]) : nullptr;
  if (!spr) return;
  bool m[3][3];
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) m[i][j] = true;
  const int ox = o.picture[kPicOffsetX], oy = o.picture[kPicOffsetY];
  for (int k = 0; k < 3; k++) {
    if (ox >= 0) m[0][k] = false;
    if (spr->w + ox < kTileSize) m[2][k] = false;
    if (oy >= 0) m[k][0] = false;
    if (spr->h + oy < kTileSize) m[k][2] = false;
  }
  const bool turned = o.picture[kPicOrientation] == 2;
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) mask[i][j] = turned ? m[j][i] : m[i][j];
}

bool CanPlaceObject(int prefab, int x, int y) {
  if (prefab < 0 || prefab > PrefabCount || prefab >= kMaxObjects || !OnBoard(x, y))
    return false;
  bool mask[3][3];
  RecordFootprint(PrefabTable[prefab], mask);
  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++) {
      if (!mask[dx + 1][dy + 1]) continue;
      const int cx = x + dx, cy = y + dy;
      if (ObjectAt(cx, cy, nullptr, nullptr)) return false;  // off the board counts too
      if (FloorMap[cx][cy] != FloorMap[x][y]) return false;
    }
  return true;
}

int PlaceObject(int prefab, int x, int y, int* slot) {
  if (!CanPlaceObject(prefab, x, y)) {
    PlayEffect(10);
    return kPlaceRefused;
  }
  int free = 0;
  for (int k = 1; k < kMaxObjects && !free; k++)
    if (ObjectTable[k].name[0] == '#') free = k;
  if (!free) {
    PrintMessage(ColorTable[kColorDarkRed], "Maximum object amount reached (255).");
    RefreshMessages();
    return kPlaceTableFull;
  }
  ObjectTable[free] = PrefabTable[prefab];
  ObjectMap[x][y] = static_cast<uint8_t>(free);
  if (free > ObjectCount) ObjectCount = free;
  PlayEffect(1);
  RedrawBoardPicture();
  if (slot) *slot = free;
  return kPlaced;
}

int NextDoorState(int state) {
  switch (state) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    case 4: return 8;
    default: return 0;  // hidden, or any mixture a file brought: no door
  }
}

int CycleDoor(int x, int y, int item) {
  const bool west = item != kDoorNorth;
  const int nx = west ? x - 1 : x, ny = west ? y : y - 1;
  if (!OnBoard(x, y) || !OnBoard(nx, ny) || FloorMap[x][y] == FloorMap[nx][ny]) {
    PlayEffect(10);
    return 1;
  }
  uint8_t& cell = DoorMap[x][y];
  if (west)
    cell = static_cast<uint8_t>((cell & 0xF0) | NextDoorState(cell & 0x0F));
  else
    cell = static_cast<uint8_t>((cell & 0x0F) | (NextDoorState(cell >> 4) << 4));
  PlayEffect(1);
  RedrawBoardPicture();
  return 0;
}

void MarkRectangle(int x1, int y1, int x2, int y2) {
  memset(VisibilityMap, 0, sizeof VisibilityMap);
  if (!CutToBoard(&x1, &y1, &x2, &y2)) return;
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) VisibilityMap[x][y] = 1;
  const int gx = std::min(x2 + 1, kBoardW - 1), gy = std::min(y2 + 1, kBoardH - 1);
  for (int y = y1; y <= gy; y++)
    for (int x = x1; x <= gx; x++)
      if (VisibilityMap[x][y] == 0) VisibilityMap[x][y] = 2;
}

void RedrawBoardPicture() {
  // Drawing a tile reveals it; here the layer is the editor's selection mask and stays.
  static uint8_t mask[kLayerW][kLayerH];
  memcpy(mask, VisibilityMap, sizeof mask);
  ClearBoardPicture();
  DrawWholeBoard();
  memcpy(VisibilityMap, mask, sizeof mask);
}

void PaintFloorRect(int x1, int y1, int x2, int y2, int floor) {
  if (!CutToBoard(&x1, &y1, &x2, &y2)) return;
  MarkRectangle(x1, y1, x2, y2);
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) FloorMap[x][y] = static_cast<uint8_t>(floor);
  cleanDoors();
  RedrawBoardPicture();
}

bool RemoveObjectAt(int x, int y) {
  int ax, ay;
  if (!OnBoard(x, y) || !ObjectAt(x, y, &ax, &ay) || !OnBoard(ax, ay)) return false;
  const int slot = ObjectMap[ax][ay];
  ObjectMap[ax][ay] = 0;
  ObjectTable[slot].name[0] = '#';
  ObjectTable[slot].name[1] = '\0';
  RedrawBoardPicture();
  return true;
}

int EraseRect(int x1, int y1, int x2, int y2) {
  if (!CutToBoard(&x1, &y1, &x2, &y2)) return 0;
  int removed = 0;
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++)
      while (RemoveObjectAt(x, y)) removed++;
  return removed;
}

bool RecordsMatch(const ObjectRecord& a, const ObjectRecord& b) {
  if (strcmp(a.name, b.name) != 0 || a.side != b.side || a.exp != b.exp ||
      a.kills != b.kills || a.id != b.id)
    return false;
  if (memcmp(a.attribute, b.attribute, sizeof a.attribute) != 0) return false;
  if (memcmp(a.inventory, b.inventory, sizeof a.inventory) != 0) return false;
  for (int i : {kPicNumber, kPicOffsetX, kPicOffsetY, kPicShadow, kPicLight})
    if (a.picture[i] != b.picture[i]) return false;
  if (memcmp(a.scriptvar, b.scriptvar, sizeof a.scriptvar) != 0) return false;
  return a.text1[0] == b.text1[0] && a.text2[0] == b.text2[0];
}

void CopyCell(int x, int y) {
  if (!OnBoard(x, y)) return;
  EditorItem = FloorMap[x][y];
  EditorTool = kToolFloor;
  int ax, ay;
  if (!ObjectAt(x, y, &ax, &ay) || !OnBoard(ax, ay)) return;
  EditorTool = kToolObject;
  EditorItem = kCustomObjectItem;
  PrefabTable[0] = ObjectTable[ObjectMap[ax][ay]];
  for (int p = 1; p <= PrefabCount && p < kMaxObjects; p++)
    if (RecordsMatch(PrefabTable[0], PrefabTable[p])) {
      EditorItem = p;
      PrefabTable[p].picture[kPicOrientation] = PrefabTable[0].picture[kPicOrientation];
    }
}

void FlipCurrentItem() {
  if (EditorTool == kToolDoor) {
    EditorItem = EditorItem == kDoorWest ? kDoorNorth : kDoorWest;
  } else if (EditorTool == kToolObject && EditorItem >= 0 && EditorItem <= PrefabCount &&
             EditorItem < kMaxObjects) {
    int32_t& turn = PrefabTable[EditorItem].picture[kPicOrientation];
    if (turn > 0) {
      turn = 0;
    } else {
      BITMAP* spr = ObjectPicture(PrefabTable[EditorItem].picture[kPicNumber]);
      turn = spr && spr->w == 20 ? 1 : 2;
    }
  }
}

void StepEditorItem(int delta) {
  const int bound = ToolItemBound(EditorTool);
  int item = EditorItem + delta;
  if (delta == -5 && item < 1) item = 1;
  if (delta == 5 && EditorItem >= bound - 4) item = bound;
  EditorItem = std::max(1, std::min(bound, item));
}

void SelectTool(int tool) {
  if (tool < 1 || tool > kToolCount) tool = kToolFloor;
  EditorTool = tool;
  EditorItem = 1;
}
