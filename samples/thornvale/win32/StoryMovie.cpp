// The story: a tamsk movie opened through Dunmere and decoded by the game
// through the player's decoder handle, frame by frame at the movie's rate,
// straight into the locked back screen (or through a picture of its own when
// it must be shrunk). Each frame's sound goes into a track of its own: lock
// at the write position, copy, unlock, report the bytes; the track starts
// playing by itself on the third frame.
#include <cstdio>
#include <vector>

#include "GameParts.h"
#include "tamsk_sdk.h"

namespace thornvale {

MovieOutcome PlayStory(const GameScreen& screen, const std::string& path, MovieReport& report, std::string& error) {
  report.name = "story";
  DUNMERE* const player = screen.player;
  if (!player->Open_File(path.c_str(), nullptr)) {
    error = std::string(player->Get_Last_Error()) + "\n" + path;
    return MovieOutcome::Failed;
  }
  QOR_HANDLE* const decoder = player->Get_Qor_Handle();
  const std::uint32_t width = decoder->Get_Width();
  const std::uint32_t height = decoder->Get_Height();
  unsigned int rateNumerator = 0;
  unsigned int rateDenominator = 1;
  decoder->Get_Frame_Rate(&rateNumerator, &rateDenominator);
  report.fileFrames = decoder->Get_Frame_Count();

  unsigned int channels = 0, samplesPerSecond = 0, bitsPerSample = 0;
  const bool hasSound = decoder->Get_Sound_Format(&channels, &samplesPerSecond, &bitsPerSample);
  unsigned int track = 0;
  if (hasSound) {
    // The new track's number is the count before it was added.
    track = player->Sound_Track_Count();
    if (player->add_Track(channels, samplesPerSecond, bitsPerSample) == 0) {
      error = "Dunmere cannot make a sound track for the story movie:\n" + path;
      return MovieOutcome::Failed;
    }
  }
  SetWindowTextA(screen.window, "Thornvale: story");

  const Placement place = FitPicture(width, height, screen.width, screen.height);
  const bool fits = place.width == width && place.height == height;
  const unsigned bytes = BytesPerPixel(screen.layout);
  // Pictures that must be shrunk are decoded here first.
  std::vector<unsigned char> picture(fits ? 0 : static_cast<std::size_t>(width) * height * bytes);
  const std::uint32_t white = PackColour(screen.layout, 255, 255, 255);
  const FrameClock clock(rateNumerator, rateDenominator);
  int* const keys = player->Get_Key();
  SkipKey skip;
  const DWORD start = GetTickCount();

  for (;;) {
    if (!PumpMessages(keys, skip)) return MovieOutcome::Quit;
    if (skip.Pressed()) {
      report.skipped = true;
      break;
    }
    void* pixels = nullptr;
    int pitch = 0;
    bool decoded = false;
    if (player->Lock_Back_Screen(&pixels, &pitch)) {
      const PixelView target{pixels, pitch, screen.width, screen.height, screen.layout};
      if (fits) {
        ClearOutside(target, place);
        auto* at = static_cast<unsigned char*>(pixels) + static_cast<std::ptrdiff_t>(pitch) * place.y + place.x * bytes;
        decoded = decoder->Decode_Next_Frame(at, pitch, screen.type);
      } else {
        decoded = decoder->Decode_Next_Frame(picture.data(), static_cast<int>(width * bytes), screen.type);
        if (decoded) ComposePicture(PixelView{picture.data(), static_cast<int>(width * bytes), width, height, screen.layout},
                                    target, place);
      }
      if (decoded) {
        ++report.framesSeen;
        char text[96];
        std::snprintf(text, sizeof text, "Thornvale - story - frame %u of %u", report.framesSeen, report.fileFrames);
        player->Print(text, 8, 8, pitch, screen.type, white, pixels);
      }
      player->Unlock_Back_Screen(pixels);
      if (decoded) player->Show_Back_Screen();
    } else {
      // A lost surface: the frame is passed over (its sound still plays).
      player->Restore_Surface();
      decoded = decoder->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE);
    }
    if (!decoded) break;

    const void* sound = nullptr;
    unsigned int soundBytes = 0;
    if (hasSound && decoder->Get_Sound(&sound, &soundBytes) && soundBytes > 0) {
      void* first = nullptr;
      void* second = nullptr;
      unsigned long firstBytes = 0, secondBytes = 0;
      player->Lock_Sound(soundBytes, &first, &firstBytes, &second, &secondBytes, track);
      if (first != nullptr) {
        CopyIntoRing(sound, soundBytes, first, firstBytes, second, secondBytes);
        player->Unlock_Sound(first, firstBytes, second, secondBytes, track);
        player->Next_Sound_Frame(soundBytes, track);
        report.soundBytes += soundBytes;
      }
    }
    ++report.gameFrames;
    WaitForMessages(clock.WaitMs(GetTickCount() - start, report.gameFrames));
  }
  report.endSeen = !report.skipped && decoder->Get_Frame_Index() == decoder->Get_Frame_Count();
  report.elapsedMs = GetTickCount() - start;

  if (hasSound) {
    // Playback runs about three frames behind the writes: let them be heard,
    // then stop the ring before it comes round again.
    const DWORD tail = static_cast<DWORD>(clock.DueMs(3));
    const DWORD waitStart = GetTickCount();
    SkipKey ignored;
    for (DWORD waited = 0; waited < tail; waited = GetTickCount() - waitStart) {
      if (!PumpMessages(nullptr, ignored)) break;
      WaitForMessages(tail - waited);
    }
    player->Stop_Sound(track);
  }
  return MovieOutcome::Played;
}

}  // namespace thornvale
