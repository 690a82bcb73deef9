// Pixel art written as text: a palette of characters and a grid of them.
//
//   sprite 12            picture number (1..54); a file may hold several sprites
//   size 20 20           width and height in pixels
//   outline auto         optional: a dark outline around the silhouette, either the
//   outline 24 18 14     darkened neighbour colour or one fixed colour
//   color k 30 22 18     one character, one colour
//   ramp G g 2 70 130 50 three characters for the light, middle and dark shade of a
//                        colour given as its middle shade
//   grid                 then exactly `height` rows; '.' and ' ' are transparent
//
// Lines starting with '#' are comments.
#pragma once
#include <map>
#include <string>

#include "canvas.h"

struct SpriteSource {
  const char* name;
  const char* text;
};
extern const SpriteSource kSpriteSources[];
extern const int kSpriteSourceCount;

// Parses one source file into pictures by number. On a fault returns false and sets
// error to a message naming the file and line.
bool ParseSpriteText(const std::string& fileName, const std::string& text,
                     std::map<int, Canvas>& out, std::string& error);
