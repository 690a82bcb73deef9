#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "../assetgen/bmp_file.h"

namespace {
int Clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v + 0.5); }
}  // namespace

unsigned Hash(unsigned x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

Rgb MakeRgb(int r, int g, int b) {
  Rgb c;
  c.r = r;
  c.g = g;
  c.b = b;
  return c;
}

Rgb Shade(Rgb c, double f) {
  if (f <= 1.0) return MakeRgb(Clamp255(c.r * f), Clamp255(c.g * f), Clamp255(c.b * f));
  double t = std::min(1.0, f - 1.0);
  return MakeRgb(Clamp255(c.r + (255 - c.r) * t), Clamp255(c.g + (255 - c.g) * t),
                 Clamp255(c.b + (255 - c.b) * t));
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return MakeRgb(Clamp255(a.r + (b.r - a.r) * t), Clamp255(a.g + (b.g - a.g) * t),
                 Clamp255(a.b + (b.b - a.b) * t));
}

Canvas::Canvas(int w, int h) : w_(w), h_(h), px_(w * h), solid_(w * h, 0) {}

void Canvas::Set(int x, int y, Rgb c) {
  if (!Inside(x, y)) return;
  // Never paint the mask colour itself: it would turn transparent in the datafile.
  if (c.r == 255 && c.g == 0 && c.b == 255) c.g = 1;
  px_[y * w_ + x] = c;
  solid_[y * w_ + x] = 1;
}

void Canvas::Clear(int x, int y) {
  if (Inside(x, y)) solid_[y * w_ + x] = 0;
}

void Canvas::Fill(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::Frame(int x, int y, int w, int h, Rgb c) {
  for (int i = x; i < x + w; ++i) {
    Set(i, y, c);
    Set(i, y + h - 1, c);
  }
  for (int j = y; j < y + h; ++j) {
    Set(x, j, c);
    Set(x + w - 1, j, c);
  }
}

void Canvas::BevelBox(int x, int y, int w, int h, Rgb c) {
  Fill(x, y, w, h, c);
  Rgb hi = Shade(c, 1.25), lo = Shade(c, 0.62);
  for (int i = x; i < x + w; ++i) {
    Set(i, y, hi);
    Set(i, y + h - 1, lo);
  }
  for (int j = y; j < y + h; ++j) {
    Set(x, j, j == y + h - 1 ? lo : hi);
    Set(x + w - 1, j, j == y ? hi : lo);
  }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void Canvas::Disc(double cx, double cy, double r, Rgb c) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= r * r) Set(x, y, c);
    }
}

void Canvas::Ring(double cx, double cy, double r0, double r1, Rgb c) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = dx * dx + dy * dy;
      if (d >= r0 * r0 && d <= r1 * r1) Set(x, y, c);
    }
}

void Canvas::Ball(double cx, double cy, double r, Rgb c) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy > r * r) continue;
      // Light from the top-left: brighter toward (-1, -1).
      double lit = -(dx + dy) / (r * 1.414);
      Rgb s = lit > 0.45 ? Shade(c, 1.3) : lit > -0.2 ? c : lit > -0.65 ? Shade(c, 0.75)
                                                                        : Shade(c, 0.55);
      Set(x, y, s);
    }
}

void Canvas::Tint(int x, int y, int w, int h, double f) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i)
      if (Opaque(i, j)) Set(i, j, Shade(Get(i, j), f));
}

void Canvas::Grain(int x, int y, int w, int h, double amount, unsigned seed) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      if (!Opaque(i, j)) continue;
      unsigned v = Hash(seed * 7919u + static_cast<unsigned>(j * 977 + i)) % 1000;
      if (v < amount * 500) Set(i, j, Shade(Get(i, j), 0.82));
      else if (v > 1000 - amount * 350) Set(i, j, Shade(Get(i, j), 1.12));
    }
}

void Canvas::Outline(const Rgb* colour) {
  std::vector<uint8_t> add(w_ * h_, 0);
  std::vector<Rgb> col(w_ * h_);
  static const int kDx[4] = {1, -1, 0, 0}, kDy[4] = {0, 0, 1, -1};
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      if (Opaque(x, y)) continue;
      for (int k = 0; k < 4; ++k) {
        int nx = x + kDx[k], ny = y + kDy[k];
        if (Opaque(nx, ny)) {
          add[y * w_ + x] = 1;
          col[y * w_ + x] = colour ? *colour : Shade(Get(nx, ny), 0.3);
          break;
        }
      }
    }
  for (int i = 0; i < w_ * h_; ++i)
    if (add[i]) Set(i % w_, i / w_, col[i]);
}

bool Canvas::SaveBmp(const std::string& path) const {
  int stride = (w_ * 3 + 3) & ~3;
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * h_, 0);
  for (int y = 0; y < h_; ++y) {
    uint8_t* row = &rows[static_cast<size_t>(h_ - 1 - y) * stride];
    for (int x = 0; x < w_; ++x) {
      Rgb c = solid_[y * w_ + x] ? px_[y * w_ + x] : MakeRgb(255, 0, 255);
      row[x * 3] = static_cast<uint8_t>(c.b);
      row[x * 3 + 1] = static_cast<uint8_t>(c.g);
      row[x * 3 + 2] = static_cast<uint8_t>(c.r);
    }
  }
  return WriteBmpFile(path, w_, h_, 24, {}, rows);
}
