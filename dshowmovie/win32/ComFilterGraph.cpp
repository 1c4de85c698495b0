#include "ComFilterGraph.h"

#include "AnsiName.h"
#include "ComAdapter.h"
#include "GraphPieces.h"
#include "MovieComFilter.h"

namespace rushlight {
namespace {

// Every movie and pin the core hands back was made by this platform side,
// so the downcasts below are to the types that made them.
IBaseFilter* FilterOf(dshowmovie::MovieFilter& movie) {
  return static_cast<MovieComFilter&>(movie).baseFilter();
}

IPin* PinOf(dshowmovie::Pin& pin) { return static_cast<ComPin&>(pin).get(); }

template <class Adapter, class Core, class Com>
dshowmovie::ResultCode Query(IGraphBuilder* graph, REFIID iid, Core** out) {
  common::ComPtr<Com> com;
  const HRESULT hr = graph->QueryInterface(iid, com.PutVoid());
  if (FAILED(hr)) return hr;
  if (!com) return E_NOINTERFACE;
  return HandOutAdapter<Adapter>(std::move(com), out);
}

}  // namespace

dshowmovie::ResultCode ComFilterGraph::addFilter(dshowmovie::MovieFilter& movie,
                                                 const char16_t* name) {
  return graph_->AddFilter(FilterOf(movie), AsWide(name));
}

dshowmovie::ResultCode ComFilterGraph::addSourceFilter(const char* fileName, const char16_t* name,
                                                       dshowmovie::SourceFilter** source) {
  WCHAR wideName[dshowmovie::kFileNameBufferBytes];
  const HRESULT converted =
      AnsiToWide(fileName, wideName, static_cast<int>(dshowmovie::kFileNameBufferBytes));
  if (FAILED(converted)) return converted;
  common::ComPtr<IBaseFilter> filter;
  const HRESULT hr = graph_->AddSourceFilter(wideName, AsWide(name), filter.Put());
  if (FAILED(hr)) return hr;
  if (!filter) return E_FAIL;
  return HandOutAdapter<ComSourceFilter>(std::move(filter), source);
}

dshowmovie::ResultCode ComFilterGraph::connect(dshowmovie::Pin& output, dshowmovie::Pin& input) {
  return graph_->Connect(PinOf(output), PinOf(input));
}

dshowmovie::ResultCode ComFilterGraph::queryMediaControl(dshowmovie::MediaControl** control) {
  return Query<ComMediaControl, dshowmovie::MediaControl, IMediaControl>(graph_.Get(),
                                                                        IID_IMediaControl, control);
}

dshowmovie::ResultCode ComFilterGraph::queryMediaPosition(dshowmovie::MediaPosition** position) {
  return Query<ComMediaPosition, dshowmovie::MediaPosition, IMediaPosition>(
      graph_.Get(), IID_IMediaPosition, position);
}

dshowmovie::ResultCode ComFilterGraph::queryMediaEvent(dshowmovie::MediaEvent** events) {
  return Query<ComMediaEvent, dshowmovie::MediaEvent, IMediaEvent>(graph_.Get(), IID_IMediaEvent,
                                                                  events);
}

dshowmovie::ResultCode ComFilterGraph::removeFilter(dshowmovie::MovieFilter& movie) {
  return graph_->RemoveFilter(FilterOf(movie));
}

}  // namespace rushlight
