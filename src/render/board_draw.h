// Drawing the board picture: floor tiles with their walls and doors, and objects.
// Only what changes is redrawn; the screen is composed from the picture afterwards.
#pragma once
#include <allegro.h>

// 0 in play. The editor sets its current tool (1..4): hidden doors are then drawn in
// the darker editor grey and objects are not shaded by the walls. At 100 or more
// tiles are drawn flat, without the inner bevel bands.
extern int EditingFlag;

// 1 = the whole board, 2 = the zoomed view (a 326 x 238 window stretched twice).
extern int ViewMode;
// Top-left tile of the zoom window (may lie off the board; the pixel origin is clamped).
extern int ZoomOriginX, ZoomOriginY;

constexpr int kZoomWindowW = 326, kZoomWindowH = 238;
constexpr int kZoomMaxPixelX = 325, kZoomMaxPixelY = 238;

// Pixel origin of the zoom window on the board picture (0, 0 in the whole-board view).
int ZoomPixelX();
int ZoomPixelY();
// Lets the zoom window follow an object: once it strays more than 4 columns or 2 rows
// from the window's centre, the window is centred on it again.
void FollowWithZoom(int x, int y);

// Clears the board picture to the board background (40, 40, 24).
void ClearBoardPicture();
// Draws one tile (reveals it). Mode 0 lights it normally, any other mode darkly.
void DrawTile(int x, int y, int mode);
// The wall lines and door marks around one tile.
void DrawTileEdges(int x, int y);
// Draws the object anchored on (x, y). Modes: 0 normal, 1 active hero (frame),
// 2 target (red tint), 3 hit or death (strong red tint), 4 without redrawing the tiles
// under it and without shadow.
void DrawObject(int x, int y, int mode);
// Every tile, then every object anchor.
void DrawWholeBoard();

// 3 x 3 footprint of object slot around its anchor: mask[dx + 1][dy + 1].
void ObjectFootprint(int slot, bool mask[3][3]);
// True when (x, y) is covered by an object; its anchor goes to ax, ay. A tile off the
// board counts as covered and is its own anchor.
bool ObjectAt(int x, int y, int* ax, int* ay);

// The experience badge a figure wears: gold from 200, silver from 100, bronze from 50;
// -1 below that.
int BadgeColor(int exp);
// A pixel of any bitmap as a colour of depth `to`; -1 for its mask colour.
int PixelOf(BITMAP* bmp, int x, int y, int to);

// The object sprite, oriented (1 mirrored, 2 quarter turn) into dst at (0, 0) over
// magic pink; its size goes to w, h. False when the object has no picture.
bool RenderObjectSprite(int slot, BITMAP* dst, int* w, int* h);
