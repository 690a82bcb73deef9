// What the editor's dialog and filter tests stand on: the built datafile and prefab
// table, a fresh quest, the scripted platform and scripted dialogs.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"
#include "rules/scripted_dialog.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

class EditorPropsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
  }
  void SetUp() override {
    TestPlatform().Reset();
    SetDefaultGameOptions();
    ExitRequest = 0;
    ResetQuest(true);
    ObjectCount = 0;
  }
  void TearDown() override {
    ExitRequest = 0;
    ResetQuest(true);
  }
  // Puts a copy of a prefab on the board; returns its slot.
  static int Place(int prefab, int x, int y) {
    for (int slot = 1; slot < kMaxObjects; slot++)
      if (IsFreeSlot(ObjectTable[slot])) {
        ObjectTable[slot] = PrefabTable[prefab];
        ObjectMap[x][y] = static_cast<uint8_t>(slot);
        if (slot > ObjectCount) ObjectCount = slot;
        return slot;
      }
    return 0;
  }
  static std::string LastMessage() { return LoggedLine(0).text; }
  ScriptedDialogs dialogs_;
};
