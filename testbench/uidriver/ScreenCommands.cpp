// Commands that look at the screen.
//   screenshot PATH   saves the whole screen as a 24-bit bottom-up BMP file;
//                     prints "screenshot WIDTHxHEIGHT"
#include <cstdio>
#include <vector>

#include "Driver.h"

namespace uidriver {
namespace {

void Screenshot(Driver& d, const std::string& path) {
  if (path.empty()) throw CommandError("usage: screenshot PATH");
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const int stride = (width * 3 + 3) & ~3;

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride) * static_cast<DWORD>(height);

  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                          nullptr, 0);
  bool copied = false;
  if (memory != nullptr && bitmap != nullptr) {
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, previous);
  }
  bool written = false;
  if (copied) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = _wfopen(Widen(path).c_str(), L"wb");
    if (out != nullptr) {
      written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&header, sizeof header, 1, out) == 1 &&
                std::fwrite(bits, header.biSizeImage, 1, out) == 1;
      written = std::fclose(out) == 0 && written;
    }
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) throw CommandError("could not copy the screen");
  if (!written) throw CommandError("could not write " + path);
  d.Say("screenshot " + std::to_string(width) + "x" + std::to_string(height));
}

}  // namespace

void RegisterScreenCommands(CommandTable& table) { table["screenshot"] = Screenshot; }

}  // namespace uidriver
