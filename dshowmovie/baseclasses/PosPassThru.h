#pragma once
// CPosPassThru: IMediaSeeking of a renderer, passed on to the output pin
// connected to the renderer's input pin. The filter graph manager seeks,
// asks for the duration and positions, and sets the rate through it.
//
// It is an inner object aggregated by the renderer: its IUnknown delegates
// to the renderer, and the renderer hands out IMediaSeeking through
// NonDelegatingQueryInterface. Without a connection the calls fail with
// VFW_E_NOT_CONNECTED; when the upstream pin cannot seek, with E_NOTIMPL.
#include <windows.h>
#include <dshow.h>

#include "Unknown.h"
#include "win32/ComPtr.h"

BASECLASSES_COM_CLASS_BEGIN
class CPosPassThru : public CUnknown, public IMediaSeeking {
 public:
  // outer is the renderer's owner; inputPin is the renderer's input pin,
  // which outlives this object (both belong to the renderer).
  CPosPassThru(LPCTSTR objectName, IUnknown* outer, IPin* inputPin);
  ~CPosPassThru() override;

  DECLARE_IUNKNOWN
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD* pCapabilities) override;
  HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD* pCapabilities) override;
  HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID* pFormat) override;
  HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID* pFormat) override;
  HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID* pFormat) override;
  HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID* pFormat) override;
  HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID* pFormat) override;
  HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG* pDuration) override;
  HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG* pStop) override;
  HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* pCurrent) override;
  HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG* pTarget, const GUID* pTargetFormat,
                                              LONGLONG Source, const GUID* pSourceFormat) override;
  HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG* pCurrent, DWORD dwCurrentFlags, LONGLONG* pStop,
                                         DWORD dwStopFlags) override;
  HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG* pCurrent, LONGLONG* pStop) override;
  HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG* pEarliest, LONGLONG* pLatest) override;
  HRESULT STDMETHODCALLTYPE SetRate(double dRate) override;
  HRESULT STDMETHODCALLTYPE GetRate(double* pdRate) override;
  HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG* pllPreroll) override;

 private:
  // The upstream pin's IMediaSeeking. No lock of ours is held while it is
  // called: a seek flushes back into the renderer, which takes its locks.
  HRESULT GetPeerSeeking(common::ComPtr<IMediaSeeking>& seeking) const;

  IPin* const inputPin_;  // not counted: owned by the same renderer
};
BASECLASSES_COM_CLASS_END
