// Outdoor maps: a dungeon layout opened up into open ground, with the rock that is
// mostly surrounded turned to ground as well.
#pragma once

// Turns the current dungeon layout into an outdoor one: corridors (8) become open
// ground (1), rock (7) with at least three neighbours of ground, corridor or rock
// (cells off the board count) becomes ground, floor 6 becomes 3 and 5 becomes 4.
void convertLayoutToOutdoors();

// A whole outdoor layout from a seed: the dungeon layout, the conversion and the
// door cleanup. The caller resets the board first, as for generateDungeonLayout.
void generateOutdoorsLayout(int seed);
