// The two title pictures: a torch-lit dungeon gate and a pillared hall, with the
// game's name cut in gold above them.
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "pictures.h"

namespace {

constexpr int W = 651, H = 476;

struct Light {
  float x, y, radius, strength;
  Rgb colour;
};

Rgb Lit(Rgb albedo, float x, float y, const std::vector<Light>& lights, float ambient) {
  Rgb sum = albedo * ambient;
  for (const Light& l : lights) {
    float d = std::hypot(x - l.x, y - l.y) / l.radius;
    float k = l.strength / (1.f + d * d * 4.f);
    sum = sum + (albedo * l.colour) * k;
  }
  return sum;
}

// Stone blocks in courses; returns albedo and a mortar/edge factor.
Rgb StoneWall(float x, float y, float bw, float bh, uint32_t seed, float* mortar) {
  int row = int(std::floor(y / bh));
  float shift = (row & 1) ? bw * 0.5f : 0.f;
  int col = int(std::floor((x + shift) / bw));
  float lx = x + shift - col * bw, ly = y - row * bh;
  float edge = std::min({lx, bw - lx, ly, bh - ly});
  float n = Fractal(x / 23.f, y / 23.f, seed, 4);
  float v = Hash01(col, row, seed) - 0.5f;
  Rgb c = Rgb(120, 110, 98) * (0.75f + n * 0.5f + v * 0.3f);
  *mortar = std::clamp(edge / 2.5f, 0.f, 1.f);
  // top-left edges catch light, bottom-right fall in shade
  if (ly < 3) c = c * 1.15f;
  if (bh - ly < 3 || bw - lx < 3) c = c * 0.7f;
  return Mix(Rgb(40, 34, 28), c, *mortar);
}

void Torch(Canvas& c, float x, float y) {
  // Bracket and stick.
  c.FillRect(int(x - 5), int(y + 12), int(x + 5), int(y + 15), Rgb(40, 34, 30));
  c.Line(x, y + 2, x, y + 26, 4.f, Rgb(70, 44, 24));
  // Flame: layered teardrops.
  for (int i = 0; i < 3; ++i) {
    float s = 1.f - i * 0.28f;
    Rgb col = i == 0 ? Rgb(230, 90, 20) : (i == 1 ? Rgb(255, 180, 50) : Rgb(255, 245, 200));
    c.Polygon({x - 6 * s, y, x, y - 22 * s, x + 6 * s, y, x + 4 * s, y + 4 * s, x - 4 * s, y + 4 * s}, col, 0.95f);
    c.Disc(x, y, 5.5f * s, col, 0.95f);
  }
}

void Title(Canvas& c, const std::string& font, int y) {
  TextMask m;
  if (font.empty() || !RenderTextMask(font, 76, "DUNMARROW", 6, &m)) return;
  int ox = (W - m.w) / 2, oy = y;
  for (int j = -6; j < m.h + 8; ++j)
    for (int i = -6; i < m.w + 8; ++i) {
      int x = ox + i, yy = oy + j;
      // Soft dark halo behind the letters so they read on any background.
      float halo = 0;
      for (int k = -4; k <= 4; k += 2)
        for (int l = -4; l <= 4; l += 2) halo += m.At(i + l - 2, j + k - 3);
      c.Blend(x, yy, Rgb(10, 6, 4), std::min(0.75f, halo / 12.f));
    }
  for (int j = 0; j < m.h; ++j)
    for (int i = 0; i < m.w; ++i) {
      float a = m.At(i, j);
      if (a <= 0) continue;
      float t = float(j) / m.h;
      Rgb gold = t < 0.5f ? Mix(Rgb(255, 246, 190), Rgb(236, 180, 70), t * 2) : Mix(Rgb(200, 130, 40), Rgb(120, 64, 16), (t - 0.5f) * 2);
      // bevel: light where the letter edge faces the top left
      float slope = m.At(i - 1, j - 1) - m.At(i + 1, j + 1);
      gold = gold * (1.f - slope * 0.45f);
      c.Blend(ox + i, oy + j, gold, a);
    }
}

void Gate(Canvas& c) {
  std::vector<Light> lights = {{150, 200, 260, 1.6f, Rgb(255, 170, 90)},
                               {501, 200, 260, 1.6f, Rgb(255, 170, 90)},
                               {325, 330, 160, 0.4f, Rgb(120, 140, 255)}};
  const float ax = 325, archTop = 170, halfW = 110, floorY = 400;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      Rgb col;
      float fx = x + 0.5f, fy = y + 0.5f;
      bool inArch = std::fabs(fx - ax) < halfW && fy > archTop + halfW - std::sqrt(std::max(0.f, halfW * halfW - (fx - ax) * (fx - ax))) && fy < floorY;
      if (fy >= floorY) {
        // Floor in perspective: flagstones shrinking towards the gate.
        float depth = (fy - floorY) / (H - floorY);  // 0 far .. 1 near
        float u = (fx - ax) / (0.4f + depth * 1.6f), v = std::log(1.f + depth * 6.f) * 40;
        float mortar;
        Rgb s = StoneWall(u + 1000, v, 60, 20, 77, &mortar);
        col = Lit(s, fx, fy, lights, 0.10f) * (0.55f + depth * 0.5f);
      } else if (inArch) {
        // The dark passage beyond, with a faint cold glow and the portcullis.
        float depth = 1.f - (fy - archTop) / (floorY - archTop);
        float glow = std::exp(-std::pow((fx - ax) / 60.f, 2) - std::pow((fy - 330) / 60.f, 2));
        col = Mix(Rgb(8, 8, 14), Rgb(50, 60, 90), glow * 0.8f) * (1.f - depth * 0.2f);
        float bx = std::fmod(std::fabs(fx - ax), 27.f);
        bool bar = bx < 4 || std::fmod(fy - archTop, 34.f) < 4;
        if (bar && fy < 360) {
          Rgb iron = Rgb(70, 64, 60) * (bx < 2 ? 1.3f : 0.8f);
          col = Lit(iron, fx, fy, lights, 0.15f);
        }
        if (fy >= 360 && fy < 372 && std::fmod(std::fabs(fx - ax), 27.f) < 4) {  // spikes
          col = Lit(Rgb(80, 74, 70), fx, fy, lights, 0.15f);
        }
      } else {
        float mortar;
        Rgb s = StoneWall(fx, fy, 54, 26, 91, &mortar);
        // Arch voussoirs: a ring of wedge stones around the opening.
        float r = std::hypot(fx - ax, fy - (archTop + halfW));
        if (fy < archTop + halfW && r > halfW && r < halfW + 26) {
          float ang = std::atan2(fy - (archTop + halfW), fx - ax);
          int k = int(std::floor(ang / 0.19f));
          float edge = std::min({std::fabs(std::fmod(ang / 0.19f, 1.f)) * 20.f, r - halfW, halfW + 26 - r});
          s = Rgb(140, 126, 110) * (0.8f + Hash01(k, 5) * 0.3f + Fractal(fx / 20, fy / 20, 3, 3) * 0.2f);
          if (edge < 1.5f) s = Rgb(40, 34, 28);
        }
        if (fy >= archTop + halfW && std::fabs(std::fabs(fx - ax) - halfW - 13) < 13) {  // jambs
          s = Rgb(136, 122, 106) * (0.85f + Fractal(fx / 15, fy / 15, 4, 3) * 0.3f);
          if (std::fmod(fy, 40.f) < 2 || std::fabs(std::fabs(fx - ax) - halfW - 13) > 11.5f) s = Rgb(40, 34, 28);
        }
        col = Lit(s, fx, fy, lights, 0.12f);
      }
      // Vignette.
      float vx = (fx - W / 2.f) / (W / 2.f), vy = (fy - H / 2.f) / (H / 2.f);
      col = col * std::clamp(1.15f - 0.45f * (vx * vx + vy * vy), 0.f, 1.2f);
      c.Set(x, y, col);
    }
  Torch(c, 150, 200);
  Torch(c, 501, 200);
  // Warm halo around the flames.
  for (int y = 100; y < 300; ++y)
    for (int x = 0; x < W; ++x)
      for (float tx : {150.f, 501.f}) {
        float d = std::hypot(x - tx, y - 190.f);
        c.Blend(x, y, Rgb(255, 200, 120), 0.35f * std::exp(-d * d / 900.f));
      }
}

void Hall(Canvas& c) {
  // A vaulted hall seen down its length; pillars recede towards a lit doorway.
  const float vx = 325, vy = 250;  // vanishing point
  std::vector<Light> lights = {{vx, vy, 120, 1.3f, Rgb(255, 200, 130)}};
  for (int i = 0; i < 4; ++i) {
    float z = 1.f + i * 1.2f;
    lights.push_back({vx - 230 / z, vy - 40 / z, 140 / z + 30, 1.0f, Rgb(255, 150, 70)});
    lights.push_back({vx + 230 / z, vy - 40 / z, 140 / z + 30, 1.0f, Rgb(255, 150, 70)});
  }
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      float dx = fx - vx, dy = fy - vy;
      Rgb col;
      // Room is a box: walls at |X| = 1, floor at Y = 0.8, ceiling at Y = -0.9.
      float tWall = std::fabs(dx) > 0.01f ? 300.f / std::fabs(dx) : 1e9f;
      float tFloor = dy > 0.01f ? 240.f / dy : 1e9f;
      float tCeil = dy < -0.01f ? 270.f / -dy : 1e9f;
      float t = std::min({tWall, tFloor, tCeil});
      float fog = std::clamp(1.f - (t - 1.f) / 10.f, 0.05f, 1.f);
      if (t > 12.f) {
        // The far doorway: bright and warm.
        col = Mix(Rgb(255, 220, 160), Rgb(200, 110, 40), std::min(1.f, std::hypot(dx, dy) / 30.f));
      } else if (t == tFloor) {
        float u = dx * t / 60.f, v = t * 2.5f;
        float mortar;
        Rgb s = StoneWall(u * 60 + 3000, v * 20, 60, 20, 55, &mortar);
        col = Lit(s, fx, fy, lights, 0.12f) * fog;
        // glossy streak reflecting the doorway
        col = col + Rgb(255, 190, 120) * (0.25f * std::exp(-dx * dx / 300.f) * fog);
      } else if (t == tCeil) {
        float u = dx * t / 40.f, v = t * 2.5f;
        float rib = std::fabs(std::fmod(v, 2.4f) - 1.2f);
        Rgb s = Rgb(90, 80, 70) * (0.7f + Fractal(u * 3, v * 3, 66, 3) * 0.4f);
        if (rib < 0.12f) s = Rgb(130, 116, 100);
        col = Lit(s, fx, fy, lights, 0.06f) * fog;
      } else {
        float v = t * 2.5f, h = dy * t;
        float mortar;
        Rgb s = StoneWall(v * 30, h + 400, 52, 24, 44, &mortar);
        // pillars stand out from the wall every 1.2 units of depth
        float p = std::fmod(t, 1.2f);
        if (p < 0.28f) {
          s = Rgb(150, 136, 116) * (0.8f + Fractal(h / 10, v * 5, 8, 3) * 0.3f);
          if (p < 0.04f) s = s * 1.35f;
          if (p > 0.24f) s = s * 0.55f;
        }
        col = Lit(s, fx, fy, lights, 0.07f) * fog;
      }
      float vxn = dx / (W / 2.f), vyn = dy / (H / 2.f);
      col = col * std::clamp(1.2f - 0.5f * (vxn * vxn + vyn * vyn), 0.f, 1.2f);
      c.Set(x, y, col);
    }
  // Flames on the pillars.
  for (int i = 0; i < 4; ++i) {
    float z = 1.f + i * 1.2f;
    for (int side = -1; side <= 1; side += 2) {
      float x = vx + side * 230 / z, y = vy - 40 / z;
      float r = 9.f / z + 2;
      c.Disc(x, y, r * 3.f, Rgb(255, 160, 60), 0.18f);
      c.Disc(x, y, r, Rgb(255, 170, 60), 0.9f);
      c.Disc(x, y - r * 0.3f, r * 0.55f, Rgb(255, 240, 190), 0.9f);
    }
  }
}

}  // namespace

Canvas MakeTitle(int which, const std::string& font) {
  Canvas c(W, H);
  if (which == 0) {
    Gate(c);
    Title(c, font, 28);
  } else {
    Hall(c);
    Title(c, font, 330);
  }
  return c;
}
