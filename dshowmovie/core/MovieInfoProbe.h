#pragma once

#include "MediaDetector.h"
#include "MovieInfo.h"

namespace dshowmovie {

// Probes a movie file through a media detector, without playing it:
//   1. clears *info;
//   2. makes a detector;
//   3. gives it the file name;
//   4. reads the number of streams;
//   5. for each stream 0 .. count - 1: makes it current, reads its media type;
//      video sets hasVideo and, from a FORMAT_VideoInfo block, width and height
//      (the last such stream's size stays); audio sets hasSound;
//   6. reads the length and frame rate of the stream then current (the last
//      one) into duration and fps;
//   7. releases the detector and returns hasVideo.
// A failure in steps 2 to 5 returns false, keeping what was gathered so far.
// Steps 6 cannot fail the probe: a failed read, or a value that is not a
// finite, non-negative number within a 32-bit float's range, gives 0.
// A null `info` returns false at once; a null file name gives a cleared
// record and false. A video stream without a VIDEOINFOHEADER leaves width
// and height as they were.
bool getMovieInfo(MediaDetectorFactory& detectors, const char* fileName, MovieInfo* info);

// The length or rate a detector gives, as the 32-bit float the record keeps;
// 0 for NaN, infinities, negative values and values beyond a float's range.
float NarrowDetectorValue(double value);

}  // namespace dshowmovie
