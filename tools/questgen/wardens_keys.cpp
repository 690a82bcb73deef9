// "The Warden's Keys": a stand-alone hunt for keys. The red key lies in an armoury
// behind a hidden door, the red doors hide the warden who carries the blue key, and the
// quest is won the moment the blue door of the strongroom is unlocked.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "Greymarch Gaol was built to hold the worst of the kingdom, and its last warden, "
    "Oskel, has sold it to the worst of the kingdom. He has let Chaos warriors in through "
    "the postern, and somewhere in the strongroom lies the King's Seal of Greymarch, "
    "which he means to hand to them. Get into the strongroom before he does. Its blue "
    "door opens to one key only, and Oskel never lets it out of his sight. His office is "
    "locked with red iron; the gaolers kept their red keys in an armoury whose door, the "
    "prisoners say, was bricked up to look like any other wall.";

const char kVictory[] =
    "The blue door swings open and there, on a velvet cushion, lies the King's Seal of "
    "Greymarch. The Chaos warriors will find nothing but an empty strongroom. The royal "
    "steward pays you in new-minted crowns and asks you, very politely, to return "
    "Oskel's keys.";

const char kDefeat[] =
    "The gaol keeps you, as it has kept so many before. By morning the King's Seal is in "
    "the hands of Chaos, and Oskel is counting his silver. But a seal can be taken back: "
    "try the doors of Greymarch once more.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#eeeee###gggggggaaaaaa####",  //  1  e gatehouse, g guardroom, a hidden armoury
    "#eeeee###gggggggaaaaaa####",  //  2
    "#eeeee...gggggggaaaaaa####",  //  3
    "#eeeee###gggggggaaaaaa####",  //  4
    "#eeeee###ggggggg##########",  //  5
    "###.#######.##############",  //  6
    "#........................#",  //  7  the long gallery
    "###.###.###.#######.######",  //  8
    "#cccccc.#oooooooo##ssssss#",  //  9  c cell block, o Oskel's office, s strongroom
    "#cccccc.#oooooooo##ssssss#",  // 10
    "#cccccc.#oooooooo##ssssss#",  // 11
    "#cccccc.#oooooooo##ssssss#",  // 12
    "#cccccc.#oooooooo##ssssss#",  // 13
    "#cccccc.#oooooooo##ssssss#",  // 14
    "#kkkkkk.#oooooooo##ssssss#",  // 15  k gaol kitchen
    "#kkkkkk.#oooooooo##ssssss#",  // 16
    "#kkkkkk##oooooooo##ssssss#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildWardensKeys() {
  QuestBuilder q({"wardenskeys", "The Warden's Keys", 1, 1, 3 /* unlock blue door */, kOrc, 40,
                  140, kBriefing, kVictory, kDefeat, "Dunmarrow"});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'e', 2}, {'g', 16}, {'a', 25}, {'c', 6}, {'o', 12},
                  {'s', 26}, {'k', 5}});

  q.Door(5, 3, 'E', kDoorOpen);     // gatehouse, east
  q.Door(8, 3, 'E', kDoorOpen);     // guardroom, west
  q.Door(15, 3, 'E', kDoorHidden);  // the bricked-up armoury
  q.Door(3, 5, 'S', kDoorOpen);     // gatehouse, south
  q.Door(11, 5, 'S', kDoorOpen);    // guardroom, south
  q.Door(3, 8, 'S', kDoorRed);      // cell block
  q.Door(11, 8, 'S', kDoorRed);     // Oskel's office
  q.Door(19, 8, 'S', kDoorBlue);    // the strongroom
  q.Door(6, 16, 'E', kDoorOpen);    // kitchen, from the back stair

  // The party at the gatehouse.
  q.Party(2, 2);
  q.Put(kStatue, 1, 1);
  q.Put(kBarrel, 5, 1);
  q.Put(kBones, 1, 5);
  q.Omen(3, 3, 21, "Greymarch Gaol. Every door you can see is iron,",
         "and every lock is painted red or blue.");

  // The guardroom.
  q.Put(kTable, 11, 2);
  q.Put(kWeaponRack, 14, 1);
  q.Put(kCrates, 9, 5);
  q.Put(kOrc, 13, 3);
  q.Put(kOrc, 10, 1);
  q.Put(kGoblin, 14, 5);
  q.Omen(12, 4, 0, "One stretch of the east wall is newer brick than the rest.", "-");

  // The hidden armoury with the red key.
  q.Put(kRedKeyChest, 20, 1);
  SetScript(q.PutTurned(kWeaponRack, 21, 3), kScriptGive, 0, 0, kGiveFighterOffence, 1, 13,
            "The gaolers' best blades, oiled and waiting.",
            "A fighter's offence increases by one.");
  q.Put(kFimir, 18, 3);

  // The long gallery.
  q.Trap(kPitTrap, 15, 7);
  q.Trap(kDartTrap, 22, 7);
  q.Put(kGoblin, 8, 7);
  q.Put(kOrc, 17, 7);

  // The cell block.
  q.Put(kBones, 1, 9);
  q.Put(kBones, 6, 12);
  ObjectRecord& cupboard = q.Put(kCupboard, 1, 14);
  SetName(cupboard, "Gaoler's Locker");
  cupboard.inventory[kInvGold] = 15;
  SetScript(cupboard, kScriptItem, 0, 0, 0, 1, 13, "You take the gaoler's lantern and his purse.",
            "-");
  SetName(q.Put(kZombie, 4, 11), "Forgotten Man");
  q.Put(kGoblin, 2, 10);
  q.Put(kGoblin, 5, 13);

  // The kitchen, and the coal chute into the cells.
  q.Put(kFireplace, 3, 17);
  q.Put(kTable, 4, 15);
  q.Put(kBarrel, 1, 17);
  ObjectRecord& chute = q.Put(kLever, 1, 15);
  SetName(chute, "Coal Chute");
  SetScript(chute, kScriptMakeDoor, 0, 0, 3, 14, 3, "You haul on the chute's chain, and an",
            "iron hatch opens into the cell block above.");
  q.Put(kGoblin, 2, 16);

  // Oskel's office.
  q.Put(kBookcase, 14, 9);
  q.Put(kTable, 12, 12);
  q.Put(kFireplace, 12, 17);
  SetChestGold(q.Put(kTreasureChest, 16, 17), 90, "Oskel's bribes, counted and tied in bags.");
  ObjectRecord& oskel = q.Put(kChaosWarrior, 14, 14);
  SetName(oskel, "Warden Oskel");
  oskel.inventory[kInvBlueKeys] = 1;
  q.Put(kBeastman, 10, 15);
  q.Put(kBeastman, 15, 11);
  q.Omen(12, 10, 17, "Oskel rises behind his desk, a blue key at his belt:",
         "\"The Seal is sold, heroes. Go home.\"");

  // The strongroom.
  q.Put(kStatue, 19, 17);
  q.Put(kStatue, 24, 17);
  SetChestGold(q.Put(kTreasureChest, 22, 13), 150, "The gaol's strongbox.");
  q.Put(kAltar, 21, 11);
  return q.Problems();
}
