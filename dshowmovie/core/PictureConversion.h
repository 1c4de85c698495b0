#pragma once

#include <cstdint>

#include "MoviePixelFormat.h"

namespace dshowmovie {

// Implementations of the picture conversion. All give the same bytes; the
// faster ones need the instruction set they are named after.
enum class ConversionPath { Scalar, Sse2, Ssse3, Avx2 };

const char* ConversionPathName(ConversionPath path);
bool IsConversionPathAvailable(ConversionPath path);
// The fastest path this CPU can run, found once and then cached.
ConversionPath BestConversionPath();

// Converts one 24-bit picture into the frame buffer, turning it upright.
//
// The source holds `height` rows `sourcePitch` bytes apart, bottom row first;
// each row starts with `width` pixels of blue, green, red bytes. Only those
// bytes are read: (height - 1) * sourcePitch + width * 3 in all, so the last
// row needs no padding. The destination receives `height` rows top row first,
// width * BytesPerPixel(format) bytes each with no gap, and nothing else is
// written. A width or height of 0 writes nothing.
void ConvertPicture(const std::uint8_t* source, std::uint32_t sourcePitch, std::uint32_t width,
                    std::uint32_t height, MoviePixelFormat format, std::uint8_t* destination);

// The same with a chosen path; false, with nothing written, when this CPU
// cannot run that path.
bool ConvertPictureWith(ConversionPath path, const std::uint8_t* source,
                        std::uint32_t sourcePitch, std::uint32_t width, std::uint32_t height,
                        MoviePixelFormat format, std::uint8_t* destination);

}  // namespace dshowmovie
