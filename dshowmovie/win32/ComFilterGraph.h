#pragma once
// The platform's filter graph manager behind the core's FilterGraph. Owns the
// one reference creation obtained; release() deletes the adapter and so
// drops it.
#include <windows.h>
#include <dshow.h>

#include <utility>

#include "FilterGraph.h"
#include "win32/ComPtr.h"
#include "win32/UniqueHandle.h"

namespace rushlight {

// Keeps the advise thread of a graph's reference clock from sleeping
// without a time-out while the graph is released. Wine's system clock
// (quartz's systemclock.c, 8.0 and the later versions read) looks at its
// stop request only after each sleep: a stop requested while its thread is
// between two sleeps is missed, and with no advise pending the thread then
// sleeps for good while the clock's final Release waits for it. Deleting a
// movie hung so on a busy machine. With a periodic advise pending every
// sleep ends within kPeriod, so a missed stop costs at most one period.
// Armed as the graph goes and held until it has gone (the clock's thread
// signals the semaphore until then); on Windows it costs one semaphore.
class ClockWake {
 public:
  static constexpr REFERENCE_TIME kPeriod = 20 * 10000;  // 20 ms

  ClockWake() = default;
  // Lets go of the clock (normally its last reference, which ends its
  // thread), then closes the semaphore, unless the clock lives on.
  ~ClockWake();
  ClockWake(const ClockWake&) = delete;
  ClockWake& operator=(const ClockWake&) = delete;

  // Sets up the periodic advise on the graph's clock; nothing when the
  // graph has no clock or the clock refuses.
  void Arm(IGraphBuilder* graph);

 private:
  common::ComPtr<IReferenceClock> clock_;
  common::UniqueHandle semaphore_;
};

class ComFilterGraph final : public dshowmovie::FilterGraph {
 public:
  explicit ComFilterGraph(common::ComPtr<IGraphBuilder> graph) : graph_(std::move(graph)) {}

  dshowmovie::ResultCode addFilter(dshowmovie::MovieFilter& movie, const char16_t* name) override;
  dshowmovie::ResultCode addSourceFilter(const char* fileName, const char16_t* name,
                                         dshowmovie::SourceFilter** source) override;
  dshowmovie::ResultCode connect(dshowmovie::Pin& output, dshowmovie::Pin& input) override;
  dshowmovie::ResultCode queryMediaControl(dshowmovie::MediaControl** control) override;
  dshowmovie::ResultCode queryMediaPosition(dshowmovie::MediaPosition** position) override;
  dshowmovie::ResultCode queryMediaEvent(dshowmovie::MediaEvent** events) override;
  dshowmovie::ResultCode removeFilter(dshowmovie::MovieFilter& movie) override;
  void release() override { delete this; }

 private:
  // The graph is released with the clock kept awake (see ClockWake).
  ~ComFilterGraph() { wake_.Arm(graph_.Get()); }
  ClockWake wake_;  // destroyed after graph_
  common::ComPtr<IGraphBuilder> graph_;
};

}  // namespace rushlight
