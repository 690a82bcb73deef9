// The side panel: one object at a time with its portrait, name and attribute bars.
#pragma once
#include <allegro.h>

// The object the panel shows (0 = none).
extern int PanelObject;

// Shows an object in the panel and refreshes the panel area of the screen.
void ShowPanel(int object);
// Redraws only the walk row, for the object whose turn it is.
void ShowWalk();
// A bar of |value| segments (at most 17) on the panel picture; short bars start 3
// pixels lower. A value of 0 draws a dash.
void DrawBar(int x, int y, int value, int color, int shortBar);
// Base and current value together: a bonus shows as short segments, lost points faint.
void DrawPair(int x, int y, int base, int current, int color);

// Segment i of a bar starts this many pixels right of the bar (an extra pixel after
// every five).
inline int BarSegmentX(int i) { return 4 * i + i / 5; }
constexpr int kMaxBarSegments = 17;
