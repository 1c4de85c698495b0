// Threads against one movie through the DLL: a host thread copying every
// picture under the lock while another pauses and resumes the movie over and
// over; and deletion at many moments of playback. Each case runs under a
// watchdog, so a deadlock fails it instead of hanging the run.
#include <atomic>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "LibraryStressSupport.h"
#include "LibraryTestSupport.h"

namespace librarytest {
namespace {

using LibraryThreadTest = LibraryTest;

// What the copying thread saw.
struct CopyRecord {
  int copies = 0;
  int notAFrame = 0;    // the top-left pixel matched no frame: not upright or garbage
  int torn = 0;         // pixels of two pictures in one copy
  int backwards = 0;    // a copy of an earlier frame than the one before
  int lastFrame = -1;
};

// A host thread that copies each new picture out of the movie under the
// buffer lock, then clears the flag, as a game does once per frame.
class Copier {
 public:
  Copier(BrelIDirectShowMovieImpl* movie, const DibMovie& dib, unsigned step)
      : movie_(movie), dib_(dib), step_(step) {
    thread_ = CreateThread(nullptr, 0, &Copier::Run, this, 0, nullptr);
  }
  ~Copier() { Stop(); }
  Copier(const Copier&) = delete;
  Copier& operator=(const Copier&) = delete;

  // Ends the thread; the record is complete afterwards.
  void Stop() {
    stop_ = true;
    if (thread_ != nullptr) {
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
      thread_ = nullptr;
    }
  }
  bool started() const { return thread_ != nullptr; }
  const CopyRecord& record() const { return record_; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<Copier*>(self)->Loop();
    return 0;
  }

  void Loop() {
    const MoviePixelFormat format = movie_->format();
    const std::size_t bytes = static_cast<std::size_t>(movie_->width()) * movie_->height() *
                              (format == MPF_A8R8G8B8 ? 4 : 2);
    std::vector<std::uint8_t> copy(bytes);
    while (!stop_) {
      if (!movie_->hadAnUpdate()) {
        Sleep(1);
        continue;
      }
      {
        BrelDirectShowMovieLock lock(movie_);
        std::memcpy(copy.data(), lock.pBuffer(), bytes);
      }
      movie_->resetUpdateFlag();
      ++record_.copies;
      const int frame = DibFrameShown(dib_, copy.data(), format);
      if (frame < 0) {
        ++record_.notAFrame;
        continue;
      }
      if (CountWrongDibPixels(dib_, copy.data(), format, frame, step_, false) != 0) ++record_.torn;
      if (frame < record_.lastFrame) ++record_.backwards;
      record_.lastFrame = frame;
    }
  }

  BrelIDirectShowMovieImpl* const movie_;
  const DibMovie dib_;
  const unsigned step_;
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
  CopyRecord record_;
};

// A small deterministic sequence of waits.
class Waits {
 public:
  DWORD Next(DWORD limit) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 16) % limit;
  }

 private:
  std::uint32_t state_ = 20261208u;
};

void CopyWhilePausing(const DibMovie& dib, MoviePixelFormat format, unsigned step) {
  SCOPED_TRACE(testing::Message() << dib.name << ", format " << format);
  MovieOwner owner(BrelDirectShowInterface::createDirectShowMovie(MoviePath(dib.name).c_str(),
                                                                  format));
  ASSERT_NE(owner.get(), nullptr);
  BrelIDirectShowMovieImpl* movie = owner.get();
  Copier copier(movie, dib, step);
  ASSERT_TRUE(copier.started());

  // Pause and resume at uneven moments until the movie ends (it does end:
  // every resume lets it go on where it stood).
  Waits waits;
  int toggles = 0;
  for (; toggles < 400 && !movie->reachedEndOfMovie(); ++toggles) {
    movie->pause(true);
    Sleep(waits.Next(12));
    if (toggles % 8 == 0) movie->isPaused();
    movie->pause(false);
    Sleep(waits.Next(20));
    movie->checkMovieStatus();
  }
  movie->pause(false);
  EXPECT_TRUE(WaitForEnd(movie, 30.0)) << "after " << toggles << " pauses";
  // Let the copier take the last picture, then stop it before the movie goes.
  PollUntil([movie] { return !movie->hadAnUpdate(); }, 2.0);
  copier.Stop();

  const CopyRecord& seen = copier.record();
  std::printf("%s: %d pauses, %d copies, last frame %d\n", dib.name, toggles, seen.copies,
              seen.lastFrame);
  EXPECT_GT(toggles, 0);
  EXPECT_GE(seen.copies, 2);
  EXPECT_EQ(seen.notAFrame, 0);
  EXPECT_EQ(seen.torn, 0) << "a copy held parts of two pictures";
  EXPECT_EQ(seen.backwards, 0) << "resuming went back in the movie";
  EXPECT_GE(seen.lastFrame, dib.frames - 2);
}

TEST_F(LibraryThreadTest, CopyingThreadSeesWholePicturesWhilePausingIsHammered) {
  Watchdog dog("copying against pausing", 120);
  CopyWhilePausing(kDibQuarterVga, MPF_A8R8G8B8, 1);
  // Big pictures take long to convert: the lock is held longer.
  CopyWhilePausing(kDibFullHd, MPF_R5G6B5, 5);
}

// True when the file can be opened with no sharing at all: nothing else
// (a graph's source filter, say) holds it open.
bool NobodyHolds(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

enum class Moment {
  AtOnce,         // right after creation
  AfterMs,        // after `ms` milliseconds of playback
  FirstPicture,   // as soon as the first picture is there
  WhilePausing,   // right after pause(true), before the graph has settled
  WhileResuming,  // paused and settled, right after pause(false)
  AfterEnd,       // after the end was seen
};

struct Deletion {
  const char* file;
  MoviePixelFormat format;
  Moment moment;
  DWORD ms;
};

TEST_F(LibraryThreadTest, DeletionAtManyMomentsOfPlaybackLetsGoOfEverything) {
  Watchdog dog("deletion at many moments", 150);
  const Deletion deletions[] = {
      {"rgb24.avi", MPF_A8R8G8B8, Moment::AtOnce, 0},
      {"rgb24.avi", MPF_R5G6B5, Moment::AfterMs, 15},
      {"dib320x240.avi", MPF_A8R8G8B8, Moment::AfterMs, 120},
      {"dib320x240.avi", MPF_R5G6B5, Moment::FirstPicture, 0},
      {"dib320x240.avi", MPF_A8R8G8B8, Moment::WhilePausing, 0},
      {"dib320x240.avi", MPF_R5G6B5, Moment::WhileResuming, 0},
      {"dib1920x1080.avi", MPF_A8R8G8B8, Moment::AtOnce, 0},
      {"dib1920x1080.avi", MPF_R5G6B5, Moment::FirstPicture, 0},
      {"dib1920x1080.avi", MPF_A8R8G8B8, Moment::AfterMs, 500},
      {"i420.avi", MPF_R5G6B5, Moment::AfterEnd, 0},
  };
  for (const Deletion& d : deletions) {
    SCOPED_TRACE(testing::Message() << d.file << ", moment " << static_cast<int>(d.moment)
                                    << ", " << d.ms << " ms");
    const std::string name = MoviePath(d.file);
    const std::string what = std::string(d.file) + ", moment " +
                             std::to_string(static_cast<int>(d.moment));
    dog.Step("creating " + what);
    BrelIDirectShowMovieImpl* movie =
        BrelDirectShowInterface::createDirectShowMovie(name.c_str(), d.format);
    ASSERT_NE(movie, nullptr);
    switch (d.moment) {
      case Moment::AtOnce:
        break;
      case Moment::AfterMs:
        Sleep(d.ms);
        movie->checkMovieStatus();
        break;
      case Moment::FirstPicture:
        EXPECT_TRUE(WaitForPicture(movie));
        break;
      case Moment::WhilePausing:
        EXPECT_TRUE(WaitForPicture(movie));
        movie->pause(true);
        break;
      case Moment::WhileResuming:
        movie->pause(true);
        EXPECT_TRUE(PollUntil([movie] { return movie->isPaused(); }, 5.0));
        movie->pause(false);
        break;
      case Moment::AfterEnd:
        EXPECT_TRUE(WaitForEnd(movie, 30.0));
        break;
    }
    dog.Step("deleting " + what);
    BrelDirectShowInterface::deleteDirectShowMovie(movie);
    EXPECT_EQ(movie, nullptr);
    // The graph and its source filter are gone with the movie.
    EXPECT_TRUE(NobodyHolds(name));
  }
}

}  // namespace
}  // namespace librarytest
