// What the play loop hands to the floors above it. The rules own these hooks; the
// campaign and the Magic Dungeon set them at start-up. An unset hook does nothing.
#pragma once

struct PlayHooks {
  // Shows the quest's briefing (the B key, the game menu's "BRIEFING").
  void (*showBriefing)() = nullptr;
  // The equipment shop counter (script "run equipment shop") for the hero in slot hero.
  void (*equipmentShop)(int hero) = nullptr;
  // The Magic Dungeon's stairs (script 100 up, 101 down), taken by the hero in slot
  // hero. Returns 1 when the board was rebuilt for another level.
  int (*stairs)(int scriptType, int hero) = nullptr;
};

extern PlayHooks PlayHook;
