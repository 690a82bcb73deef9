#include "ui/image_ops.h"

float DarkenAmount = 0.2f;

namespace {

unsigned long Darken(int r, int g, int b, int depth) {
  float h, s, v;
  rgb_to_hsv(r, g, b, &h, &s, &v);
  v = (v <= DarkenAmount) ? 0.0f : v - DarkenAmount;
  int nr, ng, nb;
  hsv_to_rgb(h, s, v, &nr, &ng, &nb);
  return static_cast<unsigned long>(makecol_depth(depth, nr, ng, nb));
}

}  // namespace

unsigned long DarkenBlender24(unsigned long src, unsigned long dest, unsigned long n) {
  int c = static_cast<int>(dest);
  return Darken(getr32(c), getg32(c), getb32(c), 32) & 0xffffff;
}

unsigned long DarkenBlender16(unsigned long src, unsigned long dest, unsigned long n) {
  int c = static_cast<int>(dest);
  return Darken(getr16(c), getg16(c), getb16(c), 16);
}

namespace {
// 15-bit screens darken the same way, through their own pixel layout.
unsigned long DarkenBlender15(unsigned long src, unsigned long dest, unsigned long n) {
  int c = static_cast<int>(dest);
  return Darken(getr15(c), getg15(c), getb15(c), 15);
}
}  // namespace

void UseDarkenBlender(float amount) {
  DarkenAmount = amount;
  set_blender_mode_ex(DarkenBlender15, DarkenBlender16, DarkenBlender24, DarkenBlender24,
                      DarkenBlender15, DarkenBlender16, DarkenBlender24, 0, 0, 0, 255);
}

int SampleBilinear(BITMAP* bmp, float fx, float fy) {
  if (fx < 0) fx = 0;
  if (fy < 0) fy = 0;
  if (fx > bmp->w - 1) fx = static_cast<float>(bmp->w - 1);
  if (fy > bmp->h - 1) fy = static_cast<float>(bmp->h - 1);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = fx - ix, ty = fy - iy;
  int ix1 = ix + 1 < bmp->w ? ix + 1 : ix;
  int iy1 = iy + 1 < bmp->h ? iy + 1 : iy;
  int p00 = getpixel(bmp, ix, iy), p10 = getpixel(bmp, ix1, iy);
  int p01 = getpixel(bmp, ix, iy1), p11 = getpixel(bmp, ix1, iy1);
  int depth = bitmap_color_depth(bmp);
  auto lerp = [](int a, int b, float t) { return static_cast<int>(a + (b - a) * t); };
  int ch[3];
  for (int k = 0; k < 3; k++) {
    auto get = [&](int p) {
      return k == 0 ? getr_depth(depth, p) : (k == 1 ? getg_depth(depth, p) : getb_depth(depth, p));
    };
    int top = lerp(get(p00), get(p10), tx);
    int bottom = lerp(get(p01), get(p11), tx);
    ch[k] = lerp(top, bottom, ty);
  }
  return makecol_depth(depth, ch[0], ch[1], ch[2]);
}

namespace {
void Stretch(BITMAP* src, BITMAP* dst, int x, int y, int w, int h, bool mirrored) {
  if (!src || !dst || w <= 0 || h <= 0) return;
  for (int j = 0; j < h; j++) {
    for (int i = 0; i < w; i++) {
      float fx = static_cast<float>(i) * src->w / w;
      float fy = static_cast<float>(j) * src->h / h;
      int c = SampleBilinear(src, fx, fy);
      putpixel(dst, mirrored ? x + w - 1 - i : x + i, y + j, c);
    }
  }
}
}  // namespace

void StretchSmooth(BITMAP* src, BITMAP* dst, int x, int y, int w, int h) {
  Stretch(src, dst, x, y, w, h, false);
}

void StretchSmoothMirrored(BITMAP* src, BITMAP* dst, int x, int y, int w, int h) {
  Stretch(src, dst, x, y, w, h, true);
}
