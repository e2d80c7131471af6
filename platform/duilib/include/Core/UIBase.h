// The native window wrapper and the notification pump behind the message maps.
#pragma once

#include <windows.h>

#include "Core/UIDefine.h"
#include "Utils/Utils.h"

namespace DuiLib {

// Dispatches notifications through the class's message map chain.
class CNotifyPump {
 public:
  // Looks the notification up in the most derived map first (type and, when the entry names
  // one, control name), then along the base maps; true when a handler ran.
  bool LoopDispatch(TNotifyUI& msg);
  void NotifyPump(TNotifyUI& msg);

  DUI_DECLARE_MESSAGE_MAP()
};

// One native window. The object is bound to its HWND at WM_NCCREATE and unbound after
// WM_NCDESTROY, when OnFinalMessage runs.
class CWindowWnd {
 public:
  CWindowWnd();

  HWND GetHWND() const;
  operator HWND() const;

  bool RegisterWindowClass();
  bool RegisterSuperclass();

  HWND Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle,
              int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT,
              int cy = CW_USEDEFAULT, HMENU hMenu = NULL);

  // SW_SHOWNORMAL, SW_SHOWNOACTIVATE without focus, SW_HIDE.
  void ShowWindow(bool bShow = true, bool bTakeFocus = true);
  // Posts WM_CLOSE with the code in wParam.
  void Close(UINT nRet = IDOK);
  // On the owner, else on the work area of the window's monitor.
  void CenterWindow();
  // The icon resource, big and small.
  void SetIcon(UINT nRes);

  LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0L);
  LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0L);
  void ResizeClient(int cx = -1, int cy = -1);

 protected:
  virtual LPCTSTR GetWindowClassName() const = 0;
  // Non-NULL: the window is a superclass of that system class.
  virtual LPCTSTR GetSuperClassName() const;
  virtual UINT GetClassStyle() const;
  // Default: the class's original window procedure (DefWindowProcW).
  virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY; the HWND is gone.
  virtual void OnFinalMessage(HWND hWnd);

  static LRESULT CALLBACK __WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd;
  WNDPROC m_OldWndProc;
};

}  // namespace DuiLib
