#include "core/redraw_request.h"
#include "shell/display_hooks.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include "render/render_bitmaps.h"
#include "render/screen_layout.h"

// The switch-in hook runs on the library's input thread: it must not draw there. The
// main thread's loops carry the redraw out, once per switch-in.
TEST(DisplayHooks, SwitchInOnlyAsksTheMainThreadForARedraw) {
  BITMAP* fakeScreen = create_bitmap(800, 600);
  BITMAP* realScreen = screen;
  screen = fakeScreen;
  const int untouched = makecol(255, 0, 255);
  clear_to_color(fakeScreen, untouched);
  clear_to_color(BoardBitmap, makecol(10, 20, 30));

  SwitchInHook();
  EXPECT_EQ(getpixel(fakeScreen, 100, 100), untouched);  // nothing drawn by the hook

  RedrawIfRequested();
  const ScreenLayoutRecord& L = ScreenLayout;
  EXPECT_EQ(getpixel(fakeScreen, L.boardX + 5, L.boardY + 5), makecol(10, 20, 30));

  clear_to_color(fakeScreen, untouched);
  RedrawIfRequested();  // no new switch-in: nothing to do
  EXPECT_EQ(getpixel(fakeScreen, L.boardX + 5, L.boardY + 5), untouched);

  screen = realScreen;
  destroy_bitmap(fakeScreen);
}
