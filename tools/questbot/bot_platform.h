// The bot's side of the seam: a platform with no window, no sound and no waiting. The
// clock is the sum of the pauses the game asked for, so it follows the game's progress
// and a seed always gives the same game. Whenever the hero turn idles for input (the
// short wait that ends each of its passes), the player behind the platform looks at the
// board and presses a key or clicks a tile for the next pass; questions are answered by
// the player's fixed policy.
#pragma once
#include <string>

#include "core/platform.h"

// Whoever plays through the platform.
class BotInput {
 public:
  virtual ~BotInput() = default;
  // The game idles for input (a wait of 10 ms or less).
  virtual void Idle() = 0;
  // A question box; returns the button chosen (1 or 2).
  virtual int Answer(const char* l1, const char* l2, const char* l3, const char* b1,
                     const char* b2) = 0;
  // The game went on for kMostWaitsWithoutInput waits without idling for input.
  virtual void Stalled() {}
};

// Far more waits than the monsters of a full board make in one round.
constexpr long kMostWaitsWithoutInput = 200000;

// The answer of the bot's fixed policy to a question: a box with one button is read and
// closed with it; of two buttons the second is taken, since every two-button question of
// the play loop offers leaving (retreating a hero, fleeing the dungeon, leaving the game
// or the program) with its first.
int BotAlertAnswer(const char* b1, const char* b2);

class BotPlatform : public Platform {
 public:
  explicit BotPlatform(BotInput* input) : input_(input) {}

  // The player's hands: one key for the next pass, or the left button held over a
  // screen position for one pass (released at the next idle wait).
  void PressKey(int code) { key_ = code; }
  void PressMouse(int sx, int sy) {
    mouseX_ = sx;
    mouseY_ = sy;
    buttons_ = 1;
  }
  void ReleaseMouse() { buttons_ = 0; }

  void Wait(int ms) override;
  unsigned NowMs() override { return clock_; }
  // Processor time (ns) the player behind the platform spent looking at the board and
  // choosing, in its Idle and Answer calls: the player's part, not the game's.
  long long PlayerNs() const { return playerNs_; }
  bool KeyPressed() override { return key_ != 0; }
  int ReadKey() override {
    int k = key_;
    key_ = 0;
    return k;
  }
  void ClearKeys() override { key_ = 0; }
  bool KeyDown(int) override { return false; }
  int KeyShifts() override { return 0; }
  int MouseX() override { return mouseX_; }
  int MouseY() override { return mouseY_; }
  int MouseZ() override { return 0; }
  int MouseButtons() override { return buttons_; }
  int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
            int k1, int k2) override;
  void PlaySample(SAMPLE*, int, int, int, int) override {}
  void AdjustSample(SAMPLE*, int, int, int, int) override {}
  void StopSample(SAMPLE*) override {}

 private:
  BotInput* input_;
  unsigned clock_ = 0;
  long long playerNs_ = 0;
  long waitsSinceIdle_ = 0;
  int key_ = 0;
  int mouseX_ = 0, mouseY_ = 0, buttons_ = 0;
};
