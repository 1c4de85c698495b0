// ThornvaleGame: the sample game that hosts Rushlight and Dunmere. It reads
// the screen size the launcher stored, opens Dunmere's window, screen and
// sound at that size, plays the intro AVI through Rushlight and then the
// story movie through Dunmere, and ends. Every failure is shown in a
// message box with the library's text and ends the game with a non-zero
// status (1 command line, 2 window, screen or sound, 3 intro, 4 story).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "GameArguments.h"
#include "GameParts.h"
#include "win32/ComApartment.h"

namespace thornvale {
namespace {

constexpr const char* kCaption = "Thornvale";

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  const std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

const char* LayoutName(PixelLayout layout) {
  switch (layout) {
    case PixelLayout::Rgb555: return "rgb555";
    case PixelLayout::Rgb565: return "rgb565";
    case PixelLayout::Rgb32: break;
  }
  return "rgb32";
}

class Game {
 public:
  explicit Game(const GameArguments& arguments) : arguments_(arguments) {}

  int Run(HINSTANCE instance) {
    const int status = Play(instance);
    WriteStats(status);
    if (!error_.empty()) {
      // Destroying the window posted WM_QUIT, which would close a message
      // box at once: take it off the queue first.
      MSG quit;
      while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
      }
      MessageBoxA(nullptr, error_.c_str(), kCaption, MB_OK | MB_ICONERROR);
    }
    return status;
  }

 private:
  // Everything the libraries hold is given back before a message is shown,
  // so a full screen has its display mode restored by then.
  int Play(HINSTANCE instance) {
    RegistryOptionReader options;
    const ScreenChoice choice = ChooseScreen(options);
    const std::uint32_t width = choice.size.width;
    const std::uint32_t height = choice.size.height;

    common::ComApartment com;
    if (FAILED(com.Result())) return Fail(3, "COM cannot be initialised for the movies.");

    PlayerSession player;
    if (player.Get() == nullptr) return Fail(2, "Dunmere cannot make its player.");
    if (!player->Create_Window(instance, "ThornvaleGame", kCaption, 0, 0, static_cast<int>(width),
                               static_cast<int>(height))) {
      return Fail(2, "Dunmere cannot create the game window.");
    }
    player->Center_Window();
    const HWND window = player->Get_Window();
    if (!player->Create_Screen(width, height, arguments_.bits, window, arguments_.fullScreen)) {
      return Fail(2, "Dunmere cannot set up the screen at " + std::to_string(width) + "x" + std::to_string(height) +
                         (arguments_.fullScreen ? " (full screen)." : " (windowed)."));
    }
    setLogoOn(player.Get());
    if (!player->Create_Sound(window, 2, 44100, 16)) return Fail(2, "Dunmere cannot set up the sound.");

    GameScreen screen;
    screen.player = player.Get();
    screen.window = window;
    screen.width = player->GetScreenWidth();
    screen.height = player->GetScreenHeight();
    screen.type = player->Get_Surface_Type();
    switch (screen.type) {
      case QOR_SURFACE_RGB555: screen.layout = PixelLayout::Rgb555; break;
      case QOR_SURFACE_RGB565: screen.layout = PixelLayout::Rgb565; break;
      case QOR_SURFACE_RGB32: screen.layout = PixelLayout::Rgb32; break;
      default: return Fail(2, "Dunmere reports no usable screen layout.");
    }
    char line[160];
    std::snprintf(line, sizeof line, "screen width=%u height=%u layout=%s full_screen=%s stored_size=%s", screen.width,
                  screen.height, LayoutName(screen.layout), arguments_.fullScreen ? "yes" : "no",
                  choice.fellBack ? "no" : "yes");
    screenLine_ = line;

    reports_.emplace_back();
    switch (PlayIntro(screen, arguments_.introPath, reports_.back(), error_)) {
      case MovieOutcome::Failed: return 3;
      case MovieOutcome::Quit: return 0;
      case MovieOutcome::Played: break;
    }
    reports_.emplace_back();
    switch (PlayStory(screen, arguments_.storyPath, reports_.back(), error_)) {
      case MovieOutcome::Failed: return 4;
      case MovieOutcome::Quit:
      case MovieOutcome::Played: break;
    }
    return 0;
  }

  int Fail(int status, const std::string& text) {
    error_ = text;
    return status;
  }

  void WriteStats(int status) const {
    if (arguments_.statsPath.empty()) return;
    const std::string text = FormatReport(reports_, screenLine_, status);
    std::ofstream file(arguments_.statsPath, std::ios::binary | std::ios::trunc);
    file << text;
  }

  GameArguments arguments_;
  std::vector<MovieReport> reports_;
  std::string screenLine_;
  std::string error_;
};

}  // namespace
}  // namespace thornvale

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> args(__argv + 1, __argv + __argc);
  thornvale::GameArguments arguments;
  std::string error;
  if (!thornvale::ParseGameArguments(args, thornvale::ProgramFolder(), arguments, error)) {
    const std::string text = error +
                             "\n\nusage: ThornvaleGame [--fullscreen] [--bits 16|32] [--intro FILE.avi] "
                             "[--story FILE.tmk] [--stats FILE]";
    MessageBoxA(nullptr, text.c_str(), thornvale::kCaption, MB_OK | MB_ICONERROR);
    return 1;
  }
  return thornvale::Game(arguments).Run(instance);
}
