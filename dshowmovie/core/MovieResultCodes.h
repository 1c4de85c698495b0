#pragma once

#include "MediaTypeCheck.h"

namespace dshowmovie {

// Further platform result values the graph and probe logic meet, beside
// kResultOk, kResultFail and kResultInvalidArg. Any value of 0 or more is a
// success (S_FALSE and the platform's other success codes included); only
// negative values are failures.
inline constexpr ResultCode kResultFalse = 1;                                           // S_FALSE
inline constexpr ResultCode kResultPointer = static_cast<ResultCode>(0x80004003u);      // E_POINTER
inline constexpr ResultCode kResultOutOfMemory = static_cast<ResultCode>(0x8007000Eu);  // E_OUTOFMEMORY

inline constexpr bool IsSuccess(ResultCode code) { return code >= 0; }

}  // namespace dshowmovie
