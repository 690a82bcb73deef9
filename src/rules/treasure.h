// The treasure card: searching a crate or a heap of debris, with its odds, the trap
// bomb and the wandering monster.
#pragma once

// Outcomes of one search by the card drawn, d = 1..25.
enum TreasureOutcome {
  kTreasurePotion,      // 1..2: life + 3
  kTreasureGemstones,   // 3: 100 gold
  kTreasurePouch,       // 4..11: 10..50 gold
  kTreasureSword,       // 12: off + 1 for a physical fighter
  kTreasureShield,      // 13: def + 1
  kTreasureElixir,      // 14: walk + 1
  kTreasureGarbage,     // 15..16
  kTreasureTrapBomb,    // 17..20
  kTreasureWanderer,    // 21..25
};
TreasureOutcome TreasureOutcomeOf(int card);

// The prefab the spent trap bomb becomes.
constexpr int kTrapBombPrefab = 44;
// The wandering monster when the quest names none.
constexpr int kDefaultWanderingPrefab = 12;

// The object on (x, y) searches the object at (tx, ty) (on the ScriptMap when fromScript
// is 1). Returns the outcome.
TreasureOutcome SearchTreasure(int x, int y, int tx, int ty, int fromScript = 0);

// The searched object at (tx, ty) turns into a spent trap bomb that explodes under the
// object on (x, y), taking one life.
void TrapBomb(int x, int y, int tx, int ty, int fromScript = 0);

// A wandering monster appears next to the object on (x, y) and attacks it. Returns its
// slot, 0 when none could come.
int WanderingMonster(int x, int y);
