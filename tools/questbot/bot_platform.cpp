#include "bot_platform.h"

#include <time.h>

namespace {

long long ThreadNs() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

}  // namespace

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
    const long long before = ThreadNs();
    input_->Idle();
    playerNs_ += ThreadNs() - before;
  } else if (waitsSinceIdle_ == kMostWaitsWithoutInput) {
    input_->Stalled();
  }
}

int BotPlatform::Alert(const char* l1, const char* l2, const char* l3, const char* b1,
                       const char* b2, int, int) {
  if (!input_) return BotAlertAnswer(b1, b2);
  const long long before = ThreadNs();
  const int answer = input_->Answer(l1, l2, l3, b1, b2);
  playerNs_ += ThreadNs() - before;
  return answer;
}
