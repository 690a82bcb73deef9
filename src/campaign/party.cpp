#include "campaign/party.h"

ObjectRecord PartyTable[kPartySize];

void EmptyParty() {
  for (ObjectRecord& r : PartyTable) ClearObject(r);
}

bool PartyHas(int k) {
  if (k < 1 || k > kPartySize) return false;
  const ObjectRecord& r = PartyTable[k - 1];
  return r.name[0] != '\0' && !IsFreeSlot(r);  // never filled, or emptied
}
