#pragma once
// What the game keeps while it plays a movie: the frame clock, the skip key,
// the counts it reports, and the copying of a frame's sound into the two
// parts of a locked sound ring.
#include <cstdint>
#include <string>
#include <vector>

namespace thornvale {

// Due times of frames at a rate of numerator / denominator frames a second,
// counted in milliseconds from the start of the movie.
class FrameClock {
 public:
  // A rate of 0 (or a zero denominator) is taken as 30 frames a second.
  FrameClock(std::uint32_t numerator, std::uint32_t denominator);
  // When frame `index` is due.
  std::uint64_t DueMs(std::uint64_t index) const;
  // How long to wait at `elapsedMs` before frame `index` is due (0 when late).
  std::uint32_t WaitMs(std::uint64_t elapsedMs, std::uint64_t index) const;

 private:
  std::uint64_t numerator_;
  std::uint64_t denominator_;
};

// Turns the state of the skip key, sampled as often as messages arrive, into
// one skip per press. A key already down when the movie starts (still held
// from skipping the one before) counts only after it has been let go.
class SkipKey {
 public:
  // Reports the key's state; true when this sample completes a new press.
  bool Sample(bool down);
  bool Pressed() const { return pressed_; }

 private:
  bool seenUp_ = false;
  bool pressed_ = false;
};

// The counts of one movie, as the statistics file reports them.
struct MovieReport {
  std::string name;               // "intro", "story"
  std::uint32_t fileFrames = 0;   // frames the file holds; 0 when it does not tell
  std::uint32_t framesSeen = 0;   // pictures the game copied to the screen
  std::uint32_t gameFrames = 0;   // turns of the game's loop
  std::uint64_t elapsedMs = 0;    // from the first turn to the end
  bool endSeen = false;           // the movie reported its end
  bool skipped = false;           // the player pressed the skip key
  std::uint64_t soundBytes = 0;   // sound streamed to the tracks

  double MsPerGameFrame() const;
};

// The statistics file: one line per movie, then the screen, then the exit
// status, each "key=value" separated by blanks, for example
//   intro file_frames=100 frames_seen=99 game_frames=250 ms_per_game_frame=16.4 end_seen=yes skipped=no sound_bytes=0
//   screen width=800 height=600 layout=rgb32 full_screen=no
//   exit 0
std::string FormatReport(const std::vector<MovieReport>& movies, const std::string& screenLine, int exitCode);

// Frames in a movie of `seconds` at `fps` frames a second, rounded.
std::uint32_t FramesInMovie(double seconds, double fps);

// Copies `bytes` of sound into the two parts a ring lock gave (the second
// may be empty); never writes past either part. Returns the bytes copied.
std::uint32_t CopyIntoRing(const void* sound, std::uint32_t bytes, void* first, unsigned long firstBytes,
                           void* second, unsigned long secondBytes);

}  // namespace thornvale
