#include "SoundTrackTable.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "SoundRing.h"

namespace {

// Stand-ins for the platform's buffers: only their addresses matter.
int gBuffers[64];

std::uint32_t AddTrack(SOUND_TRACK_TABLE& table, const SOUND_FORMAT& format, void* buffer) {
  if (table.Prepare_Track(format) == 0) return 0;
  return table.Add_Prepared_Track(buffer);
}

TEST(TrackTable, TracksAreNumberedInOrderAndReturnTheirSize) {
  SOUND_TRACK_TABLE table;
  EXPECT_EQ(table.Track_Count(), 0u);
  EXPECT_EQ(table.Capacity(), 20u);
  EXPECT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[0]), 44100u);
  EXPECT_EQ(AddTrack(table, {2, 44100, 16}, &gBuffers[1]), 176400u);
  EXPECT_EQ(table.Track_Count(), 2u);
  EXPECT_EQ(table.Buffer(0), &gBuffers[0]);
  EXPECT_EQ(table.Buffer(1), &gBuffers[1]);
  ASSERT_NE(table.Track(1), nullptr);
  EXPECT_EQ(table.Track(1)->Ring.Size, 176400u);
  EXPECT_EQ(table.Track(1)->Ring.Position, 0u);
  EXPECT_EQ(table.Track(1)->Ring.Frames, 0u);
}

TEST(TrackTable, FailedStepsLeaveTheCountAlone) {
  SOUND_TRACK_TABLE table;
  // Refused format: nothing prepared, nothing to add.
  EXPECT_EQ(table.Prepare_Track({0, 22050, 16}), 0u);
  EXPECT_EQ(table.Add_Prepared_Track(&gBuffers[0]), 0u);
  // The platform's buffer creation failed: the prepared record is overwritten next time.
  EXPECT_EQ(table.Prepare_Track({2, 44100, 16}), 176400u);
  EXPECT_EQ(table.Track_Count(), 0u);
  EXPECT_EQ(table.Prepare_Track({1, 8000, 8}), 8000u);
  EXPECT_EQ(table.Add_Prepared_Track(nullptr), 0u);
  EXPECT_EQ(table.Add_Prepared_Track(&gBuffers[2]), 8000u);
  EXPECT_EQ(table.Add_Prepared_Track(&gBuffers[3]), 0u);  // prepared only once
  EXPECT_EQ(table.Track_Count(), 1u);
  EXPECT_EQ(table.Track(0)->Ring.Size, 8000u);
}

TEST(TrackTable, GrowsByTwentyKeepingEarlierTracks) {
  SOUND_TRACK_TABLE table;
  for (unsigned i = 0; i < 20; ++i) ASSERT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[i]), 44100u);
  EXPECT_EQ(table.Capacity(), 20u);
  EXPECT_EQ(table.Next_Frame(1000, 7).Frames, 1u);
  EXPECT_EQ(AddTrack(table, {2, 44100, 16}, &gBuffers[20]), 176400u);
  EXPECT_EQ(table.Capacity(), 40u);
  EXPECT_EQ(table.Track_Count(), 21u);
  for (unsigned i = 0; i < 21; ++i) EXPECT_EQ(table.Buffer(i), &gBuffers[i]) << i;
  EXPECT_EQ(table.Track(7)->Ring.Position, 1000u);
  EXPECT_EQ(table.Next_Frame(1000, 7).Frames, 2u);
  for (unsigned i = 21; i < 41; ++i) ASSERT_EQ(AddTrack(table, {1, 8000, 8}, &gBuffers[i]), 8000u);
  EXPECT_EQ(table.Capacity(), 60u);
  EXPECT_EQ(table.Track(7)->Ring.Position, 2000u);
}

TEST(TrackTable, IndicesNotBelowTheCountAreIgnored) {
  SOUND_TRACK_TABLE table;
  ASSERT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[0]), 44100u);
  for (std::uint32_t track : {1u, 2u, 0xFFFFFFFFu}) {
    EXPECT_EQ(table.Next_Frame(1470, track).Frames, 0u);
    EXPECT_FALSE(table.Next_Frame(1470, track).Start_Playback);
    EXPECT_FALSE(table.Lock_Regions(100, track).Valid);
    EXPECT_EQ(table.Buffer(track), nullptr);
    EXPECT_EQ(table.Track(track), nullptr);
  }
  // A track prepared but not added is not a track yet.
  ASSERT_EQ(table.Prepare_Track({1, 8000, 8}), 8000u);
  EXPECT_EQ(table.Next_Frame(10, 1).Frames, 0u);
}

TEST(TrackTable, EmptyForgetsEveryTrackButKeepsTheRoom) {
  SOUND_TRACK_TABLE table;
  for (unsigned i = 0; i < 25; ++i) ASSERT_NE(AddTrack(table, {1, 8000, 8}, &gBuffers[i]), 0u);
  table.Empty();
  EXPECT_EQ(table.Track_Count(), 0u);
  EXPECT_EQ(table.Capacity(), 40u);
  EXPECT_EQ(table.Buffer(0), nullptr);
  EXPECT_EQ(table.Next_Frame(10, 0).Frames, 0u);
  // A new track starts afresh at index 0.
  EXPECT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[30]), 44100u);
  EXPECT_EQ(table.Track(0)->Ring.Frames, 0u);
  EXPECT_EQ(table.Track(0)->Ring.Position, 0u);
}

TEST(NextFrame, ThirtyFramesOfOneSecondComeBackToTheStart) {
  SOUND_TRACK_TABLE table;
  ASSERT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[0]), 44100u);
  unsigned starts = 0;
  for (std::uint32_t call = 1; call <= 30; ++call) {
    const RING_ADVANCE advance = table.Next_Frame(1470, 0);
    EXPECT_EQ(advance.Frames, call);
    EXPECT_EQ(advance.Start_Playback, call == 3) << call;
    starts += advance.Start_Playback ? 1 : 0;
    EXPECT_EQ(table.Track(0)->Ring.Position, (call * 1470) % 44100) << call;
  }
  EXPECT_EQ(starts, 1u);
  EXPECT_EQ(table.Track(0)->Ring.Position, 0u);
}

TEST(NextFrame, PositionWrapsByTheBufferSizeInSixtyFourBits) {
  SOUND_RING ring = {44100, 0, 0};
  Advance_Ring(ring, 50000);
  EXPECT_EQ(ring.Position, 5900u);

  // 44000 + 4294967295 would wrap 32 bits (and land at 43999).
  ring = {44100, 44000, 0};
  Advance_Ring(ring, 0xFFFFFFFFu);
  EXPECT_EQ(ring.Position, 24095u);

  ring = {0xFFFFFFFFu, 0xFFFFFFF0u, 0};
  Advance_Ring(ring, 0x20);
  EXPECT_EQ(ring.Position, 0x11u);

  ring = {44100, 100, 5};
  EXPECT_EQ(Advance_Ring(ring, 0).Frames, 6u);
  EXPECT_EQ(ring.Position, 100u);
}

TEST(NextFrame, TheFrameCountHoldsAtItsLimit) {
  SOUND_RING ring = {44100, 0, 0xFFFFFFFEu};
  EXPECT_EQ(Advance_Ring(ring, 1).Frames, 0xFFFFFFFFu);
  const RING_ADVANCE again = Advance_Ring(ring, 1);
  EXPECT_EQ(again.Frames, 0xFFFFFFFFu);
  EXPECT_FALSE(again.Start_Playback);
  EXPECT_EQ(ring.Position, 2u);
}

TEST(NextFrame, UnusableRingsAreLeftAlone) {
  SOUND_RING empty = {0, 0, 0};
  EXPECT_EQ(Advance_Ring(empty, 10).Frames, 0u);
  EXPECT_EQ(empty.Frames, 0u);
  SOUND_RING outside = {100, 100, 2};
  const RING_ADVANCE advance = Advance_Ring(outside, 10);
  EXPECT_EQ(advance.Frames, 0u);
  EXPECT_FALSE(advance.Start_Playback);
  EXPECT_EQ(outside.Position, 100u);
  EXPECT_FALSE(Ring_Lock_Regions(empty, 1).Valid);
  EXPECT_FALSE(Ring_Lock_Regions(outside, 1).Valid);
}

TEST(LockRegions, SplitAtTheEndOfTheBuffer) {
  SOUND_TRACK_TABLE table;
  ASSERT_EQ(AddTrack(table, {1, 22050, 16}, &gBuffers[0]), 44100u);
  table.Next_Frame(40000, 0);
  RING_LOCK lock = table.Lock_Regions(8820, 0);
  ASSERT_TRUE(lock.Valid);
  EXPECT_EQ(lock.First.Offset, 40000u);
  EXPECT_EQ(lock.First.Bytes, 4100u);
  EXPECT_EQ(lock.Second.Offset, 0u);
  EXPECT_EQ(lock.Second.Bytes, 4720u);

  // Exactly up to the end: one part.
  lock = table.Lock_Regions(4100, 0);
  ASSERT_TRUE(lock.Valid);
  EXPECT_EQ(lock.First.Bytes, 4100u);
  EXPECT_EQ(lock.Second.Bytes, 0u);

  // The whole buffer from the position: everything, in two parts.
  lock = table.Lock_Regions(44100, 0);
  ASSERT_TRUE(lock.Valid);
  EXPECT_EQ(lock.First.Bytes + lock.Second.Bytes, 44100u);
  EXPECT_EQ(lock.Second.Bytes, 40000u);

  EXPECT_FALSE(table.Lock_Regions(0, 0).Valid);
  EXPECT_FALSE(table.Lock_Regions(44101, 0).Valid);
  EXPECT_EQ(table.Lock_Regions(44101, 0).First.Bytes, 0u);

  SOUND_RING start = {44100, 0, 0};
  lock = Ring_Lock_Regions(start, 44100);
  ASSERT_TRUE(lock.Valid);
  EXPECT_EQ(lock.First.Bytes, 44100u);
  EXPECT_EQ(lock.Second.Bytes, 0u);
}

}  // namespace
