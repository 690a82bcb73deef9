#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "campaign/hall_of_fame.h"
#include "core/config_file.h"
#include "quest/quest_model.h"
#include "support/temp_folder.h"

namespace {

class HallOfFameTest : public ::testing::Test {
 protected:
  void SetUp() override { cfg_ = dir_.File("dunmar.cfg"); }
  void TearDown() override {
    ResetHallOfFame();
    set_config_data("", 0);
  }
  void Load(const std::string& text) {
    WriteText(cfg_, text);
    SelectConfigFile(cfg_.c_str());
    memset(HallOfFame, 0x55, sizeof HallOfFame);
    ReadHallOfFame();
  }
  bool Save() {
    ConfigUpdate u;
    AddHallOfFame(u);
    return WriteConfig(cfg_.c_str(), u);
  }
  // A stored entry as the game writes it, with a checksum of our choosing.
  static std::string Section(int i, const char* name, int exp, int picture, int checksum) {
    char s[400];
    snprintf(s, sizeof s,
             "[hallfame%d]\nname = %s\nquest = The Keep\nexperience = %d\ngold = 5\nkills = 2\n"
             "picture = %d\nID = 77\nchecksum = %d\n\n",
             i, name, exp, picture, checksum);
    return s;
  }
  static int Sum(const char* name, int exp, int picture) {
    return static_cast<signed char>(name[0]) + 'T' + 2 * exp + 2 * 5 + 2 * 2 + 999 * picture;
  }

  TempFolder dir_;
  std::string cfg_;
};

TEST_F(HallOfFameTest, MissingFileGivesTheDefaultTableWithValidChecksums) {
  Load("");
  for (int i = 0; i < kHallOfFameSize; i++) {
    const HallOfFameEntry& e = HallOfFame[i];
    EXPECT_STREQ(e.name, "Halberdier");
    EXPECT_STREQ(e.quest, "No Quest on record");
    EXPECT_EQ(e.experience, 100 - 10 * i);
    EXPECT_EQ(e.gold, 100 - 10 * i);
    EXPECT_EQ(e.kills, 10 - i);
    EXPECT_EQ(e.picture, 9);
    EXPECT_EQ(e.ID, 0);
    EXPECT_EQ(e.flag, 0);
    EXPECT_EQ(e.checksum, 9561 - 42 * i);
    EXPECT_EQ(HallOfFameChecksum(e), e.checksum) << "entry " << i;
  }
}

TEST_F(HallOfFameTest, ChecksumCountsFirstCharactersAsSigned) {
  HallOfFameEntry e = DefaultHallOfFameEntry(0);
  strcpy(e.name, "\xC9lodie");  // a Latin-1 letter above 127 counts negative
  strcpy(e.quest, "");
  e.experience = 10;
  e.gold = 20;
  e.kills = 3;
  e.picture = 2;
  EXPECT_EQ(HallOfFameChecksum(e), (0xC9 - 256) + 0 + 20 + 40 + 6 + 1998);
}

TEST_F(HallOfFameTest, EntriesSurviveARoundTrip) {
  Load("");
  HallOfFameEntry& e = HallOfFame[3];
  strcpy(e.name, "Brenna Stoutheart");
  strcpy(e.quest, "Under the Old Mill");
  e.experience = 345;
  e.gold = 1200;
  e.kills = 41;
  e.picture = 3;
  e.ID = 123456;
  e.flag = 1;
  e.checksum = 0;  // written fresh
  ASSERT_TRUE(Save());
  HallOfFameEntry expected[kHallOfFameSize];
  memcpy(expected, HallOfFame, sizeof expected);
  Load(ReadText(cfg_));
  for (int i = 0; i < kHallOfFameSize; i++) {
    EXPECT_STREQ(HallOfFame[i].name, expected[i].name);
    EXPECT_STREQ(HallOfFame[i].quest, expected[i].quest);
    EXPECT_EQ(HallOfFame[i].experience, expected[i].experience);
    EXPECT_EQ(HallOfFame[i].gold, expected[i].gold);
    EXPECT_EQ(HallOfFame[i].kills, expected[i].kills);
    EXPECT_EQ(HallOfFame[i].picture, expected[i].picture);
    EXPECT_EQ(HallOfFame[i].ID, expected[i].ID);
    EXPECT_EQ(HallOfFame[i].checksum, HallOfFameChecksum(HallOfFame[i]));
    EXPECT_EQ(HallOfFame[i].flag, 0);  // the flag is not stored
  }
}

TEST_F(HallOfFameTest, UnusualNamesAndTitlesSurviveTwoStarts) {
  // Quest files keep leading blanks and empty titles, and a hero may be named anything.
  const struct {
    const char* name;
    const char* quest;
  } texts[] = {
      {"", "The Keep"},
      {" Sir Tam", " Below the Mill"},
      {"\x01Imp", ""},
      {"\tTabbed", "\x7F"},
      {"Cut to seventeen ", "Ends in a blank "},
      {"\"Red\" Orla", "\xC9lodie's"},
  };
  Load("");
  for (int i = 0; i < 6; i++) {
    CopyText(HallOfFame[i].name, texts[i].name, kHallNameLen);
    CopyText(HallOfFame[i].quest, texts[i].quest, kHallQuestLen);
  }
  for (int start = 1; start <= 2; start++) {
    SCOPED_TRACE(start);
    ASSERT_TRUE(Save());
    Load(ReadText(cfg_));
    for (int i = 0; i < 6; i++) {
      EXPECT_STREQ(HallOfFame[i].name, texts[i].name) << i;
      EXPECT_STREQ(HallOfFame[i].quest, texts[i].quest) << i;
    }
  }
}

TEST_F(HallOfFameTest, HandEditedValueShowsChecksumErrorAndIsStoredValid) {
  int good = Sum("Orla", 200, 4);
  Load(Section(0, "Orla", 200, 4, good) + Section(1, "Tam", 180, 4, Sum("Tam", 150, 4)));
  EXPECT_STREQ(HallOfFame[0].name, "Orla");
  EXPECT_STREQ(HallOfFame[1].name, "Checksum Error!");
  EXPECT_EQ(HallOfFame[1].experience, 180);
  EXPECT_EQ(HallOfFame[1].checksum, HallOfFameChecksum(HallOfFame[1]));

  ASSERT_TRUE(Save());
  EXPECT_EQ(get_config_int("hallfame1", "checksum", 0), HallOfFameChecksum(HallOfFame[1]));
  Load(ReadText(cfg_));
  EXPECT_STREQ(HallOfFame[1].name, "Checksum Error!");  // stays, but is valid now
  EXPECT_EQ(HallOfFame[1].checksum, HallOfFameChecksum(HallOfFame[1]));
}

TEST_F(HallOfFameTest, OverlongTextsAreCutToTheirFields) {
  std::string name(60, 'N'), quest(200, 'Q');
  int sum = 'N' + 'Q' + 2 * 50 + 2 * 5 + 2 * 2 + 999 * 1;
  Load("[hallfame2]\nname = " + name + "\nquest = " + quest +
       "\nexperience = 50\ngold = 5\nkills = 2\npicture = 1\nchecksum = " +
       std::to_string(sum) + "\n");
  EXPECT_EQ(std::string(HallOfFame[2].name), std::string(kHallNameLen, 'N'));
  EXPECT_EQ(std::string(HallOfFame[2].quest), std::string(kHallQuestLen, 'Q'));
  EXPECT_EQ(HallOfFame[2].checksum, sum);
}

TEST_F(HallOfFameTest, PictureOutsideTheObjectPicturesBecomesTheDefault) {
  const int pictures[] = {-1, 55, 100000};
  for (int p : pictures) {
    Load(Section(0, "Pell", 120, p, Sum("Pell", 120, p)));
    EXPECT_STREQ(HallOfFame[0].name, "Pell") << p;  // the checksum did match
    EXPECT_EQ(HallOfFame[0].picture, 9) << p;
    EXPECT_EQ(HallOfFame[0].checksum, HallOfFameChecksum(HallOfFame[0])) << p;
  }
  Load(Section(0, "Pell", 120, 54, Sum("Pell", 120, 54)));
  EXPECT_EQ(HallOfFame[0].picture, 54);
}

// A hero is recorded with his name and the quest title cut to the fields, so that the
// next start reads back exactly what the table held, checksum and all.
TEST_F(HallOfFameTest, RecordedTextsAreCutToTheirFieldsAndReadBackAsWritten) {
  const struct {
    std::string name;
    std::string quest;
  } cases[] = {
      {std::string(kNameLen + 1, 'N'), std::string(60, 'Q')},  // a name without terminator
      {"Seventeen Letters", std::string(kHeaderTextLen, 'T')},
      {"Ends in blanks  ", "  A title between blanks  "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load("");
    ObjectRecord hero;
    ClearObject(hero);
    memcpy(hero.name, c.name.data(), std::min(c.name.size() + 1, sizeof hero.name));
    hero.exp = 500;
    hero.id = 4321;
    HallOfFameRecording r = RecordInHallOfFame(hero, c.quest.c_str());
    ASSERT_TRUE(r.entered);
    const std::string name = c.name.substr(0, kHallNameLen);
    const std::string quest = c.quest.substr(0, kHallQuestLen);
    EXPECT_EQ(std::string(HallOfFame[0].name), name);
    EXPECT_EQ(std::string(HallOfFame[0].quest), quest);
    ASSERT_TRUE(Save());
    Load(ReadText(cfg_));
    EXPECT_EQ(std::string(HallOfFame[0].name), name);
    EXPECT_EQ(std::string(HallOfFame[0].quest), quest);
    EXPECT_EQ(HallOfFame[0].experience, 500);
    EXPECT_EQ(HallOfFame[0].ID, 4321);
  }
}

}  // namespace
