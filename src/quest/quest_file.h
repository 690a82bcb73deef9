// Quest files (".qst", chapter files ".q02".."q20") and saved games (".sav"): one
// line-oriented text format, "QST102". The line reader and writer here are shared
// with the prefab file.
#pragma once
#include <cstdio>

// Longest line the reader keeps (the rest of a longer line is passed over).
constexpr int kReadLineMax = 799;
// Longest line the writer formats.
constexpr int kWriteLineMax = 808;
// Width of the keyword column of keyword lines ("series    ", "attribute ").
constexpr int kKeywordColumn = 10;
constexpr int kLineValueCount = 28;

// Text of the last line read (keyword dropped) or the last path built. It is large
// enough for a full path; a read line never holds more than kReadLineMax characters.
constexpr int kLineBufferSize = 1600;
extern char LineBuffer[kLineBufferSize];
// Numbers parsed from the last line read, 0 where the line had none.
extern int LineValues[kLineValueCount];
// Set once the "# map data:" marker line was read.
extern int MapDataReached;
// The stream ReadLine reads and WriteLine writes.
extern FILE* LineStream;

// Reads the next line that is not a comment ("|...") into LineBuffer and parses its
// numbers into LineValues. column is the keyword width: 10 for keyword lines, 0 for
// map rows. Returns 0 on success, 1 when nothing usable was read (stream ended, line
// shorter than the keyword, or the map marker reached while reading keyword lines).
int ReadLine(int column);
// True when the stream has no more characters.
bool LineStreamEnded();
// Formats one line into at most kWriteLineMax characters and writes it. A result
// whose second character is a comma gets "00" in front, one whose third character is
// a comma gets "0": that pads map cells to three digits.
void WriteLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Reads the eight keyword lines of one object (name, property, attribute, inventory,
// picture, scriptvar and the two script texts) into o, each field only when its line
// was read. True when the second script text was read: the block is complete.
struct ObjectRecord;
bool ReadObjectLines(ObjectRecord& o);

// Results of SaveQuest.
enum SaveQuestResult { kSaveDone = 0, kSaveDeclined = 1, kSaveFailed = 2 };

// Writes the quest in memory to path. Heroes move to slots 1..4 when there are four,
// an existing file is only replaced after the player agreed. The file is written
// beside the target under a temporary name and renamed over it, so a failed write
// leaves the old file as it was. Returns a SaveQuestResult.
int SaveQuest(const char* path);
// What the last SaveQuest answered (a SaveQuestResult); -1 before the first.
extern int LastSaveResult;
// The same; askOverwrite 0 replaces an existing file without asking (tools).
int SaveQuestFile(const char* path, int askOverwrite);
// Resets the model and reads path into it (or the same file inside a folder named
// after it). Returns 1 when no file was found, else 0; QuestLoaded is 1 when the
// whole quest, map part included, was read.
int LoadQuest(const char* path);
// Rows of the map part the last LoadQuest could not read: 0 when it was whole (or the
// file was not read as a quest at all), kMapRowCount when the file ended before it.
constexpr int kMapRowCount = 19 + 20 + 3 * 19;  // floor, door, object, visibility, script
extern int MapRowsMissing;

// The date as the file header writes it: "Wed Dec  9 23:15:19 2026" (24 characters).
void FormatFileDate(char* out, int n, long long unixTime);
