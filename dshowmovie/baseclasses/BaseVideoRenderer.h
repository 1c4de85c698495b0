#pragma once
// CBaseVideoRenderer: CBaseRenderer for pictures. It adds
// - a format check: a FORMAT_VideoInfo or FORMAT_VideoInfo2 type must carry
//   a format block at least the size of its header, so that SetMediaType
//   and DoRenderSample may read the header without checking;
// - the late-picture rule: a picture is dropped when, at the moment its
//   turn comes, the clock is past its presentation time by more than
//   kLateLimit (100 ms) and by more than its own duration (so its time on
//   screen is over and its successor is due), unless it is the first
//   picture since the filter started running or was flushed (a start, a
//   resume, a seek), or the picture before it was dropped. So a renderer
//   that falls behind catches up by skipping, yet at least every second
//   picture is drawn, the first one always, and a slow movie (a picture
//   lasting longer than kLateLimit) keeps each picture that still has time
//   to be seen. Pictures on time, without time stamps or without a clock
//   are always drawn. Each drop sends a Famine quality message upstream (or
//   to the quality sink), so a decoder may skip work and the movie stays on
//   the clock.
//
// It answers IQualProp, the platform's interface for a video renderer's
// statistics: pictures drawn and dropped, the frame rate achieved, the
// jitter between pictures and how late they were drawn.
#include "BaseRenderer.h"  // first: amvideo.h needs dshow.h's types

#include <amvideo.h>

BASECLASSES_COM_CLASS_BEGIN
class CBaseVideoRenderer : public CBaseRenderer, public IQualProp {
 public:
  // Lateness, in 100 ns units, beyond which a picture may be dropped.
  static constexpr REFERENCE_TIME kLateLimit = 100 * 10000;

  CBaseVideoRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer, HRESULT* phr);
  ~CBaseVideoRenderer() override;

  DECLARE_IUNKNOWN
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  // IQualProp. Times are milliseconds, the frame rate is per 100 seconds.
  HRESULT STDMETHODCALLTYPE get_FramesDroppedInRenderer(int* pcFrames) override;
  HRESULT STDMETHODCALLTYPE get_FramesDrawn(int* pcFramesDrawn) override;
  HRESULT STDMETHODCALLTYPE get_AvgFrameRate(int* piAvgFrameRate) override;
  HRESULT STDMETHODCALLTYPE get_Jitter(int* iJitter) override;
  HRESULT STDMETHODCALLTYPE get_AvgSyncOffset(int* piAvg) override;
  HRESULT STDMETHODCALLTYPE get_DevSyncOffset(int* piDev) override;

  HRESULT CheckFormatBlock(const CMediaType* pmt) override;
  bool ShouldDrawSampleNow(IMediaSample* pMediaSample, REFERENCE_TIME lateness) override;
  void OnSampleDropped(IMediaSample* pMediaSample, REFERENCE_TIME lateness) override;

 private:
  bool lastDropped_ = false;  // renderer lock
};
BASECLASSES_COM_CLASS_END
