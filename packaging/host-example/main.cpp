// A game-side program using the installed libraries through their public
// headers and import libraries only. Every check prints one line, "ok ..." or
// "FAILED ..."; the exit status is 0 when all of them hold, 1 otherwise.
#include <windows.h>

#include <objbase.h>

#include <cstdio>

#include "Rushlight.h"
#include "Dunmere.h"
#include "tamsk_sdk.h"

namespace {

const char kMissingMovie[] = "no-such-movie.avi";
const char kMissingTamsk[] = "no-such-movie.tamsk";

int failures = 0;

void check(bool holds, const char* what) {
  std::printf("%s %s\n", holds ? "ok" : "FAILED", what);
  if (!holds) {
    ++failures;
  }
}

void useRushlight() {
  // Filled with non-zero values, so the check below sees the library clear it.
  BrelIDirectShowMovieImpl::Info info;
  info.hasVideo = true;
  info.hasSound = true;
  info.duration = 1.5f;
  info.fps = 25.0f;
  info.width = 64;
  info.height = 48;
  const bool probed = BrelIDirectShowMovieImpl::getMovieInfo(kMissingMovie, &info);
  check(!probed, "Rushlight getMovieInfo of a missing file is false");
  check(!info.hasVideo && !info.hasSound && info.duration == 0.0f && info.fps == 0.0f && info.width == 0 &&
            info.height == 0,
        "Rushlight getMovieInfo of a missing file clears the info");

  BrelIDirectShowMovieImpl* movie = BrelDirectShowInterface::createDirectShowMovie(kMissingMovie, MPF_A8R8G8B8);
  check(movie == nullptr, "Rushlight createDirectShowMovie of a missing file is null");
  BrelDirectShowInterface::deleteDirectShowMovie(movie);
  check(movie == nullptr, "Rushlight deleteDirectShowMovie of null leaves null");
}

void useTamsk() {
  QOR_HANDLE* handle = Qor_New();
  check(handle != nullptr, "tamsk_sdk Qor_New gives a handle");
  if (handle == nullptr) {
    return;
  }
  check(handle->Get_Width() == 0 && handle->Get_Height() == 0 && handle->Get_Frame_Count() == 0,
        "tamsk_sdk handle without a movie has no size and no frames");
  check(handle->Open_Path(kMissingTamsk, nullptr) == QOR_ERROR_OPEN,
        "tamsk_sdk Open_Path of a missing file is QOR_ERROR_OPEN");
  Qor_Delete(handle);
  Qor_Delete(nullptr);
  check(true, "tamsk_sdk Qor_Delete of the handle and of null return");
}

void useDunmere() {
  DUNMERE* player = Qor_Dunmere_New();
  check(player != nullptr, "Dunmere Qor_Dunmere_New gives a player");
  if (player == nullptr) {
    return;
  }
  check(player->Get_Qor_Handle() != nullptr, "Dunmere player holds a decoder handle of tamsk_sdk");
  int width = 641;
  int height = 100;
  player->Get_Resolution(width, height);
  check(width == 800 && height == 600, "Dunmere Get_Resolution snaps 641 x 100 to 800 x 600");
  width = 320;
  height = 241;
  player->Get_Resolution(width, height);
  check(width == 512 && height == 384, "Dunmere Get_Resolution snaps 320 x 241 to 512 x 384");
  check(player->GetScreenWidth() == 0 && player->GetScreenHeight() == 0, "Dunmere player has no screen yet");
  check(!player->Open_File(kMissingTamsk, nullptr), "Dunmere Open_File of a missing file is false");
  Qor_Dunmere_Delete(player);
  Qor_Dunmere_Delete(nullptr);
  check(true, "Dunmere Qor_Dunmere_Delete of the player and of null return");
}

}  // namespace

int main() {
  // The host initialises COM on its thread; Rushlight never does.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  check(SUCCEEDED(com), "COM initialised");
  useRushlight();
  useTamsk();
  useDunmere();
  if (SUCCEEDED(com)) {
    CoUninitialize();
  }
  std::printf("%d failed\n", failures);
  std::fflush(stdout);
  return failures == 0 ? 0 : 1;
}
