// Starting helper programs (desktop database updates, message boxes) that the game
// never waits for.
#pragma once

// Runs argv[0] with the arguments argv (terminated by nullptr), detached from the
// game and with its standard streams on /dev/null. searchPath looks the program up
// in PATH. Returns at once; nothing is reported back.
void RunDetached(const char* const argv[], bool searchPath);
