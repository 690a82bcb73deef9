#include "rules/teleport.h"

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "rules/combat.h"
#include "rules/line_of_sight.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"

namespace {

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// Another hatch, looked for from a random tile onward, row by row, wrapping round once.
bool FindOtherHatch(int hx, int hy, int* dx, int* dy) {
  int sx = RandomMod(kBoardW), sy = RandomMod(kBoardH);
  int cx = sx, cy = sy;
  for (int n = 0; n < kBoardW * kBoardH; n++) {
    int o = ObjectMap[cx][cy];
    if (o > 0 && ObjectTable[o].scriptvar[kScriptType] == kScriptHatchTeleport &&
        !(cx == hx && cy == hy)) {
      *dx = cx;
      *dy = cy;
      return true;
    }
    if (++cx >= kBoardW) {
      cx = 0;
      if (++cy >= kBoardH) cy = 0;
    }
  }
  *dx = cx;
  *dy = cy;
  return false;
}

}  // namespace

int Teleport(int x, int y, int hx, int hy, int dx, int dy, int actor, int* nx, int* ny) {
  bool found = true;
  if (dx < 1 && dy < 1) found = FindOtherHatch(hx, hy, &dx, &dy);
  if (!found || !OnBoard(dx, dy)) {
    PrintMessage(ColorTable[kColorDarkRed],
                 "Map Error: Illegal teleport destination. x=%d y=%d done=%d ", dx, dy,
                 found ? 1 : 0);
    RefreshMessages();
    return 1;
  }
  int ax = 0, ay = 0;
  if (ObjectAt(dx, dy, &ax, &ay)) {
    // Another object stands there (the other hatch): its first free neighbour, through
    // an open door at most (looking for a tile must not unlock or find doors).
    static const int kNext[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    bool free = false;
    for (const auto& d : kNext) {
      if (StepBlocked(dx, dy, dx + d[0], dy + d[1], 1, -1, 2, 1) == 0) {
        dx += d[0];
        dy += d[1];
        free = true;
        break;
      }
    }
    if (!free) {
      PrintMessage(ColorTable[kColorDarkRed], "Teleport destination occupied.");
      RefreshMessages();
      ActionState = kActionTeleportBlocked;
      return 1;
    }
  }
  if (OnBoard(x, y) && ObjectMap[x][y] == actor) {
    ObjectMap[x][y] = 0;
    RedrawAround(x, y);
    DrawScreen(0, 1, 0, 0);
  }
  ObjectMap[dx][dy] = static_cast<uint8_t>(actor);
  RevealFrom(dx, dy);
  Sys().Wait(500);
  PlayEffect(2);
  DrawObject(dx, dy, actor == CurrentObject && ObjectTable[actor].side == kSideHero ? 1 : 0);
  DrawScreen(0, 1, 0, 0);
  if (nx) *nx = dx;
  if (ny) *ny = dy;
  return 0;
}
