#include "AnsiName.h"

namespace rushlight {
namespace {

HRESULT LastErrorResult() {
  const HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
  return FAILED(hr) ? hr : E_FAIL;
}

}  // namespace

HRESULT AnsiToWide(const char* name, WCHAR* wide, int wideChars) {
  if (MultiByteToWideChar(CP_ACP, 0, name, -1, wide, wideChars) == 0) return LastErrorResult();
  return S_OK;
}

HRESULT AnsiToBstr(const char* name, UniqueBstr* text) {
  // The length with the terminator, then the characters into a BSTR one
  // shorter (a BSTR keeps its own terminator).
  const int chars = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
  if (chars <= 0) return LastErrorResult();
  UniqueBstr converted(SysAllocStringLen(nullptr, static_cast<UINT>(chars - 1)));
  if (!converted) return E_OUTOFMEMORY;
  if (MultiByteToWideChar(CP_ACP, 0, name, -1, converted.get(), chars) == 0) {
    return LastErrorResult();
  }
  *text = std::move(converted);
  return S_OK;
}

}  // namespace rushlight
