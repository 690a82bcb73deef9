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

// The two places of each area. Dragging the message panel to the top moves the board
// down; dragging the side panel (with the logo) to the left moves board and messages right.
constexpr int kMessageTopY = 11, kMessageBottomY = 502;
constexpr int kBoardTopY = 11, kBoardLowY = 113;
constexpr int kPanelRightX = 677, kPanelLeftX = 11;
constexpr int kBoardLeftX = 11, kBoardShiftedX = 138;
constexpr ScreenLayoutRecord kDefaultScreenLayout = {
    kBoardLeftX, kBoardTopY, kBoardLeftX, kMessageBottomY,
    kPanelRightX, kBoardLowY, kPanelRightX, kBoardTopY};

// Composes the screen: full repaints background, frames, logo and buttons; board
// blits the board picture (or stretches the zoom window of it); message and panel blit
// their pictures. The screen is composed in BackBuffer and the changed areas are
// copied to the screen when there is one (tests look at BackBuffer).
void DrawScreen(int full, int board, int message, int panel);
// Copies an area of BackBuffer to the screen (mouse pointer hidden meanwhile).
void PresentArea(int x, int y, int w, int h);
