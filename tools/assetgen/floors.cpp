// Floor pictures: each floor code gets its own material so that neighbouring rooms
// are told apart at a glance, all lit from the top left in the same way.
#include <algorithm>
#include <cmath>

#include "pictures.h"

namespace {

// The board shows 24 x 24 pixels of each 25 x 25 picture (one pixel in from the grid
// lines), so the patterns repeat every 24 pixels and the last row and column repeat the
// first.
constexpr int N = 24;
constexpr int kPictureSize = 25;

struct Surface {
  float h[N][N];
  Rgb c[N][N];
};

enum class Kind { Ground, Rock, Flags, Cobbles, Planks, Bricks, Tiles, Checker, Hex, Herring, Slabs, Carpet, Plates };

struct FloorStyle {
  Kind kind;
  Rgb base;       // main colour
  Rgb alt;        // second colour (variation, grout, pattern)
  float vary;     // colour variation between stones/boards
  int cells;      // size parameter of the pattern
  uint32_t seed;
};

// Floor codes 1..27.
const FloorStyle kStyles[27] = {
    {Kind::Ground, {92, 118, 58}, {112, 92, 60}, 0.3f, 5, 11},     // 1 open ground
    {Kind::Flags, {128, 124, 116}, {60, 56, 52}, 0.18f, 3, 12},    // 2 grey flagstones
    {Kind::Planks, {150, 102, 58}, {72, 44, 24}, 0.15f, 5, 13},    // 3 oak boards
    {Kind::Slabs, {164, 150, 124}, {84, 74, 60}, 0.10f, 2, 14},    // 4 long sandstone slabs
    {Kind::Tiles, {170, 84, 52}, {92, 60, 44}, 0.12f, 3, 15},      // 5 terracotta
    {Kind::Flags, {78, 92, 112}, {38, 42, 52}, 0.15f, 3, 16},      // 6 blue slate
    {Kind::Rock, {74, 68, 60}, {40, 36, 32}, 0.2f, 4, 17},         // 7 rock
    {Kind::Cobbles, {112, 106, 98}, {52, 48, 44}, 0.2f, 5, 18},    // 8 corridor
    {Kind::Flags, {96, 112, 78}, {48, 70, 36}, 0.2f, 3, 19},       // 9 mossy stone
    {Kind::Bricks, {186, 160, 110}, {110, 92, 64}, 0.10f, 4, 20},  // 10 sandstone bricks
    {Kind::Checker, {196, 190, 178}, {70, 66, 70}, 0.06f, 2, 21},  // 11 marble chequer
    {Kind::Herring, {112, 70, 40}, {60, 36, 20}, 0.15f, 5, 22},    // 12 dark parquet
    {Kind::Tiles, {120, 88, 140}, {62, 46, 72}, 0.10f, 2, 23},     // 13 amethyst tiles
    {Kind::Ground, {170, 136, 72}, {140, 108, 60}, 0.2f, 3, 24},   // 14 straw-strewn clay
    {Kind::Tiles, {60, 134, 130}, {30, 64, 62}, 0.12f, 4, 25},     // 15 teal glaze
    {Kind::Cobbles, {140, 110, 80}, {70, 54, 40}, 0.2f, 4, 26},    // 16 brown cobbles
    {Kind::Slabs, {176, 206, 222}, {104, 138, 160}, 0.08f, 3, 27}, // 17 ice
    {Kind::Flags, {120, 52, 40}, {44, 20, 16}, 0.2f, 2, 28},       // 18 red basalt
    {Kind::Hex, {190, 176, 140}, {100, 90, 70}, 0.12f, 3, 29},     // 19 hex tiles
    {Kind::Carpet, {140, 30, 34}, {196, 150, 60}, 0.05f, 0, 30},   // 20 red carpet
    {Kind::Ground, {96, 78, 56}, {70, 56, 42}, 0.25f, 4, 31},      // 21 mud
    {Kind::Tiles, {132, 170, 126}, {70, 96, 66}, 0.10f, 2, 32},    // 22 jade
    {Kind::Bricks, {214, 204, 178}, {140, 128, 104}, 0.08f, 3, 33},// 23 bone
    {Kind::Herring, {120, 122, 70}, {66, 68, 36}, 0.12f, 5, 34},   // 24 olive parquet
    {Kind::Bricks, {168, 80, 44}, {86, 48, 30}, 0.14f, 6, 35},     // 25 rust bricks
    {Kind::Plates, {126, 132, 138}, {70, 74, 80}, 0.06f, 2, 36},   // 26 iron plates
    {Kind::Carpet, {38, 70, 110}, {170, 160, 120}, 0.05f, 1, 37},  // 27 blue carpet
};

float Noise(float x, float y, uint32_t seed, int freq, int oct) {
  return Fractal(x * freq / N, y * freq / N, seed, oct, freq);
}

Rgb Vary(const Rgb& c, float v) { return c * (1.f + v); }

float Smooth01(float t) {
  t = std::clamp(t, 0.f, 1.f);
  return t * t * (3 - 2 * t);
}

void Build(const FloorStyle& s, Surface& out) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      float grain = Noise(fx, fy, s.seed, 5, 3) - 0.5f;
      float fine = Hash01(x, y, s.seed) - 0.5f;
      Rgb col = s.base;
      float h = 1.f;
      switch (s.kind) {
        case Kind::Ground: {
          if (s.seed == 11) {  // open ground: short grass with the odd bare patch and flower
            float blade = ValueNoise(fx * 1.3f + fy * 0.4f, fy * 0.35f, s.seed + 2) - 0.5f;
            float patch = Noise(fx, fy, s.seed + 1, 2, 3);
            col = Vary(s.base, blade * 0.5f + grain * 0.35f + fine * 0.2f);
            col = Mix(col, Rgb(132, 150, 70), std::clamp(grain * 2.f, 0.f, 0.5f));
            col = Mix(col, Vary(s.alt, fine * 0.2f), Smooth01((patch - 0.66f) * 6.f) * 0.85f);
            h = 0.6f + blade * 1.4f + fine * 0.4f;
            float f = Hash01(x, y, s.seed + 7);
            if (f > 0.985f) col = Hash01(x, y, s.seed + 8) > 0.5f ? Rgb(236, 226, 120) : Rgb(230, 230, 236);
            break;
          }
          float m = Noise(fx, fy, s.seed + 1, 3, 3);
          col = Mix(s.base, s.alt, std::clamp((m - 0.4f) * 3.f, 0.f, 1.f));
          col = Vary(col, grain * s.vary * 2 + fine * 0.18f);
          h = 0.6f + grain * 1.2f + fine * 0.5f;
          if (Hash01(x, y, s.seed + 5) > 0.96f) {  // pebbles and tufts
            col = Mix(col, Rgb(200, 190, 160), 0.4f);
            h += 0.6f;
          }
          break;
        }
        case Kind::Rock: {
          float second;
          float d = Cellular(fx, fy, s.seed, s.cells, N, nullptr, &second);
          float crack = std::clamp((second - d) / 1.5f, 0.f, 1.f);
          float m = Noise(fx, fy, s.seed + 3, 5, 4);
          col = Vary(Mix(s.alt, s.base, 0.5f + m * 0.6f), fine * 0.25f);
          h = m * 2.f + crack * 0.6f + fine * 0.4f;
          col = Mix(s.alt * 0.7f, col, 0.4f + 0.6f * crack);
          break;
        }
        case Kind::Flags:
        case Kind::Cobbles: {
          int id;
          float second;
          float d = Cellular(fx, fy, s.seed, s.cells, N, &id, &second);
          float edge = second - d;
          float groutW = s.kind == Kind::Cobbles ? 1.6f : 1.1f;
          float stone = std::clamp((edge - groutW * 0.5f) / groutW, 0.f, 1.f);
          float v = (Hash01(id, s.seed, 3) - 0.5f) * 2 * s.vary;
          Rgb sc = Vary(s.base, v + grain * 0.25f + fine * 0.08f);
          if (s.seed == 19) sc = Mix(sc, Rgb(70, 110, 40), std::clamp(Noise(fx, fy, 90, 3, 3) * 1.6f - 0.6f, 0.f, 0.8f));
          col = Mix(s.alt, sc, stone);
          h = stone * (s.kind == Kind::Cobbles ? (1.2f - d / (N / float(s.cells)) * 0.8f) : 1.f) + grain * 0.4f;
          break;
        }
        case Kind::Planks:
        case Kind::Slabs: {
          int rows = s.kind == Kind::Planks ? 4 : (s.cells == 2 ? 2 : 3);
          float rh = float(N) / rows;
          int row = int(fy / rh);
          float inRow = fy - row * rh;
          float off = Hash01(row, s.seed) * N;
          float seamX = std::fmod(fx + off, float(N) * (s.kind == Kind::Planks ? 1.f : 1.f));
          int piece = row * 7 + int((fx + off) / N);
          float v = (Hash01(piece, s.seed, 9) - 0.5f) * 2 * s.vary;
          bool seam = inRow < 1.0f || seamX < 1.0f;
          if (s.kind == Kind::Planks) {
            float g = ValueNoise(fx * 0.35f, (fy + row * 13) * 3.f, s.seed + row) - 0.5f;
            col = Vary(s.base, v + g * 0.35f + fine * 0.05f);
            h = 1.f + g * 0.3f;
          } else {
            col = Vary(s.base, v + grain * 0.3f + fine * 0.06f);
            h = 1.f + grain * 0.4f;
          }
          if (seam) {
            col = s.alt;
            h = 0.f;
          }
          break;
        }
        case Kind::Bricks:
        case Kind::Tiles:
        case Kind::Checker:
        case Kind::Plates: {
          int cells = s.kind == Kind::Bricks ? s.cells : s.cells;
          float cw = float(N) / (s.kind == Kind::Bricks ? 2 : cells), ch = float(N) / cells;
          int row = int(fy / ch);
          float shift = (s.kind == Kind::Bricks && (row & 1)) ? cw / 2 : 0;
          int colI = int(std::floor((fx + shift) / cw));
          float lx = fx + shift - colI * cw, ly = fy - row * ch;
          float gw = s.kind == Kind::Plates ? 0.8f : 1.0f;
          bool grout = lx < gw || ly < gw;
          int wrapCol = ((colI % 8) + 8) % 8;
          float v = (Hash01(wrapCol, row, s.seed) - 0.5f) * 2 * s.vary;
          Rgb tc = s.base;
          if (s.kind == Kind::Checker && ((colI + row) & 1)) tc = Rgb(150, 120, 100);
          col = Vary(tc, v + grain * 0.2f + fine * 0.05f);
          if (s.kind == Kind::Checker) {  // veins
            float vein = std::fabs(Noise(fx, fy, s.seed + 4, 3, 3) - 0.5f);
            if (vein < 0.03f) col = Mix(col, s.alt, 0.5f);
          }
          // soft pillow edges
          float ex = std::min(lx - gw, cw - lx), ey = std::min(ly - gw, ch - ly);
          h = std::clamp(std::min(ex, ey) / 2.f, 0.f, 1.f) + grain * 0.2f;
          if (s.kind == Kind::Plates) {
            h = 1.f + grain * 0.1f;
            if ((std::fabs(lx - 2.5f) < 0.8f || std::fabs(lx - cw + 1.5f) < 0.8f) &&
                (std::fabs(ly - 2.5f) < 0.8f || std::fabs(ly - ch + 1.5f) < 0.8f)) {
              h = 1.6f;  // rivets
              col = Vary(col, 0.25f);
            }
          }
          if (grout) {
            col = s.alt;
            h = 0;
          }
          break;
        }
        case Kind::Hex: {
          // Hexagons on a lattice that repeats every 25 pixels.
          float sx = fx / N * 3.f, sy = fy / N * 4.f;
          float best = 1e9f, second = 1e9f;
          int bestId = 0;
          for (int j = -1; j <= 4; ++j)
            for (int i = -1; i <= 4; ++i) {
              float px = i + ((j & 1) ? 0.5f : 0.f), py = float(j);
              float d = std::hypot((sx - px) * 1.0f, (sy - py) * 1.0f);
              if (d < best) {
                second = best;
                best = d;
                bestId = ((j % 4 + 4) % 4) * 3 + ((i % 3 + 3) % 3);
              } else if (d < second) {
                second = d;
              }
            }
          float edge = (second - best) * N / 3.5f;
          float stone = std::clamp((edge - 0.6f) / 1.0f, 0.f, 1.f);
          float v = (Hash01(bestId, s.seed) - 0.5f) * 2 * s.vary;
          col = Mix(s.alt, Vary(s.base, v + grain * 0.2f + fine * 0.05f), stone);
          h = stone;
          break;
        }
        case Kind::Herring: {
          // Short boards laid alternately across and along in 6-pixel blocks.
          int bx = int(fx / 6), by = int(fy / 6);
          bool across = ((bx + by) & 1) == 0;
          float lx = std::fmod(fx, 6.f), ly = std::fmod(fy, 6.f);
          float along = across ? lx : ly, side = across ? ly : lx;
          bool seam = along < 0.9f || (side >= 2.0f && side < 2.9f && false);
          float v = (Hash01(bx, by, s.seed) - 0.5f) * 2 * s.vary;
          float g = ValueNoise(across ? fy * 2.f : fx * 0.5f, across ? fx * 0.5f : fy * 2.f, s.seed) - 0.5f;
          col = Vary(s.base, v + g * 0.3f + fine * 0.05f);
          h = 1.f + g * 0.2f;
          if (seam) {
            col = s.alt;
            h = 0.2f;
          }
          break;
        }
        case Kind::Carpet: {
          // Woven field with a lozenge motif that meets the next tile seamlessly.
          float cx = std::fabs(fx - 12.f), cy = std::fabs(fy - 12.f);
          float diamond = cx + cy;
          float weave = ((x + y) & 1) ? 0.05f : -0.05f;
          col = Vary(s.base, weave + fine * 0.06f + grain * 0.1f);
          if (std::fabs(diamond - 8.5f) < 1.0f || diamond < 2.0f) col = Vary(s.alt, weave + fine * 0.05f);
          float corner = std::min(std::min(fx, N - fx), 99.f) + std::min(fy, N - fy);
          if (corner < 4.0f) col = Vary(s.alt * 0.85f, weave);
          if (s.cells == 1 && std::fabs(diamond - 5.0f) < 0.7f) col = Vary(Rgb(120, 150, 190), weave);
          h = 0.5f + weave * 2;
          break;
        }
      }
      out.c[y][x] = col;
      out.h[y][x] = h;
    }
}

}  // namespace

Canvas MakeFloor(int code) {
  const FloorStyle& s = kStyles[std::clamp(code, 1, 27) - 1];
  Surface surf;
  Build(s, surf);
  Canvas out(kPictureSize, kPictureSize);
  for (int y = 0; y < kPictureSize; ++y)
    for (int x = 0; x < kPictureSize; ++x) {
      // Light from the top left: compare with the neighbours towards and away from it.
      auto H = [&](int i, int j) { return surf.h[((j % N) + N) % N][((i % N) + N) % N]; };
      float slope = (H(x - 1, y) - H(x + 1, y)) + (H(x, y - 1) - H(x, y + 1));
      float shade = 1.f + std::clamp(slope * 0.22f, -0.45f, 0.35f);
      out.Set(x, y, surf.c[y % N][x % N] * shade);
    }
  return out;
}
