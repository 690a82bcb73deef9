#include "core/redraw_request.h"

#include <atomic>

namespace {

// Set on any thread, taken on the main thread.
std::atomic<bool> gRedrawRequested{false};
RedrawHandler gHandler = nullptr;

}  // namespace

void RequestRedraw() { gRedrawRequested = true; }

void RedrawIfRequested() {
  if (!gHandler || !gRedrawRequested.exchange(false)) return;
  gHandler();
}

void SetRedrawHandler(RedrawHandler handler) { gHandler = handler; }
