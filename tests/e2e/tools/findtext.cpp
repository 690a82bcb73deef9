// Finds a text in one of the game's colour fonts on a screenshot: every pixel of
// full ink of the letters has one colour, and the space around them mostly another.
// Prints the text's top-left corner and exits 0 when found, 1 when not, 2 on error.
// With "aa" after the text, it must also be drawn anti-aliased, as the game's texts
// are: the letters' lighter edge steps mostly differ from their full ink (drawn in one
// plain colour they would all be ink, and the letters run together).
// Built and run by the end-to-end tests:
//   findtext DAT FONT SHOT.bmp X Y W H TEXT [aa]
#include <allegro.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
int main(int argc, char** argv) {
  if (argc != 9 && !(argc == 10 && std::string(argv[9]) == "aa")) {
    fprintf(stderr, "usage: findtext DAT FONT SHOT.bmp X Y W H TEXT [aa]\n");
    return 2;
  }
  const bool antiAliased = argc == 10;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(32);
  set_color_conversion(COLORCONV_TOTAL);
  DATAFILE* dat = load_datafile(argv[1]);
  if (!dat) { fprintf(stderr, "no datafile %s\n", argv[1]); return 2; }
  int index = atoi(argv[2]), n = 0;
  while (dat[n].type != DAT_END) n++;
  if (index < 0 || index >= n || dat[index].type != DAT_FONT) { fprintf(stderr, "no font %d\n", index); return 2; }
  FONT* f = static_cast<FONT*>(dat[index].dat);
  BITMAP* shot = load_bitmap(argv[3], nullptr);
  if (!shot) { fprintf(stderr, "cannot read %s\n", argv[3]); return 2; }
  const char* text = argv[8];
  int tw = text_length(f, text), th = text_height(f);
  BITMAP* g = create_bitmap(tw, th);
  int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
  clear_to_color(g, white);
  RGB pal[256];
  for (auto& p : pal) p = RGB{32, 32, 32, 0};  // the lighter steps of the letters
  pal[1] = RGB{0, 0, 0, 0};                     // full ink
  set_palette(pal);
  textout_ex(g, f, text, 0, 0, -1, -1);
  std::vector<int> ink, paper, edge;  // offsets y * tw + x; paper is where no letter
                                      // touches, edge the letters' lighter steps
  for (int y = 0; y < th; y++) {
    for (int x = 0; x < tw; x++) {
      int px = getpixel(g, x, y);
      if (px == black) ink.push_back(y * tw + x);
      if (px == white) paper.push_back(y * tw + x);
      if (px != black && px != white) edge.push_back(y * tw + x);
    }
  }
  if (ink.empty()) { fprintf(stderr, "no ink in '%s'\n", text); return 2; }
  int x0 = atoi(argv[4]), y0 = atoi(argv[5]), x1 = x0 + atoi(argv[6]), y1 = y0 + atoi(argv[7]);
  for (int y = y0; y + th <= y1 && y + th <= shot->h; y++) {
    for (int x = x0; x + tw <= x1 && x + tw <= shot->w; x++) {
      int c = getpixel(shot, x + ink[0] % tw, y + ink[0] / tw);
      bool ok = true;
      for (int o : ink)
        if (getpixel(shot, x + o % tw, y + o / tw) != c) { ok = false; break; }
      if (!ok) continue;
      size_t same = 0;
      for (int o : paper)
        if (getpixel(shot, x + o % tw, y + o / tw) == c) same++;
      if (same * 10 > paper.size()) continue;
      if (antiAliased) {
        size_t inked = 0;
        for (int o : edge)
          if (getpixel(shot, x + o % tw, y + o / tw) == c) inked++;
        if (edge.empty() || inked * 2 > edge.size()) continue;
      }
      printf("%d %d\n", x, y);
      return 0;
    }
  }
  return 1;
}
