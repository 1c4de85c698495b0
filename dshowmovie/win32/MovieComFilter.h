#pragma once
// The movie object as the graph adapters see it: a core MovieFilter that is
// also a DirectShow filter the platform's graph can hold.
#include "Streams.h"

#include "MovieFilter.h"
#include "MovieFrameBuffer.h"
#include "MoviePlayback.h"

namespace rushlight {

class MovieComFilter : public dshowmovie::MovieFilter {
 public:
  // The filter's IBaseFilter, without a new reference.
  virtual IBaseFilter* baseFilter() = 0;

 protected:
  ~MovieComFilter() = default;
};

}  // namespace rushlight
