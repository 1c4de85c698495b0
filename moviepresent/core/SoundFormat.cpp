#include "SoundFormat.h"

namespace {

constexpr std::uint64_t kLargest16 = 0xFFFFu;
constexpr std::uint64_t kLargest32 = 0xFFFFFFFFu;

}  // namespace

PCM_FORMAT Pcm_Format(const SOUND_FORMAT& format) {
  PCM_FORMAT refused = {false, 0, 0, 0, 0, 0, 0};
  const std::uint64_t channels = format.Channels;
  const std::uint64_t rate = format.Samples_Per_Second;
  const std::uint64_t bits = format.Bits_Per_Sample;
  if (channels == 0 || rate == 0 || bits < 8) return refused;
  if (channels > kLargest16 || bits > kLargest16) return refused;
  // Both factors fit 16 bits here, so neither product can leave 64 bits.
  const std::uint64_t blockAlign = channels * (bits / 8);
  if (blockAlign > kLargest16) return refused;
  const std::uint64_t bytesPerSecond = blockAlign * rate;
  if (bytesPerSecond > kLargest32) return refused;

  PCM_FORMAT pcm;
  pcm.Valid = true;
  pcm.Format_Tag = Pcm_Format_Tag;
  pcm.Channels = static_cast<std::uint16_t>(channels);
  pcm.Samples_Per_Second = static_cast<std::uint32_t>(rate);
  pcm.Average_Bytes_Per_Second = static_cast<std::uint32_t>(bytesPerSecond);
  pcm.Block_Align = static_cast<std::uint16_t>(blockAlign);
  pcm.Bits_Per_Sample = static_cast<std::uint16_t>(bits);
  return pcm;
}

PCM_FORMAT Primary_Pcm_Format(const SOUND_FORMAT& format) {
  PCM_FORMAT pcm;
  pcm.Valid = true;
  pcm.Format_Tag = Pcm_Format_Tag;
  pcm.Channels = static_cast<std::uint16_t>(format.Channels);
  pcm.Samples_Per_Second = format.Samples_Per_Second;
  pcm.Block_Align = static_cast<std::uint16_t>(format.Channels * (format.Bits_Per_Sample / 8));
  pcm.Average_Bytes_Per_Second = format.Samples_Per_Second * pcm.Block_Align;
  pcm.Bits_Per_Sample = static_cast<std::uint16_t>(format.Bits_Per_Sample);
  return pcm;
}

std::uint32_t Track_Bytes(const SOUND_FORMAT& format) {
  return Pcm_Format(format).Average_Bytes_Per_Second;
}

std::uint32_t Frame_Bytes(const SOUND_FORMAT& format, std::uint32_t rateNumerator,
                          std::uint32_t rateDenominator) {
  const PCM_FORMAT pcm = Pcm_Format(format);
  if (!pcm.Valid || rateNumerator == 0 || rateDenominator == 0) return 0;
  // Both factors are below 2^32, so the product fits 64 bits.
  const std::uint64_t bytes =
      std::uint64_t{pcm.Average_Bytes_Per_Second} * rateDenominator / rateNumerator;
  const std::uint64_t whole = bytes - bytes % pcm.Block_Align;
  if (whole == 0 || whole > pcm.Average_Bytes_Per_Second) return 0;
  return static_cast<std::uint32_t>(whole);
}
