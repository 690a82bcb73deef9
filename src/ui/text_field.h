// The one-line text field of every dialog (the file selector's too): a cursor, word
// moves with Ctrl, and the desktop clipboard for the whole text through Ctrl-C,
// Ctrl-X, Ctrl-V and a right-click menu "Copy", "Cut", "Paste".
//
// Item fields: dp the text (edited in place), d1 the most characters it may hold
// (its buffer holds d1 + 1 bytes at least), d2 the cursor; a cursor of 0 at the
// start of the dialog goes to the end of the text and a cursor of 1 to its start.
// dp2, when set, is a one-character text whose character code is an object number,
// shown in the side panel when the field gets the focus. D_USER draws the text in
// the large dialog font; without it the standard font is used; both anti-aliased.
#pragma once
#include <allegro.h>

constexpr int kFieldLargeFont = D_USER;

int TextFieldProc(int msg, DIALOG* d, int c);

// The clipboard operations on a field's whole text. Copy leaves the field as it
// is; Cut copies and then empties it (also when no clipboard was reached); Paste
// replaces the text with the clipboard's, cut to the field's size, cursor at the end.
void TextFieldCopy(DIALOG* d);
void TextFieldCut(DIALOG* d);
void TextFieldPaste(DIALOG* d);

// Runs a pop-up menu at (x, y) and returns the chosen entry's index or a negative
// value (RunWatchedMenu unless a test installed another).
using PopupMenuRunner = int (*)(MENU* menu, int x, int y);
void SetPopupMenuRunner(PopupMenuRunner runner);
