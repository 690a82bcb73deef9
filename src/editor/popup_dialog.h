// The editor's pop-up dialogs: run through the rules' dialog runner (so tests can fill
// the items and close them), with the screen under the dialog box put back afterwards.
#pragma once
#include <allegro.h>

// Runs items with the focus on item focus; the rectangle of items[0] (the box) is
// restored on the screen when the dialog closes. Returns the index of the item that
// closed it, negative for Escape or a dialog that could not be shown.
int RunEditorPopup(DIALOG* items, int focus);

// Holds a value typed into a dialog to the range [low, high].
int HoldToRange(int value, int low, int high);

// What a number field that counts in tens (its limit 100 or more) stores: the number it
// shows, field value x 10; but a field left as it opened keeps a stored value beyond
// what it can show (below 0 or above the limit).
int StoreCountedInTens(const DIALOG& field, int openedValue, int stored);
