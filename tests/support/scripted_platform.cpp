#include "support/scripted_platform.h"

#include "core/program_state.h"

void ScriptedPlatform::Reset() {
  keys.clear();
  alertAnswers.clear();
  mouseX = mouseY = mouseZ = mouseButtons = shifts = 0;
  for (bool& h : held) h = false;
  alerts.clear();
  played.clear();
  stopped.clear();
  waitedMs = 0;
  clockMs = 1000;
  idleActs.clear();
  ranOutOfActs = false;
  actsRan = false;
  idleWaits = 0;
}

void ScriptedPlatform::Wait(int ms) {
  // Time passes for the game's clock, but not for the test.
  if (ms > 0) {
    waitedMs += ms;
    clockMs += static_cast<unsigned>(ms);
  }
  if (ms > 10) return;
  if (!idleActs.empty()) {
    auto act = std::move(idleActs.front());
    idleActs.pop_front();
    act(*this);
    actsRan = true;
    return;
  }
  if (actsRan && ++idleWaits > kPatience && ExitRequest < 2) {
    ranOutOfActs = true;
    ExitRequest = 2;
  }
}

int ScriptedPlatform::ReadKey() {
  if (keys.empty()) return 0;
  int k = keys.front();
  keys.pop_front();
  return k;
}

bool ScriptedPlatform::KeyDown(int scancode) {
  return scancode > 0 && scancode < KEY_MAX && held[scancode];
}

int ScriptedPlatform::Alert(const char* l1, const char* l2, const char* l3, const char* b1,
                            const char* b2, int k1, int k2) {
  alerts.push_back(
      {l1 ? l1 : "", l2 ? l2 : "", l3 ? l3 : "", b1 ? b1 : "", b2 ? b2 : "", k1, k2});
  if (alertAnswers.empty()) return 1;
  int a = alertAnswers.front();
  alertAnswers.pop_front();
  return a;
}

void ScriptedPlatform::PlaySample(SAMPLE* s, int vol, int pan, int freq, int loop) {
  if (s) played.push_back({s, vol, pan, freq, loop});
}

ScriptedPlatform& TestPlatform() {
  static ScriptedPlatform p;
  return p;
}
