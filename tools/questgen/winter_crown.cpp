// "The Winter Crown": a campaign of six chapters; the first three are here. An orc
// warband holds the way into the mountain (chapter 1, open the blue gate), the Frozen
// guard the halls around the crown's vault (chapter 2, destroy them all), and a Chaos
// sorcerer works the crown's ritual in the depths (chapter 3, slay him). The chase after
// the stolen half of the crown follows in winter_crown_late.cpp.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

constexpr const char* kSeries = "wintercrown";
constexpr int kChapters = 6;

// ---------------------------------------------------------------- chapter 1

const char kBriefing1[] =
    "Winter came early to the Greyspire this year, and it has not left. Snow lies on the "
    "high passes in midsummer, the wells of Tollmere freeze overnight, and the old folk "
    "whisper of the Winter Crown, sealed beneath the mountain long ago. Now the orc "
    "warband of Grumak has taken the smugglers' warren at the mountain's foot, and a "
    "shepherd saw a robed stranger with eyes like cold coals among them. Fight your way "
    "through the warren and unlock the blue iron gate at its far end: it leads down to "
    "the Halls of Rime. Grumak keeps the gate key on his belt.";

const char kVictory1[] =
    "The blue gate swings open on a stair that breathes frost into the warren. On "
    "Grumak's body you found a letter in a thin, spidery hand: \"Keep the gate shut until "
    "the crown is mine. - V.\" Whoever V is, he has gone before you into the deep. Rest "
    "while you can; the Halls of Rime wait below.";

const char kDefeat1[] =
    "The orcs drive you out of the warren and back down the mountain road. Grumak's drums "
    "beat all night, and by morning the road to Tollmere lies under fresh ice. Bind your "
    "wounds and try again before the cold spreads any further.";

const char* const kRows1[kBoardH] = {
    "111111####################",  //  0  1 the mountainside
    "111111##dddddd##ssssshhh##",  //  1  d sleeping den, s smugglers' store, h cache
    "1#1111##dddddd..ssssshhh##",  //  2
    "11#111##dddddd##ssssshhh##",  //  3
    "111111##dddddd##sssss#####",  //  4
    "1111111###.#####sssss#####",  //  5
    "111111####.#######.#######",  //  6
    "11111###ggggg#####.#######",  //  7  g guard cave
    "111111##ggggg##ccccccc####",  //  8  c Grumak's hall
    "111111..ggggg##ccccccc####",  //  9
    "111111##ggggg..ccccccc####",  // 10
    "11#111##ggggg##ccccccc.###",  // 11
    "111111####.####ccccccc.###",  // 12
    "111111#wwwwww##ccccccc.###",  // 13  w goblin warren
    "11111##wwwwww#########.###",  // 14
    "111111.wwwwww#######zzzzz#",  // 15  z gate hall
    "111111#wwwwww#######zzzzz#",  // 16
    "11111##wwwwww#######zzzzz#",  // 17
    "111111####################",  // 18
};

// ---------------------------------------------------------------- chapter 2

const char kBriefing2[] =
    "Beyond the gate a stair winds down into the Halls of Rime, the old guard halls raised "
    "around the vault of the Winter Crown. Here the cold itself is alive: imps of ice, "
    "trolls, yetis and golems, and their mistress Hrimwen the Ice Witch, who has made her "
    "sanctum behind a red-sealed door. While any of her creatures walk these halls, no one "
    "may pass to the vault below. Destroy every creature of the Frozen. The red seal was "
    "made by the halls' old keepers, and its key is said to lie in their library. A "
    "trader who fled into the halls weeks ago was never seen again.";

const char kVictory2[] =
    "With Hrimwen destroyed the ice begins to weep, and water runs down the stair behind "
    "you. But the vault doors beyond the sanctum stand open, and fresh tracks lead down "
    "into the dark: Varn, the robed stranger, has reached the crown before you. There is "
    "no time to lose.";

const char kDefeat2[] =
    "The cold takes you. You stumble back up the stair as a wall of ice closes the halls "
    "behind you. Warm your hands, mend your wounds and return: the Frozen must not hold "
    "the way to the crown.";

const char* const kRows2[kBoardH] = {
    "##########################",  //  0
    "#lllll##hhhhhhhhhh##kkkkk#",  //  1  l landing, h hall of rime, k library
    "#lllll##hhhhhhhhhh..kkkkk#",  //  2
    "#lllll..hhhhhhhhhh##kkkkk#",  //  3
    "#lllll##hhhhhhhhhh##kkkkk#",  //  4
    "#lllll##hhhhhhhhhh##kkkkk#",  //  5
    "###.####hhhhhhhhhh##kkkkk#",  //  6
    "###.####hhhhhhhhhh####.###",  //  7
    "###.########.#########.###",  //  8
    "#rrrrrr#####.#########.###",  //  9  r frozen barracks
    "#rrrrrr##wwwwww#######.###",  // 10  w crystal well
    "#rrrrrr..wwwwww##ssssssss#",  // 11  s Hrimwen's sanctum
    "#rrrrrr##wwwwww##ssssssss#",  // 12
    "#rrrrrr##wwwwww..ssssssss#",  // 13
    "##.######wwwwww##ssssssss#",  // 14
    "#vvvvv###wwwwww##ssssssss#",  // 15  v the trader's hiding place
    "#vvvvv###wwwwww##ssssssss#",  // 16
    "#vvvvv###wwwwww##ssssssss#",  // 17
    "##########################",  // 18
};

// ---------------------------------------------------------------- chapter 3

const char kBriefing3[] =
    "Varn the Hollow, a sorcerer of Chaos, has reached the Crown Chamber and begun the "
    "ritual that will bind the Winter Crown to his will. If he finishes, a winter without "
    "end will fall over the land and his beastmen will march on frozen rivers. His "
    "champion Kharst guards the barracks and carries the blue key to the Crown Chamber. "
    "Take it from him, break in and slay Varn before the ritual is done. The old keepers "
    "sealed an armoury in these depths; it is said that a lever in the pens opens it, and "
    "that their shrine lies behind a wall that is no wall.";

const char kVictory3[] =
    "Varn falls, and the Winter Crown drops from the circle and cracks in two. One half "
    "lies cold and dead on the stones. Before you can reach the other, a white raven "
    "sweeps down the shaft, seizes it in its claws and is gone. Above you the thaw has "
    "begun, and the town council of Tollmere pays you well. But the old folk say that a "
    "half-crown is worse than none: it will call the winter back to whoever dares to wear "
    "it. The raven flew west, towards the drowned moor and the ruined abbey of Saint Ysra.";

const char kDefeat3[] =
    "You fall before the Crown Chamber, and Varn's chant rises to a scream of triumph. "
    "Snow begins to fall over the Greyspire. But the crown's cold has not yet set for "
    "good: gather whoever can still stand and go down once more.";

const char* const kRows3[kBoardH] = {
    "##########################",  //  0
    "#bbbbbbb#pppppp##aaaa#####",  //  1  b barracks, p fimir pens, a sealed armoury
    "#bbbbbbb#pppppp##aaaa#####",  //  2
    "#bbbbbbb#pppppp##aaaa#####",  //  3
    "#bbbbbbb#pppppp##aaaa#####",  //  4
    "#bbbbbbb#pppppp###.#######",  //  5
    "####.######.######.#######",  //  6
    "#..................#######",  //  7
    "#.######hhhhhhhhh#ccccccc#",  //  8  h hall of pillars, c crown chamber
    "#.ssss##hhhhhhhhh#ccccccc#",  //  9  s hidden shrine
    "#.ssss##hhhhhhhhh.ccccccc#",  // 10
    "#.ssss##hhhhhhhhh#ccccccc#",  // 11
    "#.######hhhhhhhhh#ccccccc#",  // 12
    "#.######hhhhhhhhh#ccccccc#",  // 13
    "#eeeee######.#####ccccccc#",  // 14  e the stair down
    "#eeeee#kkkkkkkkk##ccccccc#",  // 15  k torture chamber
    "#eeeee.kkkkkkkkk##ccccccc#",  // 16
    "#eeeee#kkkkkkkkk##ccccccc#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildWinterCrown1() {
  QuestBuilder q({kSeries, "The Smugglers' Warren", 1, kChapters, 3 /* unlock blue door */,
                  kGoblin, 30, 80, kBriefing1, kVictory1, kDefeat1});
  q.Floor(kRows1, {{'#', 7}, {'.', 8}, {'1', 1}, {'d', 14}, {'s', 12}, {'h', 25}, {'g', 16},
                   {'c', 5}, {'w', 19}, {'z', 26}});

  q.Door(5, 9, 'E', kDoorOpen);     // tunnel mouth
  q.Door(7, 9, 'E', kDoorOpen);     // guard cave, west
  q.Door(10, 4, 'S', kDoorOpen);    // den, south
  q.Door(10, 6, 'S', kDoorOpen);    // guard cave, north
  q.Door(13, 2, 'E', kDoorOpen);    // den, east
  q.Door(15, 2, 'E', kDoorOpen);    // store, west
  q.Door(20, 2, 'E', kDoorHidden);  // the smugglers' cache
  q.Door(18, 5, 'S', kDoorOpen);    // store, south
  q.Door(18, 7, 'S', kDoorOpen);    // hall, north
  q.Door(12, 10, 'E', kDoorOpen);   // guard cave, east
  q.Door(14, 10, 'E', kDoorOpen);   // hall, west
  q.Door(10, 11, 'S', kDoorOpen);   // guard cave, south
  q.Door(10, 12, 'S', kDoorOpen);   // warren, north
  q.Door(5, 15, 'E', kDoorOpen);    // the back way in
  q.Door(6, 15, 'E', kDoorOpen);    // warren, west
  q.Door(21, 11, 'E', kDoorOpen);   // hall, east
  q.Door(22, 14, 'S', kDoorBlue);   // the gate

  // The party waits on the mountainside below the warren.
  q.Party(1, 16);
  q.Put(kRubble, 3, 1);
  q.Put(kStatue, 4, 4);
  q.Put(kBones, 3, 12);
  SetName(q.Put(kGoblin, 3, 7), "Goblin Sentry");
  q.Omen(4, 9, 21, "Orc tracks in the snow lead into a tunnel mouth in the rock.",
         "From somewhere inside comes the beat of drums.");

  // The guard cave.
  q.Put(kBarrel, 8, 7);
  q.Put(kBarrel, 12, 7);
  q.Put(kCrates, 8, 11);
  q.Put(kGoblin, 9, 8);
  q.Put(kOrc, 11, 8);
  q.Put(kGoblin, 11, 10);
  q.Trap(kPitTrap, 10, 12);

  // The sleeping den.
  q.Put(kCrates, 8, 1);
  q.Put(kBarrel, 8, 4);
  q.Put(kCupboard, 12, 4);
  q.Put(kGoblinShaman, 11, 1);
  q.Put(kGoblin, 9, 2);
  q.Put(kGoblin, 12, 3);

  // The smugglers' store and the cache behind it.
  q.Put(kCrates, 17, 1);
  q.Put(kCrates, 19, 1);
  q.Put(kBarrel, 20, 4);
  q.Put(kBarrel, 19, 5);
  SetChestGold(q.Put(kTreasureChest, 16, 5), 60, "Smuggled silver, wrapped in oilcloth.");
  q.Put(kOrc, 18, 3);
  q.Omen(18, 2, 21, "The smugglers' store. A cold draught blows through a crack",
         "in the east wall.");
  SetScript(q.Put(kWeaponRack, 22, 1), kScriptGive, 0, 0, kGiveFighterOffence, 1, 13,
            "You take a heavy war axe from the smugglers' hidden rack.",
            "A fighter's offence increases by one.");
  SetChestGold(q.Put(kTreasureChest, 23, 3), 100,
               "The smugglers' own savings, hidden from the orcs.");

  // Grumak's hall.
  q.Put(kThrone, 20, 8);
  q.Put(kTable, 16, 10);
  q.Put(kFireplace, 18, 13);
  ObjectRecord& grumak = q.Put(kOrcChieftain, 19, 9);
  SetName(grumak, "Grumak");
  grumak.inventory[kInvBlueKeys] = 1;
  SetName(q.Put(kBeastman, 16, 8), "Varn's Envoy");
  q.Put(kOrc, 15, 12);
  q.Put(kOrc, 19, 11);

  // The goblin warren.
  q.Put(kRubble, 12, 17);
  q.Put(kBones, 7, 17);
  q.Put(kGoblin, 8, 14);
  q.Put(kOrc, 9, 16);
  q.Put(kGoblin, 11, 16);

  // The way to the gate, and the gate hall beyond it.
  q.Trap(kDartTrap, 22, 13);
  q.Put(kStairsDown, 23, 16);
  q.Put(kStatue, 20, 17);
  return q.Problems();
}

std::vector<std::string> BuildWinterCrown2() {
  QuestBuilder q({kSeries, "The Halls of Rime", 2, kChapters, 8 /* kill all frozen */,
                  kIceImp, 40, 120, kBriefing2, kVictory2, kDefeat2});
  q.Floor(kRows2, {{'#', 7}, {'.', 8}, {'l', 26}, {'h', 17}, {'k', 23}, {'r', 6},
                   {'w', 15}, {'s', 27}, {'v', 12}});

  q.Door(5, 3, 'E', kDoorOpen);     // landing, east
  q.Door(7, 3, 'E', kDoorOpen);     // hall, west
  q.Door(17, 2, 'E', kDoorOpen);    // hall, east
  q.Door(19, 2, 'E', kDoorOpen);    // library, west
  q.Door(3, 5, 'S', kDoorOpen);     // landing, south
  q.Door(3, 8, 'S', kDoorOpen);     // barracks, north
  q.Door(12, 7, 'S', kDoorOpen);    // hall, south
  q.Door(12, 9, 'S', kDoorOpen);    // well, north
  q.Door(22, 6, 'S', kDoorOpen);    // library, south
  q.Door(6, 11, 'E', kDoorOpen);    // barracks, east
  q.Door(8, 11, 'E', kDoorOpen);    // well, west
  q.Door(14, 13, 'E', kDoorOpen);   // well, east
  q.Door(16, 13, 'E', kDoorRed);    // the sanctum's seal
  q.Door(2, 13, 'S', kDoorHidden);  // the trader's hiding place
  q.Door(2, 14, 'S', kDoorOpen);

  // The party comes down the stair onto the landing.
  q.Party(3, 3);
  q.Put(kStairsUp, 1, 1);
  q.Put(kStatue, 1, 5);

  // The Hall of Rime.
  q.Put(kPillar, 10, 2);
  q.Put(kPillar, 15, 2);
  q.Put(kPillar, 10, 6);
  q.Put(kPillar, 15, 6);
  q.Put(kStatue, 12, 1);
  q.Put(kStatue, 13, 1);
  q.Put(kRubble, 17, 7);
  q.Put(kFrostTroll, 13, 3);
  q.Put(kIceImp, 9, 5);
  q.Put(kIceImp, 16, 4);
  q.Put(kYeti, 13, 6);
  q.Omen(11, 4, 21, "Your breath turns to frost. The walls are sheathed in blue ice,",
         "and shapes move behind it.");

  // The keepers' library, with the key to the red seal.
  SetScript(q.Put(kBookcase, 21, 1), kScriptGive, 0, 0, kGiveMindAndExp, 2, 14,
            "A keepers' book of warding runes, still legible under the frost.",
            "You study it: mind and experience +2.");
  q.PutTurned(kBookcase, 24, 3);
  q.Put(kTable, 21, 3);
  q.Put(kRedKeyChest, 24, 6);
  q.Put(kIceGolem, 23, 5);
  q.Put(kIceImp, 20, 5);
  q.Omen(23, 2, 20, "The keepers' library. An iron chest sits in the corner,",
         "watched over by a hulking figure of ice.");
  // A trap door at the end of the library passage and its twin in the barracks.
  q.Put(kTrapDoor, 22, 10);

  // The frozen barracks.
  q.PutTurned(kWeaponRack, 1, 11);
  q.Put(kCrates, 6, 9);
  q.Put(kTrapDoor, 6, 13);
  q.Put(kFrostTroll, 4, 11);
  q.Put(kIceImp, 2, 10);
  q.Put(kIceImp, 5, 12);
  q.Omen(3, 12, 0, "Somewhere behind the south wall a faint voice is calling for help.", "-");

  // The trader's hiding place behind the barracks.
  ObjectRecord& trader = q.Put(kMerchant, 3, 16);
  SetName(trader, "Trader Tobin");
  CopyText(trader.text1, "\"Warm faces at last! Buy something, friends, and get me out of here.\"",
           kScriptTextLen);
  SetChestGold(q.Put(kTreasureChest, 5, 17), 80,
               "Tobin's strongbox. \"Take it, take it - just keep them away!\"");
  q.Put(kBarrel, 1, 17);

  // The crystal well.
  q.Put(kFountain, 11, 13);
  q.Put(kStatue, 9, 17);
  q.Put(kStatue, 14, 17);
  q.Put(kIceImp, 13, 11);
  q.Put(kYeti, 12, 16);
  q.Trap(kPitTrap, 12, 8);

  // Hrimwen's sanctum.
  q.Put(kAltar, 21, 11);
  q.Put(kPillar, 18, 11);
  q.Put(kMagicCircle, 18, 16);
  SetChestGold(q.Put(kTreasureChest, 24, 11), 150,
               "Hrimwen's hoard: coins frozen together in a block of ice.");
  SetName(q.Put(kIceWitch, 22, 14), "Hrimwen");
  q.Put(kFrostTroll, 19, 12);
  q.Put(kYeti, 23, 16);
  CopyText(q.Trap(kArrowTrap, 17, 13).text1, "Icicles break from the vault and fall on you!",
           kScriptTextLen);
  q.Omen(20, 14, 21, "Hrimwen turns from her altar: \"Warm blood... it has been so long.\"",
         "-");
  return q.Problems();
}

std::vector<std::string> BuildWinterCrown3() {
  QuestBuilder q({kSeries, "The Crown of Winter", 3, kChapters, 0 /* slay Varn */,
                  kBeastman, 80, 200, kBriefing3, kVictory3, kDefeat3});
  q.Floor(kRows3, {{'#', 7}, {'.', 8}, {'b', 21}, {'p', 16}, {'a', 3}, {'h', 24},
                   {'s', 22}, {'c', 20}, {'e', 4}, {'k', 18}});

  q.Door(4, 5, 'S', kDoorOpen);     // barracks
  q.Door(11, 5, 'S', kDoorOpen);    // pens
  q.Door(12, 7, 'S', kDoorOpen);    // hall, north
  q.Door(1, 10, 'E', kDoorHidden);  // the keepers' shrine
  q.Door(1, 13, 'S', kDoorOpen);    // stair room, north
  q.Door(5, 16, 'E', kDoorOpen);    // stair room, east
  q.Door(6, 16, 'E', kDoorOpen);    // torture chamber, west
  q.Door(12, 13, 'S', kDoorOpen);   // hall, south
  q.Door(12, 14, 'S', kDoorOpen);   // torture chamber, north
  q.Door(16, 10, 'E', kDoorOpen);   // hall, east
  q.Door(17, 10, 'E', kDoorBlue);   // the Crown Chamber

  // The party arrives at the foot of the stair.
  q.Party(3, 14);
  q.Put(kStairsUp, 1, 16);

  // The barracks of Varn's champion.
  q.Put(kWeaponRack, 4, 1);
  q.Put(kTable, 2, 3);
  q.Put(kBarrel, 7, 1);
  q.Put(kCrates, 7, 5);
  ObjectRecord& kharst = q.Put(kChaosWarrior, 6, 2);
  SetName(kharst, "Kharst");
  kharst.inventory[kInvBlueKeys] = 1;
  q.Put(kBeastman, 5, 4);
  q.Put(kBeastman, 1, 5);

  // The fimir pens, and the lever that opens the sealed armoury.
  ObjectRecord& lever = q.Put(kLever, 14, 1);
  lever.scriptvar[kScriptX] = 18;  // the armoury's doorway tile: a door opens to the passage
  lever.scriptvar[kScriptY] = 4;
  q.Put(kBones, 9, 5);
  q.Put(kRubble, 12, 1);
  q.Put(kFimir, 10, 2);
  q.Put(kFimir, 13, 4);

  // The sealed armoury.
  SetScript(q.Put(kWeaponRack, 18, 1), kScriptGive, 0, 0, kGiveFighterOffence, 1, 13,
            "The keepers' blades are still bright. You choose the best of them.",
            "A fighter's offence increases by one.");
  SetChestGold(q.Put(kTreasureChest, 20, 1), 100, "The armoury's pay chest, sealed for centuries.");
  SetScript(q.Put(kAlchemyBench, 19, 3), kScriptGive, 0, 0, kGiveHeal, 4, 14,
            "Among the keepers' flasks one still glows warm.",
            "You drink: up to 4 lost life is healed.");
  q.Put(kBarrel, 17, 4);

  // The hall of pillars.
  q.Put(kPillar, 9, 9);
  q.Put(kPillar, 15, 9);
  q.Put(kPillar, 9, 12);
  q.Put(kPillar, 15, 12);
  q.Put(kBeastman, 11, 9);
  q.Put(kBeastman, 14, 11);
  q.Put(kFimir, 10, 11);
  q.Omen(12, 10, 20, "Chanting echoes through the hall from the east.",
         "The air smells of frost and burnt hair.");
  q.Trap(kPitTrap, 9, 7);

  // The keepers' hidden shrine.
  q.Put(kMagicCircle, 4, 10);
  SetChestGold(q.Put(kTreasureChest, 2, 11), 120,
               "The keepers' last offering, left for whoever came after.");
  q.Put(kStatue, 5, 9);

  // The torture chamber.
  q.Put(kTortureRack, 9, 15);
  q.Put(kTortureRack, 13, 15);
  q.Put(kBones, 7, 17);
  q.Put(kRubble, 15, 17);
  q.Put(kFimir, 11, 16);
  q.Put(kBeastman, 14, 17);
  q.Trap(kDartTrap, 12, 14);

  // The Crown Chamber.
  q.Put(kThrone, 23, 8);
  q.Put(kMagicCircle, 21, 11);
  q.Put(kPillar, 20, 9);
  q.Put(kPillar, 20, 15);
  q.Put(kStatue, 18, 17);
  q.Put(kStatue, 24, 17);
  SetChestGold(q.Put(kTreasureChest, 24, 15), 200,
               "Varn's war chest, meant to pay an army of beastmen.");
  ObjectRecord& varn = q.Put(kChaosSorcerer, 23, 12);
  SetName(varn, "Varn the Hollow");
  SetScript(varn, kScriptWonRevealAll, 0, 0, 0, 0, 17,
            "Varn shrieks as the crown's cold turns on its master.",
            "The ritual is broken, and the Winter Crown cracks in two!");
  q.Put(kChaosWarrior, 19, 9);
  q.Put(kChaosWarrior, 19, 15);
  SetName(q.Put(kIceWitch, 22, 16), "Bound Witch");
  q.Omen(20, 12, 17, "Varn looks up from the glowing circle: \"You are too late, heroes.\"",
         "-");
  return q.Problems();
}
