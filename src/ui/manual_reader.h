// The reader of the game manual, Dunmar.htm beside the program.
#pragma once

// Shows the manual in its window until it is closed. Returns 0 after the window was
// shown, 1 when the file could not be read (the player is told).
int ShowManual();
