// A monster's turn: it goes for the nearest hero or ally by path distance, gives up when
// nobody is within the enemy range, walks along the shortest path up to its walk value
// and attacks when it arrives next to its target. Monsters never open doors and never
// step onto tiles the heroes have not revealed.
#pragma once

// How the last monster turn went (also the developer line's numbers).
struct MonsterTurnRecord {
  int distance;   // steps of the chosen path (the enemy range + 1 when none was chosen)
  int walk;       // the walk value that bounded it
  int gotoTile;   // the step number the walk stopped at
  int advanced;   // tiles the monster itself entered
  int jumps;      // steps that ended a crossing of a fellow monster
  int result;     // MonsterTurnResult of the last walk action
  int ignoredPieces;  // 1 when only a path through other pieces was within range
  int attacked;   // 1 when it attacked
  int targetX, targetY;  // the tile it went for (-1 when none)
};
extern MonsterTurnRecord LastMonsterTurn;

enum MonsterTurnResult {
  kMonsterStood = 0,    // did not walk
  kMonsterMoved = 1,    // its last action was a step
  kMonsterCrossed = 2,  // its last action was crossing a fellow monster
  kMonsterStuck = 3,    // its way was blocked
};

// The turn of the monster on (x, y), which must be CurrentObject (a monster, side 3..9,
// anchored there). The walk value is its current walk attribute (below 0 counts as 0).
// A monster with no offence, or no life left, does nothing. After an attack, with the
// option "Multiple enemy turns" off, CurrentObject becomes 255, so the turn cycle goes
// back to the heroes at once. The enemy range counts as 0..99 whatever dunmar.cfg says.
// Returns 0 when the monster took its turn (moved or attacked, or found itself stuck),
// 1 when it did nothing.
int MonsterTurn(int x, int y);
