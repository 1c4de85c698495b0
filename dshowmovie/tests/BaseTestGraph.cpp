#include "BaseTestGraph.h"

#include <cstdlib>

#include "win32/ProcessHandles.h"

namespace basetest {

std::wstring TestMovie(const wchar_t* name) {
  const char* dir = std::getenv("TEST_MOVIE_DIR");
  if (dir == nullptr || *dir == '\0') return std::wstring();
  // Unix paths are reached through Wine's Z: drive.
  std::wstring path = dir[0] == '/' ? L"Z:" : L"";
  for (const char* p = dir; *p != '\0'; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
  return path + L"\\" + name;
}

HRESULT TestGraph::Build(IBaseFilter* renderer, const wchar_t* movieName) {
  HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                graph.PutVoid());
  if (FAILED(hr)) return hr;
  if (FAILED(hr = graph.As(IID_IMediaControl, control))) return hr;
  if (FAILED(hr = graph.As(IID_IMediaEvent, events))) return hr;
  if (FAILED(hr = graph.As(IID_IMediaFilter, mediaFilter))) return hr;
  if (FAILED(hr = graph.As(IID_IMediaSeeking, seeking))) return hr;
  if (FAILED(hr = graph->AddFilter(renderer, L"RENDERER"))) return hr;

  const std::wstring path = TestMovie(movieName);
  ComPtr<IBaseFilter> source;
  if (FAILED(hr = graph->AddSourceFilter(path.c_str(), L"SOURCE", source.Put()))) return hr;
  ComPtr<IPin> output;
  ComPtr<IPin> input;
  if (FAILED(hr = source->FindPin(L"Output", output.Put()))) return hr;
  if (FAILED(hr = renderer->FindPin(L"In", input.Put()))) return hr;
  return graph->Connect(output.Get(), input.Get());
}

HRESULT TestGraph::RunWithoutClock() {
  const HRESULT hr = mediaFilter->SetSyncSource(nullptr);
  if (FAILED(hr)) return hr;
  return control->Run();
}

long TestGraph::WaitForEnd(long milliseconds) {
  long code = 0;
  if (events->WaitForCompletion(milliseconds, &code) != S_OK) return 0;
  return code;
}

HRESULT TestGraph::Rewind() {
  LONGLONG start = 0;
  return seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                               AM_SEEKING_NoPositioning);
}

DWORD HandleCount() { return common::ProcessHandleCount(); }

}  // namespace basetest
