// Every conversion path this CPU can run must give the scalar path's bytes,
// read only the picture's bytes and write only the frame buffer's.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "PictureConversion.h"

namespace dshowmovie {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr ConversionPath kAllPaths[] = {ConversionPath::Scalar, ConversionPath::Sse2,
                                        ConversionPath::Ssse3, ConversionPath::Avx2};
constexpr std::size_t kGuard = 64;

std::vector<ConversionPath> FastPaths() {
  std::vector<ConversionPath> paths;
  for (ConversionPath path : kAllPaths) {
    if (path != ConversionPath::Scalar && IsConversionPathAvailable(path)) paths.push_back(path);
  }
  return paths;
}

// Exactly the bytes the picture needs, so a sanitizer catches any read past
// the last pixel of the last row.
Bytes RandomPicture(std::mt19937& random, std::uint32_t pitch, std::uint32_t width,
                    std::uint32_t height) {
  Bytes source(std::size_t{height - 1} * pitch + std::size_t{width} * 3);
  for (auto& byte : source) byte = static_cast<std::uint8_t>(random());
  return source;
}

// Destination with guard bytes on both sides, which must come back unchanged.
Bytes Convert(ConversionPath path, const Bytes& source, std::uint32_t pitch, std::uint32_t width,
              std::uint32_t height, MoviePixelFormat format) {
  const std::size_t size = std::size_t{width} * height * BytesPerPixel(format);
  Bytes buffer(size + 2 * kGuard, 0xA5);
  EXPECT_TRUE(ConvertPictureWith(path, source.data(), pitch, width, height, format,
                                 buffer.data() + kGuard));
  for (std::size_t i = 0; i < kGuard; ++i) {
    EXPECT_EQ(buffer[i], 0xA5) << "written before the buffer";
    EXPECT_EQ(buffer[kGuard + size + i], 0xA5) << "written past the buffer";
  }
  return Bytes(buffer.begin() + kGuard, buffer.begin() + kGuard + size);
}

TEST(ConversionPaths, ReportsThePathsThisMachineRuns) {
  std::string names = "scalar";
  for (ConversionPath path : FastPaths()) names += std::string(" ") + ConversionPathName(path);
  std::cout << "conversion paths run: " << names << "; best: "
            << ConversionPathName(BestConversionPath()) << "\n";
  RecordProperty("paths", names);
  EXPECT_TRUE(IsConversionPathAvailable(ConversionPath::Scalar));
  EXPECT_TRUE(IsConversionPathAvailable(BestConversionPath()));
}

TEST(ConversionPaths, MatchScalarForEveryWidthHeightAndPitch) {
  std::mt19937 random(12345);
  for (std::uint32_t width = 1; width <= 64; ++width) {
    const std::uint32_t aligned = (width * 3 + 3) & ~3u;
    for (std::uint32_t pitch : {width * 3, aligned, width * 3 + 1, width * 3 + 7}) {
      for (std::uint32_t height : {1u, 2u, 3u, 6u}) {
        const Bytes source = RandomPicture(random, pitch, width, height);
        for (MoviePixelFormat format : {MPF_R5G6B5, MPF_A8R8G8B8}) {
          const Bytes expected = Convert(ConversionPath::Scalar, source, pitch, width, height, format);
          for (ConversionPath path : FastPaths()) {
            ASSERT_EQ(Convert(path, source, pitch, width, height, format), expected)
                << ConversionPathName(path) << " width " << width << " pitch " << pitch
                << " height " << height << " format " << format;
          }
        }
      }
    }
  }
}

TEST(ConversionPaths, MatchScalarOnWideRows) {
  std::mt19937 random(777);
  for (std::uint32_t width : {95u, 96u, 97u, 257u, 640u, 1001u}) {
    const std::uint32_t pitch = (width * 3 + 3) & ~3u;
    const Bytes source = RandomPicture(random, pitch, width, 5);
    for (MoviePixelFormat format : {MPF_R5G6B5, MPF_A8R8G8B8}) {
      const Bytes expected = Convert(ConversionPath::Scalar, source, pitch, width, 5, format);
      for (ConversionPath path : FastPaths()) {
        ASSERT_EQ(Convert(path, source, pitch, width, 5, format), expected)
            << ConversionPathName(path) << " width " << width << " format " << format;
      }
    }
  }
}

}  // namespace
}  // namespace dshowmovie
