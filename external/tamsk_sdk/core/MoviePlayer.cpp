#include "MoviePlayer.h"

#include <utility>

#include "MovieReader.h"

namespace tamsk {

ReadResult MoviePlayer::Open(std::vector<std::uint8_t> bytes) {
  Close();
  MovieIndex index;
  const ReadResult result = ReadMovie(bytes.data(), bytes.size(), index);
  if (result != ReadResult::Ok) return result;
  bytes_ = std::move(bytes);
  index_ = std::move(index);
  open_ = true;
  return ReadResult::Ok;
}

void MoviePlayer::Close() {
  bytes_ = std::vector<std::uint8_t>();
  index_ = MovieIndex{};
  open_ = false;
  next_ = 0;
  current_ = kNoFrame;
}

bool MoviePlayer::DecodeNext(const SurfaceTarget& target) {
  if (!open_) return false;
  const bool drawing = target.type != QOR_SURFACE_NONE;
  if (drawing && !TargetFits(target, index_.header.width)) return false;
  std::uint32_t frame = next_;
  if (frame == index_.header.frameCount) {
    if (!loop_) return false;
    frame = 0;
  }
  if (drawing && !DecodePicture(bytes_.data(), index_.header, index_.frames[frame], target)) return false;
  current_ = frame;
  next_ = frame + 1;
  return true;
}

bool MoviePlayer::CurrentSound(const std::uint8_t*& data, std::uint32_t& bytes) const {
  data = nullptr;
  bytes = 0;
  if (!open_ || current_ == kNoFrame || !index_.header.sound.Present()) return false;
  const FrameEntry& frame = index_.frames[current_];
  data = bytes_.data() + frame.soundOffset;
  bytes = frame.soundBytes;
  return true;
}

void MoviePlayer::Rewind() {
  next_ = 0;
  current_ = kNoFrame;
}

}  // namespace tamsk
