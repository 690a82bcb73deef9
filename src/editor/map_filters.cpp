#include "editor/map_filters.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/random.h"
#include "core/redraw_request.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_content.h"
#include "dungeon/dungeon_layout.h"
#include "dungeon/outdoors_layout.h"
#include "editor/editor_state.h"
#include "editor/popup_dialog.h"
#include "editor/quest_properties.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/text.h"

namespace {

const MenuButton kEntries[9] = {
    {'1', "QUEST PROPERTIES"}, {'2', "CLASSIC DUNGEON "}, {'3', "GENERATE DUNGEON"},
    {'4', "OUTDOORS DUNGEON"}, {'5', "GENERATE CONTENT"}, {'6', "GREYSCALE EXPORT"},
    {'7', "SHOW COORDINATES"}, {'8', "REMOVE ALL DOORS"}, {'X', "BACK"},
};

// The classic board: floor numbers of its rooms, columns and rows inclusive, laid in
// this order over the corridor floor.
struct ClassicRoom {
  int floor, x0, x1, y0, y1;
};
const ClassicRoom kClassicRooms[] = {
    {21, 1, 4, 1, 3},     {24, 5, 8, 1, 3},     {12, 9, 11, 1, 5},   {22, 14, 16, 1, 5},
    {5, 17, 20, 1, 4},    {17, 21, 24, 1, 4},   {7, 1, 4, 4, 8},     {14, 5, 8, 4, 8},
    {18, 17, 20, 5, 8},   {14, 21, 24, 5, 8},   {6, 10, 15, 7, 11},  {17, 1, 4, 10, 13},
    {13, 5, 6, 10, 12},   {11, 7, 8, 10, 12},   {13, 17, 20, 10, 13}, {19, 21, 24, 10, 13},
    {11, 1, 4, 14, 17},   {24, 5, 8, 13, 17},   {18, 9, 11, 13, 17}, {22, 14, 17, 13, 17},
    {21, 18, 20, 14, 17}, {15, 21, 24, 14, 17},
};

// The export picture: the board picture with a 14-pixel margin, ticks in it.
constexpr int kExportMargin = 14;
constexpr int kExportExtra = 28;
const char kExportName[] = "greymap.bmp";
char ExportPath[1024];
// Where it went, as the message line says it: short enough for the line.
const char* ExportShownAs = "";

const ColorTriple kDarkGreen = {0, 100, 0};
const ColorTriple kPathGreen = {0, 160, 0};
const ColorTriple kLabelRed = {252, 0, 0};

void RedrawBoardPicture() {
  ClearBoardPicture();
  DrawWholeBoard();
  DrawScreen(0, 1, 0, 0);
}

void Announce(const ColorTriple& color, const char* text) {
  PrintMessage(color, "%s", text);
  RefreshMessages();
}

// Until a key, a mouse button or the window's close request.
void WaitForKeyOrClick() {
  Sys().ClearKeys();
  while (!Sys().KeyPressed() && Sys().MouseButtons() == 0 && ExitRequest == 0) {
    Sys().Wait(10);
    RedrawIfRequested();
  }
  Sys().ClearKeys();
  while (Sys().MouseButtons() != 0 && ExitRequest == 0) Sys().Wait(10);
}

// The content generator writes its objects over whatever stands on a tile it picks: an
// object the author placed there would stay in the table on no tile at all, and be
// saved with the quest as a phantom. Such an object gets its tile back and the
// generated one goes.
struct KeptObject {
  int x, y;
  ObjectRecord record;
};
KeptObject Kept[kMaxObjects];
int KeptCount = 0;

void KeepPlacedObjects() {
  KeptCount = 0;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] != 0 && KeptCount < kMaxObjects)
        Kept[KeptCount++] = {x, y, ObjectTable[ObjectMap[x][y]]};
}

bool OnTheBoard(int slot) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] == slot || ScriptMap[x][y] == slot) return true;
  return false;
}

// An object on no tile that stood on one before was written over: the generator never
// moves an object (its slot may change, its tile reference with it). The generator may
// give the objects still standing gold or a potion, but not one it wrote over.
void GiveBackOverwrittenObjects() {
  bool given[kMaxObjects] = {};
  for (int slot = 1; slot < kMaxObjects; slot++) {
    if (IsFreeSlot(ObjectTable[slot]) || OnTheBoard(slot)) continue;
    for (int k = 0; k < KeptCount; k++) {
      const KeptObject& kept = Kept[k];
      const int now = ObjectMap[kept.x][kept.y];
      if (given[k] || memcmp(&ObjectTable[slot], &kept.record, sizeof kept.record) != 0 ||
          (now != 0 && memcmp(&ObjectTable[now], &kept.record, sizeof kept.record) == 0))
        continue;
      if (now != 0) ClearObject(ObjectTable[now]);
      ObjectMap[kept.x][kept.y] = static_cast<uint8_t>(slot);
      given[k] = true;
      break;
    }
  }
}

bool FreeObjectSlot() {
  for (int slot = 1; slot < kMaxObjects; slot++)
    if (IsFreeSlot(ObjectTable[slot])) return true;
  return false;
}

// ---------------------------------------------------------------- greyscale export

int Grey(int v) { return makecol(v, v, v); }

// Walls (a black line between two greys) and doors (a light box, crossed when locked
// or hidden) on the edges of one reached cell.
void DrawExportEdges(BITMAP* b, int x, int y) {
  const int x0 = TileX[x], y0 = TileY[y], x1 = TileX[x + 1], y1 = TileY[y + 1];
  const int black = makecol(0, 0, 0), grey = Grey(160);
  const int floor = FloorMap[x][y];
  auto wallV = [&](int lx) {
    vline(b, lx - 1, y0 + 1, y1 - 1, grey);
    vline(b, lx + 1, y0 + 1, y1 - 1, grey);
    vline(b, lx, y0, y1, black);
  };
  auto wallH = [&](int ly) {
    hline(b, x0 + 1, ly - 1, x1 - 1, grey);
    hline(b, x0 + 1, ly + 1, x1 - 1, grey);
    hline(b, x0, ly, x1, black);
  };
  if (x > 0 && FloorMap[x - 1][y] != floor) wallV(x0);
  if (y > 0 && FloorMap[x][y - 1] != floor) wallH(y0);
  if (x < kBoardW - 1 && FloorMap[x + 1][y] != floor) wallV(x1);
  if (y < kBoardH - 1 && FloorMap[x][y + 1] != floor) wallH(y1);

  const int fill = Grey(200), frame = Grey(125);
  const int marked = kDoorRed | kDoorBlue | kDoorHidden;
  auto door = [&](int nibble, int bx0, int by0, int bx1, int by1) {
    if (nibble == 0) return;
    rectfill(b, bx0, by0, bx1, by1, fill);
    rect(b, bx0, by0, bx1, by1, frame);
    if (nibble & marked) {
      line(b, bx0, by0, bx1, by1, frame);
      line(b, bx0, by1, bx1, by0, frame);
    }
  };
  door(DoorMap[x][y] & 0x0F, x0 - 2, y0 + 1, x0 + 2, y1 - 1);
  door(DoorMap[x][y] >> 4, x0 + 1, y0 - 2, x1 - 1, y0 + 2);
  door(DoorMap[x + 1][y] & 0x0F, x1 - 2, y0 + 1, x1 + 2, y1 - 1);
  door(DoorMap[x][y + 1] >> 4, x0 + 1, y1 - 2, x1 - 1, y1 + 2);
}

// Every cell that an object or a script can reach through rooms, corridors and any
// door gets mask 2; the rest keeps 1.
void MarkReachableCells() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) VisibilityMap[x][y] = 1;
  // The path search shows its numbers on the board in developer mode: not here.
  const int developer = GameOptions.developer;
  GameOptions.developer = 0;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (VisibilityMap[x][y] != 1 || (ObjectMap[x][y] == 0 && ScriptMap[x][y] == 0)) continue;
      FindPath(x, y, kBoardW, 0, 0, 0, 0, 0);
      for (int cy = 0; cy < kBoardH; cy++)
        for (int cx = 0; cx < kBoardW; cx++)
          if (ScratchMap[cx][cy] != 0) VisibilityMap[cx][cy] = 2;
    }
  GameOptions.developer = developer;
}

void ConvertToGrey(BITMAP* b) {
  const int depth = bitmap_color_depth(b);
  for (int y = 0; y < b->h; y++)
    for (int x = 0; x < b->w; x++) {
      const int c = getpixel(b, x, y);
      // 0.3 r + 0.5 g + 0.2 b, truncated, in whole numbers: white stays 255.
      const int grey = (3 * getr_depth(depth, c) + 5 * getg_depth(depth, c) +
                        2 * getb_depth(depth, c)) / 10;
      putpixel(b, x, y, makecol_depth(depth, grey, grey, grey));
    }
}

bool SaveExport(BITMAP* picture, const char* folder) {
  snprintf(ExportPath, sizeof ExportPath, "%s%s", folder, kExportName);
  PALETTE pal;
  get_palette(pal);
  return save_bitmap(ExportPath, picture, pal) == 0;
}

}  // namespace

// ---------------------------------------------------------------- the menu

void BuildMapFiltersMenu(DIALOG* items) {
  DialogLayoutValues& L = DialogLayout;
  L.DialogX = 244;
  L.DialogY = 213;
  L.DialogW = 184;
  L.DialogH = 290;
  L.ButtonW = 160;
  L.ButtonH = 22;
  L.Spacing = 6;
  L.TitleBarHeight = 16;
  // "BACK" stands a little apart from the filters.
  FillMenuDialog(items, "Map Filters", kEntries, 9, {8});
}

void RunMapFilters() {
  DIALOG items[kFiltersItemCount];
  int focus = kFiltersQuestProperties;
  while (ExitRequest == 0) {
    BuildMapFiltersMenu(items);
    Sys().ClearKeys();
    const int choice = RunEditorPopup(items, focus);
    if (ExitRequest != 0 || choice < 0 || choice == kFiltersBack) break;
    focus = choice;
    switch (choice) {
      case kFiltersQuestProperties: EditQuestProperties(); break;
      case kFiltersClassic: ClassicDungeonFilter(); break;
      case kFiltersDungeon: GenerateDungeonFilter(); break;
      case kFiltersOutdoors: OutdoorsDungeonFilter(); break;
      case kFiltersContent: GenerateContentFilter(); break;
      case kFiltersGreyscale: GreyscaleExportFilter(); break;
      case kFiltersCoordinates: ShowCoordinatesFilter(); break;
      case kFiltersRemoveDoors: RemoveAllDoorsFilter(); break;
      default: break;
    }
  }
  Sys().Wait(100);
  Sys().ClearKeys();
}

// ---------------------------------------------------------------- the filters

int BoardSeed() { return Random31() / 1200; }

void ClassicDungeonFilter() {
  ResetQuest(false);
  for (const ClassicRoom& r : kClassicRooms)
    for (int y = r.y0; y <= r.y1; y++)
      for (int x = r.x0; x <= r.x1; x++) FloorMap[x][y] = static_cast<uint8_t>(r.floor);
  cleanDoors();
  RedrawBoardPicture();
  Announce(TextColor1, "Floormap set to Classic Dunmarrow layout.");
}

void GenerateDungeonFilter() {
  ResetQuest(false);
  generateDungeonLayout(BoardSeed());
  RedrawBoardPicture();
}

void OutdoorsDungeonFilter() {
  ResetQuest(false);
  generateOutdoorsLayout(BoardSeed());
  RedrawBoardPicture();
}

bool GenerateContentFilter() {
  if (!FreeObjectSlot()) {
    Announce(ColorTable[kColorDarkRed], "The board is full: no object slot is free for content.");
    return false;
  }
  KeepPlacedObjects();
  generateDungeonContent(kContentEditor, ContentLevel, 0);
  GiveBackOverwrittenObjects();
  RedrawBoardPicture();
  return true;
}

BITMAP* MakeGreyscaleMap() {
  if (!BoardBitmap) return nullptr;
  BITMAP* board = BoardBitmap;
  BITMAP* work = create_bitmap(board->w + kExportExtra, board->h + kExportExtra);
  if (!work) return nullptr;
  const int white = makecol(255, 255, 255), grey = Grey(160);
  clear_to_color(work, white);
  clear_to_color(board, white);

  MarkReachableCells();
  BITMAP* hatch = DataBitmap(kDataHatchPattern);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (VisibilityMap[x][y] >= 2) continue;
      const int x0 = TileX[x] + 1, y0 = TileY[y] + 1, x1 = TileX[x + 1] - 1,
                y1 = TileY[y + 1] - 1;
      rectfill(board, x0, y0, x1, y1, Grey(200));
      if (hatch) {
        drawing_mode(DRAW_MODE_MASKED_PATTERN, hatch, 0, 0);
        rectfill(board, x0, y0, x1, y1, grey);
        solid_mode();
      }
    }
  for (int x = 0; x <= kBoardW; x++) vline(board, TileX[x], 0, board->h - 1, grey);
  for (int y = 0; y <= kBoardH; y++) hline(board, 0, TileY[y], board->w - 1, grey);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (VisibilityMap[x][y] == 2) DrawExportEdges(board, x, y);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] != 0) DrawObject(x, y, 4);

  // The frame, and the ticks that show in the margin once the map covers them.
  const int bw = board->w, bh = board->h;
  rect(work, 10, 10, bw + 17, bh + 17, grey);
  for (int x = 0; x < kBoardW; x++)
    for (int k = 0; k < 6; k++) vline(work, TileX[x] + 19 + 3 * k, 10, bh + 17, grey);
  for (int y = 0; y < kBoardH; y++)
    for (int k = 0; k < 6; k++) hline(work, 10, TileY[y] + 19 + 3 * k, bw + 17, grey);

  ConvertToGrey(board);
  blit(board, work, 0, 0, kExportMargin, kExportMargin, bw, bh);
  return work;
}

const char* GreyscaleExportFilter() {
  Sys().Wait(150);
  BITMAP* picture = MakeGreyscaleMap();
  bool saved = false;
  if (picture) {
    // The player's quests folder first, where his quests are; else the working folder.
    if (QuestsDir[0] && SaveExport(picture, QuestsDir)) {
      saved = true;
      ExportShownAs = "quests/greymap.bmp";
    } else if (SaveExport(picture, "")) {
      saved = true;
      ExportShownAs = "greymap.bmp in the working folder";
    }
    destroy_bitmap(picture);
  }
  if (saved)
    PrintMessage(TextColor1, "Saved greyscale map to %s, press a key to continue...",
                 ExportShownAs);
  else
    PrintMessage(ColorTable[kColorDarkRed],
                 "The greyscale map could not be written, press a key to continue...");
  RefreshMessages();
  DrawScreen(0, 1, 1, 0);
  ClearBoardPicture();
  DrawWholeBoard();
  WaitForKeyOrClick();
  DrawScreen(0, 1, 0, 0);
  return saved ? ExportPath : nullptr;
}

int CellLabelInk(const char* label) {
  const int n = atoi(label);  // 0 for a label that starts with a letter
  ColorTriple color = kDarkGreen;
  if (n == 0) color = TextColor3;
  if (n == PathLength) color = kPathGreen;
  if (n == 255) color = kLabelRed;
  if (label[0] == 'X' || label[0] == 'Y') return HighlightColor;
  return MakeColorFromTriple(color);
}

void DrawCellLabel(int x, int y, const char* format, long value) {
  if (!BoardBitmap || x < 0 || y < 0 || x >= kBoardW || y >= kBoardH) return;
  char label[10];
  snprintf(label, sizeof label, format, value);
  const int ink = CellLabelInk(label);
  rectfill(BoardBitmap, TileX[x] + 2, TileY[y] + 8, TileX[x] + 23, TileY[y] + 17, BaseColor);
  DrawText(BoardBitmap, kFontSmall, TileX[x] + 2, TileY[y] + 6, ink, "%s", label);
}

void ShowCoordinatesFilter() {
  Sys().Wait(150);
  for (int y = 1; y < kBoardH; y++) DrawCellLabel(0, y, "Y%2ld", y);
  for (int x = 0; x < kBoardW; x++) DrawCellLabel(x, 0, "X%2ld", x);
  Announce(TextColor1, "Drawing map coordinates.");
  DrawScreen(0, 1, 1, 0);
  // The picture loses the labels at once; the screen keeps them until the next redraw.
  ClearBoardPicture();
  DrawWholeBoard();
  WaitForKeyOrClick();
  DrawScreen(0, 1, 0, 0);
}

void RemoveAllDoorsFilter() {
  memset(DoorMap, 0, sizeof DoorMap);
  RedrawBoardPicture();
  Announce(TextColor1, "All doors have been removed.");
}
