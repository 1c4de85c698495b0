#pragma once

#include <cstdint>

#include "MediaTypeDescription.h"
#include "MovieResultCodes.h"

namespace dshowmovie {

inline constexpr Guid MEDIATYPE_Audio = {
    0x73647561, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// One stream's media type as the probe reads it. The detector copies the
// identifiers and the start of the format block (as much as a
// VIDEOINFOHEADER holds) out of the platform's record and frees that record
// itself before it returns, so nothing here needs freeing.
struct StreamMediaType {
  Guid majorType{};
  Guid subtype{};
  Guid formatType{};
  std::uint8_t format[kVideoInfoHeaderBytes]{};
  std::uint32_t formatBytes = 0;  // valid bytes in `format`; 0 when there is no format block
};

// The media detector the probe drives (IMediaDet on Windows). Every call but
// release() returns the platform's result; out-values are meaningful only
// after a success.
//
// References: the factory hands out the detector with one reference, which
// belongs to the probe; release() drops it, and the probe calls it exactly
// once, before it returns, on every path.
class MediaDetector {
 public:
  // put_Filename. The narrow name (ANSI code page) is converted to the
  // platform's string by the implementation, which frees that string again;
  // a conversion that runs out of memory gives kResultOutOfMemory.
  virtual ResultCode putFilename(const char* fileName) = 0;
  // get_OutputStreams.
  virtual ResultCode getOutputStreams(std::int32_t* count) = 0;
  // put_CurrentStream.
  virtual ResultCode putCurrentStream(std::int32_t index) = 0;
  // get_StreamMediaType of the current stream; `type` arrives cleared.
  virtual ResultCode getStreamMediaType(StreamMediaType* type) = 0;
  // get_StreamLength of the current stream, in seconds.
  virtual ResultCode getStreamLength(double* seconds) = 0;
  // get_FrameRate of the current stream, in frames per second.
  virtual ResultCode getFrameRate(double* framesPerSecond) = 0;
  // Release.
  virtual void release() = 0;

 protected:
  ~MediaDetector() = default;
};

// Makes media detectors (CoCreateInstance of CLSID_MediaDet on Windows). On
// success *detector holds a new detector; on failure it is left null.
class MediaDetectorFactory {
 public:
  virtual ResultCode createMediaDetector(MediaDetector** detector) = 0;

 protected:
  ~MediaDetectorFactory() = default;
};

}  // namespace dshowmovie
