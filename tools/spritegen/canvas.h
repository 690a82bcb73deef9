// A small RGB picture with a transparent flag per pixel, the drawing operations the
// object pictures need, and the 24-bit BMP writer (magic pink marks transparency).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// Colour helpers. Shade: factor below 1 darkens, above 1 lightens toward white.
Rgb MakeRgb(int r, int g, int b);
Rgb Shade(Rgb c, double factor);
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
// A repeatable scramble of a number: the same speckles and grain in every build.
unsigned Hash(unsigned x);

class Canvas {
 public:
  Canvas(int w, int h);
  int Width() const { return w_; }
  int Height() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  bool Opaque(int x, int y) const { return Inside(x, y) && solid_[y * w_ + x]; }
  Rgb Get(int x, int y) const { return px_[y * w_ + x]; }
  void Set(int x, int y, Rgb c);
  void Clear(int x, int y);

  void Fill(int x, int y, int w, int h, Rgb c);
  void Frame(int x, int y, int w, int h, Rgb c);
  // A box lit from the top-left: light top and left edge, dark bottom and right edge.
  void BevelBox(int x, int y, int w, int h, Rgb c);
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  void Disc(double cx, double cy, double r, Rgb c);
  void Ring(double cx, double cy, double r0, double r1, Rgb c);
  // A disc shaded like a ball lit from the top-left.
  void Ball(double cx, double cy, double r, Rgb c);
  // Darkens or lightens the opaque pixels inside a rectangle.
  void Tint(int x, int y, int w, int h, double factor);
  // Scatters deterministic speckles of a lighter and a darker shade over opaque pixels.
  void Grain(int x, int y, int w, int h, double amount, unsigned seed);
  // Adds a one-pixel dark outline outside the silhouette (transparent pixels next to an
  // opaque one). With an explicit colour it is used; otherwise each outline pixel is the
  // darkened colour of its neighbour.
  void Outline(const Rgb* colour);

  // Writes a 24-bit BMP; transparent pixels become (255, 0, 255). False on failure.
  bool SaveBmp(const std::string& path) const;

 private:
  int w_, h_;
  std::vector<Rgb> px_;
  std::vector<uint8_t> solid_;
};
