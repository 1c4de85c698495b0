// Hand-made hostile files (data/bmp-hostile, see its README.md): each one is
// either refused and leaves the image empty, or loads and shows exactly its
// NAME.expected.ppm.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DibImage.h"
#include "DibTestDecoder.h"
#include "DibTestFiles.h"

namespace {

const char* const kRefused[] = {
    "01_short_10_bytes",
    "02_wrong_magic_MB",
    "03_header_size_ffffffff_20_bytes",
    "04_info_header_cut_at_24",
    "05_colours_used_ffffffff",
    "07_colours_used_300_table_cut",
    "08_core_8bpp_table_cut",
    "09_65536x65536x32_tiny_data",
    "11_height_int32_min",
    "12_zero_width",
    "13_pixel_rows_cut_in_half",
    "14_colours_used_4000_table_size_wraps",
};

struct Loaded {
  const char* name;
  std::size_t paletteEntries;
};

const Loaded kLoaded[] = {
    {"06_colours_used_300_full_table", 300},
    {"10_negative_height_top_down", 0},
    {"15_pixel_offset_beyond_eof", 4},
    {"16_core_4bpp_valid", 16},
    {"17_info_8bpp_colours_used_20_valid", 20},
};

std::string HostilePath(const std::string& name, const char* suffix) {
  return DibTestData("bmp-hostile/" + name + suffix);
}

}  // namespace

TEST(DibHostileFiles, RefusedFilesLeaveTheImageEmpty) {
  for (const char* name : kRefused) {
    SCOPED_TRACE(name);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(HostilePath(name, ".bmp"), bytes));
    // Start from a loaded image: the refusal must also drop it.
    CDibImage image;
    ASSERT_TRUE(image.Load(HostilePath("16_core_4bpp_valid", ".bmp").c_str()));
    EXPECT_FALSE(image.Load(HostilePath(name, ".bmp").c_str()));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetHeight(), 0);
    EXPECT_FALSE(image.HasPalette());
    EXPECT_FALSE(image.LoadFromMemory(bytes.data(), bytes.size()));
    EXPECT_TRUE(image.IsEmpty());
  }
}

TEST(DibHostileFiles, LoadedFilesShowTheirExpectedPicture) {
  for (const Loaded& file : kLoaded) {
    SCOPED_TRACE(file.name);
    CDibImage image;
    ASSERT_TRUE(image.Load(HostilePath(file.name, ".bmp").c_str()));
    EXPECT_EQ(image.GetPaletteEntries().size(), file.paletteEntries);
    DibRgbImage expected, decoded;
    ASSERT_TRUE(ReadPpmFile(HostilePath(file.name, ".expected.ppm"), expected));
    ASSERT_TRUE(DecodeDibImage(image, decoded));
    EXPECT_EQ(decoded.width, expected.width);
    EXPECT_EQ(decoded.height, expected.height);
    EXPECT_TRUE(decoded == expected);
    EXPECT_EQ(image.GetScanLineCount(), static_cast<std::uint32_t>(expected.height));
  }
}
