// "The Lantern Crypt": a stand-alone quest. Goblin grave-robbers have broken the seals
// of a chapel crypt and woken its dead. Kill every monster; the ossuary is locked with
// the red key the robbers' shaman carries, and a hidden door leads to the reliquary.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "For three hundred years the lanterns of the Lantern Chapel burned above the crypt of "
    "its keepers, and the dead slept beneath them. Nine nights ago the lanterns went dark. "
    "A band of goblin grave-robbers has broken the seals in search of burial gold, and now "
    "the dead are walking. Go down the old stair, drive out the robbers and put every "
    "risen corpse back to rest: not one monster may be left standing. The robbers' shaman "
    "is said to carry the red key of the ossuary, where the oldest dead are laid. The "
    "keepers' reliquary lies somewhere near the crypt hall, but its door was never meant "
    "to be found.";

const char kVictory[] =
    "The last of the restless dead crumbles to dust and the robbers' camp falls silent. "
    "As you climb the stair the chapel bell rings out above you: someone has lit the first "
    "lantern again. The abbot pays you from the chapel purse and asks you to speak of this "
    "night to no one.";

const char kDefeat[] =
    "The crypt has claimed you. Frightened villagers drag your companions back up the "
    "stair and bar the chapel doors with iron. Below, the lanterns stay dark, and every "
    "night a few more of the dead climb towards the village. Gather your courage and go "
    "down again.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#gggggg###cccccccc##ooooo#",  //  1  g robbers' camp, c chapel, o ossuary
    "#gggggg###cccccccc##ooooo#",  //  2
    "#gggggg###cccccccc##ooooo#",  //  3
    "#gggggg###cccccccc##ooooo#",  //  4
    "#gggggg###cccccccc##ooooo#",  //  5
    "####.#####cccccccc####.###",  //  6
    "#........................#",  //  7
    "###.#####.####.###.#######",  //  8
    "###.#####.####.kkkkkkkk###",  //  9  k crypt hall
    "###.#####.####.kkkkkkkk###",  // 10
    "###.###sssssss.kkkkkkkk###",  // 11  s sexton's rooms
    "#eeeee#sssssss.kkkkkkkk###",  // 12  e entry stair
    "#eeeee#sssssss.kkkkkkkk###",  // 13
    "#eeeee.sssssss.kkkkkkkk###",  // 14
    "#eeeee#sssssss.##rrrrrrr##",  // 15  r hidden reliquary
    "#eeeee#sssssss.##rrrrrrr##",  // 16
    "#eeeee#sssssss.##rrrrrrr##",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildLanternCrypt() {
  QuestBuilder q({"lanterncrypt", "The Lantern Crypt", 1, 1, 1 /* kill all monsters */,
                  kSkeleton, 50, 150, kBriefing, kVictory, kDefeat});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'g', 16}, {'c', 20}, {'o', 18}, {'e', 2}, {'s', 12},
                  {'k', 21}, {'r', 13}});

  q.Door(4, 5, 'S', kDoorOpen);     // camp
  q.Door(13, 6, 'S', kDoorOpen);    // chapel
  q.Door(22, 5, 'S', kDoorRed);     // ossuary
  q.Door(3, 11, 'S', kDoorOpen);    // entry, north
  q.Door(5, 14, 'E', kDoorOpen);    // entry, east
  q.Door(6, 14, 'E', kDoorOpen);    // sexton's rooms, west
  q.Door(9, 10, 'S', kDoorOpen);    // sexton's rooms, north
  q.Door(13, 16, 'E', kDoorOpen);   // sexton's rooms, east
  q.Door(18, 8, 'S', kDoorOpen);    // crypt hall, north
  q.Door(14, 11, 'E', kDoorOpen);   // crypt hall, west
  q.Door(20, 14, 'S', kDoorHidden); // reliquary

  // The party comes down the stair into the entry hall.
  q.Party(2, 13);
  q.Put(kStairsUp, 3, 16);
  q.Put(kStatue, 1, 12);

  // The robbers' camp.
  q.Put(kTable, 3, 2);
  q.Put(kCrates, 1, 1);
  q.Put(kBarrel, 6, 1);
  q.Put(kBarrel, 1, 5);
  q.Put(kOrc, 2, 4);
  q.Put(kGoblin, 5, 2);
  q.Put(kGoblin, 5, 4);

  // The chapel, its altar stripped by the shaman.
  q.Put(kStatue, 10, 1);
  q.Put(kStatue, 17, 1);
  SetScript(q.Put(kAltar, 13, 1), kScriptGive, 0, 0, kGiveHeal, 3, 14,
            "You kneel before the desecrated altar and speak the keepers' rite.",
            "Warmth returns: up to 3 lost life is healed.");
  q.Put(kPillar, 11, 2);
  q.Put(kPillar, 16, 2);
  q.Put(kPillar, 11, 5);
  q.Put(kPillar, 16, 5);
  ObjectRecord& shaman = q.Put(kGoblinShaman, 13, 2);
  SetName(shaman, "Snagtooth");
  shaman.inventory[kInvRedKeys] = 1;
  q.Put(kGoblin, 15, 4);
  q.Put(kRubble, 10, 6);  // the smashed seals
  q.PutTurned(kBookcase, 10, 4);
  q.Put(kFountain, 17, 3);
  q.Omen(13, 4, 20, "Hundreds of dead lanterns hang from rusted chains above the altar.",
         "A goblin voice screeches: \"Mine! The red key is mine!\"");

  // The ossuary behind the red door.
  q.Put(kTomb, 20, 1);
  q.Put(kTomb, 23, 1);
  SetChestGold(q.Put(kTreasureChest, 24, 4), 120, "Grave gold, offered to the honoured dead.");
  q.Put(kBones, 20, 5);
  SetName(q.Put(kWraith, 22, 2), "Lantern Wraith");
  q.Put(kMummy, 21, 3);
  q.Omen(23, 3, 21, "Bones are stacked to the vault in neat, patient rows.",
         "Something cold stirs among them.");
  q.Trap(kDartTrap, 22, 6);
  q.Trap(kPitTrap, 16, 7);

  // The crypt hall.
  q.Put(kTomb, 16, 10);
  q.Put(kTomb, 20, 10);
  q.Put(kTomb, 16, 12);
  ObjectRecord& tomb = q.Put(kTomb, 20, 12);
  tomb.inventory[kInvGold] = 30;
  SetScript(tomb, kScriptTextAndSound, 0, 0, 0, 0, 15,
            "You pry the lid aside. Grave goods glint among the bones.",
            "-");
  q.Put(kBones, 22, 14);
  q.Put(kSkeleton, 22, 9);
  q.Put(kSkeleton, 15, 14);
  q.Put(kSkeleton, 19, 13);
  q.Put(kZombie, 18, 11);
  q.Omen(18, 12, 18, "The crypt hall. Four tombs stand open, and their lids are broken",
         "from the inside.");

  // The sexton's rooms.
  q.Put(kCupboard, 7, 11);
  q.Put(kFireplace, 10, 17);
  SetScript(q.PutTurned(kBookcase, 13, 13), kScriptGive, 0, 0, kGiveMindAndExp, 2, 14,
            "Among the sexton's ledgers lies a prayer against the dead.",
            "You learn it by heart: mind and experience +2.");
  q.Put(kTable, 9, 13);
  q.Put(kBarrel, 7, 17);
  SetName(q.Put(kZombie, 11, 15), "Old Sexton");
  q.Put(kRubble, 14, 17);

  // The hidden reliquary.
  q.Put(kMagicCircle, 17, 16);
  SetScript(q.Put(kWeaponRack, 21, 17), kScriptGive, 0, 0, kGiveDefence, 1, 13,
            "Among the relics hangs a silvered shield of the lantern-keepers.",
            "Your defence increases by one.");
  SetChestGold(q.Put(kTreasureChest, 23, 15), 150,
               "The keepers' offerings lie untouched in the chest.");
  return q.Problems();
}
