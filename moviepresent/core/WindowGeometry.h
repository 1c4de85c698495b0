#pragma once

#include <cstdint>

// Placement arithmetic of the movie window and the windowed screen, without
// the platform: the platform reads the screen size, the work area, window
// rectangles and the frame that AdjustWindowRect(Ex) adds, and applies the
// results. Everything is computed in 64 bits; a result beyond the 32-bit
// range is held at its limit.

// A rectangle in screen pixels: left and top inside, right and bottom just
// outside (the platform's RECT).
struct WINDOW_RECT {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Right;
  std::int32_t Bottom;
};

// Thickness of a window's frame on each side of its client area.
struct FRAME_SIZES {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Right;
  std::int32_t Bottom;
};

struct WINDOW_POINT {
  std::int32_t X;
  std::int32_t Y;
};

struct WINDOW_SIZE {
  std::int32_t Width;
  std::int32_t Height;
};

// Window style bits with their documented values.
namespace window_style {
constexpr std::uint32_t Popup = 0x80000000u;
constexpr std::uint32_t Visible = 0x10000000u;
constexpr std::uint32_t Overlapped_Window = 0x00CF0000u;  // caption, system menu, sizing
                                                          // frame, minimise, maximise
}  // namespace window_style

// Full screen: the style becomes exactly a pop-up, all other bits dropped.
std::uint32_t Full_Screen_Style();

// Windowed: the pop-up bit removed and the overlapped-window bits added;
// every other bit (visibility, for one) stays.
std::uint32_t Windowed_Style(std::uint32_t currentStyle);

// The client rectangle (0, 0, width, height) to hand to AdjustWindowRect(Ex).
// A negative size counts as 0.
WINDOW_RECT Client_Rect(std::int64_t clientWidth, std::int64_t clientHeight);

// The frame that AdjustWindowRect(Ex) added to Client_Rect(width, height):
// left = -left, top = -top, right = right - width, bottom = bottom - height.
// A side that the adjusted rectangle does not widen counts as 0.
FRAME_SIZES Frame_From_Adjusted_Rect(const WINDOW_RECT& adjusted, std::int64_t clientWidth,
                                     std::int64_t clientHeight);

// The window rectangle of Create: a client area of the requested size moved
// by ((screen width - width) / 2, (screen height - height) / 2), each half
// truncated towards zero, then widened by the frame. A window larger than
// the screen gets a negative left or top edge. A negative size counts as 0.
WINDOW_RECT Created_Window_Rect(std::int64_t screenWidth, std::int64_t screenHeight,
                                std::int64_t clientWidth, std::int64_t clientHeight,
                                const FRAME_SIZES& frame);

// Width and height of a rectangle (what CreateWindowEx takes); an inverted
// rectangle has size 0.
WINDOW_SIZE Rect_Size(const WINDOW_RECT& rect);

// The window size for a client area of the given size inside the frame.
WINDOW_SIZE Framed_Window_Size(std::int64_t clientWidth, std::int64_t clientHeight,
                               const FRAME_SIZES& frame);

// Center: the window's new top-left corner on the work area:
// (work left + work right - window width) halved towards minus infinity, and
// likewise for the top. A window larger than the work area overhangs both
// sides alike.
WINDOW_POINT Centered_Position(const WINDOW_RECT& workArea, const WINDOW_RECT& window);

// Windowed Init: a window whose left or top edge lies outside the work area
// moves to the work area's edge; right and bottom edges are left alone.
WINDOW_POINT Clamped_To_Work_Area(const WINDOW_RECT& window, const WINDOW_RECT& workArea);

// The windowed blit's destination: the window rectangle shrunk by the frame,
// which is the client area in screen coordinates. False when that area is
// empty (a window resized or minimised to its frame or less): there is
// nothing to blit into. A client area of another size than the back buffer
// makes the blit stretch.
bool Blit_Destination(const WINDOW_RECT& window, const FRAME_SIZES& frame,
                      WINDOW_RECT* destination);

// How much of a screen of the recorded size can be written into a surface of
// its real size: the smaller of the two in each direction. Used where the
// surface can be smaller than the recorded screen: the whole display behind
// a windowed screen, or surfaces kept after a mode change.
struct SURFACE_EXTENT {
  std::uint32_t Width;
  std::uint32_t Height;
};
SURFACE_EXTENT Writable_Extent(std::uint32_t screenWidth, std::uint32_t screenHeight,
                               std::uint32_t surfaceWidth, std::uint32_t surfaceHeight);
