// The movie renderer as a COM object, built from the library's own objects:
// the factory-template table, its creation function with exact reference
// counts, interface identity, aggregation, and a failed allocation.
#include <windows.h>
#include <dshow.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <new>

#include "Rushlight.h"
#include "win32/ComApartment.h"
#include "win32/ComPtr.h"

namespace {

// The next nothrow allocation fails when this is set (and clears it).
bool g_failNextNothrowNew = false;

}  // namespace

// The program's nothrow allocation, so that a test can exhaust memory for
// one call. Everything else allocates as usual.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (g_failNextNothrowNew) {
    g_failNextNothrowNew = false;
    return nullptr;
  }
  return std::malloc(size != 0 ? size : 1);
}

namespace {

using common::ComPtr;

const CFactoryTemplate& Template() { return g_Templates[0]; }

// The count after one AddRef/Release pair through `unknown`.
ULONG RefCount(IUnknown* unknown) {
  unknown->AddRef();
  return unknown->Release();
}

// A movie made by the table's creation function, with the first reference
// taken through its non-delegating face.
class MadeMovie {
 public:
  MadeMovie() {
    HRESULT hr = E_UNEXPECTED;
    object_ = Template().CreateInstance(nullptr, &hr);
    result_ = hr;
    if (object_ != nullptr) object_->NonDelegatingAddRef();
  }
  ~MadeMovie() {
    if (object_ != nullptr) object_->NonDelegatingRelease();
  }
  MadeMovie(const MadeMovie&) = delete;
  MadeMovie& operator=(const MadeMovie&) = delete;

  HRESULT result() const { return result_; }
  CUnknown* object() const { return object_; }
  // The non-delegating face, which is the object's identity.
  IUnknown* identity() const {
    return reinterpret_cast<IUnknown*>(static_cast<INonDelegatingUnknown*>(object_));
  }

 private:
  HRESULT result_ = E_UNEXPECTED;
  CUnknown* object_ = nullptr;
};

TEST(RendererFactoryTemplate, TableNamesOnlyTheMovieRenderer) {
  ASSERT_EQ(g_cTemplates, 1);
  EXPECT_STREQ(Template().m_Name, L"DIRECTSHOWMOVIERENDERER");
  ASSERT_NE(Template().m_ClsID, nullptr);
  EXPECT_NE(Template().m_lpfnNew, nullptr);
  EXPECT_EQ(Template().m_lpfnInit, nullptr);
  EXPECT_EQ(Template().m_pAMovieSetup_Filter, nullptr);
  EXPECT_TRUE(Template().IsClassID(*Template().m_ClsID));
  EXPECT_FALSE(Template().IsClassID(CLSID_VideoRenderer));
  EXPECT_FALSE(Template().IsClassID(GUID_NULL));
}

TEST(RendererFactoryTemplate, CreationGivesAnUnreferencedMovieOfTheTablesClass) {
  common::ComApartment com;
  HRESULT hr = E_UNEXPECTED;
  CUnknown* object = Template().CreateInstance(nullptr, &hr);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(hr, S_OK);
  // No reference yet: the first AddRef gives 1, and one Release ends it.
  EXPECT_EQ(object->NonDelegatingAddRef(), 1u);

  ComPtr<IBaseFilter> filter;
  ASSERT_EQ(object->NonDelegatingQueryInterface(IID_IBaseFilter, filter.PutVoid()), S_OK);
  EXPECT_EQ(RefCount(filter.Get()), 2u);
  CLSID clsid = GUID_NULL;
  ASSERT_EQ(filter->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, *Template().m_ClsID));
  // It is the movie: a renderer whose one pin is "In".
  ComPtr<IPin> pin;
  ASSERT_EQ(filter->FindPin(L"In", pin.Put()), S_OK);
  EXPECT_EQ(RefCount(filter.Get()), 3u);  // a pin counts on its filter
  pin.Reset();
  filter.Reset();
  EXPECT_EQ(object->NonDelegatingRelease(), 0u);
}

TEST(RendererFactoryTemplate, ResultArgumentMayBeNull) {
  CUnknown* object = Template().CreateInstance(nullptr, nullptr);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->NonDelegatingAddRef(), 1u);
  EXPECT_EQ(object->NonDelegatingRelease(), 0u);
}

TEST(RendererFactoryTemplate, ManyMoviesMadeAndReleasedKeepNoHandles) {
  // Each movie owns kernel events: a reference too many would keep them.
  auto handles = [] {
    DWORD count = 0;
    for (ULONG_PTR value = 4; value < 65536; value += 4) {
      DWORD flags = 0;
      if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
  };
  { MadeMovie warmUp; }
  const DWORD before = handles();
  for (int i = 0; i < 50; ++i) {
    MadeMovie movie;
    ASSERT_EQ(movie.result(), S_OK);
    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(movie.object()->NonDelegatingQueryInterface(IID_IBaseFilter, filter.PutVoid()), S_OK);
  }
  EXPECT_EQ(handles(), before);
}

TEST(RendererFactoryTemplate, ExhaustedMemoryGivesNullAndSaysSo) {
  HRESULT hr = S_OK;
  g_failNextNothrowNew = true;
  CUnknown* object = Template().CreateInstance(nullptr, &hr);
  const bool stillArmed = g_failNextNothrowNew;
  g_failNextNothrowNew = false;
  EXPECT_FALSE(stillArmed) << "the movie was not allocated with the nothrow new";
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(hr, E_OUTOFMEMORY);
  // Memory back: creation works again.
  MadeMovie movie;
  EXPECT_NE(movie.object(), nullptr);
}

TEST(RendererIdentity, NullOutPointerIsRefusedForEveryInterface) {
  MadeMovie movie;
  ASSERT_NE(movie.object(), nullptr);
  const IID asked[] = {IID_IUnknown,    IID_IBaseFilter,   IID_IMediaFilter, IID_IPersist,
                       IID_IMediaSeeking, IID_IQualityControl, IID_IAMFilterMiscFlags,
                       IID_IPin,        IID_IVideoWindow,  GUID_NULL};
  for (const IID& iid : asked) {
    EXPECT_EQ(movie.object()->NonDelegatingQueryInterface(iid, nullptr), E_POINTER);
  }
  // The delegating faces refuse it the same way.
  ComPtr<IBaseFilter> filter;
  ASSERT_EQ(movie.object()->NonDelegatingQueryInterface(IID_IBaseFilter, filter.PutVoid()), S_OK);
  EXPECT_EQ(filter->QueryInterface(IID_IMediaSeeking, nullptr), E_POINTER);
  EXPECT_EQ(movie.identity()->QueryInterface(IID_IBaseFilter, nullptr), E_POINTER);
  // Nothing was counted on the way.
  EXPECT_EQ(RefCount(filter.Get()), 2u);
}

TEST(RendererIdentity, EveryInterfaceLeadsBackToOneIdentity) {
  MadeMovie movie;
  ASSERT_NE(movie.object(), nullptr);
  IUnknown* identity = movie.identity();
  const IID offered[] = {IID_IBaseFilter,   IID_IMediaFilter,    IID_IPersist,
                         IID_IMediaSeeking, IID_IQualityControl, IID_IAMFilterMiscFlags};
  ComPtr<IBaseFilter> filter;
  ASSERT_EQ(identity->QueryInterface(IID_IBaseFilter, filter.PutVoid()), S_OK);
  for (const IID& iid : offered) {
    ComPtr<IUnknown> face;
    ASSERT_EQ(identity->QueryInterface(iid, face.PutVoid()), S_OK);
    ComPtr<IUnknown> back;
    ASSERT_EQ(face->QueryInterface(IID_IUnknown, back.PutVoid()), S_OK);
    EXPECT_EQ(back.Get(), identity);
    // Reflexive and symmetric: each face answers for itself and for the filter.
    ComPtr<IUnknown> again;
    ASSERT_EQ(face->QueryInterface(iid, again.PutVoid()), S_OK);
    EXPECT_EQ(again.Get(), face.Get());
    ComPtr<IBaseFilter> filterAgain;
    ASSERT_EQ(face->QueryInterface(IID_IBaseFilter, filterAgain.PutVoid()), S_OK);
    EXPECT_EQ(filterAgain.Get(), filter.Get());
  }
  // The filter's pin is another object that leads back to the filter.
  ComPtr<IPin> pin;
  ASSERT_EQ(filter->FindPin(L"In", pin.Put()), S_OK);
  PIN_INFO info = {};
  ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
  EXPECT_EQ(info.pFilter, filter.Get());
  if (info.pFilter != nullptr) info.pFilter->Release();
  ComPtr<IUnknown> pinIdentity;
  ASSERT_EQ(pin->QueryInterface(IID_IUnknown, pinIdentity.PutVoid()), S_OK);
  EXPECT_NE(pinIdentity.Get(), identity);

  const IID refused[] = {IID_IPin, IID_IMemInputPin, IID_IVideoWindow, IID_IBasicVideo,
                         IID_IMediaControl};
  for (const IID& iid : refused) {
    void* out = &info;  // anything but null, to see it cleared
    EXPECT_EQ(identity->QueryInterface(iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
  }
  pin.Reset();
  pinIdentity.Reset();
  filter.Reset();
  EXPECT_EQ(RefCount(identity), 1u);
}

// {B1E4C0A2-5C7D-4E08-9D36-2F8A7C1E0B44}: answered by the outer object only.
constexpr IID kOuterOnly = {0xb1e4c0a2, 0x5c7d, 0x4e08,
                            {0x9d, 0x36, 0x2f, 0x8a, 0x7c, 0x1e, 0x0b, 0x44}};

// An outer object that aggregates the movie: it answers IUnknown with
// itself and kOuterOnly with a marker, and counts its references.
BASECLASSES_COM_CLASS_BEGIN
class Outer final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown) {
      *ppv = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    if (riid == kOuterOnly) {
      *ppv = &marker;
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  ULONG refs = 1;
  int marker = 0;
};
BASECLASSES_COM_CLASS_END

TEST(RendererAggregation, InnerAnswersForItselfAndItsFacesDelegateToTheOuter) {
  Outer outer;
  HRESULT hr = E_UNEXPECTED;
  CUnknown* inner = Template().CreateInstance(&outer, &hr);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(outer.refs, 1u) << "creation takes no reference to the outer object";
  EXPECT_EQ(inner->NonDelegatingAddRef(), 1u);
  EXPECT_EQ(outer.refs, 1u);

  // The non-delegating IUnknown is the inner object itself.
  IUnknown* innerUnknown = nullptr;
  ASSERT_EQ(inner->NonDelegatingQueryInterface(IID_IUnknown, reinterpret_cast<void**>(&innerUnknown)),
            S_OK);
  EXPECT_NE(innerUnknown, static_cast<IUnknown*>(&outer));
  EXPECT_EQ(outer.refs, 1u);
  EXPECT_EQ(inner->NonDelegatingRelease(), 1u);

  // Its interfaces count on, and ask, the outer object.
  IBaseFilter* filter = nullptr;
  ASSERT_EQ(inner->NonDelegatingQueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(&filter)),
            S_OK);
  EXPECT_EQ(outer.refs, 2u);
  IUnknown* fromFilter = nullptr;
  ASSERT_EQ(filter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&fromFilter)), S_OK);
  EXPECT_EQ(fromFilter, static_cast<IUnknown*>(&outer));
  fromFilter->Release();
  void* marker = nullptr;
  EXPECT_EQ(filter->QueryInterface(kOuterOnly, &marker), S_OK);
  EXPECT_EQ(marker, &outer.marker);
  marker = &outer;
  EXPECT_EQ(inner->NonDelegatingQueryInterface(kOuterOnly, &marker), E_NOINTERFACE);
  EXPECT_EQ(marker, nullptr);
  // The aggregated IMediaSeeking delegates as well.
  IMediaSeeking* seeking = nullptr;
  ASSERT_EQ(inner->NonDelegatingQueryInterface(IID_IMediaSeeking,
                                               reinterpret_cast<void**>(&seeking)),
            S_OK);
  EXPECT_EQ(outer.refs, 3u);
  seeking->Release();
  filter->Release();
  EXPECT_EQ(outer.refs, 1u);
  EXPECT_EQ(inner->NonDelegatingRelease(), 0u);
  EXPECT_EQ(outer.refs, 1u);
}

}  // namespace
