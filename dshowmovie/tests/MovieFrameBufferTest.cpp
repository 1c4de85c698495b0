// The frame buffer shared by the streaming thread and the host: set-up,
// rendering with the update flag, and a two-thread run checking that every
// copy made under the lock is one whole picture.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "MovieFrameBuffer.h"
#include "VideoTypeBuilder.h"

namespace dshowmovie {
namespace {

std::vector<std::uint8_t> Copy(MovieFrameBuffer& frame) {
  MovieBufferLock lock(&frame);
  const auto* bytes = static_cast<const std::uint8_t*>(lock.pBuffer());
  return std::vector<std::uint8_t>(bytes, bytes + lock.bufferBytes());
}

TEST(MovieFrameBuffer, NothingIsRenderedBeforeTheTypeIsSet) {
  MovieFrameBuffer frame;
  const std::uint8_t sample[64] = {};
  EXPECT_FALSE(frame.renderSample(sample, sizeof sample));
  EXPECT_FALSE(frame.hadAnUpdate());
  MovieBufferLock lock(&frame);
  EXPECT_EQ(lock.pBuffer(), nullptr);
}

TEST(MovieFrameBuffer, PictureArrivesUprightAndRaisesTheFlagUntilReset) {
  MovieFrameBuffer frame;
  VideoType video(2, 2);
  ASSERT_TRUE(frame.setMediaType(video.type, MPF_A8R8G8B8));
  EXPECT_EQ(frame.width(), 2u);
  EXPECT_EQ(frame.height(), 2u);
  EXPECT_FALSE(frame.hadAnUpdate()) << "no picture yet";
  // Rows 8 bytes apart; the last two bytes of each are never read.
  const std::uint8_t sample[16] = {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE};
  ASSERT_TRUE(frame.renderSample(sample, sizeof sample));
  EXPECT_TRUE(frame.hadAnUpdate());
  const std::vector<std::uint8_t> expected = {7, 8, 9, 0xFF, 10, 11, 12, 0xFF,
                                              1, 2, 3, 0xFF, 4, 5, 6, 0xFF};
  EXPECT_EQ(Copy(frame), expected);
  frame.resetUpdateFlag();
  EXPECT_FALSE(frame.hadAnUpdate());
}

TEST(MovieFrameBuffer, CountsWhatTheHostSawAndKeepsTheFirstPictureForIt) {
  // One-pixel pictures whose blue byte names them. Each step writes a
  // picture (first of a start or not), or the host copies, or the hold's
  // time passes on the pictures' clock (a clock of the test's own, which
  // stands still otherwise, so the machine's speed does not matter).
  enum Step { kFirst, kNext, kHostCopies, kHoldPasses };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::vector<int> hostSaw;  // the pictures the host copied, in order
    FrameBufferCounts counts;  // written, seen, replacedUnseen, keptForFirst, firstHoldsRunOut
  };
  const Case cases[] = {
      {"each picture copied", {kFirst, kHostCopies, kNext, kHostCopies, kNext, kHostCopies},
       {0, 1, 2}, {3, 3, 0, 0}},
      {"the first is kept until the host copies it",
       {kFirst, kNext, kNext, kHostCopies, kNext, kNext, kHostCopies}, {0, 4}, {3, 2, 1, 2}},
      {"the first is kept only for a moment", {kFirst, kHoldPasses, kNext, kHostCopies},
       {1}, {2, 1, 1, 0, 1}},
      {"a resume's first replaces what the host has not seen", {kFirst, kHostCopies, kNext, kFirst,
       kNext, kHostCopies}, {0, 2}, {3, 2, 1, 1}},
      {"a resume's first is kept for the hold only", {kFirst, kHostCopies, kNext, kFirst, kNext,
       kHoldPasses, kNext, kHostCopies}, {0, 4}, {4, 2, 2, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MovieFrameBuffer frame;
    VideoType video(1, 1);
    ASSERT_TRUE(frame.setMediaType(video.type, MPF_A8R8G8B8));
    std::uint8_t picture = 0;
    std::vector<int> saw;
    std::chrono::steady_clock::time_point now{};
    for (Step step : c.steps) {
      if (step == kHoldPasses) {
        now += MovieFrameBuffer::kFirstPictureHold;
      } else if (step == kHostCopies) {
        saw.push_back(Copy(frame)[0]);
        frame.resetUpdateFlag();
      } else {
        const std::uint8_t sample[4] = {picture++, 0, 0, 0};
        frame.renderSample(sample, sizeof sample, step == kFirst, now);
      }
    }
    EXPECT_EQ(saw, c.hostSaw);
    const FrameBufferCounts counts = frame.counts();
    EXPECT_EQ(counts.written, c.counts.written);
    EXPECT_EQ(counts.seen, c.counts.seen);
    EXPECT_EQ(counts.replacedUnseen, c.counts.replacedUnseen);
    EXPECT_EQ(counts.keptForFirst, c.counts.keptForFirst);
    EXPECT_EQ(counts.firstHoldsRunOut, c.counts.firstHoldsRunOut);
  }
}

TEST(MovieFrameBuffer, OneThreadMayHoldTheLockTwiceAndLetsGoOfItInEitherOrder) {
  MovieFrameBuffer frame;
  VideoType video(1, 1);
  ASSERT_TRUE(frame.setMediaType(video.type, MPF_A8R8G8B8));
  for (bool innerFirst : {false, true}) {
    SCOPED_TRACE(innerFirst ? "inner lock let go first" : "outer lock let go first");
    {
      std::optional<MovieBufferLock> outer(&frame);
      std::optional<MovieBufferLock> inner(&frame);
      EXPECT_EQ(inner->pBuffer(), outer->pBuffer());
      if (innerFirst) inner.reset();
      outer.reset();
    }
    // Both takes given back: the writer can swap a picture in. (Detached, so
    // that a lock still held fails the test instead of hanging it.)
    auto written = std::make_shared<std::promise<bool>>();
    std::future<bool> writing = written->get_future();
    std::thread([&frame, written] {
      const std::uint8_t sample[4] = {7, 0, 0, 0};
      written->set_value(frame.renderSample(sample, sizeof sample));
    }).detach();
    ASSERT_EQ(writing.wait_for(std::chrono::seconds(30)), std::future_status::ready)
        << "bufferLock was still held";
    EXPECT_TRUE(writing.get());
  }
}

TEST(MovieFrameBuffer, SixteenBitRowsHaveNoGap) {
  MovieFrameBuffer frame;
  VideoType video(3, -1);
  ASSERT_TRUE(frame.setMediaType(video.type, static_cast<MoviePixelFormat>(5)));
  const std::uint8_t sample[12] = {0xFF, 0x80, 0x08, 0, 0, 0, 0, 0, 0, 0xAA, 0xAA, 0xAA};
  ASSERT_TRUE(frame.renderSample(sample, sizeof sample));
  const std::vector<std::uint8_t> expected = {0x1F, 0x0C, 0, 0, 0, 0};
  EXPECT_EQ(Copy(frame), expected);
}

TEST(MovieFrameBuffer, ShortSamplesAreSkippedAndLeaveTheFlagAlone) {
  MovieFrameBuffer frame;
  VideoType video(5, 2);
  ASSERT_TRUE(frame.setMediaType(video.type, MPF_A8R8G8B8));
  const std::vector<std::uint8_t> sample(31, 0x55);  // a whole picture is 32 bytes
  EXPECT_FALSE(frame.renderSample(sample.data(), sample.size()));
  EXPECT_FALSE(frame.renderSample(nullptr, 32));
  EXPECT_FALSE(frame.hadAnUpdate());
}

TEST(MovieFrameBuffer, EmptyPictureStillAnnouncesItself) {
  MovieFrameBuffer frame;
  VideoType video(4, 0);
  ASSERT_TRUE(frame.setMediaType(video.type, MPF_R5G6B5));
  EXPECT_EQ(Copy(frame).size(), 0u);
  EXPECT_TRUE(frame.renderSample(reinterpret_cast<const std::uint8_t*>(""), 0));
  EXPECT_TRUE(frame.hadAnUpdate());
}

TEST(MovieFrameBuffer, RefusedTypeKeepsTheConnectedPicture) {
  MovieFrameBuffer frame;
  VideoType first(4, 4);
  ASSERT_TRUE(frame.setMediaType(first.type, MPF_A8R8G8B8));
  VideoType rgb32(8, 8);
  rgb32.type.subtype = kTestSubtypeRgb32;
  EXPECT_FALSE(frame.setMediaType(rgb32.type, MPF_A8R8G8B8));
  VideoType tooBig(0x7FFFFFFF, 0x7FFFFFFF);
  EXPECT_FALSE(frame.setMediaType(tooBig.type, MPF_A8R8G8B8));
  EXPECT_EQ(frame.width(), 4u);
  EXPECT_EQ(Copy(frame).size(), 64u);

  VideoType second(2, 3);
  ASSERT_TRUE(frame.setMediaType(second.type, MPF_R5G6B5));
  EXPECT_EQ(frame.height(), 3u);
  EXPECT_EQ(Copy(frame).size(), 12u);
}

// The writer converts pictures whose every pixel carries the picture's
// number in blue and green and its row in red; the reader copies whatever
// the flag announces. A copy mixing two pictures, or rows out of place,
// fails the test.
TEST(MovieBufferStress, CopiesUnderTheLockAreAlwaysWholePictures) {
  constexpr std::uint32_t kWidth = 96, kHeight = 64, kPitch = kWidth * 3;
  constexpr std::uint32_t kMaxPictures = 60000;  // the number fits in 16 bits
  MovieFrameBuffer frame;
  VideoType video(kWidth, kHeight);
  ASSERT_TRUE(frame.setMediaType(video.type, MPF_A8R8G8B8));

  std::atomic<bool> stop{false};
  std::atomic<std::uint32_t> written{0};
  std::thread writer([&] {
    std::vector<std::uint8_t> sample(kPitch * kHeight);
    for (std::uint32_t number = 1; number <= kMaxPictures && !stop.load(); ++number) {
      for (std::uint32_t row = 0; row < kHeight; ++row) {
        for (std::uint32_t x = 0; x < kWidth; ++x) {
          std::uint8_t* pixel = &sample[row * kPitch + x * 3];
          pixel[0] = static_cast<std::uint8_t>(number);
          pixel[1] = static_cast<std::uint8_t>(number >> 8);
          pixel[2] = static_cast<std::uint8_t>(row);
        }
      }
      frame.renderSample(sample.data(), sample.size());
      written.store(number);
    }
  });

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  std::uint32_t copies = 0, lastNumber = 0, torn = 0, distinct = 0;
  std::vector<std::uint8_t> copy(kWidth * kHeight * 4);
  while (std::chrono::steady_clock::now() < deadline && written.load() < kMaxPictures) {
    if (!frame.hadAnUpdate()) {
      std::this_thread::yield();
      continue;
    }
    {
      MovieBufferLock lock(&frame);
      std::memcpy(copy.data(), lock.pBuffer(), copy.size());
    }
    frame.resetUpdateFlag();
    ++copies;
    const std::uint32_t number = static_cast<std::uint32_t>(copy[0] | copy[1] << 8);
    bool whole = number >= lastNumber;
    for (std::uint32_t y = 0; y < kHeight && whole; ++y) {
      for (std::uint32_t x = 0; x < kWidth && whole; ++x) {
        const std::uint8_t* pixel = &copy[(y * kWidth + x) * 4];
        whole = static_cast<std::uint32_t>(pixel[0] | pixel[1] << 8) == number &&
                pixel[2] == kHeight - 1 - y &&
                pixel[3] == 0xFF;
      }
    }
    if (!whole) ++torn;
    if (number != lastNumber) ++distinct;
    lastNumber = number;
  }
  stop.store(true);
  writer.join();

  EXPECT_EQ(torn, 0u) << "of " << copies << " copies";
  EXPECT_GT(copies, 0u);
  EXPECT_GT(distinct, 1u) << "the threads should have interleaved";
}

}  // namespace
}  // namespace dshowmovie
