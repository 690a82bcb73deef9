// The campaign's windows (the quest screen, the shops, the Hall of Fame) stand on the
// board at one place, with one size of buttons.
#pragma once

// Sets the dialog layout values: the window 80 pixels right of and 120 below the
// board's corner, w x h, buttons of 100 x 23, spacing 6, a title strip of 16.
void UseBoardDialogLayout(int w, int h);
