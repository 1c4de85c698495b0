#pragma once
// CRendererInputPin: the input pin of a CBaseRenderer. It passes type
// negotiation, samples, end of stream and flushes to the renderer.
#include "BaseInputPin.h"

class CBaseRenderer;

class CRendererInputPin : public CBaseInputPin {
 public:
  CRendererInputPin(CBaseRenderer* renderer, HRESULT* phr, LPCWSTR name);
  ~CRendererInputPin() override;

  // The renderer's format check and CheckMediaType hook.
  HRESULT CheckMediaType(const CMediaType* pmt) override;
  // The renderer's SetMediaType hook first; the pin keeps the type only
  // when the renderer took it.
  HRESULT SetMediaType(const CMediaType* pmt) override;
  HRESULT CompleteConnect(IPin* pReceivePin) override;
  HRESULT BreakConnect() override;

  HRESULT STDMETHODCALLTYPE Receive(IMediaSample* pSample) override;
  HRESULT STDMETHODCALLTYPE EndOfStream() override;
  HRESULT STDMETHODCALLTYPE BeginFlush() override;
  HRESULT STDMETHODCALLTYPE EndFlush() override;

 private:
  CBaseRenderer* const m_pRenderer;  // our owner
};
