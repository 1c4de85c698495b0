// DirectShow: a filter graph renders and plays a GStreamer-made AVI to its
// end, and the media detector reads its streams.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <gtest/gtest.h>

#include <string>

#include "SmokeSupport.h"

namespace {

class DirectShowSmoke : public testing::Test {
 protected:
  void SetUp() override {
    if (smoke::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  }
  smoke::ComScope com_;
};

TEST_F(DirectShowSmoke, FilterGraphPlaysAMovieToTheEnd) {
  smoke::ComPtr<IGraphBuilder> graph;
  ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                             graph.PutVoid()),
            S_OK);
  const std::wstring movie = smoke::TestMovie(L"rgb24.avi");
  ASSERT_EQ(graph->RenderFile(movie.c_str(), nullptr), S_OK)
      << "cannot render the movie: are the 32/64-bit GStreamer plugins installed?";

  // No reference clock: the graph runs as fast as it can.
  smoke::ComPtr<IMediaFilter> filter;
  ASSERT_EQ(graph->QueryInterface(IID_IMediaFilter, filter.PutVoid()), S_OK);
  ASSERT_EQ(filter->SetSyncSource(nullptr), S_OK);

  smoke::ComPtr<IMediaControl> control;
  smoke::ComPtr<IMediaEvent> events;
  ASSERT_EQ(graph->QueryInterface(IID_IMediaControl, control.PutVoid()), S_OK);
  ASSERT_EQ(graph->QueryInterface(IID_IMediaEvent, events.PutVoid()), S_OK);
  ASSERT_TRUE(SUCCEEDED(control->Run()));
  long code = 0;
  EXPECT_EQ(events->WaitForCompletion(20000, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  control->Stop();
}

TEST_F(DirectShowSmoke, MediaDetectorReadsVideoAndSoundStreams) {
  smoke::ComPtr<IMediaDet> detector;
  ASSERT_EQ(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                             detector.PutVoid()),
            S_OK);
  const std::wstring movie = smoke::TestMovie(L"rgb24_snd.avi");
  BSTR name = SysAllocString(movie.c_str());
  const HRESULT opened = detector->put_Filename(name);
  SysFreeString(name);
  ASSERT_EQ(opened, S_OK);

  long streams = 0;
  ASSERT_EQ(detector->get_OutputStreams(&streams), S_OK);
  ASSERT_EQ(streams, 2);
  bool sawVideo = false, sawSound = false;
  for (long i = 0; i < streams; ++i) {
    ASSERT_EQ(detector->put_CurrentStream(i), S_OK);
    AM_MEDIA_TYPE type = {};
    ASSERT_EQ(detector->get_StreamMediaType(&type), S_OK);
    if (type.majortype == MEDIATYPE_Video) {
      sawVideo = true;
      ASSERT_EQ(type.formattype, FORMAT_VideoInfo);
      const auto* info = reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat);
      EXPECT_EQ(info->bmiHeader.biWidth, 64);
      EXPECT_EQ(info->bmiHeader.biHeight, 48);
      double fps = 0, length = 0;
      EXPECT_EQ(detector->get_FrameRate(&fps), S_OK);
      EXPECT_NEAR(fps, 30.0, 0.01);
      EXPECT_EQ(detector->get_StreamLength(&length), S_OK);
      EXPECT_NEAR(length, 1.0, 0.05);
    } else if (type.majortype == MEDIATYPE_Audio) {
      sawSound = true;
    }
    CoTaskMemFree(type.pbFormat);
    if (type.pUnk != nullptr) type.pUnk->Release();
  }
  EXPECT_TRUE(sawVideo);
  EXPECT_TRUE(sawSound);
}

}  // namespace
