// The two ways the outside world reaches into the running game: the window's close
// button and the display switching back to the game. Both only set a value or redraw.
#pragma once

// Close button: ExitRequest = 1; whichever loop runs then asks "  Exit Dunmarrow?  ".
void CloseButtonHook();
// Switched back in: the whole screen is composed again, the active dialog redrawn and
// the mouse pointer shown.
void SwitchInHook();

// Installs both (the close hook where the system driver offers one).
void InstallDisplayHooks();
void RemoveDisplayHooks();
