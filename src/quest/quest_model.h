// The one quest in memory: header, object table, prefab table and board layers.
// Everything is global and single; objects are referred to by slot number (0 = none).
#pragma once
#include <cstdint>

constexpr int kBoardW = 26;     // columns x = 0..25
constexpr int kBoardH = 19;     // rows y = 0..18
constexpr int kLayerW = 27;     // layers keep one extra column and row for the door layer
constexpr int kLayerH = 21;
constexpr int kTileSize = 25;
constexpr int kMaxObjects = 256;  // slots 0..255; slot 0 never holds a board object

// Text field capacities (characters, the terminator comes on top).
constexpr int kHeaderTextLen = 40;
constexpr int kStoryTextLen = 1023;
constexpr int kNameLen = 17;
constexpr int kScriptTextLen = 80;

struct SaveData {
  int32_t reserved0;      // always 0
  int32_t CurrentObject;  // slot whose turn it is
  int32_t ActionState;    // turn phase of the active hero
  int32_t WalkLeft;       // walk points the active hero has left
  int8_t reserved4;
  int8_t reserved5;
};

struct QuestHeaderRecord {
  char series[kHeaderTextLen + 1];
  char quest[kHeaderTextLen + 1];
  char author[kHeaderTextLen + 1];
  int8_t chapter;
  int8_t chapters;
  int8_t mapw;
  int8_t maph;
  int8_t heroes[4];  // HeroSlotState of slots 1..4
  int32_t qstdata[6];
  SaveData savdata;
  char briefing[kStoryTextLen + 1];
  char defeat[kStoryTextLen + 1];
  char victory[kStoryTextLen + 1];
};

// qstdata elements.
enum QuestDataIndex {
  kQuestObjective = 0,
  kQuestWandering = 1,
  kQuestRewardPerHero = 2,
  kQuestRewardGroup = 3,
  kQuestDungeonSeedBase = 4,
};

// HeroSlotState values.
enum HeroSlotState { kHeroOffBoard = 0, kHeroInPlay = 1, kHeroLeftThroughEndpoint = 2 };

// Side values as stored.
enum Side {
  kSideHero = 1,
  kSideAllied = 2,
  kSideGreenskin = 3,
  kSideUndead = 4,
  kSideChaos = 5,
  kSideFrozen = 6,
  kSideStatic = 10,
  kSideLookScript = 11,
  kSideWalkScript = 12,
};

// attribute pairs: even = base (editor value), odd = current.
enum AttributeIndex {
  kWalkBase = 0, kWalk = 1,
  kOffBase = 2, kOff = 3,
  kDefBase = 4, kDef = 5,
  kLifeMax = 6, kLife = 7,
  kMindMax = 8, kMind = 9,
};

enum InventoryIndex { kInvGold = 0, kInvRedKeys = 1, kInvBlueKeys = 2 };
enum PictureIndex {
  kPicNumber = 0, kPicOffsetX = 1, kPicOffsetY = 2, kPicOrientation = 3, kPicShadow = 4,
  kPicLight = 5,
};
enum ScriptVarIndex {
  kScriptType = 0, kScriptRepeatable = 1, kScriptPic2 = 2, kScriptX = 3, kScriptY = 4,
  kScriptSound = 5,
};

struct ObjectRecord {
  char name[kNameLen + 1];  // "#" marks a free slot
  // property: side, exp, kills, id
  int8_t side;
  int32_t exp;
  int32_t kills;
  int32_t id;  // Hall of Fame identity of a hero, 0 until the campaign gives one
  int8_t attribute[10];
  int32_t inventory[10];
  int32_t picture[6];
  int32_t scriptvar[6];
  char text1[kScriptTextLen + 1];
  char text2[kScriptTextLen + 1];
};

extern QuestHeaderRecord QuestHeader;
extern ObjectRecord ObjectTable[kMaxObjects];
extern ObjectRecord PrefabTable[kMaxObjects];
extern int ObjectCount;
extern int PrefabCount;
extern int FirstMonsterPrefab;
extern int MonsterPrefabCount;

// Board layers, indexed [x][y].
extern uint8_t FloorMap[kLayerW][kLayerH];
extern uint8_t DoorMap[kLayerW][kLayerH];
extern uint8_t ObjectMap[kLayerW][kLayerH];
extern uint8_t VisibilityMap[kLayerW][kLayerH];
extern uint8_t ScriptMap[kLayerW][kLayerH];
extern uint8_t ScratchMap[kLayerW][kLayerH];

// Pixel origin of each column and row on the board picture.
extern int TileX[27];
extern int TileY[20];

// 1 when the last load read a whole quest (its map part included).
extern int QuestLoaded;

extern const char* const ObjectiveNames[9];
constexpr int kObjectiveCount = 9;

// What the script types are called, by number; names starting with "#" do nothing
// in play.
constexpr int kScriptActionCount = 25;
extern const char* const ScriptActionNames[kScriptActionCount];

// The monster prefabs a quest may choose from (its wandering monster, the monster
// lists): PrefabTable slots FirstMonsterPrefab onward, at most 31 of them. The table
// is unusable for this when it holds fewer than 31 slots from the first monster on.
constexpr int kMostMonsterChoices = 31;
bool MonsterPrefabsUsable();
// How many there are (0 when unusable).
int MonsterPrefabChoices();

// Everything a quest load writes, kept aside so that a load that fails half-way can
// give back the quest that was in memory (the prefab table is not the quest's).
struct QuestSnapshot {
  QuestHeaderRecord header;
  ObjectRecord objects[kMaxObjects];
  int objectCount;
  int questLoaded;
  uint8_t floor[kLayerW][kLayerH], door[kLayerW][kLayerH], object[kLayerW][kLayerH];
  uint8_t visibility[kLayerW][kLayerH], script[kLayerW][kLayerH];
};
void TakeQuestSnapshot(QuestSnapshot* s);
void RestoreQuestSnapshot(const QuestSnapshot& s);

// Resets the model: with full, the header too (savdata elements 1..3 are kept).
void ResetQuest(bool full);
// Makes one record a free slot.
void ClearObject(ObjectRecord& o);
bool IsFreeSlot(const ObjectRecord& o);
// A monster: side 3..9.
bool IsMonster(const ObjectRecord& o);
// A side the game knows: 1..9 move and fight, 10..12 are furniture and scripts.
bool IsKnownSide(int side);
// The usual enemies: the ordinary monsters of the prefab table, which the option
// "Usual enemies have 1 life" weakens.
bool IsUsualEnemyName(const char* name);

// Side lists show 1..6 then 10..12.
int SideToListPosition(int side);
int ListPositionToSide(int position);
const char* SideName(int side);

// Copies text into a fixed field of capacity cap (terminator not counted), cutting it.
void CopyText(char* dst, const char* src, int cap);
