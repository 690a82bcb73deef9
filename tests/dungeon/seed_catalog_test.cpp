// The seed catalog: the floor and door layers of a few seeds, kept in
// seed_catalog.txt, so that any change to what a seed builds is noticed. Old Magic
// Dungeon levels are rebuilt from their seeds, so a seed must keep its layout.
// When a change of the generator is intended, tools/rewrite-seed-catalog.sh writes
// the file anew (it runs this test with DUNMARROW_REWRITE_SEED_CATALOG=1).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "layout_support.h"

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

std::string CatalogPath() {
  return std::string(DUNMARROW_SOURCE_DIR) + "/tests/dungeon/seed_catalog.txt";
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
  char cell[8];
  for (int y = 0; y < kBoardH; y++) {
    for (int x = 0; x < kBoardW; x++) {
      snprintf(cell, sizeof cell, "%3d", FloorMap[x][y]);
      text += cell;
    }
    text += "\n";
  }
  text += "doors\n";
  for (int y = 0; y <= kBoardH; y++) {
    for (int x = 0; x <= kBoardW; x++) {
      snprintf(cell, sizeof cell, "%4d", DoorMap[x][y]);
      text += cell;
    }
    text += "\n";
  }
  return text + "end\n";
}

const char kHeader[] =
    "# Floor (26 x 19) and door (27 x 20) layers of generated layouts on a 26 x 19 board.\n"
    "# Compared by the SeedCatalog test. Do not edit by hand: when a change of the\n"
    "# generator is intended, run tools/rewrite-seed-catalog.sh and commit the result.\n";

// The block of one entry in the catalog text, or "" when it is missing.
std::string Block(const std::string& catalog, const CatalogEntry& e) {
  const std::string head = Describe(e) + "\n";
  size_t from = catalog.find(head);
  if (from == std::string::npos) return "";
  size_t to = catalog.find("end\n", from);
  return to == std::string::npos ? catalog.substr(from) : catalog.substr(from, to + 4 - from);
}

TEST(SeedCatalog, SeedsKeepTheirLayouts) {
  const char* rewrite = getenv("DUNMARROW_REWRITE_SEED_CATALOG");
  if (rewrite && *rewrite && std::string(rewrite) != "0") {
    std::string text = kHeader;
    for (const CatalogEntry& e : kCatalog) text += "\n" + Render(e);
    std::ofstream out(CatalogPath(), std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good()) << "could not write " << CatalogPath();
    printf("rewrote %s\n", CatalogPath().c_str());
    return;
  }
  const std::string catalog = ReadFile(CatalogPath());
  ASSERT_FALSE(catalog.empty()) << CatalogPath() << " is missing";
  for (const CatalogEntry& e : kCatalog) {
    const std::string expected = Block(catalog, e);
    ASSERT_FALSE(expected.empty()) << "no entry for \"" << Describe(e) << "\" in the catalog";
    EXPECT_EQ(Render(e), expected)
        << Describe(e) << " builds another layout than the catalog holds. If the generator "
        << "was meant to change, run tools/rewrite-seed-catalog.sh.";
  }
}

}  // namespace
