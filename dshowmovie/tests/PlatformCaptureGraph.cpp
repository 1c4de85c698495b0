#include "PlatformCaptureGraph.h"

#include <vector>

// In libstrmiids, not declared by mingw's headers.
EXTERN_C const CLSID CLSID_NullRenderer;
EXTERN_C const CLSID CLSID_SampleGrabber;

namespace librarytest {

using common::ComPtr;

std::wstring Wide(const std::string& narrow) {
  std::vector<wchar_t> wide(narrow.size() + 1);
  const int n = MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, wide.data(),
                                    static_cast<int>(wide.size()));
  return n > 0 ? std::wstring(wide.data()) : std::wstring();
}

bool BuildPlatformCaptureGraph(const std::wstring& fileName, ISampleGrabberCB* callback,
                               PlatformCaptureGraph* built) {
  ComPtr<IGraphBuilder> graph;
  ComPtr<IBaseFilter> grabber;
  ComPtr<ISampleGrabber> grabbing;
  ComPtr<IBaseFilter> renderer;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_IGraphBuilder,
                              graph.PutVoid())) ||
      FAILED(CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                              grabber.PutVoid())) ||
      FAILED(grabber.As(IID_ISampleGrabber, grabbing)) ||
      FAILED(CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                              renderer.PutVoid()))) {
    return false;
  }
  AM_MEDIA_TYPE rgb24 = {};
  rgb24.majortype = MEDIATYPE_Video;
  rgb24.subtype = MEDIASUBTYPE_RGB24;
  rgb24.formattype = FORMAT_VideoInfo;
  ComPtr<IBaseFilter> source;
  ComPtr<IPin> output;
  ComPtr<IPin> grabberIn;
  ComPtr<IPin> grabberOut;
  ComPtr<IPin> rendererIn;
  ComPtr<IMediaControl> control;
  if (FAILED(grabbing->SetMediaType(&rgb24)) ||
      (callback != nullptr && FAILED(grabbing->SetCallback(callback, 0))) ||
      FAILED(graph->AddFilter(grabber.Get(), L"GRABBER")) ||
      FAILED(graph->AddFilter(renderer.Get(), L"NULL")) ||
      FAILED(graph->AddSourceFilter(fileName.c_str(), L"SOURCE", source.Put())) ||
      FAILED(source->FindPin(L"Output", output.Put())) ||
      FAILED(grabber->FindPin(L"In", grabberIn.Put())) ||
      FAILED(grabber->FindPin(L"Out", grabberOut.Put())) ||
      FAILED(renderer->FindPin(L"In", rendererIn.Put())) ||
      FAILED(graph->Connect(output.Get(), grabberIn.Get())) ||
      FAILED(graph->Connect(grabberOut.Get(), rendererIn.Get())) ||
      FAILED(graph.As(IID_IMediaControl, control))) {
    return false;
  }
  built->graph = std::move(graph);
  built->grabbing = std::move(grabbing);
  built->control = std::move(control);
  return true;
}

}  // namespace librarytest
