// Small interface pictures: the background texture, dice, trap explosion, hatch
// pattern, mouse pointer, logo and the stand-in object picture.
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "pictures.h"

Canvas MakeInterfaceTexture() {
  // Fine grain of slightly darker and lighter specks, like worn leather; the pink
  // pixels between them take whatever background colour the player set.
  const Rgb base(132, 118, 86);
  Canvas c(32, 32, kMagicPink);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float soft = Fractal(x / 4.f, y / 4.f, 501, 2, 8) - 0.5f;   // pores
      float broad = Fractal(x / 16.f, y / 16.f, 503, 2, 2) - 0.5f;  // gentle mottling
      float fleck = Hash01(x, y, 502) - 0.5f;
      float v = soft * 1.2f + broad * 0.6f + fleck * 0.45f;
      if (std::fabs(v) < 0.13f) continue;  // leave the background showing
      c.Set(x, y, base * (1.f + std::clamp(v, -0.45f, 0.45f) * 0.16f));
    }
  return c;
}

static void DieBody(Canvas& c, Rgb face, Rgb edge) {
  const int s = c.w();
  c.Fill(kMagicPink);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      // Rounded square with a bevel: lighter top-left, darker bottom-right.
      float dx = std::max({2.5f - x, x - (s - 3.5f), 0.f}), dy = std::max({2.5f - y, y - (s - 3.5f), 0.f});
      float d = std::hypot(dx, dy);
      if (d > 3.0f) continue;
      float t = float(x + y) / (2 * s);
      Rgb col = Mix(face * 1.12f, face * 0.86f, t);
      if (x < 2 || y < 2) col = face * 1.3f;
      if (x > s - 3 || y > s - 3) col = face * 0.6f;
      if (d > 2.2f) col = edge;
      c.Set(x, y, col);
    }
}

Canvas MakeDie(int face) {
  Canvas c(24, 24);
  if (face == 0) {
    DieBody(c, Rgb(226, 218, 196), Rgb(40, 32, 24));
    const Rgb ink(50, 20, 16);
    // Skull: cranium, jaw, eye sockets and nose, teeth.
    c.Disc(12, 10.5f, 6.2f, ink);
    c.FillRect(8, 13, 15, 17, ink);
    c.Disc(12, 10.5f, 5.0f, Rgb(246, 240, 226));
    c.FillRect(9, 13, 14, 16, Rgb(246, 240, 226));
    c.Disc(9.6f, 11.0f, 1.7f, ink);
    c.Disc(14.4f, 11.0f, 1.7f, ink);
    c.Polygon({12, 12.8f, 11, 14.8f, 13, 14.8f}, ink);
    for (int x = 9; x <= 14; x += 2) c.FillRect(x, 16, x, 17, ink);
    c.Line(9, 18.5f, 15, 18.5f, 1.0f, ink);
  } else {
    bool white = face == 1;
    DieBody(c, Rgb(226, 218, 196), Rgb(40, 32, 24));
    Rgb fill = white ? Rgb(250, 250, 246) : Rgb(34, 30, 30);
    Rgb rim = white ? Rgb(60, 60, 70) : Rgb(10, 8, 8);
    std::vector<float> shield = {5, 5, 19, 5, 19, 11, 17, 16, 12, 20, 7, 16, 5, 11};
    std::vector<float> inner = {6.5f, 6.3f, 17.5f, 6.3f, 17.5f, 11, 16, 15.2f, 12, 18.4f, 8, 15.2f, 6.5f, 11};
    c.Polygon(shield, rim);
    c.Polygon(inner, fill);
    Rgb boss = white ? Rgb(190, 190, 200) : Rgb(90, 84, 80);
    c.Line(12, 7.2f, 12, 17.2f, 1.0f, boss);
    c.Line(7.5f, 10.5f, 16.5f, 10.5f, 1.0f, boss);
    c.Disc(9, 8.6f, 1.0f, white ? Rgb(255, 255, 255) : Rgb(110, 100, 96), 0.8f);
  }
  return c;
}

Canvas MakeExplosion(int phase) {
  Canvas c(25, 25, kMagicPink);
  float radius = phase == 0 ? 7.5f : 11.5f;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) {
      float dx = x + 0.5f - 12.5f, dy = y + 0.5f - 12.5f;
      float ang = std::atan2(dy, dx);
      float d = std::hypot(dx, dy);
      float jag = 1.f + 0.35f * (ValueNoise(ang * 2.5f + 10, phase * 3.f, 711) - 0.5f) * 2;
      float r = radius * jag;
      if (d > r) continue;
      float t = d / r;  // 0 centre .. 1 edge
      float n = Fractal(x / 5.f, y / 5.f, 712 + phase, 2);
      Rgb col;
      if (phase == 0)
        col = t < 0.35f ? Rgb(255, 252, 220) : (t < 0.7f ? Mix(Rgb(255, 230, 90), Rgb(255, 140, 20), (t - 0.35f) / 0.35f)
                                                         : Mix(Rgb(255, 140, 20), Rgb(200, 40, 10), (t - 0.7f) / 0.3f));
      else
        col = t < 0.25f ? Rgb(255, 210, 120)
                        : (t < 0.6f ? Mix(Rgb(250, 120, 20), Rgb(150, 40, 16), (t - 0.25f) / 0.35f)
                                    : Mix(Rgb(90, 70, 60), Rgb(50, 44, 40), (t - 0.6f) / 0.4f));
      col = col * (0.85f + n * 0.3f);
      c.Set(x, y, col);
    }
  // Sparks flying out.
  for (int i = 0; i < (phase ? 10 : 6); ++i) {
    float a = Hash01(i, phase, 713) * 6.283f, d = radius + 1.5f + Hash01(i, phase, 714) * 2.5f;
    int x = int(12.5f + std::cos(a) * d), y = int(12.5f + std::sin(a) * d);
    if (x >= 0 && y >= 0 && x < 25 && y < 25) c.Set(x, y, Rgb(255, 220, 100));
  }
  return c;
}

Canvas MakeHatchPattern() {
  Canvas c(8, 8, kMagicPink);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (((x + y) & 7) == 0 || ((x + y) & 7) == 1) c.Set(x, y, Rgb(160, 160, 160));
  return c;
}

Canvas MakePointer() {
  Canvas c(16, 16, kMagicPink);
  // Arrow outline with the tip at (0, 0).
  std::vector<float> outer = {0, 0, 0, 14.5f, 4, 11, 7, 16, 9.5f, 15, 6.8f, 10.2f, 11.5f, 10.2f};
  std::vector<float> inner = {1.2f, 2.6f, 1.2f, 11.8f, 4.2f, 9.2f, 7.4f, 14.4f, 8.2f, 14, 5.2f, 9.1f, 8.8f, 9.1f};
  // Draw on a black field first, then harden the edges so pink never blends.
  Canvas m(16, 16, Rgb(0, 0, 0));
  Canvas cover(16, 16, Rgb(0, 0, 0));
  cover.Polygon(outer, Rgb(255, 255, 255));
  m.Polygon(outer, Rgb(24, 16, 8));
  m.Polygon(inner, Rgb(236, 206, 120));
  m.Line(1.8f, 3.5f, 1.8f, 9.5f, 0.9f, Rgb(255, 244, 200), 0.8f);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (cover.Get(x, y).r > 110) c.Set(x, y, m.Get(x, y));
  return c;
}

Canvas MakeLogo(const std::string& font) {
  Canvas c(112, 32, kMagicPink);
  TextMask m;
  if (font.empty() || !RenderTextMask(font, 22, "DUNMARROW", 0, &m)) return c;
  if (m.w > 108) {  // shrink until it fits
    for (int px = 21; px > 8 && m.w > 108; --px) RenderTextMask(font, px, "DUNMARROW", 0, &m);
  }
  int ox = (112 - m.w) / 2, oy = (32 - m.h) / 2 + 1;
  // Coverage on an opaque plate, thresholded so no pixel blends with the pink.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 112; ++x) {
      float a = m.At(x - ox, y - oy);
      float out = 0;  // dark outline around the letters
      for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) out = std::max(out, m.At(x - ox + i, y - oy + j));
      float shadow = m.At(x - ox - 2, y - oy - 2);
      if (a > 0.35f) {
        float t = float(y - oy) / m.h;
        Rgb gold = Mix(Rgb(255, 236, 160), Rgb(170, 110, 30), t);
        float lit = m.At(x - ox - 1, y - oy - 1) < 0.5f ? 1.2f : 1.f;
        c.Set(x, y, Mix(Rgb(40, 20, 8), gold * lit, std::min(1.f, a * 1.3f)));
      } else if (out > 0.3f) {
        c.Set(x, y, Rgb(36, 22, 10));
      } else if (shadow > 0.4f) {
        c.Set(x, y, Rgb(50, 36, 20));
      }
    }
  return c;
}
