// "Swap usual enemy locations": at the start of a quest the ordinary monsters of a
// group trade places among the tiles they stand on, so a quest plays differently each
// time. Veterans (50 experience or more) and every other monster stay put.
#pragma once

enum EnemySwapGroup {
  kSwapGreenskins = 0,  // "Goblin", "Orc", "Fimir"
  kSwapUndead = 1,      // "Skeleton", "Zombie", "Mummy"
};

// Experience from which a usual enemy keeps its own tile.
constexpr int kSwapVeteranExp = 50;

// Shuffles the group's usual enemies among their own tiles of the ObjectMap (a group
// above 1, or below 0, counts as the greenskins). Objects keep their records; only
// the ObjectMap changes, and only anchor tiles count. Uses the ScratchMap as its mark
// layer and draws one random number per tile filled. Returns the number of tiles
// filled.
int SwapEnemies(int group);
