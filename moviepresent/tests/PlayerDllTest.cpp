// The player as a game sees it: Dunmere.dll through its public header, with
// the real decoder DLL, user32, DirectDraw and DirectSound under it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Dunmere.h"
#include "MovieGenerator.h"
#include "tamsk_sdk.h"

namespace {

std::string New_Class_Name() {
  static int count = 0;
  return "PlayerDllTest" + std::to_string(++count);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string Temp_Path(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

bool Write_File(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::uint32_t Read_Pixel(const void* bits, int pitch, int x, int y, int bytesPerPixel) {
  const auto* row = static_cast<const unsigned char*>(bits) + static_cast<std::ptrdiff_t>(y) * pitch;
  std::uint32_t value = 0;
  std::memcpy(&value, row + x * bytesPerPixel, static_cast<std::size_t>(bytesPerPixel));
  return value;
}

void Fill(void* bits, int pitch, int width, int height, int bytesPerPixel, std::uint32_t pixel) {
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<unsigned char*>(bits) + static_cast<std::ptrdiff_t>(y) * pitch;
    for (int x = 0; x < width; ++x) std::memcpy(row + x * bytesPerPixel, &pixel, static_cast<std::size_t>(bytesPerPixel));
  }
}

// A player, deleted with its parts ended as a host would.
class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player = Qor_Dunmere_New();
    ASSERT_NE(player, nullptr);
  }
  void TearDown() override {
    player->Destroy_Sound();
    player->Destroy_Screen();
    player->Destroy_Window();
    Pump();
    Qor_Dunmere_Delete(player);
  }
  void Make_Window(int width, int height) {
    ASSERT_TRUE(player->Create_Window(GetModuleHandleA(nullptr), New_Class_Name().c_str(), "Player",
                                      7, 9, width, height));
    Pump();
  }

  DUNMERE* player = nullptr;
};

TEST_F(PlayerTest, SnapsSizesToStandardModes) {
  struct Case {
    int width, height, snappedWidth, snappedHeight;
  } cases[] = {{320, 241, 512, 384}, {641, 100, 800, 600},   {1281, 1, 1600, 1200},
               {1280, 1024, 1280, 1024}, {-5, 0, 320, 240}, {1024, 768, 1024, 768}};
  for (const Case& c : cases) {
    int width = c.width, height = c.height;
    player->Get_Resolution(width, height);
    EXPECT_EQ(width, c.snappedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(height, c.snappedHeight) << c.width << "x" << c.height;
  }
}

TEST_F(PlayerTest, WithoutPartsEveryOperationIsHarmless) {
  EXPECT_EQ(player->GetScreenWidth(), 0u);
  EXPECT_EQ(player->GetScreenHeight(), 0u);
  EXPECT_EQ(player->Get_Surface_Type(), QOR_SURFACE_NONE);
  void* pixels = reinterpret_cast<void*>(1);
  int pitch = 5;
  EXPECT_FALSE(player->Lock_Back_Screen(&pixels, &pitch));
  EXPECT_FALSE(player->Lock_Front_Screen(&pixels, &pitch));
  player->Show_Back_Screen();
  player->Unlock_Back_Screen(pixels);
  player->Clear_Back_Screen(0);
  player->Set_Screen_Mode(640, 480, 16);
  player->Restore_Surface();
  EXPECT_EQ(player->add_Track(1, 22050, 16), 0u);
  EXPECT_EQ(player->Next_Sound_Frame(100, 0), 0u);
  EXPECT_EQ(player->Sound_Track_Count(), 0u);
  player->Play_Sound(0);
  EXPECT_EQ(player->Get_Key(), nullptr);
  EXPECT_EQ(player->Get_Window(), nullptr);
  player->Center_Window();
  setLogoOn(player);
  setLogoOff(player);
  setLogoOn(nullptr);
  setLogoOff(nullptr);
  // Each Destroy_ may run any number of times.
  player->Destroy_Sound();
  player->Destroy_Sound();
  player->Destroy_Screen();
  player->Destroy_Window();
  EXPECT_STREQ(player->Get_Last_Error(), "Unknown error !");
}

TEST_F(PlayerTest, OpenResultsSetTheLastErrorAndSuccessLeavesIt) {
  ASSERT_NE(player->Get_Qor_Handle(), nullptr);
  EXPECT_FALSE(player->Open_File(Temp_Path("no-such-movie.tmk").c_str(), nullptr));
  EXPECT_STREQ(player->Get_Last_Error(), "Failed to open the file !");

  tamsk::GeneratorOptions options;
  options.frameCount = 3;
  std::vector<std::uint8_t> movie = tamsk::GenerateMovieBytes(options);
  ASSERT_FALSE(movie.empty());
  EXPECT_TRUE(player->Open_File(movie.data(), static_cast<unsigned>(movie.size()), nullptr));
  EXPECT_STREQ(player->Get_Last_Error(), "Failed to open the file !");

  // A damaged movie is another failure of the decoder's.
  std::vector<std::uint8_t> damaged(movie.begin(), movie.begin() + 10);
  EXPECT_FALSE(player->Open_File(damaged.data(), static_cast<unsigned>(damaged.size()), nullptr));
  EXPECT_STREQ(player->Get_Last_Error(), "Unknown error !");

  const std::string path = Temp_Path("player-dll-test.tmk");
  ASSERT_TRUE(Write_File(path, movie));
  EXPECT_TRUE(player->Open_File(path.c_str(), nullptr));
  EXPECT_STREQ(player->Get_Last_Error(), "Unknown error !");
  EXPECT_EQ(player->Get_Qor_Handle()->Get_Frame_Count(), 3u);
  player->Close_File();
  EXPECT_EQ(player->Get_Qor_Handle()->Get_Frame_Count(), 0u);
  DeleteFileA(path.c_str());
}

TEST_F(PlayerTest, DestroyedHandleRefusesOpensAndKeepsTheLastError) {
  player->Destroy_Handle();
  EXPECT_EQ(player->Get_Qor_Handle(), nullptr);
  std::vector<std::uint8_t> movie = tamsk::GenerateMovieBytes(tamsk::GeneratorOptions());
  EXPECT_FALSE(player->Open_File(movie.data(), static_cast<unsigned>(movie.size()), nullptr));
  EXPECT_FALSE(player->Open_File(Temp_Path("no-such-movie.tmk").c_str(), nullptr));
  EXPECT_STREQ(player->Get_Last_Error(), "Unknown error !");
  player->Close_File();
  player->Destroy_Handle();
}

TEST_F(PlayerTest, PrintNeedsNoScreenAndDrawsBothDepths) {
  // 'A' is 38 44 44 44 7C 44 44 00: its top row sets columns 2, 3 and 4.
  std::vector<std::uint32_t> wide(64 * 8, 0);
  player->Print("xxA", 4, 0, 64 * 4, QOR_SURFACE_RGB32, 0x00ABCDEF, wide.data());
  EXPECT_EQ(wide[4 + 16 + 2], 0x00ABCDEFu);
  EXPECT_EQ(wide[4 + 16 + 1], 0u);
  EXPECT_EQ(wide[4 * 64 + 4 + 16 + 1], 0x00ABCDEFu);  // the bar of row 4

  std::vector<std::uint16_t> narrow(64 * 8, 0);
  player->Print("A", 0, 0, 64 * 2, QOR_SURFACE_RGB565, 0x1234F800, narrow.data());
  EXPECT_EQ(narrow[2], 0xF800u);
  player->Print("A", 8, 0, 64 * 2, QOR_SURFACE_NONE, 0xFFFF, narrow.data());
  EXPECT_EQ(narrow[8 + 2], 0u);
}

TEST_F(PlayerTest, PrintBeyondARowEndIsClippedNotWrapped) {
  // Outside the screen's lock the pitch bounds a row: a string running off
  // the right edge must not spill into the next row.
  std::vector<std::uint32_t> pixels(16 * 10, 0);
  player->Print("AAAA", 8, 1, 16 * 4, QOR_SURFACE_RGB32, 0xFFFFFFFF, pixels.data());
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 10; ++y) EXPECT_EQ(pixels[y * 16 + x], 0u) << x << "," << y;
  }
}

TEST_F(PlayerTest, WindowIsShownWithClientSizeAndCallbackComesOnlyAfterIt) {
  static int calls = 0;
  calls = 0;
  const QOR_MSG_CALLBACK counting = [](HWND window, UINT message, WPARAM w, LPARAM l) -> LRESULT {
    if (message == WM_APP + 7) ++calls;
    return DefWindowProcA(window, message, w, l);
  };
  player->SetMsgCallback(counting);  // dropped: there is no window yet
  Make_Window(320, 200);
  const HWND window = player->Get_Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 200);
  SendMessageA(window, WM_APP + 7, 0, 0);
  EXPECT_EQ(calls, 0);
  player->SetMsgCallback(counting);
  SendMessageA(window, WM_APP + 7, 0, 0);
  EXPECT_EQ(calls, 1);
  ASSERT_NE(player->Get_Key(), nullptr);

  // A second player cannot take the same window class.
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  DUNMERE* second = Qor_Dunmere_New();
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(second->Create_Window(GetModuleHandleA(nullptr), name, "Second", 0, 0, 64, 64));
  EXPECT_EQ(second->Get_Window(), nullptr);
  second->Destroy_Window();
  Qor_Dunmere_Delete(second);

  player->Destroy_Window();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(player->Get_Window(), nullptr);
}

TEST_F(PlayerTest, ScreenRecordsTheSnappedSizeEvenWhenInitFails) {
  Make_Window(320, 240);
  // A handle that names no window: the screen cannot be set up on it.
  EXPECT_FALSE(player->Create_Screen(700, 500, 16, reinterpret_cast<HWND>(0x7FFE), false));
  EXPECT_EQ(player->GetScreenWidth(), 800u);
  EXPECT_EQ(player->GetScreenHeight(), 600u);

  // Sizes above the largest int compare as negative: the smallest mode.
  for (unsigned huge : {0xFFFFFFFFu, 0x80000000u, 3000000000u}) {
    ASSERT_TRUE(player->Create_Screen(huge, huge, 32, player->Get_Window(), false)) << huge;
    EXPECT_EQ(player->GetScreenWidth(), 320u) << huge;
    EXPECT_EQ(player->GetScreenHeight(), 240u) << huge;
  }
  ASSERT_TRUE(player->Create_Screen(300, 200, 32, player->Get_Window(), false));
  EXPECT_EQ(player->GetScreenWidth(), 320u);
  EXPECT_EQ(player->GetScreenHeight(), 240u);
  const QOR_SURFACE_TYPE type = player->Get_Surface_Type();
  EXPECT_TRUE(type == QOR_SURFACE_RGB32 || type == QOR_SURFACE_RGB565 || type == QOR_SURFACE_RGB555);
  player->Set_Screen_Mode(1024, 768, 16);
  EXPECT_EQ(player->GetScreenWidth(), 320u);
  EXPECT_EQ(player->GetScreenHeight(), 240u);
  player->Destroy_Screen();
  EXPECT_EQ(player->Get_Surface_Type(), QOR_SURFACE_NONE);
  player->Destroy_Screen();
}

TEST_F(PlayerTest, LogoIsComposedAtUnlockOnlyWhileSwitchedOn) {
  Make_Window(320, 240);
  ASSERT_TRUE(player->Create_Screen(320, 240, 32, player->Get_Window(), false));
  const int bytes = player->Get_Surface_Type() == QOR_SURFACE_RGB32 ? 4 : 2;
  const std::uint32_t grey = bytes == 4 ? 0xFF404040u : 0x4208u;

  // Counts pixels that are no longer the fill, inside and outside the
  // logo's corner, after one lock-fill-unlock round and a second lock.
  auto changed = [&](int& inCorner, int& elsewhere) {
    void* pixels = nullptr;
    int pitch = 0;
    ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
    Fill(pixels, pitch, 320, 240, bytes, grey);
    player->Unlock_Back_Screen(pixels);
    ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
    inCorner = elsewhere = 0;
    for (int y = 0; y < 240; ++y) {
      for (int x = 0; x < 320; ++x) {
        if (Read_Pixel(pixels, pitch, x, y, bytes) == grey) continue;
        (x >= 320 - 143 && y >= 240 - 79 ? inCorner : elsewhere)++;
      }
    }
    player->Unlock_Back_Screen(pixels);
  };
  int inCorner = 0, elsewhere = 0;
  changed(inCorner, elsewhere);
  EXPECT_EQ(inCorner, 0);  // off after Create_Screen
  setLogoOn(player);
  changed(inCorner, elsewhere);
  EXPECT_GT(inCorner, 500);
  EXPECT_EQ(elsewhere, 0);
  setLogoOff(player);
  changed(inCorner, elsewhere);
  EXPECT_EQ(inCorner, 0);

  // A new screen starts with the logo off again.
  setLogoOn(player);
  ASSERT_TRUE(player->Create_Screen(320, 240, 32, player->Get_Window(), false));
  changed(inCorner, elsewhere);
  EXPECT_EQ(inCorner, 0);
}

TEST_F(PlayerTest, PrintIntoTheScreensLockStaysInsideTheSurface) {
  Make_Window(320, 240);
  ASSERT_TRUE(player->Create_Screen(320, 240, 32, player->Get_Window(), false));
  const QOR_SURFACE_TYPE type = player->Get_Surface_Type();
  const int bytes = type == QOR_SURFACE_RGB32 ? 4 : 2;
  void* pixels = nullptr;
  int pitch = 0;
  ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
  Fill(pixels, pitch, 320, 240, bytes, 0);
  // Text hanging over the bottom-right corner and off the left edge.
  player->Print("WWWW", 300, 236, pitch, type, 0xFFFF, pixels);
  player->Print("WWWW", -20, 100, pitch, type, 0xFFFF, pixels);
  int drawn = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) drawn += Read_Pixel(pixels, pitch, x, y, bytes) != 0;
  }
  EXPECT_GT(drawn, 20);

  // Pitches other than the lock's: the text's rows step by the pitch given,
  // and only what falls inside the locked surface is written.
  Fill(pixels, pitch, 320, 240, bytes, 0);
  const struct {
    int y, pitchRows, firstRow;
  } placements[] = {{119, 2, 238}, {200, 2, -1}, {230, -1, -1}};
  for (const auto& p : placements) {
    player->Print("\xDB\xDB", 0, p.y, p.pitchRows * pitch, type, 0xFFFF, pixels);
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr)) << p.y;
  }
  drawn = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) drawn += Read_Pixel(pixels, pitch, x, y, bytes) != 0;
  }
  EXPECT_EQ(drawn, 12);  // row 0 of two full blocks, in row 238
  EXPECT_NE(Read_Pixel(pixels, pitch, 13, 238, bytes), 0u);
  player->Unlock_Back_Screen(pixels);

  // Full screen 16-bit, rows running upwards from the back buffer's start.
  ASSERT_TRUE(player->Create_Screen(640, 480, 16, player->Get_Window(), true));
  ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
  player->Print("\xDB\xDB\xDB\xDB", 0, 0, -pitch, player->Get_Surface_Type(), 0xFFFF, pixels);
  EXPECT_EQ(Read_Pixel(pixels, pitch, 0, 0, 2), 0xFFFFu);
  player->Unlock_Back_Screen(pixels);
  player->Show_Back_Screen();
  ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
  player->Unlock_Back_Screen(pixels);
  EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr));
}

TEST_F(PlayerTest, StandInMovieDecodesFrameByFrameIntoTheBackScreen) {
  Make_Window(320, 240);
  ASSERT_TRUE(player->Create_Screen(320, 240, 32, player->Get_Window(), false));
  const QOR_SURFACE_TYPE type = player->Get_Surface_Type();
  ASSERT_EQ(type, QOR_SURFACE_RGB32) << "the desktop under test is 32-bit";

  tamsk::GeneratorOptions options;
  options.width = 160;
  options.height = 120;
  options.frameCount = 4;
  std::vector<std::uint8_t> movie = tamsk::GenerateMovieBytes(options);
  ASSERT_TRUE(player->Open_File(movie.data(), static_cast<unsigned>(movie.size()), nullptr));
  QOR_HANDLE* handle = player->Get_Qor_Handle();
  for (unsigned frame = 0; frame < options.frameCount; ++frame) {
    void* pixels = nullptr;
    int pitch = 0;
    ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
    ASSERT_TRUE(handle->Decode_Next_Frame(pixels, pitch, type));
    const std::vector<std::uint8_t> expected = tamsk::GeneratePicture(options, frame);
    for (int y : {0, 60, 119}) {
      for (int x : {0, 80, 159}) {
        const std::uint8_t* rgb = &expected[(static_cast<std::size_t>(y) * 160 + x) * 3];
        const std::uint32_t pixel = Read_Pixel(pixels, pitch, x, y, 4);
        EXPECT_EQ(pixel & 0xFFFFFFu, (rgb[0] << 16u) | (rgb[1] << 8u) | rgb[2])
            << "frame " << frame << " at " << x << "," << y;
      }
    }
    player->Unlock_Back_Screen(pixels);
    player->Show_Back_Screen();
  }
  void* pixels = nullptr;
  int pitch = 0;
  ASSERT_TRUE(player->Lock_Back_Screen(&pixels, &pitch));
  EXPECT_FALSE(handle->Decode_Next_Frame(pixels, pitch, type));  // the end
  player->Unlock_Back_Screen(pixels);
}

TEST_F(PlayerTest, SoundTracksThroughThePlayer) {
  Make_Window(64, 48);
  ASSERT_TRUE(player->Create_Sound(player->Get_Window(), 1, 22050, 16));
  EXPECT_EQ(player->Sound_Track_Count(), 1u);
  EXPECT_EQ(player->add_Track(2, 44100, 16), 176400u);  // one second of sound
  EXPECT_EQ(player->Sound_Track_Count(), 2u);
  const unsigned track = 1;
  void* first = nullptr;
  void* second = nullptr;
  unsigned long firstBytes = 0, secondBytes = 0;
  player->Lock_Sound(5880, &first, &firstBytes, &second, &secondBytes, track);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(firstBytes + secondBytes, 5880u);
  std::memset(first, 0, firstBytes);
  player->Unlock_Sound(first, firstBytes, second, secondBytes, track);
  EXPECT_EQ(player->Next_Sound_Frame(5880, track), 1u);
  EXPECT_EQ(player->Next_Sound_Frame(1470, 2), 0u);  // no such track
  // A format the primary buffer takes but no track can hold: false, and the
  // device stays for tracks of a good format.
  EXPECT_FALSE(player->Create_Sound(player->Get_Window(), 1, 0xFFFFFFFFu, 16));
  EXPECT_EQ(player->Sound_Track_Count(), 0u);
  EXPECT_EQ(player->add_Track(2, 22050, 16), 88200u);
  EXPECT_EQ(player->Sound_Track_Count(), 1u);
  // Initialising again ends the first set-up and starts with track 0 alone.
  ASSERT_TRUE(player->Create_Sound(player->Get_Window(), 2, 44100, 16));
  EXPECT_EQ(player->Sound_Track_Count(), 1u);
  player->Destroy_Sound();
  EXPECT_EQ(player->Sound_Track_Count(), 0u);
}

}  // namespace
