// The quest check in the editor: the findings listed, and the chosen one shown on its
// tile in the zoomed view.
#include "editor/editor_check.h"

#include <gtest/gtest.h>

#include <string>

#include "core/message_log.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

#include "fixture_quest.h"

namespace {

using namespace fixture;

class EditorCheck : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallShippedMaterial()) << "build the game first";
  }
  void SetUp() override {
    TestPlatform().Reset();
    BuildBase();
    ViewMode = 1;
    ZoomOriginX = ZoomOriginY = 0;
  }
  void TearDown() override {
    RunCheckList = keptRunner_;
    ViewMode = 1;
    ResetQuest(true);
  }
  CheckListRunner keptRunner_ = RunCheckList;
};

bool RedAt(int x, int y) {
  const int c = getpixel(BoardBitmap, x, y);
  return getr(c) == 252 && getg(c) == 0 && getb(c) == 0;
}

TEST_F(EditorCheck, AFindingIsShownZoomedOnItsTileAsFarAsTheBoardAllows) {
  struct Case { int x, y, zoomX, zoomY; };
  const Case cases[] = {
      {12, 9, 6, 5},   // centred
      {0, 0, 0, 0},    // held at the top left
      {25, 18, 13, 9},  // and at the bottom right
  };
  for (const Case& c : cases) {
    ClearBoardPicture();
    DrawWholeBoard();
    ViewMode = 1;
    ShowFindingOnBoard({c.x, c.y, "a fault"});
    EXPECT_EQ(ViewMode, 2);
    EXPECT_EQ(ZoomOriginX, c.zoomX) << c.x << "," << c.y;
    EXPECT_EQ(ZoomOriginY, c.zoomY) << c.x << "," << c.y;
    // Framed in red on the board picture.
    EXPECT_TRUE(RedAt(TileX[c.x] + 1, TileY[c.y] + 12));
    EXPECT_TRUE(RedAt(TileX[c.x] + 12, TileY[c.y] + 1));
    EXPECT_STREQ(LoggedLine(0).text,
                 (std::string(c.x < 10 ? "X " : "X") + std::to_string(c.x) + (c.y < 10 ? " Y " : " Y") +
                  std::to_string(c.y) + ": a fault")
                     .c_str());
  }
  // A finding about the whole quest only goes to the message line.
  ViewMode = 1;
  ShowFindingOnBoard({-1, -1, "no title"});
  EXPECT_EQ(ViewMode, 1);
  EXPECT_STREQ(LoggedLine(0).text, "Quest: no title");
}

int gChosen = 0;
int gRows = 0;
std::string gFirstRow;
int ChooseRow(DIALOG* items, int) {
  int n = 0;
  using ListText = char* (*)(int, int*);
  ListText text = reinterpret_cast<ListText>(items[kCheckList].dp);
  text(-1, &n);
  gRows = n;
  gFirstRow = n > 0 ? text(0, nullptr) : "";
  items[kCheckList].d1 = gChosen;
  return kCheckShow;
}

TEST_F(EditorCheck, TheListHoldsEveryFindingAndShowsTheChosenOne) {
  // Two faults with tiles: a chest in the rock and a goblin in the rock.
  ObjectMap[20][15] = static_cast<uint8_t>(NewObject(kChest));
  ObjectMap[22][16] = static_cast<uint8_t>(NewObject(kGoblin));
  const std::vector<QuestFinding> found = CheckQuest();
  ASSERT_GE(found.size(), 2u);
  int chosen = -1;
  for (size_t i = 0; i < found.size(); i++)
    if (found[i].x == 22 && found[i].y == 16) chosen = static_cast<int>(i);
  ASSERT_GE(chosen, 0);
  gChosen = chosen;
  RunCheckList = ChooseRow;
  RunQuestCheckDialog();
  EXPECT_EQ(gRows, static_cast<int>(found.size()));
  EXPECT_EQ(gFirstRow, FindingLine(found[0]));
  EXPECT_EQ(ViewMode, 2);
  EXPECT_EQ(ZoomOriginX, 13);
  EXPECT_EQ(ZoomOriginY, 9);
}

TEST_F(EditorCheck, NothingFoundIsToldInABox) {
  RunCheckList = ChooseRow;
  gRows = -1;
  RunQuestCheckDialog();
  EXPECT_EQ(gRows, -1);  // no list
  ASSERT_EQ(TestPlatform().alerts.size(), 1u);
  EXPECT_EQ(TestPlatform().alerts[0].l2, "  The quest check found nothing to mend.  ");
}

}  // namespace
