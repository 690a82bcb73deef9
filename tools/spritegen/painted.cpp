#include "painted.h"

#include <cmath>

namespace {

// The house palette: every painted picture draws from these.
const Rgb kWood = MakeRgb(138, 90, 50);
const Rgb kDarkWood = MakeRgb(92, 58, 34);
const Rgb kStone = MakeRgb(132, 128, 120);
const Rgb kDarkStone = MakeRgb(84, 80, 76);
const Rgb kIron = MakeRgb(104, 108, 118);
const Rgb kGold = MakeRgb(222, 178, 58);
const Rgb kRed = MakeRgb(160, 34, 30);
const Rgb kBone = MakeRgb(222, 214, 186);
const Rgb kInk = MakeRgb(26, 20, 16);
const Rgb kFireRed = MakeRgb(212, 70, 20);
const Rgb kFireYellow = MakeRgb(252, 214, 80);
const Rgb kWater = MakeRgb(60, 120, 196);

// Horizontal boards with grain, lit from the top-left.
void Planks(Canvas& c, int x, int y, int w, int h, Rgb wood, int boardH, unsigned seed) {
  c.Fill(x, y, w, h, wood);
  for (int j = y; j < y + h; ++j) {
    int k = (j - y) % boardH;
    for (int i = x; i < x + w; ++i) {
      if (k == boardH - 1) c.Set(i, j, Shade(wood, 0.62));
      else if (k == 0) c.Set(i, j, Shade(wood, 1.14));
      else if (Hash(seed + i * 31 + (j - k) * 7) % 9 == 0 && (i + j) % 3 == 0)
        c.Set(i, j, Shade(wood, 0.84));
    }
  }
}

// Vertical boards.
void VPlanks(Canvas& c, int x, int y, int w, int h, Rgb wood, int boardW, unsigned seed) {
  c.Fill(x, y, w, h, wood);
  for (int i = x; i < x + w; ++i) {
    int k = (i - x) % boardW;
    for (int j = y; j < y + h; ++j) {
      if (k == boardW - 1) c.Set(i, j, Shade(wood, 0.62));
      else if (k == 0) c.Set(i, j, Shade(wood, 1.14));
      else if (Hash(seed + j * 31 + (i - k) * 7) % 7 == 0) c.Set(i, j, Shade(wood, 0.86));
    }
  }
}

void Stone(Canvas& c, int x, int y, int w, int h, Rgb s, unsigned seed) {
  c.BevelBox(x, y, w, h, s);
  c.Grain(x + 1, y + 1, w - 2, h - 2, 0.35, seed);
}

// A small glass flask: round body, neck, highlight.
void Flask(Canvas& c, int x, int y, Rgb liquid) {
  c.Set(x + 1, y, Shade(kBone, 0.8));
  c.Set(x + 1, y + 1, MakeRgb(170, 190, 200));
  c.Ball(x + 1.5, y + 4.0, 2.1, liquid);
  c.Set(x + 1, y + 3, Shade(liquid, 1.7));
}

void Candle(Canvas& c, int x, int y) {
  c.Fill(x, y + 2, 2, 4, MakeRgb(236, 228, 200));
  c.Set(x + 1, y + 2, MakeRgb(200, 190, 160));
  c.Set(x, y, kFireYellow);
  c.Set(x, y + 1, kFireRed);
  c.Set(x + 1, y + 1, kFireYellow);
}

// ---- painters, one per picture ----

void AlchemistBench(Canvas& c) {  // 45 x 20
  Planks(c, 0, 3, 45, 13, kWood, 4, 25);
  c.Fill(2, 16, 3, 4, kDarkWood);
  c.Fill(40, 16, 3, 4, kDarkWood);
  c.Frame(0, 3, 45, 13, Shade(kDarkWood, 0.8));
  Flask(c, 4, 0, MakeRgb(60, 180, 70));
  Flask(c, 9, 2, MakeRgb(190, 40, 160));
  Flask(c, 14, 0, MakeRgb(220, 60, 40));
  // Mortar and pestle.
  c.Ball(23, 10, 3.2, kStone);
  c.Disc(23, 9.5, 1.6, kDarkStone);
  c.Line(24, 9, 27, 5, kBone);
  // Open book.
  c.Fill(30, 6, 11, 7, MakeRgb(236, 224, 190));
  c.Line(35, 6, 35, 12, MakeRgb(150, 120, 90));
  for (int j = 7; j < 12; j += 2) {
    c.Line(31, j, 33, j, MakeRgb(120, 100, 90));
    c.Line(37, j, 39, j, MakeRgb(120, 100, 90));
  }
  c.Fill(30, 13, 11, 1, kRed);
  Flask(c, 41, 1, MakeRgb(70, 110, 220));
  c.Outline(nullptr);
}

void Altar(Canvas& c) {  // 45 x 20
  Stone(c, 1, 5, 43, 14, kStone, 26);
  c.Fill(3, 6, 39, 2, Shade(kStone, 1.2));
  // A red runner across the slab with gold edging.
  c.Fill(17, 5, 11, 14, kRed);
  c.Line(17, 5, 17, 18, kGold);
  c.Line(27, 5, 27, 18, Shade(kGold, 0.7));
  c.Tint(17, 16, 11, 3, 0.75);
  Candle(c, 5, 0);
  Candle(c, 38, 0);
  // Chalice.
  c.Fill(21, 2, 3, 2, kGold);
  c.Set(22, 4, Shade(kGold, 0.7));
  c.Fill(21, 5, 3, 1, Shade(kGold, 0.7));
  c.Set(21, 2, Shade(kGold, 1.3));
  c.Outline(nullptr);
}

void Bookcase(Canvas& c) {  // 70 x 20
  c.BevelBox(0, 0, 70, 20, kDarkWood);
  c.Fill(2, 2, 66, 7, Shade(kDarkWood, 0.45));
  c.Fill(2, 11, 66, 7, Shade(kDarkWood, 0.45));
  c.Fill(1, 9, 68, 2, kWood);
  const Rgb spines[6] = {MakeRgb(150, 40, 36), MakeRgb(50, 90, 150), MakeRgb(60, 120, 60),
                         MakeRgb(170, 130, 60), MakeRgb(110, 60, 120), MakeRgb(120, 80, 50)};
  for (int shelf = 0; shelf < 2; ++shelf) {
    int y = shelf ? 11 : 2;
    int x = 2;
    unsigned k = shelf * 17 + 3;
    while (x < 67) {
      k = Hash(k);
      int bw = 2 + k % 3;
      int top = static_cast<int>((k >> 4) % 3);
      if ((k >> 8) % 9 == 0) { x += 3; continue; }  // a gap on the shelf
      if (x + bw > 68) bw = 68 - x;
      Rgb s = spines[(k >> 12) % 6];
      c.Fill(x, y + top, bw, 7 - top, s);
      c.Fill(x, y + top, 1, 7 - top, Shade(s, 1.25));
      c.Set(x + bw - 1, y + top + 2, kGold);
      x += bw;
    }
  }
  c.Outline(nullptr);
}

void Sword(Canvas& c, int x, int y, int len) {
  c.Line(x, y, x, y + len, MakeRgb(200, 204, 214));
  c.Line(x + 1, y + 1, x + 1, y + len, MakeRgb(130, 134, 146));
  c.Line(x - 1, y + len + 1, x + 2, y + len + 1, kGold);
  c.Line(x, y + len + 2, x, y + len + 4, kDarkWood);
}

void WeaponRack(Canvas& c) {  // 70 x 20
  c.BevelBox(0, 14, 70, 5, kWood);
  c.BevelBox(0, 2, 70, 4, kWood);
  c.Fill(2, 6, 2, 8, kDarkWood);
  c.Fill(66, 6, 2, 8, kDarkWood);
  Sword(c, 8, 0, 11);
  // An axe.
  c.Line(17, 0, 17, 17, kDarkWood);
  c.Fill(18, 1, 4, 5, kIron);
  c.Line(21, 0, 21, 6, Shade(kIron, 1.4));
  // A spear.
  c.Line(27, 2, 27, 18, kDarkWood);
  c.Line(27, 0, 27, 2, Shade(kIron, 1.4));
  c.Set(26, 2, kIron);
  c.Set(28, 2, kIron);
  Sword(c, 35, 0, 10);
  // A mace.
  c.Line(44, 4, 44, 18, kDarkWood);
  c.Ball(44.5, 3.0, 2.6, kIron);
  Sword(c, 52, 1, 11);
  // A shield leaning on the end.
  c.Ball(61.5, 10.0, 5.2, MakeRgb(50, 80, 150));
  c.Ring(61.5, 10.0, 4.3, 5.3, kGold);
  c.Disc(61.5, 10.0, 1.2, kGold);
  c.Outline(nullptr);
}

void Throne(Canvas& c) {  // 45 x 45
  // A stone dais with two steps.
  Stone(c, 0, 30, 45, 15, kStone, 29);
  Stone(c, 4, 24, 37, 9, Shade(kStone, 1.08), 30);
  c.Fill(1, 38, 43, 1, Shade(kStone, 1.2));
  // The throne: tall carved back, arms and a red seat.
  c.BevelBox(11, 1, 23, 27, kGold);
  c.Fill(14, 4, 17, 20, kRed);
  c.Tint(14, 4, 17, 2, 1.2);
  for (int j = 6; j < 23; j += 4)
    for (int i = 16; i < 30; i += 4) c.Set(i, j, Shade(kRed, 0.7));
  c.Ball(22.5, 2.5, 2.6, kGold);
  c.Set(22, 1, MakeRgb(200, 30, 40));
  c.BevelBox(7, 14, 6, 14, Shade(kGold, 0.85));
  c.BevelBox(32, 14, 6, 14, Shade(kGold, 0.85));
  c.BevelBox(13, 20, 19, 8, Shade(kRed, 1.1));
  c.Outline(nullptr);
}

void Table(Canvas& c) {  // 45 x 45
  Planks(c, 1, 2, 43, 40, kWood, 8, 31);
  c.Frame(1, 2, 43, 40, Shade(kDarkWood, 0.9));
  c.Fill(2, 42, 41, 2, kDarkWood);
  // Plates, a goblet, bread and a candle.
  const double px[3] = {10.5, 33.5, 12.5}, py[3] = {11.5, 13.5, 32.5};
  const Rgb food[3] = {MakeRgb(170, 60, 40), MakeRgb(200, 160, 70), MakeRgb(110, 150, 60)};
  for (int k = 0; k < 3; ++k) {
    c.Disc(px[k] + 1, py[k] + 1, 4.6, Shade(kWood, 0.7));  // shadow on the wood
    c.Disc(px[k], py[k], 4.6, MakeRgb(206, 206, 214));
    c.Ring(px[k], py[k], 3.0, 3.6, MakeRgb(160, 160, 172));
    c.Ball(px[k] + 0.5, py[k] + 0.5, 2.0, food[k]);
  }
  c.Ball(33.5, 31.5, 3.0, MakeRgb(190, 140, 70));
  c.Ball(31.0, 30.0, 1.3, Shade(MakeRgb(190, 140, 70), 1.3));
  c.Ball(23, 22, 2.4, kGold);
  c.Disc(23, 22, 1.2, MakeRgb(120, 20, 40));
  Candle(c, 22, 5);
  c.Outline(nullptr);
}

void Fireplace(Canvas& c) {  // 70 x 20
  // Stone surround, front view.
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 8; ++col) {
      int off = (row % 2) * 5;
      int x = col * 10 - off, y = row * 5;
      Stone(c, x < 0 ? 0 : x, y, (x < 0 ? 10 + x : 10), 5,
            Shade(kStone, 0.9 + 0.05 * static_cast<double>(Hash(row * 8 + col) % 5)),
            row * 9 + col);
    }
  c.BevelBox(0, 0, 70, 3, Shade(kStone, 1.1));
  // The hearth opening with its fire.
  c.Fill(16, 5, 38, 15, MakeRgb(30, 22, 18));
  for (int i = 18; i < 52; ++i) {
    int fh = 4 + static_cast<int>(Hash(i * 13) % 8);
    for (int j = 0; j < fh; ++j) {
      Rgb f = j < fh / 3 ? kFireYellow : j < 2 * fh / 3 ? MakeRgb(246, 150, 40) : kFireRed;
      c.Set(i, 17 - j, f);
    }
  }
  c.Fill(20, 17, 30, 2, kDarkWood);
  c.Line(22, 16, 46, 18, Shade(kDarkWood, 1.3));
  c.Outline(nullptr);
}

void Cupboard(Canvas& c) {  // 45 x 20
  c.BevelBox(0, 0, 45, 20, kDarkWood);
  VPlanks(c, 2, 2, 20, 16, kWood, 5, 34);
  VPlanks(c, 23, 2, 20, 16, kWood, 5, 35);
  c.Fill(22, 2, 1, 16, Shade(kDarkWood, 0.6));
  c.Fill(19, 8, 2, 4, kGold);
  c.Fill(24, 8, 2, 4, kGold);
  c.Set(19, 8, Shade(kGold, 1.3));
  c.Set(24, 8, Shade(kGold, 1.3));
  c.Line(2, 5, 21, 5, Shade(kIron, 0.8));
  c.Line(23, 5, 42, 5, Shade(kIron, 0.8));
  c.Line(2, 14, 21, 14, Shade(kIron, 0.8));
  c.Line(23, 14, 42, 14, Shade(kIron, 0.8));
  c.Outline(nullptr);
}

void Tomb(Canvas& c) {  // 45 x 20
  Stone(c, 0, 0, 45, 20, kDarkStone, 35);
  Stone(c, 2, 2, 41, 16, kStone, 36);
  Rgb hi = Shade(kStone, 1.3), lo = Shade(kStone, 0.55);
  c.Frame(4, 4, 37, 12, lo);
  c.Line(4, 4, 40, 4, hi);
  c.Line(4, 4, 4, 15, hi);
  // A sword carved along the lid: pommel, grip, cross guard and blade.
  c.Fill(9, 9, 2, 2, hi);
  c.Line(11, 9, 15, 9, hi);
  c.Line(11, 10, 15, 10, lo);
  c.Line(16, 6, 16, 13, hi);
  c.Line(17, 6, 17, 13, lo);
  c.Line(18, 9, 36, 9, hi);
  c.Line(18, 10, 36, 10, lo);
  c.Set(37, 9, lo);
  c.Outline(nullptr);
}

void TortureRack(Canvas& c) {  // 45 x 20
  c.BevelBox(0, 3, 45, 4, kWood);
  c.BevelBox(0, 13, 45, 4, kWood);
  c.BevelBox(1, 0, 5, 20, kDarkWood);
  c.BevelBox(39, 0, 5, 20, kDarkWood);
  // Rollers with handles and ropes.
  c.Fill(2, 7, 3, 6, kIron);
  c.Fill(40, 7, 3, 6, kIron);
  c.Line(6, 9, 38, 9, MakeRgb(200, 170, 110));
  c.Line(6, 11, 38, 11, MakeRgb(170, 140, 90));
  c.Line(6, 10, 38, 10, MakeRgb(120, 90, 60));
  c.Line(0, 10, 0, 10, kIron);
  c.Line(44, 10, 44, 10, kIron);
  c.Outline(nullptr);
}

void Pillar(Canvas& c) {  // 20 x 20, a fluted column seen from the front
  auto slab = [&](int x, int y, int w, int h) {
    for (int i = 0; i < w; ++i) {
      double t = i / double(w - 1);
      Rgb s = t < 0.2 ? Shade(kStone, 1.3) : t > 0.75 ? Shade(kStone, 0.62) : kStone;
      for (int j = 0; j < h; ++j) c.Set(x + i, y + j, s);
    }
    c.Fill(x, y, w, 1, Shade(kStone, 1.4));
  };
  slab(3, 1, 14, 3);
  for (int i = 0; i < 10; ++i) {
    double t = i / 9.0;
    Rgb s = t < 0.25 ? Shade(kStone, 1.28) : t > 0.7 ? Shade(kStone, 0.6) : kStone;
    if (i % 3 == 2) s = Shade(s, 0.82);  // the flutes
    for (int j = 4; j < 16; ++j) c.Set(5 + i, j, s);
  }
  slab(4, 16, 12, 1);
  slab(2, 17, 16, 2);
  c.Grain(2, 1, 16, 18, 0.18, 30);
  c.Outline(nullptr);
}

// A wooden crate seen from the front and a little from above and the right: front
// face at (x, y) of w x h, with its top and right faces d pixels deep.
void Crate(Canvas& c, int x, int y, int w, int h, int d, unsigned seed) {
  const Rgb top = Shade(kWood, 1.25), side = Shade(kWood, 0.7), frame = kDarkWood;
  for (int k = 1; k <= d; ++k) {  // top face, shifted right as it recedes
    for (int i = x + k; i < x + w + k; ++i) c.Set(i, y - k, (k == d || i == x + k) ? Shade(top, 0.85) : top);
    for (int j = y - k; j < y + h - k; ++j) c.Set(x + w - 1 + k, j, k == d ? Shade(side, 0.8) : side);
  }
  Planks(c, x, y, w, h, kWood, 3, seed);
  c.Frame(x, y, w, h, frame);
  c.Line(x + 1, y + h - 2, x + w - 2, y + 1, Shade(frame, 1.15));  // diagonal brace
  c.Line(x + 1, y + h - 3, x + w - 3, y + 1, Shade(kWood, 1.2));
  c.Set(x + 1, y + 1, Shade(kWood, 1.35));
}

void Crates(Canvas& c) {  // 20 x 20
  Crate(c, 1, 4, 9, 7, 2, 32);
  Crate(c, 5, 10, 11, 9, 3, 33);
  c.Outline(nullptr);
}

void Barrel(Canvas& c) {  // 20 x 20
  for (int y = 1; y < 19; ++y) {
    double bulge = 1.0 - std::pow((y - 10) / 9.5, 2.0) * 0.25;
    int half = static_cast<int>(7.5 * bulge + 0.5);
    for (int x = 10 - half; x < 10 + half; ++x) {
      double t = (x - (10 - half)) / static_cast<double>(2 * half);
      Rgb w = t < 0.25 ? Shade(kWood, 1.18) : t > 0.75 ? Shade(kWood, 0.7) : kWood;
      if ((x - (10 - half)) % 4 == 3) w = Shade(w, 0.8);
      c.Set(x, y, w);
    }
  }
  for (int band : {3, 15}) {
    for (int x = 0; x < 20; ++x)
      if (c.Opaque(x, band)) c.Set(x, band, x < 8 ? Shade(kIron, 1.2) : kIron);
  }
  c.Fill(5, 1, 10, 1, Shade(kWood, 1.25));
  c.Outline(nullptr);
}

void Bones(Canvas& c) {  // 20 x 20
  auto bone = [&](int x0, int y0, int x1, int y1) {
    c.Line(x0, y0, x1, y1, kBone);
    c.Ball(x0 + 0.5, y0 + 0.5, 1.4, kBone);
    c.Ball(x1 + 0.5, y1 + 0.5, 1.4, kBone);
  };
  bone(2, 15, 14, 10);
  bone(4, 7, 15, 17);
  bone(12, 4, 17, 12);
  // The skull.
  c.Ball(7.5, 9.5, 4.3, kBone);
  c.Fill(5, 12, 5, 2, Shade(kBone, 0.85));
  c.Set(6, 9, kInk);
  c.Set(5, 9, kInk);
  c.Set(9, 9, kInk);
  c.Set(8, 9, kInk);
  c.Set(7, 11, Shade(kBone, 0.5));
  c.Outline(nullptr);
}

void FountainBasin(Canvas& c, bool water) {
  c.Ball(10, 10, 9.3, kStone);
  c.Disc(10, 10, 6.8, Shade(kStone, 0.55));
  if (water) {
    c.Disc(10, 10, 6.2, kWater);
    c.Ring(10, 10, 3.2, 3.9, Shade(kWater, 1.3));
    c.Set(7, 7, Shade(kWater, 1.7));
    c.Set(8, 7, Shade(kWater, 1.5));
    c.Ball(10, 10, 1.8, Shade(kStone, 1.1));
    c.Set(10, 9, MakeRgb(220, 240, 255));
  } else {
    c.Disc(10, 10, 6.2, MakeRgb(92, 84, 70));
    c.Line(6, 8, 10, 11, MakeRgb(60, 52, 44));
    c.Line(10, 11, 14, 10, MakeRgb(60, 52, 44));
    c.Line(10, 11, 9, 15, MakeRgb(60, 52, 44));
    c.Ball(10, 10, 1.8, Shade(kStone, 0.9));
  }
  c.Grain(0, 0, 20, 20, 0.15, water ? 42 : 43);
  c.Outline(nullptr);
}

void SpentBomb(Canvas& c) {  // 20 x 20
  // A scorch mark with shell fragments.
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      double dx = x - 9.5, dy = y - 10.0, d = std::sqrt(dx * dx + dy * dy);
      double r = 7.5 + 2.0 * std::sin(std::atan2(dy, dx) * 5.0);
      if (d < r) c.Set(x, y, d < 3 ? MakeRgb(24, 20, 18) : MakeRgb(48, 40, 34));
    }
  const int fx[5] = {3, 15, 12, 5, 16}, fy[5] = {4, 3, 15, 14, 10};
  for (int k = 0; k < 5; ++k) {
    c.Fill(fx[k], fy[k], 2, 2, MakeRgb(70, 70, 78));
    c.Set(fx[k], fy[k], MakeRgb(140, 140, 150));
  }
  c.Ring(9.5, 10, 1.5, 2.3, MakeRgb(200, 90, 30));
  c.Set(9, 9, kFireYellow);
}

void TrapDoor(Canvas& c) {  // 20 x 20
  c.BevelBox(0, 0, 20, 20, kDarkStone);
  VPlanks(c, 2, 2, 16, 16, kWood, 4, 45);
  c.Fill(2, 5, 16, 2, kIron);
  c.Fill(2, 13, 16, 2, kIron);
  c.Ring(10, 10, 2.0, 3.0, Shade(kIron, 1.3));
  c.Outline(nullptr);
}

void PitTrap(Canvas& c) {  // 20 x 20
  c.BevelBox(0, 0, 20, 20, kDarkStone);
  c.Fill(2, 2, 16, 16, MakeRgb(18, 14, 12));
  c.Fill(2, 2, 16, 3, MakeRgb(40, 34, 30));
  // Spikes.
  for (int k = 0; k < 6; ++k) {
    int x = 4 + (k % 3) * 5, y = 8 + (k / 3) * 5;
    c.Line(x, y, x, y + 3, kIron);
    c.Set(x, y, Shade(kIron, 1.5));
  }
  // Broken boards over the edge.
  c.Line(2, 3, 9, 6, kWood);
  c.Line(2, 4, 8, 7, kDarkWood);
  c.Line(17, 15, 12, 18, kWood);
}

void Rubble(Canvas& c) {  // 20 x 20
  const double rx[7] = {6, 13, 9.5, 4, 15, 10, 12}, ry[7] = {13, 14, 8, 8, 8, 15, 4};
  const double rr[7] = {4.2, 4.4, 4.0, 2.8, 3.2, 3.0, 2.4};
  for (int k = 0; k < 7; ++k)
    c.Ball(rx[k], ry[k], rr[k], Shade(kStone, 0.85 + 0.06 * (k % 4)));
  c.Grain(0, 0, 20, 20, 0.3, 47);
  c.Set(9, 17, kWood);
  c.Set(10, 17, kWood);
  c.Set(11, 18, kDarkWood);
  c.Outline(nullptr);
}

void Lever(Canvas& c) {  // 20 x 20
  Stone(c, 4, 12, 12, 7, kStone, 48);
  c.Fill(7, 12, 6, 2, kDarkStone);
  c.Line(10, 13, 15, 3, kIron);
  c.Line(11, 13, 16, 3, Shade(kIron, 0.7));
  c.Ball(15.5, 2.5, 2.3, kRed);
  c.Outline(nullptr);
}

void RetreatPoint(Canvas& c) {  // 20 x 20, a banner marking the way out
  c.Line(4, 1, 4, 18, kDarkWood);
  c.Line(5, 1, 5, 18, kWood);
  c.Fill(6, 2, 11, 9, MakeRgb(40, 110, 60));
  c.Fill(6, 2, 11, 2, MakeRgb(60, 150, 80));
  c.Set(16, 10, MakeRgb(0, 0, 0));
  c.Clear(16, 10);
  c.Clear(15, 10);
  c.Clear(16, 9);
  // A white arrow on the banner.
  c.Line(8, 6, 14, 6, kBone);
  c.Line(11, 4, 14, 6, kBone);
  c.Line(11, 8, 14, 6, kBone);
  c.Ball(4.5, 1.0, 1.5, kGold);
  c.Fill(2, 18, 6, 2, kStone);
  c.Outline(nullptr);
}

void DartTrap(Canvas& c) {  // 20 x 20
  Stone(c, 1, 1, 18, 18, Shade(kStone, 0.9), 50);
  Stone(c, 4, 4, 12, 12, kStone, 51);
  for (int k = 0; k < 9; ++k) c.Set(6 + (k % 3) * 4, 6 + (k / 3) * 4, kInk);
  c.Line(2, 18, 17, 18, kDarkStone);
  c.Outline(nullptr);
}

void Stairs(Canvas& c, bool down) {  // 45 x 45
  // Seen from above inside a stone frame. Down: the flight narrows and sinks into
  // darkness toward the bottom. Up: the flight climbs toward daylight at the top.
  Stone(c, 0, 0, 45, 45, kDarkStone, down ? 51 : 52);
  c.Fill(3, 3, 39, 39, MakeRgb(12, 10, 10));
  const int steps = 7;
  const Rgb daylight = MakeRgb(255, 236, 180);
  for (int s = 0; s < steps; ++s) {
    int y = 3 + s * 39 / steps, h = 3 + (s + 1) * 39 / steps - y;
    if (down && s == steps - 1) h -= 2;  // the last step ends over the dark
    int inset = down ? s : 0;
    double t = s / double(steps - 1);
    Rgb st = down ? Shade(kStone, 1.12 - 0.78 * t)
                  : Mix(Shade(kStone, 0.75 + 0.3 * (1 - t)), daylight, 0.3 * (1 - t));
    int x0 = 3 + inset, w = 39 - 2 * inset;
    c.Fill(x0, y, w, h, st);
    c.Fill(x0, y, w, 1, Shade(st, 1.25));          // worn nose of the step
    c.Fill(x0, y + h - 1, w, 1, Shade(st, 0.55));  // shadow under the next one
  }
  c.Grain(3, 3, 39, 39, 0.18, down ? 53 : 54);
  if (down) {
  } else {
    // Daylight spilling over the top step.
    for (int x = 3; x < 42; ++x) {
      c.Set(x, 3, MakeRgb(255, 240, 190));
      c.Set(x, 4, Mix(Shade(kStone, 1.12), MakeRgb(255, 240, 190), 0.5));
    }
  }
  // Side walls of the stairwell, lit from the left.
  for (int y = 3; y < 42; ++y) {
    c.Set(3, y, Shade(kDarkStone, 1.3));
    c.Set(41, y, Shade(kDarkStone, 0.6));
  }
  c.Outline(nullptr);
}

void MagicCircle(Canvas& c) {  // 45 x 45
  const Rgb glow = MakeRgb(120, 160, 255), deep = MakeRgb(70, 50, 170);
  c.Ring(22.5, 22.5, 18.5, 21.5, deep);
  c.Ring(22.5, 22.5, 19.3, 20.5, glow);
  c.Ring(22.5, 22.5, 12.5, 13.5, glow);
  // A five-pointed star.
  double px[5], py[5];
  for (int k = 0; k < 5; ++k) {
    double a = -1.5708 + k * 1.2566;
    px[k] = 22.5 + 19 * std::cos(a);
    py[k] = 22.5 + 19 * std::sin(a);
  }
  for (int k = 0; k < 5; ++k) {
    int n = (k + 2) % 5;
    c.Line(static_cast<int>(px[k]), static_cast<int>(py[k]), static_cast<int>(px[n]),
           static_cast<int>(py[n]), glow);
  }
  // Runes between the rings.
  for (int k = 0; k < 8; ++k) {
    double a = k * 0.7854 + 0.39;
    int x = static_cast<int>(22.5 + 16 * std::cos(a)), y = static_cast<int>(22.5 + 16 * std::sin(a));
    c.Fill(x - 1, y - 1, 3, 3, deep);
    c.Set(x, y, MakeRgb(220, 230, 255));
  }
  c.Ball(22.5, 22.5, 3.0, MakeRgb(170, 200, 255));
}

void Eraser(Canvas& c) {  // 20 x 20
  // A rubber block lying aslant, pink tip and blue sleeve, with a red cross over it.
  const Rgb pink = MakeRgb(232, 128, 156), blue = MakeRgb(60, 92, 176);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      // Coordinates along (u) and across (v) the block, which runs at 45 degrees.
      double u = (x - y) * 0.7071 + 1.0, v = (x + y) * 0.7071 - 14.1;
      if (u < -8 || u > 8 || v < -4 || v > 4) continue;
      Rgb base = u < -2.5 ? pink : blue;
      Rgb s = v < -2.4 ? Shade(base, 1.3) : v > 2.4 ? Shade(base, 0.65) : base;
      c.Set(x, y, s);
    }
  c.Outline(nullptr);
  const Rgb red = MakeRgb(214, 30, 30);
  for (int k = 0; k < 7; ++k) {
    c.Set(12 + k, 1 + k, red);
    c.Set(13 + k, 1 + k, Shade(red, 0.7));
    c.Set(18 - k, 1 + k, red);
    c.Set(19 - k, 1 + k, Shade(red, 0.7));
  }
}

void ExitGate(Canvas& c) {  // 20 x 20
  // A stone arch opening on daylight, with a worn step.
  c.Fill(1, 3, 18, 17, kStone);
  c.Disc(10, 6.5, 6.5, kStone);
  c.Grain(0, 0, 20, 20, 0.25, 6);
  for (int y = 2; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      double dx = x + 0.5 - 10, dy = y + 0.5 - 8;
      bool open = (y >= 8 && x >= 5 && x <= 14) || (y < 8 && dx * dx + dy * dy <= 25);
      if (open && y < 18) c.Set(x, y, Mix(MakeRgb(255, 244, 190), MakeRgb(150, 200, 120), y / 18.0));
    }
  for (int y = 0; y < 18; ++y) {  // light falls from the opening onto the jambs
    if (c.Opaque(4, y)) c.Set(4, y, Shade(kStone, 0.7));
    if (c.Opaque(15, y)) c.Set(15, y, Shade(kStone, 1.2));
  }
  c.Fill(3, 18, 14, 2, Shade(kStone, 0.8));
  c.Fill(3, 18, 14, 1, Shade(kStone, 1.15));
  c.Outline(nullptr);
}

}  // namespace

void PictureSize(int n, int& w, int& h) {
  w = h = 20;
  switch (n) {
    case 25: case 26: case 34: case 35: case 36: w = 45; break;
    case 27: case 28: case 33: w = 70; break;
    case 29: case 31: case 51: case 52: case 53: w = h = 45; break;
    default: break;
  }
}

bool PaintPicture(int n, Canvas& c) {
  switch (n) {
    case 25: AlchemistBench(c); return true;
    case 26: Altar(c); return true;
    case 27: Bookcase(c); return true;
    case 28: WeaponRack(c); return true;
    case 29: Throne(c); return true;
    case 30: Pillar(c); return true;
    case 31: Table(c); return true;
    case 32: Crates(c); return true;
    case 33: Fireplace(c); return true;
    case 34: Cupboard(c); return true;
    case 35: Tomb(c); return true;
    case 36: TortureRack(c); return true;
    case 38: Barrel(c); return true;
    case 39: Bones(c); return true;
    case 42: FountainBasin(c, true); return true;
    case 43: FountainBasin(c, false); return true;
    case 44: SpentBomb(c); return true;
    case 45: TrapDoor(c); return true;
    case 46: PitTrap(c); return true;
    case 47: Rubble(c); return true;
    case 48: Lever(c); return true;
    case 49: RetreatPoint(c); return true;
    case 50: DartTrap(c); return true;
    case 51: Stairs(c, true); return true;
    case 52: Stairs(c, false); return true;
    case 53: MagicCircle(c); return true;
    case 54: Eraser(c); return true;
    case 6: ExitGate(c); return true;
    default:
      return false;  // figures and a few features are pixel art (assets/sprites)
  }
}
