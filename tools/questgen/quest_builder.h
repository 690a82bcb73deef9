// Builds one quest in the game's own model: header and texts, a board drawn as rows of
// characters, doors on tile edges, and objects copied from the prefab table. The checks
// catch the mistakes a hand-made board invites (a door in the middle of a room, a table
// standing half in the wall, two objects on one tile) before the file is written.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "quest/quest_model.h"
#include "quest/script_types.h"

struct QuestPlanHeader {
  const char* series;  // also the base name of the files
  const char* title;
  int chapter, chapters;
  int objective;  // index into ObjectiveNames
  int wandering;  // prefab slot of the wandering monster
  int rewardPerHero, rewardGroup;
  const char* briefing;
  const char* victory;
  const char* defeat;
  const char* author = "The Dunmarrow Team";
};

// Door kinds, as the door layer stores them in each nibble.
enum DoorKind { kDoorOpen = 1, kDoorRed = 2, kDoorBlue = 4, kDoorHidden = 8 };

// Prefab slots the plans use by name.
enum PrefabSlot {
  kBarbarian = 1, kDwarf = 2, kElf = 3, kWizard = 4,
  kPrisoner = 5, kExit = 6, kMerchant = 7,
  kIceImp = 8, kFrostTroll = 9, kIceWitch = 10, kGoblin = 11, kOrc = 12, kFimir = 13,
  kGoblinShaman = 14, kOrcChieftain = 15, kSkeleton = 16, kZombie = 17, kMummy = 18,
  kChaosWarrior = 19, kChaosSorcerer = 20, kWraith = 21, kBeastman = 22, kYeti = 23,
  kIceGolem = 24,
  kAlchemyBench = 25, kAltar = 26, kBookcase = 27, kWeaponRack = 28, kThrone = 29,
  kPillar = 30, kTable = 31, kCrates = 32, kFireplace = 33, kCupboard = 34, kTomb = 35,
  kTortureRack = 36, kStatue = 37, kBarrel = 38, kBones = 39, kTreasureChest = 40,
  kOpenChest = 41, kFountain = 42, kTrapDoor = 45, kPitTrap = 46, kRubble = 47, kLever = 48, kRetreatPoint = 49,
  kDartTrap = 50, kStairsDown = 51, kStairsUp = 52, kMagicCircle = 53,
  kRedKeyChest = 54, kBlueKeyChest = 55, kArrowTrap = 56,
};

// What a "give" script raises.
enum GiveWhat {
  kGiveWalk = 0, kGiveOffence = 1, kGiveDefence = 2, kGiveLife = 3, kGiveMindAndExp = 4,
  kGiveFighterOffence = 6, kGiveHeal = 8, kGiveMind = 9,
};

class QuestBuilder {
 public:
  // Resets the model and fills the header.
  explicit QuestBuilder(const QuestPlanHeader& h);

  // The board: 19 rows of 26 characters; legend maps each character to a floor code.
  void Floor(const char* const rows[kBoardH], const std::map<char, int>& legend);
  // A door on the east ('E') or south ('S') edge of tile (x, y).
  void Door(int x, int y, char edge, int kind);
  // The four heroes in a square whose top-left tile is (x, y): barbarian and dwarf in
  // the top row, elf and wizard below. The party is placed before anything else.
  void Party(int x, int y);
  // A copy of a prefab standing on (x, y) (its anchor tile). Heroes come first.
  ObjectRecord& Put(int prefab, int x, int y);
  // The same, turned a quarter (a long piece of furniture along a side wall).
  ObjectRecord& PutTurned(int prefab, int x, int y);
  // A walk-script prefab (a trap) lying on the script layer.
  ObjectRecord& Trap(int prefab, int x, int y);
  // A look script: its texts appear once the tile is first seen.
  ObjectRecord& Omen(int x, int y, int sound, const char* text1, const char* text2);

  // Everything wrong with the quest so far; empty when it is fine. Needs the datafile
  // for the footprints of large objects.
  std::vector<std::string> Problems() const;

 private:
  ObjectRecord& NewObject(int prefab);
  void Problem(const std::string& what);
  std::vector<std::string> problems_;
  int nextSlot_ = 1;
};

// Small setters that keep the plans readable.
void SetName(ObjectRecord& o, const char* name);
void SetScript(ObjectRecord& o, int type, int repeatable, int pic2, int x, int y, int sound,
               const char* text1, const char* text2);
// The gold in a chest and the text shown when it is opened.
void SetChestGold(ObjectRecord& chest, int gold, const char* text);
