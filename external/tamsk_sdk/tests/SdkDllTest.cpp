// tamsk_sdk.dll as a host uses it: linked through its import library, driven
// only through Qor_New, Qor_Delete and the QOR_HANDLE interface.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "MovieGenerator.h"
#include "SurfaceBytes.h"
#include "tamsk_sdk.h"
#include "win32/UniqueHandle.h"

namespace {

// Owns a handle from Qor_New.
struct HandleDeleter {
  void operator()(QOR_HANDLE* handle) const { Qor_Delete(handle); }
};
using HandlePtr = std::unique_ptr<QOR_HANDLE, HandleDeleter>;

// A file in the temporary folder, removed again by the destructor.
class TempFile {
 public:
  explicit TempFile(const std::vector<std::uint8_t>& bytes) {
    char folder[MAX_PATH];
    char name[MAX_PATH];
    if (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "tmk", 0, name) == 0) return;
    path_ = name;
    common::UniqueHandle file(
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
      path_.clear();
    }
  }
  ~TempFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class SdkDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.width = 33;
    options_.height = 17;
    options_.frameCount = 6;
    options_.rateNumerator = 25;
    options_.samplesPerSecond = 22050;
    options_.channels = 2;
    movie_ = tamsk::GenerateMovieBytes(options_);
    ASSERT_FALSE(movie_.empty());
    handle_.reset(Qor_New());
    ASSERT_NE(handle_, nullptr);
  }

  int OpenMemory(std::vector<std::uint8_t> bytes, QOR_OVERLOAD* options = nullptr) {
    return handle_->Open_Memory(bytes.data(), static_cast<unsigned int>(bytes.size()), options);
  }

  // Decodes every frame as a host would into one locked buffer and checks
  // the pixels (padding included) and sound bytes of each.
  void ExpectWholeMovie(QOR_SURFACE_TYPE type) {
    const int pitch = 33 * tamsk::BytesPerPixel(type) + 12;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(pitch) * 17);
    for (std::uint32_t frame = 0; frame < 6; ++frame) {
      EXPECT_EQ(handle_->Get_Frame_Index(), frame);
      std::fill(buffer.begin(), buffer.end(), 0xA5);
      ASSERT_TRUE(handle_->Decode_Next_Frame(buffer.data(), pitch, type)) << "frame " << frame;
      EXPECT_EQ(buffer,
                tamsk_test::ExpectedSurface(tamsk::GeneratePicture(options_, frame), 33, 17, type, pitch, 0xA5))
          << "frame " << frame << " type " << type;
      const void* sound = nullptr;
      unsigned int bytes = 0;
      ASSERT_TRUE(handle_->Get_Sound(&sound, &bytes));
      const auto* first = static_cast<const std::uint8_t*>(sound);
      EXPECT_EQ(std::vector<std::uint8_t>(first, first + bytes), tamsk::GenerateSound(options_, frame));
    }
    EXPECT_FALSE(handle_->Decode_Next_Frame(buffer.data(), pitch, type));
    EXPECT_EQ(handle_->Get_Frame_Index(), 6u);
  }

  tamsk::GeneratorOptions options_;
  std::vector<std::uint8_t> movie_;
  HandlePtr handle_;
};

TEST_F(SdkDllTest, OpensAFileAndDecodesEveryFrameInEachLayout) {
  TempFile file(movie_);
  ASSERT_FALSE(file.Path().empty());
  ASSERT_EQ(handle_->Open_Path(file.Path().c_str(), nullptr), QOR_OK);
  EXPECT_EQ(handle_->Get_Width(), 33u);
  EXPECT_EQ(handle_->Get_Height(), 17u);
  EXPECT_EQ(handle_->Get_Frame_Count(), 6u);
  unsigned int numerator = 0, denominator = 0;
  EXPECT_TRUE(handle_->Get_Frame_Rate(&numerator, &denominator));
  EXPECT_EQ(numerator, 25u);
  EXPECT_EQ(denominator, 1u);
  unsigned int channels = 0, rate = 0, bits = 0;
  EXPECT_TRUE(handle_->Get_Sound_Format(&channels, &rate, &bits));
  EXPECT_EQ(channels, 2u);
  EXPECT_EQ(rate, 22050u);
  EXPECT_EQ(bits, 16u);

  for (QOR_SURFACE_TYPE type : {QOR_SURFACE_RGB555, QOR_SURFACE_RGB565, QOR_SURFACE_RGB32}) {
    handle_->Rewind();
    EXPECT_FALSE(handle_->Get_Sound(nullptr, nullptr));  // no current frame after Rewind
    ExpectWholeMovie(type);
  }
}

TEST_F(SdkDllTest, OpensFromMemoryThatTheCallerFreesAtOnce) {
  ASSERT_EQ(OpenMemory(movie_), QOR_OK);  // the copy passed in is gone after the call
  ExpectWholeMovie(QOR_SURFACE_RGB32);
}

TEST_F(SdkDllTest, ReportsMissingDamagedAndForeignMovies) {
  EXPECT_EQ(handle_->Open_Path("C:\\no\\such\\folder\\movie.tamsk", nullptr), QOR_ERROR_OPEN);
  EXPECT_EQ(handle_->Open_Path("", nullptr), QOR_ERROR_OPEN);
  EXPECT_EQ(handle_->Open_Path(nullptr, nullptr), QOR_ERROR_OPEN);

  std::vector<std::uint8_t> truncated(movie_.begin(), movie_.end() - 1);
  TempFile damaged(truncated);
  EXPECT_EQ(handle_->Open_Path(damaged.Path().c_str(), nullptr), QOR_ERROR_DAMAGED);
  EXPECT_EQ(OpenMemory(truncated), QOR_ERROR_DAMAGED);
  TempFile empty({});
  EXPECT_EQ(handle_->Open_Path(empty.Path().c_str(), nullptr), QOR_ERROR_DAMAGED);

  std::vector<std::uint8_t> newer = movie_;
  newer[4] = 2;  // format version 2
  EXPECT_EQ(OpenMemory(newer), QOR_ERROR_VERSION);

  EXPECT_EQ(handle_->Open_Memory(nullptr, 10, nullptr), QOR_ERROR_ARGUMENT);
  QOR_OVERLOAD unknown = {sizeof(QOR_OVERLOAD) + 4, 0};
  EXPECT_EQ(OpenMemory(movie_, &unknown), QOR_ERROR_ARGUMENT);
  // A failed open leaves no movie behind.
  EXPECT_EQ(handle_->Get_Width(), 0u);
  EXPECT_EQ(handle_->Get_Frame_Count(), 0u);
  EXPECT_FALSE(handle_->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE));
}

TEST_F(SdkDllTest, CloseAndReopenReplaceTheMovie) {
  ASSERT_EQ(OpenMemory(movie_), QOR_OK);
  ASSERT_TRUE(handle_->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE));
  handle_->Close();
  handle_->Close();  // closing twice is harmless
  EXPECT_EQ(handle_->Get_Width(), 0u);
  unsigned int numerator = 9, denominator = 9;
  EXPECT_FALSE(handle_->Get_Frame_Rate(&numerator, &denominator));
  EXPECT_FALSE(handle_->Get_Sound_Format(nullptr, nullptr, nullptr));
  EXPECT_FALSE(handle_->Get_Sound(nullptr, nullptr));

  tamsk::GeneratorOptions silent = options_;
  silent.sound = false;
  silent.width = 8;
  ASSERT_EQ(OpenMemory(tamsk::GenerateMovieBytes(silent)), QOR_OK);
  ASSERT_TRUE(handle_->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE));
  EXPECT_FALSE(handle_->Get_Sound(nullptr, nullptr));  // a movie without sound
  EXPECT_FALSE(handle_->Get_Sound_Format(nullptr, nullptr, nullptr));
  ASSERT_EQ(OpenMemory(movie_), QOR_OK);  // an open on an open handle replaces the movie
  EXPECT_EQ(handle_->Get_Width(), 33u);
  EXPECT_EQ(handle_->Get_Frame_Index(), 0u);
}

TEST_F(SdkDllTest, LoopOptionStartsAgainAfterTheLastFrame) {
  QOR_OVERLOAD loop = {sizeof(QOR_OVERLOAD), QOR_OVERLOAD_LOOP};
  ASSERT_EQ(OpenMemory(movie_, &loop), QOR_OK);
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(handle_->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE));
  EXPECT_TRUE(handle_->Decode_Next_Frame(nullptr, 0, QOR_SURFACE_NONE));
  EXPECT_EQ(handle_->Get_Frame_Index(), 1u);
}

TEST(SdkDllExportsTest, DeleteAcceptsNull) { Qor_Delete(nullptr); }

}  // namespace
