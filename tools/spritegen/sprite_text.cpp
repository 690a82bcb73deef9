#include "sprite_text.h"

#include <sstream>
#include <vector>

#include "painted.h"

namespace {
constexpr int kMaxSize = 80;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  std::string s;
  while (in >> s) w.push_back(s);
  return w;
}

bool ToInt(const std::string& s, int lo, int hi, int& v) {
  if (s.empty() || s.size() > 6) return false;
  size_t i = 0;
  bool neg = s[0] == '-';
  if (neg) i = 1;
  if (i >= s.size()) return false;
  int r = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    r = r * 10 + (s[i] - '0');
  }
  v = neg ? -r : r;
  return v >= lo && v <= hi;
}
}  // namespace

bool ParseSpriteText(const std::string& fileName, const std::string& text,
                     std::map<int, Canvas>& out, std::string& error) {
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  int number = 0, w = 0, h = 0;
  bool hasOutline = false, autoOutline = false;
  Rgb outline;
  std::map<char, Rgb> palette;
  auto fail = [&](const std::string& what) {
    error = fileName + ":" + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> w0 = Words(line);
    if (w0.empty() || w0[0][0] == '#') continue;
    const std::string& key = w0[0];
    if (key == "sprite") {
      if (w0.size() < 2 || !ToInt(w0[1], 1, kPictureCount, number))
        return fail("picture number must be 1.." + std::to_string(kPictureCount));
      if (out.count(number)) return fail("picture " + w0[1] + " drawn twice");
      w = h = 0;
      hasOutline = autoOutline = false;
      palette.clear();
    } else if (key == "size") {
      if (w0.size() != 3 || !ToInt(w0[1], 1, kMaxSize, w) || !ToInt(w0[2], 1, kMaxSize, h))
        return fail("size needs a width and a height of 1.." + std::to_string(kMaxSize));
    } else if (key == "outline") {
      hasOutline = true;
      if (w0.size() == 2 && w0[1] == "auto") {
        autoOutline = true;
      } else if (w0.size() == 4 && ToInt(w0[1], 0, 255, outline.r) &&
                 ToInt(w0[2], 0, 255, outline.g) && ToInt(w0[3], 0, 255, outline.b)) {
        autoOutline = false;
      } else {
        return fail("outline needs \"auto\" or three values 0..255");
      }
    } else if (key == "color") {
      Rgb c;
      if (w0.size() != 5 || w0[1].size() != 1 || !ToInt(w0[2], 0, 255, c.r) ||
          !ToInt(w0[3], 0, 255, c.g) || !ToInt(w0[4], 0, 255, c.b))
        return fail("color needs one character and three values 0..255");
      palette[w0[1][0]] = c;
    } else if (key == "ramp") {
      Rgb c;
      if (w0.size() != 7 || w0[1].size() != 1 || w0[2].size() != 1 || w0[3].size() != 1 ||
          !ToInt(w0[4], 0, 255, c.r) || !ToInt(w0[5], 0, 255, c.g) ||
          !ToInt(w0[6], 0, 255, c.b))
        return fail("ramp needs three characters and three values 0..255");
      palette[w0[1][0]] = Shade(c, 1.28);
      palette[w0[2][0]] = c;
      palette[w0[3][0]] = Shade(c, 0.62);
    } else if (key == "grid") {
      if (number == 0) return fail("grid before sprite");
      if (w == 0) return fail("grid before size");
      Canvas cv(w, h);
      for (int y = 0; y < h; ++y) {
        if (!std::getline(in, line)) return fail("grid ends after " + std::to_string(y) + " rows");
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (static_cast<int>(line.size()) > w) return fail("grid row longer than the width");
        for (int x = 0; x < static_cast<int>(line.size()); ++x) {
          char ch = line[x];
          if (ch == '.' || ch == ' ') continue;
          auto it = palette.find(ch);
          if (it == palette.end()) return fail(std::string("character '") + ch + "' not in the palette");
          cv.Set(x, y, it->second);
        }
      }
      if (hasOutline) cv.Outline(autoOutline ? nullptr : &outline);
      out.emplace(number, cv);
      number = 0;
    } else {
      return fail("unknown keyword \"" + key + "\"");
    }
  }
  if (number != 0) return fail("sprite without a grid");
  return true;
}
