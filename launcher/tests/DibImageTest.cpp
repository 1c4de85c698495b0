// The image object: what it hands the drawing side, its palette entries,
// its life from empty to loaded and back, and the drawing calls it plans.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "DibImage.h"
#include "DibPaintPlan.h"
#include "DibTestFiles.h"

namespace {

void ExpectEmpty(const CDibImage& image) {
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.GetWidth(), 0);
  EXPECT_EQ(image.GetHeight(), 0);
  EXPECT_EQ(image.GetBitmapInfo(), nullptr);
  EXPECT_EQ(image.GetBits(), nullptr);
  EXPECT_EQ(image.GetBitsSize(), 0u);
  EXPECT_FALSE(image.HasPalette());
}

}  // namespace

TEST(DibImage, HandsOverHeaderTableAndPixelsOfTheFile) {
  const std::vector<std::uint8_t> file = MakeInfoFile(5, 4, 8, 20, 20, 32);
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(file.data(), file.size()));
  EXPECT_EQ(image.GetWidth(), 5);
  EXPECT_EQ(image.GetHeight(), 4);
  EXPECT_EQ(image.GetBitCount(), 8);
  EXPECT_EQ(image.GetBlockSize(), file.size() - 14);
  // The block is the file less its file header, unchanged; the pixels come
  // right after the 20-entry table whatever the pixel-offset field says.
  ASSERT_NE(image.GetBitmapInfo(), nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(image.GetBitmapInfo(), image.GetBitmapInfo() + image.GetBlockSize()),
            std::vector<std::uint8_t>(file.begin() + 14, file.end()));
  EXPECT_EQ(image.GetBitmapInfoSize(), 120u);
  EXPECT_EQ(image.GetBits(), image.GetBitmapInfo() + 120);
  EXPECT_EQ(image.GetBitsSize(), 32u);
  EXPECT_EQ(image.GetRowPitch(), 8u);
  EXPECT_EQ(image.GetScanLineCount(), 4u);
  EXPECT_FALSE(image.IsTopDown());

  // Height is reported as a pixel count for top-down images too.
  const std::vector<std::uint8_t> topDown = MakeInfoFile(4, -3, 24, 0, 0, 36);
  ASSERT_TRUE(image.LoadFromMemory(topDown.data(), topDown.size()));
  EXPECT_EQ(image.GetHeight(), 3);
  EXPECT_TRUE(image.IsTopDown());
  EXPECT_EQ(image.GetScanLineCount(), 3u);
}

TEST(DibImage, PaletteEntriesComeFromTheColourTable) {
  CDibImage image;
  const std::vector<std::uint8_t> info = MakeInfoFile(5, 4, 8, 20, 20, 32);
  ASSERT_TRUE(image.LoadFromMemory(info.data(), info.size()));
  ASSERT_EQ(image.GetPaletteEntries().size(), 20u);
  for (std::uint8_t i = 0; i < 20; ++i) {
    const DibPaletteEntry& e = image.GetPaletteEntries()[i];
    EXPECT_EQ(e.blue, i);
    EXPECT_EQ(e.green, i + 1);
    EXPECT_EQ(e.red, i + 2);
    EXPECT_EQ(e.flags, 0);
  }

  const std::vector<std::uint8_t> core = MakeCoreFile(6, 4, 4, 16, 16);
  ASSERT_TRUE(image.LoadFromMemory(core.data(), core.size()));
  ASSERT_EQ(image.GetPaletteEntries().size(), 16u);
  EXPECT_EQ(image.GetPaletteEntries()[15].blue, 15);
  EXPECT_EQ(image.GetPaletteEntries()[15].red, 17);
  EXPECT_EQ(image.GetBits(), image.GetBitmapInfo() + 60);

  const std::vector<std::uint8_t> trueColour = MakeInfoFile(4, 4, 24, 0, 0, 48);
  ASSERT_TRUE(image.LoadFromMemory(trueColour.data(), trueColour.size()));
  EXPECT_FALSE(image.HasPalette());
}

TEST(DibImage, FailedLoadOrFreeLeavesItEmpty) {
  CDibImage image;
  ExpectEmpty(image);
  const std::vector<std::uint8_t> good = MakeInfoFile(4, 4, 8, 0, 256, 16);
  ASSERT_TRUE(image.LoadFromMemory(good.data(), good.size()));
  EXPECT_TRUE(image.HasPalette());

  // A bad file in place of a good one leaves nothing of the first behind.
  std::vector<std::uint8_t> notBm = good;
  notBm[0] = 'M';
  notBm[1] = 'B';
  EXPECT_FALSE(image.LoadFromMemory(notBm.data(), notBm.size()));
  ExpectEmpty(image);

  ASSERT_TRUE(image.LoadFromMemory(good.data(), good.size()));
  EXPECT_FALSE(image.LoadFromMemory(good.data(), 13));
  ExpectEmpty(image);
  EXPECT_FALSE(image.LoadFromMemory(good.data(), 14));
  ExpectEmpty(image);
  EXPECT_FALSE(image.LoadFromMemory(nullptr, 0));
  ExpectEmpty(image);

  ASSERT_TRUE(image.LoadFromMemory(good.data(), good.size()));
  image.Free();
  ExpectEmpty(image);
  image.Free();
  ExpectEmpty(image);
}

TEST(DibImage, LoadsFromAFileOnDisk) {
  CDibImage image;
  EXPECT_FALSE(image.Load(DibTestData("no-such-file.bmp").c_str()));
  ExpectEmpty(image);
  EXPECT_FALSE(image.Load(nullptr));
  EXPECT_FALSE(image.Load(DibTestData("bmp-hostile/01_short_10_bytes.bmp").c_str()));
  ExpectEmpty(image);

  ASSERT_TRUE(image.Load(DibTestData("bmp-hostile/17_info_8bpp_colours_used_20_valid.bmp").c_str()));
  EXPECT_EQ(image.GetWidth(), 5);
  EXPECT_EQ(image.GetHeight(), 4);
  EXPECT_EQ(image.GetBlockSize(), 166u - 14u);
  EXPECT_EQ(image.GetPaletteEntries().size(), 20u);
  // A second load replaces the first image and its palette.
  ASSERT_TRUE(image.Load(DibTestData("bmp-hostile/10_negative_height_top_down.bmp").c_str()));
  EXPECT_EQ(image.GetWidth(), 4);
  EXPECT_EQ(image.GetHeight(), 3);
  EXPECT_FALSE(image.HasPalette());
}

TEST(DibPaintPlan, DrawIsUnscaledOverTheImageRectangle) {
  CDibImage image;
  EXPECT_EQ(PlanDibDraw(image, 0, 0).kind, DibPaintKind::Nothing);
  EXPECT_EQ(PlanDibPaint(image, DibRect{0, 0, 5, 5}, DibRect{0, 0, 5, 5}).kind, DibPaintKind::Nothing);

  const std::vector<std::uint8_t> file = MakeInfoFile(5, 4, 8, 20, 20, 32);
  ASSERT_TRUE(image.LoadFromMemory(file.data(), file.size()));
  DibPaintCall call = PlanDibDraw(image, 10, 20);
  EXPECT_EQ(call.kind, DibPaintKind::Unscaled);
  EXPECT_TRUE(call.selectPalette);
  EXPECT_EQ(call.destX, 10);
  EXPECT_EQ(call.destY, 20);
  EXPECT_EQ(call.destWidth, 5);
  EXPECT_EQ(call.destHeight, 4);
  EXPECT_EQ(call.sourceX, 0);
  EXPECT_EQ(call.sourceY, 0);
  EXPECT_EQ(call.scanLines, 4u);

  // Same sizes through Paint: source y counts from the bottom row.
  call = PlanDibPaint(image, DibRect{0, 0, 2, 2}, DibRect{1, 1, 3, 3});
  EXPECT_EQ(call.kind, DibPaintKind::Unscaled);
  EXPECT_EQ(call.sourceX, 1);
  EXPECT_EQ(call.sourceY, 4 - 3);

  call = PlanDibPaint(image, DibRect{0, 0, 10, 8}, DibRect{0, 0, 5, 4});
  EXPECT_EQ(call.kind, DibPaintKind::Stretched);
  EXPECT_EQ(call.destWidth, 10);
  EXPECT_EQ(call.destHeight, 8);
  EXPECT_EQ(call.sourceWidth, 5);
  EXPECT_EQ(call.sourceHeight, 4);

  // A top-down image still draws all of its rows.
  const std::vector<std::uint8_t> topDown = MakeInfoFile(4, -3, 24, 0, 0, 36);
  ASSERT_TRUE(image.LoadFromMemory(topDown.data(), topDown.size()));
  call = PlanDibDraw(image, -2, 7);
  EXPECT_FALSE(call.selectPalette);
  EXPECT_EQ(call.destHeight, 3);
  EXPECT_EQ(call.scanLines, 3u);
}
