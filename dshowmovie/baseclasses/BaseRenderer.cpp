#include "BaseRenderer.h"

#include <new>
#include <utility>

#include "PosPassThru.h"
#include "RendererInputPin.h"

namespace {

HANDLE NewEvent(bool manualReset, bool signalled) {
  return CreateEventW(nullptr, manualReset ? TRUE : FALSE, signalled ? TRUE : FALSE, nullptr);
}

LONGLONG Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToMs(LONGLONG ticks) {
  // Fixed at boot, so read once rather than on every picture.
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  return static_cast<double>(ticks) / ticksPerMs;
}

}  // namespace

CBaseRenderer::CBaseRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer,
                             HRESULT* phr)
    : CBaseFilter(objectName, outer, &m_InterfaceLock, renderClass),
      m_evComplete(NewEvent(true, true)),
      m_evWake(NewEvent(true, false)),
      m_evRender(NewEvent(false, false)) {
  if (!m_evComplete || !m_evWake || !m_evRender) {
    if (phr != nullptr) *phr = E_OUTOFMEMORY;
    return;
  }
  m_pInputPin.reset(new (std::nothrow) CRendererInputPin(this, phr, L"In"));
  if (m_pInputPin) {
    m_pPosition.reset(new (std::nothrow) CPosPassThru(nullptr, GetOwner(), m_pInputPin.get()));
  }
  if ((!m_pInputPin || !m_pPosition) && phr != nullptr) *phr = E_OUTOFMEMORY;
}

CBaseRenderer::~CBaseRenderer() {
  // The graph stops a filter before it lets it go; this covers a filter
  // released without that, so no advise outlives it.
  CAutoLock lock(&m_InterfaceLock);
  CancelAdvise();
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::NonDelegatingQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IMediaSeeking && m_pPosition) {
    return m_pPosition->NonDelegatingQueryInterface(riid, ppv);
  }
  if (riid == IID_IQualityControl) return GetInterface(static_cast<IQualityControl*>(this), ppv);
  if (riid == IID_IAMFilterMiscFlags) {
    return GetInterface(static_cast<IAMFilterMiscFlags*>(this), ppv);
  }
  return CBaseFilter::NonDelegatingQueryInterface(riid, ppv);
}

CBaseInputPin* CBaseRenderer::GetPin(int n) {
  return n == 0 ? m_pInputPin.get() : nullptr;
}

// --- State changes (graph thread) ---

HRESULT STDMETHODCALLTYPE CBaseRenderer::Stop() {
  CAutoLock filterLock(&m_InterfaceLock);
  if (m_State == State_Stopped) return S_OK;
  m_State = State_Stopped;
  HRESULT hr = S_OK;
  // Decommitting the allocator frees an upstream thread blocked in GetBuffer.
  if (m_pInputPin->IsConnected()) hr = m_pInputPin->Inactive();
  {
    CAutoLock rendererLock(&m_RendererLock);
    m_pPendingSample.Reset();  // tells a waiting Receive that it was aborted
    m_cSinceStart = 0;
    m_tLastStop = -1;
  }
  CancelAdvise();
  m_bEOS = false;
  m_bEOSDelivered = false;
  SetEvent(m_evComplete.Get());
  SetEvent(m_evWake.Get());
  return hr;
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::Pause() {
  CAutoLock filterLock(&m_InterfaceLock);
  CAutoLock rendererLock(&m_RendererLock);
  if (m_State == State_Paused) return ReadyLocked() ? S_OK : S_FALSE;
  if (m_State == State_Stopped) {
    m_bEOS = false;
    m_bEOSDelivered = false;
    if (m_pInputPin->IsConnected()) {
      const HRESULT hr = m_pInputPin->Active();
      if (FAILED(hr)) return hr;
    }
  }
  m_State = State_Paused;
  SetEvent(m_evWake.Get());  // a sample waiting for its time goes back to being held
  const bool ready = ReadyLocked();
  if (ready) {
    SetEvent(m_evComplete.Get());
  } else {
    ResetEvent(m_evComplete.Get());
  }
  return ready ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::Run(REFERENCE_TIME tStart) {
  bool complete = false;
  {
    CAutoLock filterLock(&m_InterfaceLock);
    if (m_State == State_Stopped) {
      const HRESULT hr = Pause();
      if (FAILED(hr)) return hr;
    }
    CAutoLock rendererLock(&m_RendererLock);
    m_tStart = tStart;
    m_State = State_Running;
    m_cSinceStart = 0;
    m_lastDrawTicks = 0;  // a pause is no interval between pictures
    SetEvent(m_evComplete.Get());
    SetEvent(m_evWake.Get());
    // End of stream that came while paused is reported now, and one already
    // reported is reported again: the graph forgets the completions it has
    // counted (and drops a queued EC_COMPLETE) whenever it starts running.
    m_bEOSDelivered = false;
    complete = TakeCompletion();
  }
  if (complete) SendCompletion();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::GetState(DWORD dwMilliSecsTimeout, FILTER_STATE* State) {
  if (State == nullptr) return E_POINTER;
  // No lock at all, as the platform's own base class answers: the
  // streaming thread holds the filter lock while it draws, and a derived
  // DoRenderSample may wait there for a lock of the caller's (the movie's
  // bufferLock, held by a host that asks isPaused() during its copy). The
  // transition is waited for on its event; the state is read whole.
  WaitForSingleObject(m_evComplete.Get(), dwMilliSecsTimeout);
  const FILTER_STATE state = m_State;
  *State = state;
  if (state == State_Paused && WaitForSingleObject(m_evComplete.Get(), 0) != WAIT_OBJECT_0) {
    return VFW_S_STATE_INTERMEDIATE;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::SetSyncSource(IReferenceClock* pClock) {
  CAutoLock filterLock(&m_InterfaceLock);
  CancelAdvise();  // an advise belongs to the clock it was made on
  SetEvent(m_evWake.Get());
  return CBaseFilter::SetSyncSource(pClock);
}

// --- Streaming thread ---

HRESULT CBaseRenderer::Receive(IMediaSample* pMediaSample) {
  if (pMediaSample == nullptr) return E_POINTER;
  {
    CAutoLock filterLock(&m_InterfaceLock);
    const HRESULT hr = m_pInputPin->CheckStreaming();
    if (hr != S_OK) return hr;
    if (m_bEOS) return VFW_E_SAMPLE_REJECTED_EOS;
    CAutoLock rendererLock(&m_RendererLock);
    // One streaming thread delivers one sample at a time.
    if (m_pPendingSample) return E_UNEXPECTED;
    m_pPendingSample = common::ComPtr<IMediaSample>::Copy(pMediaSample);
    NoteReceived(pMediaSample);
    if (m_State == State_Paused) {
      OnReceiveFirstSample(pMediaSample);
      SetEvent(m_evComplete.Get());
    }
  }

  for (;;) {
    bool presented = false;
    bool dropped = false;
    bool complete = false;
    bool advised = false;
    REFERENCE_TIME lateness = 0;
    HRESULT result = S_OK;
    {
      CAutoLock filterLock(&m_InterfaceLock);
      ResetEvent(m_evWake.Get());
      CancelAdvise();
      CAutoLock rendererLock(&m_RendererLock);
      if (m_pPendingSample.Get() != pMediaSample) {
        // Stop or a flush took the sample away.
        ++m_counts.discarded;
        return m_State == State_Stopped ? VFW_E_WRONG_STATE : S_FALSE;
      }
      if (m_State == State_Running) {
        if (IsDue(pMediaSample, &lateness)) {
          const common::ComPtr<IMediaSample> sample = std::move(m_pPendingSample);
          if (m_counts.firstLateness < 0) m_counts.firstLateness = lateness;
          if (ShouldDrawSampleNow(pMediaSample, lateness)) {
            const LONGLONG before = Ticks();
            result = DoRenderSample(pMediaSample);
            NoteDrawn(before, Ticks(), lateness);
          } else {
            ++m_counts.dropped;
            dropped = true;
          }
          ++m_cSinceStart;
          presented = true;
          complete = TakeCompletion();
        } else {
          advised = m_dwAdvise != 0;
        }
      }
    }
    if (presented) {
      if (dropped) OnSampleDropped(pMediaSample, lateness);
      if (complete) SendCompletion();
      return result;
    }
    // Paused (hold until a state change) or running and early (until the
    // clock's advise or a state change). No lock is held here.
    const HANDLE events[2] = {m_evWake.Get(), m_evRender.Get()};
    WaitForMultipleObjects(advised ? 2 : 1, events, FALSE, INFINITE);
  }
}

bool CBaseRenderer::IsDue(IMediaSample* sample, REFERENCE_TIME* lateness) {
  *lateness = 0;
  if (!m_pClock) return true;
  REFERENCE_TIME start = 0;
  REFERENCE_TIME stop = 0;
  if (FAILED(sample->GetTime(&start, &stop))) return true;  // no time stamp: show it now
  REFERENCE_TIME now = 0;
  if (FAILED(m_pClock->GetTime(&now))) return true;
  const REFERENCE_TIME due = m_tStart + start;
  if (due <= now) {
    *lateness = now - due;
    return true;
  }
  ResetEvent(m_evRender.Get());
  DWORD_PTR cookie = 0;
  if (FAILED(m_pClock->AdviseTime(m_tStart, start, reinterpret_cast<HEVENT>(m_evRender.Get()),
                                  &cookie))) {
    return true;  // a clock that cannot wait for us: show the sample now
  }
  m_dwAdvise = cookie;
  return false;
}

void CBaseRenderer::CancelAdvise() {
  if (m_dwAdvise == 0) return;
  if (m_pClock) m_pClock->Unadvise(m_dwAdvise);
  m_dwAdvise = 0;
}

HRESULT CBaseRenderer::EndOfStream() {
  bool complete = false;
  {
    CAutoLock filterLock(&m_InterfaceLock);
    const HRESULT hr = m_pInputPin->CheckStreaming();
    if (hr != S_OK) return hr;
    if (m_bEOS) return S_OK;
    m_bEOS = true;
    CAutoLock rendererLock(&m_RendererLock);
    if (m_State == State_Paused) SetEvent(m_evComplete.Get());
    complete = TakeCompletion();
  }
  if (complete) SendCompletion();
  return S_OK;
}

HRESULT CBaseRenderer::BeginFlush() {
  CAutoLock filterLock(&m_InterfaceLock);
  {
    CAutoLock rendererLock(&m_RendererLock);
    m_pPendingSample.Reset();
  }
  CancelAdvise();
  m_bEOS = false;
  m_bEOSDelivered = false;
  {
    CAutoLock rendererLock(&m_RendererLock);
    m_cSinceStart = 0;  // the first sample after a seek is a first picture again
    m_tLastStop = -1;
  }
  // Paused, the transition waits again for the first sample after the flush.
  if (m_State == State_Paused && m_pInputPin->IsConnected()) ResetEvent(m_evComplete.Get());
  SetEvent(m_evWake.Get());
  return S_OK;
}

HRESULT CBaseRenderer::EndFlush() { return S_OK; }

bool CBaseRenderer::TakeCompletion() {
  if (!m_bEOS || m_bEOSDelivered || m_State != State_Running || m_pPendingSample) return false;
  m_bEOSDelivered = true;
  return true;
}

void CBaseRenderer::SendCompletion() {
  NotifyEvent(EC_COMPLETE, S_OK, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)));
}

bool CBaseRenderer::ReadyLocked() {
  return !m_pInputPin->IsConnected() || m_bEOS || static_cast<bool>(m_pPendingSample);
}

// --- Type negotiation ---

HRESULT CBaseRenderer::CheckConnectionType(const CMediaType* pmt) {
  if (pmt == nullptr) return E_POINTER;
  const HRESULT hr = CheckFormatBlock(pmt);
  if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
  return CheckMediaType(pmt);
}

HRESULT CBaseRenderer::SetMediaType(const CMediaType* /*pmt*/) { return S_OK; }
void CBaseRenderer::OnReceiveFirstSample(IMediaSample* /*pMediaSample*/) {}
HRESULT CBaseRenderer::CompleteConnect(IPin* /*pReceivePin*/) { return S_OK; }
HRESULT CBaseRenderer::BreakConnect() { return S_OK; }
HRESULT CBaseRenderer::CheckFormatBlock(const CMediaType* /*pmt*/) { return S_OK; }
bool CBaseRenderer::ShouldDrawSampleNow(IMediaSample* /*pMediaSample*/,
                                        REFERENCE_TIME /*lateness*/) {
  return true;
}
void CBaseRenderer::OnSampleDropped(IMediaSample* /*pMediaSample*/, REFERENCE_TIME /*lateness*/) {}

void CBaseRenderer::NoteReceived(IMediaSample* sample) {
  ++m_counts.received;
  REFERENCE_TIME start = 0;
  REFERENCE_TIME stop = 0;
  if (sample->GetTime(&start, &stop) != S_OK || stop <= start) return;  // no whole time stamp
  const REFERENCE_TIME expected = m_tLastStop < 0 ? 0 : m_tLastStop;
  const REFERENCE_TIME duration = stop - start;
  if (start - expected >= duration / 2) {
    m_counts.missing += static_cast<long>((start - expected + duration / 2) / duration);
  }
  m_tLastStop = stop;
}

void CBaseRenderer::NoteDrawn(LONGLONG before, LONGLONG after, REFERENCE_TIME lateness) {
  ++m_counts.drawn;
  const REFERENCE_TIME spent = static_cast<REFERENCE_TIME>(TicksToMs(after - before) * 10000.0);
  m_counts.renderTime += spent;
  if (spent > m_counts.renderTimeMax) m_counts.renderTimeMax = spent;
  const double lateMs = static_cast<double>(lateness) / 10000.0;
  m_counts.latenessSumMs += lateMs;
  m_counts.latenessSquaresMs += lateMs * lateMs;
  if (m_lastDrawTicks != 0) {
    const double interval = TicksToMs(before - m_lastDrawTicks);
    m_counts.intervalSumMs += interval;
    m_counts.intervalSquaresMs += interval * interval;
    ++m_counts.intervals;
  }
  m_lastDrawTicks = before;
}

long CBaseRenderer::FramesDrawn() {
  CAutoLock rendererLock(&m_RendererLock);
  return m_counts.drawn;
}

long CBaseRenderer::FramesDropped() {
  CAutoLock rendererLock(&m_RendererLock);
  return m_counts.dropped;
}

RendererCounts CBaseRenderer::Counts() {
  CAutoLock rendererLock(&m_RendererLock);
  return m_counts;
}

// --- Quality control ---

HRESULT STDMETHODCALLTYPE CBaseRenderer::Notify(IBaseFilter* /*pSelf*/, Quality q) {
  return PassNotify(q);
}

HRESULT STDMETHODCALLTYPE CBaseRenderer::SetSink(IQualityControl* piqc) {
  CAutoLock filterLock(&m_InterfaceLock);
  m_pQSink = piqc;
  return S_OK;
}

HRESULT CBaseRenderer::PassNotify(const Quality& q) {
  IQualityControl* sink = nullptr;
  common::ComPtr<IPin> upstream;
  {
    CAutoLock filterLock(&m_InterfaceLock);
    sink = m_pQSink;
    if (sink == nullptr) upstream = common::ComPtr<IPin>::Copy(m_pInputPin->GetConnected());
  }
  if (sink != nullptr) return sink->Notify(static_cast<IBaseFilter*>(this), q);
  if (!upstream) return VFW_E_NOT_CONNECTED;
  common::ComPtr<IQualityControl> control;
  if (FAILED(upstream.As(IID_IQualityControl, control))) return E_NOTIMPL;
  return control->Notify(static_cast<IBaseFilter*>(this), q);
}

ULONG STDMETHODCALLTYPE CBaseRenderer::GetMiscFlags() { return AM_FILTER_MISC_FLAGS_IS_RENDERER; }
