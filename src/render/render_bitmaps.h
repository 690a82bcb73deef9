// The off-screen pictures from which the screen is composed.
#pragma once
#include <allegro.h>

extern BITMAP* BackBuffer;     // screen-sized
extern BITMAP* BoardBitmap;    // 651 x 476: the whole board
extern BITMAP* MessageBitmap;  // 651 x 87: the message panel
extern BITMAP* PanelBitmap;    // 112 x 233: the side panel
extern BITMAP* WorkBitmap96;   // work picture for objects
extern BITMAP* WorkBitmap24;   // work picture for one tile
extern BITMAP* TileCacheBitmap;  // floor tiles as drawn, one cell per kind of tile

constexpr int kBoardBitmapW = 651, kBoardBitmapH = 476;
constexpr int kMessageBitmapW = 651, kMessageBitmapH = 87;
constexpr int kPanelBitmapW = 112, kPanelBitmapH = 233;
// The tile cache: kTileCacheColumns cells of 24 x 24 a row, kTileCacheCells in all.
constexpr int kTileCacheColumns = 64, kTileCacheCells = 29 * 2 * 4 * 8;
constexpr int kTileCacheW = kTileCacheColumns * 24;
constexpr int kTileCacheH = (kTileCacheCells + kTileCacheColumns - 1) / kTileCacheColumns * 24;

// Creates the seven pictures (memory bitmaps of the current colour depth); false on failure.
bool CreateRenderBitmaps(int screenW, int screenH);
void DestroyRenderBitmaps();
