#pragma once

#include <cstdint>

#include "MoviePixelFormat.h"

namespace dshowmovie {

// Everything the renderer needs to know about an agreed picture. Every size
// fits in 32 bits; ComputePictureGeometry refuses pictures where one would not.
struct PictureGeometry {
  std::uint32_t videoWidth = 0;
  std::uint32_t videoHeight = 0;          // always the absolute value
  std::uint32_t sourcePitch = 0;          // videoWidth * 3 raised to a multiple of 4
  std::uint32_t bytesPerPixel = 0;        // 4 for MPF_A8R8G8B8, else 2
  std::uint32_t destinationPitch = 0;     // videoWidth * bytesPerPixel, rows without gaps
  std::uint32_t frameBufferBytes = 0;     // destinationPitch * videoHeight
  std::uint32_t sourcePictureBytes = 0;   // sourcePitch * videoHeight
};

// Geometry for a bitmap header's width and height. A negative height (a
// top-down bitmap) counts by its absolute value. Refused (false): a negative
// width, or a pitch or picture size that does not fit in 32 bits. A width or
// height of 0 is accepted and gives an empty frame buffer.
bool ComputePictureGeometry(std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                            MoviePixelFormat format, PictureGeometry* geometry);

}  // namespace dshowmovie
