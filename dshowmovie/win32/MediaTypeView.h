#pragma once
// The platform's media type records seen through the cores' plain types.
#include <windows.h>
#include <strmif.h>

#include <cstring>

#include "MediaTypeDescription.h"

namespace rushlight {

static_assert(sizeof(GUID) == sizeof(dshowmovie::Guid), "GUID layouts must match");

inline dshowmovie::Guid ToCoreGuid(const GUID& guid) {
  dshowmovie::Guid core;
  std::memcpy(&core, &guid, sizeof core);
  return core;
}

// Borrows the type's format block; valid while `type` is.
inline dshowmovie::MediaTypeDescription Describe(const AM_MEDIA_TYPE& type) {
  dshowmovie::MediaTypeDescription description;
  description.majorType = ToCoreGuid(type.majortype);
  description.subtype = ToCoreGuid(type.subtype);
  description.formatType = ToCoreGuid(type.formattype);
  description.format = type.pbFormat;
  description.formatSize = type.pbFormat != nullptr ? type.cbFormat : 0;
  return description;
}

}  // namespace rushlight
