// The information probe over a mocked media detector: order of calls, which
// stream's values win, failure results and the narrowing of odd values.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "MovieInfoProbe.h"
#include "VideoTypeBuilder.h"

namespace dshowmovie {
namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::InSequence;
using ::testing::Return;
using ::testing::SetArgPointee;
using ::testing::StrEq;
using ::testing::StrictMock;

class MockDetector : public MediaDetector {
 public:
  virtual ~MockDetector() = default;
  MOCK_METHOD(ResultCode, putFilename, (const char*), (override));
  MOCK_METHOD(ResultCode, getOutputStreams, (std::int32_t*), (override));
  MOCK_METHOD(ResultCode, putCurrentStream, (std::int32_t), (override));
  MOCK_METHOD(ResultCode, getStreamMediaType, (StreamMediaType*), (override));
  MOCK_METHOD(ResultCode, getStreamLength, (double*), (override));
  MOCK_METHOD(ResultCode, getFrameRate, (double*), (override));
  MOCK_METHOD(void, release, (), (override));
};

class OneDetector : public MediaDetectorFactory {
 public:
  explicit OneDetector(MediaDetector* detector, ResultCode result = kResultOk)
      : detector_(detector), result_(result) {}
  virtual ~OneDetector() = default;
  ResultCode createMediaDetector(MediaDetector** detector) override {
    ++created;
    if (IsSuccess(result_)) *detector = detector_;
    return result_;
  }
  int created = 0;

 private:
  MediaDetector* detector_;
  ResultCode result_;
};

StreamMediaType VideoStream(std::int32_t width, std::int32_t height) {
  VideoType video(width, height);
  StreamMediaType type;
  type.majorType = MEDIATYPE_Video;
  type.subtype = MEDIASUBTYPE_RGB24;
  type.formatType = FORMAT_VideoInfo;
  std::memcpy(type.format, video.block.data(), kVideoInfoHeaderBytes);
  type.formatBytes = kVideoInfoHeaderBytes;
  return type;
}

StreamMediaType AudioStream() {
  StreamMediaType type;
  type.majorType = MEDIATYPE_Audio;
  return type;
}

MovieInfo Garbage() {
  MovieInfo info;
  info.hasVideo = info.hasSound = true;
  info.duration = info.fps = 9.0f;
  info.width = info.height = 9;
  return info;
}

void ExpectAllZero(const MovieInfo& info) {
  EXPECT_FALSE(info.hasVideo);
  EXPECT_FALSE(info.hasSound);
  EXPECT_EQ(info.duration, 0.0f);
  EXPECT_EQ(info.fps, 0.0f);
  EXPECT_EQ(info.width, 0);
  EXPECT_EQ(info.height, 0);
}

// Expects the opening calls up to the stream count, in order.
void ExpectOpening(MockDetector& detector, std::int32_t count) {
  EXPECT_CALL(detector, putFilename(StrEq("movie.avi"))).WillOnce(Return(kResultOk));
  EXPECT_CALL(detector, getOutputStreams(_))
      .WillOnce(DoAll(SetArgPointee<0>(count), Return(kResultOk)));
}

void ExpectStream(MockDetector& detector, std::int32_t index, const StreamMediaType& type) {
  EXPECT_CALL(detector, putCurrentStream(index)).WillOnce(Return(kResultOk));
  EXPECT_CALL(detector, getStreamMediaType(_))
      .WillOnce(DoAll(SetArgPointee<0>(type), Return(kResultOk)));
}

void ExpectClosing(MockDetector& detector, double seconds, ResultCode rateResult, double rate) {
  EXPECT_CALL(detector, getStreamLength(_))
      .WillOnce(DoAll(SetArgPointee<0>(seconds), Return(kResultOk)));
  EXPECT_CALL(detector, getFrameRate(_)).WillOnce(DoAll(SetArgPointee<0>(rate), Return(rateResult)));
  EXPECT_CALL(detector, release());
}

TEST(ProbeOrder, VideoThenSoundTakesSizeFromVideoAndTimingFromTheLastStream) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  {
    InSequence order;
    ExpectOpening(detector, 2);
    ExpectStream(detector, 0, VideoStream(320, 240));
    ExpectStream(detector, 1, AudioStream());
    // The sound stream has no frame rate: the call fails and fps stays 0
    // even though the detector scribbled a value.
    ExpectClosing(detector, 12.5, kResultFail, 99.0);
  }
  MovieInfo info = Garbage();
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_TRUE(info.hasVideo);
  EXPECT_TRUE(info.hasSound);
  EXPECT_EQ(info.width, 320);
  EXPECT_EQ(info.height, 240);
  EXPECT_EQ(info.duration, 12.5f);
  EXPECT_EQ(info.fps, 0.0f);
}

TEST(ProbeOrder, SingleVideoStreamGivesItsOwnLengthAndRate) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  ExpectOpening(detector, 1);
  ExpectStream(detector, 0, VideoStream(64, -48));
  ExpectClosing(detector, 3.0, kResultOk, 29.97);
  MovieInfo info;
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_FALSE(info.hasSound);
  EXPECT_EQ(info.width, 64);
  EXPECT_EQ(info.height, -48) << "the probe keeps the header's sign";
  EXPECT_EQ(info.duration, 3.0f);
  EXPECT_EQ(info.fps, 29.97f);
}

TEST(ProbeOrder, SoundOnlyFileIsRefusedWithAFilledRecord) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  ExpectOpening(detector, 1);
  ExpectStream(detector, 0, AudioStream());
  ExpectClosing(detector, 7.0, kResultOk, 0.0);
  MovieInfo info = Garbage();
  EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_FALSE(info.hasVideo);
  EXPECT_TRUE(info.hasSound);
  EXPECT_EQ(info.duration, 7.0f);
  EXPECT_EQ(info.width, 0);
  EXPECT_EQ(info.height, 0);
}

TEST(ProbeOrder, NoStreamsScansNothingButStillAsksForTiming) {
  for (std::int32_t count : {0, -1, INT32_MIN}) {
    StrictMock<MockDetector> detector;
    OneDetector factory(&detector);
    InSequence order;
    ExpectOpening(detector, count);
    ExpectClosing(detector, 0.0, kResultFail, 0.0);
    MovieInfo info = Garbage();
    EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info)) << count;
    ExpectAllZero(info);
  }
}

TEST(ProbeVideoSize, LastVideoStreamWithAReadableHeaderWins) {
  StreamMediaType otherFormat = VideoStream(1, 1);
  otherFormat.formatType = kTestFormatVideoInfo2;
  StreamMediaType shortBlock = VideoStream(2, 2);
  shortBlock.formatBytes = kVideoInfoHeaderBytes - 1;
  StreamMediaType noBlock = VideoStream(3, 3);
  noBlock.formatBytes = 0;

  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  ExpectOpening(detector, 5);
  ExpectStream(detector, 0, VideoStream(100, 50));
  ExpectStream(detector, 1, VideoStream(200, 80));
  ExpectStream(detector, 2, otherFormat);
  ExpectStream(detector, 3, shortBlock);
  ExpectStream(detector, 4, noBlock);
  ExpectClosing(detector, 1.0, kResultOk, 25.0);
  MovieInfo info;
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_EQ(info.width, 200);
  EXPECT_EQ(info.height, 80);
}

TEST(ProbeVideoSize, VideoWithoutAUsableHeaderStillCountsAsVideo) {
  StreamMediaType noBlock = VideoStream(3, 3);
  noBlock.formatBytes = 0;
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  ExpectOpening(detector, 1);
  ExpectStream(detector, 0, noBlock);
  ExpectClosing(detector, 1.0, kResultOk, 25.0);
  MovieInfo info;
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_EQ(info.width, 0);
  EXPECT_EQ(info.height, 0);
}

TEST(ProbeFailure, NoDetectorGivesFalseAndAZeroRecord) {
  OneDetector factory(nullptr, kResultFail);
  MovieInfo info = Garbage();
  EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info));
  ExpectAllZero(info);

  OneDetector nullOnSuccess(nullptr, kResultOk);
  EXPECT_FALSE(getMovieInfo(nullOnSuccess, "movie.avi", &info));
}

TEST(ProbeFailure, UnopenableFileReleasesTheDetector) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  EXPECT_CALL(detector, putFilename(_)).WillOnce(Return(kResultOutOfMemory));
  EXPECT_CALL(detector, release());
  MovieInfo info = Garbage();
  EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info));
  ExpectAllZero(info);
}

TEST(ProbeFailure, UnreadableStreamCountReleasesTheDetector) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  EXPECT_CALL(detector, putFilename(_)).WillOnce(Return(kResultOk));
  EXPECT_CALL(detector, getOutputStreams(_))
      .WillOnce(DoAll(SetArgPointee<0>(3), Return(kResultFail)));
  EXPECT_CALL(detector, release());
  MovieInfo info = Garbage();
  EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info));
  ExpectAllZero(info);
}

TEST(ProbeFailure, StreamFailuresStopTheScanAndKeepWhatWasFound) {
  for (bool failOnType : {false, true}) {
    StrictMock<MockDetector> detector;
    OneDetector factory(&detector);
    InSequence order;
    ExpectOpening(detector, 3);
    ExpectStream(detector, 0, VideoStream(8, 6));
    if (failOnType) {
      EXPECT_CALL(detector, putCurrentStream(1)).WillOnce(Return(kResultOk));
      EXPECT_CALL(detector, getStreamMediaType(_)).WillOnce(Return(kResultFail));
    } else {
      EXPECT_CALL(detector, putCurrentStream(1)).WillOnce(Return(kResultInvalidArg));
    }
    EXPECT_CALL(detector, release());
    MovieInfo info;
    EXPECT_FALSE(getMovieInfo(factory, "movie.avi", &info)) << failOnType;
    EXPECT_TRUE(info.hasVideo) << "gathered before the failure";
    EXPECT_EQ(info.width, 8);
    EXPECT_EQ(info.duration, 0.0f) << "timing is never read after a failure";
  }
}

TEST(ProbeFailure, SuccessCodesOtherThanOkAreSuccesses) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector, kResultFalse);
  InSequence order;
  EXPECT_CALL(detector, putFilename(_)).WillOnce(Return(kResultFalse));
  EXPECT_CALL(detector, getOutputStreams(_))
      .WillOnce(DoAll(SetArgPointee<0>(1), Return(kResultFalse)));
  EXPECT_CALL(detector, putCurrentStream(0)).WillOnce(Return(kResultFalse));
  EXPECT_CALL(detector, getStreamMediaType(_))
      .WillOnce(DoAll(SetArgPointee<0>(VideoStream(4, 4)), Return(kResultFalse)));
  EXPECT_CALL(detector, getStreamLength(_))
      .WillOnce(DoAll(SetArgPointee<0>(2.0), Return(kResultFalse)));
  EXPECT_CALL(detector, getFrameRate(_)).WillOnce(DoAll(SetArgPointee<0>(10.0), Return(kResultFalse)));
  EXPECT_CALL(detector, release());
  MovieInfo info;
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_EQ(info.fps, 10.0f);
}

TEST(ProbeFailure, MissingArgumentsAreRefused) {
  OneDetector factory(nullptr);
  EXPECT_FALSE(getMovieInfo(factory, "movie.avi", nullptr));
  MovieInfo info = Garbage();
  EXPECT_FALSE(getMovieInfo(factory, nullptr, &info));
  ExpectAllZero(info);
  EXPECT_EQ(factory.created, 0);
}

TEST(ProbeNarrowing, OnlyFiniteNonNegativeFloatsSurvive) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(NarrowDetectorValue(std::nan("")), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(inf), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(-inf), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(-1.5), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(1e300), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(static_cast<double>(FLT_MAX) * 1.0000001), 0.0f);
  EXPECT_EQ(NarrowDetectorValue(static_cast<double>(FLT_MAX)), FLT_MAX);
  EXPECT_EQ(NarrowDetectorValue(25.0), 25.0f);
  EXPECT_EQ(NarrowDetectorValue(1e-300), 0.0f);
  EXPECT_FALSE(std::signbit(NarrowDetectorValue(-0.0)));
}

TEST(ProbeNarrowing, OddDetectorValuesReachTheRecordAsZero) {
  StrictMock<MockDetector> detector;
  OneDetector factory(&detector);
  InSequence order;
  ExpectOpening(detector, 1);
  ExpectStream(detector, 0, VideoStream(2, 2));
  ExpectClosing(detector, std::nan(""), kResultOk, -std::numeric_limits<double>::infinity());
  MovieInfo info;
  EXPECT_TRUE(getMovieInfo(factory, "movie.avi", &info));
  EXPECT_EQ(info.duration, 0.0f);
  EXPECT_EQ(info.fps, 0.0f);
}

}  // namespace
}  // namespace dshowmovie
