#include "RendererInputPin.h"

#include "BaseRenderer.h"

CRendererInputPin::CRendererInputPin(CBaseRenderer* renderer, HRESULT* phr, LPCWSTR name)
    : CBaseInputPin(nullptr, renderer, renderer->FilterLock(), phr, name), m_pRenderer(renderer) {}

CRendererInputPin::~CRendererInputPin() = default;

HRESULT CRendererInputPin::CheckMediaType(const CMediaType* pmt) {
  return m_pRenderer->CheckConnectionType(pmt);
}

HRESULT CRendererInputPin::SetMediaType(const CMediaType* pmt) {
  const HRESULT hr = m_pRenderer->SetMediaType(pmt);
  if (FAILED(hr)) return hr;
  return CBaseInputPin::SetMediaType(pmt);
}

HRESULT CRendererInputPin::CompleteConnect(IPin* pReceivePin) {
  return m_pRenderer->CompleteConnect(pReceivePin);
}

HRESULT CRendererInputPin::BreakConnect() {
  m_pRenderer->BreakConnect();
  return CBaseInputPin::BreakConnect();
}

HRESULT STDMETHODCALLTYPE CRendererInputPin::Receive(IMediaSample* pSample) {
  const HRESULT hr = CBaseInputPin::Receive(pSample);
  if (hr != S_OK) return hr;
  return m_pRenderer->Receive(pSample);
}

HRESULT STDMETHODCALLTYPE CRendererInputPin::EndOfStream() { return m_pRenderer->EndOfStream(); }

HRESULT STDMETHODCALLTYPE CRendererInputPin::BeginFlush() {
  CAutoLock lock(m_pLock);
  CBaseInputPin::BeginFlush();
  return m_pRenderer->BeginFlush();
}

HRESULT STDMETHODCALLTYPE CRendererInputPin::EndFlush() {
  CAutoLock lock(m_pLock);
  m_pRenderer->EndFlush();
  return CBaseInputPin::EndFlush();
}
