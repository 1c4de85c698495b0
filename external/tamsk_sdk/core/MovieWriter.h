#pragma once
// Writes tamsk movies: a header, then the frames in order. The caller may
// write the bytes out after each call, so a long movie need not sit in memory.

#include <cstdint>
#include <vector>

#include "MovieFormat.h"

namespace tamsk {

enum class Compression {
  Raw,        // always raw pixels
  RunLength,  // always run-length packets
  Smaller,    // whichever of the two is smaller for each picture
};

// Appends the header; false (and nothing appended) when CheckHeader refuses it.
bool AppendHeader(std::vector<std::uint8_t>& out, const MovieHeader& header);

// Appends the record of frame `number` (counting from 0): rgb holds
// width x height pixels of 3 bytes (red, green, blue), rows top-down; pcm holds
// pcmBytes of sound in the header's format, a whole number of sample frames
// (0 for a movie without sound). False, with nothing appended, when the sound
// does not fit the header.
bool AppendFrame(std::vector<std::uint8_t>& out, const MovieHeader& header, std::uint32_t number,
                 const std::uint8_t* rgb, const std::uint8_t* pcm, std::uint32_t pcmBytes,
                 Compression compression);

}  // namespace tamsk
