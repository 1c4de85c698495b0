#include "ComMediaDetector.h"

#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "AnsiName.h"
#include "ComAdapter.h"
#include "MediaType.h"
#include "MediaTypeView.h"
#include "win32/ComPtr.h"

namespace rushlight {
namespace {

// Frees a media type record's format block and object reference on scope exit.
struct MediaTypeRecord {
  AM_MEDIA_TYPE type{};
  MediaTypeRecord() = default;
  MediaTypeRecord(const MediaTypeRecord&) = delete;
  MediaTypeRecord& operator=(const MediaTypeRecord&) = delete;
  ~MediaTypeRecord() { FreeMediaType(type); }
};

class ComMediaDetector final : public dshowmovie::MediaDetector {
 public:
  explicit ComMediaDetector(common::ComPtr<IMediaDet> detector) : detector_(std::move(detector)) {}

  dshowmovie::ResultCode putFilename(const char* fileName) override {
    UniqueBstr name;
    const HRESULT converted = AnsiToBstr(fileName, &name);
    if (FAILED(converted)) return converted;
    return detector_->put_Filename(name.get());
  }
  dshowmovie::ResultCode getOutputStreams(std::int32_t* count) override {
    long streams = 0;
    const HRESULT hr = detector_->get_OutputStreams(&streams);
    *count = static_cast<std::int32_t>(streams);
    return hr;
  }
  dshowmovie::ResultCode putCurrentStream(std::int32_t index) override {
    return detector_->put_CurrentStream(index);
  }
  dshowmovie::ResultCode getStreamMediaType(dshowmovie::StreamMediaType* type) override {
    MediaTypeRecord record;
    const HRESULT hr = detector_->get_StreamMediaType(&record.type);
    if (FAILED(hr)) return hr;
    const dshowmovie::MediaTypeDescription seen = Describe(record.type);
    type->majorType = seen.majorType;
    type->subtype = seen.subtype;
    type->formatType = seen.formatType;
    const std::uint32_t kept = std::min(seen.formatSize, dshowmovie::kVideoInfoHeaderBytes);
    if (kept != 0) std::memcpy(type->format, seen.format, kept);
    type->formatBytes = kept;
    return hr;
  }
  dshowmovie::ResultCode getStreamLength(double* seconds) override {
    return detector_->get_StreamLength(seconds);
  }
  dshowmovie::ResultCode getFrameRate(double* framesPerSecond) override {
    return detector_->get_FrameRate(framesPerSecond);
  }
  void release() override { delete this; }

 private:
  ~ComMediaDetector() = default;
  common::ComPtr<IMediaDet> detector_;
};

}  // namespace

dshowmovie::ResultCode CreateComMediaDetector(dshowmovie::MediaDetector** detector) {
  common::ComPtr<IMediaDet> made;
  const HRESULT hr = CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                      made.PutVoid());
  if (FAILED(hr)) return hr;
  if (!made) return E_FAIL;
  return HandOutAdapter<ComMediaDetector>(std::move(made), detector);
}

}  // namespace rushlight
