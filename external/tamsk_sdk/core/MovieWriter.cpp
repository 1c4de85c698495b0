#include "MovieWriter.h"

#include "LittleEndian.h"
#include "RunLength.h"

namespace tamsk {

bool AppendHeader(std::vector<std::uint8_t>& out, const MovieHeader& header) {
  if (CheckHeader(header) != ReadResult::Ok) return false;
  out.insert(out.end(), kMagic, kMagic + sizeof kMagic);
  AppendU16(out, kFormatVersion);
  AppendU16(out, static_cast<std::uint16_t>(kHeaderBytes));
  AppendU32(out, header.width);
  AppendU32(out, header.height);
  AppendU32(out, header.rateNumerator);
  AppendU32(out, header.rateDenominator);
  AppendU32(out, header.frameCount);
  AppendU32(out, header.sound.samplesPerSecond);
  AppendU16(out, header.sound.channels);
  AppendU16(out, header.sound.bitsPerSample);
  AppendU32(out, 0);  // flags
  return true;
}

bool AppendFrame(std::vector<std::uint8_t>& out, const MovieHeader& header, std::uint32_t number,
                 const std::uint8_t* rgb, const std::uint8_t* pcm, std::uint32_t pcmBytes,
                 Compression compression) {
  if (header.sound.Present()) {
    if (pcmBytes > kMaxSoundBytesPerFrame || pcmBytes % header.sound.BlockAlign() != 0) return false;
  } else if (pcmBytes != 0) {
    return false;
  }
  if (pcmBytes != 0 && pcm == nullptr) return false;

  const std::uint64_t rawBytes = RawPictureBytes(header);
  std::vector<std::uint8_t> packed;
  if (compression != Compression::Raw) EncodeRunLength(rgb, PixelCount(header), packed);
  const bool useRunLength = compression == Compression::RunLength ||
                            (compression == Compression::Smaller && packed.size() < rawBytes);

  AppendU32(out, number);
  AppendU8(out, static_cast<std::uint8_t>(useRunLength ? PictureCoding::RunLength : PictureCoding::Raw));
  AppendU8(out, 0);
  AppendU8(out, 0);
  AppendU8(out, 0);
  AppendU32(out, static_cast<std::uint32_t>(useRunLength ? packed.size() : rawBytes));
  AppendU32(out, pcmBytes);
  if (useRunLength) {
    out.insert(out.end(), packed.begin(), packed.end());
  } else {
    out.insert(out.end(), rgb, rgb + rawBytes);
  }
  if (pcmBytes != 0) out.insert(out.end(), pcm, pcm + pcmBytes);
  return true;
}

}  // namespace tamsk
