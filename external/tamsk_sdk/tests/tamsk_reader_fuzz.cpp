// Feeds arbitrary bytes to the reader and, for what it accepts, decodes every
// frame into surfaces of exactly the picture's size in each layout, so that
// any write or read outside them is caught by the sanitizers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "MoviePlayer.h"
#include "MovieReader.h"
#include "PixelLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy: reading one byte past the input is an error.
  const std::vector<std::uint8_t> bytes(data, data + size);
  tamsk::MovieIndex index;
  if (tamsk::ReadMovie(bytes.data(), bytes.size(), index) != tamsk::ReadResult::Ok) return 0;

  for (const tamsk::FrameEntry& frame : index.frames) {
    if (frame.pictureOffset + frame.pictureBytes > size || frame.soundOffset + frame.soundBytes > size) {
      std::abort();
    }
  }
  tamsk::MoviePlayer player;
  if (player.Open(bytes) != tamsk::ReadResult::Ok) std::abort();
  const tamsk::MovieHeader& header = player.Header();
  // Large pictures are decoded into one layout only, to keep each run short.
  const bool small = tamsk::PixelCount(header) * header.frameCount <= 1u << 16;
  for (QOR_SURFACE_TYPE type : {QOR_SURFACE_RGB32, QOR_SURFACE_RGB555, QOR_SURFACE_RGB565}) {
    const int pitch = static_cast<int>(header.width) * tamsk::BytesPerPixel(type);
    std::vector<std::uint8_t> surface(static_cast<std::size_t>(pitch) * header.height);
    player.Rewind();
    std::uint32_t decoded = 0;
    while (player.DecodeNext({surface.data(), pitch, type})) {
      const std::uint8_t* sound = nullptr;
      std::uint32_t soundBytes = 0;
      if (player.CurrentSound(sound, soundBytes) && soundBytes != 0) {
        volatile std::uint8_t last = sound[soundBytes - 1];
        (void)last;
      }
      ++decoded;
    }
    if (decoded != header.frameCount) std::abort();
    if (!small) break;
  }
  return 0;
}
