// "The Winter Crown", chapters 4 to 6: the chase after the half of the crown that a
// white raven carried off. Goblins loot the flooded moor (chapter 4, drive out every
// greenskin), the dead walk in the abbey of Saint Ysra (chapter 5, unlock the red door
// of the undercroft), and the raven's mistress wears the half-crown in the ice beneath
// it (chapter 6, slay her).
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

constexpr const char* kSeries = "wintercrown";
constexpr int kChapters = 6;

// ---------------------------------------------------------------- chapter 4

const char kBriefing4[] =
    "The thaw came all at once. Meltwater from the Greyspire has drowned the moor road, "
    "and the Mudfoot goblins have come down from the hills to loot the flooded farms. "
    "They hold the Brannock farmstead, the barn where Trader Tobin sheltered his cart, the "
    "drowned chapel and the broken watchtower, where their chieftain Gurra counts the "
    "spoils. The raven's track leads across this moor, and no one will guide you further "
    "while the goblins rule it. Drive out every greenskin. Tobin, if he still lives, may "
    "have goods to sell.";

const char kVictory4[] =
    "The Mudfoot tribe flees into the hills, and the moor folk come out of hiding to thank "
    "you. An old shepherd has seen the white raven: every dusk it flies to the abbey of "
    "Saint Ysra, where the monks were buried a hundred years ago. \"The dead don't sleep "
    "there any more,\" he says, and spits into the water.";

const char kDefeat4[] =
    "The goblins' arrows drive you back into the flood. You drag yourselves out onto the "
    "road, soaked and bleeding, while the Mudfoot drums laugh across the water. Dry your "
    "boots and cross the moor again.";

const char* const kRows4[kBoardH] = {
    "11111111111111111111111111",  //  0  1 the drowned moor
    "1ffffff1111##1111bbbbbbb11",  //  1  f Brannock farmhouse, b Tobin's barn
    "1ffffff111####111bbbbbbb11",  //  2
    "1ffffff1111##1111bbbbbbb11",  //  3
    "1ffffff1111111111bbbbbbb11",  //  4
    "1ffffff1111111111bbbbbbb11",  //  5
    "11111111111111111111111111",  //  6
    "111##111111111111111##1111",  //  7  # pools of meltwater
    "11####1111111111111###1111",  //  8
    "111##111111111111111111111",  //  9
    "11111111ttttttt11111111111",  // 10  t the broken watchtower
    "1cccccc1ttttttt11111111111",  // 11  c the drowned chapel
    "1cccccc1ttttttt1111##11111",  // 12
    "1cccccc1ttttttt111####1111",  // 13
    "1cccccc1ttttttt1111##11111",  // 14
    "1cccccc1111111111111111111",  // 15
    "1cccccc1111111111111111111",  // 16
    "11111111111111111111111111",  // 17
    "11111111111111111111111111",  // 18
};

// ---------------------------------------------------------------- chapter 5

const char kBriefing5[] =
    "The abbey of Saint Ysra stands roofless on a hill above the flood. Its monks were "
    "buried in the cloister a hundred years ago, and now they walk again, called up by "
    "the cold of the half-crown below. The raven nests in the undercroft, and the only way "
    "down is through the red door behind the high altar. Brother Aldous, the last abbot, "
    "never gave up his keys: look for him among the dead. The postern gate in the west "
    "wall is a way out for anyone too hurt to go on.";

const char kVictory5[] =
    "The red door groans open on a stair of black ice, and the cold that breathes up from "
    "it is the cold of the Winter Crown. Far below, something sings in a woman's voice. "
    "The raven's mistress is waiting for you, and she is wearing the crown.";

const char kDefeat5[] =
    "The dead monks drive you out of the abbey and close ranks in the cloister. Their "
    "bell tolls on into the night. Bury your own fallen, and climb the hill once more.";

const char* const kRows5[kBoardH] = {
    "##########################",  //  0
    "#ggggg##nnnnnnnnnnnn##ddd#",  //  1  g gatehouse, n nave, d undercroft stair
    "#ggggg##nnnnnnnnnnnn##ddd#",  //  2
    "#ggggg..nnnnnnnnnnnn..ddd#",  //  3
    "#ggggg##nnnnnnnnnnnn##ddd#",  //  4
    "#ggggg##nnnnnnnnnnnn##ddd#",  //  5
    "###.#######.#####.########",  //  6
    "###.####cccccccccccc######",  //  7  c cloister
    "#rr.####cccccccccccc#ssss#",  //  8  r the postern, s scriptorium
    "#rr.....cccccccccccc.ssss#",  //  9
    "#rr.####cccccccccccc#ssss#",  // 10
    "########cccccccccccc#ssss#",  // 11
    "#kkkkkk#cccccccccccc#ssss#",  // 12  k kitchen
    "#kkkkkk.cccccccccccc######",  // 13
    "#kkkkkk#######.###########",  // 14
    "#kkkkkk#######.##aaaaaaaa#",  // 15  a the abbot's lodging
    "#kkkkkk#######...aaaaaaaa#",  // 16
    "##############.##aaaaaaaa#",  // 17
    "##########################",  // 18
};

// ---------------------------------------------------------------- chapter 6

const char kBriefing6[] =
    "Beneath the abbey lies a cathedral of ice that no mason built. Here Ysolde the White, "
    "once a sister of Saint Ysra and now the raven's mistress, wears the half-crown and "
    "sings the long winter back into the world. Her frozen servants guard every hall, and "
    "the crown's cold grows stronger with each verse. Slay Ysolde and the crown dies with "
    "her. Whatever else you find down here, leave the black mirror alone: the sisters "
    "wrote that it shows only death.";

const char kVictory6[] =
    "Ysolde's song breaks off in a shriek, and the half-crown shatters into snow on the "
    "cathedral floor. The ice begins to drip, then to run. When you climb out of the "
    "abbey the moor is green, larks are singing over the flood, and the long winter is "
    "over. Tollmere rings every bell it has, and your names are cut into the stone of the "
    "town hall, where they can be read to this day.";

const char kDefeat6[] =
    "The song of the half-crown fills the cathedral, and the cold closes over you. Far "
    "above, snow begins to fall on the green moor. Yet Ysolde's winter is not whole while "
    "any of you can still stand: gather the party and go down again.";

const char* const kRows6[kBoardH] = {
    "##########################",  //  0
    "#sssss#wwwwwwww#mmmmmmmmm#",  //  1  s stair foot, w well of frost, m the mirror hall
    "#sssss#wwwwwwww#mmmmmmmmm#",  //  2
    "#sssss.wwwwwwww.mmmmmmmmm#",  //  3
    "#sssss#wwwwwwww#mmmmmmmmm#",  //  4
    "##.####wwwwwwww#####.#####",  //  5
    "##.#######.#########.#####",  //  6
    "#ppppp#cccccccccccccccccc#",  //  7  p the sisters' cells, c the ice cathedral
    "#ppppp#cccccccccccccccccc#",  //  8
    "#ppppp.cccccccccccccccccc#",  //  9
    "#ppppp#cccccccccccccccccc#",  // 10
    "#ppppp#cccccccccccccccccc#",  // 11
    "##.####cccccccccccccccccc#",  // 12
    "#ooooo#cccccccccccccccccc#",  // 13  o ossuary of the sisters
    "#ooooo.cccccccccccccccccc#",  // 14
    "#ooooo#cccccccccccccccccc#",  // 15
    "#ooooo#cccccccccccccccccc#",  // 16
    "#ooooo#cccccccccccccccccc#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildWinterCrown4() {
  QuestBuilder q({kSeries, "The Drowned Moor", 4, kChapters, 5 /* kill all greenskins */,
                  kGoblin, 50, 150, kBriefing4, kVictory4, kDefeat4});
  q.Floor(kRows4, {{'#', 7}, {'1', 1}, {'f', 3}, {'b', 14}, {'t', 16}, {'c', 9}});

  q.Door(3, 5, 'S', kDoorOpen);     // farmhouse
  q.Door(6, 3, 'E', kDoorOpen);
  q.Door(16, 3, 'E', kDoorOpen);    // barn, west
  q.Door(20, 5, 'S', kDoorOpen);    // barn, south
  q.Door(11, 9, 'S', kDoorOpen);    // watchtower, north
  q.Door(14, 13, 'E', kDoorOpen);   // watchtower, east
  q.Door(6, 13, 'E', kDoorOpen);    // chapel, east
  q.Door(3, 10, 'S', kDoorOpen);    // chapel, north

  // The party comes along the drowned road from the south-east.
  q.Party(22, 16);
  q.Put(kRubble, 24, 10);
  q.Put(kBones, 17, 8);
  q.Put(kStatue, 9, 7);
  SetName(q.Put(kGoblin, 16, 15), "Goblin Scout");
  q.Put(kGoblin, 12, 5);
  q.Omen(20, 16, 21, "Meltwater lies knee-deep across the moor road. Smoke rises from",
         "a farmhouse, and goblin voices argue over loot.");

  // The farmhouse.
  q.Put(kTable, 3, 2);
  q.Put(kFireplace, 3, 1);
  q.Put(kCupboard, 5, 5);
  q.Put(kBarrel, 1, 5);
  q.Put(kGoblin, 2, 4);
  q.Put(kGoblin, 5, 2);
  q.Put(kOrc, 1, 2);
  q.Put(kOrc, 6, 4);

  // Tobin's barn.
  ObjectRecord& tobin = q.Put(kMerchant, 23, 1);
  SetName(tobin, "Trader Tobin");
  CopyText(tobin.text1, "\"You again! The goblins took my cart, but not my best goods.\"",
           kScriptTextLen);
  q.Put(kCrates, 17, 1);
  q.Put(kCrates, 18, 1);
  q.Put(kBarrel, 23, 5);
  q.Put(kBarrel, 17, 5);
  q.Put(kGoblin, 20, 2);
  q.Put(kOrc, 19, 4);
  q.Put(kOrc, 21, 4);
  q.Put(kGoblinShaman, 22, 3);
  q.Trap(kDartTrap, 20, 6);

  // The watchtower, the goblins' camp.
  q.Put(kRubble, 8, 10);
  q.Put(kTable, 10, 12);
  SetChestGold(q.Put(kTreasureChest, 14, 10), 90, "The Mudfoot spoils: farm silver and a few gold rings.");
  ObjectRecord& gurra = q.Put(kOrcChieftain, 13, 12);
  SetName(gurra, "Gurra Mudfoot");
  q.Put(kOrc, 9, 14);
  q.Put(kOrc, 9, 11);
  q.Put(kOrc, 12, 11);
  q.Put(kGoblin, 12, 14);
  q.Put(kGoblin, 14, 14);
  q.Put(kBones, 8, 14);
  q.Omen(11, 11, 18, "Gurra Mudfoot sits on a heap of loot and bellows at you:",
         "\"Moor is Mudfoot moor now! Go drown!\"");

  // The drowned chapel.
  SetScript(q.Put(kAltar, 3, 12), kScriptGive, 0, 0, kGiveHeal, 3, 14,
            "The chapel's altar stands above the water. You pray there a while.",
            "Up to 3 lost life is healed.");
  q.Put(kStatue, 1, 11);
  q.Put(kStatue, 6, 11);
  q.Put(kRubble, 1, 16);
  q.Put(kGoblin, 4, 15);
  q.Put(kOrc, 2, 14);
  SetChestGold(q.Put(kTreasureChest, 6, 16), 50, "The chapel's poor box, still full.");
  return q.Problems();
}

std::vector<std::string> BuildWinterCrown5() {
  QuestBuilder q({kSeries, "The Abbey of Saint Ysra", 5, kChapters, 2 /* unlock red door */,
                  kZombie, 60, 160, kBriefing5, kVictory5, kDefeat5});
  q.Floor(kRows5, {{'#', 7}, {'.', 8}, {'g', 2}, {'n', 11}, {'d', 6}, {'c', 9}, {'r', 16},
                   {'s', 12}, {'k', 5}, {'a', 27}});

  q.Door(5, 3, 'E', kDoorOpen);     // gatehouse, east
  q.Door(7, 3, 'E', kDoorOpen);     // nave, west
  q.Door(19, 3, 'E', kDoorOpen);    // nave, east: the passage to the undercroft door
  q.Door(21, 3, 'E', kDoorRed);     // the undercroft
  q.Door(3, 5, 'S', kDoorOpen);     // gatehouse, south
  q.Door(11, 6, 'S', kDoorOpen);    // cloister, north (from the nave)
  q.Door(11, 5, 'S', kDoorOpen);
  q.Door(17, 5, 'S', kDoorOpen);
  q.Door(17, 6, 'S', kDoorOpen);
  q.Door(2, 9, 'E', kDoorOpen);     // the postern
  q.Door(7, 9, 'E', kDoorOpen);     // cloister, west
  q.Door(19, 9, 'E', kDoorOpen);    // cloister, east
  q.Door(20, 9, 'E', kDoorHidden);  // the scriptorium
  q.Door(6, 13, 'E', kDoorOpen);    // kitchen, east
  q.Door(7, 13, 'E', kDoorOpen);
  q.Door(14, 13, 'S', kDoorOpen);   // cloister, south
  q.Door(16, 16, 'E', kDoorOpen);   // the abbot's lodging

  // The party comes in through the gatehouse.
  q.Party(2, 2);
  q.Put(kStatue, 1, 1);
  q.Put(kBones, 5, 5);
  q.Omen(3, 4, 20, "Frost lies on the abbey stones in high summer. Somewhere a bell",
         "tolls, though the bell tower fell long ago.");

  // The nave.
  q.Put(kPillar, 9, 2);
  q.Put(kPillar, 9, 4);
  q.Put(kPillar, 18, 2);
  q.Put(kPillar, 18, 4);
  q.Put(kAltar, 13, 1);
  q.Put(kStatue, 8, 1);
  q.Put(kStatue, 19, 1);
  q.Put(kSkeleton, 12, 3);
  q.Put(kSkeleton, 16, 2);
  q.Put(kZombie, 14, 4);
  q.Put(kMummy, 10, 2);
  q.Put(kWraith, 16, 4);
  q.Put(kSkeleton, 19, 5);

  // The undercroft stair beyond the red door.
  q.Put(kStairsDown, 23, 4);

  // The cloister, with the monks' graves.
  q.Put(kTomb, 9, 8);
  q.Put(kTomb, 17, 8);
  q.Put(kTomb, 9, 12);
  q.Put(kTomb, 17, 12);
  q.Put(kFountain, 13, 10);
  q.Put(kZombie, 11, 9);
  q.Put(kSkeleton, 15, 11);
  q.Put(kMummy, 12, 12);
  q.Put(kSkeleton, 18, 10);
  q.Put(kMummy, 15, 8);
  q.Put(kWraith, 9, 10);
  ObjectRecord& rope = q.Put(kLever, 10, 10);
  SetName(rope, "Bell Rope");
  SetScript(rope, kScriptRevealRoom, 0, 0, 3, 15, 21,
            "You pull the old bell rope. Far off, in the kitchens, something",
            "answers the bell with a groan.");
  q.Trap(kPitTrap, 14, 14);

  // The postern, a way out for the badly hurt.
  SetName(q.Put(kRetreatPoint, 1, 9), "Postern Gate");
  q.Put(kBarrel, 1, 8);

  // The kitchen.
  q.Put(kFireplace, 3, 12);
  q.Put(kTable, 3, 14);
  q.Put(kCupboard, 5, 16);
  q.Put(kBarrel, 1, 16);
  q.Put(kZombie, 6, 13);
  q.Put(kSkeleton, 2, 16);

  // The hidden scriptorium.
  SetScript(q.PutTurned(kBookcase, 24, 10), kScriptGive, 0, 0, kGiveMindAndExp, 2, 14,
            "The sisters' prayer against the cold, copied in a careful hand.",
            "You learn it by heart: mind and experience +2.");
  q.Put(kTable, 22, 11);
  SetChestGold(q.Put(kTreasureChest, 21, 8), 110, "The abbey's tithe, hidden from the tax men.");

  // The abbot's lodging.
  q.Put(kThrone, 23, 15);
  q.Put(kBookcase, 19, 17);
  ObjectRecord& aldous = q.Put(kWraith, 21, 16);
  SetName(aldous, "Brother Aldous");
  aldous.inventory[kInvRedKeys] = 1;
  aldous.attribute[kLife] = aldous.attribute[kLifeMax] = 4;
  q.Put(kMummy, 19, 15);
  q.Put(kMummy, 22, 17);
  q.Put(kWraith, 18, 16);
  q.Put(kSkeleton, 24, 17);
  SetChestGold(q.Put(kTreasureChest, 17, 15), 80, "The abbot's purse, with his seal on it.");
  q.Omen(20, 16, 17, "A cowled figure turns from the window. Keys clink at its belt:",
         "\"No one goes down. No one.\"");
  return q.Problems();
}

std::vector<std::string> BuildWinterCrown6() {
  QuestBuilder q({kSeries, "The White Raven", 6, kChapters, 0 /* slay Ysolde */, kIceImp,
                  100, 300, kBriefing6, kVictory6, kDefeat6});
  q.Floor(kRows6, {{'#', 7}, {'.', 8}, {'s', 6}, {'w', 15}, {'m', 13}, {'p', 2}, {'c', 17},
                   {'o', 23}});

  q.Door(5, 3, 'E', kDoorOpen);     // stair foot, east
  q.Door(6, 3, 'E', kDoorOpen);     // well, west: a short bridge
  q.Door(14, 3, 'E', kDoorOpen);    // well, east
  q.Door(15, 3, 'E', kDoorHidden);  // the mirror hall
  q.Door(2, 4, 'S', kDoorOpen);     // stair foot, south
  q.Door(2, 6, 'S', kDoorOpen);     // cells, north
  q.Door(10, 5, 'S', kDoorOpen);    // well, south
  q.Door(10, 6, 'S', kDoorOpen);    // cathedral, north
  q.Door(20, 4, 'S', kDoorOpen);    // mirror hall, south
  q.Door(20, 6, 'S', kDoorOpen);
  q.Door(5, 9, 'E', kDoorOpen);     // cells, east
  q.Door(6, 9, 'E', kDoorOpen);
  q.Door(2, 11, 'S', kDoorOpen);    // ossuary, north
  q.Door(2, 12, 'S', kDoorOpen);
  q.Door(5, 14, 'E', kDoorOpen);    // ossuary, east
  q.Door(6, 14, 'E', kDoorOpen);

  // The party at the foot of the black ice stair.
  q.Party(2, 2);
  q.Put(kStairsUp, 4, 1);

  // The well of frost.
  q.Put(kFountain, 10, 2);
  q.Put(kIceImp, 8, 1);
  q.Put(kIceImp, 13, 4);
  q.Put(kFrostTroll, 11, 4);
  q.Omen(9, 3, 21, "A well of frozen water. Through the ice you can see faces,",
         "still and patient, looking up.");

  // The mirror hall behind its hidden door.
  ObjectRecord& mirror = q.Put(kStatue, 24, 1);
  SetName(mirror, "Black Mirror");
  SetScript(mirror, kScriptInstantDeath, 0, 0, 0, 0, 12,
            "!You look into the black mirror, and it looks back.",
            "Your heart stops with the cold.");
  SetChestGold(q.Put(kTreasureChest, 16, 1), 150, "The sisters' silver, black with frost.");
  SetScript(q.PutTurned(kWeaponRack, 24, 3), kScriptGive, 0, 0, kGiveDefence, 1, 13,
            "A shield of the old sisters, cut from a single plate of ice-bright steel.",
            "Your defence increases by one.");
  q.Put(kMagicCircle, 20, 2);
  q.Put(kIceGolem, 22, 3);

  // The sisters' cells.
  q.Put(kTable, 3, 8);
  q.Put(kCupboard, 4, 11);
  q.Put(kBarrel, 5, 7);
  q.Put(kYeti, 2, 10);
  q.Put(kIceImp, 1, 9);

  // The ossuary.
  q.Put(kTomb, 3, 13);
  q.Put(kTomb, 1, 16);
  q.Put(kBones, 5, 17);
  SetScript(q.Put(kAlchemyBench, 3, 17), kScriptGive, 0, 0, kGiveHeal, 4, 14,
            "The sisters' physic still works: warm and bitter.",
            "Up to 4 lost life is healed.");
  q.Put(kSkeleton, 4, 14);
  q.Put(kWraith, 3, 15);

  // The ice cathedral.
  q.Put(kPillar, 10, 9);
  q.Put(kPillar, 15, 9);
  q.Put(kPillar, 20, 9);
  q.Put(kPillar, 10, 14);
  q.Put(kPillar, 15, 14);
  q.Put(kPillar, 20, 14);
  q.Put(kThrone, 23, 11);
  q.Put(kAltar, 23, 8);
  q.Put(kStatue, 24, 16);
  q.Put(kStatue, 24, 17);
  SetChestGold(q.Put(kTreasureChest, 8, 17), 120, "Offerings to the winter, left by Ysolde's flock.");
  ObjectRecord& ysolde = q.Put(kIceWitch, 22, 12);
  SetName(ysolde, "Ysolde");
  SetScript(ysolde, kScriptWonRevealXY, 0, 0, 12, 11, 17,
            "Ysolde falls, and the half-crown shatters into snow.",
            "The long winter is broken!");
  q.Put(kFrostTroll, 20, 11);
  q.Put(kFrostTroll, 21, 15);
  q.Put(kYeti, 13, 8);
  q.Put(kIceGolem, 18, 12);
  q.Put(kIceImp, 12, 16);
  q.Put(kIceImp, 16, 17);
  q.Put(kChaosWarrior, 9, 12);
  q.Put(kChaosWarrior, 17, 16);
  q.Trap(kArrowTrap, 10, 7);
  CopyText(q.Trap(kArrowTrap, 7, 14).text1, "Shards of ice break from the vault and rain on you!",
           kScriptTextLen);
  q.Omen(16, 11, 17, "A woman in white sings on a throne of ice. On her brow",
         "sits half a crown, and the cold pours from it like light.");
  return q.Problems();
}
