// dunmar.cfg beside the executable: every setting and the Hall of Fame. Read once at
// start-up through Allegro's configuration routines, written back at exit by the game
// itself (Allegro's writer puts a key that is new to a section after that section's
// last line before a blank line, which in a file without blank lines is another
// section). Writing goes through a copy in the same folder that replaces the file only
// once it reads back right, so a failed write leaves the previous dunmar.cfg as it was.
#pragma once
#include <string>
#include <vector>

// Full path of dunmar.cfg (set by SelectConfigFile).
extern char ConfigPath[1024];

// Makes path the configuration every get_config_* call reads.
void SelectConfigFile(const char* path);

// Only 15, 16, 24 and 32 bits are played; anything else becomes 32.
int CorrectBpp(int bpp);

// Reads every GameOptions key but the two colours from the selected configuration,
// each with its default, and corrects bpp.
void ReadGameOptions();
// Reads [guicolor] background and highlite. The file keeps them as 0xRRGGBB, so they
// mean the same at every colour depth; they become screen colours of the current depth.
void ReadInterfaceColors();

// The one key changed when the graphics mode cannot be set: a window that failed is
// tried full screen next time; a full screen that failed tries 8 bits less, never
// below 16.
struct ModeFallback {
  const char* key;  // in [general]
  int value;
};
ModeFallback GraphicsModeFallback(int fullscreen, int bpp);
// Writes just that key into the file at path (see WriteConfig); false when it failed.
bool StoreGraphicsModeFallback(const char* path, int fullscreen, int bpp);

// Values to store, in the order they were set.
class ConfigUpdate {
 public:
  struct Entry {
    std::string section, key, value;
  };
  void SetInt(const char* section, const char* key, int value);
  // A colour as 0xRRGGBB.
  void SetColor(const char* section, const char* key, int color);
  // A text, stored so that ReadConfigText gives it back exactly (see StoredText).
  void SetString(const char* section, const char* key, const char* value);
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// Allegro's reader drops the blanks (and any '=') before a value and the blanks after
// it, and takes an empty value for a missing one. A text it would change, or one
// holding control characters or beginning with a double quote, is stored in double
// quotes with \\, \" and \xHH (control characters) escaped; any other text as it is.
std::string StoredText(const std::string& text);
// The text stored by SetString under section and key of the selected configuration,
// or fallback when there is none.
std::string ReadConfigText(const char* section, const char* key, const char* fallback);

// Every GameOptions key, colours included.
void AddGameOptions(ConfigUpdate& update);

// Stores the values in the configuration file at path, keeping every other line of
// it, and leaves path selected as the configuration. A value replaces the line the
// reader finds for its key; a new key goes after the last key of its section, a new
// section at the end. Should the reader take the file otherwise than its lines show
// (bytes it does not read as they stand), the values go first in the file instead,
// where it meets them before anything else. The new text goes to path + ".new", is
// read back through Allegro and every value compared with what was meant, and only
// then renamed over path. Returns false (with the old file untouched) when any step
// fails.
bool WriteConfig(const char* path, const ConfigUpdate& update);
