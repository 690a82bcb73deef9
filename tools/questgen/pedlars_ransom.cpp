// "The Pedlar's Ransom": a stand-alone rescue. Orc bandits hold a travelling pedlar in the cells
// of their hill fort. Striking off her chains shows the old smugglers' tunnel; the quest
// is won when the heroes leave the board through it (no objective: the exit decides).
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "Black Harl's bandits have taken Wenna the pedlar, who sells herbs and ribbons on the "
    "road to Millbrook, and carried her up to their hill fort, where they ask a ransom no "
    "village could ever pay. Break into the fort, find the cells and strike off Wenna's chains. She knows "
    "the hill: the bandits bought the fort from smugglers, and the smugglers always kept "
    "a way out that nobody else knew. Lead her out through it, every one of you who still "
    "stands. Harl himself is no fool with an axe; there is no shame in leaving him be.";

const char kVictory[] =
    "You come out of the smugglers' tunnel among the gorse at the foot of the hill, with "
    "Wenna leaning on your arm and the bandits' horns sounding far above. By nightfall "
    "she is home in Millbrook, and the grateful villagers empty their purses into your "
    "hands. Wenna gives you something better: a pouch of the best herbs from her pack.";

const char kDefeat[] =
    "The bandits drag your bodies to the gate and hang your shields above it as a warning. "
    "Wenna is still in chains, and Black Harl has doubled the ransom. Someone must climb "
    "the hill again before the pedlar's strength gives out.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#yyyyyyyyy###bbbbbbbb#####",  //  1  y the outer yard, b barracks
    "#yyyyyyyyy###bbbbbbbb#####",  //  2
    "#yyyyyyyyy...bbbbbbbb#####",  //  3
    "#yyyyyyyyy###bbbbbbbb#####",  //  4
    "#yyyyyyyyy###bbbbbbbb#####",  //  5
    "#####.#######.############",  //  6
    "#hhhhhhhhh###.##kkkkkk####",  //  7  h Harl's hall, k kitchen
    "#hhhhhhhhh###.##kkkkkk####",  //  8
    "#hhhhhhhhh......kkkkkk####",  //  9
    "#hhhhhhhhh###.##kkkkkk####",  // 10
    "#hhhhhhhhh###.############",  // 11
    "#####.#######.############",  // 12
    "#ccccccccc##gggggggtttttt#",  // 13  c the cells, g the gaol-room, t the smugglers'
    "#ccccccccc..gggggggtttttt#",  // 14    tunnel, walled off until Wenna is free
    "#ccccccccc##gggggggtttttt#",  // 15
    "#ccccccccc##gggggggtttttt#",  // 16
    "#ccccccccc##gggggggtttttt#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildPedlarsRansom() {
  QuestBuilder q({"pedlarsransom", "The Pedlar's Ransom", 1, 1, 0 /* the exit decides */,
                  kOrc, 40, 120, kBriefing, kVictory, kDefeat, "Maud Fenwick"});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'y', 21}, {'b', 3}, {'h', 25}, {'k', 5}, {'c', 2},
                  {'g', 6}, {'t', 9}});

  q.Door(9, 3, 'E', kDoorOpen);     // yard, east
  q.Door(12, 3, 'E', kDoorOpen);    // barracks, west
  q.Door(5, 5, 'S', kDoorOpen);     // yard, south
  q.Door(5, 6, 'S', kDoorOpen);     // hall, north
  q.Door(13, 5, 'S', kDoorOpen);    // barracks, south
  q.Door(9, 9, 'E', kDoorOpen);     // hall, east
  q.Door(15, 9, 'E', kDoorOpen);    // kitchen
  q.Door(13, 12, 'S', kDoorOpen);   // gaol-room, north
  q.Door(5, 11, 'S', kDoorOpen);    // hall, south
  q.Door(5, 12, 'S', kDoorOpen);    // cells, north
  q.Door(9, 14, 'E', kDoorOpen);    // cells, east
  q.Door(11, 14, 'E', kDoorOpen);   // gaol-room, west

  // The party has climbed the wall into the outer yard.
  q.Party(2, 2);
  q.Put(kRubble, 1, 5);
  q.Put(kBarrel, 9, 1);
  q.Put(kBarrel, 9, 5);
  q.Put(kGoblin, 7, 2);
  SetName(q.Put(kGoblin, 6, 4), "Goblin Lookout");
  q.Omen(4, 3, 21, "The fort's yard is empty but for a few sleepy guards.",
         "Somewhere below, a woman is singing to keep her spirits up.");

  // The barracks.
  q.Put(kWeaponRack, 16, 1);
  q.Put(kTable, 17, 3);
  q.Put(kCupboard, 13, 1);
  q.Put(kCrates, 20, 5);
  q.Put(kOrc, 15, 3);
  q.Put(kOrc, 19, 2);
  q.Put(kGoblin, 14, 5);

  // Harl's hall.
  q.Put(kThrone, 7, 7);
  q.Put(kFireplace, 3, 7);
  q.Put(kTable, 4, 9);
  SetChestGold(q.Put(kTreasureChest, 1, 11), 100, "Black Harl's takings from the Millbrook road.");
  SetName(q.Put(kOrcChieftain, 6, 8), "Black Harl");
  q.Put(kOrc, 8, 10);
  q.Put(kOrc, 2, 9);
  q.Omen(5, 8, 18, "Black Harl looks up from his supper and reaches for his axe:",
         "\"Come for the ribbon-hag? She's not for sale!\"");

  // The kitchen.
  q.Put(kFireplace, 18, 7);
  q.Put(kCupboard, 20, 10);
  q.Put(kBarrel, 16, 10);
  q.Put(kGoblin, 17, 8);
  q.Put(kGoblin, 20, 9);
  q.Trap(kDartTrap, 13, 10);

  // The cells, and Wenna in chains.
  ObjectRecord& chains = q.Put(kTortureRack, 2, 15);
  SetName(chains, "Wenna's Chains");
  SetScript(chains, kScriptMakeDoor, 0, 0, 18, 15, 3,
            "You strike off the chains. Wenna rubs her wrists: \"The east wall of the",
            "gaol-room! The smugglers' tunnel!\" A section of wall swings open.");
  SetName(q.Put(kPrisoner, 2, 16), "Wenna");
  q.Put(kBones, 8, 17);
  q.Put(kBones, 1, 13);
  SetName(q.Put(kGoblin, 6, 15), "Gaoler Nibb");
  q.Put(kGoblin, 8, 13);

  // The gaol-room.
  q.Put(kTable, 14, 15);
  q.Put(kCrates, 12, 17);
  q.Put(kBarrel, 18, 13);
  q.Put(kOrc, 16, 14);
  q.Put(kOrc, 17, 17);
  q.Trap(kArrowTrap, 12, 14);

  // The smugglers' tunnel and the way out.
  SetName(q.Put(kExit, 24, 15), "Tunnel Mouth");
  q.Put(kBarrel, 21, 13);
  q.Put(kCrates, 22, 17);
  SetChestGold(q.Put(kTreasureChest, 24, 17), 60, "The smugglers' last cargo: a few bolts of silk and silver.");
  q.Omen(20, 15, 21, "The tunnel smells of damp earth and old brandy.",
         "Daylight glimmers at its far end.");
  return q.Problems();
}
