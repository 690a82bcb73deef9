#include "rules/doors.h"

#include <cstring>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/line_of_sight.h"
#include "rules/movement.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"

namespace {

constexpr int kDoorExperience = 10;
constexpr int kUnlockSound = 3;
constexpr int kLockedSound = 5;
constexpr int kDoorWaitMs = 160;
constexpr int kOpenRequestWaitMs = 100;
constexpr char kLockedText[] = "The door is locked";  // its 18 characters mark a repeat

// The byte and nibble shift of the edge between two neighbours; false when there is
// no such edge in the door layer.
bool EdgeCell(int x, int y, int nx, int ny, uint8_t** cell, int* shift) {
  int dx = nx - x, dy = ny - y;
  if (dy == 0 && (dx == 1 || dx == -1)) {
    int ex = dx > 0 ? nx : x;  // the eastern tile keeps the edge as its west field
    if (ex < 0 || ex >= kLayerW || y < 0 || y >= kLayerH) return false;
    *cell = &DoorMap[ex][y];
    *shift = 0;
    return true;
  }
  if (dx == 0 && (dy == 1 || dy == -1)) {
    int sy = dy > 0 ? ny : y;  // the southern tile keeps it as its north field
    if (x < 0 || x >= kLayerW || sy < 0 || sy >= kLayerH) return false;
    *cell = &DoorMap[x][sy];
    *shift = 4;
    return true;
  }
  return false;
}

bool HasKey(int actor, int which) {
  return actor >= 1 && actor < kMaxObjects && ObjectTable[actor].inventory[which] > 0;
}

}  // namespace

int EdgeDoorField(int x, int y, int nx, int ny) {
  uint8_t* cell;
  int shift;
  if (!EdgeCell(x, y, nx, ny, &cell, &shift)) return 0;
  return (*cell >> shift) & 15;
}

bool DoorLetsThrough(int field, int actor) {
  field &= 15;
  if (field == 0) return false;
  if ((field & kDoorRed) && !HasKey(actor, kInvRedKeys)) return false;
  if ((field & kDoorBlue) && !HasKey(actor, kInvBlueKeys)) return false;
  return true;
}

int DoorStep(int x, int y, int nx, int ny) {
  uint8_t* cell;
  int shift;
  if (!EdgeCell(x, y, nx, ny, &cell, &shift)) return kDoorNothing;
  int field = (*cell >> shift) & 15;
  if ((field & (kDoorRed | kDoorBlue | kDoorHidden)) == 0) return kDoorNothing;
  int actor = CurrentObject;

  // A locked bit without its key refuses the step and leaves the door as it is.
  int refused = kDoorNothing;
  if ((field & kDoorRed) && !HasKey(actor, kInvRedKeys))
    refused = kDoorRedNoKey;
  else if ((field & kDoorBlue) && !HasKey(actor, kInvBlueKeys))
    refused = kDoorBlueNoKey;
  if (refused != kDoorNothing) {
    if (strncmp(MessageBuffer, kLockedText, sizeof kLockedText - 1) != 0) {
      PlayEffect(kLockedSound);
      PrintMessage(TextColor1, "The door is locked, you need %s key.",
                   refused == kDoorRedNoKey ? "the red" : "the blue");
      RefreshMessages();
      Sys().Wait(kDoorWaitMs);
      Sys().ClearKeys();
    }
    return refused;
  }

  // Red, then blue, then hidden give way to the open bit.
  int outcome = kDoorNothing;
  if (field & kDoorRed) outcome = kDoorRedUnlocked;
  if (field & kDoorBlue) outcome = kDoorBlueUnlocked;
  if (field & kDoorHidden) outcome = kDoorHiddenFound;
  int opened = (field & ~(kDoorRed | kDoorBlue | kDoorHidden)) | kDoorOpen;
  *cell = static_cast<uint8_t>((*cell & ~(15 << shift)) | (opened << shift));

  if (actor >= 1 && actor < kMaxObjects) ObjectTable[actor].exp += kDoorExperience;
  ShowPanel(PanelObject);
  PlayEffect(kUnlockSound);
  static const char* const kDeeds[3] = {"unlocked the red", "unlocked the blue",
                                        "found a hidden"};
  PrintMessage(ColorTable[kColorDarkRed], "You %s door!", kDeeds[outcome]);
  RefreshMessages();

  int objective = QuestHeader.qstdata[kQuestObjective];
  if ((outcome == kDoorRedUnlocked && objective == 2) ||
      (outcome == kDoorBlueUnlocked && objective == 3))
    QuestOutcome = kQuestWon;
  return outcome;
}

int OpenDoorNextTo(int x, int y) {
  static const int kDir[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // right, left, down, up
  int found = -1;
  for (int d = 0; d < 4 && found < 0; d++) {
    int nx = x + kDir[d][0], ny = y + kDir[d][1];
    if (StepBlocked(x, y, nx, ny, 0, -1, 1, 0) == 0 && EdgeDoorField(x, y, nx, ny) != 0)
      found = d;
  }
  if (found < 0) {
    PrintMessage(TextColor1, "No door to open here.");
    RefreshMessages();
  } else {
    RevealFrom(x + kDir[found][0], y + kDir[found][1]);
    PlayEffect(kUnlockSound);
    DrawObject(x, y, 1);
    DrawScreen(0, 1, 0, 0);
  }
  Sys().Wait(kOpenRequestWaitMs);
  Sys().ClearKeys();
  return found < 0 ? 1 : 0;
}
