#include "core/colors.h"

const ColorTriple ColorTable[16] = {
    {136, 0, 0},     {0, 100, 0},     {0, 0, 136},     {252, 0, 0},
    {0, 160, 0},     {48, 48, 252},   {200, 200, 200}, {125, 125, 125},
    {160, 160, 160}, {144, 128, 72},  {122, 108, 76},  {180, 88, 48},
    {230, 170, 30},  {180, 180, 180}, {180, 90, 42},   {40, 40, 24},
};

int BaseColor = 0;
ColorTriple TextColor1 = {0, 0, 0};
ColorTriple TextColor2 = {0, 0, 0};
ColorTriple TextColor3 = {0, 0, 0};
int HighlightColor = 0;

int MakeColorFromTriple(const ColorTriple* t) { return makecol(t->r, t->g, t->b); }
int MakeColorFromTriple(const ColorTriple& t) { return makecol(t.r, t.g, t.b); }

ColorTriple TripleOf(int color) {
  ColorTriple t;
  t.r = static_cast<unsigned char>(getr(color));
  t.g = static_cast<unsigned char>(getg(color));
  t.b = static_cast<unsigned char>(getb(color));
  return t;
}

namespace {
int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
}  // namespace

int ShadeColor(int color, int amount) {
  int r = getr(color), g = getg(color), b = getb(color);
  int d = static_cast<int>(2.0 * amount / 3.0 + 0.5);
  int avg = (r + g + b) / 3;
  if (avg == 0) return makecol(0, 0, 0);
  // Each channel moves by its share of the average brightness.
  int dr = static_cast<int>(static_cast<double>(r) / avg * d);
  int dg = static_cast<int>(static_cast<double>(g) / avg * d);
  int db = static_cast<int>(static_cast<double>(b) / avg * d);
  if (d > 0) {
    dr = static_cast<int>(dr * 1.5);
    dg = static_cast<int>(dg * 1.5);
  }
  return makecol(Clamp255(r + dr), Clamp255(g + dg), Clamp255(b + db));
}

void MakeInterfaceColors(int background, int highlight) {
  gui_bg_color = background;
  BaseColor = ShadeColor(background, 10);
  TextColor1 = TripleOf(ShadeColor(BaseColor, -110));
  TextColor2 = TripleOf(ShadeColor(BaseColor, -60));
  TextColor3 = TripleOf(ShadeColor(BaseColor, -30));
  gui_fg_color = MakeColorFromTriple(TextColor1);
  gui_mg_color = MakeColorFromTriple(TextColor2);
  HighlightColor = highlight;
}
