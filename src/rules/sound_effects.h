// Sound effects of play and the ambient loops under it. Effect n is the datafile sample
// at the first sound + n; the sound switch of dunmar.cfg silences all of it.
#pragma once

// Effect numbers of the two ambient loops the current quest plays: indoor 24 or 25 (floor
// codes above 1), outdoor 26 or 27 (floor code 1, open ground).
extern int IndoorLoop;
extern int OutdoorLoop;

enum AmbienceMode {
  kAmbienceStart = 1,   // start at tile (x, y)
  kAmbienceUpdate = 2,  // update at the active hero's tile
  kAmbienceTick = 3,    // update without a position (monster moves)
  kAmbienceStop = 4,
  kAmbienceVolume = 5,  // apply a changed volume
};

// Picks the quest's pair of loops: r is 0 or 1.
void ChooseAmbientPair(int r);
// Plays effect n: 1..17 plainly, 18..23 with random volume, pan and pitch.
void PlayEffect(int n);
// The ambient loops and the random ambient effects.
void Ambience(int x, int y, int mode);

// The loop that plays now (0 = none), and when the next random ambient effect is due.
int PlayingAmbientLoop();
unsigned NextAmbientEffectMs();
// Forgets any loop (for a fresh start; plays and stops nothing).
void ResetAmbience();
