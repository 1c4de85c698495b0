// linkopen: asks the shell to open the document or address named on the
// command line, or the product's web address when there is none.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdint>

#include "LinkOpen.h"
#include "win32/ComApartment.h"

#ifndef LINKOPEN_DEFAULT_ADDRESS
#error "LINKOPEN_DEFAULT_ADDRESS is set by the build"
#endif
static_assert(sizeof(LINKOPEN_DEFAULT_ADDRESS) <= linkopen::kTargetCapacity,
              "the default address must fit the target buffer");

namespace {

class WindowsShell final : public linkopen::Shell {
 public:
  bool Open(const char* target) override {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result) > 32;
  }
  void ShowFailure(const char* message) override {
    MessageBoxA(nullptr, message, linkopen::kFailureCaption, MB_OK | MB_ICONERROR);
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Shell handlers may need COM on the calling thread.
  common::ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  WindowsShell shell;
  return linkopen::Run(GetCommandLineA(), LINKOPEN_DEFAULT_ADDRESS, shell);
}
