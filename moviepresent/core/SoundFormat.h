#pragma once

#include <cstdint>

// A PCM sound format as the host asks for it.
struct SOUND_FORMAT {
  std::uint32_t Channels;
  std::uint32_t Samples_Per_Second;
  std::uint32_t Bits_Per_Sample;
};

// The PCM description handed to the platform (the fields of its wave
// format, with their widths).
struct PCM_FORMAT {
  bool Valid;                          // false: the format is refused
  std::uint16_t Format_Tag;            // 1, PCM
  std::uint16_t Channels;
  std::uint32_t Samples_Per_Second;
  std::uint32_t Average_Bytes_Per_Second;  // one second: a track's size
  std::uint16_t Block_Align;           // bytes of one sample frame, all channels
  std::uint16_t Bits_Per_Sample;
};

constexpr std::uint16_t Pcm_Format_Tag = 1;

// The PCM description of a format. A sample takes bits / 8 bytes (integer
// division: 12 bits count as 1 byte). Refused (Valid false, every other field
// 0): no channels, no samples per second, fewer than 8 bits per sample, and
// any value that does not fit its field: channels, bits or block align above
// 16 bits, one second of sound above 32 bits. Computed in 64 bits.
PCM_FORMAT Pcm_Format(const SOUND_FORMAT& format);

// The wave format given to the primary buffer: every field as the platform's
// wave format holds it, computed in that field's width (channels, block
// align and bits cut to 16 bits, one second wrapped to 32 bits), and never
// refused here: the platform judges it. Tracks use Pcm_Format.
PCM_FORMAT Primary_Pcm_Format(const SOUND_FORMAT& format);

// A track's size: one second of the format in bytes, channels x samples per
// second x (bits / 8); 0 when the format is refused.
std::uint32_t Track_Bytes(const SOUND_FORMAT& format);

// The sound of one picture at framesPerSecond = rateNumerator /
// rateDenominator (30 / 1, 30000 / 1001, ...): one second of sound divided by
// the rate, rounded down to whole sample frames so that a write never splits
// a sample. 0 when the format or the rate is refused: a zero numerator or
// denominator, less than one sample frame a picture, or a picture longer than
// the track's one second.
std::uint32_t Frame_Bytes(const SOUND_FORMAT& format, std::uint32_t rateNumerator,
                          std::uint32_t rateDenominator);
