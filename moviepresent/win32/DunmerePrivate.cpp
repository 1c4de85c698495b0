// The player: forwards to its part objects, made on demand by their
// factories, and to the decoder handle for the three operations it uses.
#include "DunmerePrivate.h"

#include <climits>
#include <new>

#include "QorDirectDrawPrivate.h"
#include "ScreenResolution.h"
#include "TextPrinter.h"
#include "tamsk_sdk.h"

namespace {

// Print's bounds when pixels is not the screen's current lock: only the row
// length the pitch allows is known, and the caller keeps the text within the
// buffer's rows.
unsigned Pixels_Per_Pitch(int pitch, QOR_SURFACE_TYPE type) {
  const long long rowBytes = pitch < 0 ? -static_cast<long long>(pitch) : pitch;
  const long long pixelBytes = type == QOR_SURFACE_RGB32 ? 4 : 2;
  return static_cast<unsigned>(rowBytes / pixelBytes);
}

}  // namespace

DUNMERE_PRIVATE::DUNMERE_PRIVATE() : Handle(Qor_New()) {}

DUNMERE_PRIVATE::~DUNMERE_PRIVATE() {
  if (Handle != nullptr) Qor_Delete(Handle);
  Qor_DirectDraw_Delete(Screen);
  Qor_DirectSound_Delete(Sound);
  Qor_Windows_Delete(Window);
}

DUNMERE* DUNMERE_PRIVATE::Scalar_Deleting_Destructor(unsigned int flags) noexcept {
  this->~DUNMERE_PRIVATE();
  if ((flags & 1U) != 0) ::operator delete(this);
  return this;
}

// --- The decoder handle ---

bool DUNMERE_PRIVATE::Open_File(void* data, unsigned int size, QOR_OVERLOAD* options) noexcept {
  if (Handle == nullptr) return false;
  return Open_File_Result(Handle->Open_Memory(data, size, options), Last_Error);
}

bool DUNMERE_PRIVATE::Open_File(const char* path, QOR_OVERLOAD* options) noexcept {
  if (Handle == nullptr) return false;
  return Open_File_Result(Handle->Open_Path(path, options), Last_Error);
}

void DUNMERE_PRIVATE::Close_File() noexcept {
  if (Handle != nullptr) Handle->Close();
}

void DUNMERE_PRIVATE::Destroy_Handle() noexcept {
  if (Handle == nullptr) return;
  Qor_Delete(Handle);
  Handle = nullptr;
}

QOR_HANDLE* DUNMERE_PRIVATE::Get_Qor_Handle() noexcept { return Handle; }

// --- Sound ---

bool DUNMERE_PRIVATE::Create_Sound(HWND window, unsigned int channels,
                                   unsigned int samplesPerSecond, unsigned int bitsPerSample) noexcept {
  if (Sound == nullptr) Sound = Qor_DirectSound_New();
  if (Sound == nullptr) return false;
  return Sound->Init(window, channels, samplesPerSecond, bitsPerSample);
}

void DUNMERE_PRIVATE::Destroy_Sound() noexcept {
  if (Sound == nullptr) return;
  Sound->End();
  Qor_DirectSound_Delete(Sound);
  Sound = nullptr;
}

unsigned int DUNMERE_PRIVATE::add_Track(unsigned int channels, unsigned int samplesPerSecond,
                                        unsigned int bitsPerSample) noexcept {
  return Sound != nullptr ? Sound->addTrack(channels, samplesPerSecond, bitsPerSample) : 0;
}

void DUNMERE_PRIVATE::Lock_Sound(unsigned int bytes, void** first, unsigned long* firstBytes,
                                 void** second, unsigned long* secondBytes, unsigned int track) noexcept {
  if (Sound != nullptr) Sound->Lock(bytes, first, firstBytes, second, secondBytes, track);
}

void DUNMERE_PRIVATE::Unlock_Sound(void* first, unsigned long firstBytes, void* second,
                                   unsigned long secondBytes, unsigned int track) noexcept {
  if (Sound != nullptr) Sound->Unlock(first, firstBytes, second, secondBytes, track);
}

void DUNMERE_PRIVATE::Play_Sound(unsigned int track) noexcept {
  if (Sound != nullptr) Sound->Play(track);
}

void DUNMERE_PRIVATE::Stop_Sound(unsigned int track) noexcept {
  if (Sound != nullptr) Sound->Stop(track);
}

unsigned int DUNMERE_PRIVATE::Next_Sound_Frame(unsigned int bytes, unsigned int track) noexcept {
  return Sound != nullptr ? Sound->Next_Frame(bytes, track) : 0;
}

unsigned int DUNMERE_PRIVATE::Sound_Track_Count() noexcept {
  return Sound != nullptr ? Sound->Track_Count() : 0;
}

// --- Screen ---

bool DUNMERE_PRIVATE::Create_Screen(unsigned int width, unsigned int height, unsigned int bits,
                                    HWND window, bool fullScreen) noexcept {
  if (Screen == nullptr) Screen = Qor_DirectDraw_New();
  if (Screen == nullptr) return false;
  // Snapped through the virtual slot, so that a derived player's own rule
  // applies; the snapped size stays recorded whatever Init says.
  int snappedWidth = Requested_Screen_Size(width);
  int snappedHeight = Requested_Screen_Size(height);
  Get_Resolution(snappedWidth, snappedHeight);
  Screen_Width = static_cast<unsigned>(snappedWidth);
  Screen_Height = static_cast<unsigned>(snappedHeight);
  return Screen->Init(Screen_Width, Screen_Height, bits, window, fullScreen);
}

void DUNMERE_PRIVATE::Destroy_Screen() noexcept {
  if (Screen == nullptr) return;
  Screen->End();
  Qor_DirectDraw_Delete(Screen);
  Screen = nullptr;
}

bool DUNMERE_PRIVATE::Lock_Back_Screen(void** pixels, int* pitch) noexcept {
  return Screen != nullptr && Screen->Lock_Backbuffer(pixels, pitch);
}

void DUNMERE_PRIVATE::Unlock_Back_Screen(void* pixels) noexcept {
  if (Screen != nullptr) Screen->Unlock_Backbuffer(pixels);
}

void DUNMERE_PRIVATE::Show_Back_Screen() noexcept {
  if (Screen != nullptr) Screen->Flip_Surface();
}

void DUNMERE_PRIVATE::Clear_Back_Screen(unsigned long colour) noexcept {
  if (Screen != nullptr) Screen->Clear_Backbuffer(static_cast<unsigned int>(colour));
}

bool DUNMERE_PRIVATE::Lock_Front_Screen(void** pixels, int* pitch) noexcept {
  return Screen != nullptr && Screen->Lock_Frontbuffer(pixels, pitch);
}

void DUNMERE_PRIVATE::Unlock_Front_Screen(void* pixels) noexcept {
  if (Screen != nullptr) Screen->Unlock_Frontbuffer(pixels);
}

void DUNMERE_PRIVATE::Clear_Front_Screen(unsigned long colour) noexcept {
  if (Screen != nullptr) Screen->Clear_Frontbuffer(static_cast<unsigned int>(colour));
}

void DUNMERE_PRIVATE::Set_Screen_Mode(unsigned int width, unsigned int height, unsigned int bits) noexcept {
  if (Screen != nullptr) Screen->Set_Video_Mode(width, height, bits);
}

void DUNMERE_PRIVATE::Print(const char* text, int x, int y, int pitch, QOR_SURFACE_TYPE type,
                            unsigned int colour, void* pixels) noexcept {
  // Screen objects come only from Qor_DirectDraw_New, so the cast is exact.
  // Into the screen's locked memory nothing is written outside the surface,
  // whatever pitch the caller gives: each row is bounded by the lock's own.
  const auto* screen = static_cast<const QOR_DIRECTDRAW_PRIVATE*>(Screen);
  if (screen != nullptr && screen->Locked_Bits != nullptr && pixels == screen->Locked_Bits) {
    Print_Text_Into_Lock(text, x, y, pitch, type, colour, pixels, screen->Locked_Width,
                         screen->Locked_Height, screen->Locked_Pitch);
    return;
  }
  Print_Text(text, x, y, pitch, type, colour, pixels, Pixels_Per_Pitch(pitch, type),
             static_cast<unsigned>(INT_MAX));
}

QOR_SURFACE_TYPE DUNMERE_PRIVATE::Get_Surface_Type() noexcept {
  if (Screen == nullptr) return Surface_Type_For(false, 0, 0);
  return Surface_Type_For(true, Screen->Get_Bits_Count(), Screen->Get_Bits_Mask());
}

unsigned int DUNMERE_PRIVATE::GetScreenWidth() noexcept { return Screen_Width; }

unsigned int DUNMERE_PRIVATE::GetScreenHeight() noexcept { return Screen_Height; }

void DUNMERE_PRIVATE::Restore_Surface() noexcept {
  if (Screen != nullptr) Screen->Restore_Surface();
}

// --- Window ---

bool DUNMERE_PRIVATE::Create_Window(HINSTANCE instance, const char* className, const char* title,
                                    int unused1, int unused2, int width, int height) noexcept {
  if (Window == nullptr) Window = Qor_Windows_New();
  if (Window == nullptr) return false;
  if (!Window->Create(instance, className, title, unused1, unused2, width, height)) return false;
  Window->Show();
  return true;
}

void DUNMERE_PRIVATE::Destroy_Window() noexcept {
  if (Window == nullptr) return;
  Window->Destroy();
  Qor_Windows_Delete(Window);
  Window = nullptr;
}

int* DUNMERE_PRIVATE::Get_Key() noexcept { return Window != nullptr ? Window->GetKey() : nullptr; }

void DUNMERE_PRIVATE::Center_Window() noexcept {
  if (Window != nullptr) Window->Center();
}

void DUNMERE_PRIVATE::Show_Window() noexcept {
  if (Window != nullptr) Window->Show();
}

HWND DUNMERE_PRIVATE::Get_Window() noexcept { return Window != nullptr ? Window->GetWindow() : nullptr; }

void DUNMERE_PRIVATE::SetMsgCallback(QOR_MSG_CALLBACK callback) noexcept {
  if (Window != nullptr) Window->SetMsgCallback(callback);
}

// --- Errors and sizes ---

const char* DUNMERE_PRIVATE::Get_Last_Error() const noexcept { return Last_Error.Get_Last_Error(); }

void DUNMERE_PRIVATE::Get_Resolution(int& width, int& height) noexcept { ::Get_Resolution(width, height); }

void DUNMERE_PRIVATE::Set_Last_Error(int code) { Last_Error.Set_Last_Error(code); }

// --- Exported free functions ---

DUNMERE* Qor_Dunmere_New() noexcept { return new (std::nothrow) DUNMERE_PRIVATE(); }

void Qor_Dunmere_Delete(DUNMERE* player) noexcept {
  // Slot 0 with bit 0 set: destroy and free, as delete on a player does in a
  // host built with MSVC. Only players of Qor_Dunmere_New come here.
  if (player != nullptr) static_cast<DUNMERE_PRIVATE*>(player)->Scalar_Deleting_Destructor(1);
}

void setLogoOn(DUNMERE* player) noexcept {
  // Players come only from Qor_Dunmere_New.
  auto* privatePlayer = static_cast<DUNMERE_PRIVATE*>(player);
  if (privatePlayer != nullptr && privatePlayer->Screen != nullptr) privatePlayer->Screen->setLogoOn();
}

void setLogoOff(DUNMERE* player) noexcept {
  auto* privatePlayer = static_cast<DUNMERE_PRIVATE*>(player);
  if (privatePlayer != nullptr && privatePlayer->Screen != nullptr) privatePlayer->Screen->setLogoOff();
}
