// The reader of the game manual, Dunmar.htm beside the program: a window with a
// scrolling text box that understands just enough HTML to be readable. Everything
// before the body tag is skipped and tags are hidden; paragraph, line-break and
// heading-end tags end a line; headings show in the heading font, and a vertical bar
// starts small print, which lasts until the next heading end.
#pragma once
#include <allegro.h>

#include <vector>

// The fonts of the manual, in the order the text switches between them.
enum ManualFont { kManualBody = 0, kManualHeading = 1, kManualSmall = 2 };
// The datafile font of each.
int ManualFontIndex(int manualFont);

// One laid-out line: the characters [start, end) of the text (tags included, the
// blank a line was broken at left out), the font in force at its first character and
// the one in force after its last; the next line starts at next.
struct ManualLine {
  int start;
  int end;
  int next;
  int font;
  int endFont;
};

// The text box's layout: the lines of a text for one line width.
struct ManualPage {
  const char* text = nullptr;
  int width = -1;     // the line width the lines were made for
  bool body = false;  // the text has a body tag (only what follows it is shown)
  std::vector<ManualLine> lines;
  BITMAP* canvas = nullptr;  // the box is drawn here first, then put on the screen
};

// Lays out text (terminated) into lines narrower than width pixels. Each line is
// measured with the font in force at its own start, as the tags before it leave it.
void LayOutManual(ManualPage& page, const char* text, int width);
// How far down the next line starts: the height of the font in force after the line.
int ManualLineHeight(const ManualLine& line);

// The text box: dp the text, dp3 its ManualPage, d1 the number of lines, d2 the first
// line shown. Up, Down, Home, End, Page Up and Page Down scroll it, also while another
// item of the window has the focus; so do the mouse wheel and the scroll bar.
int ManualViewerProc(int msg, DIALOG* d, int c);
// Lines that fill the box in the body font.
int ManualVisibleLines(const DIALOG* d);
// The first line of the last page: the text's end is on the screen from there.
int ManualLastFirstLine(const DIALOG* d);

// Item indexes of the window.
enum ManualItem {
  kManualBox = 0,
  kManualClose = 1,
  kManualViewer = 2,
  kManualWatcher = 3,
  kManualItemCount = 5,  // the four items and the closing entry
};
// Fills the window's items (kManualItemCount) for the text and its page.
void BuildManualWindow(DIALOG* items, char* text, ManualPage* page);

// How the window is run: the library's popup_dialog, the index of the item that closed
// it (negative for Escape). Tests put a scripted runner in its place.
using ManualDialogRunner = int (*)(DIALOG* items, int focus);
extern ManualDialogRunner RunManualDialog;

// Reads the manual at path into a new terminated buffer (free it with delete[]); on
// failure tells the player with "  Read Error:  " and the path, and gives nullptr.
char* ReadManualFile(const char* path);

// Shows the manual beside the program in its window until it is closed. Returns 0
// after the window was shown, 1 when the file could not be read.
int ShowManual();
