#pragma once
// A zeroed surface description with its size filled in, as every DirectDraw
// call that takes one expects.
#include <windows.h>
#include <ddraw.h>

static_assert(sizeof(void*) != 4 || sizeof(DDSURFACEDESC) == 108,
              "the first surface description is 108 bytes in a 32-bit program");
static_assert(sizeof(DDPIXELFORMAT) == 32, "the pixel format description is 32 bytes");

inline DDSURFACEDESC Empty_Surface_Description() {
  DDSURFACEDESC description = {};
  description.dwSize = sizeof(DDSURFACEDESC);
  return description;
}
