#pragma once
// The graph's pins, source filter and control interfaces behind the core's
// small interfaces. Each adapter owns one reference to its COM object;
// release() deletes the adapter, which drops that reference.
#include <windows.h>
#include <dshow.h>

#include <utility>

#include "FilterGraph.h"
#include "win32/ComPtr.h"

namespace rushlight {

class ComPin final : public dshowmovie::Pin {
 public:
  explicit ComPin(common::ComPtr<IPin> pin) : pin_(std::move(pin)) {}
  void release() override { delete this; }
  IPin* get() const { return pin_.Get(); }

 private:
  ~ComPin() = default;
  common::ComPtr<IPin> pin_;
};

// FindPin on any filter, handed out as a ComPin.
dshowmovie::ResultCode FindComPin(IBaseFilter* filter, const char16_t* name, dshowmovie::Pin** pin);

class ComSourceFilter final : public dshowmovie::SourceFilter {
 public:
  explicit ComSourceFilter(common::ComPtr<IBaseFilter> filter) : filter_(std::move(filter)) {}
  dshowmovie::ResultCode findPin(const char16_t* name, dshowmovie::Pin** pin) override {
    return FindComPin(filter_.Get(), name, pin);
  }
  void release() override { delete this; }

 private:
  ~ComSourceFilter() = default;
  common::ComPtr<IBaseFilter> filter_;
};

class ComMediaControl final : public dshowmovie::MediaControl {
 public:
  explicit ComMediaControl(common::ComPtr<IMediaControl> control) : control_(std::move(control)) {}
  dshowmovie::ResultCode run() override { return control_->Run(); }
  dshowmovie::ResultCode pause() override { return control_->Pause(); }
  dshowmovie::ResultCode stop() override { return control_->Stop(); }
  dshowmovie::ResultCode getState(std::int32_t timeoutMs, std::int32_t* state) override;
  void release() override { delete this; }

 private:
  ~ComMediaControl() = default;
  common::ComPtr<IMediaControl> control_;
};

class ComMediaPosition final : public dshowmovie::MediaPosition {
 public:
  explicit ComMediaPosition(common::ComPtr<IMediaPosition> position)
      : position_(std::move(position)) {}
  void release() override { delete this; }

 private:
  ~ComMediaPosition() = default;
  common::ComPtr<IMediaPosition> position_;
};

class ComMediaEvent final : public dshowmovie::MediaEvent {
 public:
  explicit ComMediaEvent(common::ComPtr<IMediaEvent> events) : events_(std::move(events)) {}
  dshowmovie::ResultCode getEvent(std::int32_t* code, std::intptr_t* param1,
                                  std::intptr_t* param2, std::int32_t timeoutMs) override;
  dshowmovie::ResultCode freeEventParams(std::int32_t code, std::intptr_t param1,
                                         std::intptr_t param2) override;
  void release() override { delete this; }

 private:
  ~ComMediaEvent() = default;
  common::ComPtr<IMediaEvent> events_;
};

}  // namespace rushlight
