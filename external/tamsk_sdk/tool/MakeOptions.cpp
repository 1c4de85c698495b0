#include "MakeOptions.h"

#include <cerrno>
#include <cstdlib>

namespace tamsk {

const char kMakeUsage[] =
    "usage: tamsk_make -o FILE [options]\n"
    "  -o, --output FILE     the movie to write\n"
    "  --width N             picture width in pixels (default 160)\n"
    "  --height N            picture height in pixels (default 120)\n"
    "  --frames N            number of frames (default 30)\n"
    "  --rate N[/D]          frames per second, as a whole number or a fraction (default 15)\n"
    "  --tone HZ             frequency of the sine tone (default 440)\n"
    "  --sound-rate N        samples per second (default 22050)\n"
    "  --channels N          sound channels (default 1)\n"
    "  --bits 8|16           bits per sample (default 16)\n"
    "  --no-sound            a movie without sound\n"
    "  --compression MODE    raw, rle or auto (default auto: the smaller per picture)\n"
    "  -h, --help            this text\n";

namespace {

bool ParseUnsigned(const char* text, unsigned long maximum, unsigned long& value) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 10);
  return errno == 0 && *end == '\0' && value <= maximum;
}

bool ParseRate(const char* text, std::uint32_t& numerator, std::uint32_t& denominator) {
  std::string whole(text);
  const std::size_t slash = whole.find('/');
  unsigned long n = 0;
  unsigned long d = 1;
  if (!ParseUnsigned(whole.substr(0, slash).c_str(), 0xFFFFFFFFul, n)) return false;
  if (slash != std::string::npos && !ParseUnsigned(whole.substr(slash + 1).c_str(), 0xFFFFFFFFul, d)) {
    return false;
  }
  numerator = static_cast<std::uint32_t>(n);
  denominator = static_cast<std::uint32_t>(d);
  return true;
}

bool ParseTone(const char* text, double& hz) {
  char* end = nullptr;
  hz = std::strtod(text, &end);
  return end != text && *end == '\0' && hz >= 0.0 && hz <= 1.0e6;
}

}  // namespace

bool ParseMakeOptions(int argc, const char* const* argv, MakeOptions& options, std::string& error) {
  GeneratorOptions& movie = options.movie;
  for (int i = 0; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "-h" || name == "--help") {
      options.help = true;
      return true;
    }
    if (name == "--no-sound") {
      movie.sound = false;
      continue;
    }
    if (i + 1 >= argc) {
      error = "option " + name + " needs a value (or is unknown)";
      return false;
    }
    const char* value = argv[++i];
    unsigned long number = 0;
    bool good = true;
    if (name == "-o" || name == "--output") {
      options.output = value;
    } else if (name == "--width" && (good = ParseUnsigned(value, 0xFFFFFFFFul, number))) {
      movie.width = static_cast<std::uint32_t>(number);
    } else if (name == "--height" && (good = ParseUnsigned(value, 0xFFFFFFFFul, number))) {
      movie.height = static_cast<std::uint32_t>(number);
    } else if (name == "--frames" && (good = ParseUnsigned(value, 0xFFFFFFFFul, number))) {
      movie.frameCount = static_cast<std::uint32_t>(number);
    } else if (name == "--rate") {
      good = ParseRate(value, movie.rateNumerator, movie.rateDenominator);
    } else if (name == "--tone") {
      good = ParseTone(value, movie.toneHz);
    } else if (name == "--sound-rate" && (good = ParseUnsigned(value, 0xFFFFFFFFul, number))) {
      movie.samplesPerSecond = static_cast<std::uint32_t>(number);
    } else if (name == "--channels" && (good = ParseUnsigned(value, 0xFFFFul, number))) {
      movie.channels = static_cast<std::uint16_t>(number);
    } else if (name == "--bits" && (good = ParseUnsigned(value, 0xFFFFul, number))) {
      movie.bitsPerSample = static_cast<std::uint16_t>(number);
    } else if (name == "--compression") {
      const std::string mode = value;
      if (mode == "raw") {
        movie.compression = Compression::Raw;
      } else if (mode == "rle") {
        movie.compression = Compression::RunLength;
      } else if (mode == "auto") {
        movie.compression = Compression::Smaller;
      } else {
        good = false;
      }
    } else if (good) {
      error = "unknown option " + name;
      return false;
    }
    if (!good) {
      error = "bad value '" + std::string(value) + "' for " + name;
      return false;
    }
  }
  if (options.output.empty()) {
    error = "no output file (-o FILE)";
    return false;
  }
  return true;
}

}  // namespace tamsk
