#include "EnumMediaTypes.h"

#include <new>

#include "BaseInputPin.h"
#include "MediaType.h"

CEnumMediaTypes::CEnumMediaTypes(CBaseInputPin* pin, int position)
    : CUnknown(nullptr, nullptr), pin_(pin), position_(position) {
  pin_->AddRef();
}

CEnumMediaTypes::~CEnumMediaTypes() { pin_->Release(); }

HRESULT STDMETHODCALLTYPE CEnumMediaTypes::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IEnumMediaTypes) return GetInterface(static_cast<IEnumMediaTypes*>(this), ppv);
  return CUnknown::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT STDMETHODCALLTYPE CEnumMediaTypes::Next(ULONG cMediaTypes, AM_MEDIA_TYPE** ppMediaTypes,
                                                ULONG* pcFetched) {
  if (ppMediaTypes == nullptr) return E_POINTER;
  if (pcFetched == nullptr && cMediaTypes != 1) return E_POINTER;
  ULONG fetched = 0;
  while (fetched < cMediaTypes) {
    CMediaType type;
    if (pin_->GetMediaType(position_, &type) != S_OK) break;
    ++position_;
    AM_MEDIA_TYPE* copy = CreateMediaType(&type);
    if (copy == nullptr) {
      for (ULONG i = 0; i < fetched; ++i) DeleteMediaType(ppMediaTypes[i]);
      if (pcFetched != nullptr) *pcFetched = 0;
      return E_OUTOFMEMORY;
    }
    ppMediaTypes[fetched++] = copy;
  }
  if (pcFetched != nullptr) *pcFetched = fetched;
  return fetched == cMediaTypes ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CEnumMediaTypes::Skip(ULONG cMediaTypes) {
  while (cMediaTypes > 0) {
    CMediaType type;
    if (pin_->GetMediaType(position_, &type) != S_OK) return S_FALSE;
    ++position_;
    --cMediaTypes;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumMediaTypes::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumMediaTypes::Clone(IEnumMediaTypes** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  auto* copy = new (std::nothrow) CEnumMediaTypes(pin_, position_);
  if (copy == nullptr) return E_OUTOFMEMORY;
  return GetInterface(static_cast<IEnumMediaTypes*>(copy), reinterpret_cast<void**>(ppEnum));
}
