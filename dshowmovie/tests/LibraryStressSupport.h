#pragma once
// Helpers for the long runs through the DLL: a watchdog that ends a hung
// test, the process's handle and memory figures, and the same work as a
// movie's creation done with the platform's own filters only.
#include <windows.h>

#include <cstddef>
#include <string>

namespace librarytest {

// Ends the process with exit code 3 and a message when it is not destroyed
// within `seconds`: a deadlock fails the test instead of hanging the run.
class Watchdog {
 public:
  Watchdog(const char* what, DWORD seconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  static DWORD WINAPI Watch(void* self);
  std::string what_;
  DWORD milliseconds_;
  HANDLE done_;
  HANDLE thread_;
};

// Kernel handles the process holds.
DWORD HandleCount();

// Bytes in use in every heap of the process (busy blocks, by HeapWalk).
std::size_t HeapBytesInUse();

// The process's private bytes as GetProcessMemoryInfo reports them (0 when
// it cannot tell).
std::size_t PrivateBytes();

// What creation and deletion of a movie do, with the platform's filters in
// the movie's place: probe the file with the media detector, build a graph
// with the file's source connected to a Sample Grabber taking 24-bit RGB
// and a Null Renderer, run it for `runMs` milliseconds, stop and release
// everything. False when a step fails.
bool PlatformMovieCycle(const std::string& fileName, DWORD runMs);

}  // namespace librarytest
