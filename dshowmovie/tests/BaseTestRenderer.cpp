#include "BaseTestRenderer.h"

#include <new>

namespace basetest {

namespace {
// {5B1F0A52-6C1D-4E0B-9A77-3D2C8E41B7A0}
const GUID kTestRendererClsid = {0x5b1f0a52, 0x6c1d, 0x4e0b,
                                 {0x9a, 0x77, 0x3d, 0x2c, 0x8e, 0x41, 0xb7, 0xa0}};
}  // namespace

common::ComPtr<TestRenderer> TestRenderer::Create(Accepts accepts) {
  HRESULT hr = S_OK;
  auto* renderer = new (std::nothrow) TestRenderer(accepts, &hr);
  if (renderer == nullptr) return {};
  if (FAILED(hr)) {
    delete renderer;
    return {};
  }
  renderer->AddRef();  // the first reference, handed to the holder
  return common::ComPtr<TestRenderer>::Adopt(renderer);
}

TestRenderer::TestRenderer(Accepts accepts, HRESULT* phr)
    : CBaseVideoRenderer(kTestRendererClsid, nullptr, nullptr, phr), accepts_(accepts) {}

HRESULT TestRenderer::CheckMediaType(const CMediaType* pmt) {
  if (accepts_ == Accepts::Nothing) return E_FAIL;
  if (*pmt->FormatType() != FORMAT_VideoInfo) return E_INVALIDARG;
  if (*pmt->Type() != MEDIATYPE_Video || *pmt->Subtype() != MEDIASUBTYPE_RGB24) return E_FAIL;
  return S_OK;
}

HRESULT TestRenderer::SetMediaType(const CMediaType* pmt) {
  const auto* info = reinterpret_cast<const VIDEOINFOHEADER*>(pmt->Format());
  CAutoLock lock(&recordLock_);
  ++setMediaTypeCalls_;
  width_ = info->bmiHeader.biWidth;
  height_ = info->bmiHeader.biHeight;
  return S_OK;
}

HRESULT TestRenderer::DoRenderSample(IMediaSample* pMediaSample) {
  REFERENCE_TIME start = -1;
  REFERENCE_TIME stop = -1;
  pMediaSample->GetTime(&start, &stop);
  CAutoLock lock(&recordLock_);
  ++rendered_;
  startTimes_.push_back(start);
  drawTimes_.push_back(Now());
  dataLengths_.push_back(pMediaSample->GetActualDataLength());
  return S_OK;
}

void TestRenderer::OnReceiveFirstSample(IMediaSample* /*pMediaSample*/) {
  CAutoLock lock(&recordLock_);
  ++firstSampleCalls_;
}

ULONG TestRenderer::RefCount() {
  AddRef();
  return Release();
}

long TestRenderer::Rendered() {
  CAutoLock lock(&recordLock_);
  return rendered_;
}
long TestRenderer::FirstSampleCalls() {
  CAutoLock lock(&recordLock_);
  return firstSampleCalls_;
}
long TestRenderer::SetMediaTypeCalls() {
  CAutoLock lock(&recordLock_);
  return setMediaTypeCalls_;
}
LONG TestRenderer::Width() {
  CAutoLock lock(&recordLock_);
  return width_;
}
LONG TestRenderer::Height() {
  CAutoLock lock(&recordLock_);
  return height_;
}
std::vector<REFERENCE_TIME> TestRenderer::StartTimes() {
  CAutoLock lock(&recordLock_);
  return startTimes_;
}
std::vector<LONGLONG> TestRenderer::DrawTimes() {
  CAutoLock lock(&recordLock_);
  return drawTimes_;
}
std::vector<long> TestRenderer::DataLengths() {
  CAutoLock lock(&recordLock_);
  return dataLengths_;
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

}  // namespace basetest
