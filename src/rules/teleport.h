// The hatch teleport: from the hatch on (hx, hy) to the tile (dx, dy), or with dx and dy
// both below 1 to another hatch chosen at random.
#pragma once

// Moves actor from (x, y) to the destination (or its first free neighbour when another
// object stands there) and reveals from there. Returns 0 on success with the new tile
// in nx, ny; 1 when the destination is off the board, missing, or taken all round
// (ActionState -1 then). The actor stays where it was on failure.
int Teleport(int x, int y, int hx, int hy, int dx, int dy, int actor, int* nx = nullptr,
             int* ny = nullptr);
