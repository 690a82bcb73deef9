#include "editor/object_properties.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fixture_quest.h"
#include "properties_fixture.h"
#include "quest/script_types.h"
#include "ui/number_field.h"

namespace {

class ObjectProperties : public EditorPropsTest {
 protected:
  void SetUp() override {
    EditorPropsTest::SetUp();
    slot_ = Place(fixture::kOrc, 5, 5);
  }
  ObjectRecord& Obj() { return ObjectTable[slot_]; }
  // Opens the dialog on the orc, lets change fill it and closes it with closer.
  void Edit(std::function<void(DIALOG*)> change, int closer = kObjPropsOk) {
    dialogs_.Script({[&](DIALOG* items) {
      if (change) change(items);
      return closer;
    }});
    EditObjectProperties(slot_);
    EXPECT_EQ(dialogs_.showings, 1);
  }
  int slot_ = 0;
};

struct FieldCase {
  const char* what;
  std::function<void(ObjectRecord&)> before;  // the record as the dialog finds it
  std::function<void(DIALOG*)> set;
  std::function<std::vector<int>(const ObjectRecord&)> stored;
  std::vector<int> expected;
};

void Value(DIALOG* d, int item, int v) { d[item].d2 = v; }

TEST_F(ObjectProperties, FieldsGoIntoTheRecordHeldToTheirRanges) {
  auto reveal = [](ObjectRecord& o) {
    o.scriptvar[kScriptType] = kScriptRevealRoom;
    o.scriptvar[kScriptX] = 2;
    o.scriptvar[kScriptY] = 3;
  };
  auto script = [](const ObjectRecord& o) {
    return std::vector<int>{o.scriptvar[kScriptType], o.scriptvar[kScriptPic2],
                            o.scriptvar[kScriptSound], o.scriptvar[kScriptX],
                            o.scriptvar[kScriptY], o.scriptvar[kScriptRepeatable]};
  };
  auto pair = [](int base) {
    return [base](const ObjectRecord& o) {
      return std::vector<int>{o.attribute[base], o.attribute[base + 1]};
    };
  };
  const int lastPicture = LargestObjectPicture();
  const FieldCase cases[] = {
      {"gold in tens", nullptr, [](DIALOG* d) { Value(d, kObjPropsGold, 12); },
       [](const ObjectRecord& o) { return std::vector<int>{o.inventory[kInvGold]}; }, {120}},
      {"gold past the field", nullptr, [](DIALOG* d) { Value(d, kObjPropsGold, 99); },
       [](const ObjectRecord& o) { return std::vector<int>{o.inventory[kInvGold]}; }, {400}},
      {"keys", nullptr,
       [](DIALOG* d) {
         d[kObjPropsRedKey].flags |= D_SELECTED;
         d[kObjPropsBlueKey].flags |= D_SELECTED;
       },
       [](const ObjectRecord& o) {
         return std::vector<int>{o.inventory[kInvRedKeys], o.inventory[kInvBlueKeys]};
       },
       {1, 1}},
      {"side Undead", nullptr, [](DIALOG* d) { d[kObjPropsSide].d1 = 3; },
       [](const ObjectRecord& o) { return std::vector<int>{o.side}; }, {kSideUndead}},
      {"side Walk script", nullptr, [](DIALOG* d) { d[kObjPropsSide].d1 = 8; },
       [](const ObjectRecord& o) { return std::vector<int>{o.side}; }, {kSideWalkScript}},
      {"side past the list", nullptr, [](DIALOG* d) { d[kObjPropsSide].d1 = 50; },
       [](const ObjectRecord& o) { return std::vector<int>{o.side}; }, {kSideWalkScript}},
      {"exp in tens", nullptr, [](DIALOG* d) { Value(d, kObjPropsExp, 7); },
       [](const ObjectRecord& o) { return std::vector<int>{o.exp}; }, {70}},
      {"walk into base and current",
       [](ObjectRecord& o) { o.attribute[kWalk] = 2; },
       [](DIALOG* d) { Value(d, kObjPropsWalk, 9); }, pair(kWalkBase), {9, 9}},
      {"def past the field", nullptr, [](DIALOG* d) { Value(d, kObjPropsDef, 40); },
       pair(kDefBase), {15, 15}},
      {"life below the field", nullptr, [](DIALOG* d) { Value(d, kObjPropsLife, -4); },
       pair(kLifeMax), {0, 0}},
      {"magical off", nullptr,
       [](DIALOG* d) {
         Value(d, kObjPropsOff, 4);
         d[kObjPropsMagical].flags |= D_SELECTED;
       },
       pair(kOffBase), {-4, -4}},
      {"script numbers", reveal,
       [](DIALOG* d) {
         Value(d, kObjPropsX, 7);
         Value(d, kObjPropsY, 8);
         Value(d, kObjPropsSound, 5);
         Value(d, kObjPropsPic2, 40);
         d[kObjPropsRepeatable].flags |= D_SELECTED;
       },
       script, {kScriptRevealRoom, 40, 5, 7, 8, 1}},
      {"script numbers past their fields", reveal,
       [](DIALOG* d) {
         Value(d, kObjPropsX, 60);
         Value(d, kObjPropsY, 60);
         Value(d, kObjPropsSound, 60);
         Value(d, kObjPropsPic2, 600);
       },
       script, {kScriptRevealRoom, lastPicture, kSoundKinds, 25, 18, 0}},
      {"script type", reveal, [](DIALOG* d) { d[kObjPropsType].d1 = kScriptRevealAll; },
       script, {kScriptRevealAll, 0, 0, 2, 3, 0}},
      {"locked script numbers stay", nullptr,
       [](DIALOG* d) {
         Value(d, kObjPropsX, 7);
         d[kObjPropsRepeatable].flags |= D_SELECTED;
       },
       script, {0, 0, 0, 0, 0, 0}},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    if (c.before) c.before(Obj());
    Edit(c.set);
    EXPECT_EQ(c.stored(Obj()), c.expected);
  }
}

TEST_F(ObjectProperties, OpensWithTheRecordAsTheFieldsShowIt) {
  Obj().attribute[kOffBase] = Obj().attribute[kOff] = -3;
  Obj().inventory[kInvGold] = 125;
  DIALOG items[kObjPropsItemCount];
  BuildObjectPropertiesDialog(items, 5, 5);
  EXPECT_EQ(items[kObjPropsOff].d2, 3);
  EXPECT_TRUE(items[kObjPropsMagical].flags & D_SELECTED);
  EXPECT_EQ(NumberFieldShown(&items[kObjPropsGold]), 120);
  EXPECT_EQ(items[kObjPropsSide].d1, 2) << "Greenskin";
  EXPECT_TRUE(items[kObjPropsX].flags & D_DISABLED) << "no script: its numbers are locked";
  EXPECT_FALSE(items[kObjPropsWalk].flags & D_DISABLED);

  // Unticking "magical" stores the size of the value, positive.
  Edit([](DIALOG* d) { d[kObjPropsMagical].flags &= ~D_SELECTED; });
  EXPECT_EQ(Obj().attribute[kOffBase], 3);
  EXPECT_EQ(Obj().attribute[kOff], 3);
  EXPECT_EQ(Obj().inventory[kInvGold], 120);
}

TEST_F(ObjectProperties, AStaticObjectKeepsItsAttributes) {
  const int chest = Place(fixture::kChest, 8, 8);
  ASSERT_EQ(ObjectTable[chest].side, kSideStatic);
  ObjectTable[chest].attribute[kLife] = 4;
  const ObjectRecord before = ObjectTable[chest];
  dialogs_.Script({[](DIALOG* d) {
    EXPECT_EQ(d[kObjPropsSide].d1, 6) << "Static";
    EXPECT_TRUE(d[kObjPropsLife].flags & D_DISABLED);
    d[kObjPropsLife].d2 = 9;
    d[kObjPropsExp].d2 = 9;
    return static_cast<int>(kObjPropsOk);
  }});
  EditObjectProperties(chest);
  EXPECT_EQ(memcmp(ObjectTable[chest].attribute, before.attribute, sizeof before.attribute), 0);
  EXPECT_EQ(ObjectTable[chest].exp, before.exp);
}

TEST_F(ObjectProperties, ALookWithoutChangesLeavesTheRecordAsItWas) {
  // Values the fields cannot show: a prefab number past x, stairs beyond the list, a walk
  // whose base and current differ, a life past 15, experience past 400, gold below 0, a
  // name longer than the field takes, a side the list does not name.
  ObjectRecord& o = Obj();
  o.scriptvar[kScriptType] = kScriptChangeToPrefab;
  o.scriptvar[kScriptX] = 40;
  o.attribute[kWalkBase] = 8;
  o.attribute[kWalk] = 5;
  o.attribute[kLifeMax] = o.attribute[kLife] = 30;
  o.exp = 1234;
  CopyText(o.name, "Orc Shieldbearer", 15);
  o.inventory[kInvGold] = -20;
  const int stairs = Place(fixture::kStairsDown, 12, 12);
  ObjectTable[stairs].scriptvar[kScriptType] = kScriptStairsDown;
  ObjectTable[stairs].side = 7;
  for (int slot : {slot_, stairs})
    for (int closer : {-1, static_cast<int>(kObjPropsOk)}) {
      const ObjectRecord before = ObjectTable[slot];
      dialogs_.Script({Press(closer)});
      EditObjectProperties(slot);
      EXPECT_EQ(memcmp(&before, &ObjectTable[slot], sizeof before), 0)
          << "slot " << slot << " closed by " << closer;
    }
}

TEST_F(ObjectProperties, EscapeKeepsTheChangesMade) {
  Edit(
      [](DIALOG* d) {
        strcpy(static_cast<char*>(d[kObjPropsName].dp), "Grimjaw");
        d[kObjPropsWalk].d2 = 11;
      },
      -1);
  EXPECT_STREQ(Obj().name, "Grimjaw");
  EXPECT_EQ(Obj().attribute[kWalk], 11);
}

TEST_F(ObjectProperties, PrevAndNextWalkTheAnchorsInReadingOrder) {
  ResetQuest(false);
  const int a = Place(fixture::kGoblin, 25, 0);
  const int b = Place(fixture::kOrc, 0, 1);
  const int c = Place(fixture::kSkeleton, 3, 18);
  std::vector<std::string> seen;
  auto look = [&](int closer) {
    return [&seen, closer](DIALOG* d) {
      seen.push_back(static_cast<const char*>(d[kObjPropsName].dp));
      return closer;
    };
  };
  dialogs_.Script({look(kObjPropsNext), look(kObjPropsNext), look(kObjPropsNext),
                   look(kObjPropsPrev), look(kObjPropsPrev), look(kObjPropsPrev),
                   look(kObjPropsOk)});
  EditObjectProperties(a);
  const std::string A = ObjectTable[a].name, B = ObjectTable[b].name, C = ObjectTable[c].name;
  EXPECT_EQ(seen, (std::vector<std::string>{A, B, C, C, B, A, A}));
}

TEST_F(ObjectProperties, NumbersTheGameCannotUseAreNotStored) {
  struct Case {
    const char* what;
    int type, x, y;                 // the script as it stands
    int newX, newY;                 // what the player sets
  };
  const Case cases[] = {
      {"prefab 0 to change into", kScriptChangeToPrefab, 3, 0, 0, 0},
      {"attribute 12 to give", kScriptGive, 1, 2, 12, 2},
      {"item counter 9", kScriptItem, 1, 2, 9, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Obj().scriptvar[kScriptType] = c.type;
    Obj().scriptvar[kScriptX] = c.x;
    Obj().scriptvar[kScriptY] = c.y;
    Edit([&](DIALOG* d) {
      d[kObjPropsX].d2 = c.newX;
      d[kObjPropsY].d2 = c.newY;
      d[kObjPropsSound].d2 = 4;
    });
    EXPECT_EQ(Obj().scriptvar[kScriptX], c.x);
    EXPECT_EQ(Obj().scriptvar[kScriptY], c.y);
    EXPECT_EQ(Obj().scriptvar[kScriptSound], 0);
    EXPECT_NE(LastMessage().find("Script error"), std::string::npos) << LastMessage();
  }
}

TEST_F(ObjectProperties, TheLargestScriptPictureIsAPicture) {
  EXPECT_NE(ObjectPicture(LargestObjectPicture()), nullptr);
  EXPECT_EQ(ObjectPicture(LargestObjectPicture() + 1), nullptr);
}

TEST_F(ObjectProperties, ANameThatWouldFreeTheSlotIsRefused) {
  const std::string name = Obj().name;
  Edit([](DIALOG* d) { strcpy(static_cast<char*>(d[kObjPropsName].dp), "#gone"); });
  EXPECT_EQ(Obj().name, name);
  EXPECT_FALSE(IsFreeSlot(Obj()));
  EXPECT_NE(LastMessage().find("#"), std::string::npos) << LastMessage();
}

TEST_F(ObjectProperties, FurnitureTooLargeToMoveStaysStatic) {
  int large = 0;
  for (int p = 1; p <= PrefabCount && !large; p++) {
    BITMAP* pic = ObjectPicture(PrefabTable[p].picture[kPicNumber]);
    if (!IsFreeSlot(PrefabTable[p]) && pic && pic->w != 20 && pic->h != 20) large = p;
  }
  ASSERT_NE(large, 0);
  const int slot = Place(large, 10, 10);
  dialogs_.Script({[](DIALOG* d) {
    d[kObjPropsSide].d1 = 0;  // Hero
    return static_cast<int>(kObjPropsOk);
  }});
  EditObjectProperties(slot);
  EXPECT_EQ(ObjectTable[slot].side, kSideStatic);
}

TEST_F(ObjectProperties, NothingOpensForAnObjectOffTheBoard) {
  ObjectMap[5][5] = 0;
  EditObjectProperties(slot_);
  EditObjectProperties(0);
  EditObjectProperties(300);
  EXPECT_EQ(dialogs_.showings, 0);
}

}  // namespace
