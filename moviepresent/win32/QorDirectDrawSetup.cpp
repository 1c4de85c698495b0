// The two ways Init sets the screen up: exclusive full screen with a flip
// chain, or a framed window with a clipped primary and an off-screen back
// buffer.
#include "DirectDrawDescription.h"
#include "QorDirectDrawPrivate.h"

namespace {

WINDOW_RECT To_Window_Rect(const RECT& rect) {
  return WINDOW_RECT{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool QOR_DIRECTDRAW_PRIVATE::Init_Full_Screen() {
  SetWindowLongPtrA(Window, GWL_STYLE, static_cast<LONG_PTR>(Full_Screen_Style()));
  if (Direct_Draw->SetCooperativeLevel(Window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) {
    return false;
  }
  if (Direct_Draw->SetDisplayMode(Width, Height, Bits) != DD_OK) return false;

  DDSURFACEDESC description = Empty_Surface_Description();
  description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  description.dwBackBufferCount = 1;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  if (Direct_Draw->CreateSurface(&description, Front_Surface.Put(), nullptr) != DD_OK) {
    return false;
  }

  // GetAttachedSurface adds a reference to the back buffer for the caller;
  // Back_Surface owns it and releases it in End, before the primary.
  DDSCAPS backCaps = {};
  backCaps.dwCaps = DDSCAPS_BACKBUFFER;
  return Front_Surface->GetAttachedSurface(&backCaps, Back_Surface.Put()) == DD_OK;
}

bool QOR_DIRECTDRAW_PRIVATE::Init_Windowed() {
  Frame_Window();
  if (Direct_Draw->SetCooperativeLevel(Window, DDSCL_NORMAL) != DD_OK) return false;

  DDSURFACEDESC description = Empty_Surface_Description();
  description.dwFlags = DDSD_CAPS;
  description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  if (Direct_Draw->CreateSurface(&description, Front_Surface.Put(), nullptr) != DD_OK) {
    return false;
  }

  // The back buffer takes the display's pixel format.
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = Width;
  description.dwHeight = Height;
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  if (Direct_Draw->CreateSurface(&description, Back_Surface.Put(), nullptr) != DD_OK) {
    return false;
  }

  // SetClipper adds the primary's own reference to the clipper; the holder's
  // reference goes when it leaves scope, so the clipper lives as long as the
  // primary keeps it.
  common::ComPtr<IDirectDrawClipper> clipper;
  if (Direct_Draw->CreateClipper(0, clipper.Put(), nullptr) != DD_OK) return false;
  if (Front_Surface->SetClipper(clipper.Get()) != DD_OK) return false;
  return clipper->SetHWnd(0, Window) == DD_OK;
}

void QOR_DIRECTDRAW_PRIVATE::Frame_Window() {
  const auto style = static_cast<DWORD>(
      Windowed_Style(static_cast<std::uint32_t>(GetWindowLongPtrA(Window, GWL_STYLE))));
  SetWindowLongPtrA(Window, GWL_STYLE, static_cast<LONG_PTR>(style));

  const WINDOW_RECT client = Client_Rect(Width, Height);
  RECT adjusted = {client.Left, client.Top, client.Right, client.Bottom};
  AdjustWindowRectEx(&adjusted, style, GetMenu(Window) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrA(Window, GWL_EXSTYLE)));
  Border = Frame_From_Adjusted_Rect(To_Window_Rect(adjusted), Width, Height);

  // The frame changed with the style, so the non-client area is recomputed.
  const WINDOW_SIZE size = Rect_Size(To_Window_Rect(adjusted));
  SetWindowPos(Window, nullptr, 0, 0, size.Width, size.Height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetWindowPos(Window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

  RECT workArea = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  RECT window = {};
  GetWindowRect(Window, &window);
  const WINDOW_POINT corner =
      Clamped_To_Work_Area(To_Window_Rect(window), To_Window_Rect(workArea));
  SetWindowPos(Window, nullptr, corner.X, corner.Y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
