// The full-screen screen against Wine's DirectDraw inside the virtual
// desktop: mode switch and restore, the pixel layouts, flipping, a second
// Init and a mode change.
#include "PlayerRules.h"
#include "ScreenWinSupport.h"

namespace {

using screen_test::Display_Pixel_When;
using screen_test::Fill_Pixels;
using screen_test::Read_Pixel;
using screen_test::ScreenTest;

struct DEPTH {
  unsigned Bits;
  QOR_SURFACE_TYPE Type;
  std::uint32_t Green_Pixel;  // pure green in the layout
};

class FullScreenTest : public ScreenTest, public ::testing::WithParamInterface<DEPTH> {};

bool Near(COLORREF a, COLORREF b) {
  const auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
  return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
         close(GetBValue(a), GetBValue(b));
}

TEST_P(FullScreenTest, SwitchesTheDisplayFlipsThePictureAndRestoresTheMode) {
  const DEPTH depth = GetParam();
  ASSERT_TRUE(screen->Init(640, 480, depth.Bits, window, true));
  // A pop-up without a frame; the platform adds bits of its own for an
  // exclusive window (clipping, system menu), so only the frame is checked.
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & WS_POPUP, static_cast<DWORD>(WS_POPUP));
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  EXPECT_EQ(screen->Get_Bits_Count(), depth.Bits);
  EXPECT_EQ(Surface_Type_For(true, screen->Get_Bits_Count(), screen->Get_Bits_Mask()), depth.Type);

  void* bits = nullptr;
  int pitch = 0;
  ASSERT_TRUE(screen->Lock_Backbuffer(&bits, &pitch));
  ASSERT_GE(pitch, static_cast<int>(640 * depth.Bits / 8));
  Fill_Pixels(bits, pitch, 0, 640, 480, depth.Bits, depth.Green_Pixel);
  screen->Unlock_Backbuffer(bits);
  ASSERT_TRUE(screen->Flip_Surface());

  // After the flip the primary holds the picture.
  ASSERT_TRUE(screen->Lock_Frontbuffer(&bits, &pitch));
  EXPECT_EQ(Read_Pixel(bits, pitch, 320, 240, depth.Bits), depth.Green_Pixel);
  EXPECT_EQ(Read_Pixel(bits, pitch, 639, 479, depth.Bits), depth.Green_Pixel);
  screen->Unlock_Frontbuffer(bits);
  const auto green = [](COLORREF pixel) { return Near(pixel, RGB(0, 255, 0)); };
  EXPECT_TRUE(green(Display_Pixel_When(320, 240, green)));

  // The other buffer of the chain takes the next frame.
  ASSERT_TRUE(screen->Lock_Backbuffer(&bits, &pitch));
  Fill_Pixels(bits, pitch, 0, 640, 480, depth.Bits, 0);
  screen->Unlock_Backbuffer(bits);
  ASSERT_TRUE(screen->Flip_Surface());
  ASSERT_TRUE(screen->Lock_Frontbuffer(&bits, &pitch));
  EXPECT_EQ(Read_Pixel(bits, pitch, 320, 240, depth.Bits), 0u);
  screen->Unlock_Frontbuffer(bits);

  screen->End();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), desktopHeight);
  EXPECT_FALSE(screen->Flip_Surface());
}

INSTANTIATE_TEST_SUITE_P(Depths, FullScreenTest,
                         ::testing::Values(DEPTH{16, QOR_SURFACE_RGB565, 0x07E0},
                                           DEPTH{32, QOR_SURFACE_RGB32, 0x0000FF00}),
                         [](const ::testing::TestParamInfo<DEPTH>& parameter) {
                           return "Bits" + std::to_string(parameter.param.Bits);
                         });

using FullScreenLifeTest = ScreenTest;

TEST_F(FullScreenLifeTest, SecondInitEndsTheFirstSetUp) {
  ASSERT_TRUE(screen->Init(640, 480, 16, window, true));
  ASSERT_TRUE(screen->Init(800, 600, 32, window, true));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(Surface_Type_For(true, screen->Get_Bits_Count(), screen->Get_Bits_Mask()),
            QOR_SURFACE_RGB32);

  // Windowed after full screen: the desktop mode is back.
  ASSERT_TRUE(screen->Init(320, 240, 16, window, false));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), desktopHeight);
  EXPECT_TRUE(screen->Flip_Surface());
}

TEST_F(FullScreenLifeTest, VideoModeChangeKeepsTheSurfacesAndTheirWritesInside) {
  ASSERT_TRUE(screen->Init(640, 480, 32, window, true));
  screen->Set_Video_Mode(800, 600, 32);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);

  // The kept 640 x 480 buffers are cleared and given the logo within their size.
  screen->setLogoOn();
  screen->Clear_Backbuffer(0x11);
  screen->Restore_Surface();
  screen->Clear_Backbuffer(0x11);
  screen->End();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
}

TEST_F(FullScreenLifeTest, FailedInitHoldsNothingAndKeepsTheDesktopMode) {
  EXPECT_FALSE(screen->Init(641, 479, 16, window, true));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
  void* bits = nullptr;
  int pitch = 0;
  EXPECT_FALSE(screen->Lock_Backbuffer(&bits, &pitch));
  EXPECT_FALSE(screen->Flip_Surface());
  screen->End();
}

}  // namespace
