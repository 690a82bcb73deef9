// "The Counting-House Vault": a stand-alone vault full of traps. Every chest must be
// opened; the floors are laid with darts, pits and arrows, an idol kills whoever
// touches it, and a sluice lever floods the vault and loses the quest.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "Old Vell the moneylender trusted no bank but his own. When he died, his heirs found "
    "the key to his counting-house vault in his fist, and not one of the three who went "
    "down to open it came back. The heirs will pay you a share of whatever you bring up. "
    "Open every one of Vell's chests. Mind where you step: Vell laid his floors with "
    "darts and pits, and his ledgers speak of an idol that \"keeps the thieves\" and a "
    "sluice that lets the river into the deep vault. His bone-servants still keep the "
    "accounts.";

const char kVictory[] =
    "The last lid creaks open, and the whole of Vell's fortune lies before you in bags, "
    "boxes and ledgers. The heirs weep with joy (and then quarrel over the sums), but "
    "they keep their word and pay your share in full. Vell's idol stays where it is: "
    "nobody wanted to carry it up.";

const char kDefeat[] =
    "Vell's vault has claimed more thieves. His heirs wait at the top of the stair until "
    "nightfall, then lock the door again and begin to ask around for braver heroes. "
    "Perhaps they will ask you.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#eeee#hhhhhhhhhhhhhh#aaaa#",  //  1  e stair, h hall of scales, a first vault
    "#eeee.hhhhhhhhhhhhhh.aaaa#",  //  2
    "#eeee#hhhhhhhhhhhhhh#aaaa#",  //  3
    "#eeee######.#####.###aaaa#",  //  4
    "###.#######.#####.###aaaa#",  //  5
    "###.####iiiiii#ccccc##.###",  //  6
    "#bbbbb##iiiiii#ccccc##.###",  //  7  b ledger vault, i idol chamber, c coin vault
    "#bbbbb##iiiiii#ccccc#dddd#",  //  8  d long vault
    "#bbbbb##iiiiii#ccccc#dddd#",  //  9
    "#bbbbb##iiiiii#ccccc#dddd#",  // 10
    "#bbbbb##iiiiii#ccccc#dddd#",  // 11
    "###.#############.###dddd#",  // 12
    "#sssssss#vvvvvvvvvvv#dddd#",  // 13  s sluice room, v the deep vault
    "#sssssss#vvvvvvvvvvv#dddd#",  // 14
    "#sssssss.vvvvvvvvvvv.dddd#",  // 15
    "#sssssss#vvvvvvvvvvv#dddd#",  // 16
    "#sssssss#vvvvvvvvvvv#dddd#",  // 17
    "##########################",  // 18
};

// A chest of the vault: gold and the words on its ledger slip.
void Chest(QuestBuilder& q, int x, int y, int gold, const char* text) {
  SetChestGold(q.Put(kTreasureChest, x, y), gold, text);
}

}  // namespace

std::vector<std::string> BuildCountingHouseVault() {
  QuestBuilder q({"countinghouse", "The Counting-House Vault", 1, 1, 4 /* open all chests */,
                  kSkeleton, 30, 200, kBriefing, kVictory, kDefeat, "Ida Crane"});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'e', 2}, {'h', 11}, {'a', 26}, {'b', 12}, {'i', 13},
                  {'c', 10}, {'d', 4}, {'s', 15}, {'v', 19}});

  q.Door(4, 2, 'E', kDoorOpen);     // stair, east
  q.Door(5, 2, 'E', kDoorOpen);     // hall, west
  q.Door(19, 2, 'E', kDoorOpen);    // hall, east
  q.Door(20, 2, 'E', kDoorOpen);    // first vault
  q.Door(3, 4, 'S', kDoorOpen);     // stair, south
  q.Door(3, 6, 'S', kDoorOpen);     // ledger vault
  q.Door(11, 3, 'S', kDoorOpen);    // hall, to the idol
  q.Door(11, 5, 'S', kDoorOpen);
  q.Door(17, 3, 'S', kDoorOpen);    // hall, to the coins
  q.Door(17, 5, 'S', kDoorOpen);
  q.Door(22, 5, 'S', kDoorOpen);    // first vault, south
  q.Door(22, 7, 'S', kDoorOpen);    // long vault
  q.Door(3, 11, 'S', kDoorOpen);    // ledger vault, south
  q.Door(3, 12, 'S', kDoorOpen);    // sluice room
  q.Door(17, 11, 'S', kDoorOpen);   // coin vault, south
  q.Door(17, 12, 'S', kDoorOpen);   // deep vault, north
  q.Door(7, 15, 'E', kDoorOpen);    // sluice room, east
  q.Door(8, 15, 'E', kDoorOpen);    // deep vault, west
  q.Door(19, 15, 'E', kDoorOpen);   // deep vault, east
  q.Door(20, 15, 'E', kDoorOpen);   // long vault, west

  // The foot of the stair.
  q.Party(1, 1);
  q.Put(kStairsUp, 1, 3);
  q.Omen(2, 2, 20, "A brass plate on the wall: \"HONEST CUSTOMERS WALK IN THE MIDDLE.",
         "THIEVES MAY WALK WHERE THEY LIKE.\"");

  // The hall of scales: darts and pits in the marble.
  q.Put(kPillar, 8, 1);
  q.Put(kPillar, 8, 3);
  q.Put(kPillar, 14, 1);
  q.Put(kPillar, 14, 3);
  q.Put(kStatue, 19, 1);
  q.Trap(kDartTrap, 7, 2);
  q.Trap(kPitTrap, 10, 2);
  q.Trap(kArrowTrap, 13, 2);
  q.Trap(kDartTrap, 16, 2);
  q.Trap(kPitTrap, 11, 3);
  q.Put(kSkeleton, 12, 1);
  q.Put(kSkeleton, 18, 3);
  q.Put(kMummy, 16, 1);

  // The first vault.
  Chest(q, 24, 1, 60, "Silver florins, bagged by the hundred.");
  Chest(q, 24, 5, 40, "Pawned rings, each with its ticket.");
  q.Put(kCupboard, 21, 4);
  q.Put(kMummy, 23, 3);
  q.Put(kSkeleton, 21, 1);
  q.Trap(kArrowTrap, 22, 6);

  // The ledger vault.
  SetScript(q.PutTurned(kBookcase, 5, 9), kScriptGive, 0, 0, kGiveMindAndExp, 2, 14,
            "Vell's ledgers list every debt in the city, and every secret.",
            "You read them with interest: mind and experience +2.");
  Chest(q, 1, 11, 50, "Debts paid in gold, never recorded.");
  q.Put(kTable, 2, 9);
  q.Put(kSkeleton, 4, 8);
  q.Trap(kDartTrap, 4, 10);

  // The idol chamber.
  ObjectRecord& idol = q.Put(kStatue, 10, 8);
  SetName(idol, "Golden Idol");
  SetScript(idol, kScriptInstantDeath, 0, 0, 0, 0, 12,
            "!The idol's eyes open as you touch it. \"THIEF,\" it says.",
            "Your heart stops.");
  q.Put(kPillar, 8, 6);
  q.Put(kPillar, 13, 6);
  q.Put(kPillar, 8, 11);
  q.Put(kPillar, 13, 11);
  Chest(q, 12, 10, 80, "Offerings heaped at the idol's feet.");
  q.Put(kMummy, 11, 9);
  q.Put(kMummy, 9, 10);
  q.Trap(kPitTrap, 11, 7);
  q.Omen(11, 8, 21, "A golden idol grins at you from the middle of the chamber.",
         "Its eyes follow you.");

  // The coin vault.
  Chest(q, 15, 6, 70, "Gold crowns, stacked in neat towers.");
  Chest(q, 19, 6, 70, "More crowns. Vell never spent a coin.");
  q.Put(kRubble, 15, 11);
  q.Put(kMummy, 18, 8);
  q.Put(kSkeleton, 16, 9);
  q.Put(kWraith, 18, 10);
  q.Trap(kArrowTrap, 17, 7);

  // The long vault.
  Chest(q, 24, 8, 50, "A merchant's pledge: pearls in a silk bag.");
  Chest(q, 24, 17, 90, "A casket of gems, each wrapped in paper.");
  q.Put(kWeaponRack, 22, 12);
  q.Put(kCupboard, 21, 16);
  q.Put(kMummy, 23, 14);
  q.Put(kZombie, 21, 10);
  q.Trap(kDartTrap, 22, 9);
  q.Trap(kPitTrap, 23, 15);

  // The sluice room.
  ObjectRecord& sluice = q.Put(kLever, 1, 13);
  SetName(sluice, "Sluice Wheel");
  SetScript(sluice, kScriptGameEnd, 0, 0, 1, 0, 16,
            "!You turn the wheel. With a roar the river pours into the vault,",
            "and Vell's gold is lost beneath the water for ever.");
  q.Put(kBarrel, 1, 17);
  q.Put(kBarrel, 2, 17);
  q.Put(kCrates, 7, 13);
  Chest(q, 6, 17, 40, "Vell's emergency purse, hidden under the sluice.");
  q.Put(kZombie, 4, 15);
  q.Trap(kDartTrap, 3, 13);

  // The deep vault.
  q.Put(kPillar, 12, 13);
  q.Put(kPillar, 16, 13);
  q.Put(kPillar, 12, 17);
  q.Put(kPillar, 16, 17);
  Chest(q, 14, 13, 100, "Vell's own savings: a chest of old gold.");
  Chest(q, 14, 17, 100, "The heirlooms of a dozen ruined families.");
  SetName(q.Put(kWraith, 14, 15), "Vell's Shade");
  q.Put(kMummy, 10, 15);
  q.Put(kMummy, 18, 15);
  q.Put(kWraith, 13, 14);
  q.Trap(kArrowTrap, 9, 15);
  q.Trap(kArrowTrap, 19, 15);
  q.Trap(kPitTrap, 13, 16);
  q.Omen(14, 14, 21, "Vell's shade rises from his last chest, counting on its fingers:",
         "\"Interest... interest... interest...\"");
  return q.Problems();
}
