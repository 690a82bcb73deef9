#include "rules/monster_turn.h"

#include <algorithm>

#include "core/colors.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/combat.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/options_dialog.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"

MonsterTurnRecord LastMonsterTurn;

namespace {

// Path searches of a monster: target tiles must be revealed, only open doors pass.
constexpr int kTargetRevealed = 1;
constexpr int kOpenDoorsOnly = 2;
constexpr int kStepPause = 120;
constexpr int kTargetPause = 50;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

bool IsPrey(int slot) {
  int side = ObjectTable[slot].side;
  return side == kSideHero || side == kSideAllied;
}

// One scan of the board for the nearest hero or ally: every tile a hero or ally covers
// is a candidate; the shortest path below best wins, the first in row order on a tie.
// Returns true when it improved best.
bool NearestPrey(int mx, int my, int checkObjects, int& best, int& tx, int& ty) {
  bool improved = false;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int ax, ay;
      if (!ObjectAt(x, y, &ax, &ay) || !OnBoard(ax, ay)) continue;
      int slot = ObjectMap[ax][ay];
      if (slot == 0 || !IsPrey(slot)) continue;
      if (FindPath(mx, my, x, y, checkObjects, kTargetRevealed, kOpenDoorsOnly, 0) != 0) continue;
      if (PathLength - 1 < best) {
        best = PathLength - 1;
        tx = x;
        ty = y;
        improved = true;
      }
    }
  return improved;
}

// The neighbour of (fx, fy) numbered k in the ScratchMap that the step rules let the
// monster enter; the smallest column first, then the smallest row.
bool NextTile(int fx, int fy, int k, int mustBeEmpty, int& nx, int& ny) {
  static const int kDir[4][2] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};  // in column, row order
  for (const auto& d : kDir) {
    int x = fx + d[0], y = fy + d[1];
    if (!OnBoard(x, y) || ScratchMap[x][y] != k) continue;
    if (StepBlocked(fx, fy, x, y, 1, kTargetRevealed, kOpenDoorsOnly, mustBeEmpty) != 0) continue;
    nx = x;
    ny = y;
    return true;
  }
  return false;
}

void Redraw() { DrawScreen(0, 1, 0, 0); }

}  // namespace

int MonsterTurn(int x, int y) {
  MonsterTurnRecord& rec = LastMonsterTurn;
  rec = MonsterTurnRecord{};
  rec.targetX = rec.targetY = -1;
  if (!OnBoard(x, y)) return 1;
  const int monster = ObjectMap[x][y];
  if (monster == 0 || monster != CurrentObject) return 1;
  ObjectRecord& m = ObjectTable[monster];
  if (!IsMonster(m)) return 1;

  const int range = std::clamp(GameOptions.enemyrange, 0, kEnemyRangeMax);
  const int walk = std::max<int>(m.attribute[kWalk], 0);
  rec.walk = walk;

  // 1-3: the target, by path distance; pieces in the way are ignored only when nobody
  // is within range otherwise.
  int best = range + 1, tx = -1, ty = -1;
  NearestPrey(x, y, 1, best, tx, ty);
  if (best > range && NearestPrey(x, y, 0, best, tx, ty)) rec.ignoredPieces = 1;
  rec.distance = best;
  if (best > range) return 1;
  rec.targetX = tx;
  rec.targetY = ty;

  // 4: nothing to fight with, or nothing left to fight for.
  if (m.attribute[kOff] == 0 || m.attribute[kLife] <= 0) return 1;

  // 5.
  ShowPanel(monster);
  PrintMessage(TextColor2, "%s is making his move...", m.name);
  const int checkObjects = rec.ignoredPieces ? 0 : 1;
  int found = FindPath(x, y, tx, ty, checkObjects, kTargetRevealed, kOpenDoorsOnly, 0);
  RefreshMessages();

  // 6: walk. (sx, sy) is where the search stands; it runs ahead of the monster while
  // the monster crosses a fellow monster.
  int k = 2;
  int mx = x, my = y, sx = x, sy = y;
  if (found == 0 && PathLength != 1) {
    while (k - 2 < walk && k <= PathLength) {
      int nx, ny;
      if (NextTile(sx, sy, k, 1, nx, ny)) {
        bool crossing = sx != mx || sy != my;
        ObjectMap[mx][my] = 0;
        ObjectMap[nx][ny] = static_cast<uint8_t>(monster);
        RedrawAround(mx, my);
        DrawObject(nx, ny, 0);
        Redraw();
        if (crossing) rec.jumps++;
        PlayEffect(crossing ? 7 : 6);
        Ambience(0, 0, kAmbienceTick);
        Sys().Wait(kStepPause);
        mx = sx = nx;
        my = sy = ny;
        rec.advanced++;
        rec.result = kMonsterMoved;
      } else if (NextTile(sx, sy, k, 0, nx, ny)) {
        sx = nx;
        sy = ny;
        rec.result = kMonsterCrossed;
      } else {
        rec.result = kMonsterStuck;
        break;
      }
      k++;
    }
  }
  rec.gotoTile = k;

  // 7: the attack, once the monster stands next to its target.
  if (found == 0 && k > PathLength) {
    static const int kDir[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // right, left, down, up
    int ax = -1, ay = -1;
    for (const auto& d : kDir) {
      int nx = mx + d[0], ny = my + d[1];
      if (!OnBoard(nx, ny) || ScratchMap[nx][ny] != kPathTargetMark) continue;
      if (StepBlocked(mx, my, nx, ny, 0, kTargetRevealed, kOpenDoorsOnly, 1) != 0) continue;
      ax = nx;
      ay = ny;  // the last one that qualifies
    }
    if (ax >= 0) {
      int cx = ax, cy = ay;
      ObjectAt(ax, ay, &cx, &cy);
      DrawObject(cx, cy, 2);
      Redraw();
      Sys().Wait(kTargetPause);
      DrawObject(cx, cy, 0);
      Redraw();
      ActOnObject(mx, my, ax, ay, 0);
      rec.attacked = 1;
      // 8: one attack between two passes over the heroes.
      if (!GameOptions.multiturn) CurrentObject = 255;
    }
  }

  // 9.
  if (GameOptions.developer) {
    PrintMessage(ColorTable[kColorGreen],
                 "distance=%d, qstwalk=%d, gototile=%d, jumps=%d, result=%d, press a key..",
                 best, walk, k, rec.jumps, rec.result);
    RefreshMessages();
  }
  return 0;
}
