#pragma once

#include "FilterGraph.h"

namespace dshowmovie {

// Copies a zero-terminated file name into a buffer of kFileNameBufferBytes.
// Names of up to 259 bytes fit with their terminator; a longer name, or a
// null one, is refused (false) and the buffer is left alone. Never reads
// more than kFileNameBufferBytes bytes of the name.
bool CopyMovieFileName(const char* fileName, char (&buffer)[kFileNameBufferBytes]);

}  // namespace dshowmovie
