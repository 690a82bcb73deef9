#include "quest/quest_file.h"

#include <allegro.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdarg>
#include <cstring>
#include <ctime>
#include <initializer_list>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "quest/quest_model.h"

char LineBuffer[kLineBufferSize];
int LineValues[kLineValueCount];
int MapDataReached = 0;
FILE* LineStream = nullptr;

namespace {

// How much of each text a line holds, so that what is written comes back unchanged.
constexpr int kFileNameLen = 15;
constexpr int kFileStoryLen = kReadLineMax - kKeywordColumn;  // 789
constexpr int kLoadStoryLen = 800;
// A number field holds six characters.
constexpr int kFieldMin = -99999;
constexpr int kFieldMax = 999999;

const char kWebAddress[] = "https://dunmarrow.example.org/";

// A text field as it is written and as it is read: at most cap characters, no line
// breaks or carriage returns (they become blanks), no trailing blanks (a line loses
// them). Writer and reader both cut with this, so a text comes back byte for byte.
void LineText(char* out, const char* in, int cap) {
  int n = 0;
  for (; in[n] && n < cap; n++) out[n] = (in[n] == '\n' || in[n] == '\r') ? ' ' : in[n];
  while (n > 0 && out[n - 1] == ' ') n--;
  out[n] = '\0';
}

// ---------------------------------------------------------------- reading

// Reads one raw line (newline and a carriage return before it dropped), keeping at
// most kReadLineMax characters and passing over the rest. false at the end of the
// stream when nothing was read.
bool ReadRawLine(char* out, int* len) {
  int n = 0;
  int c = getc(LineStream);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    if (n < kReadLineMax) out[n++] = c == '\0' ? ' ' : static_cast<char>(c);
    c = getc(LineStream);
  }
  if (n > 0 && out[n - 1] == '\r') n--;
  out[n] = '\0';
  *len = n;
  return true;
}

// A six-character number field: leading blanks, an optional minus, digits.
int FieldValue(const char* field) {
  int p = 0;
  while (p < 6 && field[p] == ' ') p++;
  bool negative = false;
  if (p < 6 && field[p] == '-') {
    negative = true;
    p++;
  }
  int v = 0;
  while (p < 6 && field[p] >= '0' && field[p] <= '9') v = v * 10 + (field[p++] - '0');
  return negative ? -v : v;
}

void ParseValues(const char* text, int len) {
  int p = 0;
  int i = 0;
  for (;;) {
    char field[6];
    memset(field, ' ', sizeof field);
    int taken = 0;
    while (p < len && text[p] != ',' && taken < 6) {
      char c = text[p];
      if ((c >= '0' && c <= '9') || c == '-') field[taken] = c;
      taken++;
      p++;
    }
    p++;  // the comma, or the character after six taken
    LineValues[i++] = FieldValue(field);
    if (p >= len || i >= kLineValueCount) return;
  }
}

int8_t LowByte(int v) { return static_cast<int8_t>(v & 0xFF); }

bool IsFile(const char* path) {
  struct stat st;
  return path[0] && stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// Reads a text keyword line into a field; "read-error" when the line failed.
void ReadText(char* dst, int len) {
  if (ReadLine(kKeywordColumn) == 0)
    LineText(dst, LineBuffer, len);
  else
    CopyText(dst, "read-error", len);
}

// Puts a loaded quest header back inside the ranges the game indexes with.
void CheckHeader() {
  QuestHeaderRecord& h = QuestHeader;
  bool repaired = false;
  auto fix = [&repaired](bool bad) {
    if (bad) repaired = true;
    return bad;
  };
  if (fix(h.chapter < 1)) h.chapter = 1;
  if (fix(h.chapters < h.chapter)) h.chapters = h.chapter;
  if (fix(h.mapw < 1 || h.mapw > kBoardW)) h.mapw = kBoardW;
  if (fix(h.maph < 1 || h.maph > kBoardH)) h.maph = kBoardH;
  for (int8_t& s : h.heroes)
    if (fix(s < kHeroOffBoard || s > kHeroLeftThroughEndpoint)) s = kHeroOffBoard;
  if (fix(h.qstdata[kQuestObjective] < 0 || h.qstdata[kQuestObjective] >= kObjectiveCount))
    h.qstdata[kQuestObjective] = 0;
  if (fix(h.qstdata[kQuestWandering] < 0 || h.qstdata[kQuestWandering] >= kMaxObjects))
    h.qstdata[kQuestWandering] = 12;
  if (fix(h.savdata.CurrentObject < 0 || h.savdata.CurrentObject >= kMaxObjects))
    h.savdata.CurrentObject = 0;
  if (repaired)
    PrintMessage(ColorTable[kColorDarkRed], "Quest header: values out of range were reset.");
}

// A loaded object that could move needs a one-tile picture; a picture the datafile
// does not hold cannot be judged, so such an object keeps its side (the board draws
// its stand-in).
void CheckObject(int slot) {
  ObjectRecord& o = ObjectTable[slot];
  if (!IsKnownSide(o.side)) {
    PrintMessage(ColorTable[kColorDarkRed], "Object %d: unknown side %d, object set to static.",
                 slot, o.side);
    o.side = kSideStatic;
  }
  if (o.side < kSideStatic) {
    BITMAP* pic = ObjectPicture(o.picture[kPicNumber]);
    if (pic && pic->w != 20 && pic->h != 20) {
      o.side = kSideStatic;
      PrintMessage(ColorTable[kColorDarkRed],
                   "Object %d: picture to large for moving, object set to static.", slot);
    }
  }
}


// Reads rows of a layer; returns how many rows failed.
int ReadLayer(uint8_t layer[kLayerW][kLayerH], int w, int h) {
  int failed = 0;
  for (int y = 0; y < h; y++) {
    if (ReadLine(0) != 0) {
      failed++;
      continue;
    }
    for (int x = 0; x < w; x++) layer[x][y] = static_cast<uint8_t>(LineValues[x] & 0xFF);
  }
  return failed;
}

// Object and script map cells must name a loaded object.
int ClearStrayCells(uint8_t layer[kLayerW][kLayerH]) {
  int cleared = 0;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int v = layer[x][y];
      if (v > 0 && (v > ObjectCount || IsFreeSlot(ObjectTable[v]))) {
        layer[x][y] = 0;
        cleared++;
      }
    }
  return cleared;
}

// ---------------------------------------------------------------- writing

// A number as a six-character field holds it; a longer one would shift every later
// value of its line.
int Field(int v) { return v < kFieldMin ? kFieldMin : (v > kFieldMax ? kFieldMax : v); }

void WriteText(const char* keywordFormat, const char* text, int cap) {
  char clean[kWriteLineMax + 1];
  LineText(clean, text, cap);
  WriteLine(keywordFormat, clean);
}

void WriteLayer(uint8_t layer[kLayerW][kLayerH], int w, int h) {
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++) WriteLine("%d,", layer[x][y]);
    WriteLine("\n");
  }
}

// Swaps two object slots and every reference to them (board layers and the object
// whose turn it is).
void SwapSlots(int a, int b) {
  if (a == b) return;
  ObjectRecord t = ObjectTable[a];
  ObjectTable[a] = ObjectTable[b];
  ObjectTable[b] = t;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      for (uint8_t* cell : {&ObjectMap[x][y], &ScriptMap[x][y]}) {
        if (*cell == a)
          *cell = static_cast<uint8_t>(b);
        else if (*cell == b)
          *cell = static_cast<uint8_t>(a);
      }
    }
  int& current = QuestHeader.savdata.CurrentObject;
  if (current == a)
    current = b;
  else if (current == b)
    current = a;
}

// With four heroes on the board they take slots 1..4, in the order of their slots.
void MoveHeroesToFront() {
  int found[4];
  int n = 0;
  for (int slot = 1; slot < kMaxObjects && n < 4; slot++) {
    const ObjectRecord& o = ObjectTable[slot];
    if (o.side == kSideHero && !IsFreeSlot(o)) found[n++] = slot;
  }
  if (n < 4) return;
  for (int k = 1; k <= 4; k++) SwapSlots(k, found[k - 1]);
}

void WriteHeader(const int newNumber[kMaxObjects]) {
  const QuestHeaderRecord& h = QuestHeader;
  char date[32];
  FormatFileDate(date, sizeof date, static_cast<long long>(time(nullptr)));
  WriteLine("QST102\n");
  WriteLine("|\n");
  WriteLine("| DUNMARROW QUEST FILE\n");
  WriteLine("| Official website at %s\n", kWebAddress);
  WriteLine("| File created on %s with game version %s.\n", date, VersionString);
  WriteLine("|\n");
  WriteText("series    %s\n", h.series, kHeaderTextLen);
  WriteText("quest     %s\n", h.quest, kHeaderTextLen);
  WriteText("author    %s\n", h.author, kHeaderTextLen);
  WriteLine("chapter   %d,%d\n", h.chapter, h.chapters);
  WriteLine("map w,h   %d,%d\n", h.mapw, h.maph);
  WriteLine("hero's    %d,%d,%d,%d\n", h.heroes[0], h.heroes[1], h.heroes[2], h.heroes[3]);
  WriteLine("qstdata   %d,%d,%d,%d,%d,%d\n", Field(h.qstdata[0]), Field(h.qstdata[1]),
            Field(h.qstdata[2]), Field(h.qstdata[3]), Field(h.qstdata[4]),
            Field(h.qstdata[5]));
  // The object whose turn it is keeps its number through the renumbering; a free slot
  // is stored as no object, since its number would name another object once read.
  int current = h.savdata.CurrentObject;
  current = current > 0 && current < kMaxObjects ? newNumber[current] : 0;
  WriteLine("savdata   %d,%d,%d,%d,%d,%d\n", 0, Field(current), Field(h.savdata.ActionState),
            Field(h.savdata.WalkLeft), h.savdata.reserved4, h.savdata.reserved5);
  WriteText("briefing  %s\n", h.briefing, kFileStoryLen);
  WriteText("defeat    %s\n", h.defeat, kFileStoryLen);
  WriteText("victory   %s\n", h.victory, kFileStoryLen);
  WriteLine("|\n");
}

void WriteObject(const ObjectRecord& o, int n) {
  WriteLine("| %d\n", n);
  WriteText("name      %s\n", o.name, kFileNameLen);
  WriteLine("property  %d,%d,%d,%d\n", o.side, Field(o.exp), Field(o.kills), Field(o.id));
  const int8_t* a = o.attribute;
  WriteLine("attribute %d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", a[0], a[1], a[2], a[3], a[4], a[5],
            a[6], a[7], a[8], a[9]);
  const int32_t* v = o.inventory;
  WriteLine("inventory %d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", Field(v[0]), Field(v[1]), Field(v[2]),
            Field(v[3]), Field(v[4]), Field(v[5]), Field(v[6]), Field(v[7]), Field(v[8]),
            Field(v[9]));
  v = o.picture;
  WriteLine("picture   %d,%d,%d,%d,%d,%d\n", Field(v[0]), Field(v[1]), Field(v[2]), Field(v[3]),
            Field(v[4]), Field(v[5]));
  v = o.scriptvar;
  WriteLine("scriptvar %d,%d,%d,%d,%d,%d\n", Field(v[0]), Field(v[1]), Field(v[2]),
            Field(v[3]), Field(v[4]), Field(v[5]));
  WriteText("scripttxt %s\n", o.text1, kScriptTextLen);
  WriteText("scripttxt %s\n", o.text2, kScriptTextLen);
  WriteLine("|\n");
}

void SaveFailed(const char* name) {
  PrintMessage(ColorTable[kColorDarkRed], "Error: quest file %s could not be written.", name);
  RefreshMessages();
}

}  // namespace

bool ReadObjectLines(ObjectRecord& o) {
  if (ReadLine(kKeywordColumn) == 0) LineText(o.name, LineBuffer, kFileNameLen);
  if (ReadLine(kKeywordColumn) == 0) {
    o.side = LowByte(LineValues[0]);
    o.exp = LineValues[1];
    o.kills = LineValues[2];
    o.id = LineValues[3];
  }
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 10; i++) o.attribute[i] = LowByte(LineValues[i]);
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 10; i++) o.inventory[i] = LineValues[i];
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 6; i++) o.picture[i] = LineValues[i];
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 6; i++) o.scriptvar[i] = LineValues[i];
  if (ReadLine(kKeywordColumn) == 0) LineText(o.text1, LineBuffer, kScriptTextLen);
  if (ReadLine(kKeywordColumn) != 0) return false;
  LineText(o.text2, LineBuffer, kScriptTextLen);
  return true;
}

// ---------------------------------------------------------------- line reader/writer

bool LineStreamEnded() {
  if (!LineStream) return true;
  int c = getc(LineStream);
  if (c == EOF) return true;
  ungetc(c, LineStream);
  return false;
}

int ReadLine(int column) {
  LineBuffer[0] = '\0';
  memset(LineValues, 0, sizeof LineValues);
  if ((MapDataReached && column > 0) || LineStreamEnded()) return 1;
  char line[kReadLineMax + 1];
  int len = 0;
  do {
    if (!ReadRawLine(line, &len)) return 1;
  } while (line[0] == '|');
  if (line[0] == '#' && column > 0) {
    MapDataReached = 1;
    return 1;
  }
  if (len < column) return 1;
  const char* text = line + column;
  len -= column;
  while (len > 0 && text[len - 1] == ' ') len--;
  memcpy(LineBuffer, text, len);
  LineBuffer[len] = '\0';
  ParseValues(LineBuffer, len);
  return 0;
}

void WriteLine(const char* format, ...) {
  char buf[kWriteLineMax + 1];
  va_list ap;
  va_start(ap, format);
  vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  if (!LineStream) return;
  if (buf[0] && buf[1] == ',')
    fputs("00", LineStream);
  else if (buf[0] && buf[1] && buf[2] == ',')
    fputs("0", LineStream);
  fputs(buf, LineStream);
}

void FormatFileDate(char* out, int n, long long unixTime) {
  static const char* const kDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  time_t t = static_cast<time_t>(unixTime);
  struct tm tm;
  if (!localtime_r(&t, &tm)) memset(&tm, 0, sizeof tm);
  snprintf(out, n, "%s %s %2d %02d:%02d:%02d %04d", kDays[(tm.tm_wday % 7 + 7) % 7],
           kMonths[(tm.tm_mon % 12 + 12) % 12], tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
           tm.tm_year + 1900);
}

// ---------------------------------------------------------------- quest files

int MapRowsMissing = 0;

int LoadQuest(const char* pathIn) {
  char path[1024];
  CopyText(path, pathIn, sizeof path - 1);
  QuestLoaded = 0;
  MapDataReached = 0;
  MapRowsMissing = 0;
  ResetQuest(true);

  if (!IsFile(path)) {
    // A quest may live in a folder of its own name: quests/abc/abc.qst.
    int len = static_cast<int>(strlen(path));
    if (len > 4) {
      char inFolder[1024];
      snprintf(inFolder, sizeof inFolder, "%.*s/%s", len - 4, path, get_filename(path));
      if (IsFile(inFolder)) CopyText(path, inFolder, sizeof path - 1);
    }
  }
  const char* name = get_filename(path);
  FILE* f = IsFile(path) ? fopen(path, "r") : nullptr;
  if (!f) {
    Alert("  File not found:  ", "", name, "OK", nullptr, 'O', 0);
    return 1;
  }
  PrintMessage(TextColor1, "Loading quest file: %s", name);
  RefreshMessages();
  LineStream = f;

  if (ReadLine(0) != 0 || strncmp(LineBuffer, "QST102", 6) != 0) {
    Alert("  File is not the right format:  ", "", name, "OK", nullptr, 'O', 0);
    LineStream = nullptr;
    fclose(f);
    return 0;
  }

  QuestHeaderRecord& h = QuestHeader;
  ReadText(h.series, kHeaderTextLen);
  ReadText(h.quest, kHeaderTextLen);
  ReadText(h.author, kHeaderTextLen);
  if (ReadLine(kKeywordColumn) == 0) {
    h.chapter = LowByte(LineValues[0]);
    h.chapters = LowByte(LineValues[1]);
  }
  if (ReadLine(kKeywordColumn) == 0) {
    h.mapw = LowByte(LineValues[0]);
    h.maph = LowByte(LineValues[1]);
  }
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 4; i++) h.heroes[i] = LowByte(LineValues[i]);
  if (ReadLine(kKeywordColumn) == 0)
    for (int i = 0; i < 6; i++) h.qstdata[i] = LineValues[i];
  if (ReadLine(kKeywordColumn) == 0) {
    h.savdata.CurrentObject = LineValues[1];
    h.savdata.ActionState = LineValues[2];
    h.savdata.WalkLeft = LineValues[3];
    h.savdata.reserved4 = LowByte(LineValues[4]);
    h.savdata.reserved5 = LowByte(LineValues[5]);
  }
  ReadText(h.briefing, kLoadStoryLen);
  ReadText(h.defeat, kLoadStoryLen);
  ReadText(h.victory, kLoadStoryLen);
  CheckHeader();
  PrintMessage(TextColor2, "Header loaded.");
  RefreshMessages();

  for (int slot = 1;; slot++) {
    ObjectRecord& o = ObjectTable[slot];
    if (ReadObjectLines(o)) ObjectCount = slot;
    if (LineStreamEnded() || slot >= kMaxObjects - 1 || MapDataReached) break;
  }
  // A block cut short still leaves a named record behind: it is checked as well.
  for (int slot = 1; slot < kMaxObjects; slot++)
    if (!IsFreeSlot(ObjectTable[slot])) CheckObject(slot);
  PrintMessage(TextColor2, "Objects loaded: %d", ObjectCount);
  RefreshMessages();

  // Anything left before the marker is passed over.
  for (int i = 0; i < 101; i++) ReadLine(kKeywordColumn);

  if (MapDataReached) {
    int failed = ReadLayer(FloorMap, kBoardW, kBoardH);
    failed += ReadLayer(DoorMap, kBoardW + 1, kBoardH + 1);
    failed += ReadLayer(ObjectMap, kBoardW, kBoardH);
    failed += ReadLayer(VisibilityMap, kBoardW, kBoardH);
    failed += ReadLayer(ScriptMap, kBoardW, kBoardH);
    MapRowsMissing = failed;
    if (failed > 0)
      PrintMessage(ColorTable[kColorDarkRed], "Map data incomplete: %d rows missing.", failed);
    int stray = ClearStrayCells(ObjectMap) + ClearStrayCells(ScriptMap);
    if (stray > 0)
      PrintMessage(ColorTable[kColorDarkRed], "Maps: %d tiles named no object, cleared.",
                   stray);
    PrintMessage(TextColor2, "Maps loaded.");
    RefreshMessages();
    QuestLoaded = 1;
  } else {
    MapRowsMissing = kMapRowCount;
  }
  LineStream = nullptr;
  fclose(f);
  return 0;
}

int LastSaveResult = -1;
int SaveQuest(const char* path) { return LastSaveResult = SaveQuestFile(path, 1); }

int SaveQuestFile(const char* pathIn, int askOverwrite) {
  char path[1024];
  CopyText(path, pathIn, sizeof path - 1);
  const char* name = get_filename(path);

  MoveHeroesToFront();

  if (askOverwrite && IsFile(path)) {
    int answer = Alert(name, " ", "  File exists, overwrite?  ", "OK", "CANCEL", 'O', 'C');
    if (answer != 1) return kSaveDeclined;
  }

  // Written beside the target and renamed over it: a failed write keeps the old file.
  char temp[1100];
  snprintf(temp, sizeof temp, "%s.tmp", path);
  FILE* f = path[0] ? fopen(temp, "w") : nullptr;
  if (!f) {
    SaveFailed(name);
    return kSaveFailed;
  }
  struct stat old;
  if (stat(path, &old) == 0 && S_ISREG(old.st_mode)) fchmod(fileno(f), old.st_mode & 07777);
  PrintMessage(TextColor1, "Saving quest file: %s", name);
  RefreshMessages();
  LineStream = f;

  // New numbers 1..n for the objects in slot order.
  int newNumber[kMaxObjects] = {0};
  int n = 0;
  for (int slot = 1; slot < kMaxObjects; slot++)
    if (!IsFreeSlot(ObjectTable[slot])) newNumber[slot] = ++n;

  WriteHeader(newNumber);
  PrintMessage(TextColor2, "Header saved.");

  memset(ScratchMap, 0, sizeof ScratchMap);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) ScratchMap[x][y] = newNumber[ObjectMap[x][y]];
  for (int slot = 1; slot < kMaxObjects; slot++)
    if (newNumber[slot] > 0) WriteObject(ObjectTable[slot], newNumber[slot]);
  ObjectCount = n;
  PrintMessage(TextColor2, "Objects saved: %d", n);

  // The script map follows the same numbering, so scripts still name their objects.
  uint8_t scripts[kLayerW][kLayerH] = {};
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) scripts[x][y] = newNumber[ScriptMap[x][y]];

  WriteLine("# map data:\n");
  WriteLine("|\n");
  WriteLine("| Floor map:\n");
  WriteLayer(FloorMap, kBoardW, kBoardH);
  WriteLine("|\n");
  WriteLine("| Door map:\n");
  WriteLayer(DoorMap, kBoardW + 1, kBoardH + 1);
  WriteLine("|\n");
  WriteLine("| Object map:\n");
  WriteLayer(ScratchMap, kBoardW, kBoardH);
  WriteLine("|\n");
  WriteLine("| Visibility map:\n");
  WriteLayer(VisibilityMap, kBoardW, kBoardH);
  WriteLine("|\n");
  WriteLine("| Look/Walk script map:\n");
  WriteLayer(scripts, kBoardW, kBoardH);
  WriteLine("|\n");
  WriteLine("| End of file.\n");
  LineStream = nullptr;

  bool ok = fflush(f) == 0 && !ferror(f);
  ok = fsync(fileno(f)) == 0 && ok;
  ok = fclose(f) == 0 && ok;
  if (!ok || rename(temp, path) != 0) {
    remove(temp);
    SaveFailed(name);
    return kSaveFailed;
  }
  PrintMessage(TextColor2, "Maps saved.");
  RefreshMessages();
  return kSaveDone;
}
