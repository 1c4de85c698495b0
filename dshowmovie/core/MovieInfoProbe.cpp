#include "MovieInfoProbe.h"

#include <cfloat>

namespace dshowmovie {
namespace {

// Holds the probe's one reference to the detector and drops it on every way out.
class HeldDetector {
 public:
  explicit HeldDetector(MediaDetector* detector) : detector_(detector) {}
  ~HeldDetector() { detector_->release(); }
  HeldDetector(const HeldDetector&) = delete;
  HeldDetector& operator=(const HeldDetector&) = delete;
  MediaDetector* operator->() const { return detector_; }

 private:
  MediaDetector* detector_;
};

// Takes the bitmap size of a video stream whose format block is a whole
// VIDEOINFOHEADER; any other block leaves the size alone.
void TakeVideoSize(const StreamMediaType& type, MovieInfo* info) {
  if (type.formatType != FORMAT_VideoInfo) return;
  MediaTypeDescription view;
  view.majorType = type.majorType;
  view.subtype = type.subtype;
  view.formatType = type.formatType;
  view.format = type.format;
  view.formatSize = type.formatBytes < kVideoInfoHeaderBytes ? type.formatBytes
                                                             : kVideoInfoHeaderBytes;
  std::int32_t width = 0, height = 0;
  if (!ReadBitmapSize(view, &width, &height)) return;
  info->width = width;
  info->height = height;
}

bool ScanStreams(MediaDetector& detector, std::int32_t count, MovieInfo* info) {
  for (std::int32_t index = 0; index < count; ++index) {
    StreamMediaType type;
    if (!IsSuccess(detector.putCurrentStream(index))) return false;
    if (!IsSuccess(detector.getStreamMediaType(&type))) return false;
    if (type.majorType == MEDIATYPE_Video) {
      info->hasVideo = true;
      TakeVideoSize(type, info);
    }
    if (type.majorType == MEDIATYPE_Audio) info->hasSound = true;
  }
  return true;
}

}  // namespace

float NarrowDetectorValue(double value) {
  // Written so that NaN fails the test too.
  if (!(value > 0.0 && value <= static_cast<double>(FLT_MAX))) return 0.0f;
  return static_cast<float>(value);
}

bool getMovieInfo(MediaDetectorFactory& detectors, const char* fileName, MovieInfo* info) {
  if (info == nullptr) return false;
  *info = MovieInfo{};
  if (fileName == nullptr) return false;

  MediaDetector* created = nullptr;
  if (!IsSuccess(detectors.createMediaDetector(&created)) || created == nullptr) return false;
  HeldDetector detector(created);

  if (!IsSuccess(detector->putFilename(fileName))) return false;
  std::int32_t count = 0;
  if (!IsSuccess(detector->getOutputStreams(&count))) return false;
  if (!ScanStreams(*created, count, info)) return false;

  // Length and rate come from the stream left current by the scan.
  double seconds = 0.0;
  if (IsSuccess(detector->getStreamLength(&seconds))) info->duration = NarrowDetectorValue(seconds);
  double rate = 0.0;
  if (IsSuccess(detector->getFrameRate(&rate))) info->fps = NarrowDetectorValue(rate);
  return info->hasVideo;
}

}  // namespace dshowmovie
