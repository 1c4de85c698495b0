#include "LibraryTestSupport.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace librarytest {

Watchdog::Watchdog(const char* what, DWORD seconds)
    : what_(what), stepTicks_(static_cast<LONG>(GetTickCount())), milliseconds_(seconds * 1000) {
  InitializeCriticalSection(&lock_);
  done_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  thread_.Reset(CreateThread(nullptr, 0, &Watchdog::Watch, this, 0, nullptr));
}

Watchdog::~Watchdog() {
  SetEvent(done_.Get());
  if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
  thread_.Reset();
  done_.Reset();
  DeleteCriticalSection(&lock_);
}

void Watchdog::Step(const std::string& step) {
  EnterCriticalSection(&lock_);
  step_ = step;
  LeaveCriticalSection(&lock_);
  InterlockedExchange(&stepTicks_, static_cast<LONG>(GetTickCount()));
}

DWORD WINAPI Watchdog::Watch(void* self) {
  auto* dog = static_cast<Watchdog*>(self);
  for (;;) {
    if (WaitForSingleObject(dog->done_.Get(), 1000) == WAIT_OBJECT_0) return 0;
    const DWORD since = GetTickCount() - static_cast<DWORD>(InterlockedCompareExchange(
                                             &dog->stepTicks_, 0, 0));
    if (since >= dog->milliseconds_) break;
  }
  // The lock is tried, not waited for: its holder may be the hung thread.
  std::fprintf(stderr, "watchdog: %s made no progress for %lu s: hung at \"%s\"\n",
               dog->what_.c_str(), static_cast<unsigned long>(dog->milliseconds_ / 1000),
               TryEnterCriticalSection(&dog->lock_) ? dog->step_.c_str() : "(step being noted)");
  std::fflush(stderr);
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 3);
  return 1;
}

std::string MoviePath(const char* name) {
  const char* dir = std::getenv("TEST_MOVIE_DIR");
  if (dir == nullptr || *dir == '\0') return std::string();
  // Unix paths are reached through Wine's Z: drive.
  std::string path = dir[0] == '/' ? "Z:" : "";
  for (const char* p = dir; *p != '\0'; ++p) path += (*p == '/') ? '\\' : *p;
  return path + "\\" + name;
}

bool PollUntil(const std::function<bool()>& done, double seconds,
               const std::function<void()>& step) {
  const DWORD start = GetTickCount();
  const DWORD limit = static_cast<DWORD>(seconds * 1000.0);
  for (;;) {
    if (step) step();
    if (done()) return true;
    if (GetTickCount() - start > limit) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
}

bool WaitForPicture(BrelIDirectShowMovieImpl* movie, double seconds) {
  return PollUntil([movie] { return movie->hadAnUpdate(); }, seconds,
                   [movie] { movie->checkMovieStatus(); });
}

bool WaitForEnd(BrelIDirectShowMovieImpl* movie, double seconds) {
  return PollUntil([movie] { return movie->reachedEndOfMovie(); }, seconds,
                   [movie] { movie->checkMovieStatus(); });
}

Rgb PixelAt(const void* buffer, MoviePixelFormat format, unsigned width, unsigned x, unsigned y) {
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  if (format == MPF_A8R8G8B8) {
    const std::uint8_t* p = bytes + (static_cast<std::size_t>(y) * width + x) * 4;
    return Rgb{p[2], p[1], p[0]};
  }
  const std::uint8_t* p = bytes + (static_cast<std::size_t>(y) * width + x) * 2;
  const unsigned word = p[0] | (p[1] << 8);
  return Rgb{static_cast<int>((word >> 11) << 3), static_cast<int>(((word >> 5) & 0x3F) << 2),
             static_cast<int>((word & 0x1F) << 3)};
}

Rgb DibPixel(const DibMovie& movie, unsigned x, unsigned y, int frame) {
  const int red = movie.width > 1 ? static_cast<int>(x * 251 / (movie.width - 1)) & 0xF8 : 0;
  const int green = movie.height > 1 ? static_cast<int>(y * 251 / (movie.height - 1)) & 0xFC : 0;
  const int blue = ((frame * 40 + 64) % 256) & 0xF8;
  return Rgb{red, green, blue};
}

bool SameColour(const Rgb& a, const Rgb& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

int DibFrameShown(const DibMovie& movie, const void* buffer, MoviePixelFormat format) {
  const Rgb corner = PixelAt(buffer, format, movie.width, 0, 0);
  for (int f = 0; f < movie.frames; ++f) {
    if (SameColour(corner, DibPixel(movie, 0, 0, f))) return f;
  }
  return -1;
}

int CountWrongDibPixels(const DibMovie& movie, const void* buffer, MoviePixelFormat format,
                        int frame, unsigned step, bool report) {
  std::vector<unsigned> xs;
  std::vector<unsigned> ys;
  for (unsigned x = 0; x < movie.width; x += step) xs.push_back(x);
  if (xs.back() != movie.width - 1) xs.push_back(movie.width - 1);
  for (unsigned y = 0; y < movie.height; y += step) ys.push_back(y);
  if (ys.back() != movie.height - 1) ys.push_back(movie.height - 1);
  int wrong = 0;
  for (unsigned y : ys) {
    for (unsigned x : xs) {
      const Rgb seen = PixelAt(buffer, format, movie.width, x, y);
      const Rgb want = DibPixel(movie, x, y, frame);
      // The 32-bit layout's fourth byte is an opaque alpha.
      const std::size_t pixel = static_cast<std::size_t>(y) * movie.width + x;
      const bool opaque = format != MPF_A8R8G8B8 ||
                          static_cast<const std::uint8_t*>(buffer)[pixel * 4 + 3] == 0xFF;
      if (SameColour(seen, want) && opaque) continue;
      if (++wrong <= 5 && report) {
        ADD_FAILURE() << movie.name << " pixel (" << x << ", " << y << ") is " << seen.red << ","
                      << seen.green << "," << seen.blue << ", not " << want.red << ","
                      << want.green << "," << want.blue;
      }
    }
  }
  return wrong;
}

}  // namespace librarytest
