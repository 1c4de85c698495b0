#pragma once

#include <cstdint>

#include "SoundFormat.h"
#include "SoundRing.h"

// One track: the platform's sound buffer (opaque here, owned and released
// by the platform side) and its ring.
struct SOUND_TRACK {
  void* Buffer;
  SOUND_RING Ring;
};

// The sound object's growing table of tracks. A track's index is its place
// in the table; tracks are never removed one by one. Every operation that
// takes a track ignores an index not below the track count.
//
// Making a track (addTrack) is two steps around the platform's buffer
// creation:
//   size = Prepare_Track(format);     // 0: refused, nothing to create
//   ... create a buffer of size bytes; on failure stop here ...
//   Add_Prepared_Track(buffer);       // the track count grows by one
class SOUND_TRACK_TABLE {
 public:
  static constexpr std::uint32_t Growth = 20;  // records added at a time

  // Room for Growth records (none if that memory cannot be had; the first
  // Prepare_Track then tries again).
  SOUND_TRACK_TABLE();
  ~SOUND_TRACK_TABLE();
  SOUND_TRACK_TABLE(const SOUND_TRACK_TABLE&) = delete;
  SOUND_TRACK_TABLE& operator=(const SOUND_TRACK_TABLE&) = delete;

  // Makes room for one more record (growing by Growth records, keeping the
  // existing ones, when the table is full) and fills the record at index
  // Track_Count(): size one second of the format, position 0, frames 0, no
  // buffer. Returns the size; 0 when the format is refused or the table
  // cannot grow, and then the table stays as it was.
  std::uint32_t Prepare_Track(const SOUND_FORMAT& format);

  // The prepared record takes its buffer and becomes the last track. Returns
  // its size (the buffer's length, not the index: the index is the count
  // before the call). 0, with nothing changed, when no record is prepared or
  // the buffer is null. A record prepared but never added is overwritten by
  // the next Prepare_Track.
  std::uint32_t Add_Prepared_Track(void* buffer);

  std::uint32_t Track_Count() const { return Count; }
  std::uint32_t Capacity() const { return Room; }

  // The track, or null when the index is not below the track count.
  const SOUND_TRACK* Track(std::uint32_t track) const;

  // The track's buffer, or null when the index is not below the track count.
  void* Buffer(std::uint32_t track) const;

  // Next_Frame: advances the track's ring by the bytes written (see
  // Advance_Ring). An unknown track gives frames 0 and no playback start.
  RING_ADVANCE Next_Frame(std::uint32_t bytes, std::uint32_t track);

  // Lock: the parts a lock of bytes at the track's position covers (see
  // Ring_Lock_Regions); refused for an unknown track.
  RING_LOCK Lock_Regions(std::uint32_t bytes, std::uint32_t track) const;

  // End: every track forgotten (the platform has stopped and released their
  // buffers first); the count becomes 0, the room stays.
  void Empty();

 private:
  bool Grow();

  SOUND_TRACK* Records = nullptr;
  std::uint32_t Count = 0;
  std::uint32_t Room = 0;
  bool Prepared = false;
};
