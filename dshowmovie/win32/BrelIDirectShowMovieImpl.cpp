// The movie object: the renderer filter at the end of its own graph, which
// converts each picture into the frame buffer, and the host's accessors.
#include "Rushlight.h"

#include <new>

#include "GraphPieces.h"
#include "MediaTypeCheck.h"
#include "MediaTypeView.h"
#include "MovieStatistics.h"
#include "win32/ComPtr.h"

namespace {

// The renderer's class identifier; nothing outside the library uses it.
// {4792078A-15F7-41F4-95F9-9A7D0A992A10}
constexpr CLSID kRendererClassId = {
    0x4792078a, 0x15f7, 0x41f4, {0x95, 0xf9, 0x9a, 0x7d, 0x0a, 0x99, 0x2a, 0x10}};

// Success first; the renderer base overwrites it should it fail.
HRESULT* StartWithSuccess(HRESULT* phr) {
  if (phr != nullptr) *phr = S_OK;
  return phr;
}

// IMovieStatistics as a tear-off: made on each QueryInterface, it keeps the
// movie alive through a reference to its owner and answers every other
// interface (IUnknown included) through the movie, so identity holds.
BASECLASSES_COM_CLASS_BEGIN
class StatisticsTearOff final : public IMovieStatistics {
 public:
  StatisticsTearOff(IUnknown* owner, CBaseRenderer* renderer, dshowmovie::MovieFrameBuffer* frame)
      : owner_(common::ComPtr<IUnknown>::Copy(owner)), renderer_(renderer), frame_(frame) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IMovieStatistics) {
      AddRef();
      *ppv = static_cast<IMovieStatistics*>(this);
      return S_OK;
    }
    return owner_->QueryInterface(riid, ppv);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetMovieStatistics(MovieStatistics* statistics) override {
    if (statistics == nullptr) return E_POINTER;
    const RendererCounts counts = renderer_->Counts();
    const dshowmovie::FrameBufferCounts frame = frame_->counts();
    *statistics = MovieStatistics{counts.received,
                                  counts.drawn,
                                  counts.dropped,
                                  counts.discarded,
                                  counts.missing,
                                  counts.renderTime,
                                  counts.renderTimeMax,
                                  counts.firstLateness,
                                  frame.written,
                                  frame.seen,
                                  frame.replacedUnseen,
                                  frame.keptForFirst,
                                  frame.firstHoldsRunOut,
                                  frame.lockHoldNanoseconds,
                                  frame.lockHoldMaxNanoseconds,
                                  frame.lockTakes,
                                  frame.lockWaitNanoseconds,
                                  frame.lockWaitMaxNanoseconds};
    return S_OK;
  }

 private:
  ~StatisticsTearOff() = default;

  common::ComPtr<IUnknown> owner_;
  CBaseRenderer* renderer_;              // lives as long as owner_
  dshowmovie::MovieFrameBuffer* frame_;  // likewise
  volatile LONG references_ = 1;         // the first is the one handed out
};
BASECLASSES_COM_CLASS_END

}  // namespace

// The base classes' table of the objects this library can make: the movie
// renderer alone. It is never registered and the library exports no class
// factory, so there is neither an initialisation function nor set-up data.
CFactoryTemplate g_Templates[] = {
    {L"DIRECTSHOWMOVIERENDERER", &kRendererClassId, BrelIDirectShowMovieImpl::CreateInstance,
     nullptr, nullptr},
};
int g_cTemplates = sizeof(g_Templates) / sizeof(g_Templates[0]);

BrelIDirectShowMovieImpl::BrelIDirectShowMovieImpl(LPUNKNOWN outer, HRESULT* phr)
    : CBaseVideoRenderer(kRendererClassId, nullptr, outer, StartWithSuccess(phr)) {}

BrelIDirectShowMovieImpl::~BrelIDirectShowMovieImpl() = default;

CUnknown* WINAPI BrelIDirectShowMovieImpl::CreateInstance(LPUNKNOWN outer, HRESULT* phr) {
  BrelIDirectShowMovieImpl* movie = new (std::nothrow) BrelIDirectShowMovieImpl(outer, phr);
  if (movie == nullptr && phr != nullptr) *phr = E_OUTOFMEMORY;
  return movie;
}

BrelIDirectShowMovieImpl* BrelIDirectShowMovieImpl::Construct() {
  HRESULT hr = S_OK;
  // The movie of a graph is never aggregated.
  CUnknown* made = CreateInstance(nullptr, &hr);
  if (made == nullptr) return nullptr;
  auto* movie = static_cast<BrelIDirectShowMovieImpl*>(made);
  // The first reference is the caller's (a COM object starts at 0); if the
  // base could not be built, dropping it again destroys the object.
  movie->NonDelegatingAddRef();
  if (FAILED(hr)) {
    movie->NonDelegatingRelease();
    return nullptr;
  }
  return movie;
}

HRESULT STDMETHODCALLTYPE BrelIDirectShowMovieImpl::NonDelegatingQueryInterface(REFIID riid,
                                                                                void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IMovieStatistics) {
    *ppv = new (std::nothrow) StatisticsTearOff(GetOwner(), this, &frame_);
    return *ppv != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  return CBaseVideoRenderer::NonDelegatingQueryInterface(riid, ppv);
}

HRESULT BrelIDirectShowMovieImpl::CheckMediaType(const CMediaType* pmt) {
  if (pmt == nullptr) return E_POINTER;
  return dshowmovie::CheckMediaType(rushlight::Describe(*pmt), playback_.format());
}

HRESULT BrelIDirectShowMovieImpl::SetMediaType(const CMediaType* pmt) {
  if (pmt == nullptr) return E_POINTER;
  // A type whose buffer cannot be set up is refused rather than half taken.
  return frame_.setMediaType(rushlight::Describe(*pmt), playback_.format()) ? S_OK : E_FAIL;
}

HRESULT BrelIDirectShowMovieImpl::DoRenderSample(IMediaSample* pMediaSample) {
  if (pMediaSample == nullptr) return S_OK;
  BYTE* bytes = nullptr;
  if (FAILED(pMediaSample->GetPointer(&bytes))) return S_OK;
  const long length = pMediaSample->GetActualDataLength();
  // A short sample is skipped by the frame buffer, not converted. The first
  // picture since a start, resume or seek is kept for the host a moment.
  frame_.renderSample(bytes, length > 0 ? static_cast<std::uint64_t>(length) : 0,
                      SamplesSinceStart() == 0);
  return S_OK;
}

void BrelIDirectShowMovieImpl::addRef() { NonDelegatingAddRef(); }

void BrelIDirectShowMovieImpl::release() { NonDelegatingRelease(); }

dshowmovie::ResultCode BrelIDirectShowMovieImpl::findPin(const char16_t* name,
                                                         dshowmovie::Pin** pin) {
  return rushlight::FindComPin(baseFilter(), name, pin);
}

void BrelIDirectShowMovieImpl::checkMovieStatus() noexcept { playback_.checkMovieStatus(); }

void BrelIDirectShowMovieImpl::pause(bool paused) noexcept { playback_.pause(paused); }

bool BrelIDirectShowMovieImpl::isPaused() const noexcept { return playback_.isPaused(); }

unsigned int BrelIDirectShowMovieImpl::width() const noexcept { return frame_.width(); }

unsigned int BrelIDirectShowMovieImpl::height() const noexcept { return frame_.height(); }

float BrelIDirectShowMovieImpl::duration() const noexcept { return playback_.duration(); }

float BrelIDirectShowMovieImpl::fps() const noexcept { return playback_.fps(); }

bool BrelIDirectShowMovieImpl::hasSound() const noexcept { return playback_.hasSound(); }

bool BrelIDirectShowMovieImpl::hadAnUpdate() const noexcept { return frame_.hadAnUpdate(); }

bool BrelIDirectShowMovieImpl::reachedEndOfMovie() const noexcept { return playback_.reachedEndOfMovie(); }

void BrelIDirectShowMovieImpl::resetUpdateFlag() noexcept { frame_.resetUpdateFlag(); }

MoviePixelFormat BrelIDirectShowMovieImpl::format() const noexcept {
  return static_cast<MoviePixelFormat>(playback_.format());
}
