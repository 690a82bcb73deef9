#include "editor/map_filters.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/random.h"
#include "editor/editor_state.h"
#include "editor/quest_properties.h"
#include "fixture_quest.h"
#include "properties_fixture.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "support/pixel_colors.h"
#include "support/temp_folder.h"

namespace {

using Floors = std::vector<std::vector<int>>;

Floors CopyFloors() {
  Floors f(kBoardW, std::vector<int>(kBoardH));
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) f[x][y] = FloorMap[x][y];
  return f;
}

bool NoObjectsAndNoDoors() {
  for (int slot = 0; slot < kMaxObjects; slot++)
    if (!IsFreeSlot(ObjectTable[slot])) return false;
  for (int x = 0; x < kLayerW; x++)
    for (int y = 0; y < kLayerH; y++)
      if (ObjectMap[x][y] != 0 || DoorMap[x][y] != 0) return false;
  return true;
}

// The player presses a key while the game waits for one.
void PressAKeyWhenAsked() {
  TestPlatform().idleActs.push_back([](ScriptedPlatform& p) { p.keys.push_back('a'); });
}

class MapFilters : public EditorPropsTest {
 protected:
  void SetUp() override {
    EditorPropsTest::SetUp();
    CopyText(QuestHeader.quest, "The Old Mill", kHeaderTextLen);
    QuestHeader.chapter = 2;
    QuestHeader.chapters = 3;
    QuestHeader.qstdata[kQuestRewardGroup] = 250;
  }
};

TEST_F(MapFilters, ClassicDungeonLaysTheClassicRoomsOnAClearedBoard) {
  Place(fixture::kGoblin, 3, 3);
  DoorMap[9][4] = kDoorOpen | (kDoorHidden << 4);
  const QuestHeaderRecord header = QuestHeader;
  ClassicDungeonFilter();
  EXPECT_EQ(memcmp(&header, &QuestHeader, sizeof header), 0) << "the header is kept";
  EXPECT_TRUE(NoObjectsAndNoDoors());
  struct Cell {
    int x, y, floor;
  };
  const Cell cells[] = {{1, 1, 21},  {4, 3, 21},   {5, 1, 24},  {11, 5, 12},  {10, 7, 6},
                        {15, 11, 6}, {5, 10, 13},  {8, 12, 11}, {24, 17, 15}, {18, 14, 21},
                        {17, 13, 22}, {0, 0, 8},   {12, 0, 8},  {13, 6, 8},   {12, 12, 8},
                        {25, 18, 8}, {9, 6, 8},    {24, 4, 17}, {21, 5, 14}};
  for (const Cell& c : cells) EXPECT_EQ(FloorMap[c.x][c.y], c.floor) << c.x << "," << c.y;
  EXPECT_EQ(LastMessage(), "Floormap set to Classic Dunmarrow layout.");
}

TEST_F(MapFilters, GeneratedDungeonFollowsTheSharedGenerator) {
  Place(fixture::kGoblin, 3, 3);
  const QuestHeaderRecord header = QuestHeader;
  SeedRandom(4242);
  GenerateDungeonFilter();
  const Floors first = CopyFloors();
  EXPECT_EQ(memcmp(&header, &QuestHeader, sizeof header), 0);
  int corridor = 0;
  for (const auto& column : first)
    for (int f : column) corridor += f == 8;
  EXPECT_GT(corridor, 0);
  SeedRandom(4242);
  GenerateDungeonFilter();
  EXPECT_EQ(CopyFloors(), first);
}

TEST_F(MapFilters, OutdoorsOpensTheDungeonOfTheSameSeed) {
  SeedRandom(99);
  GenerateDungeonFilter();
  const Floors dungeon = CopyFloors();
  SeedRandom(99);
  OutdoorsDungeonFilter();
  auto open = [&](int x, int y) {
    const int f = (x < 0 || y < 0 || x >= kBoardW || y >= kBoardH) ? 7 : dungeon[x][y];
    return f == 8 || f == 7 || f == 1;
  };
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      int want = dungeon[x][y];
      if (want == 8) want = 1;
      if (want == 6) want = 3;
      if (want == 5) want = 4;
      if (want == 7)
        want = open(x - 1, y) + open(x + 1, y) + open(x, y - 1) + open(x, y + 1) >= 3 ? 1 : 7;
      EXPECT_EQ(FloorMap[x][y], want) << x << "," << y;
    }
}

TEST_F(MapFilters, ContentIsAddedAtTheEditorsLevel) {
  ClassicDungeonFilter();
  const int mine = Place(fixture::kChest, 2, 2);
  // Walk scripts without a picture on every other tile: the generator takes such tiles
  // for free ones.
  std::vector<std::pair<int, int>> scripts;
  for (int y = 0; y < kBoardH; y++)
    for (int x = y % 2; x < kBoardW; x += 2)
      if (ObjectMap[x][y] == 0) {
        const int slot = Place(fixture::kPitTrap, x, y);
        ObjectTable[slot].picture[kPicNumber] = 0;
        scripts.push_back({x, y});
      }
  const ObjectRecord chest = ObjectTable[mine];
  ContentLevel = 7;
  SeedRandom(5);
  EXPECT_TRUE(GenerateContentFilter());
  int objects = 0;
  for (int slot = 1; slot < kMaxObjects; slot++) objects += !IsFreeSlot(ObjectTable[slot]);
  EXPECT_GT(objects, 1 + static_cast<int>(scripts.size()));
  // What was there stays (the heroes may have taken its slot number, the generator
  // fills every chest with gold).
  const int now = ObjectMap[2][2];
  ASSERT_NE(now, 0);
  EXPECT_STREQ(ObjectTable[now].name, chest.name);
  for (const auto& cell : scripts)
    EXPECT_STREQ(ObjectTable[ObjectMap[cell.first][cell.second]].name,
                 PrefabTable[fixture::kPitTrap].name)
        << cell.first << "," << cell.second;
  // Every object in the table stands on the board: none was written over.
  for (int slot = 1; slot < kMaxObjects; slot++) {
    if (IsFreeSlot(ObjectTable[slot])) continue;
    bool onBoard = false;
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) onBoard = onBoard || ObjectMap[x][y] == slot;
    EXPECT_TRUE(onBoard) << "slot " << slot << " " << ObjectTable[slot].name;
  }
  ContentLevel = kFirstContentLevel;
}

TEST_F(MapFilters, ContentOnAFullTableEndsWithAMessage) {
  ClassicDungeonFilter();
  for (int slot = 1; slot < kMaxObjects; slot++) ObjectTable[slot] = PrefabTable[fixture::kGoblin];
  ObjectCount = kMaxObjects - 1;
  const uint8_t before = ObjectMap[5][5];
  EXPECT_FALSE(GenerateContentFilter());
  EXPECT_EQ(ObjectMap[5][5], before);
  EXPECT_NE(LastMessage().find("full"), std::string::npos) << LastMessage();
}

TEST_F(MapFilters, EveryGeneratingFilterEndsOnTinyBoards) {
  const int sizes[][2] = {{0, 0}, {1, 1}, {2, 19}, {26, 1}, {3, 3}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(std::to_string(s[0]) + " x " + std::to_string(s[1]));
    QuestHeader.mapw = static_cast<int8_t>(s[0]);
    QuestHeader.maph = static_cast<int8_t>(s[1]);
    GenerateDungeonFilter();
    OutdoorsDungeonFilter();
    GenerateContentFilter();
    GenerateContentFilter();
  }
}

TEST_F(MapFilters, RemoveAllDoorsEmptiesTheDoorLayer) {
  SeedRandom(7);
  GenerateDungeonFilter();
  DoorMap[26][19] = kDoorOpen;
  RemoveAllDoorsFilter();
  for (int x = 0; x < kLayerW; x++)
    for (int y = 0; y < kLayerH; y++) ASSERT_EQ(DoorMap[x][y], 0) << x << "," << y;
  EXPECT_EQ(LastMessage(), "All doors have been removed.");
}

// Two rooms joined by a door, a goblin in the first; a third room nobody reaches.
class GreyscaleExport : public MapFilters {
 protected:
  void SetUp() override {
    MapFilters::SetUp();
    memset(FloorMap, 7, sizeof FloorMap);
    Fill(1, 4, 1, 3, 10);
    Fill(5, 8, 1, 3, 11);
    Fill(12, 14, 5, 7, 12);
    DoorMap[5][2] = kDoorOpen;
    Place(fixture::kGoblin, 2, 2);
  }
  static void Fill(int x0, int x1, int y0, int y1, int floor) {
    for (int x = x0; x <= x1; x++)
      for (int y = y0; y <= y1; y++) FloorMap[x][y] = static_cast<uint8_t>(floor);
  }
  // A pixel of the exported picture, by board picture coordinates.
  static int GreyAt(BITMAP* map, int x, int y) {
    Rgb c = PixelAt(map, x + 14, y + 14);
    EXPECT_TRUE(c.r == c.g && c.g == c.b) << c;
    return c.r;
  }
};

TEST_F(GreyscaleExport, DrawsWallsDoorsAndHatchesWhatNobodyReaches) {
  BITMAP* map = MakeGreyscaleMap();
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->w, kBoardBitmapW + 28);
  EXPECT_EQ(map->h, kBoardBitmapH + 28);
  for (int y = 0; y < map->h; y += 7)
    for (int x = 0; x < map->w; x += 5) {
      Rgb c = PixelAt(map, x, y);
      ASSERT_TRUE(c.r == c.g && c.g == c.b) << "at " << x << "," << y << ": " << c;
    }
  const int mid = kTileSize / 2;
  EXPECT_EQ(GreyAt(map, TileX[7] + mid, TileY[2] + mid), 255) << "the room beyond the door";
  EXPECT_EQ(GreyAt(map, TileX[5], TileY[1] + mid), 0) << "the wall between the rooms";
  EXPECT_EQ(GreyAt(map, TileX[5], TileY[2] + mid), 200) << "the door";
  const int unreached = GreyAt(map, TileX[13] + mid, TileY[6] + mid);
  EXPECT_TRUE(unreached == 200 || unreached == 160) << unreached;
  EXPECT_EQ(GreyAt(map, TileX[13], TileY[6] + mid), 160) << "the grid in the hatched room";
  EXPECT_EQ(VisibilityMap[7][2], 2);
  EXPECT_EQ(VisibilityMap[13][6], 1);
  EXPECT_EQ(RgbOf(getpixel(map, 10, 200)), (Rgb{160, 160, 160})) << "the frame";
  EXPECT_EQ(RgbOf(getpixel(map, TileX[3] + 19, 12)), (Rgb{160, 160, 160})) << "a tick";
  destroy_bitmap(map);
}

TEST_F(GreyscaleExport, LockedAndHiddenDoorsAreCrossed) {
  const struct {
    int door, centre;
  } cases[] = {{kDoorOpen, 200}, {kDoorRed, 125}, {kDoorBlue, 125}, {kDoorHidden, 125}};
  for (const auto& c : cases) {
    DoorMap[5][2] = static_cast<uint8_t>(c.door);
    BITMAP* map = MakeGreyscaleMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(GreyAt(map, TileX[5], TileY[2] + kTileSize / 2), c.centre) << "door " << c.door;
    destroy_bitmap(map);
  }
}

TEST_F(GreyscaleExport, WritesAPictureThatOpensAgain) {
  TempFolder folder;
  char quests[1024];
  CopyText(quests, QuestsDir, sizeof quests - 1);
  const struct {
    std::string folder;   // the quests folder
    std::string written;  // where the picture lands
    const char* says;
  } cases[] = {
      {folder.path() + "/", folder.File("greymap.bmp"), "quests/greymap.bmp"},
      {folder.path() + "/missing/", "greymap.bmp", "greymap.bmp in the working folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    CopyText(QuestsDir, c.folder.c_str(), sizeof QuestsDir - 1);
    PressAKeyWhenAsked();
    const char* path = GreyscaleExportFilter();
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(std::string(path), c.written);
    EXPECT_NE(LastMessage().find(c.says), std::string::npos) << LastMessage();
    PALETTE pal;
    BITMAP* back = load_bitmap(path, pal);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->w, kBoardBitmapW + 28);
    EXPECT_EQ(back->h, kBoardBitmapH + 28);
    const int depth = bitmap_color_depth(back);
    const int wall = getpixel(back, TileX[5] + 14, TileY[1] + 14 + kTileSize / 2);
    EXPECT_EQ(getr_depth(depth, wall), 0);
    destroy_bitmap(back);
    unlink(path);
  }
  CopyText(QuestsDir, quests, sizeof QuestsDir - 1);
  EXPECT_FALSE(TestPlatform().ranOutOfActs);
}

TEST_F(GreyscaleExport, APictureThatCannotBeWrittenIsNotReportedAsSaved) {
  TempFolder folder;
  char quests[1024], here[1024];
  CopyText(quests, QuestsDir, sizeof quests - 1);
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  // Neither the quests folder nor the working folder exists any more.
  const std::string gone = folder.File("gone");
  ASSERT_EQ(mkdir(gone.c_str(), 0700), 0);
  ASSERT_EQ(chdir(gone.c_str()), 0);
  ASSERT_EQ(rmdir(gone.c_str()), 0);
  CopyText(QuestsDir, (gone + "/quests/").c_str(), sizeof QuestsDir - 1);
  PressAKeyWhenAsked();
  const char* path = GreyscaleExportFilter();
  ASSERT_EQ(chdir(here), 0);
  CopyText(QuestsDir, quests, sizeof QuestsDir - 1);
  EXPECT_EQ(path, nullptr);
  EXPECT_NE(LastMessage().find("could not be written"), std::string::npos) << LastMessage();
}

TEST_F(MapFilters, CoordinatesShowOnTheScreenUntilTheNextRedraw) {
  ClassicDungeonFilter();
  // The label's corner of row 5 in column 0, on the screen and on the board picture.
  const int px = TileX[0] + 23, py = TileY[5] + 17;
  const int sx = ScreenLayout.boardX + px, sy = ScreenLayout.boardY + py;
  bool looked = false;
  TestPlatform().idleActs.push_back([&](ScriptedPlatform& p) {
    EXPECT_EQ(getpixel(BackBuffer, sx, sy), BaseColor) << "the label on the screen";
    EXPECT_NE(getpixel(BoardBitmap, px, py), BaseColor) << "the picture without it";
    looked = true;
    p.keys.push_back('a');
  });
  ShowCoordinatesFilter();
  EXPECT_TRUE(looked);
  EXPECT_NE(getpixel(BackBuffer, sx, sy), BaseColor);
  EXPECT_EQ(LoggedLine(0).text, std::string("Drawing map coordinates."));
}

TEST_F(MapFilters, CellLabelsTakeTheColourOfWhatTheySay) {
  const int darkGreen = makecol(0, 100, 0), green = makecol(0, 160, 0), red = makecol(252, 0, 0);
  const int faint = MakeColorFromTriple(TextColor3);
  const struct {
    const char* label;
    int pathLength;
    int ink;
  } cases[] = {
      {" 7", 3, darkGreen}, {"  0", 3, faint},       {" 3", 3, green},  {"0", 0, green},
      {"255", 255, red},    {"X 4", 0, HighlightColor}, {"Y18", 18, HighlightColor},
  };
  const int saved = PathLength;
  for (const auto& c : cases) {
    PathLength = c.pathLength;
    EXPECT_EQ(RgbOf(CellLabelInk(c.label)), RgbOf(c.ink)) << "\"" << c.label << "\"";
  }
  PathLength = saved;
}

TEST_F(MapFilters, TheMenuRunsFiltersUntilBack) {
  DIALOG items[kFiltersItemCount];
  BuildMapFiltersMenu(items);
  const int ys[] = {241, 269, 297, 325, 353, 381, 409, 437, 471};
  for (int i = 0; i < 9; i++) {
    EXPECT_EQ(items[kFiltersQuestProperties + i].x, 256);
    EXPECT_EQ(items[kFiltersQuestProperties + i].y, ys[i]);
    EXPECT_EQ(items[kFiltersQuestProperties + i].w, 160);
  }
  EXPECT_STREQ(static_cast<const char*>(items[kFiltersClassic].dp), "CLASSIC DUNGEON ");

  DoorMap[3][3] = kDoorOpen;
  dialogs_.Script({Press(kFiltersRemoveDoors), Press(kFiltersQuestProperties),
                   [](DIALOG* d) {
                     d[kQuestPropsChapter].d2 = 6;
                     return static_cast<int>(kQuestPropsOk);
                   },
                   Press(kFiltersBack)});
  RunMapFilters();
  EXPECT_EQ(dialogs_.titles, (std::vector<std::string>{"Map Filters", "Map Filters",
                                                       "Quest Properties", "Map Filters"}));
  EXPECT_EQ(DoorMap[3][3], 0);
  EXPECT_EQ(QuestHeader.chapter, 6);
}

TEST_F(MapFilters, TheCloseRequestEndsTheWaitAndTheMenu) {
  TempFolder folder;
  char quests[1024];
  CopyText(quests, QuestsDir, sizeof quests - 1);
  CopyText(QuestsDir, (folder.path() + "/").c_str(), sizeof QuestsDir - 1);
  TestPlatform().idleActs.push_back([](ScriptedPlatform&) { ExitRequest = 1; });
  dialogs_.Script({Press(kFiltersGreyscale)});
  RunMapFilters();
  EXPECT_EQ(dialogs_.showings, 1);
  EXPECT_EQ(ExitRequest, 1) << "the editor asks the question";
  EXPECT_FALSE(TestPlatform().ranOutOfActs);
  CopyText(QuestsDir, quests, sizeof QuestsDir - 1);
}

}  // namespace
