#pragma once
// The tamsk container: constants, limits and the parsed form of a movie.
// Byte layout (all integers little-endian) is documented in README.md.

#include <cstdint>
#include <vector>

namespace tamsk {

constexpr std::uint8_t kMagic[4] = {'T', 'M', 'S', 'K'};
constexpr std::uint16_t kFormatVersion = 1;
constexpr std::uint32_t kHeaderBytes = 40;       // header of version 1
constexpr std::uint32_t kMaxHeaderBytes = 4096;  // later additions a version-1 reader skips
constexpr std::uint32_t kFrameRecordBytes = 16;  // fixed part of each frame record

// Limits that keep every size well inside 32 bits and every allocation sane.
constexpr std::uint32_t kMaxDimension = 8192;
constexpr std::uint64_t kMaxPixels = 16u * 1024u * 1024u;  // width x height
constexpr std::uint32_t kMaxFrameCount = 10000000;
constexpr std::uint32_t kMaxRateTerm = 1000000;  // numerator and denominator of the frame rate
constexpr std::uint32_t kMinSampleRate = 1000;
constexpr std::uint32_t kMaxSampleRate = 192000;
constexpr std::uint16_t kMaxChannels = 8;
constexpr std::uint32_t kMaxSoundBytesPerFrame = 16u * 1024u * 1024u;
constexpr std::uint64_t kMaxMovieBytes = 512u * 1024u * 1024u;  // what a decoder loads

enum class PictureCoding : std::uint8_t {
  Raw = 0,        // width x height pixels of 3 bytes (red, green, blue), rows top-down
  RunLength = 1,  // packets over the same pixel stream, see RunLength.h
};

// PCM sound: interleaved channels, 8-bit unsigned or 16-bit signed samples.
struct SoundFormat {
  std::uint32_t samplesPerSecond = 0;  // 0: the movie has no sound
  std::uint16_t channels = 0;
  std::uint16_t bitsPerSample = 0;

  bool Present() const { return samplesPerSecond != 0; }
  std::uint32_t BlockAlign() const { return std::uint32_t{channels} * (bitsPerSample / 8u); }
};

struct MovieHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t rateNumerator = 0;  // frames per second = numerator / denominator
  std::uint32_t rateDenominator = 0;
  std::uint32_t frameCount = 0;
  SoundFormat sound;
};

// Where one frame's data lies in the movie's bytes.
struct FrameEntry {
  std::uint64_t pictureOffset = 0;
  std::uint32_t pictureBytes = 0;
  PictureCoding coding = PictureCoding::Raw;
  std::uint64_t soundOffset = 0;
  std::uint32_t soundBytes = 0;
};

struct MovieIndex {
  MovieHeader header;
  std::vector<FrameEntry> frames;  // header.frameCount entries
};

enum class ReadResult {
  Ok,
  BadMagic,            // not a tamsk movie
  UnsupportedVersion,  // a version this reader does not know
  BadHeader,           // a header field outside its limits or inconsistent
  Truncated,           // a length points past the end of the bytes
  BadFrame,            // a frame record that contradicts the header
  TrailingBytes,       // bytes after the last frame
  TooLarge,            // more bytes than a decoder accepts
  OutOfMemory,
};

// Whether the header's fields are within the limits above and agree with each
// other. The writer and the reader share this check.
ReadResult CheckHeader(const MovieHeader& header);

inline std::uint64_t PixelCount(const MovieHeader& header) {
  return std::uint64_t{header.width} * header.height;
}
inline std::uint64_t RawPictureBytes(const MovieHeader& header) { return PixelCount(header) * 3u; }

}  // namespace tamsk
