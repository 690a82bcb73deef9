#include "campaign/hall_of_fame.h"

#include <allegro.h>

#include <cstdint>
#include <cstdio>

#include "core/config_file.h"
#include "core/game_data.h"
#include "quest/quest_model.h"

HallOfFameEntry HallOfFame[kHallOfFameSize];

namespace {

constexpr int kDefaultPicture = 9;
// Object pictures run from the first object picture up to the first sound.
constexpr int kObjectPictureCount = kFirstSound - kFirstObjectPicture;

void SectionName(int i, char* out, int n) { snprintf(out, n, "hallfame%d", i); }

}  // namespace

int HallOfFameChecksum(const HallOfFameEntry& e) {
  // Hand-edited numbers may be huge: sum wide, keep the low 32 bits as the file does.
  int64_t sum = static_cast<signed char>(e.name[0]) + static_cast<signed char>(e.quest[0]) +
                2 * static_cast<int64_t>(e.experience) + 2 * static_cast<int64_t>(e.gold) +
                2 * static_cast<int64_t>(e.kills) + 999 * static_cast<int64_t>(e.picture);
  return static_cast<int32_t>(static_cast<uint32_t>(sum));
}

HallOfFameEntry DefaultHallOfFameEntry(int i) {
  HallOfFameEntry e = {};
  CopyText(e.name, "Halberdier", kHallNameLen);
  CopyText(e.quest, "No Quest on record", kHallQuestLen);
  e.experience = 100 - 10 * i;
  e.gold = 100 - 10 * i;
  e.kills = 10 - i;
  e.picture = kDefaultPicture;
  e.flag = 0;
  e.ID = 0;
  e.checksum = HallOfFameChecksum(e);
  return e;
}

void ResetHallOfFame() {
  for (int i = 0; i < kHallOfFameSize; i++) HallOfFame[i] = DefaultHallOfFameEntry(i);
}

void ReadHallOfFame() {
  for (int i = 0; i < kHallOfFameSize; i++) {
    char s[16];
    SectionName(i, s, sizeof s);
    const HallOfFameEntry d = DefaultHallOfFameEntry(i);
    HallOfFameEntry& e = HallOfFame[i];
    CopyText(e.name, ReadConfigText(s, "name", d.name).c_str(), kHallNameLen);
    CopyText(e.quest, ReadConfigText(s, "quest", d.quest).c_str(), kHallQuestLen);
    e.experience = get_config_int(s, "experience", d.experience);
    e.gold = get_config_int(s, "gold", d.gold);
    e.kills = get_config_int(s, "kills", d.kills);
    e.picture = get_config_int(s, "picture", d.picture);
    e.ID = get_config_int(s, "ID", d.ID);
    e.checksum = get_config_int(s, "checksum", d.checksum);
    e.flag = 0;
    if (e.checksum != HallOfFameChecksum(e)) CopyText(e.name, "Checksum Error!", kHallNameLen);
    // The picture number indexes the datafile: keep it among the object pictures.
    if (e.picture < 0 || e.picture >= kObjectPictureCount) e.picture = kDefaultPicture;
    e.checksum = HallOfFameChecksum(e);
  }
}

void AddHallOfFame(ConfigUpdate& u) {
  for (int i = 0; i < kHallOfFameSize; i++) {
    char s[16];
    SectionName(i, s, sizeof s);
    HallOfFameEntry& e = HallOfFame[i];
    e.checksum = HallOfFameChecksum(e);
    u.SetString(s, "name", e.name);
    u.SetString(s, "quest", e.quest);
    u.SetInt(s, "experience", e.experience);
    u.SetInt(s, "gold", e.gold);
    u.SetInt(s, "kills", e.kills);
    u.SetInt(s, "picture", e.picture);
    u.SetInt(s, "ID", e.ID);
    u.SetInt(s, "checksum", e.checksum);
  }
}

HallOfFameRecording RecordInHallOfFame(const ObjectRecord& hero, const char* quest) {
  HallOfFameRecording r = {false, false, false};
  int count = kHallOfFameSize;  // entries in the table
  if (hero.id != 0) {
    for (int i = 0; i < kHallOfFameSize; i++) {
      if (HallOfFame[i].ID != hero.id) continue;
      r.duplicate = true;
      if (HallOfFame[i].experience >= hero.exp) return r;
      // The old entry goes; the hero comes back in at its rank or higher.
      r.overwritten = true;
      for (int k = i; k < kHallOfFameSize - 1; k++) HallOfFame[k] = HallOfFame[k + 1];
      count = kHallOfFameSize - 1;
      break;
    }
  }
  int at = 0;
  while (at < count && HallOfFame[at].experience >= hero.exp) at++;
  if (at == kHallOfFameSize) return r;
  for (int k = kHallOfFameSize - 1; k > at; k--) HallOfFame[k] = HallOfFame[k - 1];

  HallOfFameEntry& e = HallOfFame[at];
  e = HallOfFameEntry{};
  CopyText(e.name, hero.name, kHallNameLen);
  CopyText(e.quest, quest, kHallQuestLen);
  e.experience = hero.exp;
  e.gold = hero.inventory[kInvGold];
  e.kills = hero.kills;
  // Stored as the table reads it back: a number outside the object pictures is the
  // default picture.
  e.picture = hero.picture[kPicNumber];
  if (e.picture < 0 || e.picture >= kObjectPictureCount) e.picture = kDefaultPicture;
  e.flag = 1;
  e.ID = hero.id;
  e.checksum = HallOfFameChecksum(e);
  r.entered = true;
  return r;
}

void ClearHallOfFameFlags() {
  for (HallOfFameEntry& e : HallOfFame) e.flag = 0;
}
