// What the heroes have seen. Rays cast from a tile reveal the part of its room (the
// tiles of its floor code) that they reach; revealed tiles and the objects on them are
// drawn, the rest of the board stays blank. Monsters act only on revealed tiles and
// look scripts fire once their tile is revealed.
//
// VisibilityMap during a reveal: 0 hidden, 1 revealed and drawn, 2..19 counted samples
// of this reveal, 20..99 seen by it, 100 the tile it started from. Afterwards every
// tile holds 0 or 1.
#pragma once

// Casts 361 rays (every whole degree, 0 and 360 both) from (x, y), about five samples
// per tile, each ray ending at the board's edge or at a change of floor code. A tile
// that gathered at least ten samples is seen: the objects covering seen tiles are drawn
// (with the tiles under them), then every other seen tile. Tiles already revealed stay
// as they are, so revealing twice from one tile changes nothing. A tile off the board
// reveals nothing.
void RevealFrom(int x, int y);

enum RevealMode {
  kRevealRedraw = 0,     // draw every revealed tile, then every object anchored on one
  kRevealReachable = 1,  // reveal every tile some object can reach (through any door)
  kRevealAll = 2,        // reveal the whole board
};
// The board-wide reveals; any other mode does nothing.
void RevealBoard(int mode);
