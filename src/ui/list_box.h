// List boxes and the scrolling text box in the program's look. They behave exactly
// like the library's own list, text list and text box (selection, keys, wheel,
// scroll-bar clicks); what is theirs is the drawing: the rows on the base colour, the
// selected row on the middle colour with a focus mark, a sunken frame and a bevelled
// scroll-bar thumb.
//
// List items: dp the text callback (index -1 returns nothing and stores the number of
// entries), d1 the selected entry, d2 the first visible row, dp2 an optional byte per
// entry marking a multiple selection. Text box: dp the text, d1 its line count
// (worked out while drawing), d2 the first visible line.
#pragma once
#include <allegro.h>

int ListProc(int msg, DIALOG* d, int c);
// A list with type-ahead: typed characters extend a search prefix and select the
// next entry that starts with it, ignoring case and wrapping around; typing the
// same first letter again moves on to the next entry with it. Any other key, a
// click or a change of focus starts the prefix afresh.
int TextListProc(int msg, DIALOG* d, int c);
int TextBoxProc(int msg, DIALOG* d, int c);

// The scroll bar at the right edge of a list or text box of `total` rows of which
// `visible` are shown from `first` on.
void DrawListScrollBar(BITMAP* bmp, const DIALOG* d, int total, int visible, int first);
