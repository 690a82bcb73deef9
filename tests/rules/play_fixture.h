// A small board to play on, as the player meets it: the keys and clicks the scripted
// player gives while the game idles, pieces to put on the board, and every line the
// game prints (not only the five the message panel keeps).
#pragma once
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_buttons.h"
#include "render/screen_hooks.h"
#include "render/screen_layout.h"
#include "rules/play_state.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

constexpr int kFigure = 1;  // a 20 x 20 figure: one tile
constexpr int kKeyRight = KEY_RIGHT << 8, kKeyLeft = KEY_LEFT << 8, kKeyDown = KEY_DOWN << 8;
constexpr int kKeyEnter = (KEY_ENTER << 8) | 13, kKeyBackspace = (KEY_BACKSPACE << 8) | 8;
constexpr int kKeyEsc = (KEY_ESC << 8) | 27;

using Act = std::function<void(ScriptedPlatform&)>;

inline Act Key(int code) {
  return [code](ScriptedPlatform& p) { p.keys.push_back(code); };
}
// The mouse over a tile, with these buttons down.
inline Act Mouse(int tx, int ty, int buttons) {
  return [=](ScriptedPlatform& p) {
    p.mouseX = ScreenLayout.boardX + tx * kTileSize + 12;
    p.mouseY = ScreenLayout.boardY + ty * kTileSize + 12;
    p.mouseButtons = buttons;
  };
}
inline Act Release() {
  return [](ScriptedPlatform& p) { p.mouseButtons = 0; };
}

// A piece with the figure picture and these values (base and current alike).
inline void PlacePiece(int slot, const char* name, int side, int x, int y, int walk, int off,
                       int life) {
  ObjectRecord& o = ObjectTable[slot];
  std::strncpy(o.name, name, kNameLen);
  o.side = static_cast<int8_t>(side);
  o.picture[kPicNumber] = kFigure;
  o.attribute[kWalkBase] = o.attribute[kWalk] = static_cast<int8_t>(walk);
  o.attribute[kOffBase] = o.attribute[kOff] = static_cast<int8_t>(off);
  o.attribute[kDefBase] = o.attribute[kDef] = 2;
  o.attribute[kLifeMax] = o.attribute[kLife] = static_cast<int8_t>(life);
  if (x >= 0 && y >= 0) ObjectMap[x][y] = static_cast<uint8_t>(slot);
  if (slot > ObjectCount) ObjectCount = slot;
}

// Every line printed while it lives; the screen's message panel is put back after.
class PrintedLines {
 public:
  PrintedLines() {
    Lines().clear();
    SetMessageDisplay(Record, [] {});
  }
  ~PrintedLines() { InstallScreenHooks(); }
  static std::vector<std::string>& Lines() {
    static std::vector<std::string> lines;
    return lines;
  }
  int Count(const std::string& text) const {
    int n = 0;
    for (const std::string& s : Lines()) n += s == text;
    return n;
  }
  // Where the first line equal to text was printed; -1 when never.
  int Index(const std::string& text) const {
    for (size_t i = 0; i < Lines().size(); i++)
      if (Lines()[i] == text) return static_cast<int>(i);
    return -1;
  }
  bool AnyStartingWith(const std::string& start) const {
    for (const std::string& s : Lines())
      if (s.rfind(start, 0) == 0) return true;
    return false;
  }
  void Clear() { Lines().clear(); }

 private:
  static void Record(const LoggedMessage& line) { Lines().push_back(line.text); }
};

// A fresh quest that never ends by itself (no objective), the default options, the
// figure picture and the sound effects, and a player who has not acted yet.
class PlayBoard : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();

  void SetUp() override {
    ResetQuest(true);
    ResetPlayState();
    ResetScreenLayout();
    SetDefaultGameOptions();
    ExitRequest = 0;
    ViewMode = 1;
    p.Reset();
    data.SetBitmap(kFirstObjectPicture + kFigure, 20, 20, makecol(0, 0, 200));
    for (int n = 1; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.Install();
    QuestHeader.qstdata[kQuestObjective] = 0;
  }
  void TearDown() override {
    ResetQuest(true);
    ResetPlayState();
    ExitRequest = 0;
  }
};
