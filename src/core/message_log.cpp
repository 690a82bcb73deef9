#include "core/message_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

char MessageBuffer[kMessageLineSize];

namespace {

LoggedMessage gLog[kMessageLogLines];
int gNewest = 0;  // index into gLog of the newest line
MessageDrawer gDrawer = nullptr;
MessagePresenter gPresenter = nullptr;

}  // namespace

void PrintMessage(const ColorTriple& color, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  vsnprintf(MessageBuffer, sizeof MessageBuffer, format, ap);
  va_end(ap);
  gNewest = (gNewest + 1) % kMessageLogLines;
  LoggedMessage& line = gLog[gNewest];
  memcpy(line.text, MessageBuffer, sizeof line.text);
  line.color = color;
  if (gDrawer) gDrawer(line);
}

const LoggedMessage& LoggedLine(int i) {
  static const LoggedMessage kEmpty = {};
  if (i < 0 || i >= kMessageLogLines) return kEmpty;
  return gLog[(gNewest - i + kMessageLogLines) % kMessageLogLines];
}

void RefreshMessages() {
  if (gPresenter) gPresenter();
}

void SetMessageDisplay(MessageDrawer drawer, MessagePresenter presenter) {
  gDrawer = drawer;
  gPresenter = presenter;
}
