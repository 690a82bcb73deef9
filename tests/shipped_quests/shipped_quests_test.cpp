// The quests in data/quests, the ones a player finds behind "PLAY QUEST": each loads
// without a complaint, holds only objects the game can draw and play, keeps its board
// layers consistent, can be won with what it contains, and the campaign's chapters
// follow one another.
#include <allegro.h>
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"
#include "render/board_draw.h"
#include "render/message_line.h"
#include "render/render_bitmaps.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

namespace {

constexpr int kRock = 7;
constexpr int kClosedChestPicture = 40;
enum { kOpen = 1, kRed = 2, kBlue = 4, kHidden = 8 };

std::string ShippedFolder() { return std::string(DUNMARROW_SOURCE_DIR) + "/data/quests"; }

std::vector<std::string> ShippedFiles() {
  std::vector<std::string> files;
  if (DIR* d = opendir(ShippedFolder().c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') files.push_back(e->d_name);
    closedir(d);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string BaseName(const std::string& file) { return file.substr(0, file.find('.')); }

// A quest's first chapter is the ".qst" file; further chapters are ".q02" and on.
bool IsFirstChapter(const std::string& file) {
  return file.size() > 4 && file.compare(file.size() - 4, 4, ".qst") == 0;
}

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// The four neighbours of a tile.
constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// Dark red is the colour of warnings; nothing else on the message line is red.
bool MessageLineShowsRed() {
  for (int y = 0; y < MessageBitmap->h; y++)
    for (int x = 0; x < MessageBitmap->w; x++) {
      int c = getpixel(MessageBitmap, x, y);
      if (getr(c) > 90 && getg(c) < 50 && getb(c) < 50) return true;
    }
  return false;
}

// Loads a file from the shipped folder with a clean message line and no queued alerts.
int LoadShipped(const std::string& file) {
  TestPlatform().Reset();
  clear_to_color(MessageBitmap, BaseColor);
  return LoadQuest((ShippedFolder() + "/" + file).c_str());
}

void ExpectStoryText(const char* what, const char* text, const char* defaultStart) {
  SCOPED_TRACE(what);
  size_t n = strlen(text);
  EXPECT_GT(n, 100u) << text;
  EXPECT_LE(n, 790u) << "longer texts do not fit on one line of the file";
  EXPECT_NE(strncmp(text, defaultStart, 20), 0) << "still the default text";
  for (size_t i = 0; i < n; i++)
    EXPECT_TRUE(text[i] >= 32 && text[i] < 127) << "character " << i << " is not plain ASCII";
}

// Which object covers each tile, from the footprints of the large ones.
struct Cover {
  int slot[kBoardW][kBoardH] = {};
};

Cover CoverOfBoard() {
  Cover c;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (ObjectMap[x][y] == 0) continue;
      bool mask[3][3];
      ObjectFootprint(ObjectMap[x][y], mask);
      for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++)
          if (mask[dx + 1][dy + 1] && OnBoard(x + dx, y + dy))
            c.slot[x + dx][y + dy] = ObjectMap[x][y];
    }
  return c;
}

// The door field of the edge between two neighbouring tiles.
int EdgeField(int x, int y, int nx, int ny) {
  if (ny == y) return DoorMap[std::max(x, nx)][y] & 15;
  return (DoorMap[x][std::max(y, ny)] >> 4) & 15;
}

// What the party can reach from where it starts. Walls need a door the party can pass
// (open, hidden, locked with a key it has found, or made by a script it can use);
// furniture blocks its tiles; monsters and keys fall to the party once it reaches them.
struct Reach {
  bool tile[kBoardW][kBoardH] = {};
  bool red = false, blue = false;
  bool madeDoors[kBoardW][kBoardH] = {};  // a "make door" script opens walls round it
};

bool Crossable(int x, int y, int nx, int ny, const Reach& r) {
  if (FloorMap[x][y] == FloorMap[nx][ny]) return true;
  if (r.madeDoors[x][y] || r.madeDoors[nx][ny]) return true;
  int e = EdgeField(x, y, nx, ny);
  return (e & (kOpen | kHidden)) || ((e & kRed) && r.red) || ((e & kBlue) && r.blue);
}

// True when a hero on a reached tile stands next to a tile of the object.
bool Touchable(int slot, const Reach& r, const Cover& c) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (c.slot[x][y] != slot) continue;
      if (ObjectTable[slot].side < kSideStatic && r.tile[x][y]) return true;
      for (auto& k : kSteps) {
        int nx = x + k[0], ny = y + k[1];
        if (OnBoard(nx, ny) && r.tile[nx][ny] && Crossable(nx, ny, x, y, r)) return true;
      }
    }
  return false;
}

Reach PartyReach() {
  Cover c = CoverOfBoard();
  Reach r;
  for (;;) {
    // Spread from the heroes and from everything reached before a new key was found.
    std::vector<std::pair<int, int>> todo;
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        if ((c.slot[x][y] >= 1 && c.slot[x][y] <= 4) || r.tile[x][y]) {
          r.tile[x][y] = true;
          todo.push_back({x, y});
        }
    while (!todo.empty()) {
      auto [x, y] = todo.back();
      todo.pop_back();
      for (auto& k : kSteps) {
        int nx = x + k[0], ny = y + k[1];
        if (!OnBoard(nx, ny) || r.tile[nx][ny] || !Crossable(x, y, nx, ny, r)) continue;
        int s = c.slot[nx][ny];
        if (s != 0 && ObjectTable[s].side >= kSideStatic) continue;
        r.tile[nx][ny] = true;
        todo.push_back({nx, ny});
      }
    }
    bool more = false;
    for (int slot = 1; slot <= ObjectCount; slot++) {
      const ObjectRecord& o = ObjectTable[slot];
      bool usable = o.side < kSideStatic || o.scriptvar[kScriptType] > 0;
      if (!usable || !Touchable(slot, r, c)) continue;
      if (o.inventory[kInvRedKeys] > 0 && !r.red) more = r.red = true;
      if (o.inventory[kInvBlueKeys] > 0 && !r.blue) more = r.blue = true;
      const int mx = o.scriptvar[kScriptX], my = o.scriptvar[kScriptY];
      if (o.scriptvar[kScriptType] == 24 && OnBoard(mx, my) && !r.madeDoors[mx][my])
        more = r.madeDoors[mx][my] = true;
    }
    if (!more) return r;
  }
}

bool AnyDoor(int kind) {
  for (int y = 0; y <= kBoardH; y++)
    for (int x = 0; x <= kBoardW; x++)
      if ((DoorMap[x][y] & kind) || ((DoorMap[x][y] >> 4) & kind)) return true;
  return false;
}

class ShippedQuest : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(InstallBuiltGameData()) << "build the game first"; }
  void SetUp() override {
    ASSERT_EQ(LoadShipped(GetParam()), 0);
    ASSERT_EQ(QuestLoaded, 1);
  }
};

TEST(ShippedQuestFolder, OffersAStandAloneQuestAndACampaign) {
  ASSERT_TRUE(InstallBuiltGameData());
  int standAlone = 0, campaigns = 0;
  for (const std::string& f : ShippedFiles()) {
    if (!IsFirstChapter(f)) continue;
    ASSERT_EQ(LoadShipped(f), 0) << f;
    (QuestHeader.chapters == 1 ? standAlone : campaigns)++;
  }
  EXPECT_GE(standAlone, 1);
  EXPECT_GE(campaigns, 1);
}

TEST(ShippedQuestFolder, RedLineDetectorSeesAWarning) {
  clear_to_color(MessageBitmap, BaseColor);
  EXPECT_FALSE(MessageLineShowsRed());
  PrintMessage(TextColor2, "Header loaded.");
  EXPECT_FALSE(MessageLineShowsRed());
  PrintMessage(ColorTable[kColorDarkRed], "Object 5: picture to large for moving.");
  EXPECT_TRUE(MessageLineShowsRed());
}

// Together the shipped quests show the player every objective and every script that
// does something in play (the "#" ones of the editor's list do not), and the two kinds
// of script tile.
TEST(ShippedQuestFolder, UsesEveryObjectiveAndEveryPlayingScript) {
  ASSERT_TRUE(InstallBuiltGameData());
  bool objective[kObjectiveCount] = {}, script[kScriptActionCount] = {};
  bool walk = false, look = false;
  for (const std::string& f : ShippedFiles()) {
    ASSERT_EQ(LoadShipped(f), 0) << f;
    const int o = QuestHeader.qstdata[kQuestObjective];
    if (o >= 0 && o < kObjectiveCount) objective[o] = true;
    for (int slot = 1; slot <= ObjectCount; slot++) {
      const ObjectRecord& obj = ObjectTable[slot];
      const int type = obj.scriptvar[kScriptType];
      if (type >= 0 && type < kScriptActionCount) script[type] = true;
      walk = walk || obj.side == kSideWalkScript;
      look = look || obj.side == kSideLookScript;
    }
  }
  for (int o = 1; o < kObjectiveCount; o++)
    EXPECT_TRUE(objective[o]) << "no quest has the objective " << ObjectiveNames[o];
  // "#item" and "#instant death" have rules of their own in play; the other "#" do not.
  for (int t : {1, 2, 6, 7, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 23, 24})
    EXPECT_TRUE(script[t]) << "no quest uses the script " << ScriptActionNames[t];
  EXPECT_TRUE(walk) << "no walk script";
  EXPECT_TRUE(look) << "no look script";
}

// Every chapter of a campaign is found by the path the game builds from the series.
TEST(ShippedQuestFolder, CampaignChaptersFollowOneAnother) {
  ASSERT_TRUE(InstallBuiltGameData());
  std::string folder = ShippedFolder() + "/";
  CopyText(QuestsDir, folder.c_str(), sizeof QuestsDir - 1);
  std::vector<std::string> chapterFiles;
  for (const std::string& f : ShippedFiles())
    if (!IsFirstChapter(f)) chapterFiles.push_back(f);
  int campaigns = 0;
  for (const std::string& first : ShippedFiles()) {
    if (!IsFirstChapter(first)) continue;
    ASSERT_EQ(LoadShipped(first), 0);
    const int chapters = QuestHeader.chapters;
    if (chapters == 1) continue;
    campaigns++;
    const std::string series = QuestHeader.series;
    for (int k = 1; k <= chapters; k++) {
      SCOPED_TRACE(series + " chapter " + std::to_string(k));
      std::string path = BuildQuestPath(series.c_str(), k);
      ASSERT_EQ(LoadQuest(path.c_str()), 0);
      ASSERT_EQ(QuestLoaded, 1);
      EXPECT_EQ(series, QuestHeader.series);
      EXPECT_EQ(QuestHeader.chapter, k);
      EXPECT_EQ(QuestHeader.chapters, chapters);
      std::string file = path.substr(path.rfind('/') + 1);
      chapterFiles.erase(std::remove(chapterFiles.begin(), chapterFiles.end(), file),
                         chapterFiles.end());
    }
  }
  EXPECT_GE(campaigns, 1);
  EXPECT_TRUE(chapterFiles.empty()) << "a chapter file without its campaign: " << chapterFiles[0];
}

TEST_P(ShippedQuest, LoadsWithoutAlertOrWarning) {
  EXPECT_TRUE(TestPlatform().alerts.empty());
  EXPECT_FALSE(MessageLineShowsRed()) << "last line: " << MessageBuffer;
  EXPECT_STREQ(MessageBuffer, "Maps loaded.");
}

TEST_P(ShippedQuest, HeaderNamesTheQuestAndTellsItsStory) {
  const QuestHeaderRecord& q = QuestHeader;
  std::string base = BaseName(GetParam());
  for (char& ch : base) ch = static_cast<char>(tolower(ch));
  EXPECT_EQ(base, q.series) << "the series names the files of every chapter";
  EXPECT_STRNE(q.quest, "Quest I");
  EXPECT_GT(strlen(q.quest), 3u);
  EXPECT_GT(strlen(q.author), 3u);
  EXPECT_STRNE(q.author, "read-error");
  EXPECT_GE(q.chapter, 1);
  EXPECT_LE(q.chapter, q.chapters);
  EXPECT_EQ(q.mapw, kBoardW);
  EXPECT_EQ(q.maph, kBoardH);
  for (int k = 0; k < 4; k++) EXPECT_EQ(q.heroes[k], kHeroInPlay);
  EXPECT_GT(q.qstdata[kQuestRewardPerHero] + q.qstdata[kQuestRewardGroup], 0);
  int wandering = q.qstdata[kQuestWandering];
  EXPECT_TRUE(wandering >= 1 && wandering <= 255);
  ExpectStoryText("briefing", q.briefing, "Welcome Heroes");
  ExpectStoryText("victory", q.victory, "You have succesfully");
  ExpectStoryText("defeat", q.defeat, "Despite your efforts");
  EXPECT_EQ(q.savdata.CurrentObject, 0) << "a quest, not a saved game";
}

TEST_P(ShippedQuest, ObjectsCanBeDrawnAndPlayed) {
  ASSERT_GE(ObjectCount, 5);
  for (int slot = 1; slot <= ObjectCount; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    SCOPED_TRACE("object " + std::to_string(slot) + " " + o.name);
    ASSERT_FALSE(IsFreeSlot(o));
    EXPECT_EQ(o.side == kSideHero, slot <= 4) << "the heroes are objects 1 to 4";
    const int side = o.side;
    EXPECT_TRUE((side >= 1 && side <= 6) || (side >= 10 && side <= 12)) << side;
    const int pic = o.picture[kPicNumber];
    if (side <= kSideStatic) {
      EXPECT_GT(pic, 0) << "a board object needs a picture";
    }
    if (pic > 0) {
      BITMAP* b = ObjectPicture(pic);
      ASSERT_NE(b, nullptr) << "picture " << pic << " is not in the datafile";
      if (side < kSideStatic) {
        EXPECT_EQ(b->w, 20);
        EXPECT_EQ(b->h, 20);
      }
    }
    if (o.scriptvar[kScriptPic2] > 0) {
      EXPECT_NE(ObjectPicture(o.scriptvar[kScriptPic2]), nullptr) << "second picture";
    }
    if (side < kSideStatic) {
      EXPECT_GT(o.attribute[kLifeMax], 0);
      EXPECT_EQ(o.attribute[kLife], o.attribute[kLifeMax]) << "starts unhurt";
    }
    if (side >= kSideLookScript) {
      EXPECT_GT(o.scriptvar[kScriptType], 0) << "a script that does nothing";
    }
  }
}

TEST_P(ShippedQuest, LayersReferenceObjectsOfTheRightKind) {
  int placed[kMaxObjects] = {};
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      SCOPED_TRACE("tile " + std::to_string(x) + "," + std::to_string(y));
      EXPECT_EQ(VisibilityMap[x][y], 0) << "the board starts hidden";
      int s = ObjectMap[x][y];
      ASSERT_LE(s, ObjectCount);
      if (s > 0) {
        EXPECT_LE(ObjectTable[s].side, kSideStatic) << "scripts lie on the script layer";
        EXPECT_NE(FloorMap[x][y], kRock);
        placed[s]++;
      }
      s = ScriptMap[x][y];
      ASSERT_LE(s, ObjectCount);
      if (s > 0) {
        EXPECT_GE(ObjectTable[s].side, kSideLookScript) << "pieces stand on the object layer";
        EXPECT_NE(FloorMap[x][y], kRock);
        placed[s]++;
      }
    }
  for (int slot = 1; slot <= ObjectCount; slot++)
    EXPECT_EQ(placed[slot], 1) << "object " << slot << " " << ObjectTable[slot].name;
}

TEST_P(ShippedQuest, LargeObjectsStandInsideOneRoomWithoutOverlapping) {
  int cover[kBoardW][kBoardH] = {};
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int s = ObjectMap[x][y];
      if (s == 0) continue;
      bool mask[3][3];
      ObjectFootprint(s, mask);
      for (int dx = -1; dx <= 1; dx++)
        for (int dy = -1; dy <= 1; dy++) {
          if (!mask[dx + 1][dy + 1]) continue;
          int tx = x + dx, ty = y + dy;
          SCOPED_TRACE(std::string(ObjectTable[s].name) + " on " + std::to_string(tx) + "," +
                       std::to_string(ty));
          ASSERT_TRUE(OnBoard(tx, ty));
          EXPECT_EQ(FloorMap[tx][ty], FloorMap[x][y]) << "reaches into a wall";
          EXPECT_EQ(cover[tx][ty], 0) << "overlaps " << ObjectTable[cover[tx][ty]].name;
          cover[tx][ty] = s;
        }
    }
}

TEST_P(ShippedQuest, HeroesStartTogetherInOneRoom) {
  int hx[5] = {}, hy[5] = {};
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] >= 1 && ObjectMap[x][y] <= 4) {
        hx[ObjectMap[x][y]] = x;
        hy[ObjectMap[x][y]] = y;
      }
  const int code = FloorMap[hx[1]][hy[1]];
  bool room[kBoardW][kBoardH] = {};
  std::vector<std::pair<int, int>> todo = {{hx[1], hy[1]}};
  room[hx[1]][hy[1]] = true;
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    for (auto& k : kSteps) {
      int nx = x + k[0], ny = y + k[1];
      if (OnBoard(nx, ny) && !room[nx][ny] && FloorMap[nx][ny] == code) {
        room[nx][ny] = true;
        todo.push_back({nx, ny});
      }
    }
  }
  for (int h = 1; h <= 4; h++) EXPECT_TRUE(room[hx[h]][hy[h]]) << ObjectTable[h].name;
  EXPECT_NE(code, kRock);
}

TEST_P(ShippedQuest, DoorsStandInWallsBetweenWalkableTiles) {
  for (int y = 0; y <= kBoardH; y++)
    for (int x = 0; x <= kBoardW; x++) {
      const int fields[2] = {DoorMap[x][y] & 15, DoorMap[x][y] >> 4};
      const int other[2][2] = {{x - 1, y}, {x, y - 1}};  // west, north neighbour
      for (int e = 0; e < 2; e++) {
        if (fields[e] == 0) continue;
        SCOPED_TRACE(std::string(e ? "north" : "west") + " edge of " + std::to_string(x) +
                     "," + std::to_string(y));
        int ox = other[e][0], oy = other[e][1];
        ASSERT_TRUE(OnBoard(x, y) && OnBoard(ox, oy));
        EXPECT_NE(FloorMap[x][y], FloorMap[ox][oy]) << "a door inside one room";
        EXPECT_NE(FloorMap[x][y], kRock);
        EXPECT_NE(FloorMap[ox][oy], kRock);
      }
    }
}

// A lever or similar script that makes doors around a tile must open into rooms or
// corridors, never into the rock: a door there would let heroes walk into the rock.
TEST_P(ShippedQuest, MadeDoorsOpenOnlyIntoWalkableTiles) {
  for (int slot = 1; slot <= ObjectCount; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    if (o.scriptvar[kScriptType] != 24) continue;
    int x = o.scriptvar[kScriptX], y = o.scriptvar[kScriptY];
    SCOPED_TRACE(o.name);
    ASSERT_TRUE(OnBoard(x, y));
    int doors = 0;
    for (auto& k : kSteps) {
      int nx = x + k[0], ny = y + k[1];
      if (!OnBoard(nx, ny) || FloorMap[nx][ny] == FloorMap[x][y]) continue;
      EXPECT_NE(FloorMap[nx][ny], kRock) << "a door into rock at " << nx << "," << ny;
      doors++;
    }
    EXPECT_GE(doors, 1);
  }
}

// Every script names a sound the datafile has, an action the game knows, and a tile,
// amount or partner that exists: a trap door needs another trap door to lead to.
TEST_P(ShippedQuest, ScriptsNameThingsThatExist) {
  int hatches = 0;
  for (int slot = 1; slot <= ObjectCount; slot++)
    hatches += ObjectTable[slot].scriptvar[kScriptType] == 20;
  for (int slot = 1; slot <= ObjectCount; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    const int type = o.scriptvar[kScriptType];
    const int x = o.scriptvar[kScriptX], y = o.scriptvar[kScriptY];
    SCOPED_TRACE(std::to_string(slot) + " " + o.name + ", script " + std::to_string(type));
    EXPECT_TRUE((type >= 0 && type <= 24) || type == 100 || type == 101);
    const int sound = o.scriptvar[kScriptSound];
    EXPECT_TRUE(sound >= 0 && sound <= kSoundKinds) << "sound " << sound;
    if (sound > 0) {
      EXPECT_NE(EffectSample(sound), nullptr) << "sound " << sound;
    }
    EXPECT_TRUE(o.scriptvar[kScriptRepeatable] == 0 || o.scriptvar[kScriptRepeatable] == 1);
    switch (type) {
      case 2:
        EXPECT_TRUE(x >= 0 && x <= 9 && y > 0) << "give " << x << ", amount " << y;
        break;
      case 12: case 14: case 16: case 24:
        EXPECT_TRUE(OnBoard(x, y)) << x << "," << y;
        break;
      case 20:
        if (x < 1 && y < 1) {
          EXPECT_GE(hatches, 2) << "a trap door with nowhere to lead";
        } else {
          EXPECT_TRUE(OnBoard(x, y)) << x << "," << y;
        }
        break;
      default: break;
    }
  }
}

TEST_P(ShippedQuest, EveryLockedDoorHasAKeyThePartyCanReach) {
  Reach r = PartyReach();
  if (AnyDoor(kRed)) {
    EXPECT_TRUE(r.red) << "no reachable red key";
  }
  if (AnyDoor(kBlue)) {
    EXPECT_TRUE(r.blue) << "no reachable blue key";
  }
}

TEST_P(ShippedQuest, ObjectiveFitsTheContentAndCanBeMet) {
  const int objective = QuestHeader.qstdata[kQuestObjective];
  SCOPED_TRACE(ObjectiveNames[std::clamp(objective, 0, kObjectiveCount - 1)]);
  ASSERT_TRUE(objective >= 0 && objective < kObjectiveCount);
  Reach r = PartyReach();
  Cover c = CoverOfBoard();
  int targets = 0;
  for (int slot = 1; slot <= ObjectCount; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    bool target = false;
    switch (objective) {
      case 0: {  // a script ends the quest: a winning script or an endpoint
        int t = o.scriptvar[kScriptType];
        target = (t == 11 && o.scriptvar[kScriptX] == 0) || t == 12 || t == 13 || t == 22;
        break;
      }
      case 1: target = IsMonster(o); break;
      case 4:  // every closed chest must open into another picture
        target = o.picture[kPicNumber] == kClosedChestPicture;
        if (target) {
          EXPECT_TRUE(o.scriptvar[kScriptType] > 0 && o.scriptvar[kScriptPic2] > 0 &&
                      o.scriptvar[kScriptPic2] != kClosedChestPicture)
              << o.name;
        }
        break;
      case 5: case 6: case 7: case 8: target = o.side == objective - 2; break;
      default: break;
    }
    if (!target) continue;
    targets++;
    EXPECT_TRUE(Touchable(slot, r, c)) << o.name << " is out of the party's reach";
  }
  if (objective == 2) {
    EXPECT_TRUE(AnyDoor(kRed) && r.red);
  } else if (objective == 3) {
    EXPECT_TRUE(AnyDoor(kBlue) && r.blue);
  } else {
    EXPECT_GT(targets, 0);
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string n = info.param;
  for (char& ch : n)
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
}

INSTANTIATE_TEST_SUITE_P(DataQuests, ShippedQuest, ::testing::ValuesIn(ShippedFiles()), TestName);

}  // namespace
