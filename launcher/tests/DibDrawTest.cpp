// Every bitmap of the conformance and hostile sets that the launcher loads is
// drawn through CDibBitmap::Draw into a 32-bit memory bitmap and compared
// with two references: the portable test decoder, and the platform's own
// decoder (LoadImage as a DIB section, blitted into the same kind of bitmap).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "DibBitmap.h"
#include "DibTestDecoder.h"

namespace {

// Unix paths are reached through Wine's Z: drive.
std::string WindowsPath(const std::string& path) {
  std::string out = path[0] == '/' ? "Z:" : "";
  for (char c : path) out += (c == '/') ? '\\' : c;
  return out;
}

std::vector<std::string> BitmapsIn(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    files.push_back(folder + "\\" + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

// A top-down 32-bit bitmap selected into a memory context, filled with a
// colour no test image uses, so undrawn pixels show.
class Canvas {
 public:
  static constexpr std::uint32_t kFill = 0x00FE01FD;
  static constexpr DibRgbImage::Pixel kUndrawn = {0xFE, 0x01, 0xFD};

  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) bits_[i] = kFill;
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  // Red, green, blue of pixel (x, y), top row first.
  DibRgbImage::Pixel At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
  }
  // The first pixel that differs from `other` by more than `tolerance` in a
  // channel, as text; empty when none does. Pixels this canvas left undrawn
  // (run-length codes skip them) are not compared.
  std::string FirstDifference(const Canvas& other, int tolerance) const {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const DibRgbImage::Pixel a = At(x, y), b = other.At(x, y);
        if (a == kUndrawn) continue;
        if (std::abs(a.r - b.r) > tolerance || std::abs(a.g - b.g) > tolerance || std::abs(a.b - b.b) > tolerance) {
          return Describe(x, y, a, b);
        }
      }
    }
    return std::string();
  }
  std::string FirstDifference(const DibRgbImage& decoded) const {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) != decoded.At(x, y)) return Describe(x, y, At(x, y), decoded.At(x, y));
      }
    }
    return std::string();
  }

 private:
  static std::string Describe(int x, int y, DibRgbImage::Pixel a, DibRgbImage::Pixel b) {
    char text[96];
    wsprintfA(text, "(%d,%d): %d,%d,%d vs %d,%d,%d", x, y, a.r, a.g, a.b, b.r, b.g, b.b);
    return text;
  }

  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint32_t* bits_ = nullptr;
};

// Whether the platform's decoder can judge the file. It cannot for
// - core-header (12-byte) bitmaps, some of which it draws with wrong colours;
// - top-down bitmaps, which its DIB-section path draws wrongly here;
// - files whose pixel-offset field points elsewhere than the end of the
//   colour table: the launcher takes the pixels from right after the table
//   and ignores that field, the platform follows it.
// Those are judged by the portable decoder alone.
bool PlatformCanJudge(const CDibImage& image, const std::string& file) {
  if (image.GetBitmapInfo()[0] == 12 || image.IsTopDown()) return false;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(file, bytes) || bytes.size() < 14) return false;
  const std::uint32_t offset = bytes[10] | bytes[11] << 8 | bytes[12] << 16 | static_cast<std::uint32_t>(bytes[13]) << 24;
  return offset == 14 + image.GetBitmapInfoSize();
}

TEST(DibDraw, EveryLoadableBitmapDrawsLikeBothDecoders) {
  const std::string data = WindowsPath(DIB_TEST_DATA_DIR);
  std::vector<std::string> files;
  for (const char* set : {"/bmpsuite/g", "/bmpsuite/q", "/bmpsuite/b", "/bmp-hostile"}) {
    const std::vector<std::string> more = BitmapsIn(data + WindowsPath(set).substr(2));
    files.insert(files.end(), more.begin(), more.end());
  }
  ASSERT_GT(files.size(), 80u) << "test bitmaps not found under " << data;

  int drawn = 0, checkedAgainstPlatform = 0;
  for (const std::string& file : files) {
    CDibBitmap image;
    if (!image.Load(file.c_str())) continue;
    SCOPED_TRACE(file);
    ++drawn;
    const int width = image.GetWidth(), height = image.GetHeight();
    Canvas ours(width, height);
    EXPECT_EQ(image.Draw(ours.Dc(), 0, 0), height);

    DibRgbImage decoded;
    ASSERT_TRUE(DecodeDibImage(image, decoded, Canvas::kUndrawn));
    EXPECT_EQ(ours.FirstDifference(decoded), "") << "against the portable decoder";

    if (!PlatformCanJudge(image, file)) continue;
    const HBITMAP platform = static_cast<HBITMAP>(
        LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (platform == nullptr) continue;  // files the platform refuses are judged by the portable decoder alone
    Canvas reference(width, height);
    const HDC source = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(source, platform);
    BitBlt(reference.Dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(platform);
    // The platform's decoder widens channels of bit-field pixels its own way
    // (it rounds); the drawing call and the portable decoder agree exactly.
    const int tolerance = image.GetLayout().compression == DibCompression::BitFields ? 8 : 0;
    EXPECT_EQ(ours.FirstDifference(reference, tolerance), "") << "against the platform's decoder";
    ++checkedAgainstPlatform;
  }
  // The sets hold dozens of loadable files; most are judged by both decoders.
  EXPECT_GT(drawn, 30);
  EXPECT_GT(checkedAgainstPlatform, 20);
  std::printf("drawn %d bitmaps, %d also against the platform's decoder\n", drawn, checkedAgainstPlatform);
}

}  // namespace
