// The one pseudo-random generator of the game. Dice, monsters, treasure, the maze
// library, the generators and Hall of Fame identities all draw from it, so a seed
// always rebuilds the same dungeon level.
#pragma once
#include <cstdint>

void SeedRandom(uint32_t seed);
uint32_t RandomState();
// One draw: 0..32767.
int RandomDraw();
// A draw modulo n (n > 0); 0 when n is not positive.
int RandomMod(int n);
// A 31-bit number made of two draws, bits interleaved (used for seed bases).
int32_t Random31();
