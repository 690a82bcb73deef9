// contactsheet DAT OUT.bmp: one picture showing everything in the datafile at its
// index: floors as the board shows them (lit, turned on a chequer, bevel bands inside
// rooms, white walls), object pictures, sounds as wave strips, title and interface
// pictures, and every font as sample text.
#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

DATAFILE* Data = nullptr;
int Count = 0;
const int kSheetW = 1320;

BITMAP* Bmp(int i) { return i < Count && Data[i].type == DAT_BITMAP ? (BITMAP*)Data[i].dat : nullptr; }
SAMPLE* Smp(int i) { return i < Count && Data[i].type == DAT_SAMPLE ? (SAMPLE*)Data[i].dat : nullptr; }
FONT* Fnt(int i) { return i < Count && Data[i].type == DAT_FONT ? (FONT*)Data[i].dat : nullptr; }

bool Pink(int c) { return getr(c) == 255 && getg(c) == 0 && getb(c) == 255; }

// Anti-aliased text with a datafile colour font: the ink steps 1..4 are mapped
// between the text colour and the background found under the text.
void Text(BITMAP* b, int fontIndex, int x, int y, int r, int g, int bl, const std::string& s) {
  FONT* f = Fnt(fontIndex);
  if (!f) f = font;
  int bg = getpixel(b, std::max(0, x - 1), y + 1);
  int kr = getr(bg), kg = getg(bg), kb = getb(bg);
  PALETTE pal;
  for (int i = 0; i < 256; ++i) pal[i].r = pal[i].g = pal[i].b = 0;
  int tr[5] = {kr, r, r + (kr - r) / 4, r + 2 * (kr - r) / 4, r + 3 * (kr - r) / 4};
  int tg[5] = {kg, g, g + (kg - g) / 4, g + 2 * (kg - g) / 4, g + 3 * (kg - g) / 4};
  int tb[5] = {kb, bl, bl + (kb - bl) / 4, bl + 2 * (kb - bl) / 4, bl + 3 * (kb - bl) / 4};
  for (int i = 0; i < 5; ++i) {
    pal[i].r = tr[i] / 4;
    pal[i].g = tg[i] / 4;
    pal[i].b = tb[i] / 4;
  }
  set_palette(pal);
  textout_ex(b, f, s.c_str(), x, y, is_color_font(f) ? -1 : makecol(r, g, bl), -1);
}

void Heading(BITMAP* b, int y, const std::string& s) {
  hline(b, 10, y + 22, kSheetW - 10, makecol(120, 104, 70));
  Text(b, 119, 12, y, 60, 40, 20, s);
}

int Lit(int c, int level) {
  level = std::clamp(level, 0, 255);
  return makecol(getr(c) - getr(c) * level / 255, getg(c) - getg(c) * level / 255, getb(c) - getb(c) * level / 255);
}

// A small room of one floor code, drawn tile by tile the way the board draws it.
void Room(BITMAP* dst, int code, int ox, int oy, int cols, int rows) {
  BITMAP* pic = Bmp(code - 1);
  const int s = 25, inner = 24;
  int bg = makecol(40, 40, 24), wall = makecol(255, 255, 255);
  rectfill(dst, ox, oy, ox + cols * s, oy + rows * s, bg);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x) {
      bool turned = (x % 2) != (y % 2) && code != 3 && code != 4;
      int level = (x % 3 == 0 ? 8 : 0) + (y % 3 == 0 ? 8 : 0);
      bool columnBand = y > 0, rowBand = x > 0;
      for (int j = 0; j < inner; ++j)
        for (int i = 0; i < inner; ++i) {
          int sx = turned ? j : i, sy = turned ? inner - 1 - i : j;
          int c = pic ? getpixel(pic, sx, sy) : bg;
          int band = 0;
          if (columnBand && i >= inner - 3) band = i - (inner - 4);
          if (rowBand && j >= inner - 3) band = std::max(band, j - (inner - 4));
          if (i >= inner - 3 && j >= inner - 3) band = std::max(band, std::min(i, j) - (inner - 4));
          putpixel(dst, ox + x * s + 1 + i, oy + y * s + 1 + j, Lit(c, level + 25 * band));
        }
    }
  rect(dst, ox, oy, ox + cols * s, oy + rows * s, wall);
}

void Framed(BITMAP* dst, BITMAP* src, int x, int y, int scale, int backdrop) {
  if (!src) return;
  rectfill(dst, x, y, x + src->w * scale - 1, y + src->h * scale - 1, backdrop);
  BITMAP* tmp = create_bitmap(src->w * scale, src->h * scale);
  stretch_blit(src, tmp, 0, 0, src->w, src->h, 0, 0, tmp->w, tmp->h);
  for (int j = 0; j < tmp->h; ++j)
    for (int i = 0; i < tmp->w; ++i) {
      int c = getpixel(tmp, i, j);
      if (!Pink(c)) putpixel(dst, x + i, y + j, c);
    }
  destroy_bitmap(tmp);
}

void Wave(BITMAP* b, SAMPLE* s, int x, int y, int w, int h) {
  rectfill(b, x, y, x + w - 1, y + h - 1, makecol(44, 40, 34));
  if (!s || s->len == 0) return;
  int mid = y + h / 2;
  for (int i = 0; i < w; ++i) {
    unsigned long a = s->len * i / w, e = std::max(a + 1, s->len * (i + 1) / w);
    int lo = 0, hi = 0;
    for (unsigned long k = a; k < e && k < s->len; ++k) {
      int v = s->bits == 16 ? int(((uint16_t*)s->data)[k]) - 0x8000 : (int(((uint8_t*)s->data)[k]) - 128) * 256;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    vline(b, x + i, mid - hi * (h / 2) / 32768, mid - lo * (h / 2) / 32768, makecol(230, 190, 110));
  }
}

const char* kEffectNames[28] = {"(quiet click)", "highlight", "teleport", "door opens", "turn ends",
                                "door locked", "step", "other step", "magic, no effect", "magic hit",
                                "miss / clang", "hit", "death", "fanfare", "chime", "coins", "trap bomb",
                                "gong", "drips", "rumble / flee", "creaks, chains", "wind gust",
                                "birds", "rustling", "indoor loop A", "indoor loop B", "outdoor loop A",
                                "outdoor loop B"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: contactsheet DAT OUT.bmp\n");
    return 2;
  }
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    std::fprintf(stderr, "contactsheet: Allegro does not start\n");
    return 1;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_TOTAL);
  Data = load_datafile(argv[1]);
  if (!Data) {
    std::fprintf(stderr, "contactsheet: cannot load %s\n", argv[1]);
    return 1;
  }
  while (Data[Count].type != DAT_END) ++Count;

  BITMAP* sheet = create_bitmap(kSheetW, 2000);
  const int paper = makecol(214, 202, 174);
  clear_to_color(sheet, paper);
  char buf[160];
  int y = 10;
  std::snprintf(buf, sizeof buf, "Dunmar.dat  -  %d entries", Count);
  Text(sheet, 119, 12, y, 40, 26, 10, buf);
  y += 34;

  Heading(sheet, y, "Floors: floor code (datafile entry), drawn as a room on the board");
  y += 30;
  for (int code = 1; code <= 27; ++code) {
    int col = (code - 1) % 9, row = (code - 1) / 9;
    int x = 12 + col * 144, yy = y + row * 112;
    Room(sheet, code, x, yy, 5, 3);
    std::snprintf(buf, sizeof buf, "%d (%d)", code, code - 1);
    Text(sheet, 118, x, yy + 80, 40, 26, 10, buf);
  }
  y += 3 * 112 + 6;

  Heading(sheet, y, "Object pictures: picture number (entry), on a floor tile, twice the size");
  y += 30;
  BITMAP* floor = Bmp(1);
  for (int n = 1; n <= 54; ++n) {
    int col = (n - 1) % 18, row = (n - 1) / 18;
    int x = 12 + col * 72, yy = y + row * 92;
    BITMAP* s = Bmp(26 + n);
    int backdrop = floor ? getpixel(floor, 12, 12) : makecol(120, 120, 120);
    rectfill(sheet, x, yy, x + 66, yy + 66, makecol(40, 40, 24));
    if (s) {
      int scale = (s->w <= 33 && s->h <= 33) ? 2 : 1;
      int w = std::min(66, s->w * scale), h = std::min(66, s->h * scale);
      rectfill(sheet, x + (66 - w) / 2, yy + (66 - h) / 2, x + (66 - w) / 2 + w - 1, yy + (66 - h) / 2 + h - 1, backdrop);
      Framed(sheet, s, x + (66 - w) / 2, yy + (66 - h) / 2, scale, backdrop);
      std::snprintf(buf, sizeof buf, "%d (%d) %dx%d", n, 26 + n, s->w, s->h);
    } else {
      std::snprintf(buf, sizeof buf, "%d (%d) missing", n, 26 + n);
    }
    Text(sheet, 117, x, yy + 70, 40, 26, 10, buf);
  }
  y += 3 * 92 + 6;

  Heading(sheet, y, "Sounds: effect number (entry)");
  y += 30;
  for (int n = 0; n < 28; ++n) {
    int col = n % 4, row = n / 4;
    int x = 12 + col * 326, yy = y + row * 34;
    SAMPLE* s = Smp(81 + n);
    Wave(sheet, s, x, yy, 120, 28);
    std::snprintf(buf, sizeof buf, "%d (%d) %s", n, 81 + n, kEffectNames[n]);
    Text(sheet, 118, x + 126, yy + 2, 40, 26, 10, buf);
    if (s) {
      std::snprintf(buf, sizeof buf, "%.2f s, %d Hz", double(s->len) / s->freq, s->freq);
      Text(sheet, 117, x + 126, yy + 16, 90, 70, 40, buf);
    }
  }
  y += 7 * 34 + 8;

  Heading(sheet, y, "Title pictures (109, 110) and interface pictures");
  y += 30;
  for (int t = 0; t < 2; ++t) {
    BITMAP* b = Bmp(109 + t);
    if (b) stretch_blit(b, sheet, 0, 0, b->w, b->h, 12 + t * 338, y, 326, 238);
    Text(sheet, 118, 12 + t * 338, y + 242, 40, 26, 10, t ? "110" : "109");
  }
  // Interface texture, tinted with the default interface colour, as a tiled field.
  int ix = 690;
  BITMAP* tex = Bmp(111);
  int tint = makecol(132, 118, 86);
  if (tex) {
    for (int j = 0; j < 96; ++j)
      for (int i = 0; i < 160; ++i) {
        int c = getpixel(tex, i % 32, j % 32);
        putpixel(sheet, ix + i, y + j, Pink(c) ? tint : c);
      }
    Framed(sheet, tex, ix + 170, y, 3, makecol(255, 0, 255));
  }
  Text(sheet, 118, ix, y + 100, 40, 26, 10, "111 texture: tiled, tinted; and 3x as stored");
  // The logo over the texture, translucent as on the screen.
  BITMAP* logo = Bmp(122);
  if (logo && tex) {
    int lx = ix, ly = y + 124;
    for (int j = 0; j < 44; ++j)
      for (int i = 0; i < 124; ++i) {
        int c = getpixel(tex, i % 32, j % 32);
        putpixel(sheet, lx + i, ly + j, Pink(c) ? tint : c);
      }
    set_trans_blender(0, 0, 0, 150);
    draw_trans_sprite(sheet, logo, lx + 6, ly + 5);
    Framed(sheet, logo, lx + 136, ly - 4, 2, makecol(60, 60, 60));
    Text(sheet, 118, lx, ly + 72, 40, 26, 10, "122 logo: at alpha 150 over the texture; and 2x");
  }
  // Dice, explosion over a floor tile, hatch pattern, pointer.
  int dy = y + 216;
  for (int d = 0; d < 3; ++d) Framed(sheet, Bmp(112 + d), ix + d * 60, dy, 2, makecol(132, 118, 86));
  Text(sheet, 118, ix, dy + 52, 40, 26, 10, "112 113 114 dice (2x)");
  for (int e = 0; e < 2; ++e) {
    BITMAP* tile = create_bitmap(25, 25);
    clear_to_color(tile, makecol(40, 40, 24));
    if (Bmp(1)) blit(Bmp(1), tile, 0, 0, 1, 1, 24, 24);
    if (Bmp(115 + e)) draw_sprite(tile, Bmp(115 + e), 0, 0);
    stretch_blit(tile, sheet, 0, 0, 25, 25, ix + 200 + e * 80, dy, 75, 75);
    destroy_bitmap(tile);
  }
  Text(sheet, 118, ix + 200, dy + 78, 40, 26, 10, "115 116 trap explosion (3x)");
  BITMAP* hatch = Bmp(121);
  if (hatch) {
    int hx = ix + 380;
    rectfill(sheet, hx, dy, hx + 63, dy + 63, makecol(200, 200, 200));
    drawing_mode(DRAW_MODE_MASKED_PATTERN, hatch, 0, 0);
    rectfill(sheet, hx, dy, hx + 63, dy + 63, makecol(160, 160, 160));
    solid_mode();
    Framed(sheet, hatch, hx + 70, dy, 4, makecol(255, 0, 255));
    Text(sheet, 118, hx, dy + 78, 40, 26, 10, "121 hatch");
  }
  if (Bmp(123)) {
    Framed(sheet, Bmp(123), ix + 540, dy, 4, makecol(90, 110, 140));
    Text(sheet, 118, ix + 540, dy + 78, 40, 26, 10, "123 pointer (4x)");
  }
  y += 320;

  Heading(sheet, y, "Fonts");
  y += 30;
  const char* sample = "The dwarf searches the chest: 3 gold, a red key! (0123456789) [Walk Off Def Life Mind]";
  const char* names[4] = {"117 small", "118 standard", "119 heading", "120 dialog"};
  for (int f = 0; f < 4; ++f) {
    FONT* fn = Fnt(117 + f);
    int h = fn ? text_height(fn) : 8;
    rectfill(sheet, 10, y - 2, kSheetW - 10, y + h + 1, makecol(132, 118, 86));
    std::snprintf(buf, sizeof buf, "%s (h %d):", names[f], h);
    Text(sheet, 118, 14, y + (h - 12) / 2, 30, 22, 8, buf);
    Text(sheet, 117 + f, 190, y, 24, 14, 6, sample);
    y += h + 8;
  }
  std::string all;
  for (int ch = 32; ch <= 126; ++ch) all += char(ch);
  Text(sheet, 118, 14, y + 2, 24, 14, 6, all);
  y += 24;

  BITMAP* out = create_sub_bitmap(sheet, 0, 0, kSheetW, y + 10);
  PALETTE pal;
  get_palette(pal);
  if (save_bitmap(argv[2], out, pal) != 0) {
    std::fprintf(stderr, "contactsheet: cannot write %s\n", argv[2]);
    return 1;
  }
  destroy_bitmap(out);
  destroy_bitmap(sheet);
  unload_datafile(Data);
  return 0;
}
END_OF_MAIN()
