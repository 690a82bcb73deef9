#include "render/render_bitmaps.h"

BITMAP* BackBuffer = nullptr;
BITMAP* BoardBitmap = nullptr;
BITMAP* MessageBitmap = nullptr;
BITMAP* PanelBitmap = nullptr;
BITMAP* WorkBitmap96 = nullptr;
BITMAP* WorkBitmap24 = nullptr;
BITMAP* TileCacheBitmap = nullptr;

bool CreateRenderBitmaps(int screenW, int screenH) {
  DestroyRenderBitmaps();
  BackBuffer = create_bitmap(screenW, screenH);
  BoardBitmap = create_bitmap(kBoardBitmapW, kBoardBitmapH);
  MessageBitmap = create_bitmap(kMessageBitmapW, kMessageBitmapH);
  PanelBitmap = create_bitmap(kPanelBitmapW, kPanelBitmapH);
  WorkBitmap96 = create_bitmap(96, 96);
  WorkBitmap24 = create_bitmap(24, 24);
  TileCacheBitmap = create_bitmap(kTileCacheW, kTileCacheH);
  return BackBuffer && BoardBitmap && MessageBitmap && PanelBitmap && WorkBitmap96 &&
         WorkBitmap24 && TileCacheBitmap;
}

void DestroyRenderBitmaps() {
  BITMAP** all[] = {&BackBuffer,   &BoardBitmap,  &MessageBitmap,  &PanelBitmap,
                    &WorkBitmap96, &WorkBitmap24, &TileCacheBitmap};
  for (BITMAP** b : all) {
    if (*b) destroy_bitmap(*b);
    *b = nullptr;
  }
}
