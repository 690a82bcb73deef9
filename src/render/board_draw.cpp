#include "render/board_draw.h"

#include <algorithm>
#include <iterator>

#include "core/colors.h"
#include "core/game_data.h"
#include "quest/quest_model.h"
#include "render/render_bitmaps.h"
#include "ui/image_ops.h"

int EditingFlag = 0;
int ViewMode = 1;
int ZoomOriginX = 0, ZoomOriginY = 0;

namespace {

constexpr int kTileInner = 24;      // a tile's picture, one pixel inside its grid lines
constexpr int kDarkTileLevel = 110;  // tiles drawn in any mode but 0
constexpr int kEdgeObjectLevel = 55;  // objects standing against a wall

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// The floor code of a neighbour; off the board nothing matches any room.
int FloorAt(int x, int y) { return OnBoard(x, y) ? FloorMap[x][y] : -1; }

// Shades one colour towards tint (r, g, b) by level / 255; a negative level lightens.
int Lit(int color, int level, int tr, int tg, int tb) {
  int r = getr(color), g = getg(color), b = getb(color);
  if (level == 0) return color;
  if (level < 0) {
    level = std::min(-level, 255);
    tr = tg = tb = 255;
  } else if (level > 255) {
    level = 255;
  }
  r += (tr - r) * level / 255;
  g += (tg - g) * level / 255;
  b += (tb - b) * level / 255;
  return makecol(r, g, b);
}

int DoorColor(int bit) {
  switch (bit) {
    case 1: return MakeColorFromTriple(ColorTable[kColorOpenDoor]);
    case 2: return MakeColorFromTriple(ColorTable[kColorRedDoor]);
    case 4: return MakeColorFromTriple(ColorTable[kColorBlueDoor]);
    default:
      return MakeColorFromTriple(
          ColorTable[EditingFlag > 0 ? kColorHiddenDoorEditor : kColorHiddenDoor]);
  }
}

// Door marks of one edge field: one short line per set bit.
void DrawDoorMarks(int field, bool vertical, int at, int from) {
  for (int bit = 1; bit <= 8; bit <<= 1) {
    if (!(field & bit)) continue;
    if (vertical)
      vline(BoardBitmap, at, from + 5, from + 20, DoorColor(bit));
    else
      hline(BoardBitmap, from + 5, at, from + 20, DoorColor(bit));
  }
}

// A light level for an object standing on (x, y).
int ObjectLightLevel(int x, int y, const ObjectRecord& o, int w, int h) {
  if (EditingFlag > 0) return 0;
  int code = FloorMap[x][y];
  bool edge = FloorAt(x - 1, y) != code || FloorAt(x, y - 1) != code ||
              FloorAt(x - 1, y - 1) != code;
  int level = edge ? kEdgeObjectLevel : 0;
  int pic = o.picture[kPicNumber];
  if (pic == 27 || pic == 32 || pic == 53) level /= 2;
  if (w == 20 && h == 20 && level == kEdgeObjectLevel) level = 35;
  return level + o.picture[kPicLight];
}

}  // namespace

int PixelOf(BITMAP* bmp, int x, int y, int to) {
  int c = getpixel(bmp, x, y);
  if (c < 0 || c == bitmap_mask_color(bmp)) return -1;
  int depth = bitmap_color_depth(bmp);
  if (depth == to) return c;
  return makecol_depth(to, getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c));
}

int BadgeColor(int exp) {
  if (exp >= 200) return MakeColorFromTriple(ColorTable[kColorBadgeGold]);
  if (exp >= 100) return MakeColorFromTriple(ColorTable[kColorBadgeSilver]);
  if (exp >= 50) return MakeColorFromTriple(ColorTable[kColorBadgeBronze]);
  return -1;
}

int ZoomPixelX() {
  if (ViewMode != 2) return 0;
  return std::clamp(ZoomOriginX * kTileSize, 0, kZoomMaxPixelX);
}

int ZoomPixelY() {
  if (ViewMode != 2) return 0;
  return std::clamp(ZoomOriginY * kTileSize, 0, kZoomMaxPixelY);
}

void FollowWithZoom(int x, int y) {
  // The window's centre is 6 columns and 4 rows from its origin.
  int dx = x - (ZoomOriginX + 6), dy = y - (ZoomOriginY + 4);
  if (dx < -4 || dx > 4 || dy < -2 || dy > 2) {
    ZoomOriginX = x - 6;
    ZoomOriginY = y - 4;
  }
}

void ClearBoardPicture() {
  if (BoardBitmap) clear_to_color(BoardBitmap, MakeColorFromTriple(ColorTable[kColorBoardBackground]));
}

void DrawTileEdges(int x, int y) {
  if (!OnBoard(x, y) || !BoardBitmap) return;
  int px = x * kTileSize, py = y * kTileSize;
  int code = FloorMap[x][y];
  int wall = makecol(255, 255, 255);
  // Between tiles of one room the grid line stays in the board background, so that a
  // wall taken away by the editor disappears; the corners belong to the walls.
  int grid = MakeColorFromTriple(ColorTable[kColorBoardBackground]);
  const int s = kTileSize;
  if (FloorAt(x - 1, y) != code) vline(BoardBitmap, px, py, py + s, wall);
  else vline(BoardBitmap, px, py + 1, py + s - 1, grid);
  if (FloorAt(x + 1, y) != code) vline(BoardBitmap, px + s, py, py + s, wall);
  else vline(BoardBitmap, px + s, py + 1, py + s - 1, grid);
  if (FloorAt(x, y - 1) != code) hline(BoardBitmap, px, py, px + s, wall);
  else hline(BoardBitmap, px + 1, py, px + s - 1, grid);
  if (FloorAt(x, y + 1) != code) hline(BoardBitmap, px, py + s, px + s, wall);
  else hline(BoardBitmap, px + 1, py + s, px + s - 1, grid);
  // The west edge lives in the low nibble, the north edge in the high one; the east and
  // south edges belong to the right and lower neighbours.
  DrawDoorMarks(DoorMap[x][y] & 15, true, px + 1, py);
  DrawDoorMarks(DoorMap[x + 1][y] & 15, true, px + kTileSize - 1, py);
  DrawDoorMarks(DoorMap[x][y] >> 4, false, py + 1, px);
  DrawDoorMarks(DoorMap[x][y + 1] >> 4, false, py + kTileSize - 1, px);
}

namespace {

// What a tile's picture depends on. Tiles of one kind look alike wherever they lie, so
// each kind is drawn once into the tile cache and blitted from there afterwards.
struct TileKind {
  BITMAP* pic;     // the floor picture, or nullptr for the bare board
  bool turned;     // a quarter turn (the chequer that hides repetition)
  int level;       // lighting: 0, 8 or 16 in play, dark in any other mode
  bool bevel;      // the inner bevel bands are drawn
  bool columnBand;  // the band along the right edge
  bool rowBand;     // the band along the bottom edge
  int cell;        // cell of the tile cache
};

TileKind KindOfTile(int x, int y, int mode) {
  TileKind k;
  int code = FloorMap[x][y];
  // Codes the editor does not offer have no picture of their own: the bare board shows.
  k.pic = code <= kFloorKinds ? FloorPicture(code) : nullptr;
  k.turned = k.pic && (x % 2) != (y % 2) && code != 3 && code != 4;
  int levelIndex = mode == 0 ? (x % 3 == 0) + (y % 3 == 0) : 3;
  k.level = levelIndex == 3 ? kDarkTileLevel : 8 * levelIndex;
  k.bevel = EditingFlag < 100;
  // Inside a room the right and bottom edges get a darker band of up to three pixels.
  k.columnBand = k.bevel && FloorAt(x, y - 1) == code;
  k.rowBand = k.bevel && FloorAt(x - 1, y) == code;
  int picIndex = k.pic ? code : kFloorKinds + 1;
  k.cell = ((picIndex * 2 + k.turned) * 4 + levelIndex) * 8 + k.bevel * 4 + k.columnBand * 2 +
           k.rowBand;
  return k;
}

void PaintTile(const TileKind& k, BITMAP* dst, int px, int py) {
  int background = MakeColorFromTriple(ColorTable[kColorBoardBackground]);
  int depth = bitmap_color_depth(dst);
  for (int j = 0; j < kTileInner; j++) {
    for (int i = 0; i < kTileInner; i++) {
      int c = -1;
      if (k.pic) {
        int sx = k.turned ? j : i, sy = k.turned ? kTileInner - 1 - i : j;
        if (sx < k.pic->w && sy < k.pic->h) c = PixelOf(k.pic, sx, sy, depth);
      }
      if (c < 0) c = background;
      int band = 0;
      if (k.columnBand && i >= kTileInner - 3) band = i - (kTileInner - 4);
      if (k.rowBand && j >= kTileInner - 3) band = std::max(band, j - (kTileInner - 4));
      if (k.bevel && i >= kTileInner - 3 && j >= kTileInner - 3)
        band = std::max(band, std::min(i, j) - (kTileInner - 4));
      putpixel(dst, px + i, py + j, Lit(c, k.level + 25 * band, 0, 0, 0));
    }
  }
}

// Which cells of the tile cache hold their tile, and for which datafile and depth.
bool gCellFilled[kTileCacheCells];
int gCacheGeneration = -1;
BITMAP* gCacheBitmap = nullptr;

bool CachedTile(const TileKind& k, int* cx, int* cy) {
  BITMAP* cache = TileCacheBitmap;
  if (!cache || bitmap_color_depth(cache) != bitmap_color_depth(BoardBitmap) || k.cell < 0 ||
      k.cell >= kTileCacheCells)
    return false;
  if (gCacheGeneration != GameDataGeneration() || gCacheBitmap != cache) {
    std::fill(std::begin(gCellFilled), std::end(gCellFilled), false);
    gCacheGeneration = GameDataGeneration();
    gCacheBitmap = cache;
  }
  *cx = (k.cell % kTileCacheColumns) * kTileInner;
  *cy = (k.cell / kTileCacheColumns) * kTileInner;
  if (!gCellFilled[k.cell]) {
    PaintTile(k, cache, *cx, *cy);
    gCellFilled[k.cell] = true;
  }
  return true;
}

}  // namespace

void DrawTile(int x, int y, int mode) {
  if (!OnBoard(x, y) || !BoardBitmap) return;
  VisibilityMap[x][y] = 1;
  TileKind k = KindOfTile(x, y, mode);
  int px = x * kTileSize + 1, py = y * kTileSize + 1;
  int cx, cy;
  if (CachedTile(k, &cx, &cy))
    blit(TileCacheBitmap, BoardBitmap, cx, cy, px, py, kTileInner, kTileInner);
  else
    PaintTile(k, BoardBitmap, px, py);
  DrawTileEdges(x, y);
}

void ObjectFootprint(int slot, bool mask[3][3]) {
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) mask[i][j] = false;
  mask[1][1] = true;
  if (slot <= 0 || slot >= kMaxObjects) return;
  const ObjectRecord& o = ObjectTable[slot];
  BITMAP* spr = o.picture[kPicNumber] > 0 ? ObjectPicture(o.picture[kPicNumber]) : nullptr;
  if (!spr) return;
  bool m[3][3];
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) m[i][j] = true;
  int ox = o.picture[kPicOffsetX], oy = o.picture[kPicOffsetY];
  for (int k = 0; k < 3; k++) {
    if (ox >= 0) m[0][k] = false;
    if (spr->w + ox < kTileSize) m[2][k] = false;
    if (oy >= 0) m[k][0] = false;
    if (spr->h + oy < kTileSize) m[k][2] = false;
  }
  bool turned = o.picture[kPicOrientation] == 2;
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) mask[i][j] = turned ? m[j][i] : m[i][j];
}

bool ObjectAt(int x, int y, int* ax, int* ay) {
  if (!OnBoard(x, y) || ObjectMap[x][y] != 0) {
    if (ax) *ax = x;
    if (ay) *ay = y;
    return true;
  }
  static const int kOrder[8][2] = {{1, 1},  {0, 1},  {-1, 1}, {1, 0},
                                   {-1, 0}, {1, -1}, {0, -1}, {-1, -1}};
  for (const auto& d : kOrder) {
    int nx = x + d[0], ny = y + d[1];
    if (!OnBoard(nx, ny) || ObjectMap[nx][ny] == 0) continue;
    bool mask[3][3];
    ObjectFootprint(ObjectMap[nx][ny], mask);
    if (mask[1 - d[0]][1 - d[1]]) {
      if (ax) *ax = nx;
      if (ay) *ay = ny;
      return true;
    }
  }
  return false;
}

bool RenderObjectSprite(int slot, BITMAP* dst, int* w, int* h) {
  if (slot <= 0 || slot >= kMaxObjects || !dst) return false;
  const ObjectRecord& o = ObjectTable[slot];
  BITMAP* spr = o.picture[kPicNumber] > 0 ? ObjectPicture(o.picture[kPicNumber]) : nullptr;
  if (!spr) return false;
  int orientation = o.picture[kPicOrientation];
  int sw = spr->w, sh = spr->h;
  int ow = orientation == 2 ? sh : sw, oh = orientation == 2 ? sw : sh;
  ow = std::min(ow, dst->w);
  oh = std::min(oh, dst->h);
  clear_to_color(dst, bitmap_mask_color(dst));
  int mask = bitmap_mask_color(dst);
  for (int j = 0; j < oh; j++) {
    for (int i = 0; i < ow; i++) {
      int sx = i, sy = j;
      if (orientation == 1) sx = sw - 1 - i;
      if (orientation == 2) {  // a quarter turn clockwise
        sx = j;
        sy = sh - 1 - i;
      }
      int c = PixelOf(spr, sx, sy, bitmap_color_depth(dst));
      putpixel(dst, i, j, c < 0 ? mask : c);
    }
  }
  *w = ow;
  *h = oh;
  return true;
}

void DrawObject(int x, int y, int mode) {
  if (!OnBoard(x, y) || !BoardBitmap || !WorkBitmap96) return;
  int slot = ObjectMap[x][y];
  int w = 0, h = 0;
  if (slot == 0 || !RenderObjectSprite(slot, WorkBitmap96, &w, &h)) {
    // Nothing there, or nothing to show: the tile stands for it.
    DrawTile(x, y, 0);
    return;
  }
  const ObjectRecord& o = ObjectTable[slot];
  int ox = o.picture[kPicOffsetX], oy = o.picture[kPicOffsetY];
  if (o.picture[kPicOrientation] == 2) std::swap(ox, oy);
  if (mode != 4) {
    bool mask[3][3];
    ObjectFootprint(slot, mask);
    for (int dy = -1; dy <= 1; dy++)
      for (int dx = -1; dx <= 1; dx++)
        if (mask[dx + 1][dy + 1]) DrawTile(x + dx, y + dy, 0);
  }
  int level = ObjectLightLevel(x, y, o, w, h);
  int sx = x * kTileSize + ox + 1, sy = y * kTileSize + oy + 1;
  int shadow = mode == 4 ? 0 : o.picture[kPicShadow];
  if (shadow > 0) {
    UseDarkenBlender(0.15f);
    draw_trans_sprite(BoardBitmap, WorkBitmap96, sx + shadow, sy + shadow);
    solid_mode();
  }
  if (o.side < kSideStatic) {
    int badge = BadgeColor(o.exp);
    if (badge >= 0 && w >= 4 && h >= 4) {
      rectfill(WorkBitmap96, w - 4, h - 4, w - 1, h - 1, badge);
      hline(WorkBitmap96, w - 4, h - 4, w - 1, ShadeColor(badge, 40));
      vline(WorkBitmap96, w - 4, h - 4, h - 1, ShadeColor(badge, 40));
      hline(WorkBitmap96, w - 3, h - 1, w - 1, ShadeColor(badge, -50));
      vline(WorkBitmap96, w - 1, h - 3, h - 1, ShadeColor(badge, -50));
    }
  }
  int tr = 0, tg = 0, tb = 0;
  if (mode == 2) {
    tr = 150;
    level = 120;
  } else if (mode == 3) {
    tr = 100;
    level = 200;
  }
  int mask = bitmap_mask_color(WorkBitmap96);
  for (int j = 0; j < h; j++) {
    for (int i = 0; i < w; i++) {
      int c = getpixel(WorkBitmap96, i, j);
      if (c == mask) continue;
      putpixel(BoardBitmap, sx + i, sy + j, Lit(c, level, tr, tg, tb));
    }
  }
  if (mode == 1) {
    rect(BoardBitmap, sx - 1, sy - 1, sx + w, sy + h,
         ShadeColor(MakeColorFromTriple(ColorTable[kColorRedDoor]), -30));
  }
}

void DrawWholeBoard() {
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) DrawTile(x, y, 0);
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] != 0) DrawObject(x, y, 0);
}
