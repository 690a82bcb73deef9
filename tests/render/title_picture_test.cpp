#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/program_state.h"
#include "render/board_draw.h"
#include "render/message_line.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "render/title_picture.h"
#include "support/fake_game_data.h"

namespace {

class TitlePictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    red_ = makecol(200, 0, 0);
    blue_ = makecol(0, 0, 200);
    data_.SetBitmap(kDataTitle1, 40, 30, red_);
    data_.SetBitmap(kDataTitle2, 40, 30, blue_);
    data_.Install();
    ExitRequest = 0;
  }
  void TearDown() override {
    ExitRequest = 0;
    ViewMode = 1;
  }
  int Centre() const { return getpixel(BoardBitmap, BoardBitmap->w / 2, BoardBitmap->h / 2); }

  FakeGameData data_;
  int red_ = 0, blue_ = 0;
};

TEST_F(TitlePictureTest, PicturesTakeTurnsOverTheWholeBoard) {
  ViewMode = 2;
  ShowTitlePicture(1);
  EXPECT_EQ(ViewMode, 1);
  int first = Centre();
  ASSERT_TRUE(first == red_ || first == blue_);
  EXPECT_EQ(getpixel(BoardBitmap, 0, 0), first);
  EXPECT_EQ(getpixel(BoardBitmap, kBoardBitmapW - 1, kBoardBitmapH - 1), first);
  ShowTitlePicture(1);
  EXPECT_EQ(Centre(), first == red_ ? blue_ : red_);
  ShowTitlePicture(1);
  EXPECT_EQ(Centre(), first);
}

TEST_F(TitlePictureTest, ClosingAQuestSaysSoAndClearsThePanel) {
  clear_to_color(PanelBitmap, makecol(1, 2, 3));
  ShowTitlePicture(2);
  EXPECT_STREQ(MessageBuffer, "Closing Quest...");
  EXPECT_EQ(getpixel(PanelBitmap, 50, 100), BaseColor);
  EXPECT_TRUE(Centre() == red_ || Centre() == blue_);
}

TEST_F(TitlePictureTest, BackToTheMenuPutsPanelsInPlaceAndButtonsAtRest) {
  const struct {
    const char* what;
    ScreenLayoutRecord layout;
  } cases[] = {
      {"as it was", kDefaultScreenLayout},
      {"messages on top", {kBoardLeftX, kBoardLowY, kBoardLeftX, kMessageTopY, kPanelRightX,
                           kBoardLowY, kPanelRightX, kBoardTopY}},
      {"panel on the left", {kBoardShiftedX, kBoardTopY, kBoardShiftedX, kMessageBottomY,
                             kPanelLeftX, kBoardLowY, kPanelLeftX, kBoardTopY}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScreenLayout = c.layout;
    DrawScreen(1, 1, 1, 1);
    ButtonState[0] = kButtonClicked;  // the click that ended play, drawn lit
    ButtonState[1] = kButtonHover;
    DrawButton(0);
    ShowTitlePicture(2);
    EXPECT_EQ(ScreenLayout.boardX, kBoardLeftX);
    EXPECT_EQ(ScreenLayout.boardY, kBoardTopY);
    EXPECT_EQ(ScreenLayout.messageY, kMessageBottomY);
    EXPECT_EQ(ScreenLayout.panelX, kPanelRightX);
    EXPECT_EQ(ScreenLayout.logoX, kPanelRightX);
    for (int i = 0; i < 4; i++) EXPECT_EQ(ButtonState[i], kButtonIdle) << i;
    // The title fills the board area in its default place, under the menu's middle.
    int centre = getpixel(BackBuffer, kBoardLeftX + kBoardBitmapW / 2, kBoardTopY + 200);
    EXPECT_TRUE(centre == red_ || centre == blue_);
    // No label of the clicked button is drawn in the highlight colour.
    int x1, y1, x2, y2;
    ButtonRect(0, &x1, &y1, &x2, &y2);
    int lit = 0;
    for (int y = y1; y <= y2; y++)
      for (int x = x1; x <= x2; x++) lit += getpixel(BackBuffer, x, y) == HighlightColor;
    EXPECT_EQ(lit, 0);
  }
}

TEST_F(TitlePictureTest, NothingIsDrawnOnceTheExitIsConfirmed) {
  int green = makecol(0, 150, 0);
  clear_to_color(BoardBitmap, green);
  clear_to_color(PanelBitmap, green);
  strcpy(MessageBuffer, "before");
  ExitRequest = 2;
  ShowTitlePicture(2);
  EXPECT_EQ(Centre(), green);
  EXPECT_EQ(getpixel(PanelBitmap, 50, 100), green);
  EXPECT_STREQ(MessageBuffer, "before");
}

TEST_F(TitlePictureTest, MissingPicturesLeaveAPlainBoard) {
  FakeGameData empty;
  empty.SetBitmap(1, 4, 4, 0);
  empty.Install();
  clear_to_color(BoardBitmap, makecol(9, 9, 9));
  ShowTitlePicture(1);
  EXPECT_EQ(Centre(), MakeColorFromTriple(ColorTable[kColorBoardBackground]));
}

}  // namespace
