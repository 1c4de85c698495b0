#pragma once
// The player: one decoder handle and, made on demand, one window, one screen
// and one sound object, reached only through their part interfaces.
#include <windows.h>

#include "Dunmere.h"
#include "PlayerRules.h"

// The destructor is not virtual: slot 0 (Scalar_Deleting_Destructor) is how
// the interface destroys a player, for hosts of either compiler.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class DUNMERE_API DUNMERE_PRIVATE : public DUNMERE {
 public:
  // Takes a decoder handle from Qor_New (null when the decoder has none).
  DUNMERE_PRIVATE();
  // Frees the decoder handle and the part objects; parts not yet ended are
  // released by their own destructors, and a window object still holding a
  // window lets it go without destroying it.
  ~DUNMERE_PRIVATE();
  DUNMERE_PRIVATE(const DUNMERE_PRIVATE&) = delete;
  DUNMERE_PRIVATE& operator=(const DUNMERE_PRIVATE&) = delete;

  bool Open_File(void* data, unsigned int size, QOR_OVERLOAD* options) noexcept override;
  bool Open_File(const char* path, QOR_OVERLOAD* options) noexcept override;
  void Close_File() noexcept override;
  void Destroy_Handle() noexcept override;
  QOR_HANDLE* Get_Qor_Handle() noexcept override;

  bool Create_Sound(HWND window, unsigned int channels, unsigned int samplesPerSecond,
                    unsigned int bitsPerSample) noexcept override;
  void Destroy_Sound() noexcept override;
  unsigned int add_Track(unsigned int channels, unsigned int samplesPerSecond,
                         unsigned int bitsPerSample) noexcept override;
  void Lock_Sound(unsigned int bytes, void** first, unsigned long* firstBytes, void** second,
                  unsigned long* secondBytes, unsigned int track) noexcept override;
  void Unlock_Sound(void* first, unsigned long firstBytes, void* second,
                    unsigned long secondBytes, unsigned int track) noexcept override;
  void Play_Sound(unsigned int track) noexcept override;
  void Stop_Sound(unsigned int track) noexcept override;
  unsigned int Next_Sound_Frame(unsigned int bytes, unsigned int track) noexcept override;
  unsigned int Sound_Track_Count() noexcept override;

  bool Create_Screen(unsigned int width, unsigned int height, unsigned int bits, HWND window,
                     bool fullScreen) noexcept override;
  void Destroy_Screen() noexcept override;
  bool Lock_Back_Screen(void** pixels, int* pitch) noexcept override;
  void Unlock_Back_Screen(void* pixels) noexcept override;
  void Show_Back_Screen() noexcept override;
  void Clear_Back_Screen(unsigned long colour) noexcept override;
  bool Lock_Front_Screen(void** pixels, int* pitch) noexcept override;
  void Unlock_Front_Screen(void* pixels) noexcept override;
  void Clear_Front_Screen(unsigned long colour) noexcept override;
  void Set_Screen_Mode(unsigned int width, unsigned int height, unsigned int bits) noexcept override;
  void Print(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
             unsigned int colour, void* pixels) noexcept override;
  QOR_SURFACE_TYPE Get_Surface_Type() noexcept override;
  unsigned int GetScreenWidth() noexcept override;
  unsigned int GetScreenHeight() noexcept override;
  void Restore_Surface() noexcept override;

  bool Create_Window(HINSTANCE instance, const char* className, const char* title, int unused1,
                     int unused2, int width, int height) noexcept override;
  void Destroy_Window() noexcept override;
  int* Get_Key() noexcept override;
  void Center_Window() noexcept override;
  void Show_Window() noexcept override;
  HWND Get_Window() noexcept override;
  void SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept override;
  const char* Get_Last_Error() const noexcept override;
  void Get_Resolution(int& width, int& height) noexcept override;

  // Sets the last error text from the error table.
  void Set_Last_Error(int code);

#if !defined(_MSC_VER)
  // Slot 0 of the interface: the destructor, then the memory when bit 0 of
  // flags is set; returns this. Qor_Dunmere_Delete passes 1.
  DUNMERE* Scalar_Deleting_Destructor(unsigned int flags) noexcept override;
#endif

  // These two switch the logo through the screen field directly. Friends
  // rather than an accessor, which would be one more exported member.
#if defined(DUNMERE_BUILDING)
  friend DUNMERE_API void DUNMERE_CDECL setLogoOn(DUNMERE* player) noexcept;
  friend DUNMERE_API void DUNMERE_CDECL setLogoOff(DUNMERE* player) noexcept;
#endif

 private:
  // Owned: freed with Qor_Delete by Destroy_Handle or the destructor.
  QOR_HANDLE* Handle = nullptr;
  // Owned part objects, made by their factories and freed by their deleters;
  // null until the matching Create_ operation.
  QOR_WINDOWS* Window = nullptr;
  QOR_DIRECTDRAW* Screen = nullptr;
  QOR_DIRECTSOUND* Sound = nullptr;
  PLAYER_LAST_ERROR Last_Error;
  unsigned int Screen_Width = 0;
  unsigned int Screen_Height = 0;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
