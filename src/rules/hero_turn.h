// The interactive turn of a hero: every key and mouse action a player has on the board
// (walking, opening doors, choosing a target and acting on it, inspecting objects, the
// game menu, screenshots, view changes, ending the turn), one turn step at a time.
#pragma once
#include <allegro.h>

// The turn of the hero standing on (x, y), who is CurrentObject. Returns when his walk
// points are spent and he has had his chance to act, when the quest ended, or when the
// program is closing.
void HeroTurn(int x, int y);
// The hero whose turn it is (CurrentObject) was carried to a freshly built board (the
// Magic Dungeon's stairs): reveals from his tile there and gives him a new walk to go
// on with his turn, as one who has moved. A hero left off the new board ends his turn.
void ContinueTurnOnNewBoard();

// The three letter keys that, held together, boost the active hero (a tester's aid).
constexpr int kBoostKeys[3] = {KEY_D, KEY_M, KEY_R};
