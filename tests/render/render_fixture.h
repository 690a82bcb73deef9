// A board with a fake datafile of known colours, a fresh quest and the default layout.
#pragma once
#include <allegro.h>
#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "support/fake_game_data.h"
#include "support/pixel_colors.h"
#include "support/scripted_platform.h"

inline Rgb At(BITMAP* bmp, int x, int y) { return PixelAt(bmp, x, y); }
inline Rgb Of(const ColorTriple& t) { return {t.r, t.g, t.b}; }

class RenderTest : public ::testing::Test {
 protected:
  FakeGameData data;
  static constexpr Rgb kFloor = {90, 120, 60};  // every floor picture

  void SetUp() override {
    ResetQuest(true);
    EditingFlag = 0;
    ViewMode = 1;
    ZoomOriginX = ZoomOriginY = 0;
    ResetScreenLayout();
    for (int& s : ButtonState) s = 0;
    TestPlatform().Reset();
    SetDefaultGameOptions();
    for (int code = 1; code <= 27; code++)
      data.SetBitmap(code + kFloorPictureOffset, 25, 25, makecol(kFloor.r, kFloor.g, kFloor.b));
    data.SetFont(kFontDialog);
    data.SetSample(kDataClickSound);
    ClearBoardPicture();
    clear_to_color(BackBuffer, 0);
  }
  void Install() { data.Install(); }

  // Object slot with a plain sprite of w x h as picture n.
  void PlaceObject(int slot, int x, int y, int picture, int w, int h, Rgb color) {
    data.SetBitmap(kFirstObjectPicture + picture, w, h, makecol(color.r, color.g, color.b));
    strcpy(ObjectTable[slot].name, "Thing");
    ObjectTable[slot].picture[kPicNumber] = picture;
    ObjectMap[x][y] = slot;
  }
};
