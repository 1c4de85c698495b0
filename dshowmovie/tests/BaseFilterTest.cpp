// The filter and pin plumbing of the renderer base, without a running graph:
// interfaces, identity, reference counts, pin lookup and enumeration, state
// of an unconnected renderer, and type negotiation through the platform's
// filter graph manager.
#include <windows.h>
#include <dshow.h>

#include <gtest/gtest.h>

#include "BaseTestGraph.h"
#include "BaseTestRenderer.h"
#include "win32/ComApartment.h"

namespace {

using basetest::ComPtr;
using basetest::TestRenderer;

class BaseFilter : public testing::Test {
 protected:
  common::ComApartment com_;
  ComPtr<TestRenderer> renderer_ = TestRenderer::Create();
};

TEST_F(BaseFilter, InterfacesShareOneIdentityAndOneCount) {
  ASSERT_TRUE(renderer_);
  EXPECT_EQ(renderer_->RefCount(), 1u);
  {
    ComPtr<IUnknown> identity;
    ComPtr<IMediaSeeking> seeking;
    ComPtr<IUnknown> identityFromSeeking;
    ComPtr<IQualityControl> quality;
    ComPtr<IAMFilterMiscFlags> flags;
    ComPtr<IPersist> persist;
    ASSERT_EQ(renderer_.As(IID_IUnknown, identity), S_OK);
    ASSERT_EQ(renderer_.As(IID_IMediaSeeking, seeking), S_OK);
    ASSERT_EQ(seeking.As(IID_IUnknown, identityFromSeeking), S_OK);
    EXPECT_EQ(identity.Get(), identityFromSeeking.Get());
    ASSERT_EQ(renderer_.As(IID_IQualityControl, quality), S_OK);
    ASSERT_EQ(renderer_.As(IID_IAMFilterMiscFlags, flags), S_OK);
    EXPECT_EQ(flags->GetMiscFlags(), static_cast<ULONG>(AM_FILTER_MISC_FLAGS_IS_RENDERER));
    ASSERT_EQ(renderer_.As(IID_IPersist, persist), S_OK);
    EXPECT_EQ(renderer_->RefCount(), 7u);

    ComPtr<IPin> none;
    EXPECT_EQ(renderer_.As(IID_IPin, none), E_NOINTERFACE);
    EXPECT_EQ(renderer_->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
  }
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST_F(BaseFilter, FindPinGivesTheInputPinWhoseCountIsTheFilters) {
  ComPtr<IPin> pin;
  ASSERT_EQ(renderer_->FindPin(L"In", pin.Put()), S_OK);
  EXPECT_EQ(renderer_->RefCount(), 2u);

  PIN_INFO info = {};
  ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
  EXPECT_EQ(info.dir, PINDIR_INPUT);
  EXPECT_STREQ(info.achName, L"In");
  EXPECT_EQ(info.pFilter, renderer_->Filter());
  info.pFilter->Release();

  LPWSTR id = nullptr;
  ASSERT_EQ(pin->QueryId(&id), S_OK);
  EXPECT_STREQ(id, L"In");
  CoTaskMemFree(id);

  ComPtr<IMemInputPin> memInput;
  ASSERT_EQ(pin.As(IID_IMemInputPin, memInput), S_OK);
  EXPECT_EQ(memInput->ReceiveCanBlock(), S_OK);
  ComPtr<IBaseFilter> notThePin;
  EXPECT_EQ(pin.As(IID_IBaseFilter, notThePin), E_NOINTERFACE);

  ComPtr<IPin> missing;
  EXPECT_EQ(renderer_->FindPin(L"Out", missing.Put()), VFW_E_NOT_FOUND);
  EXPECT_FALSE(missing);

  pin.Reset();
  memInput.Reset();
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST_F(BaseFilter, EnumeratorsListOnePinAndNoPreferredTypes) {
  ComPtr<IEnumPins> pins;
  ASSERT_EQ(renderer_->EnumPins(pins.Put()), S_OK);
  IPin* got[2] = {};
  ULONG fetched = 0;
  EXPECT_EQ(pins->Next(2, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 1u);
  got[0]->Release();
  EXPECT_EQ(pins->Next(1, got, nullptr), S_FALSE);
  EXPECT_EQ(pins->Reset(), S_OK);
  EXPECT_EQ(pins->Skip(2), S_FALSE);
  ComPtr<IEnumPins> clone;
  ASSERT_EQ(pins->Clone(clone.Put()), S_OK);
  clone.Reset();

  ComPtr<IPin> pin;
  ASSERT_EQ(renderer_->FindPin(L"In", pin.Put()), S_OK);
  ComPtr<IEnumMediaTypes> types;
  ASSERT_EQ(pin->EnumMediaTypes(types.Put()), S_OK);
  AM_MEDIA_TYPE* type = nullptr;
  EXPECT_EQ(types->Next(1, &type, nullptr), S_FALSE);
  EXPECT_EQ(type, nullptr);

  pins.Reset();
  pin.Reset();
  types.Reset();
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST_F(BaseFilter, UnconnectedPinAnswersNotConnected) {
  ComPtr<IPin> pin;
  ASSERT_EQ(renderer_->FindPin(L"In", pin.Put()), S_OK);
  ComPtr<IPin> peer;
  EXPECT_EQ(pin->ConnectedTo(peer.Put()), VFW_E_NOT_CONNECTED);
  AM_MEDIA_TYPE type = {};
  EXPECT_EQ(pin->ConnectionMediaType(&type), VFW_E_NOT_CONNECTED);
  EXPECT_EQ(pin->Disconnect(), S_FALSE);
  EXPECT_EQ(pin->Connect(nullptr, nullptr), E_UNEXPECTED);

  ComPtr<IMediaSeeking> seeking;
  ASSERT_EQ(renderer_.As(IID_IMediaSeeking, seeking), S_OK);
  LONGLONG duration = 0;
  EXPECT_EQ(seeking->GetDuration(&duration), VFW_E_NOT_CONNECTED);
}

TEST_F(BaseFilter, UnconnectedRendererPausesAtOnce) {
  FILTER_STATE state = State_Running;
  EXPECT_EQ(renderer_->GetState(0, &state), S_OK);
  EXPECT_EQ(state, State_Stopped);
  EXPECT_EQ(renderer_->Pause(), S_OK);
  EXPECT_EQ(renderer_->GetState(0, &state), S_OK);
  EXPECT_EQ(state, State_Paused);
  EXPECT_EQ(renderer_->Run(0), S_OK);
  EXPECT_EQ(renderer_->GetState(0, &state), S_OK);
  EXPECT_EQ(state, State_Running);
  EXPECT_EQ(renderer_->Stop(), S_OK);
  EXPECT_EQ(renderer_->GetState(0, nullptr), E_POINTER);
}

TEST_F(BaseFilter, VideoTypeWithAShortFormatBlockIsRefusedBeforeTheHook) {
  CMediaType type(&MEDIATYPE_Video);
  type.SetSubtype(&MEDIASUBTYPE_RGB24);
  type.SetFormatType(&FORMAT_VideoInfo);
  ASSERT_NE(type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER)), nullptr);
  ZeroMemory(type.Format(), type.FormatLength());
  EXPECT_EQ(renderer_->CheckConnectionType(&type), S_OK);

  // A block shorter than its header would be read past its end.
  ASSERT_NE(type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER) - 1), nullptr);
  EXPECT_EQ(renderer_->CheckConnectionType(&type), E_INVALIDARG);
  type.AllocFormatBuffer(0);
  EXPECT_EQ(renderer_->CheckConnectionType(&type), E_INVALIDARG);

  ComPtr<IPin> pin;
  ASSERT_EQ(renderer_->FindPin(L"In", pin.Put()), S_OK);
  EXPECT_EQ(pin->QueryAccept(&type), S_FALSE);
}

TEST_F(BaseFilter, GraphMembershipHoldsNoReferenceToTheGraph) {
  basetest::TestGraph graph;
  ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                             graph.graph.PutVoid()),
            S_OK);
  ASSERT_EQ(graph.graph->AddFilter(renderer_->Filter(), L"RENDERER"), S_OK);
  EXPECT_EQ(renderer_->RefCount(), 2u);

  FILTER_INFO info = {};
  ASSERT_EQ(renderer_->QueryFilterInfo(&info), S_OK);
  EXPECT_STREQ(info.achName, L"RENDERER");
  ASSERT_NE(info.pGraph, nullptr);
  info.pGraph->Release();

  // The graph goes away although the renderer still lives: nothing held it.
  graph.graph.Reset();
  EXPECT_EQ(renderer_->RefCount(), 1u);
}

TEST_F(BaseFilter, RefusedTypesMakeTheConnectionFail) {
  if (basetest::TestMovie(L"").empty()) GTEST_SKIP() << "TEST_MOVIE_DIR is not set";
  ComPtr<TestRenderer> refusing = TestRenderer::Create(TestRenderer::Accepts::Nothing);
  {
    basetest::TestGraph graph;
    const HRESULT hr = graph.Build(refusing->Filter(), L"rgb24.avi");
    EXPECT_TRUE(hr == VFW_E_CANNOT_CONNECT || hr == VFW_E_NO_ACCEPTABLE_TYPES ||
                hr == VFW_E_TYPE_NOT_ACCEPTED)
        << std::hex << hr;
    EXPECT_EQ(refusing->SetMediaTypeCalls(), 0);
  }
  EXPECT_EQ(refusing->RefCount(), 1u);

  // A sound-only file has nothing the picture renderer takes either.
  basetest::TestGraph sound;
  const HRESULT hr = sound.Build(renderer_->Filter(), L"snd.avi");
  EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
}

}  // namespace
