// The dungeon's content: stairs, the heroes beside the stairs they arrive by,
// furniture, treasure, traps and monsters, copied from the prefab table onto a board
// whose floor and doors the layout generator has just made. Every object is placed by
// matching a small pattern of conditions around a candidate tile. How much of each
// kind a level gets follows its depth relative to the last level.
#pragma once

// Who asks for the content; it decides the stairs and where the heroes arrive.
enum DungeonContentMode {
  kContentEditor = 0,      // no stairs up; the heroes stand by the stairs down
  kContentGoingUp = 1,     // both stairs; the heroes arrive by the stairs down
  kContentDescending = 2,  // both stairs; the heroes arrive by the stairs up
};

// The weights of a level, in single precision as the placement counts are truncated
// from them. lastLevel below 1 counts as 1; a level above it counts as the last level.
struct DungeonWeights {
  int level;  // the level after clamping
  float f;    // level / last level
  float early, halfed, later, doubled, mid;
  int goldBase;
};
DungeonWeights ComputeDungeonWeights(int level, int lastLevel);

// The condition bits of a pattern cell: the placement breaks when the tile ...
enum PlacementCondition {
  kMustBeFree = 1,             // ... holds an object with a picture
  kMustHaveNoDoor = 2,         // ... has a door on one of its edges
  kMustBeRoomFloor = 4,        // ... is rock or open ground
  kMustBeOpenGround = 8,       // ... is not open ground
  kMustBeRock = 16,            // ... is not rock
  kMustBeSameArea = 32,        // ... lies in another area than the candidate
  kMustBeOtherArea = 64,       // ... lies in the candidate's area
  kMustHaveNoArtifact = 128,   // ... holds an artifact in the candidate's area
  kMustHaveNoGreenskin = 256,  // ... holds a Greenskin in the candidate's area
  kMustBeArrivalStairs = 1024, // ... is not the arrival stairs in the candidate's area
};

// The twenty patterns: PlacementPatterns[p][dx + 2][dy + 2] is the condition of the
// tile (dx, dy) away from the candidate, dx and dy from -2 to +3.
constexpr int kPlacementPatternCount = 20;
extern const unsigned short PlacementPatterns[kPlacementPatternCount][6][6];

// Fills the current board (fresh from the layout generator, the object table free)
// for a dungeon level. Reseeds the shared generator with seed when it is above 0; the
// stairs, the furniture, then the merchant and the heroes follow from it (the
// furniture before the heroes, so that it does not depend on the way the party comes
// in). Then the generator is reseeded with the wall clock, so the traps and monsters
// differ from visit to visit. Reads [dungeon] lastlevel and [general] developer. Sets
// OpenFloorCode (1 when the board is mostly open ground, else 8). Returns how many
// required objects (the stairs, each of the four heroes) found no place; only with 0
// are the heroes moved into slots 1 to 4.
int generateDungeonContent(int mode, int level, int seed);

// Places copies of a prefab on tiles whose surroundings fit the pattern, each fitting
// tile with the chance in thousandths (1000 always places), up to maximum objects.
// Orientation 0 reads the pattern as it stands, 1 mirrored left to right; each tile is
// read once as given and once transposed. arrival is the picture of the stairs the
// heroes arrive by. Returns how many it placed and adds them to ObjectCount; an empty
// prefab slot or an unknown pattern places nothing.
int placePrefab(int prefab, int pattern, int chance, int maximum, int orientation, int arrival);

// 1 when tile (x, y) breaks the conditions in mask for a candidate whose floor is
// centreFloor, else 0. Heroes and stairs keep other objects out of their area, and no
// prefab stands in the area of one with its own picture, whatever the mask.
int placementRule(int x, int y, int mask, int centreFloor, int prefab, int arrival);
