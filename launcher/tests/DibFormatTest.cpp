// Format rules over synthetic files: header kinds, colour counts, where the
// table and the pixels lie, and refusal of anything that does not fit.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "DibFormat.h"
#include "DibImage.h"
#include "DibTestFiles.h"

namespace {

bool Layout(const std::vector<std::uint8_t>& file, DibLayout& layout) {
  return ReadDibLayout(file.data() + kDibFileHeaderSize, file.size() - kDibFileHeaderSize, layout);
}

bool Accepts(const std::vector<std::uint8_t>& file) {
  DibLayout layout;
  return Layout(file, layout);
}

}  // namespace

TEST(DibFormat, ColourCountsTableSizesAndPixelStart) {
  DibLayout l;
  // Info header, colours used 0: the bit count decides.
  ASSERT_TRUE(Layout(MakeInfoFile(8, 2, 1, 0, 2, 8), l));
  EXPECT_EQ(l.colourCount, 2u);
  EXPECT_EQ(l.pixelOffset, 48u);
  ASSERT_TRUE(Layout(MakeInfoFile(8, 2, 4, 0, 16, 8), l));
  EXPECT_EQ(l.colourCount, 16u);
  ASSERT_TRUE(Layout(MakeInfoFile(4, 4, 8, 0, 256, 16), l));
  EXPECT_EQ(l.colourCount, 256u);
  EXPECT_EQ(l.colourTableSize, 1024u);
  EXPECT_EQ(l.pixelOffset, 40u + 1024u);
  for (std::uint16_t bits : {16, 24, 32}) {
    ASSERT_TRUE(Layout(MakeInfoFile(4, 4, bits, 0, 0, 64), l)) << bits;
    EXPECT_EQ(l.colourCount, 0u);
    EXPECT_EQ(l.pixelOffset, 40u);
  }

  // Colours used, when not 0, is the table's length: shorter, longer than
  // the bit count allows, or a table carried by a true-colour image.
  ASSERT_TRUE(Layout(MakeInfoFile(5, 4, 8, 20, 20, 32), l));
  EXPECT_EQ(l.colourCount, 20u);
  EXPECT_EQ(l.pixelOffset, 40u + 80u);
  ASSERT_TRUE(Layout(MakeInfoFile(4, 4, 8, 300, 300, 16), l));
  EXPECT_EQ(l.colourCount, 300u);
  EXPECT_EQ(l.pixelOffset, 40u + 1200u);
  ASSERT_TRUE(Layout(MakeInfoFile(4, 4, 24, 256, 256, 48), l));
  EXPECT_EQ(l.colourCount, 256u);
  EXPECT_EQ(l.pixelOffset, 40u + 1024u);

  // Core header: 3-byte entries, always the bit count's number of colours.
  ASSERT_TRUE(Layout(MakeCoreFile(6, 4, 4, 16, 16), l));
  EXPECT_EQ(l.headerKind, DibHeaderKind::Core);
  EXPECT_EQ(l.colourCount, 16u);
  EXPECT_EQ(l.colourEntrySize, 3u);
  EXPECT_EQ(l.pixelOffset, 12u + 48u);
  ASSERT_TRUE(Layout(MakeCoreFile(2, 2, 24, 0, 16), l));
  EXPECT_EQ(l.colourCount, 0u);
  EXPECT_EQ(l.pixelOffset, 12u);
}

TEST(DibFormat, RowsArePaddedToFourBytesWithoutOverflow) {
  EXPECT_EQ(DibRowPitch(1, 1), 4u);
  EXPECT_EQ(DibRowPitch(33, 1), 8u);
  EXPECT_EQ(DibRowPitch(127, 4), 64u);
  EXPECT_EQ(DibRowPitch(125, 8), 128u);
  EXPECT_EQ(DibRowPitch(3, 24), 12u);
  EXPECT_EQ(DibRowPitch(127, 16), 256u);
  EXPECT_EQ(DibRowPitch(0xFFFFFFFFu, 32), 0x3FFFFFFFCull);

  DibLayout l;
  ASSERT_TRUE(Layout(MakeInfoFile(5, 3, 24, 0, 0, 48), l));
  EXPECT_EQ(l.rowPitch, 16u);
  EXPECT_EQ(l.rowCount, 3u);
  EXPECT_EQ(l.pixelSize, 48u);
  EXPECT_FALSE(l.topDown);
}

TEST(DibFormat, NegativeHeightMeansTopDownRows) {
  DibLayout l;
  ASSERT_TRUE(Layout(MakeInfoFile(4, -3, 24, 0, 0, 48), l));
  EXPECT_TRUE(l.topDown);
  EXPECT_EQ(l.height, -3);
  EXPECT_EQ(l.rowCount, 3u);
  EXPECT_EQ(l.pixelSize, 36u);
  // Its magnitude does not fit 32 bits; nor could the file hold its rows.
  EXPECT_FALSE(Accepts(MakeInfoFile(1, std::numeric_limits<std::int32_t>::min(), 24, 0, 0, 8)));
  // A 16-bit core height is never negative.
  ASSERT_TRUE(Layout(MakeCoreFile(1, 0xFFFF, 8, 256, 4 * 0xFFFF), l));
  EXPECT_FALSE(l.topDown);
  EXPECT_EQ(l.rowCount, 0xFFFFu);
}

TEST(DibFormat, RefusesKindsItDoesNotRead) {
  for (std::uint32_t size : {0u, 4u, 11u, 13u, 16u, 39u, 41u, 52u, 56u, 64u, 108u, 124u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(Accepts(MakeFileWithHeaderSize(size, 2000))) << size;
  }
  for (std::uint16_t bits : {0, 2, 3, 7, 9, 48, 64, 30000}) {
    EXPECT_FALSE(Accepts(MakeInfoFile(4, 4, bits, 0, 256, 4096))) << bits;
  }
  for (std::uint16_t bits : {16, 32}) {
    EXPECT_FALSE(Accepts(MakeCoreFile(4, 4, bits, 0, 64))) << bits;
  }
  // Embedded JPEG or PNG, alpha bit fields, and compressions whose bit count
  // does not match; run-length data without its size.
  for (std::uint32_t compression : {1u, 2u, 3u, 4u, 5u, 6u}) {
    EXPECT_FALSE(Accepts(MakeInfoFile(4, 4, 8, 0, 256, 4096, compression))) << compression;
  }
  EXPECT_FALSE(Accepts(MakeInfoFile(0, 4, 24, 0, 0, 64)));
  EXPECT_FALSE(Accepts(MakeInfoFile(-4, 4, 24, 0, 0, 64)));
  EXPECT_FALSE(Accepts(MakeInfoFile(4, 0, 24, 0, 0, 64)));
  EXPECT_FALSE(Accepts(MakeCoreFile(0, 4, 24, 0, 64)));
  EXPECT_FALSE(Accepts(MakeCoreFile(4, 0, 24, 0, 64)));
}

TEST(DibFormat, EverythingMustLieInsideTheBlock) {
  // Cut anywhere short of the last pixel byte, a file is refused.
  for (const auto& file : {MakeInfoFile(5, 4, 8, 20, 20, 32), MakeCoreFile(6, 4, 4, 16, 16),
                           MakeInfoFile(3, -2, 24, 0, 0, 24)}) {
    ASSERT_TRUE(Accepts(file));
    for (std::size_t cut = kDibFileHeaderSize; cut < file.size(); ++cut) {
      DibLayout l;
      EXPECT_FALSE(ReadDibLayout(file.data() + kDibFileHeaderSize, cut - kDibFileHeaderSize, l))
          << cut;
    }
  }
  // Colours used that does not fit 16 bits is not cut down to its low half.
  EXPECT_FALSE(Accepts(MakeInfoFile(4, 4, 8, 0x10004, 4, 16)));
  // 0x4000 entries make a 64 KiB table; a 16-bit size would make that 0.
  EXPECT_FALSE(Accepts(MakeInfoFile(4, 4, 8, 0x4000, 4, 16)));
  // Dimensions whose byte count wraps in 32 or even 64 bits.
  EXPECT_FALSE(Accepts(MakeInfoFile(65536, 65536, 32, 0, 0, 16)));
  EXPECT_FALSE(Accepts(MakeInfoFile(std::numeric_limits<std::int32_t>::max(),
                                    std::numeric_limits<std::int32_t>::max(), 32, 0, 0, 64)));
  EXPECT_FALSE(Accepts(MakeInfoFile(std::numeric_limits<std::int32_t>::max(), -0x7FFFFFFF, 32, 0, 0, 64)));
  EXPECT_FALSE(Accepts(MakeCoreFile(0xFFFF, 0xFFFF, 24, 0, 64)));
  // Extra bytes after the rows are allowed.
  EXPECT_TRUE(Accepts(MakeInfoFile(4, 4, 24, 0, 0, 48 + 100)));
}

namespace {

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// Masks as the 12 bytes that follow the header.
std::vector<std::uint8_t> Masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t mask : {red, green, blue}) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(mask >> shift));
  }
  return out;
}

const std::vector<std::uint8_t> kTwoColours(8, 0x40);

}  // namespace

TEST(DibFormat, RunLengthAndBitFieldImagesAreReadWithinTheirData) {
  // 4 x 2 RLE8: row 0 four pixels of 1; end of line; row 1 an absolute run
  // of three (and its pad byte), one more pixel; end of bitmap. 14 bytes.
  const std::vector<std::uint8_t> rle8 = {4, 1, 0, 0, 0, 3, 0, 1, 0, 0, 1, 1, 0, 1};
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    bool accepted;
    std::size_t pixelOffset, pixelSize;
  };
  const Case cases[] = {
      {"rle8", MakeInfoFileWithBody(4, 2, 8, 1, 14, 2, Concat({kTwoColours, rle8})), true, 48, 14},
      {"rle8 with bytes after its data", MakeInfoFileWithBody(4, 2, 8, 1, 14, 2, Concat({kTwoColours, rle8, {9, 9}})),
       true, 48, 14},
      {"rle8 ending without end of bitmap", MakeInfoFileWithBody(4, 2, 8, 1, 12, 2, Concat({kTwoColours, rle8})), true,
       48, 12},
      {"rle8 delta to the row end", MakeInfoFileWithBody(4, 2, 8, 1, 6, 2, Concat({kTwoColours, {0, 2, 4, 1, 0, 1}})),
       true, 48, 6},
      {"rle4", MakeInfoFileWithBody(4, 2, 4, 2, 10, 2, Concat({kTwoColours, {4, 0x10, 0, 0, 0, 3, 0x10, 0x10, 0, 1}})),
       true, 48, 10},
      {"rle8 without its size", MakeInfoFileWithBody(4, 2, 8, 1, 0, 2, Concat({kTwoColours, rle8})), false, 0, 0},
      {"rle8 size beyond the file", MakeInfoFileWithBody(4, 2, 8, 1, 15, 2, Concat({kTwoColours, rle8})), false, 0,
       0},
      {"rle8 size cutting a code", MakeInfoFileWithBody(4, 2, 8, 1, 13, 2, Concat({kTwoColours, rle8})), false, 0, 0},
      {"rle8 top-down", MakeInfoFileWithBody(4, -2, 8, 1, 14, 2, Concat({kTwoColours, rle8})), false, 0, 0},
      {"rle8 run past the row end", MakeInfoFileWithBody(4, 2, 8, 1, 4, 2, Concat({kTwoColours, {5, 1, 0, 1}})),
       false, 0, 0},
      {"rle8 delta out of the image", MakeInfoFileWithBody(4, 2, 8, 1, 6, 2, Concat({kTwoColours, {0, 2, 5, 0, 0, 1}})),
       false, 0, 0},
      {"rle8 writing above the last row",
       MakeInfoFileWithBody(4, 2, 8, 1, 8, 2, Concat({kTwoColours, {0, 0, 0, 0, 1, 1, 0, 1}})), false, 0, 0},
      {"rle8 absolute run past its data", MakeInfoFileWithBody(4, 2, 8, 1, 4, 2, Concat({kTwoColours, {0, 4, 1, 1}})),
       false, 0, 0},
      {"rle8 too short to fill its image", MakeInfoFileWithBody(255, 3, 8, 1, 4, 2, Concat({kTwoColours, {255, 1, 0, 1}})),
       false, 0, 0},
      {"rle8 on a 4-bit image", MakeInfoFileWithBody(4, 2, 4, 1, 14, 2, Concat({kTwoColours, rle8})), false, 0, 0},
      {"rle4 on an 8-bit image", MakeInfoFileWithBody(4, 2, 8, 2, 14, 2, Concat({kTwoColours, rle8})), false, 0, 0},

      {"5-6-5", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0xF800, 0x07E0, 0x001F), std::vector<std::uint8_t>(8, 1)})),
       true, 52, 8},
      {"5-6-5 with a table after the masks",
       MakeInfoFileWithBody(2, 2, 16, 3, 0, 2, Concat({Masks(0xF800, 0x07E0, 0x001F), kTwoColours, std::vector<std::uint8_t>(8, 1)})),
       true, 60, 8},
      {"32-bit masks", MakeInfoFileWithBody(1, 1, 32, 3, 0, 0, Concat({Masks(0xFF, 0xFF00, 0xFF0000), {1, 2, 3, 4}})),
       true, 52, 4},
      {"no blue bits", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0xFF00, 0x00FF, 0), std::vector<std::uint8_t>(8, 1)})),
       true, 52, 8},
      {"masks cut off", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, {0, 0xF8, 0, 0, 0xE0, 7}), false, 0, 0},
      {"pixels cut off", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0xF800, 0x07E0, 0x001F), {1, 1, 1}})),
       false, 0, 0},
      {"overlapping masks", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0xF800, 0x0FE0, 0x001F), std::vector<std::uint8_t>(8, 1)})),
       false, 0, 0},
      {"a mask with a gap", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0xF801, 0x07E0, 0x001E), std::vector<std::uint8_t>(8, 1)})),
       false, 0, 0},
      {"a mask beyond 16 bits", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0x1F0000, 0x07E0, 0x001F), std::vector<std::uint8_t>(8, 1)})),
       false, 0, 0},
      {"no mask at all", MakeInfoFileWithBody(2, 2, 16, 3, 0, 0, Concat({Masks(0, 0, 0), std::vector<std::uint8_t>(8, 1)})),
       false, 0, 0},
      {"bit fields on 24 bits", MakeInfoFileWithBody(1, 1, 24, 3, 0, 0, Concat({Masks(0xFF, 0xFF00, 0xFF0000), {1, 2, 3, 4}})),
       false, 0, 0},
  };
  for (const Case& c : cases) {
    DibLayout l;
    ASSERT_EQ(Layout(c.file, l), c.accepted) << c.what;
    if (!c.accepted) continue;
    EXPECT_EQ(l.pixelOffset, c.pixelOffset) << c.what;
    EXPECT_EQ(l.pixelSize, c.pixelSize) << c.what;
    EXPECT_EQ(l.pixelOffset - l.colourTableSize, l.colourTableOffset) << c.what;
  }
}
