// The Hall of Fame: the eight most experienced heroes ever played, rank 1 first. It
// lives in memory for the whole run, is read from dunmar.cfg ("hallfame0" to
// "hallfame7") at start-up and written back with fresh checksums at exit.
#pragma once

class ConfigUpdate;
struct ObjectRecord;

constexpr int kHallOfFameSize = 8;
constexpr int kHallNameLen = 17;
constexpr int kHallQuestLen = 40;

struct HallOfFameEntry {
  char name[kHallNameLen + 1];
  char quest[kHallQuestLen + 1];  // quest title when the hero was recorded
  int experience;
  int gold;
  int kills;
  int picture;  // object picture number
  int flag;     // 1 = entered by the latest update, shown highlighted once; not stored
  int ID;
  int checksum;
};

extern HallOfFameEntry HallOfFame[kHallOfFameSize];

// Guards the stored entries against hand edits: first name character + first quest
// character (both signed) + 2 x (experience + gold + kills) + 999 x picture.
int HallOfFameChecksum(const HallOfFameEntry& e);
// The entry a fresh installation has at rank i + 1 (its checksum included).
HallOfFameEntry DefaultHallOfFameEntry(int i);

// Puts the default entries in place (the table of a fresh installation).
void ResetHallOfFame();
// Reads all eight entries from the selected configuration, each key with its
// default. Texts are cut to their fields. An entry whose stored checksum does not
// match is named "Checksum Error!" and gets a fresh checksum; a picture number
// outside the object pictures becomes the default picture. Flags are 0.
void ReadHallOfFame();
// Adds all eight entries, each with a freshly computed checksum. Names and quest
// titles are stored exactly as the checksum counts them (empty, or beginning with a
// blank or a control character, included).
void AddHallOfFame(ConfigUpdate& update);

// What recording one hero did.
struct HallOfFameRecording {
  bool entered;      // he has a new entry, flagged
  bool duplicate;    // an entry with his ID was in the table
  bool overwritten;  // and was taken out, as he has more experience now
};
// Records a hero under a quest title. An entry with his ID (an ID of 0 is no identity
// and matches nothing) is taken out when he has more experience now, else he is not
// entered. He goes in above the first entry with less experience than his (ties rank
// after the entries already there); the last entry drops out. Name and title are cut to
// their fields and the checksum is made, so the entry reads back as it was written.
HallOfFameRecording RecordInHallOfFame(const ObjectRecord& hero, const char* quest);
// Clears every entry's flag.
void ClearHallOfFameFlags();
