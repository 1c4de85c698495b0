#include "WindowGeometry.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr FRAME_SIZES kNoFrame = {0, 0, 0, 0};
// What AdjustWindowRectEx typically adds to an overlapped window.
constexpr FRAME_SIZES kOverlappedFrame = {8, 31, 8, 8};

void ExpectRect(const WINDOW_RECT& r, std::int32_t left, std::int32_t top, std::int32_t right,
                std::int32_t bottom) {
  EXPECT_EQ(r.Left, left);
  EXPECT_EQ(r.Top, top);
  EXPECT_EQ(r.Right, right);
  EXPECT_EQ(r.Bottom, bottom);
}

TEST(CreatePlacement, CentresTheClientAreaOnTheScreen) {
  const WINDOW_RECT popup = Created_Window_Rect(1024, 768, 640, 480, kNoFrame);
  ExpectRect(popup, 192, 144, 832, 624);
  EXPECT_EQ(Rect_Size(popup).Width, 640);
  EXPECT_EQ(Rect_Size(popup).Height, 480);

  // Wider than the screen: a negative left edge, halves truncated to zero.
  EXPECT_EQ(Created_Window_Rect(1024, 768, 1100, 480, kNoFrame).Left, -38);
  EXPECT_EQ(Created_Window_Rect(1024, 768, 1101, 480, kNoFrame).Left, -38);
  EXPECT_EQ(Created_Window_Rect(1023, 767, 640, 480, kNoFrame).Left, 191);

  // A frame widens the rectangle around the centred client area.
  const WINDOW_RECT framed = Created_Window_Rect(1024, 768, 640, 480, kOverlappedFrame);
  ExpectRect(framed, 184, 113, 840, 632);
  EXPECT_EQ(Rect_Size(framed).Width, 656);
  EXPECT_EQ(Rect_Size(framed).Height, 519);
}

TEST(CreatePlacement, AbsurdSizesStayInRange) {
  ExpectRect(Created_Window_Rect(1024, 768, -100, -1, kNoFrame), 512, 384, 512, 384);
  const WINDOW_RECT huge = Created_Window_Rect(1024, 768, INT64_MAX, INT64_MIN, kOverlappedFrame);
  EXPECT_LE(huge.Left, huge.Right);
  EXPECT_EQ(Rect_Size(huge).Width, INT32_MAX);
  EXPECT_EQ(Rect_Size(huge).Height, 31 + 8);
  EXPECT_EQ(Rect_Size({10, 10, 5, 5}).Width, 0);
  EXPECT_EQ(Rect_Size({INT32_MIN, 0, INT32_MAX, 1}).Width, INT32_MAX);
  ExpectRect(Client_Rect(-5, 3000000000ll), 0, 0, 0, INT32_MAX);
}

TEST(WindowedFrame, ComesFromTheAdjustedClientRectangle) {
  const WINDOW_RECT client = Client_Rect(640, 480);
  ExpectRect(client, 0, 0, 640, 480);
  const FRAME_SIZES frame = Frame_From_Adjusted_Rect({-8, -31, 648, 488}, 640, 480);
  EXPECT_EQ(frame.Left, 8);
  EXPECT_EQ(frame.Top, 31);
  EXPECT_EQ(frame.Right, 8);
  EXPECT_EQ(frame.Bottom, 8);
  const WINDOW_SIZE size = Framed_Window_Size(640, 480, frame);
  EXPECT_EQ(size.Width, 656);
  EXPECT_EQ(size.Height, 519);

  // A rectangle that was not widened (a pop-up) has no frame; one that came
  // back narrower than the client area is no frame either.
  const FRAME_SIZES none = Frame_From_Adjusted_Rect({5, 5, 600, 400}, 640, 480);
  EXPECT_EQ(none.Left, 0);
  EXPECT_EQ(none.Top, 0);
  EXPECT_EQ(none.Right, 0);
  EXPECT_EQ(none.Bottom, 0);
}

TEST(WindowedFrame, StylesForTheTwoModes) {
  EXPECT_EQ(Full_Screen_Style(), 0x80000000u);
  EXPECT_EQ(Windowed_Style(0x80000000u | 0x10000000u), 0x10000000u | 0x00CF0000u);
  EXPECT_EQ(Windowed_Style(0x00000004u), 0x00CF0004u);
}

TEST(Centre, UsesTheWorkAreaAndRoundsDown) {
  const WINDOW_RECT window = {0, 0, 656, 519};
  WINDOW_POINT p = Centered_Position({0, 0, 1024, 738}, window);
  EXPECT_EQ(p.X, 184);
  EXPECT_EQ(p.Y, 109);
  // Task bar on the left: the work area starts at 60.
  p = Centered_Position({60, 0, 1024, 768}, {300, 300, 956, 819});
  EXPECT_EQ(p.X, 214);
  EXPECT_EQ(p.Y, 124);
  // A window larger than the work area: odd negative sums go down.
  p = Centered_Position({0, 0, 800, 600}, {0, 0, 1001, 603});
  EXPECT_EQ(p.X, -101);
  EXPECT_EQ(p.Y, -2);
  // Extreme rectangles do not overflow.
  p = Centered_Position({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {INT32_MAX, 0, INT32_MIN, 0});
  EXPECT_EQ(p.X, INT32_MAX);
}

TEST(WorkAreaClamp, MovesOnlyLeftAndTopEdgesInside) {
  const WINDOW_RECT work = {60, 30, 1024, 738};
  WINDOW_POINT p = Clamped_To_Work_Area({-20, -5, 636, 514}, work);
  EXPECT_EQ(p.X, 60);
  EXPECT_EQ(p.Y, 30);
  p = Clamped_To_Work_Area({100, 10, 756, 529}, work);
  EXPECT_EQ(p.X, 100);
  EXPECT_EQ(p.Y, 30);
  // Sticking out at the right or bottom: left where it is.
  p = Clamped_To_Work_Area({700, 600, 1356, 1119}, work);
  EXPECT_EQ(p.X, 700);
  EXPECT_EQ(p.Y, 600);
}

TEST(WindowedBlit, TargetsTheClientAreaInScreenCoordinates) {
  WINDOW_RECT destination = {};
  ASSERT_TRUE(Blit_Destination({100, 50, 756, 569}, kOverlappedFrame, &destination));
  ExpectRect(destination, 108, 81, 748, 561);
  // A resized window: the client area, now larger, receives a stretched blit.
  ASSERT_TRUE(Blit_Destination({100, 50, 1116, 819}, kOverlappedFrame, &destination));
  ExpectRect(destination, 108, 81, 1108, 811);
  // A window shrunk to its frame, or minimised far off screen, has nothing to blit into.
  EXPECT_FALSE(Blit_Destination({100, 50, 116, 89}, kOverlappedFrame, &destination));
  EXPECT_FALSE(Blit_Destination({-32000, -32000, -31840, -31973}, kOverlappedFrame, &destination));
  EXPECT_FALSE(Blit_Destination({10, 10, 5, 20}, kNoFrame, nullptr));
  EXPECT_TRUE(Blit_Destination({0, 0, 1, 1}, kNoFrame, nullptr));
}

TEST(WritableExtent, NeverExceedsTheSurface) {
  // The display behind a windowed screen is smaller than the screen.
  SURFACE_EXTENT e = Writable_Extent(1600, 1200, 1024, 768);
  EXPECT_EQ(e.Width, 1024u);
  EXPECT_EQ(e.Height, 768u);
  e = Writable_Extent(640, 480, 1024, 768);
  EXPECT_EQ(e.Width, 640u);
  EXPECT_EQ(e.Height, 480u);
  e = Writable_Extent(800, 200, 640, 480);
  EXPECT_EQ(e.Width, 640u);
  EXPECT_EQ(e.Height, 200u);
}

}  // namespace
