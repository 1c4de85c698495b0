#include "LibraryStressSupport.h"

#include <dshow.h>
#include <psapi.h>
#include <qedit.h>

#include <cstdio>
#include <vector>

#include "PlatformCaptureGraph.h"
#include "win32/ComPtr.h"
#include "win32/ProcessHandles.h"

namespace librarytest {

using common::ComPtr;

DWORD HandleCount() { return common::ProcessHandleCount(); }

std::size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(64);
  DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (count > heaps.size()) {
    heaps.resize(count);
    count = GetProcessHeaps(count, heaps.data());
  }
  std::size_t bytes = 0;
  for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) bytes += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(),
                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    return 0;
  }
  return counters.PrivateUsage;
}

namespace {

// The probe of a movie's creation: every stream's type, then the length and
// rate of the last one.
bool Probe(const std::wstring& name) {
  ComPtr<IMediaDet> detector;
  if (FAILED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                              detector.PutVoid()))) {
    return false;
  }
  BSTR bstr = SysAllocString(name.c_str());
  if (bstr == nullptr) return false;
  bool ok = SUCCEEDED(detector->put_Filename(bstr));
  long streams = 0;
  ok = ok && SUCCEEDED(detector->get_OutputStreams(&streams));
  for (long i = 0; ok && i < streams; ++i) {
    AM_MEDIA_TYPE type = {};
    ok = SUCCEEDED(detector->put_CurrentStream(i)) &&
         SUCCEEDED(detector->get_StreamMediaType(&type));
    if (type.cbFormat != 0) CoTaskMemFree(type.pbFormat);
    if (type.pUnk != nullptr) type.pUnk->Release();
  }
  double value = 0.0;
  detector->get_StreamLength(&value);
  detector->get_FrameRate(&value);
  SysFreeString(bstr);
  return ok;
}

}  // namespace

bool PlatformMovieCycle(const std::string& fileName, DWORD runMs) {
  const std::wstring name = Wide(fileName);
  if (!Probe(name)) return false;

  PlatformCaptureGraph capture;
  if (!BuildPlatformCaptureGraph(name, nullptr, &capture) || FAILED(capture.control->Run())) {
    return false;
  }
  Sleep(runMs);
  return SUCCEEDED(capture.control->Stop());
}

}  // namespace librarytest
