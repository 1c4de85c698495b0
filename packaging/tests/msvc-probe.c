/* A program built as MSVC builds one, with no C runtime: it takes a decoder
 * handle from tamsk_sdk.dll and frees it again through the MSVC import
 * library, and exits with 0 when the handle was made. The functions are
 * declared here as a C caller sees them: tamsk_sdk.h is a C++ header. */
typedef struct QOR_HANDLE QOR_HANDLE;

__declspec(dllimport) QOR_HANDLE* __cdecl Qor_New(void);
__declspec(dllimport) void __cdecl Qor_Delete(QOR_HANDLE* handle);
/* Without dllimport: the call goes through the import library's thunk. */
__declspec(noreturn) void __stdcall ExitProcess(unsigned int status);

void __cdecl msvc_probe_entry(void) {
  QOR_HANDLE* handle = Qor_New();
  Qor_Delete(handle);
  ExitProcess(handle != 0 ? 0 : 1);
}
