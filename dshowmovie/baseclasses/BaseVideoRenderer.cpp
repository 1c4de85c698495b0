#include "BaseVideoRenderer.h"

#include <dshow.h>
#include <dvdmedia.h>

CBaseVideoRenderer::CBaseVideoRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer,
                                       HRESULT* phr)
    : CBaseRenderer(renderClass, objectName, outer, phr) {}

CBaseVideoRenderer::~CBaseVideoRenderer() = default;

HRESULT CBaseVideoRenderer::CheckFormatBlock(const CMediaType* pmt) {
  ULONG needed = 0;
  if (*pmt->FormatType() == FORMAT_VideoInfo) needed = sizeof(VIDEOINFOHEADER);
  if (*pmt->FormatType() == FORMAT_VideoInfo2) needed = sizeof(VIDEOINFOHEADER2);
  if (pmt->FormatLength() < needed || (needed != 0 && pmt->Format() == nullptr)) {
    return E_INVALIDARG;
  }
  return S_OK;
}

bool CBaseVideoRenderer::ShouldDrawSampleNow(IMediaSample* /*pMediaSample*/,
                                             REFERENCE_TIME lateness) {
  const bool drop = lateness > kLateLimit && !lastDropped_;
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
