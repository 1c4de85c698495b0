#pragma once

#include <cstdint>

#include "MediaTypeDescription.h"
#include "MoviePixelFormat.h"

namespace dshowmovie {

// Result codes with the platform's HRESULT values, so the renderer can return
// them unchanged.
using ResultCode = std::int32_t;
inline constexpr ResultCode kResultOk = 0;                                          // S_OK
inline constexpr ResultCode kResultFail = static_cast<ResultCode>(0x80004005u);      // E_FAIL
inline constexpr ResultCode kResultInvalidArg = static_cast<ResultCode>(0x80070057u);  // E_INVALIDARG

// Decides whether the renderer takes an offered media type, in this order:
//   format type not FORMAT_VideoInfo          -> kResultInvalidArg
//   major type not MEDIATYPE_Video            -> kResultFail
//   subtype not MEDIASUBTYPE_RGB24            -> kResultFail
//   format block missing or shorter than a VIDEOINFOHEADER -> kResultInvalidArg
//   picture size the buffer set-up refuses    -> kResultFail
//   otherwise                                 -> kResultOk
// The size is checked here too, so that the connection can go on to another
// type instead of agreeing on one that cannot be set up.
ResultCode CheckMediaType(const MediaTypeDescription& type, MoviePixelFormat format);

}  // namespace dshowmovie
