// The party: the four heroes carried from one chapter of a quest series to the next.
#pragma once
#include "quest/quest_model.h"

// One record for each of the object slots 1 to 4 (index 0 is slot 1); a record whose
// name is "#" is empty.
constexpr int kPartySize = 4;
extern ObjectRecord PartyTable[kPartySize];

// Empties all four records (a quest series starts).
void EmptyParty();
// True when the record of hero slot k (1..4) holds a hero.
bool PartyHas(int k);
