// Renders the whole 8 x 8 font and the logo into one PPM picture for review:
// a 16 x 16 grid of the glyphs (each cell doubled, with its unused columns
// shaded), then the logo composed over a grey band.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "LogoBlit.h"
#include "TextPrinter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s out.ppm\n", argv[0]);
    return 2;
  }
  const unsigned cell = 12, width = 16 * cell + 160, height = 16 * cell + 8 + 96;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0x00303030);
  const int pitch = static_cast<int>(width * 4);
  for (unsigned code = 0; code < 256; ++code) {
    const int x = static_cast<int>(4 + (code % 16) * cell), y = static_cast<int>(4 + (code / 16) * cell);
    for (int r = 0; r < 8; ++r)
      for (int k = 0; k < 8; ++k) pixels[(y + r) * width + x + k] = k < 6 ? 0x00101010 : 0x00000000;
    const char text[2] = {static_cast<char>(code), 0};
    Print_Text(text, x, y, pitch, QOR_SURFACE_RGB32, 0x00FFFFFF, pixels.data(), width, height);
  }
  for (unsigned y = height - 96; y < height; ++y)
    for (unsigned x = 0; x < width; ++x) pixels[y * width + x] = 0x00808080;
  Compose_Logo(pixels.data(), pitch, width, height, width, height, 32, 0x00FF0000);

  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) return 1;
  std::fprintf(out, "P6 %u %u 255\n", width, height);
  for (std::uint32_t p : pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                  static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, out);
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
