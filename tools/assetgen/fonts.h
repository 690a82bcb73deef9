// Font work with FreeType: the colour-font sheets the datafile tool turns into fonts,
// and coverage masks of text for the drawn pictures (title, logo).
#pragma once
#include <string>
#include <vector>

// The first existing file of a list of candidates; empty when none exists.
std::string FindFontFile(const std::vector<std::string>& candidates);

// Writes an 8-bit sheet of characters 32..126 rendered at pixel size px: index 255 for
// the background and the cell borders, 0 transparent, 1 full ink, 2..4 lighter steps.
// extraSpacing widens every cell by that many pixels. False (with a message) on failure.
bool WriteFontSheet(const std::string& fontFile, int px, int extraSpacing, const std::string& out);

// Anti-aliased coverage (0..1) of a line of text; width and height of the mask are
// returned, the baseline sits at ascent from the top.
struct TextMask {
  int w = 0, h = 0, ascent = 0;
  std::vector<float> a;
  float At(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.f : a[y * w + x]; }
};
bool RenderTextMask(const std::string& fontFile, int px, const std::string& text, int tracking,
                    TextMask* mask);
