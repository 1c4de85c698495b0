#pragma once
// CBaseVideoRenderer: CBaseRenderer for pictures. It adds
// - a format check: a FORMAT_VideoInfo or FORMAT_VideoInfo2 type must carry
//   a format block at least the size of its header, so that SetMediaType
//   and DoRenderSample may read the header without checking;
// - the late-picture rule: a picture whose time has passed by more than
//   kLateLimit (100 ms) when its turn comes is dropped, unless the picture
//   before it was dropped too. So a renderer that falls behind catches up by
//   skipping, yet at least every second picture is drawn and the picture
//   keeps moving. Pictures on time, without time stamps or without a clock
//   are always drawn. Each drop sends a Famine quality message upstream (or
//   to the quality sink), so a decoder may skip work.
#include "BaseRenderer.h"

class CBaseVideoRenderer : public CBaseRenderer {
 public:
  // Lateness, in 100 ns units, beyond which a picture may be dropped.
  static constexpr REFERENCE_TIME kLateLimit = 100 * 10000;

  CBaseVideoRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer, HRESULT* phr);
  ~CBaseVideoRenderer() override;

  HRESULT CheckFormatBlock(const CMediaType* pmt) override;
  bool ShouldDrawSampleNow(IMediaSample* pMediaSample, REFERENCE_TIME lateness) override;
  void OnSampleDropped(IMediaSample* pMediaSample, REFERENCE_TIME lateness) override;

 private:
  bool lastDropped_ = false;  // renderer lock
};
