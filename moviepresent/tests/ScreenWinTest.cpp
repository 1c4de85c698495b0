// The windowed screen against Wine's DirectDraw: the framed window, the
// picture and the logo read back from the display, the clears, stretching,
// and a screen without DirectDraw objects.
#include "LogoImage.h"
#include "PlayerRules.h"
#include "ScreenWinSupport.h"

namespace {

using screen_test::Display_Pixel_When;
using screen_test::Fill_Pixels;
using screen_test::Read_Pixel;
using screen_test::ScreenTest;
using screen_test::Settle;

constexpr std::uint32_t Picture_Pixel = 0x00336699;  // red 0x33, green 0x66, blue 0x99

struct LOGO_PIXEL {
  int X;
  int Y;
  unsigned char Blue;
  unsigned char Green;
  unsigned char Red;
};

// The first opaque logo pixel whose colour differs from the picture's, and
// the first transparent one.
LOGO_PIXEL Find_Logo_Pixel(bool opaque) {
  for (int y = 0; y < Logo_Height; ++y) {
    for (int x = 0; x < Logo_Width; ++x) {
      const unsigned char* p = Logo_Image + y * Logo_Pitch + x * 4;
      const bool isOpaque = (p[0] | p[1] | p[2]) != 0;
      if (isOpaque == opaque && (!opaque || RGB(p[2], p[1], p[0]) != RGB(0x33, 0x66, 0x99))) {
        return LOGO_PIXEL{x, y, p[0], p[1], p[2]};
      }
    }
  }
  return LOGO_PIXEL{-1, -1, 0, 0, 0};
}

class WindowedScreenTest : public ScreenTest {
 protected:
  void Init_Windowed() { ASSERT_TRUE(screen->Init(320, 240, 16, window, false)); }

  // The back buffer filled with the picture colour, logo as switched.
  void Draw_Picture() {
    void* bits = nullptr;
    int pitch = 0;
    ASSERT_TRUE(screen->Lock_Backbuffer(&bits, &pitch));
    ASSERT_NE(bits, nullptr);
    ASSERT_GE(pitch, 320 * 4);
    Fill_Pixels(bits, pitch, 0, 320, 240, 32, Picture_Pixel);
    screen->Unlock_Backbuffer(bits);
  }

  POINT Client_Origin() {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return origin;
  }
};

TEST_F(WindowedScreenTest, FramesThePopupAroundAnExactClientAreaInTheDesktopFormat) {
  ASSERT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & WS_POPUP, WS_POPUP);
  Init_Windowed();

  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & WS_POPUP, 0u);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
  EXPECT_EQ(style & WS_VISIBLE, static_cast<DWORD>(WS_VISIBLE));
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 320);
  EXPECT_EQ(client.bottom - client.top, 240);

  // The 24-bit display gives 32-bit pixels whatever depth was asked for.
  EXPECT_EQ(screen->Get_Bits_Count(), 32u);
  EXPECT_EQ(screen->Get_Bits_Mask(), 0x00FF0000u);
  EXPECT_EQ(Surface_Type_For(true, screen->Get_Bits_Count(), screen->Get_Bits_Mask()),
            QOR_SURFACE_RGB32);
  EXPECT_EQ(static_cast<QOR_DIRECTDRAW_PRIVATE*>(screen)->Get_Pixel_Format()->dwRGBBitCount, 32u);
}

TEST_F(WindowedScreenTest, WindowOutsideTheWorkAreaMovesOnlyAtItsLeftAndTopEdges) {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window, nullptr, work.left - 60, work.top - 50, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Init_Windowed();
  RECT placed = {};
  GetWindowRect(window, &placed);
  EXPECT_EQ(placed.left, work.left);
  EXPECT_EQ(placed.top, work.top);

  screen->End();
  SetWindowPos(window, nullptr, work.right - 100, work.bottom - 80, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Init_Windowed();
  GetWindowRect(window, &placed);
  EXPECT_EQ(placed.left, work.right - 100);
  EXPECT_EQ(placed.top, work.bottom - 80);
}

TEST_F(WindowedScreenTest, ShowBlitsThePictureWithTheLogoAtTheClientAreasBottomRight) {
  Init_Windowed();
  screen->setLogoOn();
  Draw_Picture();
  ASSERT_TRUE(screen->Flip_Surface());
  Settle();

  const POINT origin = Client_Origin();
  const COLORREF picture = RGB(0x33, 0x66, 0x99);
  EXPECT_EQ(Display_Pixel_When(origin.x + 10, origin.y + 10, picture), picture);
  EXPECT_EQ(Display_Pixel_When(origin.x + 160, origin.y + 120, picture), picture);

  const LOGO_PIXEL opaque = Find_Logo_Pixel(true);
  const LOGO_PIXEL transparent = Find_Logo_Pixel(false);
  ASSERT_GE(opaque.X, 0);
  ASSERT_GE(transparent.X, 0);
  const int logoLeft = origin.x + 320 - Logo_Width;
  const int logoTop = origin.y + 240 - Logo_Height;
  const COLORREF logo = RGB(opaque.Red, opaque.Green, opaque.Blue);
  EXPECT_EQ(Display_Pixel_When(logoLeft + opaque.X, logoTop + opaque.Y, logo), logo);
  EXPECT_EQ(Display_Pixel_When(logoLeft + transparent.X, logoTop + transparent.Y, picture), picture);
}

TEST_F(WindowedScreenTest, LogoOffLeavesThePictureWholeAndInitSwitchesTheLogoOff) {
  screen->setLogoOn();  // before Init: no lasting effect
  Init_Windowed();
  Draw_Picture();
  ASSERT_TRUE(screen->Flip_Surface());
  Settle();
  const POINT origin = Client_Origin();
  const LOGO_PIXEL opaque = Find_Logo_Pixel(true);
  const COLORREF picture = RGB(0x33, 0x66, 0x99);
  EXPECT_EQ(Display_Pixel_When(origin.x + 320 - Logo_Width + opaque.X,
                               origin.y + 240 - Logo_Height + opaque.Y, picture),
            picture);
}

TEST_F(WindowedScreenTest, ClearFillsWholeRowsWithTheLowByteAndKeepsTheLogo) {
  Init_Windowed();
  screen->Clear_Backbuffer(0x1234);
  void* bits = nullptr;
  int pitch = 0;
  ASSERT_TRUE(screen->Lock_Backbuffer(&bits, &pitch));
  for (int row : {0, 120, 239}) {
    const auto* line = static_cast<const unsigned char*>(bits) + row * pitch;
    for (int byte = 0; byte < 320 * 4; ++byte) {
      ASSERT_EQ(line[byte], 0x34) << "row " << row << " byte " << byte;
    }
  }
  screen->Unlock_Backbuffer(bits);

  screen->setLogoOn();
  screen->Clear_Backbuffer(0);
  screen->setLogoOff();
  ASSERT_TRUE(screen->Lock_Backbuffer(&bits, &pitch));
  const LOGO_PIXEL opaque = Find_Logo_Pixel(true);
  const LOGO_PIXEL transparent = Find_Logo_Pixel(false);
  const std::uint32_t logo =
      Read_Pixel(bits, pitch, 320 - Logo_Width + opaque.X, 240 - Logo_Height + opaque.Y, 32);
  EXPECT_EQ(logo & 0x00FFFFFFu,
            (static_cast<std::uint32_t>(opaque.Red) << 16) | (opaque.Green << 8) | opaque.Blue);
  EXPECT_EQ(Read_Pixel(bits, pitch, 320 - Logo_Width + transparent.X,
                       240 - Logo_Height + transparent.Y, 32),
            0u);
  screen->Unlock_Backbuffer(bits);
}

TEST_F(WindowedScreenTest, VideoModeChangeAndSecondInitKeepTheDesktopMode) {
  Init_Windowed();
  screen->Set_Video_Mode(640, 480, 16);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), desktopHeight);

  // A second Init on the live screen starts afresh and works as the first.
  Init_Windowed();
  Draw_Picture();
  EXPECT_TRUE(screen->Flip_Surface());
}

TEST_F(WindowedScreenTest, FrontBufferIsTheWholeDisplay) {
  Init_Windowed();
  void* bits = nullptr;
  int pitch = 0;
  ASSERT_TRUE(screen->Lock_Frontbuffer(&bits, &pitch));
  EXPECT_NE(bits, nullptr);
  EXPECT_GE(pitch, desktopWidth * 4);
  screen->Unlock_Frontbuffer(bits);
  // A logo and clear on the display stay inside it.
  screen->setLogoOn();
  screen->Clear_Frontbuffer(0);
}

TEST_F(WindowedScreenTest, WithoutDirectDrawObjectsNothingHappens) {
  const auto check_idle = [this] {
    void* bits = reinterpret_cast<void*>(1);
    int pitch = 77;
    EXPECT_FALSE(screen->Lock_Backbuffer(&bits, &pitch));
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(pitch, 77);
    bits = reinterpret_cast<void*>(1);
    EXPECT_FALSE(screen->Lock_Frontbuffer(&bits, &pitch));
    EXPECT_EQ(bits, nullptr);
    EXPECT_FALSE(screen->Flip_Surface());
    screen->Unlock_Backbuffer(nullptr);
    screen->Unlock_Frontbuffer(nullptr);
    screen->Clear_Backbuffer(0);
    screen->Clear_Frontbuffer(0);
    screen->Restore_Surface();
    screen->Set_Video_Mode(640, 480, 16);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktopWidth);
  };
  check_idle();
  EXPECT_EQ(screen->Get_Bits_Count(), 0u);
  screen->End();

  Init_Windowed();
  screen->End();
  screen->End();
  check_idle();
}

}  // namespace
