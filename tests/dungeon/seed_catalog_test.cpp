// The seed catalogs, so that any change to what a seed builds is noticed: the floor
// and door layers of a few layout seeds (seed_catalog.txt), and whole Magic Dungeon
// levels of a few seed bases with the clock pinned (level_catalog.txt). Old Magic
// Dungeon levels are rebuilt from their seeds, so a seed must keep its layout and a
// level its board. When a change of the generators is intended,
// tools/rewrite-seed-catalog.sh writes both files anew (it runs these tests with
// DUNMARROW_REWRITE_SEED_CATALOG=1).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dungeon/dungeon_content.h"
#include "layout_support.h"
#include "level_support.h"

namespace {

struct CatalogEntry {
  int seed;
  LayoutOptions options;
};

const CatalogEntry kCatalog[] = {
    {1, {40, 0, 5, false}},         {42, {40, 0, 5, false}},
    {777, {40, 0, 5, false}},       {123456, {40, 0, 5, false}},
    {894784, {40, 0, 5, false}},    {2024, {0, 0, 5, false}},
    {31337, {100, 0, 5, false}},    {5, {40, 50, 5, false}},
    {99, {40, 100, 30, false}},     {4242, {40, 0, 5, true}},
    {65535, {70, 0, 0, true}},
};

std::string CatalogPath(const char* name) {
  return std::string(DUNMARROW_SOURCE_DIR) + "/tests/dungeon/" + name;
}

bool Rewriting() {
  const char* rewrite = getenv("DUNMARROW_REWRITE_SEED_CATALOG");
  return rewrite && *rewrite && std::string(rewrite) != "0";
}

// The block of one entry in the catalog text (from its first line to "end"), or "".
std::string Block(const std::string& catalog, const std::string& firstLine) {
  const std::string head = firstLine + "\n";
  size_t from = catalog.find(head);
  if (from == std::string::npos) return "";
  size_t to = catalog.find("end\n", from);
  return to == std::string::npos ? catalog.substr(from) : catalog.substr(from, to + 4 - from);
}

// Compares every entry with its block in the catalog file, or writes the file anew when
// a rewrite was asked for. describe(i) is entry i's first line, render(i) its block.
void CheckCatalog(const char* name, const char* header, int entries,
                  const std::function<std::string(int)>& describe,
                  const std::function<std::string(int)>& render) {
  const std::string path = CatalogPath(name);
  if (Rewriting()) {
    std::string text = header;
    for (int i = 0; i < entries; i++) text += "\n" + render(i);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good()) << "could not write " << path;
    printf("rewrote %s\n", path.c_str());
    return;
  }
  const std::string catalog = ReadFile(path);
  ASSERT_FALSE(catalog.empty()) << path << " is missing";
  for (int i = 0; i < entries; i++) {
    const std::string expected = Block(catalog, describe(i));
    ASSERT_FALSE(expected.empty()) << "no entry for \"" << describe(i) << "\" in " << name;
    EXPECT_EQ(render(i), expected)
        << describe(i) << " builds another board than " << name << " holds. If the "
        << "generators were meant to change, run tools/rewrite-seed-catalog.sh.";
  }
}

void AppendLayer(std::string& text, uint8_t layer[kLayerW][kLayerH], int w, int h, int width) {
  char cell[8];
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++) {
      snprintf(cell, sizeof cell, "%*d", width, layer[x][y]);
      text += cell;
    }
    text += "\n";
  }
}

std::string Describe(const CatalogEntry& e) {
  char line[160];
  snprintf(line, sizeof line, "seed %d randomness %d clrdeadend %d hiddendoor %d outdoors %d",
           e.seed, e.options.randomness, e.options.clrdeadend, e.options.hiddendoor,
           e.options.outdoors ? 1 : 0);
  return line;
}

std::string Render(const CatalogEntry& e) {
  BuildLayout(e.seed, e.options);
  std::string text = Describe(e) + "\nfloor\n";
  AppendLayer(text, FloorMap, kBoardW, kBoardH, 3);
  text += "doors\n";
  AppendLayer(text, DoorMap, kBoardW + 1, kBoardH + 1, 4);
  return text + "end\n";
}

const char kHeader[] =
    "# Floor (26 x 19) and door (27 x 20) layers of generated layouts on a 26 x 19 board.\n"
    "# Compared by the SeedCatalog test. Do not edit by hand: when a change of the\n"
    "# generator is intended, run tools/rewrite-seed-catalog.sh and commit the result.\n";

TEST(SeedCatalog, SeedsKeepTheirLayouts) {
  const int n = static_cast<int>(sizeof kCatalog / sizeof kCatalog[0]);
  CheckCatalog("seed_catalog.txt", kHeader, n, [](int i) { return Describe(kCatalog[i]); },
               [](int i) { return Render(kCatalog[i]); });
}

// Whole levels: several seed bases, levels 1, 10 and 20, one going up, one for the
// editor, and one that needs a second layout.
struct LevelEntry {
  int seedBase, level, mode;
};
const LevelEntry kLevels[] = {
    {1, 1, kContentDescending},       {1, 10, kContentDescending},
    {1, 20, kContentDescending},      {777777, 1, kContentDescending},
    {777777, 10, kContentDescending}, {777777, 20, kContentDescending},
    {894784, 20, kContentDescending}, {64910, 11, kContentDescending},
    {424242, 10, kContentGoingUp},    {4242, 5, kContentEditor},
};

std::string DescribeLevel(const LevelEntry& e) {
  char line[160];
  snprintf(line, sizeof line, "seedbase %d level %d mode %d lastlevel 20 clock %lld", e.seedBase,
           e.level, e.mode, kPinnedClock);
  return line;
}

std::string RenderLevel(const LevelEntry& e) {
  ResetQuest(true);
  SetUpMagicDungeonHeader(e.seedBase, 20);
  EXPECT_EQ(buildDungeonLevel(e.level, e.mode), kLevelBuilt) << DescribeLevel(e);
  std::string text = DescribeLevel(e) + "\n";
  text += "attempts " + std::to_string(DungeonLayoutAttempts) + "\nfloor\n";
  AppendLayer(text, FloorMap, kBoardW, kBoardH, 3);
  text += "doors\n";
  AppendLayer(text, DoorMap, kBoardW + 1, kBoardH + 1, 4);
  text += "objects\n";
  AppendLayer(text, ObjectMap, kBoardW, kBoardH, 4);
  text += "slots\n";
  char line[200];
  for (int s = 1; s < kMaxObjects; s++) {
    const ObjectRecord& o = ObjectTable[s];
    if (IsFreeSlot(o)) continue;
    snprintf(line, sizeof line, "%3d %-15s side %2d picture %2d/%d gold %3d script %d,%d,%d,%d\n",
             s, o.name, o.side, o.picture[kPicNumber], o.picture[kPicOrientation],
             o.inventory[kInvGold], o.scriptvar[kScriptType], o.scriptvar[kScriptX],
             o.scriptvar[kScriptY], o.scriptvar[kScriptSound]);
    text += line;
  }
  return text + "end\n";
}

const char kLevelHeader[] =
    "# Whole Magic Dungeon levels as buildDungeonLevel builds them with the clock pinned,\n"
    "# the shipped Dunmar.qpf and the built Dunmar.dat: layout attempts, floor, doors,\n"
    "# the object map and the objects. Compared by the SeedCatalog test. Do not edit by\n"
    "# hand: when a change of the generators is intended, run\n"
    "# tools/rewrite-seed-catalog.sh and commit the result.\n";

TEST(SeedCatalog, LevelsKeepTheirBoards) {
  ASSERT_TRUE(LoadLevelMaterial()) << "Dunmar.qpf or Dunmar.dat missing: build the game target";
  SetDefaultGameOptions();
  GameOptions.lastlevel = 20;
  PinWallClock(kPinnedClock);
  const int n = static_cast<int>(sizeof kLevels / sizeof kLevels[0]);
  CheckCatalog("level_catalog.txt", kLevelHeader, n,
               [](int i) { return DescribeLevel(kLevels[i]); },
               [](int i) { return RenderLevel(kLevels[i]); });
  UnpinWallClock();
  UnloadGameData();
  ResetQuest(true);
}

}  // namespace
