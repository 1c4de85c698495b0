// Many build, run, stop and release cycles leak neither handles nor
// references, and take bounded time.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "BaseTestGraph.h"
#include "BaseTestRenderer.h"
#include "win32/ComApartment.h"

namespace {

using basetest::ComPtr;
using basetest::TestRenderer;

// In libstrmiids, not declared by mingw's headers.
EXTERN_C const CLSID CLSID_NullRenderer;
EXTERN_C const CLSID CLSID_SampleGrabber;

// The same cycle with the platform's own filters in the renderer's place (a
// Sample Grabber taking 24-bit RGB only, then a Null Renderer): what the
// platform's graph, source and splitter keep of a cycle by themselves.
bool PlatformCycle(int n) {
  ComPtr<IBaseFilter> grabber;
  ComPtr<ISampleGrabber> grabbing;
  ComPtr<IBaseFilter> renderer;
  if (FAILED(CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
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
  grabbing->SetMediaType(&rgb24);
  basetest::TestGraph graph;
  if (graph.Build(grabber.Get(), n % 2 == 0 ? L"rgb24.avi" : L"i420.avi") != S_OK) return false;
  ComPtr<IPin> grabbed;
  ComPtr<IPin> rendered;
  if (FAILED(grabber->FindPin(L"Out", grabbed.Put())) ||
      FAILED(renderer->FindPin(L"In", rendered.Put())) ||
      FAILED(graph.graph->AddFilter(renderer.Get(), L"NULL")) ||
      FAILED(graph.graph->Connect(grabbed.Get(), rendered.Get()))) {
    return false;
  }
  if (FAILED(graph.RunWithoutClock())) return false;
  Sleep(n % 3);
  return SUCCEEDED(graph.control->Stop());
}

// One cycle: build, play a little of the movie (to the end every fifth
// time), stop, release. Returns false on a failure.
bool Cycle(int n) {
  ComPtr<TestRenderer> renderer = TestRenderer::Create();
  if (!renderer) return false;
  {
    basetest::TestGraph graph;
    if (graph.Build(renderer->Filter(), n % 2 == 0 ? L"rgb24.avi" : L"i420.avi") != S_OK) {
      return false;
    }
    if (FAILED(graph.RunWithoutClock())) return false;
    if (n % 5 == 0) {
      if (graph.WaitForEnd(20000) != EC_COMPLETE) return false;
    } else {
      Sleep(n % 3);  // stop at different moments of the stream
    }
    if (FAILED(graph.control->Stop())) return false;
  }
  return renderer->RefCount() == 1;
}

TEST(BaseStress, FiftyCyclesLeakNoMoreHandlesThanThePlatformsOwnRenderer) {
  if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  common::ComApartment com;
  // The first cycles load the platform's libraries and threads for good.
  for (int n = 0; n < 3; ++n) ASSERT_TRUE(Cycle(n)) << n;
  const DWORD handlesBefore = basetest::HandleCount();
  const LONGLONG started = basetest::Now();
  for (int n = 0; n < 50; ++n) ASSERT_TRUE(Cycle(n)) << n;
  const double seconds = basetest::Seconds(basetest::Now() - started);
  const long ours = static_cast<long>(basetest::HandleCount()) - static_cast<long>(handlesBefore);

  // Wine's graph keeps some handles of every intelligent connection through
  // its GStreamer splitter, whatever the renderer; measure that with the
  // platform's Sample Grabber and Null Renderer on the same path.
  for (int n = 0; n < 2; ++n) ASSERT_TRUE(PlatformCycle(n)) << n;
  const DWORD platformBefore = basetest::HandleCount();
  for (int n = 0; n < 10; ++n) ASSERT_TRUE(PlatformCycle(n)) << n;
  const long platform =
      static_cast<long>(basetest::HandleCount()) - static_cast<long>(platformBefore);

  std::printf("50 cycles: %.2f s; handles kept per cycle: %.2f (platform renderer: %.2f)\n",
              seconds, ours / 50.0, platform / 10.0);
  EXPECT_LT(seconds, 120.0);  // a hang or a deadlock, not a slow machine
  EXPECT_LE(ours, platform * 5 + 10);
}

}  // namespace
