#include "BaseVideoRenderer.h"

#include <dshow.h>
#include <dvdmedia.h>

#include <cmath>

namespace {

// The standard deviation of values given by their count, sum and sum of
// squares, rounded; 0 for fewer than two values.
int Deviation(long count, double sum, double squares) {
  if (count < 2) return 0;
  const double mean = sum / count;
  const double variance = squares / count - mean * mean;
  return static_cast<int>(std::lround(std::sqrt(variance > 0 ? variance : 0)));
}

}  // namespace

CBaseVideoRenderer::CBaseVideoRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer,
                                       HRESULT* phr)
    : CBaseRenderer(renderClass, objectName, outer, phr) {}

CBaseVideoRenderer::~CBaseVideoRenderer() = default;

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IQualProp) return GetInterface(static_cast<IQualProp*>(this), ppv);
  return CBaseRenderer::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_FramesDroppedInRenderer(int* pcFrames) {
  if (pcFrames == nullptr) return E_POINTER;
  *pcFrames = static_cast<int>(Counts().dropped);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_FramesDrawn(int* pcFramesDrawn) {
  if (pcFramesDrawn == nullptr) return E_POINTER;
  *pcFramesDrawn = static_cast<int>(Counts().drawn);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_AvgFrameRate(int* piAvgFrameRate) {
  if (piAvgFrameRate == nullptr) return E_POINTER;
  const RendererCounts counts = Counts();
  *piAvgFrameRate = counts.intervalSumMs > 0
                        ? static_cast<int>(std::lround(counts.intervals * 100000.0 /
                                                       counts.intervalSumMs))
                        : 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_Jitter(int* iJitter) {
  if (iJitter == nullptr) return E_POINTER;
  const RendererCounts counts = Counts();
  *iJitter = Deviation(counts.intervals, counts.intervalSumMs, counts.intervalSquaresMs);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_AvgSyncOffset(int* piAvg) {
  if (piAvg == nullptr) return E_POINTER;
  const RendererCounts counts = Counts();
  *piAvg = counts.drawn > 0 ? static_cast<int>(std::lround(counts.latenessSumMs / counts.drawn)) : 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseVideoRenderer::get_DevSyncOffset(int* piDev) {
  if (piDev == nullptr) return E_POINTER;
  const RendererCounts counts = Counts();
  *piDev = Deviation(counts.drawn, counts.latenessSumMs, counts.latenessSquaresMs);
  return S_OK;
}

HRESULT CBaseVideoRenderer::CheckFormatBlock(const CMediaType* pmt) {
  ULONG needed = 0;
  if (*pmt->FormatType() == FORMAT_VideoInfo) needed = sizeof(VIDEOINFOHEADER);
  if (*pmt->FormatType() == FORMAT_VideoInfo2) needed = sizeof(VIDEOINFOHEADER2);
  if (pmt->FormatLength() < needed || (needed != 0 && pmt->Format() == nullptr)) {
    return E_INVALIDARG;
  }
  return S_OK;
}

bool CBaseVideoRenderer::ShouldDrawSampleNow(IMediaSample* pMediaSample,
                                             REFERENCE_TIME lateness) {
  bool drop = false;
  if (SamplesSinceStart() != 0 && !lastDropped_ && lateness > kLateLimit) {
    REFERENCE_TIME start = 0;
    REFERENCE_TIME stop = 0;
    const REFERENCE_TIME duration =
        pMediaSample->GetTime(&start, &stop) == S_OK && stop > start ? stop - start : 0;
    drop = lateness > duration;
  }
  lastDropped_ = drop;
  return !drop;
}

void CBaseVideoRenderer::OnSampleDropped(IMediaSample* pMediaSample, REFERENCE_TIME lateness) {
  REFERENCE_TIME start = 0;
  REFERENCE_TIME stop = 0;
  pMediaSample->GetTime(&start, &stop);
  Quality message = {};
  message.Type = Famine;
  message.Proportion = 500;  // at least every second picture is drawn
  message.Late = lateness;
  message.TimeStamp = start;
  PassNotify(message);  // advice only: an upstream filter may ignore it
}
