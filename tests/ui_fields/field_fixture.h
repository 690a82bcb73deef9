// Shared set-up for the field, list and menu tests: a memory bitmap as the dialog
// screen, small fake fonts and samples, the mouse read from the scripted platform,
// a clipboard in memory and a pop-up menu that records what it offered.
#pragma once
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_data.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"
#include "ui/clipboard.h"
#include "ui/text_field.h"

class FakeClipboard : public ClipboardBackend {
 public:
  bool reachable = true;
  bool holdsText = false;
  std::string text;  // UTF-8
  int puts = 0;

  bool Put(const std::string& utf8) override {
    if (!reachable) return false;
    puts++;
    text = utf8;
    holdsText = true;
    return true;
  }
  ClipboardState Get(std::string* utf8) override {
    utf8->clear();
    if (!reachable) return ClipboardState::kUnavailable;
    if (!holdsText) return ClipboardState::kEmpty;
    *utf8 = text;
    return text.empty() ? ClipboardState::kEmpty : ClipboardState::kText;
  }
};

// What the last pop-up menu offered, and the entry the test picks.
struct PopupRecord {
  std::vector<std::string> entries;
  std::vector<bool> enabled;
  int shown = 0;
  int choice = -1;
};
PopupRecord& Popup();
int RecordingPopup(MENU* menu, int x, int y);

// Mouse buttons held for this many more looks (then released).
extern int mouseHeldLooks;

class FieldTest : public ::testing::Test {
 protected:
  BITMAP* bmp = nullptr;
  BITMAP* oldScreen = nullptr;
  FakeGameData data;
  FakeClipboard clip;
  int (*oldX)() = nullptr;
  int (*oldY)() = nullptr;
  int (*oldZ)() = nullptr;
  int (*oldB)() = nullptr;

  void SetUp() override;
  void TearDown() override;

  ScriptedPlatform& P() { return TestPlatform(); }
  bool SameColor(int x, int y, int color) const { return PixelAt(bmp, x, y) == RgbOf(color); }
};

// A dialog item with the given procedure and place.
DIALOG Item(DIALOG_PROC proc, int x, int y, int w, int h);
