#include "quest/quest_test_util.h"

#include <cstring>
#include <sstream>

#include "quest/quest_model.h"

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  std::string line;
  while (std::getline(s, line)) lines.push_back(line);
  return lines;
}

void PlaceObject(int slot, const char* name, int side, int x, int y) {
  ObjectRecord& o = ObjectTable[slot];
  ClearObject(o);
  CopyText(o.name, name, kNameLen);
  o.side = static_cast<int8_t>(side);
  ObjectMap[x][y] = static_cast<uint8_t>(slot);
}

void MakeSampleQuest() {
  ResetQuest(true);
  QuestHeaderRecord& h = QuestHeader;
  CopyText(h.series, "Barrow", kHeaderTextLen);
  CopyText(h.quest, "The Sunken Crypt", kHeaderTextLen);
  CopyText(h.author, "Test Author", kHeaderTextLen);
  h.chapter = 2;
  h.chapters = 3;
  h.heroes[2] = 0;
  h.qstdata[2] = 120;
  h.qstdata[3] = 300;
  h.qstdata[4] = 4711;
  h.savdata.CurrentObject = 2;
  h.savdata.ActionState = 1;
  h.savdata.WalkLeft = 5;
  h.savdata.reserved4 = 7;
  CopyText(h.briefing, "Go down, find the crypt, come back.", kStoryTextLen);

  PlaceObject(1, "Warrior", kSideHero, 1, 1);
  ObjectTable[1].attribute[kLife] = 8;
  ObjectTable[1].attribute[kOff] = -3;
  ObjectTable[1].exp = 40;
  ObjectTable[1].id = 31337;
  PlaceObject(2, "Dwarf", kSideHero, 2, 1);
  PlaceObject(3, "Orc", kSideGreenskin, 10, 5);
  ObjectTable[3].inventory[kInvGold] = 20;
  ObjectTable[3].picture[kPicNumber] = 5;
  ObjectTable[3].picture[kPicOffsetX] = -2;
  PlaceObject(4, "Chest", kSideStatic, 20, 17);
  ObjectTable[4].scriptvar[kScriptType] = 2;
  ObjectTable[4].scriptvar[kScriptX] = 3;
  CopyText(ObjectTable[4].text1, "You find a pouch of gold.", kScriptTextLen);
  PlaceObject(5, "Pit", kSideWalkScript, 7, 7);
  ObjectMap[7][7] = 0;
  ScriptMap[7][7] = 5;
  ObjectCount = 5;

  for (int x = 0; x < kBoardW; x++) FloorMap[x][0] = static_cast<uint8_t>(x % 4);
  FloorMap[25][18] = 200;
  DoorMap[26][19] = 17;
  DoorMap[3][4] = 0x21;
  VisibilityMap[1][1] = 1;
  VisibilityMap[2][1] = 2;
}
