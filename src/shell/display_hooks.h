// The two ways the outside world reaches into the running game: the window's close
// button and the display switching back to the game. Both only set a value.
#pragma once

// Close button: ExitRequest = 1; whichever loop runs then asks "  Exit Dunmarrow?  ".
void CloseButtonHook();
// Switched back in. The library calls this from its own input thread, so it only
// asks for a redraw; the game's waiting loops carry it out on the main thread.
void SwitchInHook();

// Full screen was refused at start-up: says so on the message line.
void TellFullscreenRefused();

// Installs both (the close hook where the system driver offers one), and has them put
// back after every change between window and full screen.
void InstallDisplayHooks();
void RemoveDisplayHooks();
