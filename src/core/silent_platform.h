// The platform of the command-line tools: no display and no player. Waits are
// skipped, no key or mouse button is ever down, every question is answered with its
// first button and no sound plays.
#pragma once
#include "core/platform.h"

class SilentPlatform : public Platform {
 public:
  void Wait(int) override {}
  unsigned NowMs() override { return 0; }
  bool KeyPressed() override { return false; }
  int ReadKey() override { return 0; }
  void ClearKeys() override {}
  bool KeyDown(int) override { return false; }
  int KeyShifts() override { return 0; }
  int MouseX() override { return 0; }
  int MouseY() override { return 0; }
  int MouseZ() override { return 0; }
  int MouseButtons() override { return 0; }
  int Alert(const char*, const char*, const char*, const char*, const char*, int, int) override {
    return 1;
  }
  void PlaySample(SAMPLE*, int, int, int, int) override {}
  void AdjustSample(SAMPLE*, int, int, int, int) override {}
  void StopSample(SAMPLE*) override {}
};
