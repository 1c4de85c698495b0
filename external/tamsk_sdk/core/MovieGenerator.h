#pragma once
// Generated movies for tests and demos: eight colour bars that move left, a
// square that moves diagonally, the frame number in a box at the top left,
// and a sine tone. Every colour is a known one, so a decoded picture can be
// checked pixel by pixel against GeneratePicture.

#include <cstdint>
#include <functional>
#include <vector>

#include "MovieFormat.h"
#include "MovieWriter.h"

namespace tamsk {

struct GeneratorOptions {
  std::uint32_t width = 160;
  std::uint32_t height = 120;
  std::uint32_t frameCount = 30;
  std::uint32_t rateNumerator = 15;
  std::uint32_t rateDenominator = 1;
  bool sound = true;
  std::uint32_t samplesPerSecond = 22050;
  std::uint16_t channels = 1;
  std::uint16_t bitsPerSample = 16;
  double toneHz = 440.0;
  Compression compression = Compression::Smaller;
};

// Colours used by the pictures, as red, green, blue.
struct Rgb {
  std::uint8_t r, g, b;
};
extern const Rgb kBarColours[8];  // white, yellow, cyan, green, magenta, red, blue, black
extern const Rgb kSquareColour;   // orange
extern const Rgb kDigitColour;    // black, on a white box

MovieHeader GeneratedHeader(const GeneratorOptions& options);

// Frame `frame`'s picture: width x height pixels of red, green, blue.
std::vector<std::uint8_t> GeneratePicture(const GeneratorOptions& options, std::uint32_t frame);

// The first sample of frame `frame` (sample frames, counted over the movie).
std::uint64_t FirstSampleOfFrame(const GeneratorOptions& options, std::uint32_t frame);

// Frame `frame`'s PCM sound: the tone's samples from FirstSampleOfFrame(frame)
// up to the next frame's first sample, every channel alike; empty without sound.
std::vector<std::uint8_t> GenerateSound(const GeneratorOptions& options, std::uint32_t frame);

// Writes the movie piece by piece (the header, then one piece per frame) to
// sink, which returns false to stop. False when the options make no valid
// movie or the sink stopped.
bool GenerateMovie(const GeneratorOptions& options,
                   const std::function<bool(const std::vector<std::uint8_t>&)>& sink);

// The whole movie in memory; empty when the options make no valid movie.
std::vector<std::uint8_t> GenerateMovieBytes(const GeneratorOptions& options);

}  // namespace tamsk
