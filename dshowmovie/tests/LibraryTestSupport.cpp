#include "LibraryTestSupport.h"

#include <cstdlib>

namespace librarytest {

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

}  // namespace librarytest
