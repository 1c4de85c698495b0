#include "Unknown.h"

CUnknown::CUnknown(LPCTSTR /*objectName*/, IUnknown* outer)
    : owner_(outer != nullptr
                 ? outer
                 : reinterpret_cast<IUnknown*>(static_cast<INonDelegatingUnknown*>(this))) {}

CUnknown::~CUnknown() = default;

HRESULT STDMETHODCALLTYPE CUnknown::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IUnknown) {
    // The object's identity is its non-delegating face.
    NonDelegatingAddRef();
    *ppv = static_cast<INonDelegatingUnknown*>(this);
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CUnknown::NonDelegatingAddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&m_cRef));
}

ULONG STDMETHODCALLTYPE CUnknown::NonDelegatingRelease() {
  const LONG count = InterlockedDecrement(&m_cRef);
  if (count == 0) {
    // A destructor that hands out and drops a temporary reference to this
    // object must not delete it a second time.
    m_cRef = 1;
    delete this;
    return 0;
  }
  return static_cast<ULONG>(count);
}

HRESULT GetInterface(IUnknown* pUnk, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = pUnk;
  pUnk->AddRef();
  return S_OK;
}
