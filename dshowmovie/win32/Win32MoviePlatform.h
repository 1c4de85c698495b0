#pragma once
// What the cores need of the platform to make a movie: the filter graph
// manager, the movie object and media detectors.
#include "MovieFilter.h"

namespace rushlight {

class Win32MoviePlatform final : public dshowmovie::MoviePlatform {
 public:
  dshowmovie::ResultCode createMediaDetector(dshowmovie::MediaDetector** detector) override;
  dshowmovie::ResultCode createFilterGraph(dshowmovie::FilterGraph** graph) override;
  dshowmovie::MovieFilter* constructMovie() override;
};

}  // namespace rushlight
