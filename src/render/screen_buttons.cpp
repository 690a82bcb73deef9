#include "render/screen_buttons.h"

#include <algorithm>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "ui/bevel_box.h"
#include "ui/dialog_items.h"
#include "ui/text.h"

int ButtonState[4] = {0, 0, 0, 0};
const char* const PlayButtonLabels[4] = {"MENU", "ZOOM", "OPEN", "SKIP"};
const char* const EditorButtonLabels[4] = {"MENU", "TOOL", "PREV", "NEXT"};

int MouseTileX = -1, MouseTileY = -1;
MousePressRecord MousePress[2] = {{0, 0, 0, -1, -1}, {0, 0, 0, -1, -1}};

namespace {

// Which panel a left press grabbed (as PanelAt tells).
int gDragging = 0;

// Whether each button's label was last drawn lit.
bool gDrawnLit[4] = {false, false, false, false};

bool Inside(int x, int y, int x1, int y1, int x2, int y2) {
  return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

void DragPanels(int mx, int my) {
  ScreenLayoutRecord& L = ScreenLayout;
  bool moved = false;
  if (gDragging == 1) {
    if (my < kBoardLowY && L.messageY == kMessageBottomY) {
      L.messageY = kMessageTopY;
      L.boardY = kBoardLowY;
      moved = true;
    } else if (my > kMessageBottomY && L.messageY == kMessageTopY) {
      L.messageY = kMessageBottomY;
      L.boardY = kBoardTopY;
      moved = true;
    }
  } else if (gDragging == 2) {
    if (mx < kBoardShiftedX && L.panelX == kPanelRightX) {
      L.panelX = L.logoX = kPanelLeftX;
      L.boardX = L.messageX = kBoardShiftedX;
      moved = true;
    } else if (mx > kPanelRightX && L.panelX == kPanelLeftX) {
      L.panelX = L.logoX = kPanelRightX;
      L.boardX = L.messageX = kBoardLeftX;
      moved = true;
    }
  }
  if (moved) DrawScreen(1, 1, 1, 1);
}

}  // namespace

void ResetScreenLayout() {
  ScreenLayout = kDefaultScreenLayout;
  gDragging = 0;
}

void ButtonRect(int i, int* x1, int* y1, int* x2, int* y2) {
  int lx = ScreenLayout.logoX, ly = ScreenLayout.logoY;
  int col = i % 2, row = i / 2;
  *x1 = lx - 2 + col * 61;
  *x2 = lx + 52 + col * 61;
  *y1 = ly + 37 + row * 29;
  *y2 = ly + 59 + row * 29;
}

void DrawButton(int i) {
  if (i < 0 || i > 3 || !BackBuffer) return;
  int x1, y1, x2, y2;
  ButtonRect(i, &x1, &y1, &x2, &y2);
  int state = ButtonState[i];
  DrawBevelBox(BackBuffer, x1, y1, x2, y2, gui_bg_color, state == kButtonClicked ? 4 : 3);
  const char* label = (EditingFlag > 0 ? EditorButtonLabels : PlayButtonLabels)[i];
  // The label lights up under the mouse. A full repaint marks every button as hovered
  // until the mouse is next read, so the pointer itself decides.
  bool lit = state == kButtonClicked ||
             (state == kButtonHover &&
              Inside(Sys().MouseX(), Sys().MouseY(), x1, y1, x2, y2));
  int color = lit ? HighlightColor : MakeColorFromTriple(TextColor1);
  gDrawnLit[i] = lit;
  int h = y2 - y1;
  int push = state == kButtonClicked ? 1 : 0;
  DrawTextCentred(BackBuffer, kFontDialog, x1 + 1 + (x2 - x1) / 2 + push,
                  y1 + 2 + (h - 1 - FontHeight(kFontDialog)) / 2 + push, color, "%s", label);
  PresentArea(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
}

void DrawButtons() {
  for (int i = 0; i < 4; i++) {
    if (ButtonState[i] == kButtonActed) ButtonState[i] = kButtonHover;
    DrawButton(i);
  }
}

void RestButtons() {
  for (int i = 0; i < 4; i++) {
    ButtonState[i] = kButtonIdle;
    DrawButton(i);
  }
}

bool TakeButtonClick(int i) {
  if (i < 0 || i > 3 || ButtonState[i] != kButtonClicked) return false;
  ButtonState[i] = kButtonActed;
  return true;
}

int PanelAt(int sx, int sy) {
  const ScreenLayoutRecord& L = ScreenLayout;
  if (Inside(sx, sy, L.messageX, L.messageY, L.messageX + kMessageBitmapW - 1,
             L.messageY + kMessageBitmapH - 1))
    return 1;
  if (Inside(sx, sy, L.panelX, L.panelY, L.panelX + kPanelBitmapW - 1,
             L.panelY + kPanelBitmapH - 1))
    return 2;
  return 0;
}

bool ScreenToTile(int sx, int sy, int* tx, int* ty) {
  const ScreenLayoutRecord& L = ScreenLayout;
  int rx = sx - L.boardX, ry = sy - L.boardY;
  if (rx < 0 || ry < 0 || rx >= kBoardBitmapW || ry >= kBoardBitmapH) {
    *tx = *ty = -1;
    return false;
  }
  int view = ViewMode == 2 ? 2 : 1;
  // The board pixel under the mouse, then its tile. At the bottom limit the zoom window
  // starts 238 pixels down, half a row into row 9, so the row comes from the pixel and
  // not from a rounded tile origin.
  int bx = rx / view + ZoomPixelX(), by = ry / view + ZoomPixelY();
  *tx = std::min(bx / kTileSize, kBoardW - 1);
  *ty = std::min(by / kTileSize, kBoardH - 1);
  return true;
}

void UpdateMouse() {
  int mx = Sys().MouseX(), my = Sys().MouseY(), mb = Sys().MouseButtons();
  ScreenToTile(mx, my, &MouseTileX, &MouseTileY);

  bool leftWentDown = false;
  for (int b = 0; b < 2; b++) {
    bool held = (mb & (1 << b)) != 0;
    MousePressRecord& p = MousePress[b];
    if (held && !p.down) {
      p.down = 1;
      p.sx = mx;
      p.sy = my;
      p.tx = MouseTileX;
      p.ty = MouseTileY;
      if (b == 0) leftWentDown = true;
    } else if (!held && p.down) {
      p = {0, 0, 0, -1, -1};
    }
  }

  // Dragging the message panel or the side panel.
  if (leftWentDown) gDragging = PanelAt(mx, my);
  if (!MousePress[0].down) gDragging = 0;
  if (gDragging) DragPanels(mx, my);

  // Buttons.
  for (int i = 0; i < 4; i++) {
    int x1, y1, x2, y2;
    ButtonRect(i, &x1, &y1, &x2, &y2);
    bool over = Inside(mx, my, x1, y1, x2, y2);
    int& s = ButtonState[i];
    int before = s;
    if (s == kButtonActed) s = kButtonHover;
    if (leftWentDown && over && s < kButtonClicked) {
      s = kButtonClicked;
      PlayClick();  // sounds whatever the sound switch says
    } else if (s == kButtonIdle && over) {
      s = kButtonHover;
    } else if (s == kButtonHover && !over) {
      s = kButtonIdle;
    }
    bool lit = s == kButtonClicked || (s == kButtonHover && over);
    if (s != before || lit != gDrawnLit[i]) DrawButton(i);
  }
}
