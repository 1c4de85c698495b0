#include "SoundTrackTable.h"

#include <cstddef>
#include <cstdint>
#include <new>

SOUND_TRACK_TABLE::SOUND_TRACK_TABLE() {
  Records = new (std::nothrow) SOUND_TRACK[Growth];
  Room = Records ? Growth : 0;
}

SOUND_TRACK_TABLE::~SOUND_TRACK_TABLE() { delete[] Records; }

bool SOUND_TRACK_TABLE::Grow() {
  const std::uint64_t newRoom = std::uint64_t{Room} + Growth;
  if (newRoom > UINT32_MAX || newRoom > SIZE_MAX / sizeof(SOUND_TRACK)) return false;
  SOUND_TRACK* grown = new (std::nothrow) SOUND_TRACK[static_cast<std::size_t>(newRoom)];
  if (!grown) return false;
  for (std::uint32_t i = 0; i < Count; ++i) grown[i] = Records[i];
  delete[] Records;
  Records = grown;
  Room = static_cast<std::uint32_t>(newRoom);
  return true;
}

std::uint32_t SOUND_TRACK_TABLE::Prepare_Track(const SOUND_FORMAT& format) {
  Prepared = false;
  const std::uint32_t size = Track_Bytes(format);
  if (size == 0) return 0;
  if (Count >= Room && !Grow()) return 0;
  Records[Count] = {nullptr, {size, 0, 0}};
  Prepared = true;
  return size;
}

std::uint32_t SOUND_TRACK_TABLE::Add_Prepared_Track(void* buffer) {
  if (!Prepared || !buffer) return 0;
  Prepared = false;
  Records[Count].Buffer = buffer;
  return Records[Count++].Ring.Size;
}

const SOUND_TRACK* SOUND_TRACK_TABLE::Track(std::uint32_t track) const {
  return track < Count ? &Records[track] : nullptr;
}

void* SOUND_TRACK_TABLE::Buffer(std::uint32_t track) const {
  return track < Count ? Records[track].Buffer : nullptr;
}

RING_ADVANCE SOUND_TRACK_TABLE::Next_Frame(std::uint32_t bytes, std::uint32_t track) {
  if (track >= Count) return {0, false};
  return Advance_Ring(Records[track].Ring, bytes);
}

RING_LOCK SOUND_TRACK_TABLE::Lock_Regions(std::uint32_t bytes, std::uint32_t track) const {
  if (track >= Count) return {false, {0, 0}, {0, 0}};
  return Ring_Lock_Regions(Records[track].Ring, bytes);
}

void SOUND_TRACK_TABLE::Empty() {
  for (std::uint32_t i = 0; i < Count; ++i) Records[i].Buffer = nullptr;
  Count = 0;
  Prepared = false;
}
