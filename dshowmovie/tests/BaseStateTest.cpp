// State changes of the renderer inside a playing graph: pause holds the
// picture, an incomplete pause reports VFW_S_STATE_INTERMEDIATE, Stop in the
// middle of playback returns at once, and a stopped graph plays again.
#include <windows.h>
#include <dshow.h>

#include <gtest/gtest.h>

#include "BaseTestGraph.h"
#include "BaseTestRenderer.h"
#include "win32/ComApartment.h"

namespace {

using basetest::ComPtr;
using basetest::TestRenderer;

class BaseState : public testing::Test {
 protected:
  void SetUp() override {
    if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
    ASSERT_TRUE(renderer_);
    ASSERT_EQ(graph_.Build(renderer_->Filter(), L"rgb24.avi"), S_OK);
  }
  void TearDown() override {
    if (graph_.control) graph_.control->Stop();
  }
  // Waits until at least count frames were drawn (or the time runs out).
  bool WaitForFrames(long count, DWORD milliseconds) {
    const DWORD until = GetTickCount() + milliseconds;
    while (renderer_->Rendered() < count) {
      if (static_cast<LONG>(GetTickCount() - until) > 0) return false;
      Sleep(5);
    }
    return true;
  }

  // Takes every queued event; true if one was EC_COMPLETE.
  bool CompletionQueued() {
    bool complete = false;
    long code = 0;
    LONG_PTR param1 = 0;
    LONG_PTR param2 = 0;
    while (graph_.events->GetEvent(&code, &param1, &param2, 0) == S_OK) {
      complete = complete || code == EC_COMPLETE;
      graph_.events->FreeEventParams(code, param1, param2);
    }
    return complete;
  }

  common::ComApartment com_;
  ComPtr<TestRenderer> renderer_ = TestRenderer::Create();
  basetest::TestGraph graph_;
};

TEST_F(BaseState, PauseWithoutASampleStaysIntermediateUntilStopped) {
  // The renderer alone is paused: its upstream filter is stopped, so no
  // sample can complete the transition.
  EXPECT_EQ(renderer_->Pause(), S_FALSE);
  FILTER_STATE state = State_Stopped;
  EXPECT_EQ(renderer_->GetState(0, &state), VFW_S_STATE_INTERMEDIATE);
  EXPECT_EQ(state, State_Paused);
  const LONGLONG started = basetest::Now();
  EXPECT_EQ(renderer_->GetState(100, &state), VFW_S_STATE_INTERMEDIATE);
  EXPECT_GE(basetest::Seconds(basetest::Now() - started), 0.09);
  EXPECT_EQ(renderer_->Stop(), S_OK);
  EXPECT_EQ(renderer_->GetState(0, &state), S_OK);
  EXPECT_EQ(state, State_Stopped);
}

TEST_F(BaseState, GraphPauseCompletesWithTheFirstSampleAndHoldsIt) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Pause()));
  OAFilterState state = State_Stopped;
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);
  EXPECT_EQ(state, State_Paused);
  FILTER_STATE own = State_Stopped;
  EXPECT_EQ(renderer_->GetState(0, &own), S_OK);
  EXPECT_EQ(own, State_Paused);
  EXPECT_EQ(renderer_->FirstSampleCalls(), 1);

  // Paused: the sample is held, nothing is drawn.
  Sleep(300);
  EXPECT_EQ(renderer_->Rendered(), 0);

  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  EXPECT_EQ(graph_.WaitForEnd(20000), EC_COMPLETE);
  EXPECT_EQ(renderer_->FramesDrawn() + renderer_->FramesDropped(), 30);
}

TEST_F(BaseState, PauseInTheMiddleHoldsAndRunResumes) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  ASSERT_TRUE(WaitForFrames(5, 5000));
  ASSERT_TRUE(SUCCEEDED(graph_.control->Pause()));
  OAFilterState state = State_Stopped;
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);
  EXPECT_EQ(state, State_Paused);

  const long atPause = renderer_->Rendered();
  Sleep(400);
  EXPECT_EQ(renderer_->Rendered(), atPause);
  EXPECT_FALSE(CompletionQueued());

  // Run continues where the movie stood and finishes it.
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  EXPECT_EQ(graph_.WaitForEnd(20000), EC_COMPLETE);
  EXPECT_GT(renderer_->Rendered(), atPause);
  EXPECT_EQ(renderer_->FramesDrawn() + renderer_->FramesDropped(), 30);
}

TEST_F(BaseState, StopDuringPlaybackReturnsPromptlyAndRunPlaysAgain) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  ASSERT_TRUE(WaitForFrames(3, 5000));
  const LONGLONG started = basetest::Now();
  EXPECT_TRUE(SUCCEEDED(graph_.control->Stop()));
  const double stopSeconds = basetest::Seconds(basetest::Now() - started);
  std::printf("Stop took %.3f s\n", stopSeconds);
  EXPECT_LT(stopSeconds, 0.5);
  FILTER_STATE own = State_Running;
  EXPECT_EQ(renderer_->GetState(0, &own), S_OK);
  EXPECT_EQ(own, State_Stopped);

  // No frame is drawn after Stop.
  const long atStop = renderer_->Rendered();
  Sleep(200);
  EXPECT_EQ(renderer_->Rendered(), atStop);

  ASSERT_TRUE(SUCCEEDED(graph_.Rewind()));
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  EXPECT_EQ(graph_.WaitForEnd(20000), EC_COMPLETE);
  EXPECT_GE(renderer_->Rendered(), atStop + 25);
}

TEST_F(BaseState, StopWhilePausedWithAHeldSampleDoesNotBlock) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Pause()));
  OAFilterState state = State_Stopped;
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);
  const LONGLONG started = basetest::Now();
  EXPECT_TRUE(SUCCEEDED(graph_.control->Stop()));
  EXPECT_LT(basetest::Seconds(basetest::Now() - started), 0.5);
  EXPECT_EQ(renderer_->Rendered(), 0);
}

TEST_F(BaseState, EndOfStreamWhilePausedCompletesWhenTheGraphRuns) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Pause()));
  OAFilterState state = State_Stopped;
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);

  // Seeking to the end while paused flushes the held sample; the source
  // then has nothing left but the end of its stream.
  LONGLONG duration = 0;
  ASSERT_EQ(graph_.seeking->GetDuration(&duration), S_OK);
  ASSERT_TRUE(SUCCEEDED(graph_.seeking->SetPositions(&duration, AM_SEEKING_AbsolutePositioning,
                                                     nullptr, AM_SEEKING_NoPositioning)));
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);
  Sleep(200);
  EXPECT_FALSE(CompletionQueued());

  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  EXPECT_EQ(graph_.WaitForEnd(5000), EC_COMPLETE);
  EXPECT_LE(renderer_->Rendered(), 1);
}

TEST_F(BaseState, PausingAfterTheEndAndRunningAgainReportsTheEndAgain) {
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  ASSERT_EQ(graph_.WaitForEnd(20000), EC_COMPLETE);
  // The graph drops a queued EC_COMPLETE when it starts running again, so a
  // host that pauses and resumes before it polls must still find the end.
  ASSERT_TRUE(SUCCEEDED(graph_.control->Pause()));
  OAFilterState state = State_Stopped;
  ASSERT_EQ(graph_.control->GetState(5000, &state), S_OK);
  ASSERT_TRUE(SUCCEEDED(graph_.control->Run()));
  bool complete = false;
  for (int i = 0; i < 100 && !complete; ++i) {
    complete = CompletionQueued();
    if (!complete) Sleep(50);
  }
  EXPECT_TRUE(complete);
}

}  // namespace
