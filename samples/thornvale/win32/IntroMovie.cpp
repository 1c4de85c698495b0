// The intro: an AVI played through Rushlight. Once per game frame the game
// asks for news of the movie, copies a new picture into the locked back
// screen (centred, shrunk when larger, converted to the screen's layout),
// writes a line of text over it and shows it.
#include <cstdio>

#include "GameParts.h"

namespace thornvale {

namespace {

// The game's own pace while the movie plays: 60 turns a second.
constexpr std::uint32_t kGameRate = 60;

}  // namespace

MovieOutcome PlayIntro(const GameScreen& screen, const std::string& path, MovieReport& report, std::string& error) {
  report.name = "intro";
  BrelIDirectShowMovieImpl::Info info = {};
  if (BrelIDirectShowMovieImpl::getMovieInfo(path.c_str(), &info)) {
    report.fileFrames = FramesInMovie(info.duration, info.fps);
  }
  // Rushlight's two layouts: 32-bit for a 32-bit screen, else 5-6-5, which
  // the copy converts for a 5-5-5 screen.
  const bool wide = screen.layout == PixelLayout::Rgb32;
  RushlightMovie movie(BrelDirectShowInterface::createDirectShowMovie(path.c_str(), wide ? MPF_A8R8G8B8 : MPF_R5G6B5));
  if (movie.Get() == nullptr) {
    error = "Rushlight cannot play the intro movie:\n" + path;
    return MovieOutcome::Failed;
  }
  SetWindowTextA(screen.window, "Thornvale: intro");

  const PixelLayout movieLayout = wide ? PixelLayout::Rgb32 : PixelLayout::Rgb565;
  const std::uint32_t width = movie->width();
  const std::uint32_t height = movie->height();
  const Placement place = FitPicture(width, height, screen.width, screen.height);
  // A movie that never reports its end is given up after twice its length
  // and ten seconds more.
  const double seconds = movie->duration() > 0 ? movie->duration() : 60.0;
  const std::uint64_t limitMs = static_cast<std::uint64_t>(seconds * 2000) + 10000;
  const std::uint32_t white = PackColour(screen.layout, 255, 255, 255);
  const FrameClock clock(kGameRate, 1);
  int* const keys = screen.player->Get_Key();
  SkipKey skip;
  const DWORD start = GetTickCount();

  for (;;) {
    if (!PumpMessages(keys, skip)) return MovieOutcome::Quit;
    if (skip.Pressed()) {
      report.skipped = true;
      break;
    }
    movie->checkMovieStatus();
    if (movie->hadAnUpdate()) {
      void* pixels = nullptr;
      int pitch = 0;
      if (screen.player->Lock_Back_Screen(&pixels, &pitch)) {
        const PixelView target{pixels, pitch, screen.width, screen.height, screen.layout};
        {
          BrelDirectShowMovieLock lock(movie.Get());
          const PixelView picture{lock.pBuffer(), static_cast<int>(width * BytesPerPixel(movieLayout)), width, height,
                                  movieLayout};
          ComposePicture(picture, target, place);
        }
        movie->resetUpdateFlag();
        ++report.framesSeen;
        char text[96];
        std::snprintf(text, sizeof text, "Thornvale - intro - picture %u", report.framesSeen);
        screen.player->Print(text, 8, 8, pitch, screen.type, white, pixels);
        screen.player->Unlock_Back_Screen(pixels);
        screen.player->Show_Back_Screen();
      } else {
        // A lost surface: get it back and draw the next picture.
        screen.player->Restore_Surface();
      }
    }
    ++report.gameFrames;
    const std::uint64_t elapsed = GetTickCount() - start;
    if (movie->reachedEndOfMovie()) {
      report.endSeen = true;
      break;
    }
    if (elapsed > limitMs) break;
    WaitForMessages(clock.WaitMs(elapsed, report.gameFrames));
  }
  report.elapsedMs = GetTickCount() - start;
  return MovieOutcome::Played;
}

}  // namespace thornvale
