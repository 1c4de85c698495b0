#include "ClockWake.h"

#include <climits>
#include <utility>

namespace rushlight {

void ClockWake::Arm(IGraphBuilder* graph) {
  if (graph == nullptr) return;
  common::ComPtr<IMediaFilter> filter;
  common::ComPtr<IReferenceClock> clock;
  if (FAILED(graph->QueryInterface(IID_IMediaFilter, filter.PutVoid())) || !filter ||
      FAILED(filter->GetSyncSource(clock.Put())) || !clock) {
    return;
  }
  common::UniqueHandle semaphore(CreateSemaphoreW(nullptr, 0, LONG_MAX, nullptr));
  REFERENCE_TIME now = 0;
  DWORD_PTR cookie = 0;
  if (!semaphore || FAILED(clock->GetTime(&now)) ||
      FAILED(clock->AdvisePeriodic(now + kPeriod, kPeriod,
                                   reinterpret_cast<HSEMAPHORE>(semaphore.Get()), &cookie))) {
    return;
  }
  // Never unadvised: the advise goes with the clock.
  clock_ = std::move(clock);
  semaphore_ = std::move(semaphore);
}

ClockWake::~ClockWake() {
  if (!clock_) return;
  // A clock that someone else still holds may signal the semaphore later:
  // it is left open then rather than closed under the clock's feet.
  if (clock_.Detach()->Release() != 0) semaphore_.Detach();
}

}  // namespace rushlight
