// Colours of test pictures as comparable triples.
#pragma once
#include <allegro.h>

#include <ostream>

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Rgb RgbOf(int color) { return {getr(color), getg(color), getb(color)}; }
inline Rgb PixelAt(BITMAP* bmp, int x, int y) { return RgbOf(getpixel(bmp, x, y)); }

// True when every channel is within tol of the other colour.
inline bool Near(const Rgb& a, const Rgb& b, int tol) {
  auto d = [](int x, int y) { return x > y ? x - y : y - x; };
  return d(a.r, b.r) <= tol && d(a.g, b.g) <= tol && d(a.b, b.b) <= tol;
}
