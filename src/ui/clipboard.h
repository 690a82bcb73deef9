// The desktop's clipboard, shared with every other program: copy a text to it, read
// the text on it, tell whether it holds one. On the X desktop this is the CLIPBOARD
// selection, reached through the xclip tool (or xsel), so that the selection keeps
// being served after the game copied. Texts cross the seam in UTF-8; the field code
// works in the game's text encoding, converted here.
#pragma once
#include <string>

enum class ClipboardState {
  kUnavailable,  // no clipboard could be reached (no display, no tool, no answer)
  kEmpty,        // reached, but it holds no text
  kText,         // reached, and it holds a text
};

// Where the clipboard lives. The game uses the desktop's; tests install a fake.
class ClipboardBackend {
 public:
  virtual ~ClipboardBackend() = default;
  // Puts a UTF-8 text on the clipboard; false when no clipboard could be reached.
  virtual bool Put(const std::string& utf8) = 0;
  // Reads the clipboard's text as UTF-8 into *utf8 (emptied when there is none).
  virtual ClipboardState Get(std::string* utf8) = 0;
};

// The desktop's clipboard through xclip, or xsel when xclip is missing.
ClipboardBackend& DesktopClipboard();
// The clipboard in force; nullptr puts the desktop's back.
ClipboardBackend& Clipboard();
void SetClipboardBackend(ClipboardBackend* backend);

// Copies a text in the game's encoding; false when no clipboard could be reached.
bool ClipboardCopyText(const char* text);
// Reads the clipboard's text in the game's encoding, made fit for a one-line field:
// trailing line breaks dropped, other control characters turned into blanks.
ClipboardState ClipboardReadText(std::string* text);
// Whether the clipboard holds a text.
ClipboardState ClipboardTestText();
