// "The Sunken Library": a stand-alone quest of my own choosing, a puzzle-box of a
// wizard's library half under water. The dead librarians must all be laid to rest; a
// trap door in the stacks drops to a drowned vault that no corridor reaches, and a chart
// in the map room shows the way into the master's study.
#include "quest_builder.h"
#include "quest_plans.h"

namespace {

const char kBriefing[] =
    "The library of the wizard Quillon sank into the marsh a century ago, and the "
    "College of Saltreach has only now found its roof. Its scholars went down with "
    "lanterns and came back up without them, screaming that the librarians were still "
    "at work. Quillon bound his servants to guard his books for ever, and death has not "
    "released them. Lay every one of the dead librarians to rest. The College wants "
    "Quillon's books; what else you find below is yours. A trap door in the stacks is "
    "said to lead to the drowned vault, where the wizard kept his gold.";

const char kVictory[] =
    "The last of Quillon's servants crumbles into wet dust, and the library falls "
    "silent but for the drip of water. The College's scholars come down with new "
    "lanterns and carry up the books one by one, weeping over the water stains. They "
    "pay you from the College purse and promise to name a reading room after you.";

const char kDefeat[] =
    "The dead librarians drive you back up to the marsh, and the water closes over "
    "the library roof again. The College will try again next summer, when the marsh is "
    "low. They would rather it were you.";

const char* const kRows[kBoardH] = {
    "##########################",  //  0
    "#llllll##rrrrrrrr##mmmmmm#",  //  1  l landing, r reading room, m map room
    "#llllll##rrrrrrrr##mmmmmm#",  //  2
    "#llllll..rrrrrrrr..mmmmmm#",  //  3
    "#llllll##rrrrrrrr##mmmmmm#",  //  4
    "#llllll##rrrrrrrr##mmmmmm#",  //  5
    "###.#####rrrrrrrr##mmmmmm#",  //  6
    "###.########.#############",  //  7
    "#gggggggg###.#############",  //  8  g the flooded stacks
    "#gggggggg##ssssss##qqqqqq#",  //  9  s scriptorium, q Quillon's study
    "#gggggggg##ssssss##qqqqqq#",  // 10
    "#gggggggg..ssssss..qqqqqq#",  // 11
    "#gggggggg##ssssss##qqqqqq#",  // 12
    "#gggggggg##ssssss##qqqqqq#",  // 13
    "#gggggggg##########qqqqqq#",  // 14
    "#gggggggg#vvvvvvv##qqqqqq#",  // 15  v the drowned vault (by trap door only)
    "#gggggggg#vvvvvvv##qqqqqq#",  // 16
    "#gggggggg#vvvvvvv##qqqqqq#",  // 17
    "##########################",  // 18
};

}  // namespace

std::vector<std::string> BuildSunkenLibrary() {
  QuestBuilder q({"sunkenlibrary", "The Sunken Library", 1, 1, 6 /* kill all undead */, kZombie,
                  40, 140, kBriefing, kVictory, kDefeat, "Tamsin Reede"});
  q.Floor(kRows, {{'#', 7}, {'.', 8}, {'l', 4}, {'r', 24}, {'m', 11}, {'g', 15}, {'s', 12},
                  {'q', 27}, {'v', 22}});

  q.Door(6, 3, 'E', kDoorOpen);     // landing, east
  q.Door(8, 3, 'E', kDoorOpen);     // reading room, west
  q.Door(16, 3, 'E', kDoorOpen);    // reading room, east
  q.Door(18, 3, 'E', kDoorOpen);    // map room
  q.Door(3, 5, 'S', kDoorOpen);     // landing, south
  q.Door(3, 7, 'S', kDoorOpen);     // the stacks, north
  q.Door(12, 6, 'S', kDoorOpen);    // reading room, south
  q.Door(12, 8, 'S', kDoorOpen);    // scriptorium, north
  q.Door(8, 11, 'E', kDoorOpen);    // the stacks, east
  q.Door(10, 11, 'E', kDoorOpen);   // scriptorium, west
  q.Door(16, 11, 'E', kDoorOpen);   // scriptorium, east
  q.Door(18, 11, 'E', kDoorHidden); // Quillon's study

  // The party climbs down through the roof onto the landing.
  q.Party(1, 1);
  q.Put(kStatue, 6, 1);
  q.Put(kRubble, 1, 5);
  q.Omen(4, 3, 20, "Water drips from the vault. Somewhere below, a quill",
         "is scratching on paper.");

  // The reading room.
  q.Put(kTable, 11, 2);
  q.Put(kTable, 14, 4);
  q.Put(kBookcase, 10, 1);
  q.Put(kBookcase, 15, 1);
  q.Put(kSkeleton, 13, 2);
  q.Put(kZombie, 10, 5);
  q.Put(kSkeleton, 16, 6);
  q.Trap(kDartTrap, 12, 7);

  // The map room, with the chart that shows the hidden study.
  ObjectRecord& chart = q.Put(kTable, 21, 3);
  SetName(chart, "Chart Table");
  SetScript(chart, kScriptRevealRoom, 0, 0, 21, 13, 13,
            "A chart of the library shows a study behind the scriptorium's",
            "east wall, with a door drawn where none can be seen.");
  q.Put(kBookcase, 22, 1);
  q.Put(kCupboard, 19, 6);
  q.Put(kMummy, 23, 5);
  q.Put(kSkeleton, 20, 1);

  // The flooded stacks.
  q.PutTurned(kBookcase, 1, 10);
  q.PutTurned(kBookcase, 1, 14);
  q.PutTurned(kBookcase, 4, 10);
  q.PutTurned(kBookcase, 4, 14);
  q.PutTurned(kBookcase, 7, 14);
  q.Put(kCupboard, 6, 8);
  SetScript(q.Put(kTrapDoor, 5, 17), kScriptHatchTeleport, 1, 0, 12, 16, 0,
            "The trap door gives way, and you splash down into the drowned vault.", "-");
  q.Put(kZombie, 2, 12);
  q.Put(kZombie, 6, 12);
  q.Put(kSkeleton, 3, 16);
  q.Omen(3, 12, 21, "Shelves of swollen books rise out of black water.",
         "Something moves between them, turning pages.");

  // The scriptorium.
  SetScript(q.Put(kAlchemyBench, 13, 13), kScriptGive, 0, 0, kGiveMind, 3, 14,
            "Quillon's ink still holds a trace of his power.",
            "You breathe it in: up to 3 lost mind returns.");
  q.Put(kTable, 12, 10);
  q.Put(kTable, 15, 9);
  q.Put(kMummy, 14, 12);
  q.Put(kSkeleton, 11, 13);

  // Quillon's study.
  q.Put(kThrone, 23, 9);
  q.Put(kBookcase, 21, 17);
  q.Put(kMagicCircle, 20, 13);
  SetChestGold(q.Put(kTreasureChest, 24, 17), 120, "Quillon's fees, paid by a century of pupils.");
  SetName(q.Put(kWraith, 22, 11), "Quillon");
  q.Put(kMummy, 20, 10);
  q.Put(kSkeleton, 23, 15);
  q.Omen(21, 11, 17, "Quillon looks up from his desk: \"Silence in the library!\"", "-");

  // The drowned vault, reached only by the trap door.
  SetScript(q.Put(kTrapDoor, 16, 15), kScriptHatchTeleport, 1, 0, 7, 16, 0,
            "You climb the rusty ladder and push up the trap door.", "-");
  SetChestGold(q.Put(kTreasureChest, 10, 15), 100, "Quillon's gold, green with age.");
  SetChestGold(q.Put(kTreasureChest, 10, 17), 80, "Silver plate, wrapped in oilcloth.");
  ObjectRecord& locker = q.Put(kCupboard, 13, 15);
  SetName(locker, "Sea Chest");
  locker.inventory[kInvGold] = 20;
  SetScript(locker, kScriptItem, 0, 0, 1, 1, 13, "In a sea chest lies a wizard's lamp that never",
            "goes out. You take it, and a few coins.");
  return q.Problems();
}
