#pragma once

#include <cstdint>

#include "PictureGeometry.h"

namespace dshowmovie {

// True when a sample carries a whole picture: a non-null address and at least
// videoHeight * sourcePitch bytes. Shorter samples are skipped, not converted.
bool SampleCoversPicture(const std::uint8_t* sample, std::uint64_t sampleBytes,
                         const PictureGeometry& geometry);

// Converts one sample into the frame buffer (frameBufferBytes long) in the
// layout the geometry was set up for. False, with nothing written, when the
// sample is skipped or there is no frame buffer for a non-empty picture; the
// caller raises its update flag only on true.
bool RenderSample(const std::uint8_t* sample, std::uint64_t sampleBytes,
                  const PictureGeometry& geometry, std::uint8_t* frameBuffer);

}  // namespace dshowmovie
