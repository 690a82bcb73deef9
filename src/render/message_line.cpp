#include "render/message_line.h"

#include <cstdarg>
#include <cstdio>

#include "core/game_data.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "ui/text.h"

char MessageBuffer[90];

void PrintMessage(const ColorTriple& color, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  vsnprintf(MessageBuffer, sizeof MessageBuffer, format, ap);
  va_end(ap);
  if (!MessageBitmap) return;
  blit(MessageBitmap, MessageBitmap, 2, 16, 2, 2, 650, 71);
  // The log keeps five lines: what scrolled above the fifth one is gone.
  rectfill(MessageBitmap, 2, 2, 650, 16, BaseColor);
  rectfill(MessageBitmap, 2, 72, 650, 85, BaseColor);
  DrawText(MessageBitmap, kFontDialog, 3, 73, MakeColorFromTriple(color), "%s", MessageBuffer);
}

void RefreshMessages() { DrawScreen(0, 0, 1, 0); }
