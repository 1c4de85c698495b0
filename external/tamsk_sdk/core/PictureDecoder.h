#pragma once
// Decodes one frame's picture into locked surface memory.

#include <cstdint>

#include "MovieFormat.h"
#include "tamsk_sdk.h"

namespace tamsk {

// Where a picture goes: pixel (0, 0) at pixels, rows pitch bytes apart
// (negative when rows run upwards), in the given layout.
struct SurfaceTarget {
  void* pixels = nullptr;
  int pitch = 0;
  QOR_SURFACE_TYPE type = QOR_SURFACE_NONE;
};

// Whether a picture of width pixels per row can be written to target: a known
// layout, non-null memory, and rows that do not overlap.
bool TargetFits(const SurfaceTarget& target, std::uint32_t width);

// Writes the width x height pixels of frame (taken from movie, whose index it
// belongs to) into target and nothing else. False, with nothing written, when
// the target does not fit; false after partial writing only for a picture
// that the reader would have refused.
bool DecodePicture(const std::uint8_t* movie, const MovieHeader& header, const FrameEntry& frame,
                   const SurfaceTarget& target);

}  // namespace tamsk
