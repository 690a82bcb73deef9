// Getting about the board: the step between two neighbouring tiles (walls, doors,
// occupants, revealed tiles), the shortest-path search, a hero's walk points and his
// steps by key and along a found path.
//
// Tiles are column x 0..25, row y 0..18; only the four orthogonal neighbours are steps.
// The mover is always CurrentObject: its side decides whom it may pass, its keys which
// locked doors open.
#pragma once
#include <cstdint>

// What the last FindPath wrote on its goal tiles: the mover's own tile counts 1, so a
// path of n steps gives n + 1, and 1 means the mover already touches the target.
extern int PathLength;

// ScratchMap after FindPath: 0 off every shortest path, 1 the mover, 2.. the step
// numbers, PathLength on the goal tiles, kPathTargetMark on the tiles of a target
// object (they stay marked even when no path was found).
constexpr uint8_t kPathTargetMark = 255;

// 0 when the step from (x, y) to its neighbour (nx, ny) is allowed, 1 when not. Tested
// in this order:
// - (nx, ny) off the board, (x, y) off the board, or not one of the four neighbours:
//   blocked;
// - checkObjects 1 and (nx, ny) covered by an object (ObjectAt, large objects cover
//   their footprint): blocked when mustBeEmpty > 0; otherwise the occupant's side is
//   compared with the mover's, Undead, Chaos and The Frozen counting as Greenskin:
//   different sides block, equal hero or allied sides block unless the option "Pass
//   other heroes" is on, equal monster sides pass;
// - revealRule 1: (nx, ny) must be revealed; 0: (x, y) must be revealed; any other
//   value: no test;
// - the same floor code on both tiles: allowed; otherwise a wall lies between and the
//   edge needs a door. doorMode 0: any door; 1: any door, and the step opens it (the
//   door step of rules/doors.h: keys, hidden doors, messages, sounds, experience,
//   the door objectives; a locked door without the key blocks); 2 (or any other
//   value): only an open door.
int StepBlocked(int x, int y, int nx, int ny, int checkObjects, int revealRule, int doorMode,
                int mustBeEmpty);

// Shortest paths from the mover's tile (x, y) to (tx, ty) by breadth-first waves, each
// step judged like StepBlocked with the same arguments. When (tx, ty) is covered by an
// object, its footprint is marked kPathTargetMark and the goals are the tiles next to
// it that can be entered from it; otherwise the goal is (tx, ty). Returns 0 when a goal
// is reached within 251 steps: ScratchMap keeps only the tiles on shortest paths
// (numbered by step) and PathLength is set. Returns 1 when none is: ScratchMap then
// holds the whole flood (every tile reached, by its step number). A target off the
// board has no goal, so the search only floods. A search never opens doors: with
// doorMode 1 a door counts as passable when the door step would let the mover through
// (open or hidden, or locked and he has the key). In developer mode the numbers are
// shown on the revealed tiles of the board.
int FindPath(int x, int y, int tx, int ty, int checkObjects, int revealRule, int doorMode,
             int mustBeEmpty);

// Walk points at the start of a hero's turn (hero = his ObjectTable slot). With the
// option "Predefined hero walk value" on: WalkLeft = his current walk and the message
// "<name> make your move..."; off: two dice (two draws of the shared generator) plus
// the bonus (current walk above base walk, never negative), WalkLeft = dice + bonus and
// "<name>, your dice count is <dice> (+<bonus>), make your move...". Both messages in
// the primary text colour, put on the screen at once. Returns WalkLeft; a slot outside
// 1..255 changes nothing and returns 0.
int StartHeroWalk(int hero);

// One arrow-key step of the hero on (HeroPositionX, HeroPositionY) towards (dx, dy)
// (one of the four unit directions). When the neighbour can be entered (objects block,
// the hero's tile revealed, doors opened, the tile empty) and WalkLeft >= 1: the hero
// position becomes the neighbour and WalkLeft drops by 1. Otherwise, when a hero or
// ally stands on the neighbour, may be passed, the tile beyond can be entered from
// there and WalkLeft >= 2: the hero position jumps two tiles and WalkLeft drops by 2.
// Changes only HeroPositionX/Y and WalkLeft (and whatever the door step does to the
// door, the hero's experience, the messages and QuestOutcome); the ObjectMap, the
// reveal and the redraw are the hero turn's. Returns 1 when the hero position changed,
// else 0.
int HeroKeyStep(int dx, int dy);

// The path search of a hero's mouse walk from (HeroPositionX, HeroPositionY) to the
// clicked tile (objects block, every step from a revealed tile, any door passable).
// Returns 1 when the click is a walk (a path exists, PathLength > 1 and WalkLeft > 0),
// else 0. ScratchMap is left as FindPath made it (a clicked object is marked
// kPathTargetMark either way).
int FindHeroPath(int tx, int ty);

// One step along the path in ScratchMap from (HeroPositionX, HeroPositionY): among the
// neighbours numbered 2 (smallest column first, then smallest row), the first that can
// be entered with doors opened and the tile empty becomes the hero position and costs
// one walk point. Where none can, a neighbour held by a hero who may be passed (behind
// an open door) is crossed and the search goes on from it with the next number, while
// WalkLeft exceeds the distance covered: the next empty tile then costs the whole
// distance, and effect 7 sounds for ending the crossing (the ordinary step sound is the
// hero turn's). Changes only HeroPositionX/Y and WalkLeft (and what door steps do).
// Returns 1 when the hero position changed, else 0.
int HeroPathStep();
