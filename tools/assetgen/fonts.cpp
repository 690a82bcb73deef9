#include "fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

#include "canvas.h"

std::string FindFontFile(const std::vector<std::string>& candidates) {
  struct stat st;
  for (const std::string& c : candidates)
    if (stat(c.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return c;
  return "";
}

namespace {

struct Face {
  FT_Library lib = nullptr;
  FT_Face face = nullptr;
  ~Face() {
    if (face) FT_Done_Face(face);
    if (lib) FT_Done_FreeType(lib);
  }
  bool Open(const std::string& file, int px) {
    if (FT_Init_FreeType(&lib)) {
      std::fprintf(stderr, "assetgen: FreeType does not start\n");
      return false;
    }
    if (FT_New_Face(lib, file.c_str(), 0, &face)) {
      std::fprintf(stderr, "assetgen: cannot read the font %s\n", file.c_str());
      return false;
    }
    if (FT_Set_Pixel_Sizes(face, 0, px)) {
      std::fprintf(stderr, "assetgen: the font %s has no size %d\n", file.c_str(), px);
      return false;
    }
    return true;
  }
};

// Coverage 0..255 to a glyph index: 0 transparent, 1 full ink, 2..4 lighter steps.
uint8_t InkIndex(int cover) {
  if (cover < 40) return 0;
  if (cover >= 200) return 1;
  if (cover >= 140) return 2;
  if (cover >= 90) return 3;
  return 4;
}

}  // namespace

bool WriteFontSheet(const std::string& fontFile, int px, int extraSpacing, const std::string& out) {
  Face f;
  if (!f.Open(fontFile, px)) return false;
  // The cell spans the ink of the characters actually used, not
  // the font's nominal ascender, so lines stay tight.
  int ascent = 0, descent = 0;
  for (int ch = 33; ch <= 126; ++ch) {
    if (FT_Load_Char(f.face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) continue;
    ascent = std::max(ascent, f.face->glyph->bitmap_top);
    descent = std::max(descent, int(f.face->glyph->bitmap.rows) - f.face->glyph->bitmap_top);
  }

  int cellH = ascent + descent;

  struct Glyph {
    int w;
    std::vector<uint8_t> pix;
  };
  std::vector<Glyph> glyphs;
  for (int ch = 32; ch <= 126; ++ch) {
    if (FT_Load_Char(f.face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) {
      std::fprintf(stderr, "assetgen: the font %s lacks character %d\n", fontFile.c_str(), ch);
      return false;
    }
    FT_GlyphSlot g = f.face->glyph;
    int adv = int((g->advance.x + 32) >> 6);
    int left = g->bitmap_left;
    int shift = left < 0 ? -left : 0;  // never let ink fall left of the cell
    int w = std::max({1, adv + extraSpacing, shift + left + int(g->bitmap.width)});
    Glyph gl{w, std::vector<uint8_t>(size_t(w) * cellH, 0)};
    for (unsigned r = 0; r < g->bitmap.rows; ++r)
      for (unsigned c = 0; c < g->bitmap.width; ++c) {
        int x = shift + left + int(c), y = ascent - g->bitmap_top + int(r);
        if (x < 0 || y < 0 || x >= w || y >= cellH) continue;
        int cover = g->bitmap.buffer[r * g->bitmap.pitch + c];
        gl.pix[size_t(y) * w + x] = InkIndex(cover);
      }
    glyphs.push_back(std::move(gl));
  }

  // Lay the cells out in rows; two border pixels between cells keep every cell's
  // top-left corner unambiguous for the grabber.
  const int sheetW = 480;
  std::vector<std::pair<int, int>> pos;
  int x = 0, y = 0, rows = 1;
  for (const Glyph& g : glyphs) {
    if (x + g.w + 3 > sheetW) {
      x = 0;
      y += cellH + 2;
      ++rows;
    }
    pos.push_back({x + 1, y + 1});
    x += g.w + 2;
  }
  int sheetH = rows * (cellH + 2) + 1;
  std::vector<uint8_t> sheet(size_t(sheetW) * sheetH, 255);
  for (size_t i = 0; i < glyphs.size(); ++i)
    for (int gy = 0; gy < cellH; ++gy)
      for (int gx = 0; gx < glyphs[i].w; ++gx)
        sheet[size_t(pos[i].second + gy) * sheetW + pos[i].first + gx] =
            glyphs[i].pix[size_t(gy) * glyphs[i].w + gx];

  std::vector<Rgb> palette(256, Rgb(255, 0, 255));
  palette[0] = Rgb(255, 255, 255);
  palette[1] = Rgb(0, 0, 0);
  palette[2] = Rgb(64, 64, 64);
  palette[3] = Rgb(128, 128, 128);
  palette[4] = Rgb(192, 192, 192);
  return WriteBmp8(out, sheetW, sheetH, sheet, palette);
}

bool RenderTextMask(const std::string& fontFile, int px, const std::string& text, int tracking,
                    TextMask* mask) {
  Face f;
  if (!f.Open(fontFile, px)) return false;
  int ascent = int(f.face->size->metrics.ascender >> 6);
  int descent = int(-(f.face->size->metrics.descender >> 6));
  // First pass: measure.
  int pen = 0, minX = 0, maxX = 0;
  for (char ch : text) {
    if (FT_Load_Char(f.face, (unsigned char)ch, FT_LOAD_RENDER)) return false;
    FT_GlyphSlot g = f.face->glyph;
    minX = std::min(minX, pen + g->bitmap_left);
    maxX = std::max(maxX, pen + g->bitmap_left + int(g->bitmap.width));
    pen += int((g->advance.x + 32) >> 6) + tracking;
  }
  mask->w = maxX - minX + 2;
  mask->h = ascent + descent + 2;
  mask->ascent = ascent + 1;
  mask->a.assign(size_t(mask->w) * mask->h, 0.f);
  pen = -minX + 1;
  for (char ch : text) {
    FT_Load_Char(f.face, (unsigned char)ch, FT_LOAD_RENDER);
    FT_GlyphSlot g = f.face->glyph;
    for (unsigned r = 0; r < g->bitmap.rows; ++r)
      for (unsigned c = 0; c < g->bitmap.width; ++c) {
        int x = pen + g->bitmap_left + int(c), y = mask->ascent - g->bitmap_top + int(r);
        if (x < 0 || y < 0 || x >= mask->w || y >= mask->h) continue;
        float v = g->bitmap.buffer[r * g->bitmap.pitch + c] / 255.f;
        mask->a[size_t(y) * mask->w + x] = std::max(mask->a[size_t(y) * mask->w + x], v);
      }
    pen += int((g->advance.x + 32) >> 6) + tracking;
  }
  return true;
}
