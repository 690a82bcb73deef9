#include "core/config_file.h"

#include <allegro.h>

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
  std::string text = value ? value : "";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  entries_.push_back({section, key, text});
}

void AddGameOptions(ConfigUpdate& u) {
  for (const GameOptionKey& k : kGameOptionKeys) u.SetInt(k.section, k.key, GameOptions.*k.field);
  u.SetColor("guicolor", "background", GameOptions.background);
  u.SetColor("guicolor", "highlite", GameOptions.highlite);
}

namespace {

// Copies from to to byte for byte; a missing from gives an empty to. A from that is
// there but cannot be read fails: what it holds must not be replaced.
bool CopyFileContents(const char* from, const char* to) {
  FILE* in = fopen(from, "rb");
  if (!in && errno != ENOENT) return false;
  FILE* out = fopen(to, "wb");
  if (!out) {
    if (in) fclose(in);
    return false;
  }
  bool ok = true;
  if (in) {
    char buf[8192];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, in)) > 0) {
      if (fwrite(buf, 1, n, out) != n) {
        ok = false;
        break;
      }
    }
    if (ferror(in)) ok = false;
    fclose(in);
  }
  if (fclose(out) != 0) ok = false;
  return ok;
}

std::string Trimmed(const char* s) {
  std::string t = s ? s : "";
  size_t b = 0, e = t.size();
  while (b < e && isspace(static_cast<unsigned char>(t[b]))) b++;
  while (e > b && isspace(static_cast<unsigned char>(t[e - 1]))) e--;
  return t.substr(b, e - b);
}

}  // namespace

bool WriteConfig(const char* path, const ConfigUpdate& update) {
  char tmp[1100];
  snprintf(tmp, sizeof tmp, "%s.new", path);
  remove(tmp);
  // Start from a copy, so sections and keys the game does not know survive.
  bool ok = CopyFileContents(path, tmp);
  if (ok) {
    // Allegro's own writer puts the values into the copy; it does not report errors,
    // so the copy is read back afterwards and every value compared.
    set_config_file(tmp);
    for (const auto& e : update.Entries())
      set_config_string(e.section.c_str(), e.key.c_str(), e.value.c_str());
    flush_config_file();
    set_config_file(tmp);
    for (const auto& e : update.Entries()) {
      if (Trimmed(get_config_string(e.section.c_str(), e.key.c_str(), "")) !=
          Trimmed(e.value.c_str())) {
        ok = false;
        break;
      }
    }
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
