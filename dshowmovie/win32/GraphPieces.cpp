#include "GraphPieces.h"

#include "ComAdapter.h"

namespace rushlight {

dshowmovie::ResultCode FindComPin(IBaseFilter* filter, const char16_t* name,
                                  dshowmovie::Pin** pin) {
  common::ComPtr<IPin> found;
  const HRESULT hr = filter->FindPin(AsWide(name), found.Put());
  if (FAILED(hr)) return hr;
  if (!found) return E_FAIL;
  return HandOutAdapter<ComPin>(std::move(found), pin);
}

dshowmovie::ResultCode ComMediaControl::getState(std::int32_t timeoutMs, std::int32_t* state) {
  OAFilterState platformState = State_Stopped;
  const HRESULT hr = control_->GetState(timeoutMs, &platformState);
  *state = static_cast<std::int32_t>(platformState);
  return hr;
}

dshowmovie::ResultCode ComMediaEvent::getEvent(std::int32_t* code, std::intptr_t* param1,
                                               std::intptr_t* param2, std::int32_t timeoutMs) {
  // Zeros stay when the queue is empty, whatever the platform leaves behind.
  long platformCode = 0;
  LONG_PTR platformParam1 = 0;
  LONG_PTR platformParam2 = 0;
  const HRESULT hr = events_->GetEvent(&platformCode, &platformParam1, &platformParam2, timeoutMs);
  if (FAILED(hr)) {
    platformCode = 0;
    platformParam1 = 0;
    platformParam2 = 0;
  }
  *code = static_cast<std::int32_t>(platformCode);
  *param1 = static_cast<std::intptr_t>(platformParam1);
  *param2 = static_cast<std::intptr_t>(platformParam2);
  return hr;
}

dshowmovie::ResultCode ComMediaEvent::freeEventParams(std::int32_t code, std::intptr_t param1,
                                                      std::intptr_t param2) {
  return events_->FreeEventParams(code, static_cast<LONG_PTR>(param1),
                                  static_cast<LONG_PTR>(param2));
}

}  // namespace rushlight
