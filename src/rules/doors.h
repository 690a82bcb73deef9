// Doors and keys. A wall stands wherever two neighbouring tiles have different floor
// codes; crossing it needs a door on that edge. Each DoorMap byte holds two edge
// fields: the west edge of its tile in the low nibble, the north edge in the high one
// (the east edge of a tile is the west field of its right neighbour, the south edge the
// north field of the tile below). Keys are inventory[1] (red) and inventory[2] (blue);
// they are never used up.
#pragma once
#include <cstdint>

// Bits of one edge field.
constexpr int kDoorOpen = 1;
constexpr int kDoorRed = 2;
constexpr int kDoorBlue = 4;
constexpr int kDoorHidden = 8;

// What one door step did.
enum DoorStepOutcome {
  kDoorNothing = -1,      // no locked or hidden bit on the edge (or no edge)
  kDoorRedUnlocked = 0,
  kDoorBlueUnlocked = 1,
  kDoorHiddenFound = 2,
  kDoorRedNoKey = 3,      // refused
  kDoorBlueNoKey = 4,     // refused
};

// The door field of the edge between (x, y) and its neighbour (nx, ny), 0..15; 0 when
// the two are not neighbours or the edge lies outside the door layer.
int EdgeDoorField(int x, int y, int nx, int ny);

// Whether the door step would let `actor` (an ObjectTable slot) through an edge field:
// any door bit, and a key for every locked bit. Changes nothing.
bool DoorLetsThrough(int field, int actor);

// The door step of a hero crossing the edge between (x, y) and (nx, ny), the actor
// being CurrentObject. Locked bits need their key; when every locked bit has its key,
// the red, blue and hidden bits give way to the open bit, the actor earns 10
// experience, the panel is refreshed, effect 3 sounds and "You unlocked the red door!",
// "You unlocked the blue door!" or "You found a hidden door!" appears in dark red;
// unlocking a red door under the objective "Unlock red door" (blue under "Unlock blue
// door") wins the quest (QuestOutcome). A missing key refuses the step and changes
// nothing: effect 5, "The door is locked, you need the red key." (or blue), a 160 ms
// pause and an emptied keyboard buffer, all of it skipped while the newest message
// already is that complaint. Returns the DoorStepOutcome (3 and 4 refuse the step).
int DoorStep(int x, int y, int nx, int ny);

// The open-door request of the hero on (x, y) (the O key, the "OPEN" button). The
// neighbours right, left, down and up are tried in that order; one qualifies when the
// step to it with door opening is allowed (occupants and reveal do not matter) and the
// edge between carries a door. The first that qualifies is revealed from (the room
// behind the door as seen from just beyond it), effect 3 sounds and the hero is redrawn
// with his highlight; when none does, "No door to open here.". Either way a 100 ms
// pause and an emptied keyboard buffer follow. Returns 0 when a door was opened, 1 when
// there was none.
int OpenDoorNextTo(int x, int y);
