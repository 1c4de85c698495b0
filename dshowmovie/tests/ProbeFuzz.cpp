// Drives the information probe with a detector whose every answer comes from
// the input: results, stream counts, media types, format blocks, lengths and
// rates (any 64-bit pattern, NaN and infinities included). The detector
// checks the order of the calls, and the record is checked against what the
// detector said.
//
// Input: [creation result] then, for each call as the probe makes it,
// [result byte][the call's answer bytes]. A result byte whose low two bits
// are 0 (or a missing one) fails the call, so every run ends.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "MovieInfoProbe.h"

namespace {

using namespace dshowmovie;

void Require(bool condition) {
  if (!condition) std::abort();
}

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  void Bytes(void* out, std::size_t count) {
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = Byte();
  }
  ResultCode Result() {
    switch (Byte() & 3u) {
      case 1: return kResultOk;
      case 2: return kResultFalse;
      case 3: return kResultInvalidArg;
      default: return kResultFail;
    }
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

constexpr Guid kOther = {0x73647561, 0, 0x10, {0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x72}};

class InputDetector final : public MediaDetector, public MediaDetectorFactory {
 public:
  explicit InputDetector(Reader& in) : in_(in) {}

  ResultCode createMediaDetector(MediaDetector** detector) override {
    Require(step_ == Step::Start);
    const ResultCode result = in_.Result();
    if (!IsSuccess(result)) return result;
    step_ = Step::Created;
    *detector = this;
    return result;
  }
  ResultCode putFilename(const char* fileName) override {
    Require(step_ == Step::Created && fileName != nullptr);
    step_ = Step::Named;
    return Stopping(Answer());
  }
  ResultCode getOutputStreams(std::int32_t* count) override {
    Require(step_ == Step::Named);
    step_ = Step::Counted;
    const ResultCode result = Stopping(Answer());
    in_.Bytes(count, sizeof *count);  // written on failure too
    count_ = *count;
    return result;
  }
  ResultCode putCurrentStream(std::int32_t index) override {
    Require(step_ == Step::Counted || step_ == Step::Typed);
    Require(index == nextIndex_ && index < count_);
    step_ = Step::Current;
    return Stopping(Answer());
  }
  ResultCode getStreamMediaType(StreamMediaType* type) override {
    Require(step_ == Step::Current);
    Require(type->formatBytes == 0 && type->majorType == Guid{});  // arrives cleared
    step_ = Step::Typed;
    ++nextIndex_;
    const ResultCode result = Stopping(Answer());
    const std::uint8_t choice = in_.Byte();
    switch (choice & 3u) {
      case 0: type->majorType = MEDIATYPE_Video; break;
      case 1: type->majorType = MEDIATYPE_Audio; break;
      case 2: type->majorType = kOther; break;
      default: in_.Bytes(&type->majorType, sizeof(Guid)); break;
    }
    type->formatType = (choice & 4u) ? kOther : FORMAT_VideoInfo;
    type->formatBytes = in_.Byte();  // may claim more than the record holds
    in_.Bytes(type->format, type->formatBytes < sizeof type->format ? type->formatBytes
                                                                    : sizeof type->format);
    if (!IsSuccess(result)) return result;
    if (type->majorType == MEDIATYPE_Audio) sawSound_ = true;
    if (type->majorType == MEDIATYPE_Video) {
      sawVideo_ = true;
      if (type->formatType == FORMAT_VideoInfo && type->formatBytes >= kVideoInfoHeaderBytes) {
        std::memcpy(&width_, type->format + kBitmapWidthOffset, 4);
        std::memcpy(&height_, type->format + kBitmapHeightOffset, 4);
      }
    }
    return result;
  }
  ResultCode getStreamLength(double* seconds) override {
    Require(step_ == Step::Counted || step_ == Step::Typed);
    Require(nextIndex_ == (count_ > 0 ? count_ : 0));
    step_ = Step::Length;
    const ResultCode result = Answer();
    in_.Bytes(seconds, sizeof *seconds);
    if (IsSuccess(result)) seconds_ = *seconds;
    return result;
  }
  ResultCode getFrameRate(double* rate) override {
    Require(step_ == Step::Length);
    step_ = Step::Rate;
    completed_ = true;
    const ResultCode result = Answer();
    in_.Bytes(rate, sizeof *rate);
    if (IsSuccess(result)) rate_ = *rate;
    return result;
  }
  void release() override {
    Require(step_ != Step::Start && step_ != Step::Released);
    step_ = Step::Released;
  }
  // Every other call must come before a failure of the opening or the scan.
  void RequireGoingOn() const { Require(!stopped_); }

  void Check(bool result, const MovieInfo& info) const {
    Require(step_ == Step::Start || step_ == Step::Released);
    Require(!result || info.hasVideo);
    Require(info.hasVideo == sawVideo_ && info.hasSound == sawSound_);
    Require(info.width == width_ && info.height == height_);
    Require(std::isfinite(info.duration) && info.duration >= 0.0f);
    Require(std::isfinite(info.fps) && info.fps >= 0.0f);
    Require(info.duration == Expected(seconds_) && info.fps == Expected(rate_));
    Require(result == (completed_ && info.hasVideo));
  }

 private:
  enum class Step { Start, Created, Named, Counted, Current, Typed, Length, Rate, Released };

  ResultCode Answer() {
    RequireGoingOn();
    return in_.Result();
  }
  ResultCode Stopping(ResultCode result) {
    if (!IsSuccess(result)) stopped_ = true;
    return result;
  }
  static float Expected(double value) {
    return value > 0.0 && value <= FLT_MAX ? static_cast<float>(value) : 0.0f;
  }

  Reader& in_;
  Step step_ = Step::Start;
  std::int32_t count_ = 0;
  std::int32_t nextIndex_ = 0;
  bool stopped_ = false;
  bool completed_ = false;
  bool sawVideo_ = false;
  bool sawSound_ = false;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  double seconds_ = 0.0;
  double rate_ = 0.0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  InputDetector detector(in);
  MovieInfo info;
  info.width = 12345;  // must be cleared
  const bool result = getMovieInfo(detector, "movie.avi", &info);
  detector.Check(result, info);
  return 0;
}
