// Composition of the screen from the board, message and panel pictures.
#pragma once

// Positions of the areas on the 800 x 600 screen (they move when panels are dragged).
struct ScreenLayoutRecord {
  int boardX, boardY;
  int messageX, messageY;
  int panelX, panelY;
  int logoX, logoY;
};
extern ScreenLayoutRecord ScreenLayout;

// Composes the screen: full repaints background, frames, logo and buttons; board
// blits the board picture (or stretches the zoom window of it); message and panel blit
// their pictures. The screen is composed in BackBuffer and the changed areas are
// copied to the screen when there is one (tests look at BackBuffer).
void DrawScreen(int full, int board, int message, int panel);
// Copies an area of BackBuffer to the screen (mouse pointer hidden meanwhile).
void PresentArea(int x, int y, int w, int h);
