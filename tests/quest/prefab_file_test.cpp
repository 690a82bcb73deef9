#include "quest/prefab_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quest/quest_model.h"
#include "quest/quest_test_util.h"
#include "render/message_line.h"

namespace {

const std::string kFixtures = std::string(DUNMARROW_SOURCE_DIR) + "/tests/quest/fixtures/";

std::string PrefabBlock(int n, const std::string& name, int side) {
  return "| " + std::to_string(n) + "\nname      " + name + "\nproperty  " +
         std::to_string(side) +
         ",0,0,0\nattribute 2,2,3,3,2,2,6,6,1,1\ninventory 0,0,0,0,0,0,0,0,0,0\n"
         "picture   4,0,0,0,0,0\nscriptvar 0,0,0,0,0,0\nscripttxt -\nscripttxt done\n";
}

std::string PrefabFile(const std::vector<int>& sides) {
  std::string text = "QPF102\n| prefabs for a test\n";
  for (size_t i = 0; i < sides.size(); i++)
    text += PrefabBlock(static_cast<int>(i + 1), "Thing" + std::to_string(i + 1), sides[i]);
  return text;
}

}  // namespace

TEST(PrefabFile, MonsterRunFromSides) {
  struct Case {
    std::vector<int> sides;
    int first, count;
  } cases[] = {
      {{1, 3, 4}, 2, -1},        // monsters run to the end of the table
      {{1, 3, 4, 10}, 2, 2},
      {{1, 2, 10}, -1, -1},      // no monster at all
      {{3, 10, 5, 6}, 1, 1},     // only the first run counts
      {{1, 1, 1, 1, 9, 7, 2}, 5, 2},
  };
  TempFolder dir;
  for (const Case& c : cases) {
    std::string path = dir.File("Dunmar.qpf");
    WriteText(path, PrefabFile(c.sides));
    ASSERT_EQ(LoadPrefabs(path.c_str()), 0);
    EXPECT_EQ(PrefabCount, static_cast<int>(c.sides.size()));
    EXPECT_EQ(FirstMonsterPrefab, c.first) << c.sides.size();
    EXPECT_EQ(MonsterPrefabCount, c.count) << c.sides.size();
  }
  EXPECT_STREQ(PrefabTable[7].name, "Thing7");
  EXPECT_EQ(PrefabTable[7].attribute[kLife], 6);
  EXPECT_STREQ(PrefabTable[7].text2, "done");
}

TEST(PrefabFile, BlockCutAfterItsFirstScriptTextDoesNotCount) {
  TempFolder dir;
  std::string text = PrefabFile({1, 3});
  text += "| 3\nname      Half\nproperty  4,0,0,0\nattribute 1\ninventory 0\npicture   1\n"
          "scriptvar 0\nscripttxt first only\n";
  std::string path = dir.File("cut.qpf");
  WriteText(path, text);
  ASSERT_EQ(LoadPrefabs(path.c_str()), 0);
  EXPECT_EQ(PrefabCount, 2);
  EXPECT_EQ(MonsterPrefabCount, -1);
}

TEST(PrefabFile, ShortBlockInsideTheTableGetsAKnownSide) {
  ASSERT_EQ(LoadPrefabs((kFixtures + "short_block.qpf").c_str()), 0);
  EXPECT_EQ(PrefabCount, 3);
  EXPECT_STREQ(PrefabTable[2].name, "Cracked Idol");
  EXPECT_EQ(PrefabTable[2].side, kSideStatic);  // read as 0
  EXPECT_STREQ(MessageBuffer, "Prefab 2: unknown side 0, prefab set to static.");
  EXPECT_EQ(FirstMonsterPrefab, 3);
}

TEST(PrefabFile, AtMost255Prefabs) {
  TempFolder dir;
  std::string path = dir.File("many.qpf");
  WriteText(path, PrefabFile(std::vector<int>(262, kSideStatic)));
  ASSERT_EQ(LoadPrefabs(path.c_str()), 0);
  EXPECT_EQ(PrefabCount, 255);
  EXPECT_STREQ(PrefabTable[255].name, "Thing255");
}

TEST(PrefabFile, MissingWrongOrDamagedFiles) {
  TempFolder dir;
  EXPECT_EQ(LoadPrefabs(dir.File("none.qpf").c_str()), 1);
  EXPECT_EQ(PrefabCount, 0);
  EXPECT_EQ(LoadPrefabs((kFixtures + "old_magic.qpf").c_str()), 0);
  EXPECT_EQ(PrefabCount, 0);
  EXPECT_EQ(FirstMonsterPrefab, -1);

  std::string path = dir.File("odd.qpf");
  std::string text = PrefabFile({1, -3, 3});
  WriteText(path, text);
  ASSERT_EQ(LoadPrefabs(path.c_str()), 0);
  EXPECT_EQ(PrefabCount, 3);
  EXPECT_EQ(PrefabTable[2].side, kSideStatic);  // a side the game does not know
  EXPECT_EQ(FirstMonsterPrefab, 3);

  std::string garbage = "QPF102\n";
  for (int i = 0; i < 3000; i++) garbage += static_cast<char>((i * 131) % 256);
  WriteText(path, garbage);
  EXPECT_EQ(LoadPrefabs(path.c_str()), 0);
  EXPECT_LE(PrefabCount, 255);
}
