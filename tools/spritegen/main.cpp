// spritegen OUTDIR: writes the object pictures obj_01.bmp .. obj_54.bmp of the datafile.
// Pictures drawn as pixel-art text (assets/sprites/*.txt) take precedence; the rest are
// painted by code. Every picture has a fixed size, which the prefab offsets rely on.
#include <cstdio>
#include <map>
#include <string>

#include "canvas.h"
#include "painted.h"
#include "sprite_text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: spritegen OUTDIR\n");
    return 2;
  }
  std::string outDir = argv[1];
  std::map<int, Canvas> drawn;
  for (int i = 0; i < kSpriteSourceCount; ++i) {
    std::string error;
    if (!ParseSpriteText(kSpriteSources[i].name, kSpriteSources[i].text, drawn, error)) {
      std::fprintf(stderr, "spritegen: %s\n", error.c_str());
      return 1;
    }
  }
  for (int n = 1; n <= kPictureCount; ++n) {
    int w, h;
    PictureSize(n, w, h);
    Canvas pic(w, h);
    auto it = drawn.find(n);
    if (it != drawn.end()) {
      if (it->second.Width() != w || it->second.Height() != h) {
        std::fprintf(stderr, "spritegen: picture %d is %d x %d, it must be %d x %d\n", n,
                     it->second.Width(), it->second.Height(), w, h);
        return 1;
      }
      pic = it->second;
    } else if (!PaintPicture(n, pic)) {
      std::fprintf(stderr, "spritegen: no drawing for picture %d\n", n);
      return 1;
    }
    char name[32];
    std::snprintf(name, sizeof name, "/obj_%02d.bmp", n);
    if (!pic.SaveBmp(outDir + name)) {
      std::fprintf(stderr, "spritegen: cannot write %s%s\n", outDir.c_str(), name);
      return 1;
    }
  }
  return 0;
}
