#include "dungeon/dungeon_content.h"

#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "core/wall_clock.h"
#include "dungeon/board_access.h"
#include "dungeon/dungeon_layout.h"
#include "quest/prefab_roles.h"
#include "quest/quest_model.h"
#include "quest/script_types.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"

// Each line is one dx from -2 to +3; its six values run from dy = -2 to dy = +3.
const unsigned short PlacementPatterns[kPlacementPatternCount][6][6] = {
    // 0: weapon racks
    {{0, 0, 0, 0, 0, 0}, {0, 16, 16, 16, 0, 0}, {0, 39, 39, 39, 0, 0},
     {0, 33, 33, 33, 0, 0}, {0, 1, 1, 1, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 1: crates, fireplace, cupboard, tomb
    {{0, 1, 1, 1, 0, 0}, {0, 1, 33, 1, 0, 0}, {0, 39, 39, 39, 0, 0},
     {0, 64, 64, 64, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 2: crates
    {{0, 0, 0, 0, 0, 0}, {128, 64, 64, 64, 128, 0}, {0, 39, 39, 39, 128, 0},
     {0, 1, 33, 1, 128, 0}, {128, 1, 1, 1, 128, 0}, {0, 0, 128, 0, 0, 0}},
    // 3: tables, alchemy bench, altar, torture rack
    {{0, 0, 0, 0, 0, 0}, {0, 33, 33, 33, 0, 0}, {0, 39, 39, 39, 33, 0},
     {0, 39, 39, 39, 33, 0}, {0, 2, 2, 2, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 4: throne
    {{0, 0, 0, 0, 0, 0}, {0, 64, 64, 64, 128, 0}, {128, 39, 39, 39, 33, 0},
     {128, 39, 39, 39, 33, 0}, {0, 33, 33, 33, 33, 0}, {0, 0, 128, 0, 0, 0}},
    // 5: bookcase
    {{0, 0, 0, 0, 0, 0}, {0, 33, 33, 33, 33, 0}, {0, 39, 39, 39, 33, 0},
     {0, 39, 39, 39, 33, 0}, {0, 64, 64, 64, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 6: dart traps, rubble
    {{0, 0, 0, 0, 0, 0}, {0, 0, 64, 0, 0, 0}, {0, 33, 3, 64, 0, 0},
     {0, 0, 66, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 7: barrels, bones
    {{0, 0, 0, 0, 0, 0}, {0, 0, 64, 0, 0, 0}, {0, 33, 3, 64, 0, 0},
     {0, 33, 33, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 8: stairs down
    {{0, 0, 0, 0, 0, 0}, {0, 0, 64, 64, 0, 0}, {0, 64, 39, 39, 33, 0},
     {0, 64, 39, 39, 33, 0}, {0, 0, 33, 33, 33, 0}, {0, 0, 33, 33, 0, 0}},
    // 9: stairs down where 8 finds no place
    {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 64, 39, 39, 33, 0},
     {0, 64, 39, 39, 33, 0}, {0, 0, 33, 33, 33, 0}, {0, 0, 33, 33, 0, 0}},
    // 10: stairs up
    {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 33, 39, 39, 64, 0},
     {0, 33, 39, 39, 64, 0}, {0, 33, 33, 33, 0, 0}, {0, 0, 33, 33, 0, 0}},
    // 11: treasure chest, fountains
    {{0, 0, 0, 0, 0, 0}, {0, 33, 33, 0, 0, 0}, {33, 33, 39, 64, 0, 0},
     {0, 33, 33, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 12: a hero right of the arrival stairs
    {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0},
     {0, 0, 1024, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 13: a hero left of the arrival stairs
    {{0, 0, 0, 0, 0, 0}, {0, 0, 1024, 0, 0, 0}, {0, 0, 1, 0, 0, 0},
     {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 14: the merchant near the arrival stairs
    {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 3, 0, 0, 0},
     {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {1024, 0, 0, 0, 0, 0}},
    // 15: arrow traps
    {{0, 0, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0}, {0, 0, 11, 19, 0, 0},
     {0, 0, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    // 16: goblins, orcs
    {{128, 128, 128, 128, 128, 128}, {128, 128, 128, 128, 128, 128},
     {128, 128, 3, 128, 128, 128}, {128, 128, 128, 128, 128, 128},
     {128, 128, 128, 128, 128, 128}, {128, 128, 128, 128, 128, 128}},
    // 17: fimir, orc chieftain, chaos warrior and sorcerer
    {{128, 128, 128, 128, 128, 128}, {128, 128, 128, 128, 128, 128},
     {128, 128, 7, 128, 128, 128}, {128, 128, 128, 128, 128, 128},
     {128, 128, 128, 128, 128, 128}, {128, 128, 128, 128, 128, 128}},
    // 18: the undead
    {{256, 256, 256, 256, 256, 256}, {256, 256, 256, 256, 256, 256},
     {256, 256, 7, 256, 256, 256}, {256, 256, 256, 256, 256, 256},
     {256, 256, 256, 256, 256, 256}, {256, 256, 256, 256, 256, 256}},
    // 19: the rare treasure chest
    {{0, 0, 0, 0, 0, 0}, {0, 0, 64, 0, 0, 0}, {0, 0, 39, 0, 0, 0},
     {0, 0, 33, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
};

namespace {

constexpr int kChanceRange = 1001;  // a fitting tile takes the object when draw <= chance

// These may stand in the area of a hero or of stairs: the merchant, barrels, bones and
// the fountain.
bool MayStandNearHeroesAndStairs(int prefab) {
  return prefab == kPrefabMerchant || prefab == 38 || prefab == 39 || prefab == 42;
}

bool IsHeroOrStairsPicture(int picture) {
  return (picture >= kPictureFirstHero && picture <= kPictureLastHero) ||
         picture == kPictureStairsDown || picture == kPictureStairsUp;
}

bool IsArtifactPicture(int picture) {
  return picture >= kPictureFirstArtifact && picture <= kPictureLastArtifact;
}

int Trunc(float v) { return static_cast<int>(v); }

// The condition the pattern puts on the window tile (dx, dy): read as it stands or
// transposed, mirrored for orientation 1; 0 where the mirror falls outside the pattern.
int PatternCell(int pattern, int dx, int dy, bool transposed, int orientation) {
  const int mx = orientation == 1 ? -dx : dx;
  const int px = transposed ? dy : mx;
  const int py = transposed ? mx : dy;
  if (px < -2 || px > 3 || py < -2 || py > 3) return 0;
  return PlacementPatterns[pattern][px + 2][py + 2];
}

// What the rules read of one tile.
struct TileFacts {
  int floor;
  bool covered;  // an object covers the tile; picture and side are its anchor's
  int picture, side;
  bool door;     // a door on one of its edges
};

TileFacts ReadTile(int x, int y) {
  TileFacts t{getCell(x, y, kLayerFloor), false, -1, 0, doorTouches(x, y)};
  int ax, ay;
  // Off the board there is no object.
  if (x >= 0 && y >= 0 && x < BoardWidth() && y < BoardHeight() && ObjectAt(x, y, &ax, &ay) &&
      ObjectMap[ax][ay] != 0) {
    const ObjectRecord& o = ObjectTable[ObjectMap[ax][ay]];
    t.covered = true;
    t.picture = o.picture[kPicNumber];
    t.side = o.side;
  }
  return t;
}

// The rules as condition bits a tile breaks. A candidate's window tile breaks its
// condition mask when mask & always is not 0, or when (mask | kAnyMask) & ifSameArea
// (the tile lies in the candidate's area) or & kIfOtherArea (it does not) is not 0.
// kAnyMask stands for the rules every tile is held to whatever its mask: no hero,
// stairs or object of the prefab's own picture in the candidate's area.
constexpr int kAnyMask = 0x4000;
constexpr int kIfOtherArea = kMustBeSameArea | kMustBeArrivalStairs;
struct TileBits {
  int floor;
  int always, ifSameArea;
};

TileBits RuleBits(const TileFacts& t, int prefab, int arrival) {
  const ObjectRecord& p = PrefabTable[prefab >= 0 && prefab < kMaxObjects ? prefab : 0];
  const bool exempt = p.side == kSideHero || p.side == kSideAllied;
  const bool keepsOut = (!exempt && !MayStandNearHeroesAndStairs(prefab) &&
                         IsHeroOrStairsPicture(t.picture)) ||
                        t.picture == p.picture[kPicNumber];
  TileBits b{t.floor, 0, kMustBeOtherArea};
  if (t.picture > 0) b.always |= kMustBeFree;
  if (t.door) b.always |= kMustHaveNoDoor;
  if (t.floor == kFloorRock || t.floor == OpenFloorCode) b.always |= kMustBeRoomFloor;
  if (t.floor != OpenFloorCode) b.always |= kMustBeOpenGround;
  if (t.floor != kFloorRock) b.always |= kMustBeRock;
  if (IsArtifactPicture(t.picture)) b.ifSameArea |= kMustHaveNoArtifact;
  if (t.covered && t.side == kSideGreenskin) b.ifSameArea |= kMustHaveNoGreenskin;
  if (t.picture != arrival) b.ifSameArea |= kMustBeArrivalStairs;
  if (keepsOut) b.ifSameArea |= kAnyMask;
  return b;
}

bool Breaks(const TileBits& b, int mask, int centreFloor) {
  return (mask & b.always) != 0 ||
         ((mask | kAnyMask) & (b.floor == centreFloor ? b.ifSameArea : kIfOtherArea)) != 0;
}

// The tiles placePrefab reads: every window of a candidate tile (x -2 .. map w + 3,
// y -2 .. map h + 2). Their facts are read once per call, or once for the whole
// placement table while generateDungeonContent runs it (nothing else changes the board
// then), and again around each object placed; their rule bits follow the facts for
// each call's prefab.
constexpr int kTilesW = kBoardW + 6, kTilesH = kBoardH + 5;
TileFacts gFacts[kTilesW][kTilesH];
TileBits gTiles[kTilesW][kTilesH];
bool gFactsHeld = false;

bool InWindowRange(int x, int y, int w, int h) {
  return x >= -2 && x <= w + 3 && y >= -2 && y <= h + 2;
}

void ReadAllFacts(int w, int h) {
  for (int x = -2; x <= w + 3; x++)
    for (int y = -2; y <= h + 2; y++) gFacts[x + 2][y + 2] = ReadTile(x, y);
}

void MakeRuleBits(int w, int h, int prefab, int arrival) {
  for (int x = -2; x <= w + 3; x++)
    for (int y = -2; y <= h + 2; y++)
      gTiles[x + 2][y + 2] = RuleBits(gFacts[x + 2][y + 2], prefab, arrival);
}

// After an object was placed on (x, y): its footprint does not reach further than the
// tiles around it.
void RereadAround(int x, int y, int w, int h, int prefab, int arrival) {
  for (int i = x - 1; i <= x + 1; i++)
    for (int j = y - 1; j <= y + 1; j++) {
      if (!InWindowRange(i, j, w, h)) continue;
      gFacts[i + 2][j + 2] = ReadTile(i, j);
      gTiles[i + 2][j + 2] = RuleBits(gFacts[i + 2][j + 2], prefab, arrival);
    }
}

// One reading of a pattern: the condition of each window tile, the candidate first
// (it fails most often, and the order does not change the sum).
struct Reading {
  int dx[36], dy[36], mask[36];
};

void MakeReading(Reading& r, int pattern, bool transposed, int orientation) {
  int n = 0;
  r.dx[n] = 0;
  r.dy[n] = 0;
  r.mask[n++] = PatternCell(pattern, 0, 0, transposed, orientation);
  for (int dx = -2; dx <= 3; dx++)
    for (int dy = -2; dy <= 3; dy++) {
      if (dx == 0 && dy == 0) continue;
      r.dx[n] = dx;
      r.dy[n] = dy;
      r.mask[n++] = PatternCell(pattern, dx, dy, transposed, orientation);
    }
}

// True when no tile of the 6 x 6 window around (x, y) breaks its condition.
bool WindowFits(const Reading& r, int x, int y, int centreFloor) {
  for (int i = 0; i < 36; i++)
    if (Breaks(gTiles[x + r.dx[i] + 2][y + r.dy[i] + 2], r.mask[i], centreFloor)) return false;
  return true;
}

// A copy of the prefab on (x, y) in the first free slot; false when the tile is off
// the board or every slot is taken.
bool PutCopy(int x, int y, int prefab, int facing, bool turn) {
  for (int slot = 1; slot < kMaxObjects; slot++) {
    if (!IsFreeSlot(ObjectTable[slot])) continue;
    if (setCell(x, y, kLayerObject, slot) != 0) return false;
    ObjectTable[slot] = PrefabTable[prefab];
    if (turn) ObjectTable[slot].picture[kPicOrientation] = facing;
    return true;
  }
  return false;
}

// One row of the placement table.
struct Placement {
  int prefab, pattern, chance, maximum;
};

int Place(const Placement& p, int orientation, int arrival) {
  return placePrefab(p.prefab, p.pattern, p.chance, p.maximum, orientation, arrival);
}

// Orientation 0, then 1.
int PlaceBothWays(const Placement& p, int arrival) {
  int placed = Place(p, 0, arrival);
  return placed + Place(p, 1, arrival);
}

// The required objects: the first pattern, else the second.
bool PlaceRequired(int prefab, int pattern, int fallback, int arrival) {
  if (placePrefab(prefab, pattern, 1000, 1, 0, arrival) > 0) return true;
  return fallback >= 0 && placePrefab(prefab, fallback, 1000, 1, 0, arrival) > 0;
}

// The prefab slots the table places, for the one warning about a short prefab table.
const int kPlacedPrefabs[] = {kPrefabStairsDown, kPrefabStairsUp, kPrefabMerchant, 1, 2, 3, 4,
                              31, 25, 26, 27, 36, 29, 28, 32, 33, 34, 35, kPrefabTreasure, 50,
                              47, 38, 39, 42, 56, 11, 12, 13, 15, 16, 17, 18, 19, 20};

void WarnAboutMissingPrefabs() {
  int missing = 0, first = 0;
  for (int p : kPlacedPrefabs) {
    if (PrefabSlotHolds(p)) continue;
    if (missing++ == 0) first = p;
  }
  if (missing == 0) return;
  PrintMessage(ColorTable[kColorDarkRed],
               "Dunmar.qpf lacks %d dungeon objects (first: prefab %d).", missing, first);
}

// 1 when open ground (floor 1) outnumbers corridor (floor 8), counted over the board
// and the spare column and row the layout writes.
bool LooksOutdoors() {
  const int w = BoardWidth(), h = BoardHeight();
  int ground = 0, corridor = 0;
  for (int y = 0; y <= h; y++)
    for (int x = 0; x <= w; x++) {
      ground += FloorMap[x][y] == 1;
      corridor += FloorMap[x][y] == kFloorCorridor;
    }
  return ground > corridor;
}

// Every chest gets 5 x (gold base + 0..5) gold.
void FillTreasure(int goldBase) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      ObjectRecord& o = ObjectTable[ObjectMap[x][y]];
      if (ObjectMap[x][y] == 0 || o.picture[kPicNumber] != kPictureTreasure) continue;
      o.inventory[kInvGold] = 5 * (goldBase + RandomMod(6));
    }
}

// About one artifact in three hides a Healing Potion.
void HidePotions() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      ObjectRecord& o = ObjectTable[ObjectMap[x][y]];
      if (ObjectMap[x][y] == 0 || !IsArtifactPicture(o.picture[kPicNumber])) continue;
      if (RandomMod(3) != 2) continue;
      o.scriptvar[kScriptType] = kScriptGive;
      o.scriptvar[kScriptX] = kGiveHealing;
      o.scriptvar[kScriptY] = 3;
      o.scriptvar[kScriptSound] = 13;
      CopyText(o.text1, "Searching the artifact you discover a Healing Potion.", kScriptTextLen);
      CopyText(o.text2, "It restores up to 3 lost life.", kScriptTextLen);
    }
}

void SwapSlots(int a, int b) {
  if (a == b) return;
  ObjectRecord kept = ObjectTable[a];
  ObjectTable[a] = ObjectTable[b];
  ObjectTable[b] = kept;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (ObjectMap[x][y] == a) {
        ObjectMap[x][y] = static_cast<uint8_t>(b);
      } else if (ObjectMap[x][y] == b) {
        ObjectMap[x][y] = static_cast<uint8_t>(a);
      }
    }
}

// The first four heroes in slot order go to slots 1 to 4 (only when there are four).
void MoveHeroesToTheirSlots() {
  int found[kPrefabHeroCount];
  int n = 0;
  for (int slot = 1; slot <= ObjectCount && slot < kMaxObjects && n < kPrefabHeroCount; slot++)
    if (!IsFreeSlot(ObjectTable[slot]) && ObjectTable[slot].side == kSideHero) found[n++] = slot;
  if (n < kPrefabHeroCount) return;
  for (int k = 0; k < kPrefabHeroCount; k++) SwapSlots(k + 1, found[k]);
}

}  // namespace

DungeonWeights ComputeDungeonWeights(int level, int lastLevel) {
  DungeonWeights w;
  const int last = lastLevel < 1 ? 1 : lastLevel;  // never divide by a last level of 0
  w.level = level > last ? last : level;
  w.f = static_cast<float>(w.level) / static_cast<float>(last);
  w.early = 1.0f - w.f + 0.05f;
  w.halfed = (w.early + 1.0f) / 2.0f;
  w.later = w.f + 0.2f;
  w.doubled = w.f + 1.0f;
  const float t = w.later < 0.5f ? 2.0f * w.later : 2.0f * w.early;
  w.mid = (t + 1.0f) / 2.0f - 0.3f;
  w.goldBase = Trunc(w.later * 12.0f);
  return w;
}

int placementRule(int x, int y, int mask, int centreFloor, int prefab, int arrival) {
  return Breaks(RuleBits(ReadTile(x, y), prefab, arrival), mask, centreFloor) ? 1 : 0;
}

int placePrefab(int prefab, int pattern, int chance, int maximum, int orientation,
                int arrival) {
  if (!PrefabSlotHolds(prefab) || pattern < 0 || pattern >= kPlacementPatternCount) return 0;
  const int w = BoardWidth(), h = BoardHeight();
  if (w < 1 || h < 1) return 0;
  // Wide pictures turn a quarter; a one-tile picture (20 pixels) is mirrored instead.
  BITMAP* picture = ObjectPicture(PrefabTable[prefab].picture[kPicNumber]);
  const int facing = picture && picture->w == 20 ? 1 : 2;
  int placed = 0;
  Reading asGiven, transposed;
  MakeReading(asGiven, pattern, false, orientation);
  MakeReading(transposed, pattern, true, orientation);
  if (!gFactsHeld) ReadAllFacts(w, h);
  MakeRuleBits(w, h, prefab, arrival);

  const int sx = RandomMod(w), sy = RandomMod(h);
  int x = sx, y = sy;
  // Row by row from the start tile, wrapping round; x runs one column past the board
  // (that column never takes an object).
  do {
    const int centreFloor = gTiles[x + 2][y + 2].floor;
    if (centreFloor != kFloorRock && placed < maximum) {
      if (WindowFits(asGiven, x, y, centreFloor) && RandomMod(kChanceRange) <= chance &&
          PutCopy(x, y, prefab, facing, orientation == 0)) {
        placed++;
        RereadAround(x, y, w, h, prefab, arrival);
      }
      if (WindowFits(transposed, x, y, centreFloor) && RandomMod(kChanceRange) <= chance &&
          PutCopy(x, y, prefab, facing, orientation == 1)) {
        placed++;
        RereadAround(x, y, w, h, prefab, arrival);
      }
    }
    if (x < w) {
      x++;
    } else {
      x = 0;
      if (++y >= h) y = 0;
    }
  } while (x != sx || y != sy);
  ObjectCount += placed;
  return placed;
}

int generateDungeonContent(int mode, int level, int seed) {
  const DungeonWeights wt = ComputeDungeonWeights(level, GameOptions.lastlevel);
  if (GameOptions.developer == 1) {
    PrintMessage(ColorTable[kColorGreen],
                 "level=%d early=%.2f mid=%.2f later=%.2f doubled=%.2f halfed=%.2f", wt.level,
                 wt.early, wt.mid, wt.later, wt.doubled, wt.halfed);
    DrawScreen(0, 1, 1, 0);
  }
  if (LooksOutdoors()) {
    OpenFloorCode = 1;
    PrintMessage(TextColor2, "determined current map as an outdoors map");
    DrawScreen(0, 1, 1, 0);
  } else {
    OpenFloorCode = kFloorCorridor;
  }
  WarnAboutMissingPrefabs();
  if (seed > 0) SeedRandom(static_cast<uint32_t>(seed));
  const int arrival = mode == kContentDescending ? kPictureStairsUp : kPictureStairsDown;
  int failures = 0;
  ReadAllFacts(BoardWidth(), BoardHeight());
  gFactsHeld = true;

  // The layout's seed decides everything up to the heroes. The furniture comes before
  // the merchant and the heroes, whose places follow the stairs the party arrives by:
  // so a level has the same furniture whichever way it is entered (every fitting tile
  // takes a draw, so one hero standing elsewhere would shift all that follows).
  if (!PlaceRequired(kPrefabStairsDown, 8, 9, arrival)) failures++;
  if (mode > 0 && !PlaceRequired(kPrefabStairsUp, 10, -1, arrival)) failures++;
  const float halfed = wt.halfed, doubled = wt.doubled;
  const Placement furniture[] = {
      {31, 3, Trunc(halfed * 40.0f), 2},      // tables
      {25, 3, Trunc(doubled * 50.0f), 1},     // alchemy bench
      {26, 3, Trunc(doubled * 70.0f), 1},     // altar
      {27, 5, Trunc(doubled * 50.0f), 1},     // bookcase
      {36, 3, 100, 1},                        // torture rack
      {29, 4, 100, 1},                        // throne
      {28, 0, 300, 2},                        // weapon racks
      {32, 1, Trunc(halfed * 200.0f), Trunc(halfed * 20.0f)},  // crates on walls
      {32, 2, Trunc(halfed * 200.0f), Trunc(halfed * 20.0f)},  // and in corners
      {33, 1, Trunc(halfed * 60.0f), 1},      // fireplace
      {34, 1, Trunc(halfed * 100.0f), 1},     // cupboard
      {35, 1, Trunc(doubled * 300.0f), 1},    // tomb
  };
  for (const Placement& p : furniture) Place(p, 0, arrival);
  const Placement rareTreasure = {kPrefabTreasure, 19, 6, 1};
  Place(rareTreasure, 0, arrival);
  Place(rareTreasure, 0, arrival);
  Place({kPrefabTreasure, 11, 100, 1}, 0, arrival);
  PlaceBothWays({50, 6, 300, 20}, arrival);   // dart traps
  PlaceBothWays({47, 6, 990, 20}, arrival);   // rubble
  PlaceBothWays({38, 7, Trunc(halfed * 150.0f), Trunc(halfed * 20.0f)}, arrival);  // barrels
  PlaceBothWays({39, 7, Trunc(halfed * 200.0f), Trunc(halfed * 20.0f)}, arrival);  // bones
  Place({42, 11, 100, 2}, 0, arrival);        // fountains
  if (mode > 0 && wt.level > 1) placePrefab(kPrefabMerchant, 14, 350, 1, 0, arrival);
  for (int k = 0; k < kPrefabHeroCount; k++)
    if (!PlaceRequired(kPrefabFirstHero + k, 13, 12, arrival)) failures++;

  // From here on every visit differs.
  SeedRandom(static_cast<uint32_t>(WallClockSeconds()));
  const float early = wt.early, mid = wt.mid, later = wt.later, f = wt.f;
  const float orcs = (doubled + 1.0f) / 2.0f, undead = (halfed + mid) / 2.0f;
  PlaceBothWays({56, 15, Trunc(doubled * 60.0f), Trunc(doubled * 1.0f)}, arrival);  // arrow traps
  Place({11, 16, Trunc(early * 20.0f), Trunc(early * 5.0f)}, 0, arrival);
  Place({12, 16, Trunc(orcs * 20.0f), Trunc(orcs * 4.0f)}, 0, arrival);
  Place({13, 17, Trunc(mid * 20.0f), Trunc(mid * 4.0f)}, 0, arrival);
  if (f >= 0.25f) Place({15, 17, Trunc(doubled * 4.0f), Trunc(doubled * 1.0f)}, 0, arrival);
  Place({16, 18, Trunc(halfed * 30.0f), Trunc(early * 4.0f)}, 0, arrival);
  Place({17, 18, Trunc(undead * 22.0f), Trunc(halfed * 4.0f)}, 0, arrival);
  Place({18, 18, Trunc(later * 30.0f), Trunc(later * 5.0f)}, 0, arrival);
  if (f >= 0.5f) Place({19, 17, Trunc(later * 20.0f), Trunc(later * 4.0f)}, 0, arrival);
  if (f >= 0.75f) Place({20, 17, Trunc(doubled * 4.0f), Trunc(doubled * 1.0f)}, 0, arrival);

  gFactsHeld = false;

  FillTreasure(wt.goldBase);
  HidePotions();
  if (failures == 0) MoveHeroesToTheirSlots();
  return failures;
}
