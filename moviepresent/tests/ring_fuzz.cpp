// Drives the sound format, ring and track table arithmetic with arbitrary
// formats, picture rates and call sequences, and checks that every position
// stays inside its track, every lock stays inside its buffer and covers
// exactly the bytes asked for, and playback starts once, on the third frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "SoundFormat.h"
#include "SoundRing.h"
#include "SoundTrackTable.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : Data(data), Left(size) {}
  bool Empty() const { return Left == 0; }
  std::uint8_t Byte() {
    if (Left == 0) return 0;
    --Left;
    return *Data++;
  }
  std::uint32_t Word() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  // Small values often, any 32-bit value sometimes.
  std::uint32_t Number() {
    switch (Byte() & 3) {
      case 0: return Byte();
      case 1: return (std::uint32_t{Byte()} << 8) | Byte();
      case 2: return Word() % 200000u;
      default: return Word();
    }
  }

 private:
  const std::uint8_t* Data;
  std::size_t Left;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFormat(const SOUND_FORMAT& format, std::uint32_t numerator, std::uint32_t denominator) {
  const PCM_FORMAT pcm = Pcm_Format(format);
  const std::uint32_t size = Track_Bytes(format);
  Check(size == pcm.Average_Bytes_Per_Second);
  if (!pcm.Valid) {
    Check(size == 0);
    Check(Frame_Bytes(format, numerator, denominator) == 0);
    return;
  }
  Check(size > 0 && pcm.Block_Align > 0);
  Check(size == std::uint64_t{pcm.Block_Align} * pcm.Samples_Per_Second);
  Check(pcm.Block_Align == std::uint64_t{pcm.Channels} * (pcm.Bits_Per_Sample / 8));
  const std::uint32_t frame = Frame_Bytes(format, numerator, denominator);
  Check(frame <= size);
  Check(frame % pcm.Block_Align == 0);
}

// Tracks made here: up to 45 (past two growths of the table).
constexpr std::uint32_t kMaxTracks = 45;
int gBuffers[kMaxTracks];

struct Expected {
  std::uint64_t position;
  std::uint64_t frames;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  SOUND_TRACK_TABLE table;
  Expected expected[kMaxTracks] = {};

  while (!in.Empty()) {
    const std::uint8_t op = in.Byte() % 6;
    const std::uint32_t count = table.Track_Count();
    const std::uint32_t track = count ? in.Byte() % (count + 1) : in.Byte() % 2;
    if (op == 0 || count == 0) {
      const SOUND_FORMAT format = {in.Number(), in.Number(), in.Number()};
      const std::uint32_t numerator = in.Number();
      const std::uint32_t denominator = in.Number();
      CheckFormat(format, numerator, denominator);
      if (count >= kMaxTracks) continue;
      const std::uint32_t prepared = table.Prepare_Track(format);
      Check(prepared == Track_Bytes(format));
      Check(table.Track_Count() == count);
      if (prepared == 0 || (in.Byte() & 7) == 0) continue;  // creation failed
      Check(table.Add_Prepared_Track(&gBuffers[count]) == prepared);
      Check(table.Track_Count() == count + 1);
      Check(table.Capacity() >= table.Track_Count());
      Check(table.Capacity() % SOUND_TRACK_TABLE::Growth == 0);
      expected[count] = {0, 0};
      continue;
    }
    const std::uint32_t bytes = in.Number();
    if (op <= 2) {
      const RING_ADVANCE advance = table.Next_Frame(bytes, track);
      if (track >= count) {
        Check(advance.Frames == 0 && !advance.Start_Playback);
        continue;
      }
      Expected& e = expected[track];
      const std::uint32_t ringSize = table.Track(track)->Ring.Size;
      Check(advance.Start_Playback == (e.frames == 2));
      e.position = (e.position + bytes) % ringSize;
      if (e.frames < UINT32_MAX) ++e.frames;
      Check(advance.Frames == e.frames && advance.Frames != 0);
    } else if (op <= 4) {
      const RING_LOCK lock = table.Lock_Regions(bytes, track);
      if (track >= count) {
        Check(!lock.Valid);
        continue;
      }
      const SOUND_RING& ring = table.Track(track)->Ring;
      Check(lock.Valid == (bytes > 0 && bytes <= ring.Size));
      if (!lock.Valid) {
        Check(lock.First.Bytes == 0 && lock.Second.Bytes == 0);
        continue;
      }
      Check(lock.First.Offset == ring.Position);
      Check(std::uint64_t{lock.First.Offset} + lock.First.Bytes <= ring.Size);
      Check(lock.Second.Offset == 0);
      Check(std::uint64_t{lock.First.Bytes} + lock.Second.Bytes == bytes);
      Check(lock.Second.Bytes == 0 ||
            std::uint64_t{lock.First.Offset} + lock.First.Bytes == ring.Size);
      Check(lock.Second.Bytes <= ring.Position);
    } else if ((bytes & 31) == 0) {
      table.Empty();
      Check(table.Track_Count() == 0);
      continue;
    }
    for (std::uint32_t i = 0; i < table.Track_Count(); ++i) {
      const SOUND_RING& ring = table.Track(i)->Ring;
      Check(table.Buffer(i) == &gBuffers[i]);
      Check(ring.Position < ring.Size);
      Check(ring.Position == expected[i].position);
      Check(ring.Frames == expected[i].frames);
    }
  }
  return 0;
}
