// "The Hunt for Skarrow": a stand-alone chase after one named enemy. The rat-king of
// the undercity hides in his court at the far end of the sewers; killing him wins the
// quest through his own script, whatever else is left alive. Two trap doors make a
// shortcut between the cistern and the drowned chapel.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "For a month the grain stores of Vellmouth have been emptied from below, and the "
    "night watch have found rat-bitten goblins in the cellars. They serve Skarrow, who "
    "calls himself the Rat King: a goblin shaman who has made the old undercity his "
    "kingdom. The guild of merchants will pay well for his head, and for nothing else. "
    "Go down through the cistern and hunt him through the sewers. Kill Skarrow and his "
    "gang will scatter. The sewer men speak of trap doors that drop from one tunnel to "
    "another, and of a low tunnel that ends in a wall that is not quite a wall.";

const char kVictory[] =
    "Skarrow's crown of rat skulls rolls across the floor of his court, and his goblins "
    "flee squealing into the dark. The guild of merchants counts out your reward by "
    "lamplight, and for the first time in a month the grain stores of Vellmouth are "
    "still full in the morning.";

const char kDefeat[] =
    "The Rat King's gang drags you down into the sewer water. The watch find you at dawn, "
    "washed up in the harbour, alive but empty-handed. Skarrow is still down there, "
    "growing fatter on the town's grain. Go back and finish the hunt.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#sssss..............ccccc#",  //  1  s cistern, c drowned chapel
    "#sssss#####.########ccccc#",  //  2
    "#sssss##mmmmmmmm####ccccc#",  //  3  m rag market
    "#sssss##mmmmmmmm####ccccc#",  //  4
    "###.####mmmmmmmm####ccccc#",  //  5
    "###.####mmmmmmmm.......###",  //  6
    "###.####mmmmmmmm######.###",  //  7
    "###.####mmmmmmmm######.###",  //  8
    "###.#######.##########.###",  //  9
    "###.#####kkkkkk#######.###",  // 10  k bone pit
    "#wwwwww##kkkkkk##tttttttt#",  // 11  w rat warren, t Skarrow's court
    "#wwwwww##kkkkkk##tttttttt#",  // 12
    "#wwwwww##########tttttttt#",  // 13
    "#wwwwww..........tttttttt#",  // 14  the low tunnel
    "#wwwwww##########tttttttt#",  // 15
    "#wwwwww##########tttttttt#",  // 16
    "#wwwwww##########tttttttt#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildHuntForSkarrow() {
  QuestBuilder q({"skarrow", "The Hunt for Skarrow", 1, 1, 0 /* slay Skarrow */, kGoblin, 50,
                  100, kBriefing, kVictory, kDefeat, "Dunmarrow"});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'s', 6}, {'c', 9}, {'m', 16}, {'k', 23}, {'w', 21},
                  {'t', 18}});

  q.Door(5, 1, 'E', kDoorOpen);     // cistern, east
  q.Door(11, 2, 'S', kDoorOpen);    // rag market, north
  q.Door(19, 1, 'E', kDoorOpen);    // drowned chapel, west
  q.Door(3, 4, 'S', kDoorOpen);     // cistern, south
  q.Door(3, 10, 'S', kDoorOpen);    // rat warren, north
  q.Door(11, 8, 'S', kDoorOpen);    // rag market, south
  q.Door(11, 9, 'S', kDoorOpen);    // bone pit
  q.Door(15, 6, 'E', kDoorOpen);    // rag market, east
  q.Door(22, 5, 'S', kDoorOpen);    // drowned chapel, south
  q.Door(22, 10, 'S', kDoorOpen);   // Skarrow's court, north
  q.Door(6, 14, 'E', kDoorOpen);    // rat warren, east
  q.Door(16, 14, 'E', kDoorHidden); // the wall that is not quite a wall

  // The party comes down the cistern ladder.
  q.Party(1, 1);
  q.Put(kFountain, 4, 3);
  SetScript(q.Put(kTrapDoor, 2, 4), kScriptHatchTeleport, 1, 0, 0, 0, 0,
            "You drop through the trap door and slide down a slimy chute...", "-");
  q.Omen(2, 3, 20, "The cistern stinks of rats. Scratched on the wall:",
         "\"SKARROW IS KING. PAY OR BE EATEN.\"");

  // The rag market, where the gang sells what it steals.
  q.Put(kTable, 10, 4);
  q.Put(kCrates, 8, 3);
  q.Put(kCrates, 15, 3);
  q.Put(kBarrel, 8, 8);
  q.Put(kBarrel, 15, 8);
  q.Put(kRubble, 13, 7);
  q.Put(kGoblin, 12, 5);
  q.Put(kGoblin, 9, 6);
  q.Put(kOrc, 14, 5);
  q.Trap(kDartTrap, 11, 1);

  // The bone pit.
  q.Put(kBones, 9, 12);
  q.Put(kBones, 14, 10);
  SetChestGold(q.Put(kTreasureChest, 14, 12), 70, "The gang's hoard of stolen coin.");
  q.Put(kZombie, 12, 11);

  // The drowned chapel, with the other trap door.
  q.Put(kAltar, 21, 1);
  q.Put(kStatue, 24, 1);
  q.Put(kStatue, 24, 5);
  SetScript(q.Put(kTrapDoor, 21, 4), kScriptHatchTeleport, 1, 0, 0, 0, 0,
            "You drop through the trap door and slide down a slimy chute...", "-");
  q.Put(kGoblin, 23, 3);
  q.Put(kGoblin, 20, 5);
  q.Trap(kArrowTrap, 22, 8);

  // The rat warren.
  q.Put(kBones, 1, 11);
  q.Put(kBarrel, 6, 11);
  q.Put(kCrates, 1, 17);
  q.Put(kGoblin, 3, 12);
  q.Put(kGoblin, 5, 15);
  q.Put(kGoblin, 2, 16);
  q.Put(kOrc, 4, 13);
  q.Omen(3, 14, 21, "Rats boil out of the straw. Beyond the warren a low tunnel",
         "leads east, towards the sound of squealing laughter.");
  q.Trap(kPitTrap, 10, 14);

  // Skarrow's court.
  q.Put(kThrone, 23, 12);
  q.Put(kTable, 19, 15);
  q.Put(kBones, 17, 17);
  q.Put(kRubble, 24, 17);
  SetChestGold(q.Put(kTreasureChest, 24, 15), 120, "Skarrow's treasury: grain-tax silver and a gold chain.");
  ObjectRecord& skarrow = q.Put(kGoblinShaman, 22, 13);
  SetName(skarrow, "Skarrow");
  skarrow.attribute[kLife] = skarrow.attribute[kLifeMax] = 4;
  SetScript(skarrow, kScriptGameEnd, 0, 0, 0, 0, 12, "Skarrow the Rat King falls, squealing.",
            "His gang scatters into the sewers.");
  q.Put(kOrc, 21, 12);
  q.Put(kOrc, 21, 17);
  q.Put(kOrc, 18, 11);
  q.Put(kOrc, 24, 11);
  q.Put(kOrcChieftain, 22, 16);
  q.Put(kFimir, 19, 13);
  q.Omen(20, 13, 18, "A goblin in a crown of rat skulls screeches from his throne:",
         "\"Kill them! Eat them! Skarrow commands!\"");
  return q.Problems();
}
