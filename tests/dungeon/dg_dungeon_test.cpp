// The dungeon built on the maze: grid, rooms, door records and door types.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/random.h"
#include "dungeon/maze/dg_dungeon.h"
#include "dungeon/maze/dg_pick_list.h"

namespace {

// The settings the game uses for its standard board.
void GameSettings(DgDungeonSettings& s, int seed) {
  s.reset();
  s.width = 13;
  s.height = 10;
  s.seed = seed;
  s.randomness = 40;
  s.sparseness = 2;
  s.minRooms = 10;
  s.maxRooms = 19;
  s.minRoomWidth = s.minRoomHeight = 3;
  s.maxRoomWidth = s.maxRoomHeight = 5;
  s.hiddenDoorPercent = 5;
  s.specialDoorPercent = 0;
}

// A blank dungeon whose grid is drawn row by row: '#' wall, '.' open, a digit d the
// cell of room d.
std::unique_ptr<DgDungeon> FromPicture(const std::vector<std::string>& rows) {
  const int gh = static_cast<int>(rows.size()), gw = static_cast<int>(rows[0].size());
  auto d = std::make_unique<DgDungeon>(DgDungeon::Blank{}, (gw - 1) / 2, (gh - 1) / 2, 1);
  for (int y = 0; y < gh; y++)
    for (int x = 0; x < gw; x++) {
      char c = rows[y][x];
      d->setCell(x, y, 0, c == '#' ? kDgWall : c == '.' ? kDgOpen : kDgFirstRoom + (c - '0'));
    }
  return d;
}

TEST(DgDungeonGrid, OneCellMazeGivesAllWallGrid) {
  DgDungeonSettings s;
  s.width = s.height = 1;
  s.seed = 3;
  DgDungeon d(s);
  ASSERT_EQ(d.gridWidth(), 3);
  ASSERT_EQ(d.gridHeight(), 3);
  for (int x = 0; x < 3; x++)
    for (int y = 0; y < 3; y++) EXPECT_EQ(d.cellAt(x, y, 0), kDgWall);
  EXPECT_EQ(d.cellAt(3, 0, 0), 0u);
  EXPECT_EQ(d.cellAt(-1, 0, 0), 0u);
}

TEST(DgDungeonGrid, OddCellsOfAFullMazeAreOpenAndBordersAreWall) {
  DgDungeonSettings s;
  GameSettings(s, 17);
  s.minRooms = s.maxRooms = 0;
  s.sparseness = 0;
  DgDungeon d(s);
  ASSERT_EQ(d.gridWidth(), 27);
  ASSERT_EQ(d.gridHeight(), 21);
  for (int x = 0; x < 27; x++)
    for (int y = 0; y < 21; y++) {
      uint32_t g = d.cellAt(x, y, 0);
      if (x % 2 == 1 && y % 2 == 1) {
        EXPECT_EQ(g, kDgOpen) << x << "," << y;
      }
      if (x % 2 == 0 && y % 2 == 0) {
        EXPECT_EQ(g, kDgWall) << x << "," << y;
      }
      if (x == 0 || y == 0 || x == 26 || y == 20) {
        EXPECT_EQ(g, kDgWall) << x << "," << y;
      }
    }
  // The solved path runs through open cells from the first to the last maze cell.
  ASSERT_FALSE(d.path().empty());
  EXPECT_EQ(d.path().front(), (DgPoint{1, 1, 0}));
  EXPECT_EQ(d.path().back(), (DgPoint{25, 19, 0}));
}

TEST(DgDungeonGrid, SameSettingsSameDungeon) {
  auto snapshot = [](int seed) {
    DgDungeonSettings s;
    GameSettings(s, seed);
    DgDungeon d(s);
    std::vector<uint32_t> v;
    for (int x = 0; x < d.gridWidth(); x++)
      for (int y = 0; y < d.gridHeight(); y++) v.push_back(d.cellAt(x, y, 0));
    for (const DgDoor* door = d.doors(); door; door = door->next) v.push_back(door->type);
    return v;
  };
  EXPECT_EQ(snapshot(2024), snapshot(2024));
}

TEST(DgDungeonRooms, RoomsStayInsideTheGridAndOwnTheirCells) {
  for (int seed = 1; seed <= 40; seed++) {
    DgDungeonSettings s;
    GameSettings(s, seed);
    DgDungeon d(s);
    int count = 0;
    for (const DgRoom* r = d.rooms(); r; r = r->next) count++;
    EXPECT_GE(count, 10);
    EXPECT_LE(count, 19);
    int index = count - 1;  // newest first
    for (const DgRoom* r = d.rooms(); r; r = r->next, index--) {
      EXPECT_GE(r->x, 1);
      EXPECT_GE(r->y, 1);
      EXPECT_LE(r->x + r->width, d.gridWidth() - 1);
      EXPECT_LE(r->y + r->height, d.gridHeight() - 1);
      EXPECT_LE(r->width, 2 * r->height);
      EXPECT_LE(r->height, 2 * r->width);
      // The newest room keeps all its cells; older ones may be painted over.
      if (r != d.rooms()) continue;
      for (int dx = 0; dx < r->width; dx++)
        for (int dy = 0; dy < r->height; dy++)
          EXPECT_EQ(d.cellAt(r->x + dx, r->y + dy, 0), kDgFirstRoom + index);
    }
  }
}

TEST(DgDungeonRooms, TinyGridsAndOddSettingsStillBuild) {
  struct Case {
    int width, height, minRooms, maxRooms, minW, maxW, minH, maxH;
  } const cases[] = {
      {1, 1, 10, 19, 3, 5, 3, 5},   // 3 x 3 grid: rooms are cut to one cell
      {2, 1, 3, 3, 7, 9, 1, 1},     // rooms wider than the grid
      {0, 5, 4, 4, 3, 3, 3, 3},     // no maze at all
      {6, 6, 5, 2, 3, 2, 4, 1},     // ranges upside down: the minimum
      {6, 6, 2, 2, 0, 0, -2, 0},    // rooms without size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    DgDungeonSettings s;
    s.width = c.width;
    s.height = c.height;
    s.seed = 11;
    s.minRooms = c.minRooms;
    s.maxRooms = c.maxRooms;
    s.minRoomWidth = c.minW;
    s.maxRoomWidth = c.maxW;
    s.minRoomHeight = c.minH;
    s.maxRoomHeight = c.maxH;
    DgDungeon d(s);
    for (const DgRoom* r = d.rooms(); r; r = r->next) {
      EXPECT_GE(r->width, 1);
      EXPECT_GE(r->height, 1);
      EXPECT_GE(r->x, 1);
      EXPECT_GE(r->y, 1);
      EXPECT_LE(r->x + r->width, d.gridWidth() - 1);
      EXPECT_LE(r->y + r->height, d.gridHeight() - 1);
    }
  }
}

TEST(DgDungeonRooms, UpsideDownRangeGivesTheMinimum) {
  DgDungeonSettings s;
  s.width = s.height = 6;
  s.minRooms = 3;
  s.maxRooms = 1;
  s.minRoomWidth = s.maxRoomWidth = 2;
  s.minRoomHeight = s.maxRoomHeight = 2;
  DgDungeon d(DgDungeon::Blank{}, 6, 6, 1);
  d.setCell(5, 5, 0, kDgOpen);
  d.placeRooms(s);
  int count = 0;
  for (const DgRoom* r = d.rooms(); r; r = r->next) count++;
  EXPECT_EQ(count, 3);
}

TEST(DgDungeonRooms, FindRoomPositionPrefersTheLeastCrowdedSpotThatTouchesAPassage) {
  // One open cell; a 1 x 1 room scores 1 on the four cells beside it (passage on its
  // border) and 3 on the cell itself, so it lands beside the passage.
  auto d = FromPicture({"#######",
                        "#######",
                        "###.###",
                        "#######",
                        "#######"});
  std::set<std::pair<int, int>> seen;
  for (int seed = 1; seed <= 60; seed++) {
    SeedRandom(seed);
    int w = 1, h = 1, x = 0, y = 0;
    ASSERT_TRUE(d->findRoomPosition(w, h, 0, x, y));
    seen.insert({x, y});
  }
  std::set<std::pair<int, int>> beside{{2, 2}, {4, 2}, {3, 1}, {3, 3}};
  EXPECT_EQ(seen, beside);
}

TEST(DgDungeonRooms, FindRoomPositionCutsTheRoomToTheGrid) {
  auto d = FromPicture({"#####", "#...#", "#####"});
  int w = 9, h = 4, x = 0, y = 0;
  ASSERT_TRUE(d->findRoomPosition(w, h, 0, x, y));
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 1);
}

// Door records of the room whose top side looks out on the given row above it.
struct RunCase {
  const char* above;  // the row above a room 5 cells wide
  int records;        // door records on that side
  int openings;       // of them, doors (not wall)
};

TEST(DgDungeonDoors, OneOpeningPerUnbrokenStretchOfARoomSide) {
  const RunCase cases[] = {
      {"#####", 0, 0}, {".....", 5, 1}, {"..#..", 4, 2}, {".#.#.", 3, 3},
      {"#...#", 3, 1}, {"1##.2", 3, 2}, {"1#.#2", 3, 3}, {"11..#", 4, 1},
  };
  for (const RunCase& c : cases) {
    for (int seed = 1; seed <= 8; seed++) {
      SCOPED_TRACE(testing::Message() << "above \"" << c.above << "\" seed " << seed);
      auto d = FromPicture({"#########",
                            std::string("##") + c.above + "##",
                            "##00000##",
                            "#########",
                            "#########"});
      d->addRoom(2, 2, 0, 5, 1);
      DgDungeonSettings s;
      s.hiddenDoorPercent = 0;
      s.specialDoorPercent = 0;
      SeedRandom(seed);
      d->placeDoors(s);
      const DgRoom* room = d->rooms();
      EXPECT_EQ(room->doorCount, c.records);
      ASSERT_EQ(static_cast<int>(room->doors.size()), c.records);
      int openings = 0;
      for (const DgDoor* door : room->doors) {
        EXPECT_EQ(door->to.y, 2);
        EXPECT_EQ(door->from.y, 1);
        EXPECT_NE(c.above[door->from.x - 2], '#');
        if (door->type != kDgDoorWall) {
          EXPECT_EQ(door->type, kDgDoorPlain);
          openings++;
        }
      }
      EXPECT_EQ(openings, c.openings);
    }
  }
}

// Every stretch of non-wall cells along a side of a generated room holds exactly one
// opening among that room's own records.
TEST(DgDungeonDoors, GeneratedRoomsHaveOneOpeningPerStretchOnEverySide) {
  for (int seed = 1; seed <= 30; seed++) {
    DgDungeonSettings s;
    GameSettings(s, seed);
    DgDungeon d(s);
    for (const DgRoom* r = d.rooms(); r; r = r->next) {
      struct Side {
        int ox, oy, sx, sy, n;  // first outside cell, step along the side, length
        int ix, iy;             // from an outside cell to the room cell beside it
      } const sides[4] = {{r->x, r->y - 1, 1, 0, r->width, 0, 1},
                          {r->x, r->y + r->height, 1, 0, r->width, 0, -1},
                          {r->x - 1, r->y, 0, 1, r->height, 1, 0},
                          {r->x + r->width, r->y, 0, 1, r->height, -1, 0}};
      int expectedRecords = 0;
      for (const Side& side : sides) {
        int openingsInStretch = -1;
        auto closeStretch = [&]() {
          if (openingsInStretch >= 0) {
            EXPECT_EQ(openingsInStretch, 1) << "seed " << seed;
          }
          openingsInStretch = -1;
        };
        for (int k = 0; k < side.n; k++) {
          const DgPoint out{side.ox + side.sx * k, side.oy + side.sy * k, 0};
          if (d.cellAt(out.x, out.y, 0) == kDgWall) {
            closeStretch();
            continue;
          }
          expectedRecords++;
          if (openingsInStretch < 0) openingsInStretch = 0;
          const DgPoint in{out.x + side.ix, out.y + side.iy, 0};
          const bool outFirst = side.ix + side.iy > 0;
          const DgPoint from = outFirst ? out : in, to = outFirst ? in : out;
          const DgDoor* mine = nullptr;
          for (const DgDoor* door : r->doors)
            if (door->from == from && door->to == to) mine = door;
          ASSERT_NE(mine, nullptr) << "seed " << seed << " cell " << out.x << "," << out.y;
          if (mine->type != kDgDoorWall) openingsInStretch++;
        }
        closeStretch();
      }
      EXPECT_EQ(r->doorCount, expectedRecords);
    }
  }
}

TEST(DgDungeonDoors, DoorBetweenWithoutRecords) {
  auto d = FromPicture({"#####", "#..##", "#####"});
  struct Case {
    DgPoint a, b;
    int kind;
  } const cases[] = {
      {{1, 1, 0}, {2, 1, 0}, 0},  // open and open
      {{3, 1, 0}, {4, 1, 0}, 0},  // wall and wall
      {{2, 1, 0}, {3, 1, 0}, 1},  // open and wall
      {{1, 0, 0}, {1, 1, 0}, 1},  // wall and open
      {{4, 2, 0}, {5, 2, 0}, 1},  // wall and the outside (reads 0)
  };
  for (const Case& c : cases)
    EXPECT_EQ(d->doorBetween(c.a, c.b), c.kind) << c.a.x << "," << c.a.y << " " << c.b.x << ","
                                                << c.b.y;
}

TEST(DgDungeonDoors, DoorBetweenGivesARecordedWallAsWall) {
  // Two open cells above a room two cells wide: one stretch, so one opening and one
  // record of type wall, which reads 1 although neither cell is wall.
  auto d = FromPicture({"#..##", "#00##", "#####"});
  d->addRoom(1, 1, 0, 2, 1);
  DgDungeonSettings s;
  s.hiddenDoorPercent = 100;  // every opening hidden
  SeedRandom(5);
  d->placeDoors(s);
  std::multiset<int> kinds{d->doorBetween({1, 0, 0}, {1, 1, 0}),
                           d->doorBetween({2, 0, 0}, {2, 1, 0})};
  EXPECT_EQ(kinds, (std::multiset<int>{kDgDoorWall, kDgDoorHidden}));
  // The reversed pair is not a record: room below open reads 0.
  EXPECT_EQ(d->doorBetween({1, 1, 0}, {1, 0, 0}), 0);
}

TEST(DgDungeonDoors, DoorBetweenMatchesTheNewestRecordOnGeneratedDungeons) {
  for (int seed : {3, 30, 300}) {
    DgDungeonSettings s;
    GameSettings(s, seed);
    s.hiddenDoorPercent = 30;
    s.specialDoorPercent = 20;
    DgDungeon d(s);
    for (int x = 0; x < d.gridWidth(); x++)
      for (int y = 0; y < d.gridHeight(); y++)
        for (const DgPoint b : {DgPoint{x + 1, y, 0}, DgPoint{x, y + 1, 0}}) {
          const DgPoint a{x, y, 0};
          int expected = -1;
          for (const DgDoor* door = d.doors(); door; door = door->next)
            if (door->from == a && door->to == b) {
              expected = door->type;
              break;
            }
          if (expected < 0)
            expected = (d.cellAt(a.x, a.y, 0) == kDgWall) != (d.cellAt(b.x, b.y, 0) == kDgWall);
          ASSERT_EQ(d.doorBetween(a, b), expected) << x << "," << y;
        }
  }
}

TEST(DgDungeonDoors, RandomDoorTypeByRoll) {
  struct Case {
    int hidden, special;
    int rollLow, rollHigh, type;
  } const cases[] = {
      {5, 0, 1, 5, kDgDoorHidden},   {5, 0, 6, 100, kDgDoorPlain},
      {5, 5, 1, 5, kDgDoorHidden},   {5, 5, 6, 10, kDgDoorSpecial},
      {5, 5, 11, 100, kDgDoorPlain}, {0, 0, 1, 100, kDgDoorPlain},
      {100, 0, 1, 100, kDgDoorHidden},
  };
  for (const Case& c : cases) {
    std::set<int> rolls;
    for (uint32_t seed = 1; rolls.size() < static_cast<size_t>(c.rollHigh - c.rollLow + 1) &&
                            seed < 200000;
         seed++) {
      SeedRandom(seed);
      int roll = 1 + RandomMod(100);
      if (roll < c.rollLow || roll > c.rollHigh) continue;
      rolls.insert(roll);
      SeedRandom(seed);
      EXPECT_EQ(randomDoorType(c.hidden, c.special), c.type)
          << "hidden " << c.hidden << " special " << c.special << " roll " << roll;
    }
    EXPECT_EQ(rolls.size(), static_cast<size_t>(c.rollHigh - c.rollLow + 1));
  }
}

TEST(DgDungeonSettings, FreshAndResetSettingsHoldTheDefaults) {
  auto expectDefaults = [](const DgDungeonSettings& s, const char* which) {
    SCOPED_TRACE(which);
    EXPECT_EQ(s.width, 10);
    EXPECT_EQ(s.height, 10);
    EXPECT_EQ(s.depth, 1);
    EXPECT_EQ((DgPoint{s.startX, s.startY, s.startZ}), (DgPoint{0, 0, 0}));
    EXPECT_EQ((DgPoint{s.endX, s.endY, s.endZ}), (DgPoint{-1, -1, -1}));
    EXPECT_EQ(s.mask, nullptr);
    EXPECT_GT(s.seed, 0) << "the current time";
    EXPECT_EQ(s.randomness, 100);
    EXPECT_EQ(s.sparseness, 0);
    EXPECT_EQ(s.clearDeadEnds, 0);
    for (int v : {s.minRooms, s.maxRooms, s.minRoomWidth, s.maxRoomWidth, s.minRoomHeight,
                  s.maxRoomHeight})
      EXPECT_EQ(v, 0);
    EXPECT_EQ(s.hiddenDoorPercent, 5);
    EXPECT_EQ(s.specialDoorPercent, 5);
  };
  DgDungeonSettings fresh;
  expectDefaults(fresh, "fresh");
  DgDungeonSettings used;
  GameSettings(used, 99);
  used.startX = used.endZ = 3;
  used.setMask(new DgMazeMask(4, 4));
  used.reset();
  expectDefaults(used, "reset");
}

TEST(DgPickList, PicksByRunningWeightAndUnlinks) {
  DgPickList list;
  int total = 0;
  total += list.append(10, 2);
  total += list.append(20, 1);
  total += list.append(30, 3);
  ASSERT_EQ(total, 6);
  EXPECT_EQ(list.pick(3, total), 20);  // 2 < 3 <= 2 + 1
  EXPECT_EQ(total, 5);
  EXPECT_EQ(list.pick(5, total), 30);
  EXPECT_EQ(list.pick(1, total), 10);
  EXPECT_EQ(total, 0);
  EXPECT_EQ(list.pick(1, total), -1);
  list.append(40, 1);
  EXPECT_EQ(list.pick(2, total), -1);  // the list ends first
  EXPECT_EQ(list.size(), 1);
}

TEST(DgPickList, RollDiceSumsRolls) {
  SeedRandom(77);
  int expected = 0;
  for (int i = 0; i < 3; i++) expected += 1 + RandomMod(6);
  SeedRandom(77);
  EXPECT_EQ(rollDice(3, 6), expected);
  EXPECT_EQ(rollDice(0, 6), 0);
}

}  // namespace
