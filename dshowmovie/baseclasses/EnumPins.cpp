#include "EnumPins.h"

#include <new>

#include "BaseFilter.h"
#include "BaseInputPin.h"

CEnumPins::CEnumPins(CBaseFilter* filter, int position)
    : CUnknown(nullptr, nullptr), filter_(filter), position_(position) {
  filter_->AddRef();
}

CEnumPins::~CEnumPins() { filter_->Release(); }

HRESULT STDMETHODCALLTYPE CEnumPins::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IEnumPins) return GetInterface(static_cast<IEnumPins*>(this), ppv);
  return CUnknown::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT STDMETHODCALLTYPE CEnumPins::Next(ULONG cPins, IPin** ppPins, ULONG* pcFetched) {
  if (ppPins == nullptr) return E_POINTER;
  if (pcFetched == nullptr && cPins != 1) return E_POINTER;
  ULONG fetched = 0;
  while (fetched < cPins) {
    CBaseInputPin* pin = filter_->GetPin(position_);
    if (pin == nullptr) break;
    ++position_;
    ppPins[fetched] = pin;
    pin->AddRef();  // each pin handed out carries a reference for the caller
    ++fetched;
  }
  if (pcFetched != nullptr) *pcFetched = fetched;
  return fetched == cPins ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CEnumPins::Skip(ULONG cPins) {
  const ULONG left = static_cast<ULONG>(filter_->GetPinCount() - position_);
  if (cPins > left) {
    position_ = filter_->GetPinCount();
    return S_FALSE;
  }
  position_ += static_cast<int>(cPins);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumPins::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumPins::Clone(IEnumPins** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  auto* copy = new (std::nothrow) CEnumPins(filter_, position_);
  if (copy == nullptr) return E_OUTOFMEMORY;
  return GetInterface(static_cast<IEnumPins*>(copy), reinterpret_cast<void**>(ppEnum));
}
