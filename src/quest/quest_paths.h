// Where quests, their chapters and saved games live and what they are called.
#pragma once

// The extension of a number: -1 ".sav", 1 ".qst", 2..99 ".q" and two digits, anything
// else none (""). out holds at least 5 characters.
void QuestExtension(char* out, int number);
// Completes a file name into LineBuffer: the file name in lower case, the extension of
// number added when it has none, and the quests folder (number above 0) or the saves
// folder (below 0) put in front unless the name already names its folder absolutely
// (a drive like "c:" or, here, a leading "/"). Returns LineBuffer.
const char* BuildQuestPath(const char* name, int number);
