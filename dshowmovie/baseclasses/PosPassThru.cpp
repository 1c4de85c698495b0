#include "PosPassThru.h"

CPosPassThru::CPosPassThru(LPCTSTR objectName, IUnknown* outer, IPin* inputPin)
    : CUnknown(objectName, outer), inputPin_(inputPin) {}

CPosPassThru::~CPosPassThru() = default;

HRESULT STDMETHODCALLTYPE CPosPassThru::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IMediaSeeking) return GetInterface(static_cast<IMediaSeeking*>(this), ppv);
  return CUnknown::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT CPosPassThru::GetPeerSeeking(common::ComPtr<IMediaSeeking>& seeking) const {
  common::ComPtr<IPin> peer;
  if (FAILED(inputPin_->ConnectedTo(peer.Put())) || !peer) return VFW_E_NOT_CONNECTED;
  if (FAILED(peer.As(IID_IMediaSeeking, seeking))) return E_NOTIMPL;
  return S_OK;
}

// Each method forwards its arguments unchanged to the upstream pin.
#define POS_PASS_THROUGH(call)                          \
  common::ComPtr<IMediaSeeking> seeking;                \
  const HRESULT found = GetPeerSeeking(seeking);        \
  if (FAILED(found)) return found;                      \
  return seeking->call

HRESULT STDMETHODCALLTYPE CPosPassThru::GetCapabilities(DWORD* pCapabilities) {
  POS_PASS_THROUGH(GetCapabilities(pCapabilities));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::CheckCapabilities(DWORD* pCapabilities) {
  POS_PASS_THROUGH(CheckCapabilities(pCapabilities));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::IsFormatSupported(const GUID* pFormat) {
  POS_PASS_THROUGH(IsFormatSupported(pFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::QueryPreferredFormat(GUID* pFormat) {
  POS_PASS_THROUGH(QueryPreferredFormat(pFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetTimeFormat(GUID* pFormat) {
  POS_PASS_THROUGH(GetTimeFormat(pFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::IsUsingTimeFormat(const GUID* pFormat) {
  POS_PASS_THROUGH(IsUsingTimeFormat(pFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::SetTimeFormat(const GUID* pFormat) {
  POS_PASS_THROUGH(SetTimeFormat(pFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetDuration(LONGLONG* pDuration) {
  POS_PASS_THROUGH(GetDuration(pDuration));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetStopPosition(LONGLONG* pStop) {
  POS_PASS_THROUGH(GetStopPosition(pStop));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetCurrentPosition(LONGLONG* pCurrent) {
  POS_PASS_THROUGH(GetCurrentPosition(pCurrent));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::ConvertTimeFormat(LONGLONG* pTarget,
                                                          const GUID* pTargetFormat,
                                                          LONGLONG Source,
                                                          const GUID* pSourceFormat) {
  POS_PASS_THROUGH(ConvertTimeFormat(pTarget, pTargetFormat, Source, pSourceFormat));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::SetPositions(LONGLONG* pCurrent, DWORD dwCurrentFlags,
                                                     LONGLONG* pStop, DWORD dwStopFlags) {
  POS_PASS_THROUGH(SetPositions(pCurrent, dwCurrentFlags, pStop, dwStopFlags));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetPositions(LONGLONG* pCurrent, LONGLONG* pStop) {
  POS_PASS_THROUGH(GetPositions(pCurrent, pStop));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetAvailable(LONGLONG* pEarliest, LONGLONG* pLatest) {
  POS_PASS_THROUGH(GetAvailable(pEarliest, pLatest));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::SetRate(double dRate) { POS_PASS_THROUGH(SetRate(dRate)); }
HRESULT STDMETHODCALLTYPE CPosPassThru::GetRate(double* pdRate) {
  POS_PASS_THROUGH(GetRate(pdRate));
}
HRESULT STDMETHODCALLTYPE CPosPassThru::GetPreroll(LONGLONG* pllPreroll) {
  POS_PASS_THROUGH(GetPreroll(pllPreroll));
}

#undef POS_PASS_THROUGH
