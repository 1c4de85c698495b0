#pragma once
// The platform's media detector (IMediaDet) behind the core's MediaDetector.
#include "MediaDetector.h"

namespace rushlight {

// CoCreateInstance of CLSID_MediaDet, in process; on success *detector is a
// new adapter owning the detector's one reference.
dshowmovie::ResultCode CreateComMediaDetector(dshowmovie::MediaDetector** detector);

}  // namespace rushlight
