// The two ways the outside world reaches into the running game: the window's close
// button and the display switching back to the game. Both only set a value.
#pragma once

// Close button: ExitRequest = 1; whichever loop runs then asks "  Exit Dunmarrow?  ".
void CloseButtonHook();
// Switched back in. The library calls this from its own input thread, so it only
// asks for a redraw; the game's loops carry it out on the main thread.
void SwitchInHook();
// Called by every waiting loop of the main thread (the dialogs' idle item, the game's
// own polling loops): after a switch-in, composes the whole screen again, redraws the
// active dialog and shows the mouse pointer.
void RedrawAfterSwitchIn();

// Installs both (the close hook where the system driver offers one).
void InstallDisplayHooks();
void RemoveDisplayHooks();
