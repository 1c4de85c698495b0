#include "MovieReader.h"

#include <cstring>
#include <new>
#include <utility>

#include "LittleEndian.h"
#include "RunLength.h"

namespace tamsk {

ReadResult CheckHeader(const MovieHeader& header) {
  if (header.width == 0 || header.height == 0 || header.width > kMaxDimension ||
      header.height > kMaxDimension || PixelCount(header) > kMaxPixels) {
    return ReadResult::BadHeader;
  }
  if (header.rateNumerator == 0 || header.rateDenominator == 0 || header.rateNumerator > kMaxRateTerm ||
      header.rateDenominator > kMaxRateTerm) {
    return ReadResult::BadHeader;
  }
  if (header.frameCount == 0 || header.frameCount > kMaxFrameCount) return ReadResult::BadHeader;
  const SoundFormat& sound = header.sound;
  if (!sound.Present()) {
    return (sound.channels == 0 && sound.bitsPerSample == 0) ? ReadResult::Ok : ReadResult::BadHeader;
  }
  if (sound.samplesPerSecond < kMinSampleRate || sound.samplesPerSecond > kMaxSampleRate ||
      sound.channels == 0 || sound.channels > kMaxChannels ||
      (sound.bitsPerSample != 8 && sound.bitsPerSample != 16)) {
    return ReadResult::BadHeader;
  }
  return ReadResult::Ok;
}

namespace {

// A cursor over the block that never moves past its end.
class ByteCursor {
 public:
  ByteCursor(const std::uint8_t* data, std::uint64_t size) : data_(data), size_(size) {}
  std::uint64_t Position() const { return at_; }
  std::uint64_t Remaining() const { return size_ - at_; }
  bool Skip(std::uint64_t bytes) {
    if (bytes > Remaining()) return false;
    at_ += bytes;
    return true;
  }
  // The current address; only for reading bytes already checked with Remaining.
  const std::uint8_t* Here() const { return data_ + at_; }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
  std::uint64_t at_ = 0;
};

ReadResult ReadHeader(ByteCursor& cursor, MovieHeader& header) {
  if (cursor.Remaining() < 8 || std::memcmp(cursor.Here(), kMagic, sizeof kMagic) != 0) {
    return ReadResult::BadMagic;
  }
  const std::uint8_t* p = cursor.Here();
  if (LoadU16(p + 4) != kFormatVersion) return ReadResult::UnsupportedVersion;
  const std::uint32_t headerBytes = LoadU16(p + 6);
  if (headerBytes < kHeaderBytes || headerBytes > kMaxHeaderBytes) return ReadResult::BadHeader;
  if (cursor.Remaining() < headerBytes) return ReadResult::Truncated;
  header.width = LoadU32(p + 8);
  header.height = LoadU32(p + 12);
  header.rateNumerator = LoadU32(p + 16);
  header.rateDenominator = LoadU32(p + 20);
  header.frameCount = LoadU32(p + 24);
  header.sound.samplesPerSecond = LoadU32(p + 28);
  header.sound.channels = LoadU16(p + 32);
  header.sound.bitsPerSample = LoadU16(p + 34);
  const std::uint32_t flags = LoadU32(p + 36);
  if (flags != 0) return ReadResult::BadHeader;  // no flags are defined in version 1
  cursor.Skip(headerBytes);
  return CheckHeader(header);
}

ReadResult ReadFrame(ByteCursor& cursor, const MovieHeader& header, std::uint32_t number, FrameEntry& frame) {
  if (cursor.Remaining() < kFrameRecordBytes) return ReadResult::Truncated;
  const std::uint8_t* p = cursor.Here();
  if (LoadU32(p) != number) return ReadResult::BadFrame;
  if (p[4] > static_cast<std::uint8_t>(PictureCoding::RunLength) || p[5] != 0 || p[6] != 0 || p[7] != 0) {
    return ReadResult::BadFrame;
  }
  frame.coding = static_cast<PictureCoding>(p[4]);
  frame.pictureBytes = LoadU32(p + 8);
  frame.soundBytes = LoadU32(p + 12);
  cursor.Skip(kFrameRecordBytes);

  if (frame.coding == PictureCoding::Raw && frame.pictureBytes != RawPictureBytes(header)) {
    return ReadResult::BadFrame;
  }
  frame.pictureOffset = cursor.Position();
  if (!cursor.Skip(frame.pictureBytes)) return ReadResult::Truncated;
  if (frame.coding == PictureCoding::RunLength &&
      !CheckRunLength(cursor.Here() - frame.pictureBytes, frame.pictureBytes, PixelCount(header))) {
    return ReadResult::BadFrame;
  }

  if (!header.sound.Present()) {
    if (frame.soundBytes != 0) return ReadResult::BadFrame;
  } else if (frame.soundBytes > kMaxSoundBytesPerFrame || frame.soundBytes % header.sound.BlockAlign() != 0) {
    return ReadResult::BadFrame;
  }
  frame.soundOffset = cursor.Position();
  if (!cursor.Skip(frame.soundBytes)) return ReadResult::Truncated;
  return ReadResult::Ok;
}

}  // namespace

ReadResult ReadMovie(const std::uint8_t* data, std::size_t size, MovieIndex& index) {
  index = MovieIndex{};
  if (data == nullptr) return ReadResult::BadMagic;
  if (std::uint64_t{size} > kMaxMovieBytes) return ReadResult::TooLarge;
  ByteCursor cursor(data, size);
  MovieIndex result;
  ReadResult status = ReadHeader(cursor, result.header);
  if (status != ReadResult::Ok) return status;
  // Each frame takes at least its fixed record, which bounds the table's size
  // by the block's size before anything is allocated.
  if (std::uint64_t{result.header.frameCount} * kFrameRecordBytes > cursor.Remaining()) {
    return ReadResult::Truncated;
  }
  try {
    result.frames.resize(result.header.frameCount);
  } catch (const std::bad_alloc&) {
    return ReadResult::OutOfMemory;
  }
  for (std::uint32_t i = 0; i < result.header.frameCount; ++i) {
    status = ReadFrame(cursor, result.header, i, result.frames[i]);
    if (status != ReadResult::Ok) return status;
  }
  if (cursor.Remaining() != 0) return ReadResult::TrailingBytes;
  index = std::move(result);
  return ReadResult::Ok;
}

}  // namespace tamsk
