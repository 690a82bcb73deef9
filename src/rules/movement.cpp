#include "rules/movement.h"

#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/doors.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "ui/text.h"

int PathLength = 0;

namespace {

constexpr int kLastWave = 252;
constexpr uint8_t kGoalOpen = 253;     // a goal no wave has reached yet
constexpr uint8_t kGoalReached = 254;  // a goal the last wave reached
constexpr int kTiles = kBoardW * kBoardH;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

bool Neighbours(int x, int y, int nx, int ny) {
  int dx = nx - x, dy = ny - y;
  return (dx == 0 && (dy == 1 || dy == -1)) || (dy == 0 && (dx == 1 || dx == -1));
}

int SideOf(int slot) {
  if (slot < 1 || slot >= kMaxObjects) return 0;
  return ObjectTable[slot].side;
}

// All monsters are one team: Undead, Chaos and The Frozen count as Greenskin.
int Team(int side) { return side >= kSideUndead && side <= kSideFrozen ? kSideGreenskin : side; }

// The occupant rule for entering a covered tile whose anchor holds `occupant`.
bool OccupantLetsIn(int occupant, int mustBeEmpty) {
  if (mustBeEmpty > 0) return false;
  int own = Team(SideOf(CurrentObject)), other = Team(SideOf(occupant));
  if (own != other) return false;
  if (own < kSideGreenskin) return GameOptions.passheroes != 0;
  return true;
}

bool RevealAllows(int x, int y, int nx, int ny, int revealRule) {
  if (revealRule == 1) return VisibilityMap[nx][ny] > 0;
  if (revealRule == 0) return VisibilityMap[x][y] > 0;
  return true;
}

// The wall test of a search (never opens anything).
bool DoorAllowsLooking(int field, int doorMode) {
  if (doorMode == 0) return field != 0;
  if (doorMode == 1) return DoorLetsThrough(field, CurrentObject);
  return (field & kDoorOpen) != 0;
}

// ---- The search ---------------------------------------------------------------------
//
// Every wave of the search asks the same questions of the same tiles, so the object
// rule for entering each tile is worked out once per search; the answers are those of
// StepBlocked.

struct SearchRules {
  int checkObjects, revealRule, doorMode, mustBeEmpty;
};

SearchRules Rules;
bool EnterOk[kBoardW][kBoardH];
uint8_t NearObject[kBoardW][kBoardH];
uint16_t Queue[kTiles];    // tiles in the order the waves reached them
int WaveStart[kLastWave + 2];  // Queue index of the first tile of each wave
uint16_t Goals[4 * 9 + 1];
int GoalCount = 0;

inline uint16_t Pack(int x, int y) { return static_cast<uint16_t>(x * kLayerH + y); }
inline int UnpackX(int p) { return p / kLayerH; }
inline int UnpackY(int p) { return p % kLayerH; }

void PrepareObjectRule() {
  if (Rules.checkObjects != 1) {
    memset(EnterOk, 1, sizeof EnterOk);
    return;
  }
  memset(NearObject, 0, sizeof NearObject);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      if (ObjectMap[x][y] == 0) continue;
      for (int i = x - 1; i <= x + 1; i++)
        for (int j = y - 1; j <= y + 1; j++)
          if (OnBoard(i, j)) NearObject[i][j] = 1;
    }
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) {
      int ax, ay;
      if (!NearObject[x][y] || !ObjectAt(x, y, &ax, &ay))
        EnterOk[x][y] = true;
      else
        EnterOk[x][y] = OccupantLetsIn(ObjectMap[ax][ay], Rules.mustBeEmpty);
    }
}

// StepBlocked == 0 for two neighbouring tiles on the board, from the prepared rules.
inline bool Passes(int x, int y, int nx, int ny) {
  if (!EnterOk[nx][ny]) return false;
  if (!RevealAllows(x, y, nx, ny, Rules.revealRule)) return false;
  if (FloorMap[x][y] == FloorMap[nx][ny]) return true;
  int field = nx != x ? DoorMap[nx > x ? nx : x][y] & 15 : DoorMap[x][ny > y ? ny : y] >> 4;
  return DoorAllowsLooking(field, Rules.doorMode);
}

// Right, left, down, up.
constexpr int kDirX[4] = {1, -1, 0, 0};
constexpr int kDirY[4] = {0, 0, 1, -1};

// The single-step test of the goal marking (the mover lifted off the board), like
// StepBlocked but never opening a door.
bool GoalStepPasses(int x, int y, int nx, int ny) {
  if (!OnBoard(nx, ny)) return false;
  if (Rules.checkObjects == 1 && ObjectAt(nx, ny, nullptr, nullptr)) return false;
  if (!RevealAllows(x, y, nx, ny, Rules.revealRule)) return false;
  if (FloorMap[x][y] == FloorMap[nx][ny]) return true;
  return DoorAllowsLooking(EdgeDoorField(x, y, nx, ny), Rules.doorMode);
}

void AddGoal(int x, int y) {
  if (ScratchMap[x][y] == kPathTargetMark || ScratchMap[x][y] == kGoalOpen) return;
  ScratchMap[x][y] = kGoalOpen;
  if (GoalCount < static_cast<int>(sizeof Goals / sizeof Goals[0])) Goals[GoalCount++] = Pack(x, y);
}

void MarkGoals(int tx, int ty) {
  GoalCount = 0;
  if (!OnBoard(tx, ty)) return;  // nothing to reach: the search floods
  int ax, ay;
  if (!ObjectAt(tx, ty, &ax, &ay)) {
    AddGoal(tx, ty);
    return;
  }
  bool mask[3][3];
  ObjectFootprint(ObjectMap[ax][ay], mask);
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++)
      if (mask[dx + 1][dy + 1] && OnBoard(ax + dx, ay + dy))
        ScratchMap[ax + dx][ay + dy] = kPathTargetMark;
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++) {
      int fx = ax + dx, fy = ay + dy;
      if (!mask[dx + 1][dy + 1] || !OnBoard(fx, fy)) continue;
      for (int d = 0; d < 4; d++) {
        int nx = fx + kDirX[d], ny = fy + kDirY[d];
        if (GoalStepPasses(fx, fy, nx, ny)) AddGoal(nx, ny);
      }
    }
}

void ShowPathNumbers() {
  if (!BoardBitmap) return;
  int ink = makecol(255, 255, 255);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (VisibilityMap[x][y] == 0) continue;
      DrawTile(x, y, 0);
      DrawText(BoardBitmap, kFontSmall, x * kTileSize + 4, y * kTileSize + 6, ink, "%d",
               ScratchMap[x][y]);
    }
  DrawScreen(0, 1, 0, 0);
}

}  // namespace

int StepBlocked(int x, int y, int nx, int ny, int checkObjects, int revealRule, int doorMode,
                int mustBeEmpty) {
  if (!OnBoard(nx, ny) || !OnBoard(x, y) || !Neighbours(x, y, nx, ny)) return 1;
  if (checkObjects == 1) {
    int ax, ay;
    if (ObjectAt(nx, ny, &ax, &ay) && !OccupantLetsIn(ObjectMap[ax][ay], mustBeEmpty)) return 1;
  }
  if (!RevealAllows(x, y, nx, ny, revealRule)) return 1;
  if (FloorMap[x][y] == FloorMap[nx][ny]) return 0;
  int field = EdgeDoorField(x, y, nx, ny);
  if (field == 0) return 1;
  if (doorMode == 0) return 0;
  if (doorMode == 1) {
    int outcome = DoorStep(x, y, nx, ny);
    return outcome == kDoorRedNoKey || outcome == kDoorBlueNoKey ? 1 : 0;
  }
  return (field & kDoorOpen) ? 0 : 1;
}

int FindPath(int x, int y, int tx, int ty, int checkObjects, int revealRule, int doorMode,
             int mustBeEmpty) {
  memset(ScratchMap, 0, sizeof ScratchMap);
  PathLength = 0;
  if (!OnBoard(x, y)) return 1;
  Rules = {checkObjects, revealRule, doorMode, mustBeEmpty};
  ScratchMap[x][y] = 1;

  // The goals, with the mover lifted off the board so that he never blocks himself.
  uint8_t mover = ObjectMap[x][y];
  ObjectMap[x][y] = 0;
  MarkGoals(tx, ty);
  ObjectMap[x][y] = mover;
  if (ScratchMap[x][y] != 1) {
    // He already touches the target.
    for (int i = 0; i < GoalCount; i++)
      ScratchMap[UnpackX(Goals[i])][UnpackY(Goals[i])] = 0;
    ScratchMap[x][y] = 1;
    PathLength = 1;
    return 0;
  }

  // Waves: every tile reached by wave k - 1 numbers its free neighbours k.
  PrepareObjectRule();
  int count = 0;
  Queue[count++] = Pack(x, y);
  WaveStart[1] = 0;
  int reachedWave = 0;
  for (int k = 2; k <= kLastWave && reachedWave == 0; k++) {
    int from = WaveStart[k - 1], to = count;
    WaveStart[k] = count;
    if (from == to) break;  // nothing left to spread from
    for (int q = from; q < to; q++) {
      int cx = UnpackX(Queue[q]), cy = UnpackY(Queue[q]);
      for (int d = 0; d < 4; d++) {
        int nx = cx + kDirX[d], ny = cy + kDirY[d];
        if (!OnBoard(nx, ny)) continue;
        uint8_t v = ScratchMap[nx][ny];
        if (v != 0 && v != kGoalOpen) continue;
        if (!Passes(cx, cy, nx, ny)) continue;
        if (v == 0) {
          ScratchMap[nx][ny] = static_cast<uint8_t>(k);
          Queue[count++] = Pack(nx, ny);
        } else {
          ScratchMap[nx][ny] = kGoalReached;
          reachedWave = k;
        }
      }
    }
    WaveStart[k + 1] = count;
  }
  if (reachedWave == 0) {
    // Goals nobody reached are no part of the flood.
    for (int i = 0; i < GoalCount; i++) ScratchMap[UnpackX(Goals[i])][UnpackY(Goals[i])] = 0;
    return 1;
  }
  PathLength = reachedWave;

  // Only tiles on shortest paths stay: the rest of the last wave goes at once, and
  // from there back to the mover a tile stays only if it leads on to a higher number.
  for (int q = WaveStart[reachedWave]; q < WaveStart[reachedWave + 1]; q++)
    ScratchMap[UnpackX(Queue[q])][UnpackY(Queue[q])] = 0;
  for (int v = reachedWave - 1; v >= 1; v--) {
    for (int q = WaveStart[v]; q < WaveStart[v + 1]; q++) {
      int cx = UnpackX(Queue[q]), cy = UnpackY(Queue[q]);
      bool leads = false;
      for (int d = 0; d < 4 && !leads; d++) {
        int nx = cx + kDirX[d], ny = cy + kDirY[d];
        leads = OnBoard(nx, ny) && ScratchMap[nx][ny] > v && Passes(cx, cy, nx, ny);
      }
      if (!leads) ScratchMap[cx][cy] = 0;
    }
  }
  for (int i = 0; i < GoalCount; i++) {
    uint8_t& g = ScratchMap[UnpackX(Goals[i])][UnpackY(Goals[i])];
    g = g == kGoalReached ? static_cast<uint8_t>(PathLength) : 0;
  }
  if (GameOptions.developer == 1) ShowPathNumbers();
  return 0;
}

// ---- A hero's walk ------------------------------------------------------------------

int StartHeroWalk(int hero) {
  if (hero < 1 || hero >= kMaxObjects) return 0;
  const ObjectRecord& h = ObjectTable[hero];
  if (GameOptions.fixedwalk) {
    WalkLeft = h.attribute[kWalk];
    PrintMessage(TextColor1, "%s make your move...", h.name);
  } else {
    int dice = RandomMod(6);
    dice += RandomMod(6) + 2;
    int bonus = h.attribute[kWalk] - h.attribute[kWalkBase];
    if (bonus < 0) bonus = 0;
    WalkLeft = dice + bonus;
    PrintMessage(TextColor1, "%s, your dice count is %d (+%d), make your move...", h.name, dice,
                 bonus);
  }
  RefreshMessages();
  return WalkLeft;
}

int HeroKeyStep(int dx, int dy) {
  if (!((dx == 0 && (dy == 1 || dy == -1)) || (dy == 0 && (dx == 1 || dx == -1)))) return 0;
  int x = HeroPositionX, y = HeroPositionY;
  int nx = x + dx, ny = y + dy;
  if (StepBlocked(x, y, nx, ny, 1, 0, 1, 1) == 0 && WalkLeft >= 1) {
    HeroPositionX = nx;
    HeroPositionY = ny;
    WalkLeft -= 1;
    return 1;
  }
  // Jumping a friend: he may be passed, the tile beyond is free and two points remain.
  int bx = nx + dx, by = ny + dy;
  if (StepBlocked(x, y, nx, ny, 1, 0, 1, 0) != 0) return 0;
  if (StepBlocked(nx, ny, bx, by, 1, 0, 1, 1) != 0) return 0;
  int ax, ay;
  if (!ObjectAt(nx, ny, &ax, &ay)) return 0;
  int side = SideOf(ObjectMap[ax][ay]);
  if (side != kSideHero && side != kSideAllied) return 0;
  if (WalkLeft < 2) return 0;
  HeroPositionX = bx;
  HeroPositionY = by;
  WalkLeft -= 2;
  return 1;
}

int FindHeroPath(int tx, int ty) {
  if (FindPath(HeroPositionX, HeroPositionY, tx, ty, 1, 0, 0, 0) != 0) return 0;
  return PathLength > 1 && WalkLeft > 0 ? 1 : 0;
}

int HeroPathStep() {
  constexpr int kCrossedSound = 7;
  // The neighbours by smallest column, then smallest row.
  static const int kScan[4][2] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
  int cx = HeroPositionX, cy = HeroPositionY;
  if (!OnBoard(cx, cy) || WalkLeft <= 0) return 0;
  for (int k = 2; k <= kLastWave; k++) {
    // An empty tile numbered k: the hero goes there.
    for (const auto& d : kScan) {
      int nx = cx + d[0], ny = cy + d[1];
      if (!OnBoard(nx, ny) || ScratchMap[nx][ny] != k) continue;
      if (StepBlocked(cx, cy, nx, ny, 1, 0, 1, 1) != 0) continue;
      HeroPositionX = nx;
      HeroPositionY = ny;
      WalkLeft -= k - 1;
      if (k > 2) PlayEffect(kCrossedSound);
      return 1;
    }
    // None: a friend numbered k behind an open door is crossed, if points remain for
    // the tile beyond him.
    bool crossed = false;
    for (const auto& d : kScan) {
      int nx = cx + d[0], ny = cy + d[1];
      if (!OnBoard(nx, ny) || ScratchMap[nx][ny] != k) continue;
      if (StepBlocked(cx, cy, nx, ny, 1, 0, 2, 0) != 0) continue;
      cx = nx;
      cy = ny;
      crossed = true;
      break;
    }
    if (!crossed || WalkLeft <= k - 1) return 0;
  }
  return 0;
}
