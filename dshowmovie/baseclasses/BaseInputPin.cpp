#include "BaseInputPin.h"

#include <cwchar>
#include <new>

#include "BaseFilter.h"
#include "EnumMediaTypes.h"
#include "Unknown.h"

CBaseInputPin::CBaseInputPin(LPCTSTR /*objectName*/, CBaseFilter* filter, CCritSec* lock,
                             HRESULT* /*phr*/, LPCWSTR name)
    : m_pFilter(filter), m_pLock(lock), m_name(name != nullptr ? name : L"") {}

CBaseInputPin::~CBaseInputPin() = default;

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IPin) {
    return GetInterface(static_cast<IPin*>(this), ppv);
  }
  if (riid == IID_IMemInputPin) return GetInterface(static_cast<IMemInputPin*>(this), ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CBaseInputPin::AddRef() { return m_pFilter->AddRef(); }
ULONG STDMETHODCALLTYPE CBaseInputPin::Release() { return m_pFilter->Release(); }

HRESULT STDMETHODCALLTYPE CBaseInputPin::Connect(IPin* /*pReceivePin*/,
                                                 const AM_MEDIA_TYPE* /*pmt*/) {
  CAutoLock lock(m_pLock);
  if (m_Connected) return VFW_E_ALREADY_CONNECTED;
  return E_UNEXPECTED;  // connections are made from the output side
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveConnection(IPin* pConnector,
                                                           const AM_MEDIA_TYPE* pmt) {
  if (pConnector == nullptr || pmt == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  if (m_Connected) return VFW_E_ALREADY_CONNECTED;
  if (!m_pFilter->IsStopped()) return VFW_E_NOT_STOPPED;

  PIN_DIRECTION direction = PINDIR_INPUT;
  HRESULT hr = pConnector->QueryDirection(&direction);
  if (FAILED(hr)) return hr;
  if (direction != PINDIR_OUTPUT) return VFW_E_INVALID_DIRECTION;

  CMediaType offered;
  hr = offered.Set(*pmt);
  if (FAILED(hr)) return hr;
  if (CheckMediaType(&offered) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;

  m_Connected = common::ComPtr<IPin>::Copy(pConnector);
  hr = SetMediaType(&offered);
  if (SUCCEEDED(hr)) hr = CompleteConnect(pConnector);
  if (FAILED(hr)) {
    BreakConnect();
    m_Connected.Reset();
    m_mt.ResetFormatBuffer();
    m_mt.InitMediaType();
    return hr == E_OUTOFMEMORY ? hr : VFW_E_TYPE_NOT_ACCEPTED;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::Disconnect() {
  CAutoLock lock(m_pLock);
  if (!m_pFilter->IsStopped()) return VFW_E_NOT_STOPPED;
  if (!m_Connected) return S_FALSE;
  BreakConnect();
  m_Connected.Reset();
  m_mt.ResetFormatBuffer();
  m_mt.InitMediaType();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ConnectedTo(IPin** pPin) {
  if (pPin == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  *pPin = m_Connected.Get();
  if (*pPin == nullptr) return VFW_E_NOT_CONNECTED;
  (*pPin)->AddRef();  // the caller owns the reference it receives
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ConnectionMediaType(AM_MEDIA_TYPE* pmt) {
  if (pmt == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  if (!m_Connected) {
    *pmt = AM_MEDIA_TYPE();
    return VFW_E_NOT_CONNECTED;
  }
  return CopyMediaType(pmt, &m_mt);
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryPinInfo(PIN_INFO* pInfo) {
  if (pInfo == nullptr) return E_POINTER;
  // The caller releases the filter it receives.
  pInfo->pFilter = m_pFilter;
  m_pFilter->AddRef();
  pInfo->dir = PINDIR_INPUT;
  const size_t length = m_name.size() < MAX_PIN_NAME - 1 ? m_name.size() : MAX_PIN_NAME - 1;
  std::wmemcpy(pInfo->achName, m_name.c_str(), length);
  pInfo->achName[length] = L'\0';
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryDirection(PIN_DIRECTION* pPinDir) {
  if (pPinDir == nullptr) return E_POINTER;
  *pPinDir = PINDIR_INPUT;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryId(LPWSTR* Id) {
  if (Id == nullptr) return E_POINTER;
  const size_t bytes = (m_name.size() + 1) * sizeof(wchar_t);
  *Id = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
  if (*Id == nullptr) return E_OUTOFMEMORY;
  std::wmemcpy(*Id, m_name.c_str(), m_name.size() + 1);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryAccept(const AM_MEDIA_TYPE* pmt) {
  if (pmt == nullptr) return E_POINTER;
  CMediaType offered;
  if (FAILED(offered.Set(*pmt))) return E_OUTOFMEMORY;
  CAutoLock lock(m_pLock);
  return CheckMediaType(&offered) == S_OK ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::EnumMediaTypes(IEnumMediaTypes** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  auto* enumerator = new (std::nothrow) CEnumMediaTypes(this, 0);
  if (enumerator == nullptr) return E_OUTOFMEMORY;
  return GetInterface(static_cast<IEnumMediaTypes*>(enumerator), reinterpret_cast<void**>(ppEnum));
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryInternalConnections(IPin** /*apPin*/,
                                                                  ULONG* /*nPin*/) {
  return E_NOTIMPL;  // the documented answer for "every input feeds every output"
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::EndOfStream() { return CheckStreaming(); }

HRESULT STDMETHODCALLTYPE CBaseInputPin::BeginFlush() {
  CAutoLock lock(m_pLock);
  m_bFlushing = true;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::EndFlush() {
  CAutoLock lock(m_pLock);
  m_bFlushing = false;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::NewSegment(REFERENCE_TIME tStart, REFERENCE_TIME tStop,
                                                    double dRate) {
  CAutoLock lock(m_pLock);
  m_tSegmentStart = tStart;
  m_tSegmentStop = tStop;
  m_dSegmentRate = dRate;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::GetAllocator(IMemAllocator** ppAllocator) {
  if (ppAllocator == nullptr) return E_POINTER;
  *ppAllocator = nullptr;
  CAutoLock lock(m_pLock);
  if (!m_pAllocator) {
    const HRESULT hr = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IMemAllocator, m_pAllocator.PutVoid());
    if (FAILED(hr)) return hr;
  }
  *ppAllocator = m_pAllocator.Get();
  (*ppAllocator)->AddRef();  // the caller owns the reference it receives
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::NotifyAllocator(IMemAllocator* pAllocator,
                                                         BOOL bReadOnly) {
  if (pAllocator == nullptr) return E_POINTER;
  CAutoLock lock(m_pLock);
  m_pAllocator = common::ComPtr<IMemAllocator>::Copy(pAllocator);
  m_bReadOnly = bReadOnly != FALSE;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::GetAllocatorRequirements(ALLOCATOR_PROPERTIES* /*pProps*/) {
  return E_NOTIMPL;  // no requirements: the upstream pin decides
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::Receive(IMediaSample* pSample) {
  if (pSample == nullptr) return E_POINTER;
  const HRESULT hr = CheckStreaming();
  if (hr != S_OK) return hr;
  return TakeSampleType(pSample);
}

HRESULT CBaseInputPin::TakeSampleType(IMediaSample* pSample) {
  AM_MEDIA_TYPE* carried = nullptr;
  if (pSample->GetMediaType(&carried) != S_OK || carried == nullptr) return S_OK;
  CMediaType changed;
  HRESULT hr = changed.Set(*carried);
  DeleteMediaType(carried);
  if (FAILED(hr)) return hr;
  CAutoLock lock(m_pLock);
  if (changed == m_mt) return S_OK;
  if (CheckMediaType(&changed) != S_OK) return VFW_E_INVALIDMEDIATYPE;
  hr = SetMediaType(&changed);
  return FAILED(hr) ? VFW_E_INVALIDMEDIATYPE : S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveMultiple(IMediaSample** pSamples, long nSamples,
                                                         long* nSamplesProcessed) {
  if (pSamples == nullptr || nSamplesProcessed == nullptr) return E_POINTER;
  *nSamplesProcessed = 0;
  HRESULT hr = S_OK;
  while (*nSamplesProcessed < nSamples) {
    hr = Receive(pSamples[*nSamplesProcessed]);
    if (hr != S_OK) break;
    ++*nSamplesProcessed;
  }
  return hr;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveCanBlock() { return S_OK; }

HRESULT CBaseInputPin::SetMediaType(const CMediaType* pmt) { return m_mt.Set(*pmt); }

HRESULT CBaseInputPin::GetMediaType(int /*position*/, CMediaType* /*pmt*/) {
  return VFW_S_NO_MORE_ITEMS;
}

HRESULT CBaseInputPin::CompleteConnect(IPin* /*pReceivePin*/) { return S_OK; }

HRESULT CBaseInputPin::BreakConnect() {
  m_pAllocator.Reset();
  return S_OK;
}

HRESULT CBaseInputPin::Active() { return S_OK; }

HRESULT CBaseInputPin::Inactive() {
  m_bFlushing = false;
  if (!m_pAllocator) return S_OK;
  return m_pAllocator->Decommit();
}

HRESULT CBaseInputPin::CheckStreaming() {
  CAutoLock lock(m_pLock);
  if (!m_Connected) return VFW_E_NOT_CONNECTED;
  if (m_pFilter->IsStopped()) return VFW_E_WRONG_STATE;
  if (m_bFlushing) return S_FALSE;
  return S_OK;
}
