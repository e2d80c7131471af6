#include "desktop/desktop.h"

using namespace win32::internal;

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (owner && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  MessageBoxRequest request{owner, text ? text : L"", caption ? caption : L"Error", type};
  return TheDesktop().AskMessageBox(request);
}
