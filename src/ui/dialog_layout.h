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
