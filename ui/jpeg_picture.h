// Decoding a JPEG held in memory into 24-bit pixel rows that GDI draws as
// they are (a top-down DIB).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  // Top-down rows of blue, green, red bytes, each row padded to 4 bytes.
  std::vector<uint8_t> pixels;

  int Stride() const { return (width * 3 + 3) & ~3; }
  // The header GDI needs to draw the pixels.
  BITMAPINFO Header() const;
};

// The picture, or nothing when the bytes are not a JPEG this library can
// decode to colour pixels. A damaged picture never ends the program.
std::optional<Picture> DecodeJpeg(std::span<const uint8_t> bytes);
