// The screen answers the lower floors through hooks they own: the message log's drawer,
// the dialogs' object focus (the side panel shows the object) and the redraw requests
// (the whole screen and the open dialog are composed again).
#pragma once

void InstallScreenHooks();
// The redraw handler: composes the whole screen, redraws the active dialog and shows
// the mouse pointer. Does nothing without a screen.
void RedrawWholeScreen();
