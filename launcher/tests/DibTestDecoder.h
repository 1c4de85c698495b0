#pragma once

// Test-only decoding of loaded images into plain RGB pixels, and the files
// the tests compare them with.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "DibImage.h"

// An RGB picture, top row first, three bytes a pixel.
struct DibRgbImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> rgb;

  struct Pixel {
    std::uint8_t r, g, b;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Pixel& o) const { return !(*this == o); }
  };
  Pixel At(std::int32_t x, std::int32_t y) const;
  bool operator==(const DibRgbImage& o) const {
    return width == o.width && height == o.height && rgb == o.rgb;
  }
};

// Turns the pixel rows of a loaded image into RGB as the drawing calls show
// them: palette indices through the colour table (an index past its end is
// black), 16-bit pixels as 5-5-5 with each channel widened by repeating its
// high bits, 24- and 32-bit pixels as blue, green, red (the fourth byte
// ignored), bit-field pixels through their masks (a channel of fewer than 8
// bits widened the same way, a wider one cut to its top 8 bits). Run-length
// data is decoded through WalkDibRle; pixels its codes skip keep `undrawn`.
// The row pitch is worked out here, not taken from the image, and every read
// is checked against GetBitsSize. False for an empty image or when the rows
// or runs would not fit.
bool DecodeDibImage(const CDibImage& image, DibRgbImage& out,
                    DibRgbImage::Pixel undrawn = DibRgbImage::Pixel{0, 0, 0});

// Reads a plain-text PPM ("P3", maximum value 255).
bool ReadPpmFile(const std::string& path, DibRgbImage& out);

// The whole contents of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);
