// Helpers for the quest file tests: lines of a file, and a small quest built in memory.
// Scratch folders and whole-file reads and writes come from support/temp_folder.h.
#pragma once
#include <string>
#include <vector>

#include "support/temp_folder.h"

std::vector<std::string> SplitLines(const std::string& text);

// A quest of a few objects on a small board: two heroes, an orc carrying gold, a
// chest and a walk script, with doors, revealed tiles and texts.
void MakeSampleQuest();
// Gives slot an object of that name and side standing on (x, y).
void PlaceObject(int slot, const char* name, int side, int x, int y);
