#pragma once
// Owners of what the sample game takes from the platform and the two
// libraries, each released on destruction in the order the libraries ask.
#include <windows.h>

#include <string>

#include "Dunmere.h"
#include "GameOptions.h"
#include "MovieLoop.h"
#include "PictureFit.h"
#include "Rushlight.h"

namespace thornvale {

// An open registry key.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* Put() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;  // owned
};

// The options the launcher stored, read from HKEY_CURRENT_USER.
class RegistryOptionReader final : public OptionReader {
 public:
  std::optional<std::uint32_t> Read(const char* name) override;
};

// The Dunmere player with its window, screen and sound. The destructor tears
// them down in the documented order: Close_File, Destroy_Sound,
// Destroy_Screen, Destroy_Window, then Qor_Dunmere_Delete.
class PlayerSession {
 public:
  PlayerSession() : player_(Qor_Dunmere_New()) {}
  ~PlayerSession();
  PlayerSession(const PlayerSession&) = delete;
  PlayerSession& operator=(const PlayerSession&) = delete;
  DUNMERE* operator->() const { return player_; }
  DUNMERE* Get() const { return player_; }

 private:
  DUNMERE* player_;  // owned
};

// A Rushlight movie, deleted through the library.
class RushlightMovie {
 public:
  explicit RushlightMovie(BrelIDirectShowMovieImpl* movie) : movie_(movie) {}
  ~RushlightMovie() { BrelDirectShowInterface::deleteDirectShowMovie(movie_); }
  RushlightMovie(const RushlightMovie&) = delete;
  RushlightMovie& operator=(const RushlightMovie&) = delete;
  BrelIDirectShowMovieImpl* operator->() const { return movie_; }
  BrelIDirectShowMovieImpl* Get() const { return movie_; }

 private:
  BrelIDirectShowMovieImpl* movie_;  // owned through the library
};

// The screen as the movies draw on it.
struct GameScreen {
  DUNMERE* player = nullptr;
  HWND window = nullptr;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  QOR_SURFACE_TYPE type = QOR_SURFACE_NONE;
  PixelLayout layout = PixelLayout::Rgb32;
};

// How a movie ended for the game.
enum class MovieOutcome { Played, Failed, Quit };

// Handles the messages waiting on this thread, and samples the skip key
// (Escape in Dunmere's key table) after each one, so that a press and
// release between two frames is still seen. False once WM_QUIT arrived.
bool PumpMessages(const int* keys, SkipKey& skip);
// Waits up to ms milliseconds, returning early when a message arrives.
void WaitForMessages(std::uint32_t ms);

// Plays the AVI through Rushlight onto the screen; fills report.
MovieOutcome PlayIntro(const GameScreen& screen, const std::string& path, MovieReport& report, std::string& error);
// Plays the tamsk movie through Dunmere's decoder handle, with its sound on
// a track of its own; fills report.
MovieOutcome PlayStory(const GameScreen& screen, const std::string& path, MovieReport& report, std::string& error);

}  // namespace thornvale
