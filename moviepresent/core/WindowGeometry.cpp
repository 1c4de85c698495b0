#include "WindowGeometry.h"

#include <cstdint>

namespace {

std::int32_t Saturate(std::int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

// A requested size: negative counts as 0, and nothing larger than a 32-bit
// coordinate can hold.
std::int64_t Size(std::int64_t value) {
  if (value < 0) return 0;
  return value > INT32_MAX ? INT32_MAX : value;
}

std::int64_t Thickness(std::int64_t value) { return value < 0 ? 0 : value; }

std::int64_t Halved_Towards_Minus_Infinity(std::int64_t value) {
  return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

WINDOW_RECT Make_Rect(std::int64_t left, std::int64_t top, std::int64_t right,
                      std::int64_t bottom) {
  return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

}  // namespace

std::uint32_t Full_Screen_Style() { return window_style::Popup; }

std::uint32_t Windowed_Style(std::uint32_t currentStyle) {
  return (currentStyle & ~window_style::Popup) | window_style::Overlapped_Window;
}

WINDOW_RECT Client_Rect(std::int64_t clientWidth, std::int64_t clientHeight) {
  return Make_Rect(0, 0, Size(clientWidth), Size(clientHeight));
}

FRAME_SIZES Frame_From_Adjusted_Rect(const WINDOW_RECT& adjusted, std::int64_t clientWidth,
                                     std::int64_t clientHeight) {
  return {Saturate(Thickness(-std::int64_t{adjusted.Left})),
          Saturate(Thickness(-std::int64_t{adjusted.Top})),
          Saturate(Thickness(std::int64_t{adjusted.Right} - Size(clientWidth))),
          Saturate(Thickness(std::int64_t{adjusted.Bottom} - Size(clientHeight)))};
}

WINDOW_RECT Created_Window_Rect(std::int64_t screenWidth, std::int64_t screenHeight,
                                std::int64_t clientWidth, std::int64_t clientHeight,
                                const FRAME_SIZES& frame) {
  const std::int64_t width = Size(clientWidth);
  const std::int64_t height = Size(clientHeight);
  // Screen sizes come from the platform and fit 32 bits; C++ division
  // truncates towards zero, as the placement asks.
  const std::int64_t left = (std::int64_t{Saturate(screenWidth)} - width) / 2;
  const std::int64_t top = (std::int64_t{Saturate(screenHeight)} - height) / 2;
  return Make_Rect(left - Thickness(frame.Left), top - Thickness(frame.Top),
                   left + width + Thickness(frame.Right),
                   top + height + Thickness(frame.Bottom));
}

WINDOW_SIZE Rect_Size(const WINDOW_RECT& rect) {
  return {Saturate(Thickness(std::int64_t{rect.Right} - rect.Left)),
          Saturate(Thickness(std::int64_t{rect.Bottom} - rect.Top))};
}

WINDOW_SIZE Framed_Window_Size(std::int64_t clientWidth, std::int64_t clientHeight,
                               const FRAME_SIZES& frame) {
  return {Saturate(Size(clientWidth) + Thickness(frame.Left) + Thickness(frame.Right)),
          Saturate(Size(clientHeight) + Thickness(frame.Top) + Thickness(frame.Bottom))};
}

WINDOW_POINT Centered_Position(const WINDOW_RECT& workArea, const WINDOW_RECT& window) {
  const std::int64_t width = std::int64_t{window.Right} - window.Left;
  const std::int64_t height = std::int64_t{window.Bottom} - window.Top;
  return {Saturate(Halved_Towards_Minus_Infinity(std::int64_t{workArea.Left} + workArea.Right -
                                                 width)),
          Saturate(Halved_Towards_Minus_Infinity(std::int64_t{workArea.Top} + workArea.Bottom -
                                                 height))};
}

WINDOW_POINT Clamped_To_Work_Area(const WINDOW_RECT& window, const WINDOW_RECT& workArea) {
  return {window.Left < workArea.Left ? workArea.Left : window.Left,
          window.Top < workArea.Top ? workArea.Top : window.Top};
}

bool Blit_Destination(const WINDOW_RECT& window, const FRAME_SIZES& frame,
                      WINDOW_RECT* destination) {
  const std::int64_t left = std::int64_t{window.Left} + Thickness(frame.Left);
  const std::int64_t top = std::int64_t{window.Top} + Thickness(frame.Top);
  const std::int64_t right = std::int64_t{window.Right} - Thickness(frame.Right);
  const std::int64_t bottom = std::int64_t{window.Bottom} - Thickness(frame.Bottom);
  if (right <= left || bottom <= top) return false;
  if (destination) *destination = Make_Rect(left, top, right, bottom);
  return true;
}

SURFACE_EXTENT Writable_Extent(std::uint32_t screenWidth, std::uint32_t screenHeight,
                               std::uint32_t surfaceWidth, std::uint32_t surfaceHeight) {
  return {screenWidth < surfaceWidth ? screenWidth : surfaceWidth,
          screenHeight < surfaceHeight ? screenHeight : surfaceHeight};
}
