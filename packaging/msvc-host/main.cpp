// A game as Microsoft's compiler builds it: MSVC's C++ ABI, no C or C++
// runtime, linked against the installed MSVC import libraries. It plays a
// test movie through Rushlight and calls every operation of a Dunmere
// player once, printing one line per check and "N failed"; the exit status
// is the number of failures.
#include <stdarg.h>
#include <windows.h>

#include "Rushlight.h"

// What the compiler may call in place of loops, and the marker of floating
// point that MSVC's objects reference; a C runtime would bring them.
extern "C" void* __cdecl memset(void* to, int value, size_t bytes) {
  for (unsigned char* p = static_cast<unsigned char*>(to); bytes-- != 0;) *p++ = static_cast<unsigned char>(value);
  return to;
}
extern "C" int _fltused = 0;
inline void* operator new(size_t, void* where) noexcept { return where; }

// The player's interface, declared here from its documented slot order and
// not taken from Dunmere.h, so that a layout fault in the header, or in the
// library's table, shows here. MSVC gives the virtual destructor one slot
// (slot 0) and lays out the overloads of Open_File in reverse order of
// declaration: from memory in slot 1, from a path in slot 2.
class QOR_HANDLE;
struct QOR_OVERLOAD;
enum QOR_SURFACE_TYPE { QOR_SURFACE_RGB555 = 1, QOR_SURFACE_RGB565 = 2, QOR_SURFACE_RGB32 = 3,
                        QOR_SURFACE_NONE = 0x7FFFFFFF };
typedef long(__cdecl* MsgCallback)(HWND, unsigned int, unsigned int, long);

class DUNMERE {
 public:
  virtual ~DUNMERE() {}
  virtual bool Open_File(const char* path, QOR_OVERLOAD* options) = 0;
  virtual bool Open_File(void* data, unsigned int size, QOR_OVERLOAD* options) = 0;
  virtual void Close_File() = 0;
  virtual void Destroy_Handle() = 0;
  virtual QOR_HANDLE* Get_Qor_Handle() = 0;
  virtual bool Create_Sound(HWND, unsigned int channels, unsigned int rate, unsigned int bits) = 0;
  virtual void Destroy_Sound() = 0;
  virtual unsigned int add_Track(unsigned int channels, unsigned int rate, unsigned int bits) = 0;
  virtual void Lock_Sound(unsigned int bytes, void**, unsigned long*, void**, unsigned long*, unsigned int track) = 0;
  virtual void Unlock_Sound(void*, unsigned long, void*, unsigned long, unsigned int track) = 0;
  virtual void Play_Sound(unsigned int track) = 0;
  virtual void Stop_Sound(unsigned int track) = 0;
  virtual unsigned int Next_Sound_Frame(unsigned int bytes, unsigned int track) = 0;
  virtual unsigned int Sound_Track_Count() = 0;
  virtual bool Create_Screen(unsigned int width, unsigned int height, unsigned int bits, HWND, bool full) = 0;
  virtual void Destroy_Screen() = 0;
  virtual bool Lock_Back_Screen(void** pixels, int* pitch) = 0;
  virtual void Unlock_Back_Screen(void* pixels) = 0;
  virtual void Show_Back_Screen() = 0;
  virtual void Clear_Back_Screen(unsigned long colour) = 0;
  virtual bool Lock_Front_Screen(void** pixels, int* pitch) = 0;
  virtual void Unlock_Front_Screen(void* pixels) = 0;
  virtual void Clear_Front_Screen(unsigned long colour) = 0;
  virtual void Set_Screen_Mode(unsigned int width, unsigned int height, unsigned int bits) = 0;
  virtual void Print(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE, unsigned int colour, void*) = 0;
  virtual QOR_SURFACE_TYPE Get_Surface_Type() = 0;
  virtual unsigned int GetScreenWidth() = 0;
  virtual unsigned int GetScreenHeight() = 0;
  virtual void Restore_Surface() = 0;
  virtual bool Create_Window(HINSTANCE, const char* name, const char* title, int, int, int width, int height) = 0;
  virtual void Destroy_Window() = 0;
  virtual int* Get_Key() = 0;
  virtual void Center_Window() = 0;
  virtual void Show_Window() = 0;
  virtual HWND Get_Window() = 0;
  virtual void SetMsgCallback(MsgCallback) = 0;
  virtual const char* Get_Last_Error() const = 0;
  virtual void Get_Resolution(int& width, int& height) = 0;
};
__declspec(dllimport) DUNMERE* __cdecl Qor_Dunmere_New();
__declspec(dllimport) void __cdecl Qor_Dunmere_Delete(DUNMERE*);
__declspec(dllimport) void __cdecl setLogoOn(DUNMERE*);
__declspec(dllimport) void __cdecl setLogoOff(DUNMERE*);

// Placement new of the lock as MSVC-compiled games write it. MSVC's ABI has
// a constructor return this, and clang compiles this function to a jump to
// the imported constructor, so what it returns is the constructor's result.
__declspec(noinline) BrelDirectShowMovieLock* placeLock(void* storage, BrelIDirectShowMovieImpl* movie) {
  return new (storage) BrelDirectShowMovieLock(movie);
}

// The same constructor called as the plain member function that MSVC's ABI
// makes of it, so that its result is seen on x86 too, where clang keeps the
// storage address itself across the call.
#if defined(_M_IX86)
#define LOCK_CONSTRUCTOR "??0BrelDirectShowMovieLock@@QAE@PAVBrelIDirectShowMovieImpl@@@Z"
#else
#define LOCK_CONSTRUCTOR "??0BrelDirectShowMovieLock@@QEAA@PEAVBrelIDirectShowMovieImpl@@@Z"
#endif
struct LockStorage {
  __declspec(dllimport) void* construct(BrelIDirectShowMovieImpl* movie) __asm__(LOCK_CONSTRUCTOR);
  alignas(8) unsigned char bytes[sizeof(BrelDirectShowMovieLock)];
};

namespace {

int failures = 0;

void print(const char* format, ...) {
  char line[512];
  va_list arguments;
  va_start(arguments, format);
  DWORD length = static_cast<DWORD>(wvsprintfA(line, format, arguments));
  va_end(arguments);
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, length, &length, nullptr);
}
bool check(bool holds, const char* what) {
  print("%s %s\n", holds ? "ok" : "FAILED", what);
  failures += holds ? 0 : 1;
  return holds;
}
bool checkEq(long got, long want, const char* what) {
  if (got != want) print("  got %ld, want %ld\n", got, want);
  return check(got == want, what);
}
bool checkText(const char* got, const char* want, const char* what) {
  bool same = got != nullptr;
  for (int i = 0; same && (got[i] != '\0' || want[i] != '\0'); ++i) same = got[i] == want[i];
  if (!same) print("  got \"%s\"\n", got != nullptr ? got : "(null)");
  return check(same, what);
}

// Polls the movie, as a game does once a frame, until done(movie) holds (at most about 30 s).
bool waitFor(BrelIDirectShowMovieImpl* movie, bool (*done)(BrelIDirectShowMovieImpl*)) {
  for (int round = 0; round < 6000; ++round, Sleep(5)) {
    movie->checkMovieStatus();
    if (done(movie)) return true;
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  }
  return false;
}

// --- Rushlight -------------------------------------------------------------

// From testbench/movies/make-test-movies.sh; 7 is laid out as MPF_R5G6B5.
struct TestMovie { const char* name; MoviePixelFormat format; int width, height; bool sound; };
const TestMovie kMovies[] = {{"rgb24.avi", MPF_A8R8G8B8, 64, 48, false},
                             {"rgb24_snd.avi", static_cast<MoviePixelFormat>(7), 64, 48, true}};

void playMovie(const TestMovie& test, const char* dir) {
  char path[2 * MAX_PATH];  // a Unix folder as Wine's Z: drive shows it
  wsprintfA(path, "%s%s\\%s", dir[0] == '\\' ? "Z:" : "", dir, test.name);
  print("movie %s\n", path);
  BrelIDirectShowMovieImpl::Info info;
  memset(&info, 0x5A, sizeof info);
  check(BrelIDirectShowMovieImpl::getMovieInfo(path, &info) && info.hasVideo, "getMovieInfo finds video");
  check(info.width == test.width && info.height == test.height && info.hasSound == test.sound,
        "getMovieInfo: the movie's size and sound");

  BrelIDirectShowMovieImpl* movie = BrelDirectShowInterface::createDirectShowMovie(path, test.format);
  if (!check(movie != nullptr, "createDirectShowMovie")) return;
  check(movie->width() == static_cast<unsigned>(test.width) && movie->height() == static_cast<unsigned>(test.height),
        "width, height");
  check(movie->fps() == info.fps && movie->duration() == info.duration && info.duration > 0.0f,
        "fps, duration as getMovieInfo");
  checkEq(movie->hasSound(), test.sound, "hasSound");
  checkEq(movie->format(), test.format, "format as created");

  check(waitFor(movie, [](BrelIDirectShowMovieImpl* m) { return m->hadAnUpdate(); }), "a picture arrives");
  LockStorage storage, inner;
  BrelDirectShowMovieLock* lock = new (storage.bytes) BrelDirectShowMovieLock(movie);
  const unsigned char* pixels = static_cast<const unsigned char*>(lock->pBuffer());
  if (check(pixels != nullptr, "pBuffer under the lock")) {
    // The test picture is colour bars: its first row is not of one colour.
    const unsigned bytes = test.format == MPF_A8R8G8B8 ? 4 : 2;
    bool bars = false, opaque = true;
    for (unsigned i = 0; i < bytes; ++i) bars |= pixels[i] != pixels[(info.width - 1) * bytes + i];
    for (int i = 0; bytes == 4 && i < info.width * info.height; ++i) opaque &= pixels[4 * i + 3] == 0xFF;
    check(bars && opaque, "the copied picture holds the movie's bars (and opaque alpha in A8R8G8B8)");
  }
  // A second lock taken by the same thread inside the first: while either is
  // held no picture is written, so both see the same buffer. The outer one
  // is let go first; between two separate locks the address may change.
  check(inner.construct(movie) == inner.bytes, "the lock's constructor returns this (a lock inside a lock)");
  check(reinterpret_cast<BrelDirectShowMovieLock*>(inner.bytes)->pBuffer() == pixels,
        "a lock taken inside another sees the same buffer");
  lock->~BrelDirectShowMovieLock();
  reinterpret_cast<BrelDirectShowMovieLock*>(inner.bytes)->~BrelDirectShowMovieLock();
  check(static_cast<void*>(placeLock(storage.bytes, movie)) == storage.bytes,
        "placement new of the lock returns its storage");
  check(reinterpret_cast<BrelDirectShowMovieLock*>(storage.bytes)->pBuffer() != nullptr, "a later lock, a buffer");
  reinterpret_cast<BrelDirectShowMovieLock*>(storage.bytes)->~BrelDirectShowMovieLock();
  movie->resetUpdateFlag();

  check(waitFor(movie, [](BrelIDirectShowMovieImpl* m) { return !m->isPaused(); }), "isPaused false while playing");
  movie->pause(true);
  check(waitFor(movie, [](BrelIDirectShowMovieImpl* m) { return m->isPaused(); }), "isPaused after pause(true)");
  movie->pause(false);
  check(waitFor(movie, [](BrelIDirectShowMovieImpl* m) { return !m->isPaused(); }), "running after pause(false)");
  check(waitFor(movie, [](BrelIDirectShowMovieImpl* m) { return m->reachedEndOfMovie(); }), "reachedEndOfMovie");
  movie->resetUpdateFlag();  // no picture follows the end
  check(!movie->hadAnUpdate() && movie->reachedEndOfMovie(), "resetUpdateFlag after the end");
  BrelDirectShowInterface::deleteDirectShowMovie(movie);
  check(movie == nullptr, "deleteDirectShowMovie nulls the pointer");
}


// --- Dunmere ---------------------------------------------------------------

HWND callbackWindow = nullptr;
unsigned int callbackMessage = 0;
long __cdecl messageCallback(HWND window, unsigned int message, unsigned int wParam, long lParam) {
  callbackWindow = window;
  callbackMessage = message;
  return static_cast<long>(wParam) * 1000 + lParam;
}

// Pixels of the logo's corner of an 800 x 600 back buffer that are not 0
// after the corner was zeroed and unlocked (the unlock composes the logo).
int logoPixels(DUNMERE* player, unsigned bytes) {
  void* pixels = nullptr;
  int pitch = 0, drawn = 0;
  for (int pass = 0; pass < 2; ++pass) {
    if (!player->Lock_Back_Screen(&pixels, &pitch)) return -1;
    for (int y = 600 - 79; y < 600; ++y) {
      unsigned char* row = static_cast<unsigned char*>(pixels) + y * pitch + (800 - 143) * bytes;
      for (unsigned i = 0; i < 143 * bytes; ++i) {
        if (pass == 0) row[i] = 0;
        else drawn += row[i] != 0 && (bytes == 2 || i % 4 != 3);
      }
    }
    player->Unlock_Back_Screen(pixels);
  }
  return drawn;
}

void useDunmere() {
  DUNMERE* player = Qor_Dunmere_New();
  if (!check(player != nullptr, "Qor_Dunmere_New")) return;

  // Decoder handle and the two Open_File slots.
  checkText(player->Get_Last_Error(), "Unknown error !", "Get_Last_Error before any failure");
  check(player->Get_Qor_Handle() != nullptr, "Get_Qor_Handle holds a decoder handle");
  check(!player->Open_File("Z:\\no\\such\\movie.tamsk", nullptr), "Open_File(path) of a missing file fails");
  checkText(player->Get_Last_Error(), "Failed to open the file !", "Get_Last_Error after it");
  char garbage[16] = "not a movie";
  check(!player->Open_File(garbage, sizeof garbage, nullptr), "Open_File(memory) of no movie fails");
  checkText(player->Get_Last_Error(), "Unknown error !", "Get_Last_Error after it");
  player->Close_File();
  check(player->Get_Qor_Handle() != nullptr, "Close_File keeps the decoder handle");
  player->Destroy_Handle();
  check(player->Get_Qor_Handle() == nullptr, "Destroy_Handle: Get_Qor_Handle null");
  check(!player->Open_File("Z:\\no\\such\\movie.tamsk", nullptr), "Open_File without a handle fails");
  checkText(player->Get_Last_Error(), "Unknown error !", "Get_Last_Error unchanged without a handle");
  int width = 700, height = 500;
  player->Get_Resolution(width, height);
  check(width == 800 && height == 600, "Get_Resolution snaps 700 x 500 to 800 x 600");

  // Window.
  check(player->Create_Window(GetModuleHandleA(nullptr), "MsvcHost", "MSVC host", 0, 0, 320, 240), "Create_Window");
  const HWND window = player->Get_Window();
  check(IsWindow(window) && IsWindowVisible(window), "Get_Window: the shown window");
  int* keys = player->Get_Key();
  if (check(keys != nullptr, "Get_Key")) {
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    const int down = keys[VK_SPACE];
    SendMessageA(window, WM_KEYUP, VK_SPACE, 0);
    check(down == 1 && keys[VK_SPACE] == 0, "Get_Key's table follows WM_KEYDOWN and WM_KEYUP");
  }
  player->SetMsgCallback(messageCallback);
  const LRESULT answer = SendMessageA(window, WM_USER + 5, 7, 9);
  check(answer == 7009 && callbackWindow == window && callbackMessage == WM_USER + 5, "SetMsgCallback");
  RECT work, placed;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  player->Center_Window();
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(window, &placed);
  checkEq(placed.left, (work.left + work.right - 320) >> 1, "Center_Window left");
  checkEq(placed.top, (work.top + work.bottom - 240) >> 1, "Center_Window top");
  ShowWindow(window, SW_HIDE);
  player->Show_Window();
  check(IsWindowVisible(window), "Show_Window");

  // Screen.
  checkEq(player->Get_Surface_Type(), QOR_SURFACE_NONE, "Get_Surface_Type without a screen");
  check(player->Create_Screen(700, 500, 32, window, false), "Create_Screen(700, 500) windowed");
  checkEq(player->GetScreenWidth(), 800, "GetScreenWidth");
  checkEq(player->GetScreenHeight(), 600, "GetScreenHeight");
  const QOR_SURFACE_TYPE type = player->Get_Surface_Type();
  check(type >= QOR_SURFACE_RGB555 && type <= QOR_SURFACE_RGB32, "Get_Surface_Type of the screen");
  const unsigned bytes = type == QOR_SURFACE_RGB32 ? 4 : 2, white = type == QOR_SURFACE_RGB32 ? 0xFFFFFF : 0x7FFF;
  void* pixels = nullptr;
  int pitch = 0;
  player->Clear_Back_Screen(0x5A);  // a byte pattern
  if (check(player->Lock_Back_Screen(&pixels, &pitch) && pitch >= static_cast<int>(800 * bytes),
            "Lock_Back_Screen")) {
    unsigned char* p = static_cast<unsigned char*>(pixels);
    check(p[0] == 0x5A && p[pitch * 599] == 0x5A, "Clear_Back_Screen");
    player->Print("A", 0, 0, pitch, type, white, pixels);  // row 0 of A is 0x38: columns 2 to 4
    check(p[0] == 0x5A && p[2 * bytes] == 0xFF && p[5 * bytes] == 0x5A, "Print");
    player->Unlock_Back_Screen(pixels);
  }
  check(player->Lock_Back_Screen(&pixels, &pitch), "Unlock_Back_Screen (a new lock succeeds)");
  player->Unlock_Back_Screen(pixels);
  player->Show_Back_Screen();
  player->Clear_Front_Screen(0xA5);
  if (check(player->Lock_Front_Screen(&pixels, &pitch) && pixels != nullptr, "Lock_Front_Screen")) {
    check(static_cast<unsigned char*>(pixels)[0] == 0xA5, "Clear_Front_Screen");
    player->Unlock_Front_Screen(pixels);
  }
  check(player->Lock_Front_Screen(&pixels, &pitch), "Unlock_Front_Screen (a new lock succeeds)");
  player->Unlock_Front_Screen(pixels);
  player->Set_Screen_Mode(1024, 768, 16);
  check(player->GetScreenWidth() == 800 && player->GetScreenHeight() == 600, "Set_Screen_Mode keeps the size");
  player->Restore_Surface();
  const int before = logoPixels(player, bytes);
  setLogoOn(player);
  const int on = logoPixels(player, bytes);
  setLogoOff(player);
  check(before == 0 && on > 0 && logoPixels(player, bytes) == 0, "setLogoOn / setLogoOff");

  // Sound.
  check(player->Create_Sound(window, 1, 22050, 16), "Create_Sound");
  checkEq(player->add_Track(2, 44100, 16), 176400, "add_Track: one second of 2 x 44100 x 16 bits");
  checkEq(player->Sound_Track_Count(), 2, "Sound_Track_Count");
  void *first = nullptr, *second = nullptr;
  unsigned long firstBytes = 0, secondBytes = 0;
  player->Lock_Sound(8820, &first, &firstBytes, &second, &secondBytes, 1);
  check(first != nullptr && firstBytes + secondBytes == 8820, "Lock_Sound");
  if (first != nullptr) memset(first, 0, firstBytes);
  player->Unlock_Sound(first, firstBytes, second, secondBytes, 1);
  unsigned frames = 0;
  for (int i = 0; i < 3; ++i) frames = frames * 10 + player->Next_Sound_Frame(8820, 1);
  checkEq(frames, 123, "Next_Sound_Frame counts frames");
  player->Stop_Sound(1);
  player->Play_Sound(0);
  player->Stop_Sound(0);
  player->Destroy_Sound();
  check(player->Sound_Track_Count() == 0 && player->add_Track(1, 22050, 16) == 0, "Destroy_Sound");

  player->Destroy_Screen();
  check(player->Get_Surface_Type() == QOR_SURFACE_NONE && !player->Lock_Back_Screen(&pixels, &pitch),
        "Destroy_Screen");
  player->Destroy_Window();
  check(player->Get_Window() == nullptr && player->Get_Key() == nullptr && !IsWindow(window), "Destroy_Window");
  Qor_Dunmere_Delete(player);  // the library's own call through slot 0
}

// Slot 0 as an MSVC-built game reaches it itself: an explicit destructor call
// passes flags 0 (destroy, do not free), delete passes flags 1 (destroy and
// free, with the library's own heap).
void deleteThroughSlot0() {
  DUNMERE* kept = Qor_Dunmere_New();
  if (!check(kept != nullptr, "Qor_Dunmere_New for slot 0")) return;
  kept->~DUNMERE();  // flags 0; its storage stays allocated for good
  DUNMERE* next = Qor_Dunmere_New();
  check(next != nullptr && next != kept, "slot 0 with flags 0 frees nothing: a new player gets other storage");
  delete next;  // flags 1: a wrong slot or a free on the wrong heap ends the run here
  print("slot 0 with flags 1 returned\n");
}

}  // namespace

extern "C" void __cdecl msvc_host_entry() {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  check(SUCCEEDED(com), "CoInitializeEx");
  char dir[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("TEST_MOVIE_DIR", dir, MAX_PATH);
  for (char* p = dir; p < dir + length; ++p) *p = *p == '/' ? '\\' : *p;
  if (check(length > 0 && length < MAX_PATH, "TEST_MOVIE_DIR names the test movies")) {
    for (const TestMovie& movie : kMovies) playMovie(movie, dir);
  }
  useDunmere();
  deleteThroughSlot0();
  CoUninitialize();
  print("%d failed\n", failures);
  ExitProcess(static_cast<UINT>(failures));
}
