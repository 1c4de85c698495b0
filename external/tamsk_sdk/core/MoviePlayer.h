#pragma once
// One open movie and the position in it: what a decoder handle holds. The
// player owns a copy of the movie's bytes, so nothing it hands out depends on
// memory of the caller's.

#include <cstdint>
#include <vector>

#include "MovieFormat.h"
#include "PictureDecoder.h"

namespace tamsk {

class MoviePlayer {
 public:
  // Takes the bytes of a whole movie. On failure the player is closed.
  ReadResult Open(std::vector<std::uint8_t> bytes);
  void Close();
  bool IsOpen() const { return open_; }

  // The header of the open movie; all zero when closed.
  const MovieHeader& Header() const { return index_.header; }
  // Index of the frame the next DecodeNext decodes.
  std::uint32_t NextFrame() const { return next_; }
  // After the last frame, DecodeNext starts again at frame 0.
  void SetLoop(bool loop) { loop_ = loop; }

  // Decodes the next frame into target (a QOR_SURFACE_NONE target only moves
  // on) and makes it current. False, without moving, at the end (unless
  // looping), when closed, or when the target does not fit.
  bool DecodeNext(const SurfaceTarget& target);
  // The current frame's sound; false before the first DecodeNext after Open
  // or Rewind, and for a movie without sound.
  bool CurrentSound(const std::uint8_t*& data, std::uint32_t& bytes) const;
  void Rewind();

 private:
  static constexpr std::uint32_t kNoFrame = 0xFFFFFFFFu;

  std::vector<std::uint8_t> bytes_;
  MovieIndex index_;
  bool open_ = false;
  bool loop_ = false;
  std::uint32_t next_ = 0;
  std::uint32_t current_ = kNoFrame;
};

}  // namespace tamsk
