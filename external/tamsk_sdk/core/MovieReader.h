#pragma once
// Reads the index of a tamsk movie from a block of bytes.
//
// Limitations: only format version 1; a movie of at most kMaxMovieBytes; the
// field limits of MovieFormat.h; every run-length picture is walked once while
// reading, so the cost of reading grows with the movie's size. The reader
// refuses rather than repairs: a movie that breaks any rule is not indexed.

#include <cstddef>
#include <cstdint>

#include "MovieFormat.h"

namespace tamsk {

// Checks the whole block and fills index on success. Every offset in the index
// lies within the block; on failure index is left empty.
ReadResult ReadMovie(const std::uint8_t* data, std::size_t size, MovieIndex& index);

}  // namespace tamsk
