#include "bot_platform.h"

int BotAlertAnswer(const char* b1, const char* b2) {
  (void)b1;
  return b2 && *b2 ? 2 : 1;
}

void BotPlatform::Wait(int ms) {
  if (ms > 0) clock_ += static_cast<unsigned>(ms);
  waitsSinceIdle_++;
  if (!input_) return;
  if (ms <= 10) {
    waitsSinceIdle_ = 0;
    input_->Idle();
  } else if (waitsSinceIdle_ == kMostWaitsWithoutInput) {
    input_->Stalled();
  }
}

int BotPlatform::Alert(const char* l1, const char* l2, const char* l3, const char* b1,
                       const char* b2, int, int) {
  return input_ ? input_->Answer(l1, l2, l3, b1, b2) : BotAlertAnswer(b1, b2);
}
