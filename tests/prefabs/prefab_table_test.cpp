// The shipped prefab table data/Dunmar.qpf: every slot the rules and the dungeon
// builder address by number holds a fitting record, the monsters form one run, and
// with the built datafile every picture and sound a prefab names exists.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/game_data.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"
#include "support/fake_game_data.h"

namespace {

constexpr int kObjectPictures = 54;
constexpr int kLastScriptType = 24;

bool IsMaskPink(BITMAP* b, int x, int y) {
  int c = getpixel(b, x, y), depth = bitmap_color_depth(b);
  return getr_depth(depth, c) == 255 && getg_depth(depth, c) == 0 && getb_depth(depth, c) == 255;
}

class PrefabTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string path = std::string(DUNMARROW_SOURCE_DIR) + "/data/Dunmar.qpf";
    ASSERT_EQ(LoadPrefabs(path.c_str()), 0) << path;
    ASSERT_GT(PrefabCount, 0);
  }
  static const ObjectRecord& P(int slot) { return PrefabTable[slot]; }
  static bool Static(int slot) { return P(slot).side == kSideStatic; }
};

TEST_F(PrefabTableTest, FourHeroesTwoOfThemMagical) {
  int magical = 0;
  for (int slot = 1; slot <= 4; ++slot) {
    const ObjectRecord& h = P(slot);
    SCOPED_TRACE(h.name);
    EXPECT_EQ(h.side, kSideHero);
    EXPECT_EQ(h.picture[kPicNumber], slot);
    EXPECT_GT(h.attribute[kWalkBase], 0);
    EXPECT_GT(h.attribute[kLifeMax], 0);
    EXPECT_GT(h.attribute[kMindMax], 0);
    EXPECT_NE(h.attribute[kOffBase], 0);
    for (int base = 0; base < 10; base += 2)  // every current value starts at its base
      EXPECT_EQ(h.attribute[base], h.attribute[base + 1]) << "attribute " << base;
    magical += h.attribute[kOffBase] < 0;
  }
  EXPECT_EQ(magical, 2);
  // No other prefab is a hero, so the dungeon builder's heroes are exactly these.
  for (int slot = 5; slot <= PrefabCount; ++slot) EXPECT_NE(P(slot).side, kSideHero) << slot;
}

TEST_F(PrefabTableTest, SlotsWithFixedRoles) {
  EXPECT_TRUE(IsMonster(P(12))) << "slot 12 is the default wandering monster";
  EXPECT_STREQ(P(44).name, "Spent Trap Bomb");
  EXPECT_TRUE(Static(44));
  EXPECT_EQ(P(44).scriptvar[kScriptType], 0) << "a spent bomb cannot be searched again";
  struct Role {
    int slot, picture;
    const char* what;
  };
  const Role roles[] = {{51, 51, "stairs down"}, {52, 52, "stairs up"}, {40, 40, "treasure"},
                        {25, 25, "artifact"},    {26, 26, "artifact"},  {27, 27, "artifact"}};
  for (const Role& r : roles) {
    SCOPED_TRACE(std::string(r.what) + " in slot " + std::to_string(r.slot));
    EXPECT_TRUE(Static(r.slot));
    EXPECT_EQ(P(r.slot).picture[kPicNumber], r.picture);
  }
  // The treasure chest opens: it carries a script and turns into an opened chest.
  EXPECT_GT(P(40).scriptvar[kScriptType], 0);
  EXPECT_GT(P(40).scriptvar[kScriptPic2], 0);
  EXPECT_NE(P(40).scriptvar[kScriptPic2], 40);
}

TEST_F(PrefabTableTest, DungeonBuilderSlotsHoldFittingObjects) {
  // Furniture, features and traps placed by number: never a hero or a monster.
  for (int slot : {7, 28, 29, 31, 32, 33, 34, 35, 36, 38, 39, 42, 47, 50, 56}) {
    ASSERT_LE(slot, PrefabCount);
    EXPECT_GE(P(slot).side, kSideStatic) << slot << " " << P(slot).name;
  }
  // Monsters placed by number.
  for (int slot : {11, 12, 13, 15, 16, 17, 18, 19, 20})
    EXPECT_TRUE(IsMonster(P(slot))) << slot << " " << P(slot).name;
}

TEST_F(PrefabTableTest, RoleDeterminingPicturesAreNotBorrowed) {
  // The builder recognises heroes, stairs and artifacts by picture number alone, so no
  // other prefab may carry those pictures (an artifact picture would grow a potion).
  for (int slot = 1; slot <= PrefabCount; ++slot) {
    int pic = P(slot).picture[kPicNumber];
    bool roleSlot = (slot >= 1 && slot <= 4) || slot == 25 || slot == 26 || slot == 27 ||
                    slot == 51 || slot == 52;
    if (roleSlot) continue;
    EXPECT_TRUE(pic > 4 && pic != 25 && pic != 26 && pic != 27 && pic != 51 && pic != 52)
        << "slot " << slot << " " << P(slot).name << " uses picture " << pic;
  }
}

TEST_F(PrefabTableTest, MonstersFormOneRunLongEnoughForTheWanderingList) {
  ASSERT_GT(FirstMonsterPrefab, 0);
  ASSERT_GT(MonsterPrefabCount, 0);
  EXPECT_GT(PrefabCount, FirstMonsterPrefab + 30);
  int last = FirstMonsterPrefab + MonsterPrefabCount - 1;
  for (int slot = 1; slot <= PrefabCount; ++slot)
    EXPECT_EQ(IsMonster(P(slot)), slot >= FirstMonsterPrefab && slot <= last)
        << slot << " " << P(slot).name;
  EXPECT_GE(12, FirstMonsterPrefab);
  EXPECT_LE(12, last);
}

TEST_F(PrefabTableTest, UsualEnemiesAndAllFourFactionsAreThere) {
  std::set<std::string> monsters;
  std::set<int> factions;
  for (int slot = FirstMonsterPrefab; slot < FirstMonsterPrefab + MonsterPrefabCount; ++slot) {
    monsters.insert(P(slot).name);
    factions.insert(P(slot).side);
  }
  for (const char* usual : {"Goblin", "Orc", "Fimir", "Skeleton", "Zombie", "Mummy", "Chaos Warrior"})
    EXPECT_TRUE(monsters.count(usual)) << usual;
  EXPECT_EQ(factions, (std::set<int>{kSideGreenskin, kSideUndead, kSideChaos, kSideFrozen}));
}

TEST_F(PrefabTableTest, MonstersCanFightAndBeBeaten) {
  for (int slot = FirstMonsterPrefab; slot < FirstMonsterPrefab + MonsterPrefabCount; ++slot) {
    const ObjectRecord& m = P(slot);
    SCOPED_TRACE(m.name);
    EXPECT_NE(m.attribute[kOff], 0) << "a monster without offence never moves";
    EXPECT_GT(m.attribute[kWalk], 0);
    EXPECT_GT(m.attribute[kLife], 0);
    EXPECT_GT(m.attribute[kMind], 0) << "without mind any spell destroys it";
    // None is tougher than the toughest hero.
    EXPECT_LE(m.attribute[kLifeMax], P(1).attribute[kLifeMax]);
  }
}

TEST_F(PrefabTableTest, EveryRecordIsWellFormed) {
  for (int slot = 1; slot <= PrefabCount; ++slot) {
    const ObjectRecord& o = P(slot);
    SCOPED_TRACE("slot " + std::to_string(slot) + " " + o.name);
    EXPECT_GT(std::strlen(o.name), 0u);
    EXPECT_NE(o.name[0], '#');
    EXPECT_TRUE((o.side >= kSideHero && o.side <= kSideFrozen) ||
                (o.side >= kSideStatic && o.side <= kSideWalkScript));
    EXPECT_GE(o.picture[kPicNumber], 1);
    EXPECT_LE(o.picture[kPicNumber], kObjectPictures);
    EXPECT_EQ(o.picture[kPicOrientation], 0);
    int type = o.scriptvar[kScriptType];
    EXPECT_TRUE(type >= 0 && type <= kLastScriptType) << "script type " << type;
    EXPECT_TRUE(o.scriptvar[kScriptPic2] >= 0 && o.scriptvar[kScriptPic2] <= kObjectPictures);
    EXPECT_TRUE(o.scriptvar[kScriptSound] >= 0 && o.scriptvar[kScriptSound] <= kSoundKinds);
    // Script objects do nothing without a script.
    if (o.side > kSideStatic) {
      EXPECT_GT(type, 0);
    }
  }
}

class PrefabPicturesTest : public PrefabTableTest {
 protected:
  void SetUp() override {
    PrefabTableTest::SetUp();
    if (!InstallBuiltGameData()) GTEST_SKIP() << "Dunmar.dat not built yet";
  }
  void TearDown() override { UnloadGameData(); }
};

TEST_F(PrefabPicturesTest, MovablePiecesAreOneTileAndFurnitureFitsItsFootprint) {
  for (int slot = 1; slot <= PrefabCount; ++slot) {
    const ObjectRecord& o = P(slot);
    SCOPED_TRACE("slot " + std::to_string(slot) + " " + o.name);
    BITMAP* b = ObjectPicture(o.picture[kPicNumber]);
    ASSERT_NE(b, nullptr);
    if (o.side < kSideStatic) {
      EXPECT_EQ(b->w, 20);
      EXPECT_EQ(b->h, 20);
      // A figure stands on the floor: its corners show the floor through.
      EXPECT_TRUE(IsMaskPink(b, 0, 0) && IsMaskPink(b, 19, 0));
    }
    // A footprint is at most the 3 x 3 tiles around the anchor: the drawn picture
    // must stay inside them, or it would paint over tiles nobody redraws.
    int ox = o.picture[kPicOffsetX], oy = o.picture[kPicOffsetY];
    EXPECT_GE(ox, -25);
    EXPECT_GE(oy, -25);
    EXPECT_LE(ox + b->w, 49);
    EXPECT_LE(oy + b->h, 49);
  }
  for (int n : {25, 26, 27, 40, 51, 52}) EXPECT_NE(ObjectPicture(n), nullptr) << n;
}

TEST_F(PrefabPicturesTest, ScriptPicturesAndSoundsExist) {
  for (int slot = 1; slot <= PrefabCount; ++slot) {
    const ObjectRecord& o = P(slot);
    SCOPED_TRACE("slot " + std::to_string(slot) + " " + o.name);
    if (o.scriptvar[kScriptPic2] > 0) {
      EXPECT_NE(ObjectPicture(o.scriptvar[kScriptPic2]), nullptr);
    }
    if (o.scriptvar[kScriptSound] > 0) {
      EXPECT_NE(EffectSample(o.scriptvar[kScriptSound]), nullptr);
    }
  }
}

}  // namespace
