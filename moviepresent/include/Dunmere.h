#pragma once
// Dunmere, the movie presentation library, as a game uses it: one player
// object (DUNMERE) that owns a pop-up window with a key table, a DirectDraw
// screen whose buffers the game locks and fills, DirectSound tracks the game
// streams sound into, text printing with a built-in 8 x 8 font and a logo
// overlay. Movies of the tamsk family are decoded by the game itself through
// the decoder handle the player hands out (tamsk_sdk.h).
//
// Order of calls: Qor_Dunmere_New, Create_Window, Create_Screen (with
// Get_Window), Create_Sound, Open_File; per frame decode through
// Get_Qor_Handle, Lock_Back_Screen, write, Print, Unlock_Back_Screen,
// Show_Back_Screen, Lock_Sound / Unlock_Sound / Next_Sound_Frame, Get_Key;
// then Close_File, Destroy_Sound, Destroy_Screen, Destroy_Window,
// Qor_Dunmere_Delete. Everything runs on the thread that created the window.
//
// The virtual table is one binary layout for hosts of both compilers: slot 0
// is a destructor with the semantics of MSVC's scalar deleting destructor,
// then the 38 operations in the order below, Open_File from memory in slot 1
// and from a path in slot 2. GCC and MSVC lay out a virtual destructor and
// overloads differently, so the two compilers see two spellings of that one
// layout (the _MSC_VER blocks). A host frees the player with
// Qor_Dunmere_Delete, never with delete.
#include <windows.h>

#include "DunmereApi.h"
#include "QorDirectDraw.h"
#include "QorDirectSound.h"
#include "QorSurfaceType.h"
#include "QorWindows.h"

class QOR_HANDLE;     // the decoder's handle (tamsk_sdk.h)
struct QOR_OVERLOAD;  // the decoder's open options (tamsk_sdk.h), passed through unread

// The player. Pure virtual operations; their order is the exported virtual
// table and must not change. Forwarding operations do nothing (and give
// false, 0 or null) while their part object does not exist.
class DUNMERE {
#if defined(_MSC_VER)
 protected:
  // MSVC gives a virtual destructor one slot, its scalar deleting destructor.
  virtual ~DUNMERE() = default;

 public:
  // Opens a movie held in memory / a movie file through the decoder handle.
  // False without a handle (the last error stays) or when the decoder
  // refuses (its result code goes to the last error). MSVC places overloads
  // in reverse order of declaration: from memory in slot 1, from a path in 2.
  virtual bool Open_File(const char* path, QOR_OVERLOAD* options) noexcept = 0;
  virtual bool Open_File(void* data, unsigned int size, QOR_OVERLOAD* options) noexcept = 0;
#else
 protected:
  // Slot 0 as MSVC's scalar deleting destructor: runs the destructor, frees
  // the memory when bit 0 of flags is set, and returns this. GCC would give a
  // virtual destructor two slots, so the interface declares this instead.
  virtual DUNMERE* Scalar_Deleting_Destructor(unsigned int flags) noexcept = 0;
  ~DUNMERE() = default;

 public:
  // Opens a movie held in memory / a movie file through the decoder handle.
  // False without a handle (the last error stays) or when the decoder
  // refuses (its result code goes to the last error).
  virtual bool Open_File(void* data, unsigned int size, QOR_OVERLOAD* options) noexcept = 0;
  virtual bool Open_File(const char* path, QOR_OVERLOAD* options) noexcept = 0;
#endif
  virtual void Close_File() noexcept = 0;
  // Frees the decoder handle for good; no later open can succeed.
  virtual void Destroy_Handle() noexcept = 0;
  // The decoder handle (owned by the player), or null.
  virtual QOR_HANDLE* Get_Qor_Handle() noexcept = 0;

  // Makes the sound object on first use and (re)initialises it with track 0.
  // False when track 0 cannot be made although the device could: the device
  // then stays, and add_Track can still make tracks.
  virtual bool Create_Sound(HWND window, unsigned int channels, unsigned int samplesPerSecond,
                            unsigned int bitsPerSample) noexcept = 0;
  virtual void Destroy_Sound() noexcept = 0;
  // Adds a streamed track and returns the size of its buffer in bytes (one
  // second of sound), or 0 when it cannot be made. Its number is the track
  // count before the call.
  virtual unsigned int add_Track(unsigned int channels, unsigned int samplesPerSecond,
                                 unsigned int bitsPerSample) noexcept = 0;
  // Locks the next bytes of a track's ring for writing (two parts when it wraps).
  virtual void Lock_Sound(unsigned int bytes, void** first, unsigned long* firstBytes,
                          void** second, unsigned long* secondBytes, unsigned int track) noexcept = 0;
  virtual void Unlock_Sound(void* first, unsigned long firstBytes, void* second,
                            unsigned long secondBytes, unsigned int track) noexcept = 0;
  virtual void Play_Sound(unsigned int track) noexcept = 0;
  virtual void Stop_Sound(unsigned int track) noexcept = 0;
  // Moves a track's write position on by bytes; playback starts on the third frame.
  virtual unsigned int Next_Sound_Frame(unsigned int bytes, unsigned int track) noexcept = 0;
  virtual unsigned int Sound_Track_Count() noexcept = 0;

  // Makes the screen object on first use and initialises it at the size
  // snapped by Get_Resolution, which stays recorded even when Init fails.
  virtual bool Create_Screen(unsigned int width, unsigned int height, unsigned int bits,
                             HWND window, bool fullScreen) noexcept = 0;
  virtual void Destroy_Screen() noexcept = 0;
  // Locks: pixel (0, 0) and bytes per row; the memory is valid until the unlock.
  virtual bool Lock_Back_Screen(void** pixels, int* pitch) noexcept = 0;
  // Unlocks (composing the logo while it is on); pixels is what the lock gave.
  virtual void Unlock_Back_Screen(void* pixels) noexcept = 0;
  // Flips (full screen) or blits into the window's client area (windowed).
  virtual void Show_Back_Screen() noexcept = 0;
  virtual void Clear_Back_Screen(unsigned long colour) noexcept = 0;
  virtual bool Lock_Front_Screen(void** pixels, int* pitch) noexcept = 0;
  virtual void Unlock_Front_Screen(void* pixels) noexcept = 0;
  virtual void Clear_Front_Screen(unsigned long colour) noexcept = 0;
  // Changes the display mode in full screen; the recorded size stays.
  virtual void Set_Screen_Mode(unsigned int width, unsigned int height, unsigned int bits) noexcept = 0;
  // Draws text with the 8 x 8 font into locked pixel memory; needs no screen.
  // When pixels is the memory of the screen's current lock, nothing is
  // written outside that surface, whatever pitch, x and y are given (rows
  // step by the pitch given; what falls outside the lock's rows is dropped);
  // otherwise the text is clipped only at the
  // top, the left and the end of a row, and the caller keeps it inside.
  virtual void Print(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                     unsigned int colour, void* pixels) noexcept = 0;
  // QOR_SURFACE_NONE without a screen, else the screen's layout.
  virtual QOR_SURFACE_TYPE Get_Surface_Type() noexcept = 0;
  virtual unsigned int GetScreenWidth() noexcept = 0;
  virtual unsigned int GetScreenHeight() noexcept = 0;
  virtual void Restore_Surface() noexcept = 0;

  // Makes the window object on first use, creates the window and shows it.
  // The two middle integers are passed on and not used.
  virtual bool Create_Window(HINSTANCE instance, const char* className, const char* title,
                             int unused1, int unused2, int width, int height) noexcept = 0;
  virtual void Destroy_Window() noexcept = 0;
  // The key table: 256 ints, 1 while the key of that virtual-key code is down.
  virtual int* Get_Key() noexcept = 0;
  virtual void Center_Window() noexcept = 0;
  virtual void Show_Window() noexcept = 0;
  virtual HWND Get_Window() noexcept = 0;
  // The window's callback for messages it does not handle itself; dropped
  // when there is no window yet.
  virtual void SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept = 0;
  // "Failed to open the file !" or "Unknown error !"; owned by the library.
  virtual const char* Get_Last_Error() const noexcept = 0;
  // Snaps a size in place to 320x240, 512x384, 640x480, 800x600, 1024x768,
  // 1280x1024 or 1600x1200 (the first that holds both values).
  virtual void Get_Resolution(int& width, int& height) noexcept = 0;

 protected:
  DUNMERE() = default;
  DUNMERE(const DUNMERE&) = default;
  DUNMERE& operator=(const DUNMERE&) = default;
};

// A new player holding a fresh decoder handle; null when memory is short.
DUNMERE_API DUNMERE* DUNMERE_CDECL Qor_Dunmere_New() noexcept;
// Deletes a player (null is ignored). Call Destroy_Sound, Destroy_Screen and
// Destroy_Window first so that the display mode and devices are given back.
DUNMERE_API void DUNMERE_CDECL Qor_Dunmere_Delete(DUNMERE* player) noexcept;

// Switch the logo overlay of the player's screen; a null player or one
// without a screen is ignored. Create_Screen always starts with the logo off.
DUNMERE_API void DUNMERE_CDECL setLogoOn(DUNMERE* player) noexcept;
DUNMERE_API void DUNMERE_CDECL setLogoOff(DUNMERE* player) noexcept;
