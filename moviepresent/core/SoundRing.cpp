#include "SoundRing.h"

namespace {

bool Usable(const SOUND_RING& ring) { return ring.Size > 0 && ring.Position < ring.Size; }

}  // namespace

RING_ADVANCE Advance_Ring(SOUND_RING& ring, std::uint32_t bytes) {
  if (!Usable(ring)) return {0, false};
  ring.Position = static_cast<std::uint32_t>((std::uint64_t{ring.Position} + bytes) % ring.Size);
  const bool startPlayback = ring.Frames == 2;
  if (ring.Frames != UINT32_MAX) ++ring.Frames;
  return {ring.Frames, startPlayback};
}

RING_LOCK Ring_Lock_Regions(const SOUND_RING& ring, std::uint32_t bytes) {
  const RING_LOCK refused = {false, {0, 0}, {0, 0}};
  if (!Usable(ring) || bytes == 0 || bytes > ring.Size) return refused;
  const std::uint32_t untilEnd = ring.Size - ring.Position;
  if (bytes <= untilEnd) return {true, {ring.Position, bytes}, {0, 0}};
  return {true, {ring.Position, untilEnd}, {0, bytes - untilEnd}};
}
