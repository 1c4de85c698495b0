// Picture geometry and buffer sizes from an agreed type, and which samples
// are converted into the buffer.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "BufferSetup.h"
#include "SampleRendering.h"
#include "VideoTypeBuilder.h"

namespace dshowmovie {
namespace {

PictureGeometry Geometry(std::int32_t width, std::int32_t height, MoviePixelFormat format) {
  VideoType video(width, height);
  PictureGeometry geometry;
  EXPECT_TRUE(SetUpBuffer(video.type, format, &geometry)) << width << " x " << height;
  return geometry;
}

bool Refused(std::int32_t width, std::int32_t height, MoviePixelFormat format) {
  VideoType video(width, height);
  PictureGeometry geometry;
  geometry.videoWidth = 77;
  const bool refused = !SetUpBuffer(video.type, format, &geometry);
  EXPECT_EQ(geometry.videoWidth, 77u) << "a refused set-up leaves the geometry alone";
  return refused;
}

TEST(SetUpBuffer, RowsOfTheSourceAreRaisedToWholeWords) {
  const PictureGeometry five = Geometry(5, 3, MPF_A8R8G8B8);
  EXPECT_EQ(five.sourcePitch, 16u);
  EXPECT_EQ(five.destinationPitch, 20u);
  EXPECT_EQ(five.frameBufferBytes, 60u);
  EXPECT_EQ(five.sourcePictureBytes, 48u);

  const PictureGeometry three = Geometry(3, 2, MPF_R5G6B5);
  EXPECT_EQ(three.sourcePitch, 12u);
  EXPECT_EQ(three.destinationPitch, 6u);
  EXPECT_EQ(three.frameBufferBytes, 12u);

  EXPECT_EQ(Geometry(4, 1, MPF_A8R8G8B8).sourcePitch, 12u);
}

TEST(SetUpBuffer, HeightsCountByTheirSize) {
  const PictureGeometry topDown = Geometry(8, -6, MPF_R5G6B5);
  EXPECT_EQ(topDown.videoHeight, 6u);
  EXPECT_EQ(topDown.frameBufferBytes, 96u);
  const PictureGeometry tallest = Geometry(0, INT32_MIN, MPF_A8R8G8B8);
  EXPECT_EQ(tallest.videoHeight, 2147483648u);
  EXPECT_EQ(tallest.frameBufferBytes, 0u);
}

TEST(SetUpBuffer, EmptyPicturesAreAcceptedWithEmptyBuffers) {
  EXPECT_EQ(Geometry(0, 480, MPF_A8R8G8B8).frameBufferBytes, 0u);
  const PictureGeometry flat = Geometry(640, 0, MPF_R5G6B5);
  EXPECT_EQ(flat.frameBufferBytes, 0u);
  EXPECT_EQ(flat.sourcePitch, 1920u);
}

TEST(SetUpBuffer, RefusesNegativeWidthsAndSizesBeyond32Bits) {
  EXPECT_TRUE(Refused(-1, 10, MPF_A8R8G8B8));
  EXPECT_TRUE(Refused(INT32_MIN, 0, MPF_R5G6B5));
  // Frame buffer: 16 bytes a row, 2^28 rows is exactly 2^32.
  EXPECT_TRUE(Refused(4, 1 << 28, MPF_A8R8G8B8));
  EXPECT_EQ(Geometry(4, (1 << 28) - 1, MPF_A8R8G8B8).frameBufferBytes, 0xFFFFFFF0u);
  // Source picture: 12 bytes a row, larger than the 8 of the 16-bit buffer.
  EXPECT_TRUE(Refused(4, 357913942, MPF_R5G6B5));
  EXPECT_EQ(Geometry(4, 357913941, MPF_R5G6B5).sourcePictureBytes, 4294967292u);
  // A row too long for 32 bits is refused even with no rows at all.
  EXPECT_TRUE(Refused(INT32_MAX, 0, MPF_A8R8G8B8));
  EXPECT_TRUE(Refused(65536, 65536, MPF_R5G6B5));
}

TEST(SetUpBuffer, RefusesTypesTheCheckRefuses) {
  VideoType video(16, 16);
  video.type.subtype = kTestSubtypeRgb32;
  PictureGeometry geometry;
  EXPECT_FALSE(SetUpBuffer(video.type, MPF_A8R8G8B8, &geometry));
  VideoType shortBlock(16, 16);
  shortBlock.Resize(kBitmapHeightOffset + 4);
  EXPECT_FALSE(SetUpBuffer(shortBlock.type, MPF_A8R8G8B8, &geometry));
}

TEST(RenderSample, SkipsSamplesShorterThanThePicture) {
  const PictureGeometry geometry = Geometry(5, 3, MPF_R5G6B5);  // needs 3 * 16 bytes
  const std::vector<std::uint8_t> sample(48, 0xFF);
  std::vector<std::uint8_t> buffer(geometry.frameBufferBytes, 0);
  EXPECT_FALSE(SampleCoversPicture(sample.data(), 47, geometry));
  EXPECT_FALSE(SampleCoversPicture(nullptr, 48, geometry));
  EXPECT_FALSE(RenderSample(sample.data(), 47, geometry, buffer.data()));
  EXPECT_EQ(buffer, std::vector<std::uint8_t>(geometry.frameBufferBytes, 0));

  EXPECT_TRUE(RenderSample(sample.data(), 48, geometry, buffer.data()));
  EXPECT_EQ(buffer, std::vector<std::uint8_t>(geometry.frameBufferBytes, 0xFF));
  EXPECT_FALSE(RenderSample(sample.data(), 48, geometry, nullptr));
}

TEST(RenderSample, ConvertsInTheLayoutOfTheSetUp) {
  const PictureGeometry geometry = Geometry(1, 2, MPF_A8R8G8B8);
  const std::uint8_t sample[8] = {1, 2, 3, 0, 4, 5, 6, 0};
  std::uint8_t buffer[8] = {};
  ASSERT_TRUE(RenderSample(sample, sizeof sample, geometry, buffer));
  const std::uint8_t expected[8] = {4, 5, 6, 0xFF, 1, 2, 3, 0xFF};
  EXPECT_EQ(0, std::memcmp(buffer, expected, 8));
}

TEST(RenderSample, EmptyPicturesStillCountAsRendered) {
  const PictureGeometry geometry = Geometry(640, 0, MPF_A8R8G8B8);
  const std::uint8_t sample = 0;
  EXPECT_TRUE(RenderSample(&sample, 0, geometry, nullptr));
}

}  // namespace
}  // namespace dshowmovie
