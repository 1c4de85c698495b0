// A full-HD movie played as a game plays it, with the library's own objects
// so that the movie's statistics can be read: the first picture reaches the
// game, and every picture of the file is accounted for, from the file to
// what the game copied. The movie comes from make-dib-avi.py --numbered.
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "LibraryTestSupport.h"
#include "MovieStatistics.h"
#include "win32/ComPtr.h"

namespace librarytest {
namespace {

constexpr int kFrames = 15;

// The number a picture of the numbered movie shows: eight bars, the most
// significant on the left, read in the middle of each in the top row.
int ShownNumber(const std::vector<std::uint8_t>& picture, unsigned width) {
  int number = 0;
  for (unsigned bar = 0; bar < 8; ++bar) {
    const unsigned x = bar * (width / 8) + width / 16;
    number = number * 2 + (picture[x * 4 + 1] >= 128 ? 1 : 0);  // green of B, G, R, A
  }
  return number;
}

using LibraryFirstPictureTest = LibraryTest;

TEST_F(LibraryFirstPictureTest, FirstPictureIsSeenAndEveryPictureIsAccountedFor) {
  MovieOwner movie(BrelDirectShowInterface::createDirectShowMovie(
      MoviePath("numbered1920x1080.avi").c_str(), MPF_A8R8G8B8));
  ASSERT_NE(movie.get(), nullptr);
  BrelIDirectShowMovieImpl* m = movie.get();
  std::vector<std::uint8_t> picture(std::size_t{m->width()} * m->height() * 4);
  std::set<int> shown;
  const auto copy = [&] {
    {
      BrelDirectShowMovieLock lock(m);
      std::memcpy(picture.data(), lock.pBuffer(), picture.size());
    }
    shown.insert(ShownNumber(picture, m->width()));
  };
  // The game's loop; after the end one more copy, so that a picture written
  // between a copy and its resetUpdateFlag is seen too.
  ASSERT_TRUE(PollUntil([m] { return m->reachedEndOfMovie(); }, 30.0, [&] {
    m->checkMovieStatus();
    if (m->hadAnUpdate()) {
      copy();
      m->resetUpdateFlag();
    }
  }));
  copy();

  common::ComPtr<IMovieStatistics> statistics;
  ASSERT_EQ(static_cast<IBaseFilter*>(m)->QueryInterface(IID_IMovieStatistics,
                                                         statistics.PutVoid()),
            S_OK);
  MovieStatistics s = {};
  ASSERT_EQ(statistics->GetMovieStatistics(&s), S_OK);
  SCOPED_TRACE(testing::Message() << "received " << s.received << ", missing " << s.missing
                                  << ", drawn " << s.drawn << ", dropped " << s.droppedLate
                                  << ", kept for the first " << s.keptForFirst
                                  << ", replaced unseen " << s.replacedUnseen
                                  << ", first holds run out " << s.firstHoldsRunOut);
  // Every picture of the file came or is missing; every one that came was
  // drawn or dropped (none is left at the end, none was flushed); every one
  // drawn was written or kept out for the first; every one written was seen
  // by the game or replaced before it looked.
  EXPECT_EQ(s.received + s.missing, kFrames);
  EXPECT_EQ(s.discarded, 0);
  EXPECT_EQ(s.drawn + s.droppedLate, s.received);
  EXPECT_EQ(s.written + s.keptForFirst, static_cast<std::uint64_t>(s.drawn));
  EXPECT_EQ(s.seen + s.replacedUnseen, s.written);
  EXPECT_EQ(s.seen, shown.size());
  EXPECT_GE(s.firstLateness, 0);
  // The first picture is kept for the game for 100 ms. A game (this loop on
  // a loaded machine) that does not look within them may miss it, and then
  // only so: no first picture is lost in any other way.
  if (shown.count(0) == 0) {
    EXPECT_EQ(s.firstHoldsRunOut, 1u) << "the first picture never reached the game";
  } else {
    EXPECT_EQ(s.firstHoldsRunOut, 0u);
  }
}

}  // namespace
}  // namespace librarytest
