#include "rules/quest_end.h"

#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "rules/play_state.h"

namespace {

constexpr int kClosedChestPicture = 40;

// Does any object standing on the board match?
template <typename Match>
bool BoardHolds(Match match) {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int slot = ObjectMap[x][y];
      if (slot > 0 && match(ObjectTable[slot])) return true;
    }
  return false;
}

}  // namespace

bool ObjectiveMet(int objective) {
  switch (objective) {
    case 1:
      return !BoardHolds([](const ObjectRecord& o) { return IsMonster(o); });
    case 4:
      return !BoardHolds(
          [](const ObjectRecord& o) { return o.picture[kPicNumber] == kClosedChestPicture; });
    case 5:
    case 6:
    case 7:
    case 8: {
      const int side = kSideGreenskin + objective - 5;
      return !BoardHolds([side](const ObjectRecord& o) { return o.side == side; });
    }
    default:
      return false;
  }
}

void CheckQuestEnd() {
  if (ExitRequest == 1) {
    if (ConfirmExitProgram()) {
      ExitRequest = 2;
      QuestOutcome = kQuestPlaying;
    } else {
      ExitRequest = 0;
      Sys().Wait(100);
      Sys().ClearKeys();
    }
  }
  if (QuestOutcome == kQuestPlaying) {
    // No hero left on the board: lost, unless one of them reached the quest's end.
    if (!BoardHolds([](const ObjectRecord& o) { return o.side == kSideHero; })) {
      QuestOutcome = kQuestLost;
      for (int k = 0; k < 4; k++)
        if (QuestHeader.heroes[k] == kHeroLeftThroughEndpoint) QuestOutcome = kQuestWon;
    }
  }
  if (QuestOutcome == kQuestPlaying && ObjectiveMet(QuestHeader.qstdata[kQuestObjective]))
    QuestOutcome = kQuestWon;
}
