// Layout values every menu and dialog sets before it builds its items, and places
// them by.
#pragma once

struct DialogLayoutValues {
  int DialogX;         // left edge of the dialog box
  int DialogY;         // top edge
  int DialogW;         // width
  int DialogH;         // height
  int ButtonW;         // button width
  int ButtonH;         // button height
  int Spacing;         // gap between items and to the frame
  int TitleBarHeight;  // height of the title strip of a framed box
};

extern DialogLayoutValues DialogLayout;

// The size of a menu of `buttons` buttons, 100 x 22 each, in a framed box: buttons,
// spacing and title strip as every menu of the game has them, the box one column of
// buttons wide and tall enough for the buttons and the gaps of up to three groups. The
// caller places the box (DialogX, DialogY).
void UseButtonMenuSize(int buttons);
