// Sines of the whole degrees, for the rays of the line of sight.
#pragma once

// Sine of every whole degree 0..360, filled at start-up.
extern float SinTable[361];
void FillSinTable();
