#pragma once
// The platform's wave format for a PCM description from the sound core.
#include <windows.h>
#include <mmreg.h>

#include "SoundFormat.h"

inline WAVEFORMATEX To_Wave_Format(const PCM_FORMAT& pcm) {
  WAVEFORMATEX wave = {};
  wave.wFormatTag = pcm.Format_Tag;
  wave.nChannels = pcm.Channels;
  wave.nSamplesPerSec = pcm.Samples_Per_Second;
  wave.nAvgBytesPerSec = pcm.Average_Bytes_Per_Second;
  wave.nBlockAlign = pcm.Block_Align;
  wave.wBitsPerSample = pcm.Bits_Per_Sample;
  wave.cbSize = 0;
  return wave;
}
