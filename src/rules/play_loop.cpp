#include "rules/play_loop.h"

#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/enemy_swap.h"
#include "rules/hero_turn.h"
#include "rules/line_of_sight.h"
#include "rules/monster_turn.h"
#include "rules/play_state.h"
#include "rules/quest_end.h"
#include "rules/sound_effects.h"

namespace {

constexpr int kQuestStartEffect = 13;

// Reveals from every hero; the last one found in scan order is where the ambience
// starts.
void RevealFromHeroes(int* startX, int* startY) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int slot = ObjectMap[x][y];
      if (slot > 0 && ObjectTable[slot].side == kSideHero) {
        RevealFrom(x, y);
        *startX = x;
        *startY = y;
      }
    }
}

bool OnBoard(int slot) {
  int x, y;
  return FindObjectTile(slot, &x, &y);
}

// The first object to move: object 1, or object 4 when the draw says so and it is on
// the board. The pointer is advanced before each turn, so 0 starts with object 1.
int StartingTurnPointer() {
  for (int tries = 0; tries < 64; tries++) {
    int pointer = RandomDraw() & 4;
    if (pointer == 0 || OnBoard(pointer)) return pointer;
  }
  return 0;
}

void StartQuest() {
  if (GameOptions.swapmonsters) {
    PrintMessage(TextColor2, "Swapping locations of usual enemies.");
    SwapEnemies(0);
    SwapEnemies(1);
  }
  ClearBoardPicture();
  ViewMode = 1;
  int startX = 0, startY = 0;
  RevealFromHeroes(&startX, &startY);
  ChooseAmbientPair(RandomMod(2));
  Ambience(startX, startY, kAmbienceStart);
  PlayEffect(kQuestStartEffect);
  for (int& state : ButtonState) state = kButtonIdle;
  DrawButtons();
  DrawScreen(1, 1, 1, 1);
  QuestOutcome = kQuestPlaying;
  Sys().ClearKeys();
  CurrentObject = StartingTurnPointer();
}

}  // namespace

bool FindObjectTile(int slot, int* x, int* y) {
  if (slot <= 0 || slot >= kMaxObjects) return false;
  for (int ty = 0; ty < kBoardH; ty++)
    for (int tx = 0; tx < kBoardW; tx++)
      if (ObjectMap[tx][ty] == slot) {
        *x = tx;
        *y = ty;
        return true;
      }
  return false;
}

void RunObjectTurn() {
  int x, y;
  if (!FindObjectTile(CurrentObject, &x, &y)) return;
  const ObjectRecord& o = ObjectTable[CurrentObject];
  WalkLeft = o.attribute[kWalk];
  if (o.side == kSideHero)
    HeroTurn(x, y);
  else if (IsMonster(o) && VisibilityMap[x][y] > 0)
    MonsterTurn(x, y);
}

int PlayQuest() {
  StartQuest();
  while (ExitRequest < 2 && QuestOutcome == kQuestPlaying) {
    CurrentObject = CurrentObject >= kMaxObjects - 1 || CurrentObject < 0 ? 1 : CurrentObject + 1;
    RunObjectTurn();
    CheckQuestEnd();
  }
  Sys().Wait(200);
  Sys().ClearKeys();
  Ambience(0, 0, kAmbienceStop);
  return QuestOutcome;
}
