#include "Win32MoviePlatform.h"

#include <windows.h>
#include <dshow.h>

#include "ComAdapter.h"
#include "ComFilterGraph.h"
#include "ComMediaDetector.h"
#include "Rushlight.h"

namespace rushlight {

dshowmovie::ResultCode Win32MoviePlatform::createMediaDetector(
    dshowmovie::MediaDetector** detector) {
  return CreateComMediaDetector(detector);
}

dshowmovie::ResultCode Win32MoviePlatform::createFilterGraph(dshowmovie::FilterGraph** graph) {
  common::ComPtr<IGraphBuilder> made;
  const HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_IGraphBuilder,
                                      made.PutVoid());
  if (FAILED(hr)) return hr;
  if (!made) return E_FAIL;
  return HandOutAdapter<ComFilterGraph>(std::move(made), graph);
}

dshowmovie::MovieFilter* Win32MoviePlatform::constructMovie() {
  return BrelIDirectShowMovieImpl::Construct();
}

}  // namespace rushlight
