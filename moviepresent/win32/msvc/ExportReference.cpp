// Every entry a host may call in Dunmere.dll, each referenced by a function of
// its own (ref_*): the ten free functions and the public members of the four
// exported classes, called non-virtually so that each names its entry.
// Compiled once in MSVC's C++ ABI and once in GCC's, the two objects name the
// same entry in each ref_ function; tools/msvc-exports.py turns the pairs
// into the DLL's MSVC-named exports. Not part of the DLL.
//
// The constructors of the part classes are left out: a host gets the objects
// from the factories, and builds them in no memory of its own, whose size
// its compiler's standard library could make differ from the library's.
#include "DunmerePrivate.h"
#include "QorDirectDrawPrivate.h"
#include "QorDirectSoundPrivate.h"
#include "QorWindowsPrivate.h"

// ref_CLASS_NAME(p): calls CLASS::CALL on p without virtual dispatch.
#define REF(Class, name, call) \
  extern "C" void ref_##Class##_##name(Class* p) { (void)p->Class::call; }
#define REF_DESTRUCTOR(Class) \
  extern "C" void ref_##Class##_destructor(Class* p) { p->Class::~Class(); }

extern "C" {
void ref_Qor_Dunmere_New() { Qor_Dunmere_New(); }
void ref_Qor_Dunmere_Delete(DUNMERE* p) { Qor_Dunmere_Delete(p); }
void ref_Qor_DirectDraw_New() { Qor_DirectDraw_New(); }
void ref_Qor_DirectDraw_Delete(QOR_DIRECTDRAW* p) { Qor_DirectDraw_Delete(p); }
void ref_Qor_DirectSound_New() { Qor_DirectSound_New(); }
void ref_Qor_DirectSound_Delete(QOR_DIRECTSOUND* p) { Qor_DirectSound_Delete(p); }
void ref_Qor_Windows_New() { Qor_Windows_New(); }
void ref_Qor_Windows_Delete(QOR_WINDOWS* p) { Qor_Windows_Delete(p); }
void ref_setLogoOn(DUNMERE* p) { setLogoOn(p); }
void ref_setLogoOff(DUNMERE* p) { setLogoOff(p); }
}

REF_DESTRUCTOR(DUNMERE_PRIVATE)
REF(DUNMERE_PRIVATE, Open_File_memory, Open_File(static_cast<void*>(nullptr), 0U, nullptr))
REF(DUNMERE_PRIVATE, Open_File_path, Open_File(static_cast<const char*>(nullptr), nullptr))
REF(DUNMERE_PRIVATE, Close_File, Close_File())
REF(DUNMERE_PRIVATE, Destroy_Handle, Destroy_Handle())
REF(DUNMERE_PRIVATE, Get_Qor_Handle, Get_Qor_Handle())
REF(DUNMERE_PRIVATE, Create_Sound, Create_Sound(nullptr, 0U, 0U, 0U))
REF(DUNMERE_PRIVATE, Destroy_Sound, Destroy_Sound())
REF(DUNMERE_PRIVATE, add_Track, add_Track(0U, 0U, 0U))
REF(DUNMERE_PRIVATE, Lock_Sound, Lock_Sound(0U, nullptr, nullptr, nullptr, nullptr, 0U))
REF(DUNMERE_PRIVATE, Unlock_Sound, Unlock_Sound(nullptr, 0UL, nullptr, 0UL, 0U))
REF(DUNMERE_PRIVATE, Play_Sound, Play_Sound(0U))
REF(DUNMERE_PRIVATE, Stop_Sound, Stop_Sound(0U))
REF(DUNMERE_PRIVATE, Next_Sound_Frame, Next_Sound_Frame(0U, 0U))
REF(DUNMERE_PRIVATE, Sound_Track_Count, Sound_Track_Count())
REF(DUNMERE_PRIVATE, Create_Screen, Create_Screen(0U, 0U, 0U, nullptr, false))
REF(DUNMERE_PRIVATE, Destroy_Screen, Destroy_Screen())
REF(DUNMERE_PRIVATE, Lock_Back_Screen, Lock_Back_Screen(nullptr, nullptr))
REF(DUNMERE_PRIVATE, Unlock_Back_Screen, Unlock_Back_Screen(nullptr))
REF(DUNMERE_PRIVATE, Show_Back_Screen, Show_Back_Screen())
REF(DUNMERE_PRIVATE, Clear_Back_Screen, Clear_Back_Screen(0UL))
REF(DUNMERE_PRIVATE, Lock_Front_Screen, Lock_Front_Screen(nullptr, nullptr))
REF(DUNMERE_PRIVATE, Unlock_Front_Screen, Unlock_Front_Screen(nullptr))
REF(DUNMERE_PRIVATE, Clear_Front_Screen, Clear_Front_Screen(0UL))
REF(DUNMERE_PRIVATE, Set_Screen_Mode, Set_Screen_Mode(0U, 0U, 0U))
REF(DUNMERE_PRIVATE, Print, Print(nullptr, 0, 0, 0, QOR_SURFACE_NONE, 0U, nullptr))
REF(DUNMERE_PRIVATE, Get_Surface_Type, Get_Surface_Type())
REF(DUNMERE_PRIVATE, GetScreenWidth, GetScreenWidth())
REF(DUNMERE_PRIVATE, GetScreenHeight, GetScreenHeight())
REF(DUNMERE_PRIVATE, Restore_Surface, Restore_Surface())
REF(DUNMERE_PRIVATE, Create_Window, Create_Window(nullptr, nullptr, nullptr, 0, 0, 0, 0))
REF(DUNMERE_PRIVATE, Destroy_Window, Destroy_Window())
REF(DUNMERE_PRIVATE, Get_Key, Get_Key())
REF(DUNMERE_PRIVATE, Center_Window, Center_Window())
REF(DUNMERE_PRIVATE, Show_Window, Show_Window())
REF(DUNMERE_PRIVATE, Get_Window, Get_Window())
REF(DUNMERE_PRIVATE, SetMsgCallback, SetMsgCallback(nullptr))
REF(DUNMERE_PRIVATE, Get_Last_Error, Get_Last_Error())
extern "C" void ref_DUNMERE_PRIVATE_Get_Resolution(DUNMERE_PRIVATE* p, int* w, int* h) {
  p->DUNMERE_PRIVATE::Get_Resolution(*w, *h);
}
REF(DUNMERE_PRIVATE, Set_Last_Error, Set_Last_Error(0))

REF_DESTRUCTOR(QOR_WINDOWS_PRIVATE)
REF(QOR_WINDOWS_PRIVATE, Create, Create(nullptr, nullptr, nullptr, 0, 0, 0, 0))
REF(QOR_WINDOWS_PRIVATE, Destroy, Destroy())
REF(QOR_WINDOWS_PRIVATE, Center, Center())
REF(QOR_WINDOWS_PRIVATE, SetMode, SetMode())
REF(QOR_WINDOWS_PRIVATE, Show, Show())
REF(QOR_WINDOWS_PRIVATE, GetKey, GetKey())
REF(QOR_WINDOWS_PRIVATE, GetWindow, GetWindow())
REF(QOR_WINDOWS_PRIVATE, SetMsgCallback, SetMsgCallback(nullptr))

REF_DESTRUCTOR(QOR_DIRECTDRAW_PRIVATE)
REF(QOR_DIRECTDRAW_PRIVATE, Init, Init(0U, 0U, 0U, nullptr, false))
REF(QOR_DIRECTDRAW_PRIVATE, End, End())
REF(QOR_DIRECTDRAW_PRIVATE, Lock_Frontbuffer, Lock_Frontbuffer(nullptr, nullptr))
REF(QOR_DIRECTDRAW_PRIVATE, Unlock_Frontbuffer, Unlock_Frontbuffer(nullptr))
REF(QOR_DIRECTDRAW_PRIVATE, Clear_Frontbuffer, Clear_Frontbuffer(0U))
REF(QOR_DIRECTDRAW_PRIVATE, Lock_Backbuffer, Lock_Backbuffer(nullptr, nullptr))
REF(QOR_DIRECTDRAW_PRIVATE, Unlock_Backbuffer, Unlock_Backbuffer(nullptr))
REF(QOR_DIRECTDRAW_PRIVATE, Clear_Backbuffer, Clear_Backbuffer(0U))
REF(QOR_DIRECTDRAW_PRIVATE, Set_Video_Mode, Set_Video_Mode(0U, 0U, 0U))
REF(QOR_DIRECTDRAW_PRIVATE, Flip_Surface, Flip_Surface())
REF(QOR_DIRECTDRAW_PRIVATE, Get_Bits_Count, Get_Bits_Count())
REF(QOR_DIRECTDRAW_PRIVATE, Get_Bits_Mask, Get_Bits_Mask())
REF(QOR_DIRECTDRAW_PRIVATE, Restore_Surface, Restore_Surface())
REF(QOR_DIRECTDRAW_PRIVATE, setLogoOn, setLogoOn())
REF(QOR_DIRECTDRAW_PRIVATE, setLogoOff, setLogoOff())
REF(QOR_DIRECTDRAW_PRIVATE, Get_Pixel_Format, Get_Pixel_Format())

REF_DESTRUCTOR(QOR_DIRECTSOUND_PRIVATE)
REF(QOR_DIRECTSOUND_PRIVATE, Init, Init(nullptr, 0U, 0U, 0U))
REF(QOR_DIRECTSOUND_PRIVATE, End, End())
REF(QOR_DIRECTSOUND_PRIVATE, addTrack, addTrack(0U, 0U, 0U))
REF(QOR_DIRECTSOUND_PRIVATE, Lock, Lock(0U, nullptr, nullptr, nullptr, nullptr, 0U))
REF(QOR_DIRECTSOUND_PRIVATE, Unlock, Unlock(nullptr, 0UL, nullptr, 0UL, 0U))
REF(QOR_DIRECTSOUND_PRIVATE, Play, Play(0U))
REF(QOR_DIRECTSOUND_PRIVATE, Stop, Stop(0U))
REF(QOR_DIRECTSOUND_PRIVATE, Next_Frame, Next_Frame(0U, 0U))
REF(QOR_DIRECTSOUND_PRIVATE, Track_Count, Track_Count())
