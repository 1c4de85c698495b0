#pragma once
// CBaseRenderer: a renderer filter with one input pin, "In", that presents
// each sample at its time on the graph's reference clock.
//
// Threads and locks. State changes (Stop, Pause, Run) and GetState come from
// the graph's thread; samples, end of stream and flushes from the upstream
// filter's streaming thread. Two locks: the filter lock (m_InterfaceLock,
// state, clock, pin connection) and the renderer lock (m_RendererLock, the
// sample being presented and the frame counters). The order is always the
// filter lock, then the renderer lock. DoRenderSample is called with both
// held; a derived class may take locks of its own inside them. GetState
// takes neither, so a query is answered even while DoRenderSample waits.
//
// Scheduling. Receive keeps the sample and waits, holding no lock, until
// its start time plus the run start time given to Run has come on the clock
// (IReferenceClock::AdviseTime signals an event), or until a state change
// or flush wakes it. Without a clock, or for a sample without times, the
// sample is presented as soon as the filter runs. While paused the sample
// is held and Receive blocks; Stop and BeginFlush take the sample away and
// wake the streaming thread, so neither waits for the clock.
//
// Pause from stopped completes (GetState stops answering
// VFW_S_STATE_INTERMEDIATE) when a sample arrives, at end of stream, or at
// once when the pin is not connected. EC_COMPLETE goes to the graph once,
// after end of stream, when no sample is left to present and the filter is
// running; it is sent with no lock held.
#include <windows.h>
#include <dshow.h>

#include <memory>

#include "BaseFilter.h"
#include "CritSec.h"
#include "MediaType.h"
#include "win32/ComPtr.h"
#include "win32/UniqueHandle.h"

class CRendererInputPin;
class CPosPassThru;

// What became of the samples a renderer received, and how long it spent on
// them; for IQualProp and for a derived class's own statistics.
struct RendererCounts {
  long received = 0;   // samples Receive accepted
  long drawn = 0;      // presented through DoRenderSample
  long dropped = 0;    // judged too late by ShouldDrawSampleNow
  long discarded = 0;  // taken away by Stop or a flush before their turn
  // Pictures that never came: gaps in the time stamps of consecutive
  // samples (or before the first after a start or a flush), counted in
  // sample durations. An upstream filter that skips pictures shows here.
  long missing = 0;
  REFERENCE_TIME renderTime = 0;      // spent in DoRenderSample, in total (100 ns)
  REFERENCE_TIME renderTimeMax = 0;   // and at most for one sample
  REFERENCE_TIME firstLateness = -1;  // of the first sample presented or dropped; -1: none yet
  // Of the drawn samples: lateness (0 when early or without a clock), its
  // sum and sum of squares in milliseconds, and the intervals between draws
  // on the system's performance counter, in milliseconds.
  double latenessSumMs = 0;
  double latenessSquaresMs = 0;
  double intervalSumMs = 0;
  double intervalSquaresMs = 0;
  long intervals = 0;
};

BASECLASSES_COM_CLASS_BEGIN
class CBaseRenderer : public CBaseFilter, public IQualityControl, public IAMFilterMiscFlags {
 public:
  // renderClass is the filter's class identifier. *phr is set to a failure
  // when the events or the pin cannot be made, and left alone otherwise.
  CBaseRenderer(REFCLSID renderClass, LPCTSTR objectName, IUnknown* outer, HRESULT* phr);
  ~CBaseRenderer() override;

  DECLARE_IUNKNOWN
  // Adds IMediaSeeking (passed upstream), IQualityControl and
  // IAMFilterMiscFlags to the base filter's interfaces. A derived class that
  // overrides this answers its own interfaces and calls this one.
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  // IMediaFilter
  HRESULT STDMETHODCALLTYPE Stop() override;
  // S_FALSE while the transition waits for a sample.
  HRESULT STDMETHODCALLTYPE Pause() override;
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME tStart) override;
  // Waits up to dwMilliSecsTimeout for an incomplete Pause; then
  // VFW_S_STATE_INTERMEDIATE if it is still incomplete. Takes neither lock,
  // so it answers while the streaming thread holds them.
  HRESULT STDMETHODCALLTYPE GetState(DWORD dwMilliSecsTimeout, FILTER_STATE* State) override;
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* pClock) override;

  // CBaseFilter: the one input pin.
  int GetPinCount() override { return 1; }
  CBaseInputPin* GetPin(int n) override;

  // IQualityControl. Messages are passed to the sink set here or else to
  // the upstream pin. The sink is held without a reference: it belongs to
  // the graph, which owns this filter.
  HRESULT STDMETHODCALLTYPE Notify(IBaseFilter* pSelf, Quality q) override;
  HRESULT STDMETHODCALLTYPE SetSink(IQualityControl* piqc) override;

  // IAMFilterMiscFlags: this filter is a renderer, so the graph waits for
  // its EC_COMPLETE.
  ULONG STDMETHODCALLTYPE GetMiscFlags() override;

  // --- Hooks for derived classes ---

  // Whether the offered type can be rendered: S_OK accepts, anything else
  // refuses. Called during connection (and for a type carried by a sample)
  // with the filter lock held; the format block has already been checked by
  // CheckFormatBlock.
  virtual HRESULT CheckMediaType(const CMediaType* pmt) = 0;
  // The agreed type, before the connection completes (and again for an
  // accepted type change). A failure refuses the type. Default: S_OK.
  virtual HRESULT SetMediaType(const CMediaType* pmt);
  // Presents one sample, on the streaming thread, with the filter lock and
  // the renderer lock held. A failure is returned to the upstream filter.
  virtual HRESULT DoRenderSample(IMediaSample* pMediaSample) = 0;
  // A sample arrived while paused (the one that will be shown first when
  // the graph runs). Both locks held. Default: nothing.
  virtual void OnReceiveFirstSample(IMediaSample* pMediaSample);
  // The connection is complete / is being broken (filter lock held).
  virtual HRESULT CompleteConnect(IPin* pReceivePin);
  virtual HRESULT BreakConnect();
  // Checks the format block of an offered type before CheckMediaType, so
  // that no derived class reads past a block that is too short. Default:
  // S_OK.
  virtual HRESULT CheckFormatBlock(const CMediaType* pmt);
  // Called when a sample's presentation time has come (lateness >= 0 in
  // 100 ns units, 0 without a clock): true draws it, false drops it. Both
  // locks held. Default: always draw.
  virtual bool ShouldDrawSampleNow(IMediaSample* pMediaSample, REFERENCE_TIME lateness);
  // A sample was dropped; called with no lock held. Default: nothing.
  virtual void OnSampleDropped(IMediaSample* pMediaSample, REFERENCE_TIME lateness);

  // --- Entry points of the input pin (streaming or flushing thread) ---

  HRESULT Receive(IMediaSample* pMediaSample);
  HRESULT EndOfStream();
  HRESULT BeginFlush();
  HRESULT EndFlush();
  // CheckFormatBlock, then CheckMediaType.
  HRESULT CheckConnectionType(const CMediaType* pmt);

  // Samples presented through DoRenderSample and samples dropped, since
  // construction.
  long FramesDrawn();
  long FramesDropped();
  // Every count, taken under the renderer lock.
  RendererCounts Counts();

 protected:
  // Passes a quality message to the sink or the upstream pin (no lock held).
  HRESULT PassNotify(const Quality& q);
  // Under the renderer lock: samples presented or dropped since the filter
  // last started running or was flushed. 0 means the next sample is the
  // first picture of a start, a resume or a seek.
  long SamplesSinceStart() const { return m_cSinceStart; }

  CCritSec m_InterfaceLock;  // the filter lock (CBaseFilter::m_pLock points here)
  CCritSec m_RendererLock;   // the sample being presented, the counters
  std::unique_ptr<CRendererInputPin> m_pInputPin;

 private:
  // Under both locks: true when the sample is due now (lateness set), false
  // when an advise was set up on the clock to wait for it.
  bool IsDue(IMediaSample* sample, REFERENCE_TIME* lateness);
  void CancelAdvise();  // filter lock held
  // Under both locks: whether EC_COMPLETE is to be sent now (marks it sent).
  bool TakeCompletion();
  void SendCompletion();
  bool ReadyLocked();  // both locks: a paused transition may complete
  // Renderer lock: counts a drawn sample that took [before, after] on the
  // performance counter and came `lateness` after its time.
  void NoteDrawn(LONGLONG before, LONGLONG after, REFERENCE_TIME lateness);
  // Renderer lock: counts a received sample and any gap before it.
  void NoteReceived(IMediaSample* sample);

  std::unique_ptr<CPosPassThru> m_pPosition;
  common::UniqueHandle m_evComplete;  // manual reset; set: no transition pending
  common::UniqueHandle m_evWake;      // manual reset; set on every state change and flush
  common::UniqueHandle m_evRender;    // signalled by the clock at presentation time
  DWORD_PTR m_dwAdvise = 0;           // the clock's advise cookie; 0: none (filter lock)
  common::ComPtr<IMediaSample> m_pPendingSample;  // renderer lock
  bool m_bEOS = false;                // end of stream received (filter lock)
  bool m_bEOSDelivered = false;       // EC_COMPLETE sent for it (filter lock)
  RendererCounts m_counts;            // renderer lock
  long m_cSinceStart = 0;             // renderer lock
  REFERENCE_TIME m_tLastStop = -1;    // renderer lock: end of the last sample received; -1: none
  LONGLONG m_lastDrawTicks = 0;       // performance counter at the last draw; 0: none
  IQualityControl* m_pQSink = nullptr;  // not counted: the graph's, see SetSink
};
BASECLASSES_COM_CLASS_END
