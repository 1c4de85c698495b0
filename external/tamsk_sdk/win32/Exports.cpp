// The two exported functions of tamsk_sdk.dll.
#include <new>

#include "QorHandlePrivate.h"

extern "C" TAMSK_SDK_API QOR_HANDLE* TAMSK_SDK_CDECL Qor_New(void) {
  return new (std::nothrow) QOR_HANDLE_PRIVATE();
}

extern "C" TAMSK_SDK_API void TAMSK_SDK_CDECL Qor_Delete(QOR_HANDLE* handle) {
  delete static_cast<QOR_HANDLE_PRIVATE*>(handle);
}
