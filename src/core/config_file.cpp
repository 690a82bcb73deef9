#include "core/config_file.h"

#include <allegro.h>
#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/game_options.h"

char ConfigPath[1024] = "dunmar.cfg";

void SelectConfigFile(const char* path) {
  snprintf(ConfigPath, sizeof ConfigPath, "%s", path);
  set_config_file(ConfigPath);
}

int CorrectBpp(int bpp) {
  if (bpp == 15 || bpp == 16 || bpp == 24 || bpp == 32) return bpp;
  return 32;
}

void ReadGameOptions() {
  for (const GameOptionKey& k : kGameOptionKeys)
    GameOptions.*k.field = get_config_int(k.section, k.key, k.fallback);
  GameOptions.bpp = CorrectBpp(GameOptions.bpp);
}

namespace {

// A colour that is missing, unreadable or beyond 0xFFFFFF keeps its default.
int ReadColor(const char* key, int fallback) {
  const char* text = get_config_string("guicolor", key, nullptr);
  long rgb = fallback;
  if (text) {
    char* end = nullptr;
    long v = strtol(text, &end, 16);
    while (end && isspace(static_cast<unsigned char>(*end))) end++;
    if (end != text && end && *end == '\0' && v >= 0 && v <= 0xFFFFFF) rgb = v;
  }
  return ColorOfRgb(static_cast<int>(rgb));
}

}  // namespace

void ReadInterfaceColors() {
  GameOptions.background = ReadColor("background", kDefaultBackgroundRgb);
  GameOptions.highlite = ReadColor("highlite", kDefaultHighlightRgb);
}

ModeFallback GraphicsModeFallback(int fullscreen, int bpp) {
  if (!fullscreen) return {"fullscreen", 1};
  int lower = bpp - 8;
  if (lower < 16) lower = 16;
  return {"bpp", lower};
}

void ConfigUpdate::SetInt(const char* section, const char* key, int value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  entries_.push_back({section, key, text});
}

void ConfigUpdate::SetColor(const char* section, const char* key, int color) {
  char text[16];
  snprintf(text, sizeof text, "%06X", (getr(color) << 16) | (getg(color) << 8) | getb(color));
  entries_.push_back({section, key, text});
}

void ConfigUpdate::SetString(const char* section, const char* key, const char* value) {
  entries_.push_back({section, key, StoredText(value ? value : "")});
}

namespace {

bool IsControl(unsigned char c) { return c < 32 || c == 127; }
// The blanks Allegro's reader passes over around words and values.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

}  // namespace

std::string StoredText(const std::string& text) {
  bool plain = !text.empty() && text[0] != '"' && text[0] != '=' && !IsBlank(text[0]) &&
               !IsBlank(text.back());
  for (unsigned char c : text)
    if (IsControl(c)) plain = false;
  if (plain) return text;
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (IsControl(c)) {
      char hex[8];
      snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string ReadConfigText(const char* section, const char* key, const char* fallback) {
  const char* stored = get_config_string(section, key, nullptr);
  if (!stored) return fallback ? fallback : "";
  std::string s = stored;
  if (s.size() < 2 || s.front() != '"' || s.back() != '"') return s;
  std::string text;
  const size_t end = s.size() - 1;  // the closing quote
  for (size_t i = 1; i < end; i++) {
    if (s[i] == '\\' && i + 1 < end && (s[i + 1] == '\\' || s[i + 1] == '"')) {
      text += s[++i];
    } else if (s[i] == '\\' && i + 3 < end && s[i + 1] == 'x' && isxdigit(s[i + 2] & 0xFF) &&
               isxdigit(s[i + 3] & 0xFF)) {
      text += static_cast<char>(strtol(s.substr(i + 2, 2).c_str(), nullptr, 16));
      i += 3;
    } else {
      text += s[i];
    }
  }
  return text;
}

void AddGameOptions(ConfigUpdate& u) {
  for (const GameOptionKey& k : kGameOptionKeys) u.SetInt(k.section, k.key, GameOptions.*k.field);
  u.SetColor("guicolor", "background", GameOptions.background);
  u.SetColor("guicolor", "highlite", GameOptions.highlite);
}

namespace {

// Reads the whole file; a missing file reads as empty. A file that is there but cannot
// be read fails: what it holds must not be replaced.
bool ReadWholeFile(const char* path, std::string* data) {
  data->clear();
  FILE* f = fopen(path, "rb");
  if (!f) return errno == ENOENT;
  char buf[8192];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) data->append(buf, n);
  bool ok = !ferror(f);
  fclose(f);
  return ok;
}

bool WriteWholeFile(const char* path, const std::string& data) {
  FILE* f = fopen(path, "wb");
  if (!f) return false;
  bool ok = fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = fclose(f) == 0 && ok;
  return ok;
}

// One line of the file and the line end that followed it ("" after a last line that
// has none). Allegro's reader ends a line at a line feed or a carriage return.
struct ConfigLine {
  std::string text;
  std::string end;
};

std::vector<ConfigLine> SplitLines(const std::string& data) {
  std::vector<ConfigLine> lines;
  size_t i = 0;
  while (i < data.size()) {
    size_t e = data.find_first_of("\r\n", i);
    if (e == std::string::npos) {
      lines.push_back({data.substr(i), ""});
      break;
    }
    size_t len = data.compare(e, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({data.substr(i, e - i), data.substr(e, len)});
    i = e + len;
  }
  return lines;
}

std::string JoinLines(const std::vector<ConfigLine>& lines) {
  std::string data;
  for (const ConfigLine& l : lines) data += l.text + l.end;
  return data;
}

// New lines end as the file's first line does.
std::string LineEndOf(const std::vector<ConfigLine>& lines) {
  for (const ConfigLine& l : lines)
    if (!l.end.empty()) return l.end;
  return "\n";
}

// The first word of a line as the reader takes it: after leading blanks, up to a blank
// or '=', and a NUL ends the line. "[name]" opens a section, "#..." is a comment, an
// empty word a blank line; any other word names a key.
std::string FirstWord(const std::string& text) {
  const char* p = text.c_str();
  while (IsBlank(*p)) p++;
  const char* word = p;
  while (*p && !IsBlank(*p) && *p != '=') p++;
  return std::string(word, p);
}

bool IsSectionWord(const std::string& w) {
  return w.size() >= 2 && w.front() == '[' && w.back() == ']';
}
bool IsKeyWord(const std::string& w) { return !w.empty() && w[0] != '#' && !IsSectionWord(w); }
// The reader tells neither section names nor keys by case.
bool SameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The reader takes the file as UTF-8: a character above 127 is written as two bytes.
std::string KeyLine(const ConfigUpdate::Entry& e) {
  std::string line = e.key + " = ";
  for (unsigned char c : e.value) {
    if (c < 0x80) {
      line += static_cast<char>(c);
    } else {
      line += static_cast<char>(0xC0 | (c >> 6));
      line += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return line;
}

// A value given again later for the same key: only the last one counts.
bool SetAgainLater(const std::vector<ConfigUpdate::Entry>& entries, size_t i) {
  for (size_t j = i + 1; j < entries.size(); j++)
    if (SameName(entries[i].section, entries[j].section) &&
        SameName(entries[i].key, entries[j].key))
      return true;
  return false;
}

// Puts one value into the lines: on the line the reader finds first for its key (the
// first in any block of its section), else after the last key of the section's first
// block (comments before the next section stay with that one), else in a new section
// at the end.
void PutValue(std::vector<ConfigLine>& lines, const ConfigUpdate::Entry& e,
              const std::string& lineEnd) {
  const std::string header = "[" + e.section + "]";
  bool inSection = false, firstBlock = false;
  int after = -1;
  for (size_t i = 0; i < lines.size(); i++) {
    const std::string w = FirstWord(lines[i].text);
    if (IsSectionWord(w)) {
      inSection = SameName(w, header);
      firstBlock = inSection && after < 0;
      if (firstBlock) after = static_cast<int>(i);
    } else if (inSection && IsKeyWord(w)) {
      if (SameName(w, e.key)) {
        lines[i].text = KeyLine(e);
        return;
      }
      if (firstBlock) after = static_cast<int>(i);
    }
  }
  if (after < 0) {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = lineEnd;
    if (!lines.empty() && !FirstWord(lines.back().text).empty()) lines.push_back({"", lineEnd});
    lines.push_back({header, lineEnd});
    after = static_cast<int>(lines.size()) - 1;
  }
  if (lines[after].end.empty()) lines[after].end = lineEnd;
  lines.insert(lines.begin() + after + 1, {KeyLine(e), lineEnd});
}

// The values first, each section once, then the old lines without those the values
// replace: the reader takes the first value it finds for a key, so this reads back
// whatever the rest of the file holds.
std::vector<ConfigLine> ValuesFirst(const std::vector<ConfigLine>& old,
                                    const ConfigUpdate& update, const std::string& lineEnd) {
  const std::vector<ConfigUpdate::Entry>& entries = update.Entries();
  std::vector<ConfigLine> lines;
  for (size_t first = 0; first < entries.size(); first++) {
    const std::string& section = entries[first].section;
    bool written = false;
    for (size_t k = 0; k < first; k++) written = written || SameName(entries[k].section, section);
    if (written) continue;
    lines.push_back({"[" + section + "]", lineEnd});
    for (size_t i = first; i < entries.size(); i++)
      if (SameName(entries[i].section, section) && !SetAgainLater(entries, i))
        lines.push_back({KeyLine(entries[i]), lineEnd});
    lines.push_back({"", lineEnd});
  }
  std::string section;
  for (const ConfigLine& l : old) {
    const std::string w = FirstWord(l.text);
    if (IsSectionWord(w)) section = w.substr(1, w.size() - 2);
    bool replaced = false;
    if (IsKeyWord(w))
      for (const ConfigUpdate::Entry& e : entries)
        replaced = replaced || (SameName(section, e.section) && SameName(w, e.key));
    if (!replaced) lines.push_back(l);
  }
  return lines;
}

// Reads the file at path as the next start will and compares every value with what
// was meant, untrimmed (the last one where a key was given twice).
bool ReadsBack(const char* path, const ConfigUpdate& update) {
  set_config_file(path);
  const std::vector<ConfigUpdate::Entry>& entries = update.Entries();
  for (size_t i = 0; i < entries.size(); i++) {
    if (SetAgainLater(entries, i)) continue;
    const char* stored =
        get_config_string(entries[i].section.c_str(), entries[i].key.c_str(), nullptr);
    if (!stored || entries[i].value != stored) return false;
  }
  return true;
}

}  // namespace

bool WriteConfig(const char* path, const ConfigUpdate& update) {
  char tmp[1100];
  snprintf(tmp, sizeof tmp, "%s.new", path);
  remove(tmp);
  std::string old;
  bool ok = ReadWholeFile(path, &old);
  if (ok) {
    const std::vector<ConfigLine> lines = SplitLines(old);
    const std::string lineEnd = LineEndOf(lines);
    std::vector<ConfigLine> edited = lines;
    for (const ConfigUpdate::Entry& e : update.Entries()) PutValue(edited, e, lineEnd);
    ok = WriteWholeFile(tmp, JoinLines(edited)) && ReadsBack(tmp, update);
    if (!ok)
      ok = WriteWholeFile(tmp, JoinLines(ValuesFirst(lines, update, lineEnd))) &&
           ReadsBack(tmp, update);
  }
  if (ok && rename(tmp, path) != 0) ok = false;
  if (!ok) remove(tmp);
  set_config_file(path);
  return ok;
}

bool StoreGraphicsModeFallback(const char* path, int fullscreen, int bpp) {
  ModeFallback fallback = GraphicsModeFallback(fullscreen, bpp);
  ConfigUpdate update;
  update.SetInt("general", fallback.key, fallback.value);
  return WriteConfig(path, update);
}
