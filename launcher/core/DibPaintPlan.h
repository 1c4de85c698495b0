#pragma once

#include <cstdint>

#include "DibImage.h"

// A rectangle in device or image pixels; right and bottom are exclusive.
struct DibRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

enum class DibPaintKind {
  Nothing,    // the image is empty: no call, Paint returns 0
  Unscaled,   // SetDIBitsToDevice
  Stretched,  // StretchDIBits with SRCCOPY
};

// The arguments of the one drawing call that Paint makes, worked out without
// the platform. Both calls take GetBitmapInfo() and GetBits() with RGB
// colours; the palette is selected around the call when selectPalette is set.
struct DibPaintCall {
  DibPaintKind kind = DibPaintKind::Nothing;
  bool selectPalette = false;
  std::int32_t destX = 0;
  std::int32_t destY = 0;
  std::int32_t destWidth = 0;
  std::int32_t destHeight = 0;
  std::int32_t sourceX = 0;
  std::int32_t sourceY = 0;
  std::int32_t sourceWidth = 0;   // Stretched only
  std::int32_t sourceHeight = 0;  // Stretched only
  std::uint32_t startScan = 0;    // Unscaled only
  std::uint32_t scanLines = 0;    // Unscaled only: the number of rows
};

// Paint: unscaled when the two rectangles have the same width and height,
// stretched otherwise. The unscaled source y counts from the bottom row
// (image height - source bottom), and the scan-line count is the number of
// rows, also for top-down images whose stored height is negative.
DibPaintCall PlanDibPaint(const CDibImage& image, const DibRect& dest, const DibRect& source);

// Draw at (x, y): the whole image, unscaled, covering (x, y)-(x + W, y + H).
DibPaintCall PlanDibDraw(const CDibImage& image, std::int32_t x, std::int32_t y);
