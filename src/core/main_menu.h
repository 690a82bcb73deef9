// The main menu, the program's outer loop.
#pragma once

// Runs until the player leaves the program; returns 0.
int RunMainMenu();
