#pragma once

#include "MediaTypeDescription.h"
#include "MoviePixelFormat.h"
#include "PictureGeometry.h"

namespace dshowmovie {

// The set-up for an agreed media type: the picture geometry and the size of
// the frame buffer to allocate, read from the type's VIDEOINFOHEADER. False,
// with `geometry` untouched, for any type CheckMediaType does not accept.
//
// A frameBufferBytes of 0 (zero width or height) is a valid picture that
// converts to nothing; the caller still allocates a buffer of at least one
// byte, so that a connected movie always has one.
bool SetUpBuffer(const MediaTypeDescription& type, MoviePixelFormat format,
                 PictureGeometry* geometry);

}  // namespace dshowmovie
