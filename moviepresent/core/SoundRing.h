#pragma once

#include <cstdint>

// The ring arithmetic of one sound track: a looping buffer of Size bytes
// (one second of sound) written at Position, which always stays below Size.
struct SOUND_RING {
  std::uint32_t Size;      // bytes in the buffer; a usable ring has Size > 0
  std::uint32_t Position;  // where the next lock starts
  std::uint32_t Frames;    // how many writes have been reported
};

// What reporting a write did.
struct RING_ADVANCE {
  std::uint32_t Frames;   // the new count; 0 when the ring is unusable
  bool Start_Playback;    // this was the third write: start looping playback
};

// Reports bytes written at the position: Position = (Position + bytes) mod
// Size, computed in 64 bits so that a large count cannot wrap before the
// modulo; then Frames counts one more (held at its largest value instead of
// wrapping, so that it never reads as 0 and never restarts playback). The
// write that moves Frames from 2 to 3 starts playback. A ring of size 0, or
// one whose position is not below its size, is left as it was and gives 0.
RING_ADVANCE Advance_Ring(SOUND_RING& ring, std::uint32_t bytes);

// One stretch of a track's buffer.
struct RING_PART {
  std::uint32_t Offset;
  std::uint32_t Bytes;
};

// Where a lock of bytes at the position lands: the first part runs from the
// position up to at most the end of the buffer, the second part holds the
// rest from the buffer's start (0 bytes when the first part holds all).
// Refused (both parts empty, Valid false): 0 bytes, more bytes than the
// buffer holds, or an unusable ring.
struct RING_LOCK {
  bool Valid;
  RING_PART First;
  RING_PART Second;
};
RING_LOCK Ring_Lock_Regions(const SOUND_RING& ring, std::uint32_t bytes);
