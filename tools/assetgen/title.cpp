// The two title pictures: a torch-lit dungeon gate and a pillared hall, with the
// game's name cut in gold. Each scene is painted as colour and height; the height
// bumps are lit by the torches, so stones catch light on the sides facing a flame.
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "pictures.h"

namespace {

constexpr int W = 651, H = 476;

struct Light {
  float x, y, z, reach, strength;
  Rgb colour;
};

struct Scene {
  std::vector<Rgb> albedo = std::vector<Rgb>(W * H);
  std::vector<float> height = std::vector<float>(W * H, 0.f);
  std::vector<Rgb> glow = std::vector<Rgb>(W * H);      // light of its own (flames, sky)
  std::vector<float> shade = std::vector<float>(W * H, 1.f);  // soot, fog, depth
  float& Hgt(int x, int y) { return height[std::clamp(y, 0, H - 1) * W + std::clamp(x, 0, W - 1)]; }
};

float Smooth(float e0, float e1, float x) {
  float t = std::clamp((x - e0) / (e1 - e0), 0.f, 1.f);
  return t * t * (3 - 2 * t);
}

// Irregular ashlar: courses of varying height, blocks of varying width, chipped edges.
// Returns the colour of the stone and its height (0 in the mortar, ~1 on the face).
void Ashlar(float x, float y, uint32_t seed, float unit, Rgb tone, Rgb* col, float* h, float rough = 1.f) {
  // Course boundaries: irregular but repeatable.
  float course = unit * 0.55f;
  int row = int(std::floor(y / course));
  float rowTop = row * course;
  float rowH = course;
  float off = Hash01(row, seed) * unit * 1.6f;
  float bw = unit * (0.9f + Hash01(row, seed, 1) * 0.7f);
  int colI = int(std::floor((x + off) / bw));
  float lx = x + off - colI * bw, ly = y - rowTop;
  // chipped, slightly wavy edges
  float wob = (Fractal(x / 6.f, y / 6.f, seed + 5, 2) - 0.5f) * 3.f;
  float edge = std::min({lx, bw - lx, ly, rowH - ly}) + wob;
  float face = Smooth(0.5f, 4.5f, edge);
  float grain = Fractal(x / 14.f, y / 14.f, seed + 9, 4);
  float pits = Fractal(x / 4.f, y / 4.f, seed + 11, 2);
  float v = Hash01(colI, row, seed + 3);
  Rgb stone = tone * (0.68f + v * 0.46f + (grain - 0.5f) * 0.45f);
  // lichen creeping over some faces
  float lichen = Fractal(x / 30.f, y / 30.f, seed + 17, 3);
  stone = Mix(stone, stone * Rgb(190, 230, 150), Smooth(0.62f, 0.8f, lichen) * 0.6f);
  // a few blocks are warmer or greener
  if (Hash01(colI, row, seed + 4) > 0.8f) stone = stone * Rgb(270, 250, 215);
  // damp streaks running down
  float streak = Fractal(x / 40.f, y / 300.f, seed + 13, 3);
  stone = stone * (1.f - Smooth(0.55f, 0.8f, streak) * 0.35f);
  *col = Mix(Rgb(34, 30, 26), stone, face);
  *h = face * (0.85f + grain * 0.3f * rough) - Smooth(0.7f, 0.85f, pits) * 0.18f * rough;
}

Rgb ShadePixel(Scene& s, int x, int y, const std::vector<Light>& lights, float ambient) {
  int i = y * W + x;
  float dx = (s.Hgt(x - 1, y) - s.Hgt(x + 1, y)) * 2.2f;
  float dy = (s.Hgt(x, y - 1) - s.Hgt(x, y + 1)) * 2.2f;
  float nl = std::sqrt(dx * dx + dy * dy + 1.f);
  float nx = dx / nl, ny = dy / nl, nz = 1.f / nl;
  Rgb sum = s.albedo[i] * ambient;
  for (const Light& l : lights) {
    float lx = l.x - x, ly = l.y - y, lz = l.z;
    float d = std::sqrt(lx * lx + ly * ly + lz * lz);
    float diffuse = std::max(0.f, (nx * lx + ny * ly + nz * lz) / d);
    float fall = 1.f / (1.f + (d / l.reach) * (d / l.reach));
    sum = sum + (s.albedo[i] * l.colour) * (diffuse * fall * l.strength);
  }
  return sum * s.shade[i] + s.glow[i];
}

void Flame(Canvas& c, float x, float y, float size, uint32_t seed) {
  // Layered tongues, hottest inside.
  for (int layer = 0; layer < 4; ++layer) {
    float k = 1.f - layer * 0.22f;
    Rgb col = layer == 0 ? Rgb(190, 50, 10) : layer == 1 ? Rgb(250, 120, 20) : layer == 2 ? Rgb(255, 200, 70) : Rgb(255, 250, 215);
    float lean = (Hash01(seed, layer) - 0.5f) * 4 * size / 20;
    std::vector<float> poly;
    for (int a = 0; a <= 24; ++a) {
      float t = a / 24.f * 2 * 3.14159f;
      float r = size * k * 0.45f;
      float px = std::sin(t) * r;
      float py = std::cos(t) * r;
      if (py < 0) {  // upper half stretches into a tongue
        py *= 2.6f * (0.85f + 0.3f * Hash01(seed + a, layer));
        px *= 1.f - std::min(1.f, -py / (size * k * 1.3f)) * 0.6f;
        px += lean * (-py / (size * k));
      }
      poly.push_back(x + px);
      poly.push_back(y + py);
    }
    c.Polygon(poly, col, layer == 0 ? 0.85f : 0.95f);
  }
}

void Halo(Canvas& c, float x, float y, float radius, Rgb col, float strength) {
  int r = int(radius * 3);
  for (int j = int(y) - r; j <= int(y) + r; ++j)
    for (int i = int(x) - r; i <= int(x) + r; ++i) {
      if (!c.Inside(i, j)) continue;
      float d = std::hypot(i - x, j - y) / radius;
      float a = strength * std::exp(-d * d);
      if (a < 0.003f) continue;
      Rgb p = c.Get(i, j);
      c.Set(i, j, p + col * a);  // additive light
    }
}

void Sconce(Canvas& c, float x, float y) {
  // Iron bracket with a cup, the torch stick, the flame and its smoke.
  c.Polygon({x - 3, y + 30, x + 3, y + 30, x + 2, y + 48, x - 2, y + 48}, Rgb(28, 24, 22));
  c.FillRect(int(x - 10), int(y + 44), int(x + 10), int(y + 47), Rgb(36, 30, 26));
  c.Polygon({x - 8, y + 14, x + 8, y + 14, x + 5, y + 24, x - 5, y + 24}, Rgb(52, 44, 38));
  c.Line(x - 8, y + 14.5f, x + 8, y + 14.5f, 1.2f, Rgb(120, 90, 60));
  c.Line(x, y + 2, x, y + 28, 5.f, Rgb(74, 46, 24));
  c.Line(x - 1.2f, y + 3, x - 1.2f, y + 26, 1.f, Rgb(120, 80, 44), 0.7f);
  for (int k = 0; k < 14; ++k) {  // smoke
    float t = k / 14.f;
    c.Disc(x + std::sin(k * 0.9f) * 4 * t, y - 30 - k * 6, 3 + k * 0.7f, Rgb(30, 26, 24), 0.06f * (1 - t));
  }
  Flame(c, x, y + 2, 20, uint32_t(x));
}

void Vignette(Canvas& c, float cx, float cy, float strength) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float vx = (x - cx) / (W * 0.6f), vy = (y - cy) / (H * 0.6f);
      float k = std::clamp(1.f - strength * (vx * vx + vy * vy), 0.15f, 1.f);
      c.Set(x, y, c.Get(x, y) * k);
    }
}

void Tonemap(Canvas& c) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      Rgb p = c.Get(x, y);
      auto t = [](float v) { v = std::max(0.f, v) / 255.f; return 255.f * (v * 1.35f) / (1.f + v * 0.35f); };
      c.Set(x, y, Rgb(t(p.r), t(p.g), t(p.b)));
    }
}

void Title(Canvas& c, const std::string& font, int y, int px) {
  TextMask m;
  if (font.empty() || !RenderTextMask(font, px, "DUNMARROW", px / 12, &m)) return;
  int ox = (W - m.w) / 2, oy = y;
  // Soft shadow, then a dark rim, then the gold face with a bevel.
  for (int j = -10; j < m.h + 12; ++j)
    for (int i = -10; i < m.w + 12; ++i) {
      float halo = 0;
      for (int k = -6; k <= 6; k += 3)
        for (int l = -6; l <= 6; l += 3) halo += m.At(i + l - 3, j + k - 4);
      c.Blend(ox + i, oy + j, Rgb(6, 4, 2), std::min(0.85f, halo / 14.f));
    }
  for (int j = -2; j < m.h + 2; ++j)
    for (int i = -2; i < m.w + 2; ++i) {
      float rim = 0;
      for (int k = -2; k <= 2; ++k)
        for (int l = -2; l <= 2; ++l)
          if (k * k + l * l <= 5) rim = std::max(rim, m.At(i + l, j + k));
      c.Blend(ox + i, oy + j, Rgb(40, 20, 6), rim);
    }
  for (int j = 0; j < m.h; ++j)
    for (int i = 0; i < m.w; ++i) {
      float a = m.At(i, j);
      if (a <= 0) continue;
      float t = float(j - (m.ascent - px * 0.72f)) / (px * 0.72f);
      t = std::clamp(t, 0.f, 1.f);
      Rgb gold = t < 0.45f ? Mix(Rgb(255, 248, 200), Rgb(240, 190, 80), t / 0.45f)
                           : Mix(Rgb(196, 120, 34), Rgb(250, 200, 96), (t - 0.45f) / 0.55f);
      // inner bevel: light from the top left on the letter's edges
      float slope = 0;
      for (int k = 1; k <= 2; ++k) slope += m.At(i - k, j - k) - m.At(i + k, j + k);
      gold = gold * std::clamp(1.f - slope * 0.3f, 0.55f, 1.35f);
      // a thin bright line just inside the upper edges
      c.Blend(ox + i, oy + j, gold, a);
    }
}

// ---- the gate ----

void Gate(Canvas& out) {
  Scene s;
  const float ax = 325, springY = 262, r = 104, floorY = 404;
  const float keyR = r + 30;
  std::vector<Light> lights = {{150, 176, 60, 130, 2.6f, Rgb(255, 150, 70)},
                               {501, 176, 60, 130, 2.6f, Rgb(255, 150, 70)},
                               {ax, 330, 10, 120, 0.5f, Rgb(90, 120, 255)}};
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      int i = y * W + x;
      float fx = x + 0.5f, fy = y + 0.5f;
      float ddx = fx - ax;
      float rr = std::hypot(ddx, fy - springY);
      bool opening = (fy > springY && std::fabs(ddx) < r) || (fy <= springY && rr < r);
      Rgb col;
      float h;
      if (fy >= floorY) {
        // Flagstones in perspective (eye level at y 240), wet and glossy near the torches.
        float depth = (fy - floorY) / (H - floorY);  // 0 at the wall .. 1 nearest
        float u = ddx * (floorY - 240.f) / (fy - 240.f), v = 64500.f / (fy - 240.f);
        Ashlar(u + 2000, v, 71, 90, Rgb(112, 104, 94), &col, &h, 0.4f);
        s.albedo[i] = col;
        s.height[i] = h * (0.45f + depth * 0.55f);
        s.shade[i] = 1.1f + depth * 0.5f;
        // reflections of the flames and of the cold light in the passage
        for (float tx : {150.f, 501.f}) {
          float d = std::fabs(fx - tx) / (14 + depth * 26);
          s.glow[i] = s.glow[i] + Rgb(255, 150, 60) * (0.3f * std::exp(-d * d) * (1.1f - depth) * (0.4f + 0.6f * h));
        }
        float pd = std::fabs(ddx) / (r * 0.8f);
        s.glow[i] = s.glow[i] + Rgb(50, 70, 130) * (0.35f * std::exp(-pd * pd) * (1.f - depth) * (0.4f + 0.6f * h));
      } else if (opening) {
        // The passage: stairs going down into a cold blue light; the portcullis.
        float depthT = (fy - (springY - r)) / (floorY - (springY - r));
        float glow = std::exp(-std::pow(ddx / 70.f, 2) - std::pow((fy - 350) / 70.f, 2));
        Rgb deep = Mix(Rgb(4, 4, 8), Rgb(40, 56, 96), glow);
        // steps: horizontal bands getting narrower with distance
        if (fy > 330) {
          float stepH = 4 + (fy - 330) * 0.14f;
          float k = std::fmod(fy - 330, stepH) / stepH;
          deep = deep * (k < 0.25f ? 1.5f : 0.8f);
        }
        s.albedo[i] = Rgb(0, 0, 0);
        s.glow[i] = deep * (0.7f + 0.3f * depthT);
        // Bars: verticals every 26 px, cross bars every 34 px; round, lit from the side.
        float bx = std::fmod(ddx + 13 + 260, 26.f) - 13;
        float by = std::fmod(fy - (springY - r) + 340, 34.f) - 17;
        bool vbar = std::fabs(bx) < 2.6f && fy < 384;
        bool hbar = std::fabs(by) < 2.2f && fy < 370;
        if (vbar || hbar) {
          float across = vbar ? bx / 2.6f : by / 2.2f;
          s.albedo[i] = Rgb(96, 88, 84);
          s.height[i] = 1.5f * std::sqrt(std::max(0.f, 1 - across * across));
          s.glow[i] = Rgb(0, 0, 0);
        }
        if (fy >= 384 && fy < 394 && std::fabs(bx) < 2.6f * (394 - fy) / 10) {  // spikes
          s.albedo[i] = Rgb(96, 88, 84);
          s.height[i] = 1.f;
          s.glow[i] = Rgb(0, 0, 0);
        }
        s.shade[i] = 1.f;
      } else if (fy <= springY && rr < keyR) {
        // Voussoirs: wedge stones around the arch, a bigger keystone on top.
        float ang = std::atan2(fy - springY, ddx);  // -pi .. 0 over the arch
        float unit = 3.14159f / 13;
        float a = (ang + 3.14159f) / unit;
        int k = int(std::floor(a));
        float la = (a - k) * unit * rr;
        float edge = std::min({la, unit * rr - la, rr - r, keyR - rr});
        if (k == 6 && rr > r - 6) edge = std::min({la, unit * rr - la, keyR - rr + 10.f});
        float face = Smooth(0.5f, 4.f, edge);
        float grain = Fractal(fx / 12.f, fy / 12.f, 31, 4);
        Rgb stone = Rgb(150, 136, 118) * (0.8f + Hash01(k, 99) * 0.3f + (grain - 0.5f) * 0.4f);
        s.albedo[i] = Mix(Rgb(30, 26, 22), stone, face);
        s.height[i] = face * (1.2f + grain * 0.3f);
      } else if (fy > springY - 6 && std::fabs(std::fabs(ddx) - r - 15) < 15) {
        // Jambs: tall dressed stones either side of the opening.
        float lx = std::fabs(std::fabs(ddx) - r - 15);
        float course = 36;
        float ly = std::fmod(fy - springY + 6, course);
        float edge = std::min({15 - lx, ly, course - ly});
        float face = Smooth(0.5f, 4.f, edge);
        float grain = Fractal(fx / 12.f, fy / 12.f, 32, 4);
        Rgb stone = Rgb(146, 132, 114) * (0.82f + Hash01(int((fy - springY) / course), ddx > 0, 98) * 0.25f + (grain - 0.5f) * 0.4f);
        s.albedo[i] = Mix(Rgb(30, 26, 22), stone, face);
        s.height[i] = face * (1.1f + grain * 0.3f);
      } else {
        Ashlar(fx, fy, 91, 64, Rgb(126, 114, 100), &col, &h);
        s.albedo[i] = col;
        s.height[i] = h;
        // soot above the torches
        for (float tx : {150.f, 501.f}) {
          float d = std::hypot((fx - tx) / 22.f, (fy - 120) / 60.f);
          if (fy < 176) s.shade[i] *= 1.f - 0.55f * std::exp(-d * d);
        }
      }
    }
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) out.Set(x, y, ShadePixel(s, x, y, lights, 0.06f));
  // Inner shadow of the arch reveal: the opening is deep, its edge falls in shade.
  Sconce(out, 150, 176);
  Sconce(out, 501, 176);
  Halo(out, 150, 172, 26, Rgb(255, 170, 80), 0.55f);
  Halo(out, 501, 172, 26, Rgb(255, 170, 80), 0.55f);
  Halo(out, 150, 172, 90, Rgb(255, 140, 60), 0.12f);
  Halo(out, 501, 172, 90, Rgb(255, 140, 60), 0.12f);
  // Dust motes drifting in the light.
  for (int k = 0; k < 70; ++k) {
    float x = Hash01(k, 1, 300) * W, y = Hash01(k, 2, 300) * (floorY - 20);
    float near = std::min(std::hypot(x - 150, y - 176), std::hypot(x - 501, y - 176));
    if (near < 150) out.Disc(x, y, 0.8f, Rgb(255, 210, 150), 0.6f * (1 - near / 150));
  }
  Tonemap(out);
  Vignette(out, W / 2.f, H / 2.f, 0.55f);
}

// ---- the hall ----

void Hall(Canvas& out) {
  Scene s;
  const float vx = 325, vy = 236;  // vanishing point
  std::vector<Light> lights;
  struct Torch { float x, y, size; };
  std::vector<Torch> torches;
  for (int k = 0; k < 5; ++k) {
    float z = 1.f + k * 1.1f;
    for (int side = -1; side <= 1; side += 2) {
      float x = vx + side * 262 / z, y = vy - 44 / z;
      torches.push_back({x, y, 18 / z});
      lights.push_back({x - side * 6 / z, y, 40 / z, 150 / z + 30, 2.2f, Rgb(255, 150, 70)});
    }
  }
  lights.push_back({vx, vy, 30, 90, 2.5f, Rgb(255, 200, 130)});
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      int i = y * W + x;
      float fx = x + 0.5f, fy = y + 0.5f;
      float dx = fx - vx, dy = fy - vy;
      // A box corridor: walls at |X| = 1, floor below, a barrel vault above.
      float tWall = std::fabs(dx) > 0.01f ? 300.f / std::fabs(dx) : 1e9f;
      float tFloor = dy > 0.01f ? 230.f / dy : 1e9f;
      float tCeil = dy < -0.01f ? 250.f / -dy : 1e9f;
      float t = std::min({tWall, tFloor, tCeil});
      float fog = std::clamp(1.2f - t / 9.f, 0.08f, 1.f);
      Rgb col;
      float h = 0;
      if (t > 11.f) {
        // The far doorway, bright with firelight beyond.
        float d = std::max(std::fabs(dx) / 26.f, std::fabs(dy + 4) / 22.f);
        s.albedo[i] = Rgb(0, 0, 0);
        s.glow[i] = Mix(Rgb(255, 236, 190), Rgb(230, 120, 40), std::min(1.f, d));
      } else if (t == tFloor) {
        float u = dx * t / 70.f, v = t * 3.f;
        Ashlar(u * 60 + 3000, v * 24, 55, 64, Rgb(120, 110, 100), &col, &h, 0.f);
        s.albedo[i] = col;
        s.height[i] = h * std::min(1.f, 2.f / t);
        s.shade[i] = fog;
        s.glow[i] = Rgb(255, 170, 90) * (0.35f * std::exp(-dx * dx / (400.f + 4000.f / t)) * fog * (0.3f + 0.7f * h));
      } else if (t == tCeil) {
        float u = dx * t / 40.f, v = t * 3.f;
        float rib = std::fabs(std::fmod(t, 1.1f) - 0.55f);
        Ashlar(u * 40 + 500, v * 20, 66, 60, Rgb(96, 86, 76), &col, &h, 0.f);
        if (rib < 0.08f) {
          col = Rgb(140, 124, 104);
          h = 1.4f;
        }
        s.albedo[i] = col;
        s.height[i] = h * std::min(1.f, 2.f / t);
        s.shade[i] = fog * 0.8f;
      } else {
        float v = t * 3.f, hh = dy * t;
        Ashlar(v * 24 + (dx > 0 ? 900 : 0), hh + 600, 44, 58, Rgb(130, 116, 100), &col, &h, 0.2f);
        // pillars project from the wall every 1.1 units of depth
        float p = std::fmod(t, 1.1f);
        if (p < 0.3f) {
          float across = p / 0.3f;
          float g = Fractal(hh / 9, v * 4, 8, 3);
          col = Rgb(136, 122, 104) * (0.85f + g * 0.25f);
          h = 1.2f + std::sin(across * 3.14159f) * 0.8f;
          // banners on every other pillar: a pointed hem and a gold lozenge
          int which = int(t / 1.1f);
          float mid = std::fabs(across - 0.5f);
          float hem = 24.f - 30.f * (0.5f - mid);
          if ((which & 1) && hh > -130 && hh < hem && mid < 0.36f) {
            float fold = 0.85f + 0.15f * std::sin(across * 22.f);
            col = Rgb(128, 22, 26) * fold;
            if (mid > 0.3f || hh > hem - 5) col = Rgb(200, 150, 60) * fold;  // gold trim
            float lozenge = mid * 3.2f + std::fabs(hh + 55) / 34.f;
            if (lozenge < 0.9f) col = Rgb(214, 168, 70) * fold;
            if (lozenge < 0.55f) col = Rgb(128, 22, 26) * fold;
            if (lozenge < 0.3f) col = Rgb(230, 190, 90) * fold;
            h = 1.7f;
          }
        }
        s.albedo[i] = col;
        s.height[i] = h * std::min(1.f, 2.5f / t);
        s.shade[i] = fog;
      }
    }
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) out.Set(x, y, ShadePixel(s, x, y, lights, 0.05f));
  // Torches, far ones first.
  for (int k = int(torches.size()) - 1; k >= 0; --k) {
    const Torch& t = torches[k];
    Halo(out, t.x, t.y, t.size * 1.6f, Rgb(255, 160, 70), 0.6f);
    out.Line(t.x, t.y + t.size * 0.2f, t.x, t.y + t.size * 1.5f, std::max(1.f, t.size * 0.25f), Rgb(60, 36, 20));
    Flame(out, t.x, t.y, t.size, k * 7 + 3);
  }
  Halo(out, vx, vy, 60, Rgb(255, 180, 100), 0.25f);
  // Mist along the floor.
  for (int y = int(vy); y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float m = Fractal(x / 60.f, y / 18.f, 400, 3);
      float a = Smooth(0.45f, 0.8f, m) * 0.22f * Smooth(vy, vy + 60, float(y));
      out.Blend(x, y, Rgb(180, 150, 120), a);
    }
  Tonemap(out);
  Vignette(out, W / 2.f, H / 2.f, 0.6f);
}

}  // namespace

Canvas MakeTitle(int which, const std::string& font) {
  Canvas c(W, H);
  if (which == 0) {
    Gate(c);
    Title(c, font, 24, 70);
  } else {
    Hall(c);
    Title(c, font, 18, 70);  // above the main menu, which covers the middle
  }
  return c;
}
