#pragma once
// A graph's reference clock kept awake while the graph is released.
#include <windows.h>
#include <dshow.h>

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

}  // namespace rushlight
