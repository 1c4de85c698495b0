// Movies whose rows need filler (widths 5 and 3) and a full-HD movie,
// through the DLL: probe, creation, every pixel upright in both layouts,
// the end. The movies come from testbench/movies/make-dib-avi.py, whose
// pattern DibPixel repeats.
#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

// Plays a movie to its end in one layout, checking the first picture and
// the last one that stays in the buffer.
void PlayAndCheck(const DibMovie& dib, MoviePixelFormat format, unsigned step) {
  SCOPED_TRACE(testing::Message() << dib.name << ", format " << format);
  MovieOwner movie(BrelDirectShowInterface::createDirectShowMovie(MoviePath(dib.name).c_str(),
                                                                  format));
  ASSERT_NE(movie.get(), nullptr);
  BrelIDirectShowMovieImpl* m = movie.get();
  EXPECT_EQ(m->width(), dib.width);
  EXPECT_EQ(m->height(), dib.height);
  EXPECT_EQ(m->format(), format);
  EXPECT_NEAR(m->fps(), dib.fps, 0.01f);
  EXPECT_FALSE(m->hasSound());

  ASSERT_TRUE(WaitForPicture(m));
  {
    BrelDirectShowMovieLock lock(m);
    ASSERT_NE(lock.pBuffer(), nullptr);
    const int frame = DibFrameShown(dib, lock.pBuffer(), format);
    ASSERT_GE(frame, 0) << "the top-left pixel is of no frame: the picture is not upright";
    EXPECT_EQ(CountWrongDibPixels(dib, lock.pBuffer(), format, frame, step), 0);
  }
  ASSERT_TRUE(WaitForEnd(m, 30.0));
  BrelDirectShowMovieLock lock(m);
  const int last = DibFrameShown(dib, lock.pBuffer(), format);
  // A late picture may be dropped, but never two in a row.
  EXPECT_GE(last, dib.frames - 2);
  if (last >= 0) {
    EXPECT_EQ(CountWrongDibPixels(dib, lock.pBuffer(), format, last, step), 0);
  }
}

using LibraryPictureSizeTest = LibraryTest;

TEST_F(LibraryPictureSizeTest, ProbeGivesSizeLengthAndRate) {
  for (const DibMovie& dib : {kDibFiveByFour, kDibThreeByThree, kDibFullHd}) {
    SCOPED_TRACE(dib.name);
    BrelIDirectShowMovieImpl::Info info = {};
    ASSERT_TRUE(BrelIDirectShowMovieImpl::getMovieInfo(MoviePath(dib.name).c_str(), &info));
    EXPECT_TRUE(info.hasVideo);
    EXPECT_FALSE(info.hasSound);
    EXPECT_EQ(info.width, static_cast<int>(dib.width));
    EXPECT_EQ(info.height, static_cast<int>(dib.height));  // bottom-up: positive
    EXPECT_NEAR(info.duration, dib.frames / dib.fps, 0.01f);
    EXPECT_NEAR(info.fps, dib.fps, 0.01f);
  }
}

TEST_F(LibraryPictureSizeTest, OddWidthsArriveUprightWithoutRowGaps) {
  // Incoming rows are 16 and 12 bytes apart; the buffer's rows are 5 or 3
  // pixels with nothing between them, in both layouts.
  for (const DibMovie& dib : {kDibFiveByFour, kDibThreeByThree}) {
    for (MoviePixelFormat format : {MPF_A8R8G8B8, MPF_R5G6B5}) PlayAndCheck(dib, format, 1);
  }
}

TEST_F(LibraryPictureSizeTest, FullHdPicturesArriveWholeAndUpright) {
  // Every 7th row and column, the last ones included, in both layouts.
  for (MoviePixelFormat format : {MPF_A8R8G8B8, MPF_R5G6B5}) PlayAndCheck(kDibFullHd, format, 7);
}

}  // namespace
}  // namespace librarytest
