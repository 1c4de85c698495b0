#include "BaseFilter.h"

#include <cwchar>
#include <new>

#include "BaseInputPin.h"
#include "EnumPins.h"

CBaseFilter::CBaseFilter(LPCTSTR objectName, IUnknown* outer, CCritSec* lock, REFCLSID clsid)
    : CUnknown(objectName, outer), m_pLock(lock), m_clsid(clsid) {}

CBaseFilter::~CBaseFilter() = default;

HRESULT STDMETHODCALLTYPE CBaseFilter::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IBaseFilter) return GetInterface(static_cast<IBaseFilter*>(this), ppv);
  if (riid == IID_IMediaFilter) return GetInterface(static_cast<IMediaFilter*>(this), ppv);
  if (riid == IID_IPersist) return GetInterface(static_cast<IPersist*>(this), ppv);
  return CUnknown::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetClassID(CLSID* pClsID) {
  if (pClsID == nullptr) return E_POINTER;
  *pClsID = m_clsid;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Stop() {
  CAutoLock lock(m_pLock);
  HRESULT result = S_OK;
  if (m_State != State_Stopped) {
    for (int i = 0; i < GetPinCount(); ++i) {
      CBaseInputPin* pin = GetPin(i);
      if (pin == nullptr || !pin->IsConnected()) continue;
      const HRESULT hr = pin->Inactive();
      if (FAILED(hr) && SUCCEEDED(result)) result = hr;
    }
  }
  m_State = State_Stopped;
  return result;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Pause() {
  CAutoLock lock(m_pLock);
  if (m_State == State_Stopped) {
    for (int i = 0; i < GetPinCount(); ++i) {
      CBaseInputPin* pin = GetPin(i);
      if (pin == nullptr || !pin->IsConnected()) continue;
      const HRESULT hr = pin->Active();
      if (FAILED(hr)) return hr;
    }
  }
  m_State = State_Paused;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Run(REFERENCE_TIME tStart) {
  CAutoLock lock(m_pLock);
  if (m_State == State_Stopped) {
    const HRESULT hr = Pause();
    if (FAILED(hr)) return hr;
  }
  m_tStart = tStart;
  m_State = State_Running;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetState(DWORD /*dwMilliSecsTimeout*/, FILTER_STATE* State) {
  if (State == nullptr) return E_POINTER;
  *State = m_State;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::SetSyncSource(IReferenceClock* pClock) {
  CAutoLock lock(m_pLock);
  m_pClock = common::ComPtr<IReferenceClock>::Copy(pClock);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetSyncSource(IReferenceClock** pClock) {
  if (pClock == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  *pClock = m_pClock.Get();
  if (*pClock != nullptr) (*pClock)->AddRef();  // the caller owns the reference it receives
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::EnumPins(IEnumPins** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  auto* enumerator = new (std::nothrow) CEnumPins(this, 0);
  if (enumerator == nullptr) return E_OUTOFMEMORY;
  return GetInterface(static_cast<IEnumPins*>(enumerator), reinterpret_cast<void**>(ppEnum));
}

HRESULT STDMETHODCALLTYPE CBaseFilter::FindPin(LPCWSTR Id, IPin** ppPin) {
  if (ppPin == nullptr) return E_POINTER;
  *ppPin = nullptr;
  if (Id == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  for (int i = 0; i < GetPinCount(); ++i) {
    CBaseInputPin* pin = GetPin(i);
    if (pin != nullptr && std::wcscmp(pin->Name(), Id) == 0) {
      return GetInterface(static_cast<IPin*>(pin), reinterpret_cast<void**>(ppPin));
    }
  }
  return VFW_E_NOT_FOUND;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::QueryFilterInfo(FILTER_INFO* pInfo) {
  if (pInfo == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  const size_t length = m_name.size() < MAX_FILTER_NAME - 1 ? m_name.size() : MAX_FILTER_NAME - 1;
  std::wmemcpy(pInfo->achName, m_name.c_str(), length);
  pInfo->achName[length] = L'\0';
  // The caller releases the graph it receives.
  pInfo->pGraph = m_pGraph;
  if (m_pGraph != nullptr) m_pGraph->AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::JoinFilterGraph(IFilterGraph* pGraph, LPCWSTR pName) {
  CAutoLock lock(m_pLock);
  m_pGraph = pGraph;
  m_pSink = nullptr;
  if (pGraph != nullptr) {
    // The sink is the graph itself. The reference QueryInterface adds is
    // given back at once: the graph outlives its membership of us, and a
    // counted pointer back to it would form a cycle that is never freed.
    IMediaEventSink* sink = nullptr;
    if (SUCCEEDED(pGraph->QueryInterface(IID_IMediaEventSink, reinterpret_cast<void**>(&sink)))) {
      m_pSink = sink;
      sink->Release();
    }
  }
  m_name = (pGraph != nullptr && pName != nullptr) ? pName : L"";
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::QueryVendorInfo(LPWSTR* pVendorInfo) {
  if (pVendorInfo != nullptr) *pVendorInfo = nullptr;
  return E_NOTIMPL;  // vendor information is optional
}

HRESULT CBaseFilter::NotifyEvent(long eventCode, LONG_PTR param1, LONG_PTR param2) {
  IMediaEventSink* sink = nullptr;
  {
    CAutoLock lock(m_pLock);
    sink = m_pSink;
  }
  if (sink == nullptr) return E_NOTIMPL;
  return sink->Notify(eventCode, param1, param2);
}
