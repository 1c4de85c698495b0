#pragma once
// A renderer built on CBaseVideoRenderer for the base-class tests: it accepts
// 24-bit RGB video with a VIDEOINFOHEADER (or nothing at all), and records
// every sample it is asked to draw.
#include <windows.h>
#include <dshow.h>

#include <vector>

#include "BaseVideoRenderer.h"
#include "win32/ComPtr.h"

namespace basetest {

BASECLASSES_COM_CLASS_BEGIN
class TestRenderer : public CBaseVideoRenderer {
 public:
  enum class Accepts { Rgb24, Nothing };

  // A new renderer with one reference, owned by the returned holder.
  static common::ComPtr<TestRenderer> Create(Accepts accepts = Accepts::Rgb24);

  HRESULT CheckMediaType(const CMediaType* pmt) override;
  HRESULT SetMediaType(const CMediaType* pmt) override;
  HRESULT DoRenderSample(IMediaSample* pMediaSample) override;
  void OnReceiveFirstSample(IMediaSample* pMediaSample) override;

  // The object's reference count, read by an AddRef/Release pair.
  ULONG RefCount();
  IBaseFilter* Filter() { return static_cast<IBaseFilter*>(this); }

  long Rendered();
  long FirstSampleCalls();
  long SetMediaTypeCalls();
  LONG Width();
  LONG Height();
  // Sample start times and the QueryPerformanceCounter time of each drawing.
  std::vector<REFERENCE_TIME> StartTimes();
  std::vector<LONGLONG> DrawTimes();
  std::vector<long> DataLengths();

 private:
  TestRenderer(Accepts accepts, HRESULT* phr);

  const Accepts accepts_;
  CCritSec recordLock_;  // taken inside the renderer's locks, like the movie's buffer lock
  long rendered_ = 0;
  long firstSampleCalls_ = 0;
  long setMediaTypeCalls_ = 0;
  LONG width_ = 0;
  LONG height_ = 0;
  std::vector<REFERENCE_TIME> startTimes_;
  std::vector<LONGLONG> drawTimes_;
  std::vector<long> dataLengths_;
};
BASECLASSES_COM_CLASS_END

// Seconds on the performance counter.
double Seconds(LONGLONG ticks);
LONGLONG Now();

}  // namespace basetest
