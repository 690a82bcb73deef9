// The quest checker: what a quest's author should hear before anyone plays it. It
// reads the quest in memory and names every fault it finds: heroes missing from the
// board, an objective nobody can meet, keys behind their own doors, hatches into
// nowhere, script values out of range, scripts on the wrong layer, furniture in the
// rock or on top of other furniture, texts the screen will cut, a missing chapter.
// The questcheck tool runs it on files; the editor shows the same findings.
#pragma once
#include <string>
#include <vector>

struct QuestFinding {
  int x, y;  // the tile it is about, or -1, -1 for the quest as a whole
  std::string message;
};

// Checks the quest in memory and leaves it exactly as it was. The chapter files of a
// campaign are looked for in chapterFolder, or in the quests folder when it is nullptr.
// Large objects cover the tiles their pictures reach and texts are measured in the
// game's font only while a datafile is loaded; without one every object covers its own
// tile and text widths are not judged. Findings come check by check, each check's in
// board order (rows outer, columns inner).
std::vector<QuestFinding> CheckQuest(const char* chapterFolder = nullptr);

// Reads the file the way the game does and checks it, chapter files looked for beside
// it. Texts the reader cuts short (a name longer than the 15 characters it keeps, and
// the like) are findings as well. Returns false, with the reason in why, when the file
// cannot be read as a whole quest: missing, unreadable, not a quest file, or without
// its whole map; nothing is checked then.
bool CheckQuestFile(const char* path, std::vector<QuestFinding>* findings, std::string* why);
