#pragma once
// CBaseInputPin: an input pin (IPin and IMemInputPin) of a CBaseFilter.
//
// The pin lives inside its filter and shares its reference count: AddRef and
// Release go to the filter, QueryInterface answers for the pin. Connection
// state is guarded by the filter lock. Media types are negotiated through the
// CheckMediaType and SetMediaType hooks; samples arrive through the
// platform's memory allocator (CLSID_MemoryAllocator) when the upstream pin
// asks this pin for one.
#include <windows.h>
#include <dshow.h>

#include <string>

#include "CritSec.h"
#include "MediaType.h"
#include "Unknown.h"
#include "win32/ComPtr.h"

class CBaseFilter;

BASECLASSES_COM_CLASS_BEGIN
class CBaseInputPin : public IPin, public IMemInputPin {
 public:
  // lock is the filter lock; name is the pin's name and id ("In" for a
  // renderer). *phr is left alone on success.
  CBaseInputPin(LPCTSTR objectName, CBaseFilter* filter, CCritSec* lock, HRESULT* phr,
                LPCWSTR name);
  virtual ~CBaseInputPin();
  CBaseInputPin(const CBaseInputPin&) = delete;
  CBaseInputPin& operator=(const CBaseInputPin&) = delete;

  // IUnknown: IPin, IMemInputPin and IUnknown of the pin; counts are the filter's.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IPin. An input pin never starts a connection: Connect is E_UNEXPECTED.
  HRESULT STDMETHODCALLTYPE Connect(IPin* pReceivePin, const AM_MEDIA_TYPE* pmt) override;
  HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* pConnector, const AM_MEDIA_TYPE* pmt) override;
  HRESULT STDMETHODCALLTYPE Disconnect() override;
  HRESULT STDMETHODCALLTYPE ConnectedTo(IPin** pPin) override;
  HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE* pmt) override;
  HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO* pInfo) override;
  HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* pPinDir) override;
  HRESULT STDMETHODCALLTYPE QueryId(LPWSTR* Id) override;
  HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* pmt) override;
  HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes** ppEnum) override;
  HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin** apPin, ULONG* nPin) override;
  HRESULT STDMETHODCALLTYPE EndOfStream() override;
  HRESULT STDMETHODCALLTYPE BeginFlush() override;
  HRESULT STDMETHODCALLTYPE EndFlush() override;
  HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME tStart, REFERENCE_TIME tStop,
                                       double dRate) override;

  // IMemInputPin
  HRESULT STDMETHODCALLTYPE GetAllocator(IMemAllocator** ppAllocator) override;
  HRESULT STDMETHODCALLTYPE NotifyAllocator(IMemAllocator* pAllocator, BOOL bReadOnly) override;
  HRESULT STDMETHODCALLTYPE GetAllocatorRequirements(ALLOCATOR_PROPERTIES* pProps) override;
  // Checks the streaming state and takes a type change carried by the
  // sample (accepted only through CheckMediaType, then SetMediaType).
  HRESULT STDMETHODCALLTYPE Receive(IMediaSample* pSample) override;
  HRESULT STDMETHODCALLTYPE ReceiveMultiple(IMediaSample** pSamples, long nSamples,
                                            long* nSamplesProcessed) override;
  HRESULT STDMETHODCALLTYPE ReceiveCanBlock() override;

  // Hook: S_OK when the type is acceptable; anything else refuses it.
  virtual HRESULT CheckMediaType(const CMediaType* pmt) = 0;
  // Hook: the agreed type; the base stores it as the connection type.
  // A failure refuses the connection (or the type change).
  virtual HRESULT SetMediaType(const CMediaType* pmt);
  // Hook: preferred type number position for EnumMediaTypes; S_OK or
  // VFW_S_NO_MORE_ITEMS. The base offers none.
  virtual HRESULT GetMediaType(int position, CMediaType* pmt);
  // Hook: the connection is made (type set); a failure undoes it.
  virtual HRESULT CompleteConnect(IPin* pReceivePin);
  // Hook: the connection is being broken; the base drops the allocator.
  virtual HRESULT BreakConnect();
  // Hooks: the filter leaves (Inactive) or enters (Active) the stopped
  // state. Inactive decommits the allocator, which frees an upstream thread
  // waiting for a buffer.
  virtual HRESULT Active();
  virtual HRESULT Inactive();

  // S_OK while samples may be delivered, S_FALSE while flushing,
  // VFW_E_WRONG_STATE when stopped, VFW_E_NOT_CONNECTED when unconnected.
  // Takes the filter lock.
  HRESULT CheckStreaming();

  const wchar_t* Name() const { return m_name.c_str(); }
  // Under the filter lock.
  bool IsConnected() const { return static_cast<bool>(m_Connected); }
  bool IsFlushing() const { return m_bFlushing; }
  IPin* GetConnected() const { return m_Connected.Get(); }
  const CMediaType& CurrentMediaType() const { return m_mt; }

 protected:
  CBaseFilter* const m_pFilter;  // our owner; its count is ours
  CCritSec* const m_pLock;       // the filter lock
  const std::wstring m_name;
  common::ComPtr<IPin> m_Connected;             // the upstream output pin
  CMediaType m_mt;                              // the connection type
  common::ComPtr<IMemAllocator> m_pAllocator;   // the allocator in use
  bool m_bReadOnly = false;
  bool m_bFlushing = false;
  REFERENCE_TIME m_tSegmentStart = 0;
  REFERENCE_TIME m_tSegmentStop = 0;
  double m_dSegmentRate = 1.0;

 private:
  HRESULT TakeSampleType(IMediaSample* pSample);
};
BASECLASSES_COM_CLASS_END
