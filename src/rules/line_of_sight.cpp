#include "rules/line_of_sight.h"

#include <cstdint>

#include "core/sin_table.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "rules/movement.h"

namespace {

constexpr uint8_t kRevealed = 1;
constexpr uint8_t kSeen = 20;     // samples needed: ten, two points each
constexpr uint8_t kOrigin = 100;  // the tile the reveal started from; counts stop here
constexpr double kSamplesPerTile = 4.94;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// The sines are made at start-up; a program part that reveals before that (a tool, a
// test) gets them here.
void EnsureSines() {
  if (SinTable[90] == 0.0f) FillSinTable();
}

void CastRay(int x, int y, int a, int code) {
  int ca = a - 90 < 0 ? a - 90 + 360 : a - 90;
  double cs = SinTable[ca], sn = SinTable[a];
  for (int k = 1;; k++) {
    double r = k / kSamplesPerTile;
    // Truncation toward zero, as the samples were always taken: -0.5 counts as column 0.
    int sx = static_cast<int>(x + r * cs + 0.5);
    int sy = static_cast<int>(y + r * sn + 0.5);
    if (!OnBoard(sx, sy) || FloorMap[sx][sy] != code) return;
    uint8_t& v = VisibilityMap[sx][sy];
    if (v != kRevealed && v < kOrigin) v = static_cast<uint8_t>(v + 2);
  }
}

void RedrawRevealed() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (VisibilityMap[x][y] != 0) DrawTile(x, y, 0);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] != 0 && VisibilityMap[x][y] != 0) DrawObject(x, y, 0);
}

}  // namespace

void RevealFrom(int x, int y) {
  if (!OnBoard(x, y)) return;
  EnsureSines();
  if (VisibilityMap[x][y] != kRevealed) VisibilityMap[x][y] = kOrigin;
  int code = FloorMap[x][y];
  for (int a = 0; a <= 360; a++) CastRay(x, y, a, code);

  for (int j = 0; j < kBoardH; j++)
    for (int i = 0; i < kBoardW; i++)
      if (VisibilityMap[i][j] >= 2 && VisibilityMap[i][j] < kSeen) VisibilityMap[i][j] = 0;
  for (int j = 0; j < kBoardH; j++)
    for (int i = 0; i < kBoardW; i++) {
      int ax, ay;
      if (VisibilityMap[i][j] >= kSeen && ObjectAt(i, j, &ax, &ay)) DrawObject(ax, ay, 0);
    }
  for (int j = 0; j < kBoardH; j++)
    for (int i = 0; i < kBoardW; i++)
      if (VisibilityMap[i][j] >= kSeen) {
        DrawTile(i, j, 0);
        VisibilityMap[i][j] = kRevealed;  // drawn, even when there is no picture to draw on
      }
}

void RevealBoard(int mode) {
  if (mode == kRevealAll) {
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = kRevealed;
    DrawWholeBoard();
    return;
  }
  if (mode == kRevealReachable) {
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] = kRevealed;
    // Flood from every object not yet reached (the search has no goal off the board).
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++) {
        if (VisibilityMap[x][y] != kRevealed || ObjectMap[x][y] == 0) continue;
        FindPath(x, y, kBoardW, 0, 0, 0, 0, 0);
        for (int i = 0; i < kBoardW; i++)
          for (int j = 0; j < kBoardH; j++)
            if (ScratchMap[i][j] != 0) VisibilityMap[i][j] = 2;
      }
    for (int x = 0; x < kBoardW; x++)
      for (int y = 0; y < kBoardH; y++) VisibilityMap[x][y] -= 1;
    RedrawRevealed();
    return;
  }
  if (mode == kRevealRedraw) RedrawRevealed();
}
