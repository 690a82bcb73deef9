#include "ui_fields/field_fixture.h"

#include "core/colors.h"

int mouseHeldLooks = 0;

namespace {
int FakeMouseX() { return TestPlatform().mouseX; }
int FakeMouseY() { return TestPlatform().mouseY; }
int FakeMouseZ() { return TestPlatform().mouseZ; }
int FakeMouseB() {
  if (mouseHeldLooks > 0) {
    mouseHeldLooks--;
    return 1;
  }
  return 0;
}
}  // namespace

PopupRecord& Popup() {
  static PopupRecord r;
  return r;
}

int RecordingPopup(MENU* menu, int x, int y) {
  PopupRecord& r = Popup();
  r.shown++;
  r.entries.clear();
  r.enabled.clear();
  for (MENU* m = menu; m->text; m++) {
    r.entries.push_back(m->text);
    r.enabled.push_back(!(m->flags & D_DISABLED));
  }
  return r.choice;
}

void FieldTest::SetUp() {
  P().Reset();
  bmp = create_bitmap(320, 200);
  clear_to_color(bmp, makecol(255, 0, 255));
  oldScreen = screen;
  screen = bmp;  // the library's list redraws through the dialog manager
  gui_set_screen(bmp);
  data.SetFont(kFontSmall);
  data.SetFont(kFontStandard);
  data.SetFont(kFontDialog);
  for (int n = 0; n <= 30; n++) data.SetSample(kFirstSound + n);
  data.Install();
  oldX = gui_mouse_x;
  oldY = gui_mouse_y;
  oldZ = gui_mouse_z;
  oldB = gui_mouse_b;
  gui_mouse_x = FakeMouseX;
  gui_mouse_y = FakeMouseY;
  gui_mouse_z = FakeMouseZ;
  gui_mouse_b = FakeMouseB;
  mouseHeldLooks = 0;
  SetClipboardBackend(&clip);
  Popup() = PopupRecord();
  SetPopupMenuRunner(RecordingPopup);
}

void FieldTest::TearDown() {
  SetPopupMenuRunner(nullptr);
  SetClipboardBackend(nullptr);
  gui_mouse_x = oldX;
  gui_mouse_y = oldY;
  gui_mouse_z = oldZ;
  gui_mouse_b = oldB;
  gui_set_screen(nullptr);
  screen = oldScreen;
  destroy_bitmap(bmp);
}

DIALOG Item(DIALOG_PROC proc, int x, int y, int w, int h) {
  DIALOG d = {};
  d.proc = proc;
  d.x = x;
  d.y = y;
  d.w = w;
  d.h = h;
  d.fg = makecol(0, 0, 0);
  d.bg = makecol(255, 255, 255);
  return d;
}
