#include "canvas.h"

#include "bmp_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const Rgb kMagicPink(255, 0, 255);

Rgb Mix(const Rgb& a, const Rgb& b, float t) { return a + (b - a) * t; }

Canvas::Canvas(int w, int h, Rgb fill) : w_(w), h_(h), px_(size_t(w) * h, fill) {}

Rgb Canvas::Get(int x, int y) const {
  x = std::clamp(x, 0, w_ - 1);
  y = std::clamp(y, 0, h_ - 1);
  return px_[size_t(y) * w_ + x];
}

void Canvas::Set(int x, int y, Rgb c) {
  if (Inside(x, y)) px_[size_t(y) * w_ + x] = c;
}

void Canvas::Blend(int x, int y, Rgb c, float a) {
  if (!Inside(x, y) || a <= 0) return;
  if (a > 1) a = 1;
  Rgb& p = px_[size_t(y) * w_ + x];
  p = Mix(p, c, a);
}

void Canvas::Fill(Rgb c) { std::fill(px_.begin(), px_.end(), c); }

void Canvas::FillRect(int x1, int y1, int x2, int y2, Rgb c) {
  for (int y = std::max(0, y1); y <= std::min(h_ - 1, y2); ++y)
    for (int x = std::max(0, x1); x <= std::min(w_ - 1, x2); ++x) px_[size_t(y) * w_ + x] = c;
}

void Canvas::Disc(float cx, float cy, float r, Rgb c, float a) {
  int x1 = int(std::floor(cx - r - 1)), x2 = int(std::ceil(cx + r + 1));
  int y1 = int(std::floor(cy - r - 1)), y2 = int(std::ceil(cy + r + 1));
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) {
      float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
      float cover = std::clamp(r - d + 0.5f, 0.f, 1.f);
      Blend(x, y, c, cover * a);
    }
}

void Canvas::Line(float x1, float y1, float x2, float y2, float width, Rgb c, float a) {
  float minx = std::min(x1, x2) - width - 1, maxx = std::max(x1, x2) + width + 1;
  float miny = std::min(y1, y2) - width - 1, maxy = std::max(y1, y2) + width + 1;
  float dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
  for (int y = int(std::floor(miny)); y <= int(std::ceil(maxy)); ++y)
    for (int x = int(std::floor(minx)); x <= int(std::ceil(maxx)); ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float t = len2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / len2, 0.f, 1.f) : 0.f;
      float d = std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
      float cover = std::clamp(width / 2 - d + 0.5f, 0.f, 1.f);
      Blend(x, y, c, cover * a);
    }
}

void Canvas::Polygon(const std::vector<float>& xy, Rgb c, float a) {
  size_t n = xy.size() / 2;
  if (n < 3) return;
  float minx = 1e9f, maxx = -1e9f, miny = 1e9f, maxy = -1e9f;
  for (size_t i = 0; i < n; ++i) {
    minx = std::min(minx, xy[2 * i]);
    maxx = std::max(maxx, xy[2 * i]);
    miny = std::min(miny, xy[2 * i + 1]);
    maxy = std::max(maxy, xy[2 * i + 1]);
  }
  for (int y = int(std::floor(miny)); y <= int(std::ceil(maxy)); ++y)
    for (int x = int(std::floor(minx)); x <= int(std::ceil(maxx)); ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
          float px = x + (sx + 0.5f) / 4, py = y + (sy + 0.5f) / 4;
          bool in = false;
          for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if (((yi > py) != (yj > py)) && (px < (xj - xi) * (py - yi) / (yj - yi) + xi)) in = !in;
          }
          hits += in;
        }
      if (hits) Blend(x, y, c, a * hits / 16.f);
    }
}

// Writes the file, naming it when that fails.
static bool WriteBmp(const std::string& path, int w, int h, int bits,
                     const std::vector<uint8_t>& palette, const std::vector<uint8_t>& rows) {
  if (WriteBmpFile(path, w, h, bits, palette, rows)) return true;
  std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
  return false;
}

static uint8_t Byte(float v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

bool Canvas::WriteBmp24(const std::string& path) const {
  int stride = (w_ * 3 + 3) & ~3;
  std::vector<uint8_t> rows(size_t(stride) * h_, 0);
  for (int y = 0; y < h_; ++y) {
    uint8_t* row = &rows[size_t(h_ - 1 - y) * stride];
    for (int x = 0; x < w_; ++x) {
      Rgb c = px_[size_t(y) * w_ + x];
      row[x * 3] = Byte(c.b);
      row[x * 3 + 1] = Byte(c.g);
      row[x * 3 + 2] = Byte(c.r);
    }
  }
  return WriteBmp(path, w_, h_, 24, {}, rows);
}

bool WriteBmp8(const std::string& path, int w, int h, const std::vector<uint8_t>& pixels,
               const std::vector<Rgb>& palette) {
  int stride = (w + 3) & ~3;
  std::vector<uint8_t> rows(size_t(stride) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rows[size_t(h - 1 - y) * stride + x] = pixels[size_t(y) * w + x];
  std::vector<uint8_t> quads(256 * 4, 0);
  for (size_t i = 0; i < 256 && i < palette.size(); ++i) {
    quads[i * 4] = uint8_t(palette[i].b);
    quads[i * 4 + 1] = uint8_t(palette[i].g);
    quads[i * 4 + 2] = uint8_t(palette[i].r);
  }
  return WriteBmp(path, w, h, 8, quads, rows);
}

static uint32_t Mix32(uint32_t a) {
  a ^= a >> 16;
  a *= 0x7feb352dU;
  a ^= a >> 15;
  a *= 0x846ca68bU;
  a ^= a >> 16;
  return a;
}

float Hash01(uint32_t a, uint32_t b, uint32_t c) {
  uint32_t h = Mix32(a * 0x9E3779B1U ^ Mix32(b * 0x85EBCA77U ^ Mix32(c + 0x27d4eb2fU)));
  return (h & 0xffffff) / float(0x1000000);
}

float ValueNoise(float x, float y, uint32_t seed, int period) {
  int ix = int(std::floor(x)), iy = int(std::floor(y));
  float tx = x - ix, ty = y - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto at = [&](int i, int j) {
    if (period > 0) {
      i = ((i % period) + period) % period;
      j = ((j % period) + period) % period;
    }
    return Hash01(uint32_t(i), uint32_t(j), seed);
  };
  float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fractal(float x, float y, uint32_t seed, int octaves, int period) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += ValueNoise(x, y, seed + o * 101, period) * amp;
    norm += amp;
    amp *= 0.5f;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
  }
  return sum / norm;
}

float Cellular(float x, float y, uint32_t seed, int cells, float size, int* id, float* second) {
  float cs = size / cells;
  int cx = int(std::floor(x / cs)), cy = int(std::floor(y / cs));
  float best = 1e9f, next = 1e9f;
  int bestId = 0;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      int gx = cx + i, gy = cy + j;
      int wx = ((gx % cells) + cells) % cells, wy = ((gy % cells) + cells) % cells;
      float px = (gx + 0.15f + 0.7f * Hash01(wx, wy, seed)) * cs;
      float py = (gy + 0.15f + 0.7f * Hash01(wx, wy, seed + 7)) * cs;
      float d = std::hypot(x - px, y - py);
      if (d < best) {
        next = best;
        best = d;
        bestId = wy * cells + wx;
      } else if (d < next) {
        next = d;
      }
    }
  if (id) *id = bestId;
  if (second) *second = next;
  return best;
}
