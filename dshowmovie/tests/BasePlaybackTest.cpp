// Playing the test movies through the platform's filter graph manager into
// the test renderer: every frame arrives once, in order, at its time on the
// graph's clock (or at once without a clock), and the graph ends with
// EC_COMPLETE; the renderer's count is back to the test's own reference
// when the graph is gone.
#include <windows.h>
#include <dshow.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "BaseTestGraph.h"
#include "BaseTestRenderer.h"
#include "win32/ComApartment.h"

namespace {

using basetest::ComPtr;
using basetest::TestRenderer;

constexpr long kFrames = 30;
constexpr REFERENCE_TIME kFrameTime = 333333;  // 1/30 s

class BasePlayback : public testing::TestWithParam<const wchar_t*> {
 protected:
  void SetUp() override {
    if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
    ASSERT_TRUE(renderer_);
  }
  common::ComApartment com_;
  ComPtr<TestRenderer> renderer_ = TestRenderer::Create();
};

TEST_P(BasePlayback, WithoutClockEveryFrameArrivesAtOnce) {
  {
    basetest::TestGraph graph;
    ASSERT_EQ(graph.Build(renderer_->Filter(), GetParam()), S_OK);
    EXPECT_EQ(renderer_->SetMediaTypeCalls(), 1);
    EXPECT_EQ(renderer_->Width(), 64);
    EXPECT_EQ(renderer_->Height(), 48);

    const LONGLONG started = basetest::Now();
    ASSERT_TRUE(SUCCEEDED(graph.RunWithoutClock()));
    EXPECT_EQ(graph.WaitForEnd(20000), EC_COMPLETE);
    const double seconds = basetest::Seconds(basetest::Now() - started);
    std::printf("no clock: %.3f s\n", seconds);
    EXPECT_LT(seconds, 0.8);

    // Without a clock nothing is late, so nothing is dropped.
    EXPECT_EQ(renderer_->Rendered(), kFrames);
    EXPECT_EQ(renderer_->FramesDropped(), 0);
    const auto times = renderer_->StartTimes();
    ASSERT_EQ(times.size(), static_cast<size_t>(kFrames));
    for (long i = 0; i < kFrames; ++i) EXPECT_NEAR(times[i], i * kFrameTime, 10000) << i;
    for (long length : renderer_->DataLengths()) EXPECT_EQ(length, 64 * 48 * 3);
    EXPECT_EQ(graph.control->Stop(), S_OK);
  }
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST_P(BasePlayback, WithTheDefaultClockFramesArriveAtTheirTime) {
  {
    basetest::TestGraph graph;
    ASSERT_EQ(graph.Build(renderer_->Filter(), GetParam()), S_OK);
    const LONGLONG started = basetest::Now();
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    EXPECT_EQ(graph.WaitForEnd(20000), EC_COMPLETE);
    const double seconds = basetest::Seconds(basetest::Now() - started);
    std::printf("default clock: %.3f s, %ld drawn, %ld dropped\n", seconds,
                renderer_->FramesDrawn(), renderer_->FramesDropped());
    EXPECT_GE(seconds, 0.8);
    EXPECT_LT(seconds, 5.0);

    // Late frames may be dropped on a loaded machine, but every frame is
    // either drawn or dropped, and nearly all are drawn.
    EXPECT_EQ(renderer_->FramesDrawn() + renderer_->FramesDropped(), kFrames);
    EXPECT_GE(renderer_->FramesDrawn(), kFrames - 3);

    // The drawings are spread over the movie's second: the last comes about
    // 29 frame times after the first.
    const auto draws = renderer_->DrawTimes();
    ASSERT_GE(draws.size(), 2u);
    const double spread = basetest::Seconds(draws.back() - draws.front());
    EXPECT_GT(spread, 0.8);
    EXPECT_LT(spread, 1.5);
    EXPECT_EQ(graph.control->Stop(), S_OK);
  }
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

// A quality sink that keeps the renderer's messages from the upstream
// filter (which would skip pictures on them) and counts them.
BASECLASSES_COM_CLASS_BEGIN
class CountingSink final : public IQualityControl {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid != IID_IUnknown && riid != IID_IQualityControl) return E_NOINTERFACE;
    *ppv = static_cast<IQualityControl*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Notify(IBaseFilter*, Quality q) override {
    if (q.Type == Famine) InterlockedIncrement(&famines);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSink(IQualityControl*) override { return S_OK; }
  volatile LONG famines = 0;
};
BASECLASSES_COM_CLASS_END

// Builds the graph for `movie` into `renderer`, with `sink` as the
// renderer's quality sink, and runs it on the default clock as if started
// `late` (100 ns units) in the past.
void RunLate(basetest::TestGraph& graph, TestRenderer* renderer, const wchar_t* movie,
             CountingSink& sink, REFERENCE_TIME late) {
  ASSERT_EQ(graph.Build(renderer->Filter(), movie), S_OK);
  ComPtr<IQualityControl> quality;
  ASSERT_EQ(ComPtr<IBaseFilter>::Copy(renderer->Filter()).As(IID_IQualityControl, quality), S_OK);
  ASSERT_EQ(quality->SetSink(&sink), S_OK);
  ComPtr<IFilterGraph> filterGraph;
  ASSERT_EQ(graph.graph.As(IID_IFilterGraph, filterGraph), S_OK);
  ASSERT_EQ(filterGraph->SetDefaultSyncSource(), S_OK);
  ComPtr<IReferenceClock> clock;
  ASSERT_EQ(graph.mediaFilter->GetSyncSource(clock.Put()), S_OK);
  ASSERT_TRUE(clock);
  REFERENCE_TIME now = 0;
  ASSERT_EQ(clock->GetTime(&now), S_OK);
  ASSERT_TRUE(SUCCEEDED(graph.mediaFilter->Run(now - late)));
}

TEST_P(BasePlayback, LatePicturesSkipOneInTwoButNeverTheFirst) {
  // Started ten seconds in the past, every picture is far later than its
  // own duration: the first is drawn all the same, then one in two.
  CountingSink sink;
  {
    basetest::TestGraph graph;
    ASSERT_NO_FATAL_FAILURE(RunLate(graph, renderer_.Get(), GetParam(), sink, 100000000));
    EXPECT_EQ(graph.WaitForEnd(20000), EC_COMPLETE);

    EXPECT_EQ(renderer_->FramesDrawn() + renderer_->FramesDropped(), kFrames);
    const auto times = renderer_->StartTimes();
    ASSERT_FALSE(times.empty());
    EXPECT_EQ(times.front(), 0) << "the first picture was dropped";
    for (size_t i = 1; i < times.size(); ++i) {
      EXPECT_LE(times[i] - times[i - 1], 2 * kFrameTime + 10000) << "two dropped in a row at " << i;
    }
    EXPECT_EQ(renderer_->FramesDropped(), kFrames / 2);
    EXPECT_EQ(sink.famines, renderer_->FramesDropped());
    EXPECT_EQ(graph.control->Stop(), S_OK);
  }
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST(BaseLatePictures, APictureLateByLessThanItsOwnDurationIsDrawn) {
  // Pictures of 500 ms, the graph started some time in the past: each is
  // later than the 100 ms limit. 150 ms late, its time on screen is not
  // over, so it is drawn; ten seconds late, one in two goes (never the
  // first). Lateness only grows on a slow machine, so 150 ms leaves the
  // first case 350 ms of room.
  if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  common::ComApartment com;
  struct Case {
    REFERENCE_TIME late;
    long dropped;
  };
  for (const Case& c : {Case{1500000, 0}, Case{100000000, 2}}) {
    SCOPED_TRACE(testing::Message() << "started " << c.late / 10000 << " ms in the past");
    ComPtr<TestRenderer> renderer = TestRenderer::Create();
    CountingSink sink;  // keeps the source from skipping pictures on its own
    basetest::TestGraph graph;
    ASSERT_NO_FATAL_FAILURE(RunLate(graph, renderer.Get(), L"dib64x48slow.avi", sink, c.late));
    EXPECT_EQ(graph.WaitForEnd(20000), EC_COMPLETE);
    EXPECT_EQ(renderer->FramesDrawn() + renderer->FramesDropped(), 4);
    EXPECT_EQ(renderer->FramesDropped(), c.dropped);
    EXPECT_EQ(graph.control->Stop(), S_OK);
  }
}

INSTANTIATE_TEST_SUITE_P(Movies, BasePlayback,
                         testing::Values(L"rgb24.avi", L"i420.avi", L"mjpeg.avi"),
                         [](const testing::TestParamInfo<const wchar_t*>& movie) {
                           std::string name;
                           for (const wchar_t* p = movie.param; *p != L'.'; ++p) {
                             name += static_cast<char>(*p);
                           }
                           return name;
                         });

TEST(BasePlaybackSound, MovieWithSoundPlaysItsPicturesAlone) {
  if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  common::ComApartment com;
  ComPtr<TestRenderer> renderer = TestRenderer::Create();
  {
    basetest::TestGraph graph;
    ASSERT_EQ(graph.Build(renderer->Filter(), L"rgb24_snd.avi"), S_OK);
    ASSERT_TRUE(SUCCEEDED(graph.RunWithoutClock()));
    EXPECT_EQ(graph.WaitForEnd(20000), EC_COMPLETE);
    EXPECT_EQ(renderer->Rendered(), kFrames);

    // The graph's seeking reaches the source through the renderer.
    LONGLONG duration = 0;
    EXPECT_EQ(graph.seeking->GetDuration(&duration), S_OK);
    EXPECT_NEAR(static_cast<double>(duration), 10000000.0, 500000.0);
    graph.control->Stop();
  }
  EXPECT_EQ(renderer->RefCount(), 1u);
}

}  // namespace
