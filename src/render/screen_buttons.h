// The four screen buttons under the logo, the mouse tile and the dragging of panels.
#pragma once

// Button states.
enum ScreenButtonState {
  kButtonIdle = 0,
  kButtonHover = 1,    // the mouse is over it
  kButtonClicked = 2,  // clicked; waits for the rules to act on it
  kButtonActed = 3,    // acted on; drawn up again and returned to hover
};
extern int ButtonState[4];

// Labels in play and in the editor (EditingFlag above 0).
extern const char* const PlayButtonLabels[4];
extern const char* const EditorButtonLabels[4];

// Screen rectangle of button i (0..3) from the logo corner.
void ButtonRect(int i, int* x1, int* y1, int* x2, int* y2);
// Draws the four buttons (a button in state 3 returns to state 1) and shows them.
void DrawButtons();
// Puts every button at rest (idle, unlit) and draws it: for screens where nothing
// reads the mouse for them, such as the main menu.
void RestButtons();
// Draws one button into the back buffer and shows it.
void DrawButton(int i);
// Clicked button (state 2) -> acted (state 3): the rules call it after acting.
bool TakeButtonClick(int i);

// Mouse tile: -1, -1 when the mouse is off the board.
extern int MouseTileX, MouseTileY;
// Where the left (0) and right (1) buttons went down, until released.
struct MousePressRecord {
  int down;    // 1 while the button is held
  int sx, sy;  // screen position of the press
  int tx, ty;  // tile of the press, -1 when it started off the board
};
extern MousePressRecord MousePress[2];

// The panel under a screen position: 0 none, 1 the message panel, 2 the side panel.
int PanelAt(int sx, int sy);
// The tile under a screen position in the current layout and view; false off the board.
bool ScreenToTile(int sx, int sy, int* tx, int* ty);
// Reads the mouse: tile, presses, panel dragging, button states.
void UpdateMouse();
// Puts every area back at its default position.
void ResetScreenLayout();
