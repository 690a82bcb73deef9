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

// Composes the screen: full repaints background, frames, logo and buttons; board,
// message and panel blit their pictures. Does nothing without a screen.
void DrawScreen(int full, int board, int message, int panel);
