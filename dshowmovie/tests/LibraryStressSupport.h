#pragma once
// Helpers for the long runs through the DLL: the process's handle and memory
// figures, and the same work as a
// movie's creation done with the platform's own filters only.
#include <windows.h>

#include <cstddef>
#include <string>

namespace librarytest {

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
