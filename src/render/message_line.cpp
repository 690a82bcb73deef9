#include "render/message_line.h"

#include "core/game_data.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "ui/text.h"

void DrawMessageLine(const LoggedMessage& line) {
  if (!MessageBitmap) return;
  blit(MessageBitmap, MessageBitmap, 2, 16, 2, 2, 650, 71);
  // The panel keeps five lines: what scrolled above the fifth one is gone.
  rectfill(MessageBitmap, 2, 2, 650, 16, BaseColor);
  rectfill(MessageBitmap, 2, 72, 650, 85, BaseColor);
  DrawText(MessageBitmap, kFontDialog, 3, 73, MakeColorFromTriple(line.color), "%s", line.text);
}

void PresentMessages() { DrawScreen(0, 0, 1, 0); }
