#pragma once
// The platform's filter graph manager behind the core's FilterGraph. Owns the
// one reference creation obtained; release() deletes the adapter and so
// drops it.
#include <windows.h>
#include <dshow.h>

#include <utility>

#include "ClockWake.h"
#include "FilterGraph.h"
#include "win32/ComPtr.h"

namespace rushlight {

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
