#include "MovieLoop.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace thornvale {

FrameClock::FrameClock(std::uint32_t numerator, std::uint32_t denominator)
    : numerator_(numerator), denominator_(denominator) {
  if (numerator_ == 0 || denominator_ == 0) {
    numerator_ = 30;
    denominator_ = 1;
  }
}

std::uint64_t FrameClock::DueMs(std::uint64_t index) const { return index * 1000 * denominator_ / numerator_; }

std::uint32_t FrameClock::WaitMs(std::uint64_t elapsedMs, std::uint64_t index) const {
  const std::uint64_t due = DueMs(index);
  return due > elapsedMs ? static_cast<std::uint32_t>(due - elapsedMs) : 0;
}

bool SkipKey::Sample(bool down) {
  if (!down) {
    seenUp_ = true;
    return false;
  }
  if (!seenUp_ || pressed_) return false;
  pressed_ = true;
  return true;
}

double MovieReport::MsPerGameFrame() const {
  return gameFrames == 0 ? 0.0 : static_cast<double>(elapsedMs) / gameFrames;
}

std::string FormatReport(const std::vector<MovieReport>& movies, const std::string& screenLine, int exitCode) {
  std::string text;
  char line[320];
  for (const MovieReport& m : movies) {
    std::snprintf(line, sizeof line,
                  "%s file_frames=%u frames_seen=%u game_frames=%u ms_per_game_frame=%.1f end_seen=%s "
                  "skipped=%s sound_bytes=%llu\n",
                  m.name.c_str(), m.fileFrames, m.framesSeen, m.gameFrames, m.MsPerGameFrame(),
                  m.endSeen ? "yes" : "no", m.skipped ? "yes" : "no", static_cast<unsigned long long>(m.soundBytes));
    text += line;
  }
  if (!screenLine.empty()) text += screenLine + "\n";
  std::snprintf(line, sizeof line, "exit %d\n", exitCode);
  return text + line;
}

std::uint32_t FramesInMovie(double seconds, double fps) {
  if (!(seconds > 0) || !(fps > 0)) return 0;
  const double frames = std::floor(seconds * fps + 0.5);
  return frames >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(frames);
}

std::uint32_t CopyIntoRing(const void* sound, std::uint32_t bytes, void* first, unsigned long firstBytes,
                           void* second, unsigned long secondBytes) {
  const auto* in = static_cast<const unsigned char*>(sound);
  const std::uint32_t toFirst = first == nullptr ? 0 : static_cast<std::uint32_t>(std::min<unsigned long>(bytes, firstBytes));
  if (toFirst > 0) std::memcpy(first, in, toFirst);
  const std::uint32_t rest = bytes - toFirst;
  const std::uint32_t toSecond =
      second == nullptr ? 0 : static_cast<std::uint32_t>(std::min<unsigned long>(rest, secondBytes));
  if (toSecond > 0) std::memcpy(second, in + toFirst, toSecond);
  return toFirst + toSecond;
}

}  // namespace thornvale
