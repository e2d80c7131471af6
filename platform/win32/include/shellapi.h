// Shell calls: outside addresses and the notification area.
#pragma once

#include <windows.h>


struct NOTIFYICONDATAW {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  WCHAR szTip[128];
  DWORD dwState;
  DWORD dwStateMask;
  WCHAR szInfo[256];
  UINT uTimeout;
  WCHAR szInfoTitle[64];
  DWORD dwInfoFlags;
};
typedef NOTIFYICONDATAW* PNOTIFYICONDATAW;
typedef NOTIFYICONDATAW NOTIFYICONDATA;

#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002
#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004

// Values above 32 mean success, as the shell reports them.
HINSTANCE WINAPI ShellExecuteW(HWND window, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                               LPCWSTR directory, INT show_command);
BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);
// One block holding the argument pointers and their text; free it with LocalFree.
LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR command_line, int* count);
#define ShellExecute ShellExecuteW
#define Shell_NotifyIcon Shell_NotifyIconW
