// A platform for tests: waits take no time, keys, mouse and alert answers come from
// the test, and played samples are recorded.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/platform.h"

struct RecordedAlert {
  std::string l1, l2, l3, b1, b2;
  int k1 = 0, k2 = 0;  // the buttons' shortcut keys
};

struct RecordedSample {
  SAMPLE* sample;
  int vol, pan, freq, loop;
};

class ScriptedPlatform : public Platform {
 public:
  // Script.
  std::deque<int> keys;          // readkey() codes still to come
  std::deque<int> alertAnswers;  // answers to the next alerts (1 when none is queued)
  int mouseX = 0, mouseY = 0, mouseZ = 0, mouseButtons = 0, shifts = 0;
  bool held[KEY_MAX] = {};
  // What the player does while the game idles for input: each idle wait (a wait of
  // 10 ms or less, as the game's waiting loops make) runs the next act, which may type
  // a key or move and press the mouse. When the acts have run out, the player stays
  // idle; once any act ran, after kPatience idle waits more the test is taken as hung: ExitRequest
  // becomes 2 so every loop unwinds, and ranOutOfActs says so.
  std::deque<std::function<void(ScriptedPlatform&)>> idleActs;
  static constexpr int kPatience = 2000;
  bool ranOutOfActs = false;

  // Record.
  std::vector<RecordedAlert> alerts;
  std::vector<RecordedSample> played;
  std::vector<SAMPLE*> stopped;
  long waitedMs = 0;
  int idleWaits = 0;  // idle waits since the acts ran out
  bool actsRan = false;
  unsigned clockMs = 1000;

  void Reset();

  void Wait(int ms) override;
  unsigned NowMs() override { return clockMs; }
  bool KeyPressed() override { return !keys.empty(); }
  int ReadKey() override;
  void ClearKeys() override { keys.clear(); }
  bool KeyDown(int scancode) override;
  int KeyShifts() override { return shifts; }
  int MouseX() override { return mouseX; }
  int MouseY() override { return mouseY; }
  int MouseZ() override { return mouseZ; }
  int MouseButtons() override { return mouseButtons; }
  int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
            int k1, int k2) override;
  void PlaySample(SAMPLE* s, int vol, int pan, int freq, int loop) override;
  void AdjustSample(SAMPLE* s, int vol, int pan, int freq, int loop) override {}
  void StopSample(SAMPLE* s) override { stopped.push_back(s); }
};

// The platform every unit test runs on (installed by the test main).
ScriptedPlatform& TestPlatform();
