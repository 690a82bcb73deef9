// A small board for the action rules: one revealed room of floor 8, a fake datafile
// whose samples tell which effect played, no hooks, and prefabs the test fills.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/side_panel.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

struct Fighter {
  const char* name;
  int side, off, def, life, mind;
};

class ActTest : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();
  ObjectRecord savedPrefabs[kMaxObjects];
  int savedPrefabCount = 0;

  void SetUp() override {
    memcpy(savedPrefabs, PrefabTable, sizeof PrefabTable);
    savedPrefabCount = PrefabCount;
    Fresh();
  }
  // Back to the fixture's start (tests that loop over cases call it per case).
  virtual void Fresh() {
    for (ObjectRecord& o : PrefabTable) ClearObject(o);
    PrefabCount = 0;
    ResetQuest(true);
    ResetPlayState();
    SetDefaultGameOptions();
    p.Reset();
    PlayHook = PlayHooks{};
    for (int n = 0; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.SetFont(kFontDialog);
    data.Install();
    memset(VisibilityMap, 1, sizeof VisibilityMap);
    ObjectCount = 0;
    CurrentObject = 1;
    ActionState = kActionChoosingTarget;
    WalkLeft = 5;
    SeedRandom(1);
  }
  void TearDown() override {
    memcpy(PrefabTable, savedPrefabs, sizeof PrefabTable);
    PrefabCount = savedPrefabCount;
    PlayHook = PlayHooks{};
    ShowPanel(0);
  }

  // An object in slot on (x, y) of the ObjectMap (or the ScriptMap for sides 11, 12).
  ObjectRecord& Place(int slot, int x, int y, const Fighter& f) {
    ObjectRecord& o = ObjectTable[slot];
    ClearObject(o);
    CopyText(o.name, f.name, kNameLen);
    o.side = static_cast<int8_t>(f.side);
    o.attribute[kWalkBase] = o.attribute[kWalk] = 8;
    o.attribute[kOffBase] = o.attribute[kOff] = static_cast<int8_t>(f.off);
    o.attribute[kDefBase] = o.attribute[kDef] = static_cast<int8_t>(f.def);
    o.attribute[kLifeMax] = o.attribute[kLife] = static_cast<int8_t>(f.life);
    o.attribute[kMindMax] = o.attribute[kMind] = static_cast<int8_t>(f.mind);
    if (f.side >= kSideLookScript)
      ScriptMap[x][y] = static_cast<uint8_t>(slot);
    else
      ObjectMap[x][y] = static_cast<uint8_t>(slot);
    if (slot > ObjectCount) ObjectCount = slot;
    return o;
  }
  ObjectRecord& Hero(int slot, int x, int y) { return Place(slot, x, y, {"Hero", 1, 3, 2, 8, 4}); }
  // A static object with a script.
  ObjectRecord& Thing(int slot, int x, int y, int type, int sx = 0, int sy = 0,
                      int side = kSideStatic) {
    ObjectRecord& o = Place(slot, x, y, {"Chest", side, 0, 0, 0, 0});
    o.scriptvar[kScriptType] = type;
    o.scriptvar[kScriptX] = sx;
    o.scriptvar[kScriptY] = sy;
    return o;
  }
  ObjectRecord& Prefab(int p, const Fighter& f) {
    ObjectRecord& o = PrefabTable[p];
    ClearObject(o);
    CopyText(o.name, f.name, kNameLen);
    o.side = static_cast<int8_t>(f.side);
    o.attribute[kOffBase] = o.attribute[kOff] = static_cast<int8_t>(f.off);
    o.attribute[kDefBase] = o.attribute[kDef] = static_cast<int8_t>(f.def);
    o.attribute[kLifeMax] = o.attribute[kLife] = static_cast<int8_t>(f.life);
    o.attribute[kMindMax] = o.attribute[kMind] = static_cast<int8_t>(f.mind);
    if (p > PrefabCount) PrefabCount = p;
    return o;
  }

  // The effect numbers played, in order.
  std::vector<int> Effects() const {
    std::vector<int> out;
    for (const RecordedSample& s : p.played)
      for (int n = 0; n <= 27; n++)
        if (s.sample == EffectSample(n)) out.push_back(n);
    return out;
  }
  bool Played(int n) const {
    for (int e : Effects())
      if (e == n) return true;
    return false;
  }
  // Line i of the message log, 0 the newest.
  static std::string Line(int i) { return LoggedLine(i).text; }
  // Whether any of the five logged lines is text.
  static bool Logged(const std::string& text) {
    for (int i = 0; i < kMessageLogLines; i++)
      if (Line(i) == text) return true;
    return false;
  }
  static bool SameColor(const ColorTriple& a, const ColorTriple& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
  }
};
