// "Thornwood": a stand-alone quest out of doors. A herd of beastmen has taken the
// clearing of a woodcutter's village and raised a stockade; their shaman works at the
// old shrine. Kill every creature of Chaos. A hunter's cairn shows the whole clearing.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "The woodcutters of Thornwood came running out of the forest three days ago with "
    "their axes still in their hands. A herd of beastmen has taken their clearing: they "
    "have raised a stockade of sharpened stakes, and their horned shaman Gorehorn howls "
    "every night at the old shrine of the forest. Go into the clearing and kill every "
    "creature of Chaos you find there, down to the last horn. The old hunters raised a "
    "cairn at the edge of the clearing; from its top you can see every corner of it.";

const char kVictory[] =
    "The last beastman falls among the thorns, and Gorehorn's drums are silent. The "
    "woodcutters come back to the clearing one by one, pull down the stockade and burn "
    "it. That night they feast you in the ruins of the hut with venison and dark ale, and "
    "their headman pays you from the village chest.";

const char kDefeat[] =
    "The beastmen drive you out of the clearing, and their howls follow you through the "
    "forest all the way to the road. The woodcutters will not go back without you. Mend "
    "your armour and return to Thornwood.";

const char* const kRows[kBoardH] = {
    "11111111111111111111111111",  //  0  1 the clearing, # thorn thickets
    "1hhhhh111##1111111sssssss1",  //  1  h woodcutter's hut, s the old shrine
    "1hhhhh11####111111sssssss1",  //  2
    "1hhhhh111##1111111sssssss1",  //  3
    "1hhhhh111111111111sssssss1",  //  4
    "11111111111111#111sssssss1",  //  5
    "1111111111111###1111111111",  //  6
    "11##111111111####111111111",  //  7
    "1####111111111##1111111111",  //  8
    "11##1111111111111111####11",  //  9
    "1111111111111111111111##11",  // 10
    "111111111mmmmmmm1111111111",  // 11  m the beastmen's stockade
    "111111111mmmmmmm1111111111",  // 12
    "11111##11mmmmmmm11111##111",  // 13
    "1111####1mmmmmmm1111####11",  // 14
    "11111##11mmmmmmm11111##111",  // 15
    "111111111mmmmmmm1111111111",  // 16
    "111111111111111111111111##",  // 17
    "###111111111111111111111##",  // 18
};

}  // namespace

std::vector<std::string> BuildThornwood() {
  QuestBuilder q({"thornwood", "Thornwood", 1, 1, 7 /* kill all chaos */, kBeastman, 40, 120,
                  kBriefing, kVictory, kDefeat, "Oswin Hale"});
  q.Floor(kRows, {{'#', 7}, {'1', 1}, {'h', 3}, {'s', 9}, {'m', 21}});

  q.Door(3, 4, 'S', kDoorOpen);     // hut, south
  q.Door(5, 2, 'E', kDoorOpen);     // hut, east
  q.Door(17, 3, 'E', kDoorOpen);    // shrine, west
  q.Door(21, 5, 'S', kDoorOpen);    // shrine, south
  q.Door(12, 10, 'S', kDoorOpen);   // stockade gate, north
  q.Door(15, 14, 'E', kDoorOpen);   // stockade, east
  q.Door(8, 15, 'E', kDoorOpen);    // stockade, west

  // The party comes out of the forest on the south-west track.
  q.Party(1, 15);
  ObjectRecord& cairn = q.Put(kStatue, 3, 12);
  SetName(cairn, "Hunter's Cairn");
  SetScript(cairn, kScriptRevealAll, 0, 0, 0, 0, 22,
            "From the top of the cairn you look out over the whole clearing.",
            "Beastmen everywhere, and smoke rising from the shrine.");
  q.Put(kRubble, 7, 10);
  q.Put(kBones, 11, 8);
  q.Put(kRubble, 18, 8);
  q.Put(kBones, 24, 12);
  q.Put(kBeastman, 10, 5);
  q.Put(kBeastman, 19, 11);
  q.Put(kBeastman, 6, 9);
  q.Omen(2, 14, 21, "Birdsong stops at the edge of the clearing. Somewhere ahead,",
         "a drum is beating.");

  // The woodcutter's hut.
  q.Put(kFireplace, 3, 1);
  q.Put(kTable, 2, 2);
  q.Put(kCupboard, 4, 3);
  q.Put(kBarrel, 1, 4);
  SetChestGold(q.Put(kTreasureChest, 5, 1), 40, "The woodcutters' savings, left behind in the flight.");
  q.Put(kBeastman, 4, 4);

  // The old shrine.
  q.Put(kMagicCircle, 21, 2);
  q.Put(kStatue, 18, 1);
  q.Put(kStatue, 24, 1);
  SetScript(q.Put(kAltar, 23, 4), kScriptGive, 0, 0, kGiveHeal, 3, 14,
            "Under the beastmen's filth the old altar is still holy.",
            "Up to 3 lost life is healed.");
  ObjectRecord& gorehorn = q.Put(kChaosSorcerer, 20, 3);
  SetName(gorehorn, "Gorehorn");
  q.Put(kFimir, 23, 2);
  q.Put(kChaosWarrior, 22, 1);
  q.Put(kBeastman, 19, 5);
  q.Omen(21, 4, 17, "Gorehorn raises his staff over the stone circle and howls.", "-");

  // The stockade.
  q.Put(kTortureRack, 10, 11);
  q.Put(kBones, 14, 11);
  q.Put(kBarrel, 9, 16);
  q.Put(kCrates, 15, 16);
  SetChestGold(q.Put(kTreasureChest, 12, 16), 90, "The herd's plunder: coins, buckles and a silver horn.");
  q.Put(kChaosWarrior, 12, 13);
  q.Put(kBeastman, 10, 14);
  q.Put(kBeastman, 14, 13);
  q.Put(kFimir, 13, 15);
  q.Put(kFimir, 10, 12);
  q.Trap(kPitTrap, 12, 10);
  q.Trap(kDartTrap, 16, 14);
  return q.Problems();
}
