// The reader refuses every kind of damage and accepts exactly the well-formed movies.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "LittleEndian.h"
#include "MovieGenerator.h"
#include "MovieReader.h"

using tamsk::ReadResult;

namespace {

// Header offsets of version 1.
constexpr std::size_t kVersionAt = 4, kHeaderBytesAt = 6, kWidthAt = 8, kHeightAt = 12, kRateNumAt = 16,
                      kRateDenAt = 20, kFramesAt = 24, kSoundRateAt = 28, kChannelsAt = 32, kBitsAt = 34,
                      kFlagsAt = 36;
// Offsets within the first frame record.
constexpr std::size_t kFrame0 = tamsk::kHeaderBytes;
constexpr std::size_t kCodingAt = kFrame0 + 4, kPictureBytesAt = kFrame0 + 8, kSoundBytesAt = kFrame0 + 12,
                      kPictureAt = kFrame0 + 16;

tamsk::GeneratorOptions SmallMovie(tamsk::Compression compression) {
  tamsk::GeneratorOptions options;
  options.width = 8;
  options.height = 4;
  options.frameCount = 3;
  options.rateNumerator = 10;
  options.samplesPerSecond = 8000;  // 800 samples a frame
  options.compression = compression;
  return options;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
void PutU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

ReadResult Read(const std::vector<std::uint8_t>& bytes) {
  tamsk::MovieIndex index;
  const ReadResult result = tamsk::ReadMovie(bytes.data(), bytes.size(), index);
  if (result != ReadResult::Ok) {
    EXPECT_TRUE(index.frames.empty());
  }
  return result;
}

class ReaderTest : public ::testing::Test {
 protected:
  std::vector<std::uint8_t> raw_ = tamsk::GenerateMovieBytes(SmallMovie(tamsk::Compression::Raw));
  std::vector<std::uint8_t> packed_ = tamsk::GenerateMovieBytes(SmallMovie(tamsk::Compression::RunLength));
};

TEST_F(ReaderTest, IndexesAWellFormedMovie) {
  tamsk::MovieIndex index;
  ASSERT_EQ(tamsk::ReadMovie(raw_.data(), raw_.size(), index), ReadResult::Ok);
  EXPECT_EQ(index.header.width, 8u);
  EXPECT_EQ(index.header.height, 4u);
  EXPECT_EQ(index.header.rateNumerator, 10u);
  EXPECT_EQ(index.header.rateDenominator, 1u);
  EXPECT_EQ(index.header.sound.samplesPerSecond, 8000u);
  ASSERT_EQ(index.frames.size(), 3u);
  EXPECT_EQ(index.frames[0].pictureOffset, kPictureAt);
  EXPECT_EQ(index.frames[0].pictureBytes, 8u * 4u * 3u);
  EXPECT_EQ(index.frames[0].soundBytes, 1600u);
  EXPECT_EQ(index.frames[2].soundOffset + index.frames[2].soundBytes, raw_.size());
  EXPECT_EQ(Read(packed_), ReadResult::Ok);
}

TEST_F(ReaderTest, RefusesForeignAndNewerFiles) {
  EXPECT_EQ(Read({}), ReadResult::BadMagic);
  auto bytes = raw_;
  bytes[0] = 'X';
  EXPECT_EQ(Read(bytes), ReadResult::BadMagic);
  bytes = raw_;
  PutU16(bytes, kVersionAt, 2);
  EXPECT_EQ(Read(bytes), ReadResult::UnsupportedVersion);
  PutU16(bytes, kVersionAt, 0);
  EXPECT_EQ(Read(bytes), ReadResult::UnsupportedVersion);
  tamsk::MovieIndex index;
  EXPECT_EQ(tamsk::ReadMovie(nullptr, 0, index), ReadResult::BadMagic);
}

TEST_F(ReaderTest, RefusesHeaderFieldsOutsideTheirLimits) {
  struct Case {
    std::size_t at;
    std::uint32_t value;
    bool wide;
  };
  const Case cases[] = {
      {kHeaderBytesAt, 39, false}, {kHeaderBytesAt, 5000, false}, {kWidthAt, 0, true},
      {kHeightAt, 0, true},        {kWidthAt, 8193, true},        {kRateNumAt, 0, true},
      {kRateDenAt, 0, true},       {kRateNumAt, 1000001, true},   {kFramesAt, 0, true},
      {kFlagsAt, 1, true},         {kSoundRateAt, 999, true},     {kSoundRateAt, 192001, true},
      {kChannelsAt, 0, false},     {kChannelsAt, 9, false},       {kBitsAt, 12, false},
      {kBitsAt, 0, false},
  };
  for (const Case& c : cases) {
    auto bytes = raw_;
    if (c.wide) {
      PutU32(bytes, c.at, c.value);
    } else {
      PutU16(bytes, c.at, static_cast<std::uint16_t>(c.value));
    }
    EXPECT_EQ(Read(bytes), ReadResult::BadHeader) << "offset " << c.at << " value " << c.value;
  }
  // Each side within its limit, but too many pixels together.
  auto bytes = raw_;
  PutU32(bytes, kWidthAt, 8192);
  PutU32(bytes, kHeightAt, 8192);
  EXPECT_EQ(Read(bytes), ReadResult::BadHeader);
  // No sound rate but a channel count: the sound fields disagree.
  auto silent = tamsk::GenerateMovieBytes([] {
    auto options = SmallMovie(tamsk::Compression::Raw);
    options.sound = false;
    return options;
  }());
  ASSERT_EQ(Read(silent), ReadResult::Ok);
  PutU16(silent, kChannelsAt, 1);
  EXPECT_EQ(Read(silent), ReadResult::BadHeader);
}

TEST_F(ReaderTest, SkipsHeaderBytesAddedAfterTheKnownFields) {
  auto bytes = raw_;
  bytes.insert(bytes.begin() + tamsk::kHeaderBytes, 8, 0xEE);
  PutU16(bytes, kHeaderBytesAt, tamsk::kHeaderBytes + 8);
  tamsk::MovieIndex index;
  ASSERT_EQ(tamsk::ReadMovie(bytes.data(), bytes.size(), index), ReadResult::Ok);
  EXPECT_EQ(index.frames[0].pictureOffset, kPictureAt + 8);
}

TEST_F(ReaderTest, RefusesEveryTruncationAndTrailingBytes) {
  for (const auto* movie : {&raw_, &packed_}) {
    for (std::size_t size = 0; size < movie->size(); ++size) {
      // An exact-size copy, so that reading past the end is caught by the sanitizers.
      const std::vector<std::uint8_t> prefix(movie->begin(), movie->begin() + size);
      EXPECT_NE(Read(prefix), ReadResult::Ok) << "size " << size;
    }
    auto longer = *movie;
    longer.push_back(0);
    EXPECT_EQ(Read(longer), ReadResult::TrailingBytes);
  }
}

TEST_F(ReaderTest, RefusesCountsAndSizesThatDisagree) {
  auto bytes = raw_;
  PutU32(bytes, kFramesAt, 4);  // one frame more than the file holds
  EXPECT_EQ(Read(bytes), ReadResult::Truncated);
  bytes = raw_;
  PutU32(bytes, kFramesAt, 2);  // the third frame is left over
  EXPECT_EQ(Read(bytes), ReadResult::TrailingBytes);
  bytes = raw_;
  PutU32(bytes, kFramesAt, 10000000);  // a huge table is refused before it is made
  EXPECT_EQ(Read(bytes), ReadResult::Truncated);
  bytes = raw_;
  PutU32(bytes, kFrame0, 1);  // frames numbered out of order
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  bytes[kCodingAt] = 2;  // unknown picture coding
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  bytes[kCodingAt + 1] = 1;  // reserved byte
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  PutU32(bytes, kPictureBytesAt, 8 * 4 * 3 - 1);  // raw picture one byte short
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  PutU32(bytes, kSoundBytesAt, 1599);  // half a sample
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  PutU32(bytes, kSoundBytesAt, 0xFFFFFFFEu);  // beyond the per-frame limit
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
  bytes = raw_;
  PutU32(bytes, kSoundBytesAt, 16u * 1024u * 1024u);  // within the limit, past the end
  EXPECT_EQ(Read(bytes), ReadResult::Truncated);
  bytes = packed_;
  PutU32(bytes, kPictureBytesAt, 0xFFFFFFFFu);  // length past the end, in 64-bit arithmetic
  EXPECT_EQ(Read(bytes), ReadResult::Truncated);
}

TEST_F(ReaderTest, RefusesSoundInAMovieWithoutSound) {
  auto options = SmallMovie(tamsk::Compression::Raw);
  options.sound = false;
  auto bytes = tamsk::GenerateMovieBytes(options);
  ASSERT_EQ(Read(bytes), ReadResult::Ok);
  PutU32(bytes, kSoundBytesAt, 2);
  bytes.insert(bytes.begin() + kPictureAt + 8 * 4 * 3, 2, 0);
  EXPECT_EQ(Read(bytes), ReadResult::BadFrame);
}

// A movie of one 4 x 1 frame with the given run-length packets and no sound.
std::vector<std::uint8_t> PackedMovie(const std::vector<std::uint8_t>& packets) {
  tamsk::MovieHeader header;
  header.width = 4;
  header.height = 1;
  header.rateNumerator = 1;
  header.rateDenominator = 1;
  header.frameCount = 1;
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(tamsk::AppendHeader(bytes, header));
  tamsk::AppendU32(bytes, 0);
  tamsk::AppendU32(bytes, static_cast<std::uint32_t>(tamsk::PictureCoding::RunLength));
  tamsk::AppendU32(bytes, static_cast<std::uint32_t>(packets.size()));
  tamsk::AppendU32(bytes, 0);
  bytes.insert(bytes.end(), packets.begin(), packets.end());
  return bytes;
}

TEST(ReaderRunLengthTest, RefusesPacketsThatDoNotMakeThePicture) {
  EXPECT_EQ(Read(PackedMovie({0x83, 1, 2, 3})), ReadResult::Ok);              // 4 repeats
  EXPECT_EQ(Read(PackedMovie({0x01, 1, 2, 3, 4, 5, 6, 0x81, 7, 8, 9})), ReadResult::Ok);
  EXPECT_EQ(Read(PackedMovie({0x82, 1, 2, 3})), ReadResult::BadFrame);        // 3 pixels only
  EXPECT_EQ(Read(PackedMovie({0x84, 1, 2, 3})), ReadResult::BadFrame);        // 5 pixels
  EXPECT_EQ(Read(PackedMovie({0x83, 1, 2, 3, 0x80, 1, 2, 3})), ReadResult::BadFrame);  // left over
  EXPECT_EQ(Read(PackedMovie({0x03, 1, 2, 3, 4, 5, 6})), ReadResult::BadFrame);  // literal cut short
  EXPECT_EQ(Read(PackedMovie({0x83, 1, 2})), ReadResult::BadFrame);           // repeat cut short
  EXPECT_EQ(Read(PackedMovie({})), ReadResult::BadFrame);
}

}  // namespace
