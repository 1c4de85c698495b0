#pragma once
// CBaseFilter: IBaseFilter (with IMediaFilter and IPersist) for a filter whose
// pins are input pins derived from CBaseInputPin.
//
// The run start time and the reference clock are guarded by the filter lock
// that the derived class passes in. The state is changed only under that
// lock but kept atomic, so GetState reads it whole without the lock: a
// thread that holds the filter lock while it waits for something of its
// caller's (a renderer's streaming thread waiting for a lock the host
// holds) never holds up a state query. The filter graph pointer
// and the event sink are held without a reference: the graph owns the filter,
// so a reference back would keep both alive for ever.
#include <windows.h>
#include <dshow.h>

#include <atomic>
#include <string>

#include "CritSec.h"
#include "Unknown.h"
#include "win32/ComPtr.h"

class CBaseInputPin;

BASECLASSES_COM_CLASS_BEGIN
class CBaseFilter : public CUnknown, public IBaseFilter {
 public:
  // lock is the filter lock (owned by the derived class, outliving the base);
  // clsid is what GetClassID reports.
  CBaseFilter(LPCTSTR objectName, IUnknown* outer, CCritSec* lock, REFCLSID clsid);
  ~CBaseFilter() override;

  DECLARE_IUNKNOWN
  // Answers IBaseFilter, IMediaFilter and IPersist.
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  // IPersist
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClsID) override;

  // IMediaFilter. Stop and Pause tell the pins (Inactive/Active) when the
  // filter leaves or enters the stopped state; Run from stopped pauses first.
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE Pause() override;
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME tStart) override;
  // Takes no lock.
  HRESULT STDMETHODCALLTYPE GetState(DWORD dwMilliSecsTimeout, FILTER_STATE* State) override;
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* pClock) override;
  HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** pClock) override;

  // IBaseFilter
  HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** ppEnum) override;
  HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR Id, IPin** ppPin) override;
  HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* pInfo) override;
  HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* pGraph, LPCWSTR pName) override;
  HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* pVendorInfo) override;

  // Hook: the number of pins. Must not change while the filter is in a graph.
  virtual int GetPinCount() = 0;
  // Hook: pin n (0-based) without a new reference, null when out of range.
  virtual CBaseInputPin* GetPin(int n) = 0;

  // Passes an event to the graph's IMediaEventSink; E_NOTIMPL outside a graph.
  HRESULT NotifyEvent(long eventCode, LONG_PTR param1, LONG_PTR param2);

  // Read under the filter lock (or by its holder).
  bool IsStopped() const { return m_State == State_Stopped; }
  bool IsActive() const { return m_State != State_Stopped; }
  IFilterGraph* GetFilterGraph() const { return m_pGraph; }
  CCritSec* FilterLock() const { return m_pLock; }

 protected:
  CCritSec* const m_pLock;                   // the filter lock
  std::atomic<FILTER_STATE> m_State{State_Stopped};  // changed under m_pLock
  REFERENCE_TIME m_tStart = 0;               // stream time 0 on the clock, from Run
  common::ComPtr<IReferenceClock> m_pClock;  // under m_pLock; null: no clock
  IFilterGraph* m_pGraph = nullptr;          // not counted (the graph owns us)
  IMediaEventSink* m_pSink = nullptr;        // not counted, same object as m_pGraph
  std::wstring m_name;                       // name given in JoinFilterGraph

 private:
  const CLSID m_clsid;
};
BASECLASSES_COM_CLASS_END
