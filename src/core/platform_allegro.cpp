#include "core/platform.h"

#include <ctime>

#include "core/display_scale.h"
#include "core/game_data.h"

namespace {

unsigned MonotonicMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<unsigned>(ts.tv_sec * 1000u + ts.tv_nsec / 1000000u);
}

class AllegroPlatformImpl : public Platform {
 public:
  // The waiting points show what was drawn before them (and carry out Alt+Enter).
  void Wait(int ms) override {
    ServiceDisplay();
    rest(ms > 0 ? ms : 0);
  }
  unsigned NowMs() override { return MonotonicMs(); }
  bool KeyPressed() override {
    ServiceDisplay();
    return keyboard_driver && keypressed();
  }
  int ReadKey() override {
    if (!keyboard_driver) return 0;
    while (!keypressed()) {
      ServiceDisplay();
      rest(10);
    }
    return readkey();
  }
  void ClearKeys() override {
    if (keyboard_driver) clear_keybuf();
  }
  bool KeyDown(int scancode) override {
    return keyboard_driver && scancode > 0 && scancode < KEY_MAX && key[scancode];
  }
  int KeyShifts() override { return keyboard_driver ? key_shifts : 0; }
  // Picture coordinates, whatever the window's scale.
  int MouseX() override { return PictureMouseX(); }
  int MouseY() override { return PictureMouseY(); }
  int MouseZ() override { return mouse_z; }
  int MouseButtons() override { return mouse_b; }
  int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
            int k1, int k2) override {
    return ShowAlertBox(l1, l2, l3, b1, b2, k1, k2);
  }
  void PlaySample(SAMPLE* s, int vol, int pan, int freq, int loop) override {
    if (s && digi_driver) play_sample(s, vol, pan, freq, loop);
  }
  void AdjustSample(SAMPLE* s, int vol, int pan, int freq, int loop) override {
    if (s && digi_driver) adjust_sample(s, vol, pan, freq, loop);
  }
  void StopSample(SAMPLE* s) override {
    if (s && digi_driver) stop_sample(s);
  }
};

AllegroPlatformImpl gAllegro;

}  // namespace

Platform* AllegroPlatform() { return &gAllegro; }

int ShowAlertBox(const char* l1, const char* l2, const char* l3, const char* b1,
                 const char* b2, int k1, int k2) {
  if (!screen) return -1;
  // Dialog texts use the dialog font while the box is open; the font in force
  // before (a dialog's own, under a box it raised) comes back after.
  FONT* before = font;
  font = DataFontOr(kFontDialog);
  int answer = alert3(l1, l2, l3, b1, b2, nullptr, k1, k2, 0);
  font = before;
  return answer;
}
