#include "MovieGenerator.h"

#include <algorithm>
#include <cmath>

namespace tamsk {

const Rgb kBarColours[8] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                            {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};
const Rgb kSquareColour = {255, 128, 0};
const Rgb kDigitColour = {0, 0, 0};

namespace {

constexpr Rgb kBoxColour = {255, 255, 255};
constexpr double kPi = 3.14159265358979323846;

// Digits 0 to 9 in 3 x 5 cells: one row per entry, bit 2 is the left column.
constexpr std::uint8_t kDigitRows[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};
constexpr std::uint32_t kDigitScale = 2;

class Canvas {
 public:
  Canvas(std::uint32_t width, std::uint32_t height)
      : width_(width), height_(height), rgb_(std::size_t{width} * height * 3) {}

  // Fills the rectangle, clipped to the canvas.
  void Fill(std::uint64_t left, std::uint64_t top, std::uint64_t w, std::uint64_t h, Rgb colour) {
    const std::uint64_t right = std::min<std::uint64_t>(left + w, width_);
    const std::uint64_t bottom = std::min<std::uint64_t>(top + h, height_);
    for (std::uint64_t y = top; y < bottom; ++y) {
      for (std::uint64_t x = left; x < right; ++x) Set(x, y, colour);
    }
  }
  void Set(std::uint64_t x, std::uint64_t y, Rgb colour) {
    std::uint8_t* p = &rgb_[(y * width_ + x) * 3];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
  }
  std::uint32_t Width() const { return width_; }
  std::uint32_t Height() const { return height_; }
  std::vector<std::uint8_t> Take() { return std::move(rgb_); }

 private:
  std::uint32_t width_;
  std::uint32_t height_;
  std::vector<std::uint8_t> rgb_;
};

void DrawBars(Canvas& canvas, std::uint32_t frame) {
  const std::uint64_t width = canvas.Width();
  const std::uint64_t shift = std::max<std::uint64_t>(1, width / 32) * frame;
  for (std::uint64_t x = 0; x < width; ++x) {
    const Rgb colour = kBarColours[((x + shift) % width) * 8 / width];
    canvas.Fill(x, 0, 1, canvas.Height(), colour);
  }
}

void DrawSquare(Canvas& canvas, std::uint32_t frame) {
  const std::uint64_t side = std::max<std::uint32_t>(1, std::min(canvas.Width(), canvas.Height()) / 4);
  const std::uint64_t left = (std::uint64_t{frame} * 3) % (canvas.Width() - side + 1);
  const std::uint64_t top = (std::uint64_t{frame} * 2) % (canvas.Height() - side + 1);
  canvas.Fill(left, top, side, side, kSquareColour);
}

void DrawFrameNumber(Canvas& canvas, std::uint32_t frame) {
  std::vector<int> digits;
  do {
    digits.insert(digits.begin(), static_cast<int>(frame % 10));
    frame /= 10;
  } while (frame != 0);
  const std::uint64_t cell = 4 * kDigitScale;  // 3 columns and a gap
  canvas.Fill(0, 0, digits.size() * cell + kDigitScale, 7 * kDigitScale, kBoxColour);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    for (std::uint64_t row = 0; row < 5; ++row) {
      for (std::uint64_t column = 0; column < 3; ++column) {
        if ((kDigitRows[digits[i]][row] >> (2 - column)) & 1) {
          canvas.Fill(kDigitScale + i * cell + column * kDigitScale, kDigitScale + row * kDigitScale,
                      kDigitScale, kDigitScale, kDigitColour);
        }
      }
    }
  }
}

}  // namespace

MovieHeader GeneratedHeader(const GeneratorOptions& options) {
  MovieHeader header;
  header.width = options.width;
  header.height = options.height;
  header.rateNumerator = options.rateNumerator;
  header.rateDenominator = options.rateDenominator;
  header.frameCount = options.frameCount;
  if (options.sound) {
    header.sound.samplesPerSecond = options.samplesPerSecond;
    header.sound.channels = options.channels;
    header.sound.bitsPerSample = options.bitsPerSample;
  }
  return header;
}

std::vector<std::uint8_t> GeneratePicture(const GeneratorOptions& options, std::uint32_t frame) {
  Canvas canvas(options.width, options.height);
  DrawBars(canvas, frame);
  DrawSquare(canvas, frame);
  DrawFrameNumber(canvas, frame);
  return canvas.Take();
}

std::uint64_t FirstSampleOfFrame(const GeneratorOptions& options, std::uint32_t frame) {
  // Within the header limits the product stays below 2^61.
  return std::uint64_t{frame} * options.samplesPerSecond * options.rateDenominator / options.rateNumerator;
}

std::vector<std::uint8_t> GenerateSound(const GeneratorOptions& options, std::uint32_t frame) {
  std::vector<std::uint8_t> pcm;
  if (!options.sound) return pcm;
  const std::uint64_t first = FirstSampleOfFrame(options, frame);
  const std::uint64_t end = FirstSampleOfFrame(options, frame + 1);
  const std::uint32_t bytesPerSample = options.bitsPerSample / 8u;
  pcm.reserve((end - first) * options.channels * bytesPerSample);
  for (std::uint64_t n = first; n < end; ++n) {
    const double wave = std::sin(2.0 * kPi * options.toneHz * static_cast<double>(n) / options.samplesPerSecond);
    for (std::uint16_t c = 0; c < options.channels; ++c) {
      if (options.bitsPerSample == 8) {
        pcm.push_back(static_cast<std::uint8_t>(128 + std::lround(wave * 63.0)));
      } else {
        const auto value = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(wave * 16383.0)));
        pcm.push_back(static_cast<std::uint8_t>(value));
        pcm.push_back(static_cast<std::uint8_t>(value >> 8));
      }
    }
  }
  return pcm;
}

bool GenerateMovie(const GeneratorOptions& options,
                   const std::function<bool(const std::vector<std::uint8_t>&)>& sink) {
  const MovieHeader header = GeneratedHeader(options);
  std::vector<std::uint8_t> piece;
  if (!AppendHeader(piece, header) || !sink(piece)) return false;
  for (std::uint32_t frame = 0; frame < header.frameCount; ++frame) {
    // A frame too long for its sound to fit a record is refused before any
    // sample is made.
    const std::uint64_t samples = FirstSampleOfFrame(options, frame + 1) - FirstSampleOfFrame(options, frame);
    if (samples * header.sound.BlockAlign() > kMaxSoundBytesPerFrame) return false;
    const std::vector<std::uint8_t> picture = GeneratePicture(options, frame);
    const std::vector<std::uint8_t> sound = GenerateSound(options, frame);
    piece.clear();
    if (!AppendFrame(piece, header, frame, picture.data(), sound.data(), static_cast<std::uint32_t>(sound.size()),
                     options.compression) ||
        !sink(piece)) {
      return false;
    }
  }
  return true;
}

std::vector<std::uint8_t> GenerateMovieBytes(const GeneratorOptions& options) {
  std::vector<std::uint8_t> movie;
  const bool made = GenerateMovie(options, [&movie](const std::vector<std::uint8_t>& piece) {
    movie.insert(movie.end(), piece.begin(), piece.end());
    return true;
  });
  if (!made) movie.clear();
  return movie;
}

}  // namespace tamsk
