#include "ScreenResolution.h"

#include <climits>

namespace {

struct StandardMode {
  int width;
  int height;
};

// Tried in order; the first mode that holds both values is taken.
constexpr StandardMode kStandardModes[] = {
    {320, 240}, {512, 384}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024},
};

constexpr StandardMode kLargestMode = {1600, 1200};

}  // namespace

void Get_Resolution(int& width, int& height) {
  for (const StandardMode& mode : kStandardModes) {
    if (width <= mode.width && height <= mode.height) {
      width = mode.width;
      height = mode.height;
      return;
    }
  }
  width = kLargestMode.width;
  height = kLargestMode.height;
}

int Requested_Screen_Size(unsigned value) {
  // Two's complement spelt out: the conversion of such values is not
  // defined by every language revision.
  if (value <= static_cast<unsigned>(INT_MAX)) return static_cast<int>(value);
  return -static_cast<int>(~value) - 1;
}
