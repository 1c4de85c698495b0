// A game-like host of Dunmere.dll: it opens a window, a windowed screen and
// sound, then shows a stand-in movie from a file frame by frame with a line of
// text and the logo, streaming the movie's sound into track 0 as it goes.
//
//   PlayerMovieHost SCREENSHOT.bmp
//
// Part-way through it reads the window back from the display, saves it to
// SCREENSHOT.bmp and checks it: the movie picture in its place, the text
// white, the logo in the client area's bottom-right corner. Exit status 0
// when the whole movie was shown and the checks held; the captured sound is
// checked by the test that runs it.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Dunmere.h"
#include "MovieGenerator.h"
#include "tamsk_sdk.h"

namespace {

constexpr int Client_Width = 320;
constexpr int Client_Height = 240;
constexpr int Picture_Left = 0;
constexpr int Picture_Top = 20;
constexpr int Text_Left = 8;
constexpr int Text_Top = 150;
constexpr unsigned Shot_Frame = 30;

enum EXIT_STATUS {
  Exit_Ok = 0,
  Exit_Set_Up = 10,
  Exit_Open = 11,
  Exit_Frame = 12,
  Exit_Picture = 13,
  Exit_Text = 14,
  Exit_Logo = 15,
  Exit_Screenshot = 16,
};

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The window's client area as the display shows it, 32 bits a pixel,
// top-down rows of blue, green, red, unused.
std::vector<std::uint32_t> Read_Client(HWND window) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Client_Width) * Client_Height);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  const HDC display = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(display);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = Client_Width;
  info.bmiHeader.biHeight = -Client_Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(display, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, Client_Width, Client_Height, display, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, display);
  return pixels;
}

bool Save_Bitmap(const char* path, const std::vector<std::uint32_t>& pixels) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = Client_Width;
  header.biHeight = -Client_Height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD imageBytes = static_cast<DWORD>(pixels.size() * 4);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageBytes;
  FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  const bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                  std::fwrite(&header, sizeof header, 1, out) == 1 &&
                  std::fwrite(pixels.data(), imageBytes, 1, out) == 1;
  return std::fclose(out) == 0 && ok;
}

std::uint32_t Rgb_Of(const std::uint8_t* rgb) {
  return (static_cast<std::uint32_t>(rgb[0]) << 16) | (rgb[1] << 8) | rgb[2];
}

// Checks the read-back client area against what the frame put there.
int Check_Screen(const std::vector<std::uint32_t>& shown, const tamsk::GeneratorOptions& movie,
                 unsigned frame) {
  auto at = [&](int x, int y) { return shown[static_cast<std::size_t>(y) * Client_Width + x] & 0xFFFFFFu; };
  const std::vector<std::uint8_t> picture = tamsk::GeneratePicture(movie, frame);
  int matching = 0, probes = 0;
  for (unsigned y = 5; y < movie.height; y += 23) {
    for (unsigned x = 3; x < movie.width; x += 17, ++probes) {
      matching += at(Picture_Left + static_cast<int>(x), Picture_Top + static_cast<int>(y)) ==
                  Rgb_Of(&picture[(y * movie.width + x) * 3]);
    }
  }
  if (matching != probes) return Exit_Picture;

  int white = 0;
  for (int y = Text_Top; y < Text_Top + 8; ++y) {
    for (int x = Text_Left; x < Text_Left + 8 * 8; ++x) white += at(x, y) == 0xFFFFFFu;
  }
  if (white < 40) return Exit_Text;

  // Nothing but the logo is drawn into the cleared bottom-right corner.
  int logo = 0;
  for (int y = Client_Height - 79; y < Client_Height; ++y) {
    for (int x = Client_Width - 143; x < Client_Width; ++x) logo += at(x, y) != 0;
  }
  int elsewhere = 0;
  for (int y = Picture_Top + static_cast<int>(movie.height); y < Client_Height - 79; ++y) {
    if (y >= Text_Top && y < Text_Top + 8) continue;
    for (int x = 0; x < Client_Width; ++x) elsewhere += at(x, y) != 0;
  }
  if (logo < 500 || elsewhere != 0) return Exit_Logo;
  return Exit_Ok;
}

// Writes the current frame's sound into track 0 and reports the frame.
void Stream_Sound(DUNMERE* player, QOR_HANDLE* handle) {
  const void* sound = nullptr;
  unsigned int bytes = 0;
  if (!handle->Get_Sound(&sound, &bytes) || bytes == 0) return;
  void* parts[2] = {};
  unsigned long partBytes[2] = {};
  player->Lock_Sound(bytes, &parts[0], &partBytes[0], &parts[1], &partBytes[1], 0);
  if (parts[0] == nullptr) return;
  std::memcpy(parts[0], sound, partBytes[0]);
  if (parts[1] != nullptr) std::memcpy(parts[1], static_cast<const char*>(sound) + partBytes[0], partBytes[1]);
  player->Unlock_Sound(parts[0], partBytes[0], parts[1], partBytes[1], 0);
  player->Next_Sound_Frame(bytes, 0);
}

int Play(DUNMERE* player, const char* screenshot) {
  if (!player->Create_Window(GetModuleHandleA(nullptr), "PlayerMovieHost", "Dunmere movie", 0, 0,
                             Client_Width, Client_Height)) {
    return Exit_Set_Up;
  }
  const HWND window = player->Get_Window();
  if (!player->Create_Screen(Client_Width, Client_Height, 32, window, false)) return Exit_Set_Up;
  setLogoOn(player);
  const QOR_SURFACE_TYPE type = player->Get_Surface_Type();

  tamsk::GeneratorOptions movie;  // 160 x 120, 15 frames a second, a 440 Hz tone
  movie.frameCount = 60;
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "player-movie-host.tmk";
  {
    const std::vector<std::uint8_t> bytes = tamsk::GenerateMovieBytes(movie);
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr || std::fwrite(bytes.data(), bytes.size(), 1, out) != 1) return Exit_Set_Up;
    std::fclose(out);
  }
  const bool opened = player->Open_File(path.c_str(), nullptr);
  DeleteFileA(path.c_str());
  if (!opened) return Exit_Open;
  QOR_HANDLE* handle = player->Get_Qor_Handle();
  unsigned int channels = 0, rate = 0, bits = 0;
  if (!handle->Get_Sound_Format(&channels, &rate, &bits) ||
      !player->Create_Sound(window, channels, rate, bits)) {
    return Exit_Set_Up;
  }

  int status = Exit_Ok;
  const DWORD start = GetTickCount();
  unsigned frame = 0;
  for (; frame < handle->Get_Frame_Count(); ++frame) {
    Pump();
    const int* keys = player->Get_Key();
    if (keys != nullptr && keys[VK_ESCAPE] != 0) break;
    void* pixels = nullptr;
    int pitch = 0;
    player->Clear_Back_Screen(0);
    if (!player->Lock_Back_Screen(&pixels, &pitch)) return Exit_Frame;
    const int bytesPerPixel = type == QOR_SURFACE_RGB32 ? 4 : 2;
    void* picture = static_cast<char*>(pixels) + Picture_Top * pitch + Picture_Left * bytesPerPixel;
    const bool decoded = handle->Decode_Next_Frame(picture, pitch, type);
    char text[32];
    std::snprintf(text, sizeof text, "Frame %02u", frame);
    player->Print(text, Text_Left, Text_Top, pitch, type, type == QOR_SURFACE_RGB32 ? 0xFFFFFFu : 0xFFFFu,
                  pixels);
    player->Unlock_Back_Screen(pixels);
    if (!decoded) return Exit_Frame;
    player->Show_Back_Screen();
    Stream_Sound(player, handle);

    if (frame == Shot_Frame) {
      Pump();
      Sleep(50);
      const std::vector<std::uint32_t> shown = Read_Client(window);
      if (!Save_Bitmap(screenshot, shown)) return Exit_Screenshot;
      status = Check_Screen(shown, movie, frame);
    }
    // Paced at the movie's rate from the start, so the sound neither starves nor overruns.
    const DWORD due = start + (frame + 1) * 1000u * movie.rateDenominator / movie.rateNumerator;
    for (DWORD now = GetTickCount(); static_cast<int>(due - now) > 0; now = GetTickCount()) {
      Sleep(due - now > 5 ? 5 : due - now);
      Pump();
    }
  }
  // Let the last frames' sound play before the tracks stop.
  Sleep(300);
  player->Close_File();
  if (status == Exit_Ok && frame != movie.frameCount) status = Exit_Frame;
  return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const char* screenshot = commandLine != nullptr && *commandLine != 0 ? commandLine : "player-movie-host.bmp";
  DUNMERE* player = Qor_Dunmere_New();
  if (player == nullptr) return Exit_Set_Up;
  const int status = Play(player, screenshot);
  player->Destroy_Sound();
  player->Destroy_Screen();
  player->Destroy_Window();
  Qor_Dunmere_Delete(player);
  return status;
}
