// Which offered media types the renderer takes, and with which code it
// refuses the others.
#include <gtest/gtest.h>

#include "MediaTypeCheck.h"
#include "VideoTypeBuilder.h"

namespace dshowmovie {
namespace {

TEST(CheckMediaType, Takes24BitRgbVideoInEitherLayout) {
  VideoType video(320, 240);
  EXPECT_EQ(CheckMediaType(video.type, MPF_A8R8G8B8), kResultOk);
  EXPECT_EQ(CheckMediaType(video.type, MPF_R5G6B5), kResultOk);
  VideoType topDown(320, -240);
  EXPECT_EQ(CheckMediaType(topDown.type, MPF_A8R8G8B8), kResultOk);
}

TEST(CheckMediaType, RefusesOtherTypesWithTheirCodesInOrder) {
  VideoType video(16, 16);
  MediaTypeDescription type = video.type;
  type.formatType = kTestFormatVideoInfo2;
  EXPECT_EQ(CheckMediaType(type, MPF_A8R8G8B8), kResultInvalidArg);
  // The format type is tested first: a wrong subtype does not change the code.
  type.subtype = kTestSubtypeRgb32;
  type.majorType = kTestMediaTypeAudio;
  EXPECT_EQ(CheckMediaType(type, MPF_A8R8G8B8), kResultInvalidArg);

  type = video.type;
  type.majorType = kTestMediaTypeAudio;
  EXPECT_EQ(CheckMediaType(type, MPF_A8R8G8B8), kResultFail);
  for (const Guid& subtype : {kTestSubtypeRgb32, kTestSubtypeYuy2}) {
    type = video.type;
    type.subtype = subtype;
    EXPECT_EQ(CheckMediaType(type, MPF_A8R8G8B8), kResultFail);
  }
}

TEST(CheckMediaType, RefusesAFormatBlockThatCannotHoldTheHeader) {
  VideoType video(16, 16);
  video.Resize(kVideoInfoHeaderBytes - 1);
  EXPECT_EQ(CheckMediaType(video.type, MPF_A8R8G8B8), kResultInvalidArg);
  video.Resize(0);
  EXPECT_EQ(CheckMediaType(video.type, MPF_A8R8G8B8), kResultInvalidArg);
  // A size that claims bytes behind a null pointer is refused as well.
  VideoType noBlock(16, 16);
  noBlock.type.format = nullptr;
  EXPECT_EQ(CheckMediaType(noBlock.type, MPF_A8R8G8B8), kResultInvalidArg);
  // A longer block (a header followed by more) is fine.
  VideoType longer(16, 16);
  longer.Resize(kVideoInfoHeaderBytes + 12);
  EXPECT_EQ(CheckMediaType(longer.type, MPF_A8R8G8B8), kResultOk);
}

TEST(CheckMediaType, RefusesSizesTheBufferSetUpRefuses) {
  VideoType negativeWidth(-16, 16);
  EXPECT_EQ(CheckMediaType(negativeWidth.type, MPF_R5G6B5), kResultFail);
  // 4 * 4 * 2^28 bytes overflow 32 bits in the 32-bit layout only.
  VideoType large(4, 1 << 28);
  EXPECT_EQ(CheckMediaType(large.type, MPF_A8R8G8B8), kResultFail);
  EXPECT_EQ(CheckMediaType(large.type, MPF_R5G6B5), kResultOk);
  EXPECT_EQ(CheckMediaType(large.type, static_cast<MoviePixelFormat>(9)), kResultOk);
}

}  // namespace
}  // namespace dshowmovie
