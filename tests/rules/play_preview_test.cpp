#include <gtest/gtest.h>

#include <cstring>

#include "core/game_data.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/side_panel.h"
#include "rules/play_preview.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

TEST(PlayPreview, ShowsTheWholeBoardWithTheHeroUntilAKey) {
  FakeGameData data;
  data.SetBitmap(7, 25, 25, makecol(90, 120, 60));  // floor 8
  data.SetBitmap(kFirstObjectPicture + 1, 20, 20, makecol(0, 0, 250));
  data.Install();
  ResetQuest(true);
  ViewMode = 2;
  strcpy(ObjectTable[2].name, "Orc");
  ObjectTable[2].side = 3;
  ObjectMap[1][1] = 2;
  strcpy(ObjectTable[3].name, "Barbarian");
  ObjectTable[3].side = 1;
  ObjectTable[3].picture[kPicNumber] = 1;
  ObjectMap[20][15] = 3;
  ScriptedPlatform& p = TestPlatform();
  p.Reset();
  p.keys.push_back(' ');
  EXPECT_EQ(PreviewQuestBoard(), 0);
  EXPECT_TRUE(p.keys.empty());
  EXPECT_EQ(ViewMode, 1);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) ASSERT_EQ(VisibilityMap[x][y], 1) << x << "," << y;
  EXPECT_EQ(PanelObject, 3);  // the hero, though the orc comes first on the board
  int c = getpixel(BoardBitmap, 20 * 25 + 10, 15 * 25 + 10);
  EXPECT_EQ(getb(c), 250);
  ResetQuest(true);
}
