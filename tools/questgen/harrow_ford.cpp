// "Harrow Ford": a stand-alone quest of holding the line. The heroes stand in the
// toll-house on the ford while a whole goblin tribe comes at its two doors from both
// banks. A look script at the heroes' feet wakes every monster on the first turn.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "The Redcap goblins are crossing the river Harrow, all of them at once: the whole "
    "tribe, with its orcs and its shaman, is on the march to the rich farms of the "
    "south, and the only crossing is the ford. You have reached the stone toll-house "
    "that stands over it an hour before them. It has two doors, one on each bank. Hold "
    "the toll-house and kill every goblin and orc that comes at you until none is left. "
    "There is no help coming, and nowhere to fall back to.";

const char kVictory[] =
    "By evening the river runs green with goblin blood, and the last of the Redcaps "
    "flee howling into the hills. The farmers of the south come up the road with carts "
    "of food and barrels of ale, and the toll-keeper, who hid under the bridge all day, "
    "pays you the whole of the year's tolls.";

const char kDefeat[] =
    "The goblins swarm over the toll-house, and the Redcap tribe crosses the Harrow. "
    "Tonight the southern farms will burn. But the goblins must cross back with their "
    "plunder, and the ford will be waiting for them, and so will you.";

const char* const kRows[kBoardH] = {
    "111111111111##111111111111",  //  0  1 the river meadows, # the river Harrow
    "1wwwww111111##111111111111",  //  1  w the west barn
    "1wwwww11111###111111###111",  //  2
    "1wwwww11111###111111###111",  //  3
    "1wwwww11111###111111111111",  //  4
    "111111111111##111111111111",  //  5
    "111111111111##111111111111",  //  6
    "1111111111tttttt1111111111",  //  7  t the toll-house on the ford
    "1111111111tttttt1111111111",  //  8
    "1111111111tttttt1111111111",  //  9
    "1111111111tttttt1111111111",  // 10
    "1111111111tttttt1111111111",  // 11
    "111111111111##111111111111",  // 12
    "111##1111111##11111ffffff1",  // 13  f the east farmhouse
    "111##1111111###1111ffffff1",  // 14
    "111111111111###1111ffffff1",  // 15
    "1111111##111###1111ffffff1",  // 16
    "111111111111##11111ffffff1",  // 17
    "111111111111##111111111111",  // 18
};

}  // namespace

std::vector<std::string> BuildHarrowFord() {
  QuestBuilder q({"harrowford", "Harrow Ford", 1, 1, 1 /* kill all monsters */, kGoblin, 30,
                  160, kBriefing, kVictory, kDefeat, "Dunmarrow"});
  q.Floor(kRows, {{'#', 7}, {'1', 1}, {'t', 2}, {'w', 3}, {'f', 14}});

  q.Door(9, 9, 'E', kDoorOpen);     // toll-house, west door
  q.Door(15, 9, 'E', kDoorOpen);    // toll-house, east door
  q.Door(3, 4, 'S', kDoorOpen);     // west barn
  q.Door(5, 2, 'E', kDoorOpen);
  q.Door(21, 12, 'S', kDoorOpen);   // east farmhouse
  q.Door(18, 15, 'E', kDoorOpen);

  // The heroes in the toll-house. The first look round shows the whole tribe coming.
  q.Party(11, 8);
  ObjectRecord& alarm = q.Omen(12, 10, 19, "Goblin horns on both banks! The Redcaps are",
                                "coming at the toll-house from every side.");
  SetName(alarm, "Redcap Horns");
  alarm.scriptvar[kScriptType] = kScriptRevealAll;
  SetScript(q.Put(kWeaponRack, 12, 7), kScriptGive, 0, 0, kGiveDefence, 1, 13,
            "The toll-keeper's old shields hang on the wall.",
            "You take one: your defence increases by one.");
  q.Put(kTable, 13, 10);
  q.Put(kBarrel, 15, 7);
  q.Put(kBarrel, 15, 11);
  SetScript(q.Put(kFountain, 10, 11), kScriptGive, 1, 0, kGiveHeal, 2, 14,
            "You drink from the toll-house well.", "Up to 2 lost life is healed.");

  // The west bank.
  q.Put(kCrates, 1, 1);
  q.Put(kBarrel, 5, 4);
  q.Put(kGoblinShaman, 2, 2);
  q.Put(kGoblin, 4, 1);
  q.Put(kGoblin, 1, 3);
  for (auto [x, y] : {std::pair{7, 6}, {5, 8}, {6, 11}, {3, 10}, {8, 13}, {2, 16}})
    q.Put(kGoblin, x, y);
  q.Put(kOrc, 10, 2);

  // The east bank.
  q.Put(kTable, 21, 14);
  q.Put(kFireplace, 22, 17);
  q.Put(kBarrel, 24, 13);
  SetChestGold(q.Put(kTreasureChest, 19, 17), 60, "The farmer's rent money, hidden from the goblins.");
  SetName(q.Put(kOrcChieftain, 23, 15), "Redcap Grol");
  q.Put(kGoblin, 20, 13);
  for (auto [x, y] : {std::pair{17, 8}, {19, 6}, {18, 11}, {22, 7}, {16, 3}, {24, 10}})
    q.Put(kGoblin, x, y);
  q.Put(kOrc, 23, 1);
  q.Put(kOrc, 15, 17);
  return q.Problems();
}
