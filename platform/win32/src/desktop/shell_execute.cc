#include <shellapi.h>

#include "desktop/desktop.h"

using namespace win32::internal;

HINSTANCE WINAPI ShellExecuteW(HWND window, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                               LPCWSTR directory, INT show_command) {
  if (!file) return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(2));  // SE_ERR_FNF
  ShellRequest request{window,
                       operation ? operation : L"",
                       file,
                       parameters ? parameters : L"",
                       directory ? directory : L"",
                       show_command};
  return TheDesktop().OpenWithShell(request);
}
