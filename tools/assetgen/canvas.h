// A plain RGB picture with the few drawing operations the generators need, and the
// writers for the files the datafile tool reads (24-bit and 8-bit paletted BMP).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  float r = 0, g = 0, b = 0;
  Rgb() = default;
  Rgb(float r_, float g_, float b_) : r(r_), g(g_), b(b_) {}
  Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
  Rgb operator-(const Rgb& o) const { return {r - o.r, g - o.g, b - o.b}; }
  Rgb operator*(float k) const { return {r * k, g * k, b * k}; }
  Rgb operator*(const Rgb& o) const { return {r * o.r / 255.f, g * o.g / 255.f, b * o.b / 255.f}; }
};

Rgb Mix(const Rgb& a, const Rgb& b, float t);
extern const Rgb kMagicPink;

class Canvas {
 public:
  Canvas(int w, int h, Rgb fill = Rgb());
  int w() const { return w_; }
  int h() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Rgb Get(int x, int y) const;
  void Set(int x, int y, Rgb c);
  // Blends c over the pixel with opacity a (0..1).
  void Blend(int x, int y, Rgb c, float a);
  void Fill(Rgb c);
  void FillRect(int x1, int y1, int x2, int y2, Rgb c);
  // Anti-aliased disc and line, blended with opacity a.
  void Disc(float cx, float cy, float r, Rgb c, float a = 1.f);
  void Line(float x1, float y1, float x2, float y2, float width, Rgb c, float a = 1.f);
  // A filled convex or concave polygon (even-odd), sampled 4x4 per pixel.
  void Polygon(const std::vector<float>& xy, Rgb c, float a = 1.f);
  bool WriteBmp24(const std::string& path) const;

 private:
  int w_, h_;
  std::vector<Rgb> px_;
};

// An 8-bit paletted picture written as BMP (the font sheets).
bool WriteBmp8(const std::string& path, int w, int h, const std::vector<uint8_t>& pixels,
               const std::vector<Rgb>& palette);

// Smooth value noise in 0..1, tiling with the given period when period > 0.
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of octaves of value noise (0..1), tiling with period when period > 0.
float Fractal(float x, float y, uint32_t seed, int octaves, int period = 0);
// A repeatable hash in 0..1.
float Hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// Distance to the nearest of a tiling set of random points (cells per side), and
// the id of that point.
float Cellular(float x, float y, uint32_t seed, int cells, float size, int* id = nullptr,
               float* second = nullptr);
