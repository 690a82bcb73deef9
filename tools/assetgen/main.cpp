// assetgen OUTDIR SPRITEDIR: writes every picture and font sheet of Dunmar.dat into
// OUTDIR/pics and OUTDIR/fonts, named by datafile index (e000.bmp ...), so that the
// datafile tool keeps the index order. The object pictures are the ones spritegen
// painted into SPRITEDIR (obj_01.bmp ... obj_54.bmp).
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "fonts.h"
#include "pictures.h"

namespace {

std::string Entry(const std::string& dir, int index) {
  char name[32];
  std::snprintf(name, sizeof name, "/e%03d.bmp", index);
  return dir + name;
}

// Copies a BMP file; false (with a message) when from is missing or no BMP.
bool CopyBmp(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::stringstream data;
  data << in.rdbuf();
  std::string bytes = data.str();
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
    std::fprintf(stderr, "assetgen: %s is missing or not a BMP picture\n", from.c_str());
    return false;
  }
  std::ofstream out(to, std::ios::binary);
  out << bytes;
  if (!out) std::fprintf(stderr, "assetgen: cannot write %s\n", to.c_str());
  return bool(out);
}

bool MakeDir(const std::string& d) { return mkdir(d.c_str(), 0755) == 0 || errno == EEXIST; }

const char* kSansFonts[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                            "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"};
const char* kSansBold[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                           "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"};
const char* kSerifBold[] = {"/usr/share/fonts/opentype/linux-libertine/LinLibertine_RB.otf",
                            "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf",
                            "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
                            "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"};

template <size_t n>
std::string Pick(const char* (&list)[n]) {
  return FindFontFile(std::vector<std::string>(list, list + n));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: assetgen OUTDIR SPRITEDIR\n");
    return 2;
  }
  std::string out = argv[1], sprites = argv[2];
  std::string pics = out + "/pics", fonts = out + "/fonts";
  if (!MakeDir(out) || !MakeDir(pics) || !MakeDir(fonts)) {
    std::fprintf(stderr, "assetgen: cannot make the folders under %s\n", out.c_str());
    return 1;
  }
  std::string sans = Pick(kSansFonts), sansBold = Pick(kSansBold), serifBold = Pick(kSerifBold);
  if (sans.empty() || sansBold.empty() || serifBold.empty()) {
    std::fprintf(stderr, "assetgen: no usable font found (install fonts-dejavu-core)\n");
    return 1;
  }
  bool ok = true;
  for (int code = 1; code <= 27; ++code) ok &= MakeFloor(code).WriteBmp24(Entry(pics, code - 1));
  for (int n = 1; n <= 54; ++n) {
    char src[64];
    std::snprintf(src, sizeof src, "/obj_%02d.bmp", n);
    ok &= CopyBmp(sprites + src, Entry(pics, 26 + n));
  }
  ok &= MakeTitle(0, serifBold).WriteBmp24(Entry(pics, 109));
  ok &= MakeTitle(1, serifBold).WriteBmp24(Entry(pics, 110));
  ok &= MakeInterfaceTexture().WriteBmp24(Entry(pics, 111));
  for (int i = 0; i < 3; ++i) ok &= MakeDie(i).WriteBmp24(Entry(pics, 112 + i));
  ok &= MakeExplosion(0).WriteBmp24(Entry(pics, 115));
  ok &= MakeExplosion(1).WriteBmp24(Entry(pics, 116));
  ok &= WriteFontSheet(sans, 8, 0, Entry(fonts, 117));
  ok &= WriteFontSheet(sans, 10, 0, Entry(fonts, 118));
  ok &= WriteFontSheet(serifBold, 16, 0, Entry(fonts, 119));
  ok &= WriteFontSheet(sans, 11, 0, Entry(fonts, 120));
  ok &= MakeHatchPattern().WriteBmp24(Entry(pics, 121));
  ok &= MakeLogo(serifBold).WriteBmp24(Entry(pics, 122));
  ok &= MakePointer().WriteBmp24(Entry(pics, 123));
  return ok ? 0 : 1;
}
