// The one BMP file writer of the picture generators (assetgen and spritegen): an
// uncompressed, bottom-up BMP that Allegro's datafile tool reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes a w x h picture of 24 or 8 bits per pixel. rows holds the pixel rows already
// padded to four bytes, bottom row first (blue, green, red per 24-bit pixel; a palette
// index per 8-bit pixel). palette, for 8 bits only, holds 256 entries of blue, green,
// red and a zero byte. False when the file cannot be written.
bool WriteBmpFile(const std::string& path, int w, int h, int bits,
                  const std::vector<uint8_t>& palette, const std::vector<uint8_t>& rows);
