#include "Direct3DAdapterSource.h"

#include <windows.h>
#include <d3d8.h>

#include <cstdio>
#include <cstring>

#include "FatalError.h"
#include "win32/ComPtr.h"

namespace {

// The SDK version the launcher was made for (Direct3D 8.0).
constexpr UINT kSdkVersion = 120;

// mingw-w64 ships no import library for d3d8.dll, so the one entry point is
// bound at run time; the DLL stays loaded for the life of the program.
IDirect3D8* CreateDirect3D8() {
  const HMODULE d3d8 = LoadLibraryA("d3d8.dll");
  if (d3d8 == nullptr) return nullptr;
  using CreateFunction = IDirect3D8*(WINAPI*)(UINT);
  const auto create =
      reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(d3d8, "Direct3DCreate8")));
  return create != nullptr ? create(kSdkVersion) : nullptr;
}

// Shows the message, lets go of Direct3D, and ends as FatalError ends.
[[noreturn]] void FailAfterMessage(const char* text, common::ComPtr<IDirect3D8>& d3d) {
  ShowMessage(text, MB_ICONERROR);
  d3d.Reset();
  TerminateProcess(GetCurrentProcess(), 3);
  ExitProcess(3);
}

}  // namespace

std::vector<std::string> CDirect3DAdapterSource::EnumerateAdapters() {
  auto d3d = common::ComPtr<IDirect3D8>::Adopt(CreateDirect3D8());
  if (!d3d) FatalError("Failed to create the Direct3D8 interface!");

  std::vector<std::string> adapters;
  const UINT count = d3d->GetAdapterCount();
  for (UINT i = 0; i < count; ++i) {
    D3DADAPTER_IDENTIFIER8 identifier = {};
    if (FAILED(d3d->GetAdapterIdentifier(i, D3DENUM_NO_WHQL_LEVEL, &identifier))) {
      char text[80];
      std::snprintf(text, sizeof text, "Failed to obtain adapter information for adapter %u!", i);
      FailAfterMessage(text, d3d);
    }
    // The description is at most 512 bytes; it need not be terminated.
    adapters.emplace_back(identifier.Description,
                          strnlen(identifier.Description, sizeof identifier.Description));
  }
  if (adapters.empty()) FailAfterMessage("Failed to enumerate any adapters!!", d3d);
  return adapters;
}
