// Requests to compose the whole screen again, from wherever they arise (the display
// switching back to the game arrives on the library's input thread), carried out by
// the main thread's waiting loops.
#pragma once

// Asks for a redraw; safe from any thread, it only sets a flag.
void RequestRedraw();
// Called by every waiting loop of the main thread (the dialogs' idle item, the game's
// own polling loops): after a request, runs the redraw handler once.
void RedrawIfRequested();

// The screen installs what a redraw does; nullptr removes it (requests then wait).
using RedrawHandler = void (*)();
void SetRedrawHandler(RedrawHandler handler);
