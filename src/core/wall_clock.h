// The time of day as the game reads it for reseeding the shared generator (the Magic
// Dungeon's monsters differ from visit to visit because of it). Tools and tests pin
// it, so that a level built with a pinned clock is the same on every run.
#pragma once

// Seconds since 1970, or the pinned value.
long long WallClockSeconds();
// From now on WallClockSeconds gives t.
void PinWallClock(long long t);
// Back to the real time.
void UnpinWallClock();
