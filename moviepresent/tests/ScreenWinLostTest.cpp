// Presenting through a wrapper that stands in for the real primary: lost
// surfaces, as DirectDraw reports them when the display was taken away, and
// where the windowed blit goes once the window was resized.
#include "ScreenWinSupport.h"

namespace {

using screen_test::ScreenTest;

// COM objects are freed by their own Release and the screen by its exact
// type, never through a base pointer, so the bases need no virtual destructor.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// Wraps a real surface. Flip and Blt give a queued failure once (a lost one
// leaves the surface lost until Restore), then pass on to the real surface.
class LOSING_SURFACE final : public IDirectDrawSurface {
 public:
  explicit LOSING_SURFACE(common::ComPtr<IDirectDrawSurface> real) : Real(std::move(real)) {}
  ~LOSING_SURFACE() = default;

  void Fail_Next(HRESULT result) { Next_Failure = result; }
  void Lose() { Lost = true; }
  int Restores = 0;
  int Presents = 0;  // Flip and Blt calls that reached the real surface
  RECT Last_Destination = {0, 0, 0, 0};  // of the latest Blt
  bool Last_Had_Source_Area = false;

  STDMETHOD(QueryInterface)(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++References; }
  STDMETHOD_(ULONG, Release)() override {
    const ULONG left = --References;
    if (left == 0) delete this;
    return left;
  }
  STDMETHOD(Flip)(LPDIRECTDRAWSURFACE target, DWORD flags) override {
    if (HRESULT failure = Take_Failure(); failure != DD_OK) return failure;
    ++Presents;
    return Real->Flip(target, flags);
  }
  STDMETHOD(Blt)(LPRECT to, LPDIRECTDRAWSURFACE source, LPRECT from, DWORD flags,
                 LPDDBLTFX effects) override {
    if (to != nullptr) Last_Destination = *to;
    Last_Had_Source_Area = from != nullptr;
    if (HRESULT failure = Take_Failure(); failure != DD_OK) return failure;
    ++Presents;
    return Real->Blt(to, source, from, flags, effects);
  }
  STDMETHOD(IsLost)() override { return Lost ? DDERR_SURFACELOST : DD_OK; }
  STDMETHOD(Restore)() override {
    ++Restores;
    Lost = false;
    return DD_OK;
  }
  STDMETHOD(Lock)(LPRECT area, LPDDSURFACEDESC description, DWORD flags, HANDLE event) override {
    return Real->Lock(area, description, flags, event);
  }
  STDMETHOD(Unlock)(LPVOID bits) override { return Real->Unlock(bits); }
  STDMETHOD(GetPixelFormat)(LPDDPIXELFORMAT format) override { return Real->GetPixelFormat(format); }
  STDMETHOD(GetSurfaceDesc)(LPDDSURFACEDESC description) override {
    return Real->GetSurfaceDesc(description);
  }

  // Nothing else is used by the screen.
  STDMETHOD(AddAttachedSurface)(LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }
  STDMETHOD(AddOverlayDirtyRect)(LPRECT) override { return E_NOTIMPL; }
  STDMETHOD(BltBatch)(LPDDBLTBATCH, DWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(BltFast)(DWORD, DWORD, LPDIRECTDRAWSURFACE, LPRECT, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(DeleteAttachedSurface)(DWORD, LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }
  STDMETHOD(EnumAttachedSurfaces)(LPVOID, LPDDENUMSURFACESCALLBACK) override { return E_NOTIMPL; }
  STDMETHOD(EnumOverlayZOrders)(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) override {
    return E_NOTIMPL;
  }
  STDMETHOD(GetAttachedSurface)(LPDDSCAPS, LPDIRECTDRAWSURFACE*) override { return E_NOTIMPL; }
  STDMETHOD(GetBltStatus)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetCaps)(LPDDSCAPS) override { return E_NOTIMPL; }
  STDMETHOD(GetClipper)(LPDIRECTDRAWCLIPPER*) override { return E_NOTIMPL; }
  STDMETHOD(GetColorKey)(DWORD, LPDDCOLORKEY) override { return E_NOTIMPL; }
  STDMETHOD(GetDC)(HDC*) override { return E_NOTIMPL; }
  STDMETHOD(GetFlipStatus)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetOverlayPosition)(LPLONG, LPLONG) override { return E_NOTIMPL; }
  STDMETHOD(GetPalette)(LPDIRECTDRAWPALETTE*) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(LPDIRECTDRAW, LPDDSURFACEDESC) override { return E_NOTIMPL; }
  STDMETHOD(ReleaseDC)(HDC) override { return E_NOTIMPL; }
  STDMETHOD(SetClipper)(LPDIRECTDRAWCLIPPER) override { return E_NOTIMPL; }
  STDMETHOD(SetColorKey)(DWORD, LPDDCOLORKEY) override { return E_NOTIMPL; }
  STDMETHOD(SetOverlayPosition)(LONG, LONG) override { return E_NOTIMPL; }
  STDMETHOD(SetPalette)(LPDIRECTDRAWPALETTE) override { return E_NOTIMPL; }
  STDMETHOD(UpdateOverlay)(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) override {
    return E_NOTIMPL;
  }
  STDMETHOD(UpdateOverlayDisplay)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(UpdateOverlayZOrder)(DWORD, LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }

 private:
  HRESULT Take_Failure() {
    const HRESULT failure = Next_Failure;
    Next_Failure = DD_OK;
    if (failure == DDERR_SURFACELOST) Lost = true;
    return failure;
  }

  common::ComPtr<IDirectDrawSurface> Real;
  HRESULT Next_Failure = DD_OK;
  bool Lost = false;
  ULONG References = 1;
};

// A screen whose primary can be wrapped.
class WRAPPABLE_SCREEN final : public QOR_DIRECTDRAW_PRIVATE {
 public:
  // Puts a LOSING_SURFACE around the primary; the screen owns it from then on.
  LOSING_SURFACE* Wrap_Front_Surface() {
    common::ComPtr<IDirectDrawSurface> surface;
    Exchange_Front_Surface(surface);
    auto* wrapper = new LOSING_SURFACE(std::move(surface));
    common::ComPtr<IDirectDrawSurface> held =
        common::ComPtr<IDirectDrawSurface>::Adopt(wrapper);
    Exchange_Front_Surface(held);
    return wrapper;
  }
};

class LostSurfaceTest : public ScreenTest, public ::testing::WithParamInterface<bool> {
 protected:
  WRAPPABLE_SCREEN wrappable;
};

TEST_P(LostSurfaceTest, PresentingOntoALostSurfaceRestoresItAndSucceeds) {
  const bool fullScreen = GetParam();
  ASSERT_TRUE(wrappable.Init(640, 480, 32, window, fullScreen));
  LOSING_SURFACE* primary = wrappable.Wrap_Front_Surface();

  primary->Fail_Next(DDERR_SURFACELOST);
  EXPECT_TRUE(wrappable.Flip_Surface());
  EXPECT_EQ(primary->Restores, 1);
  EXPECT_EQ(primary->Presents, 0);  // the lost frame is not shown

  // The next frame is presented again as usual.
  wrappable.Clear_Backbuffer(0);
  EXPECT_TRUE(wrappable.Flip_Surface());
  EXPECT_EQ(primary->Presents, 1);
  EXPECT_EQ(primary->Restores, 1);

  // Any other failure is reported and restores nothing.
  primary->Fail_Next(DDERR_GENERIC);
  EXPECT_FALSE(wrappable.Flip_Surface());
  EXPECT_EQ(primary->Restores, 1);

  // Restore_Surface restores only what is lost.
  wrappable.Restore_Surface();
  EXPECT_EQ(primary->Restores, 1);
  primary->Lose();
  wrappable.Restore_Surface();
  EXPECT_EQ(primary->Restores, 2);

  wrappable.End();
}

// Wine shows a windowed primary only within the client area the window had
// when DirectDraw was set up, so the stretch is checked at the blit itself.
TEST_F(ScreenTest, ResizedWindowGetsTheWholeBackBufferStretchedOverItsClientArea) {
  WRAPPABLE_SCREEN windowed;
  ASSERT_TRUE(windowed.Init(320, 240, 16, window, false));
  LOSING_SURFACE* primary = windowed.Wrap_Front_Surface();

  const auto client_on_screen = [this] {
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
  };
  const auto expect_blit_into = [&](const RECT& expected, int width, int height) {
    EXPECT_TRUE(windowed.Flip_Surface());
    EXPECT_FALSE(primary->Last_Had_Source_Area);
    EXPECT_EQ(primary->Last_Destination.left, expected.left);
    EXPECT_EQ(primary->Last_Destination.top, expected.top);
    EXPECT_EQ(primary->Last_Destination.right - primary->Last_Destination.left, width);
    EXPECT_EQ(primary->Last_Destination.bottom - primary->Last_Destination.top, height);
  };
  expect_blit_into(client_on_screen(), 320, 240);

  for (const SIZE size : {SIZE{640, 480}, SIZE{160, 100}}) {
    RECT frame = {0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 40, 30, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER);
    expect_blit_into(client_on_screen(), size.cx, size.cy);
  }
  EXPECT_EQ(primary->Presents, 3);
  windowed.End();
}

INSTANTIATE_TEST_SUITE_P(Modes, LostSurfaceTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& parameter) {
                           return parameter.param ? std::string("FullScreen")
                                             : std::string("Windowed");
                         });

}  // namespace
