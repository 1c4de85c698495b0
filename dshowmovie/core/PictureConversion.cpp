#include "PictureConversion.h"

#include <cstddef>
#include <initializer_list>

#include "ConversionRows.h"
#include "CpuFeatures.h"

namespace dshowmovie {
namespace {

struct RowConverters {
  RowConverter toArgb = nullptr;
  RowConverter toRgb565 = nullptr;
};

RowConverters RowConvertersFor(ConversionPath path) {
  switch (path) {
    case ConversionPath::Scalar:
      return {ScalarRowToArgb, ScalarRowToRgb565};
#if DSHOWMOVIE_X86
    case ConversionPath::Sse2:
      return {Sse2RowToArgb, Sse2RowToRgb565};
    case ConversionPath::Ssse3:
      return {Ssse3RowToArgb, Ssse3RowToRgb565};
    case ConversionPath::Avx2:
      return {Avx2RowToArgb, Avx2RowToRgb565};
#endif
    default:
      return {};
  }
}

const CpuFeatures& Features() {
  static const CpuFeatures features = DetectCpuFeatures();
  return features;
}

}  // namespace

const char* ConversionPathName(ConversionPath path) {
  switch (path) {
    case ConversionPath::Scalar: return "scalar";
    case ConversionPath::Sse2: return "sse2";
    case ConversionPath::Ssse3: return "ssse3";
    case ConversionPath::Avx2: return "avx2";
  }
  return "unknown";
}

bool IsConversionPathAvailable(ConversionPath path) {
  switch (path) {
    case ConversionPath::Scalar: return true;
#if DSHOWMOVIE_X86
    case ConversionPath::Sse2: return Features().sse2;
    case ConversionPath::Ssse3: return Features().ssse3;
    case ConversionPath::Avx2: return Features().avx2;
#endif
    default: return false;
  }
}

ConversionPath BestConversionPath() {
  static const ConversionPath best = [] {
    for (ConversionPath path : {ConversionPath::Avx2, ConversionPath::Ssse3, ConversionPath::Sse2}) {
      if (IsConversionPathAvailable(path)) return path;
    }
    return ConversionPath::Scalar;
  }();
  return best;
}

bool ConvertPictureWith(ConversionPath path, const std::uint8_t* source,
                        std::uint32_t sourcePitch, std::uint32_t width, std::uint32_t height,
                        MoviePixelFormat format, std::uint8_t* destination) {
  if (!IsConversionPathAvailable(path)) return false;
  if (width == 0 || height == 0) return true;
  const RowConverters rows = RowConvertersFor(path);
  const RowConverter convertRow = IsFourBytePixelFormat(format) ? rows.toArgb : rows.toRgb565;
  const std::uint64_t destinationPitch = std::uint64_t{width} * BytesPerPixel(format);
  // Incoming row r lands in row height - 1 - r: the picture arrives bottom-up.
  for (std::uint32_t row = 0; row < height; ++row) {
    const std::uint64_t sourceOffset = std::uint64_t{row} * sourcePitch;
    const std::uint64_t destinationOffset = std::uint64_t{height - 1 - row} * destinationPitch;
    convertRow(source + static_cast<std::size_t>(sourceOffset),
               destination + static_cast<std::size_t>(destinationOffset), width);
  }
  return true;
}

void ConvertPicture(const std::uint8_t* source, std::uint32_t sourcePitch, std::uint32_t width,
                    std::uint32_t height, MoviePixelFormat format, std::uint8_t* destination) {
  ConvertPictureWith(BestConversionPath(), source, sourcePitch, width, height, format, destination);
}

}  // namespace dshowmovie
