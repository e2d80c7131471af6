#include "Core/UIBase.h"

#include "Core/UIManager.h"

namespace DuiLib {

CWindowWnd::CWindowWnd() : m_hWnd(NULL), m_OldWndProc(::DefWindowProcW) {}

HWND CWindowWnd::GetHWND() const { return m_hWnd; }

CWindowWnd::operator HWND() const { return m_hWnd; }

LPCTSTR CWindowWnd::GetSuperClassName() const { return NULL; }

UINT CWindowWnd::GetClassStyle() const { return 0; }

bool CWindowWnd::RegisterWindowClass() {
  WNDCLASSW wc = {};
  wc.style = GetClassStyle();
  wc.lpfnWndProc = CWindowWnd::__WndProc;
  wc.hInstance = CPaintManagerUI::GetInstance();
  wc.lpszClassName = GetWindowClassName();
  ATOM ret = ::RegisterClassW(&wc);
  return ret != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(WNDCLASSEXW);
  if (!::GetClassInfoExW(NULL, GetSuperClassName(), &wc) &&
      !::GetClassInfoExW(CPaintManagerUI::GetInstance(), GetSuperClassName(), &wc)) {
    return false;
  }
  m_OldWndProc = wc.lpfnWndProc;
  wc.lpfnWndProc = CWindowWnd::__WndProc;
  wc.hInstance = CPaintManagerUI::GetInstance();
  wc.lpszClassName = GetWindowClassName();
  ATOM ret = ::RegisterClassExW(&wc);
  return ret != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x,
                        int y, int cx, int cy, HMENU hMenu) {
  if (GetSuperClassName() != NULL && !RegisterSuperclass()) return NULL;
  if (GetSuperClassName() == NULL && !RegisterWindowClass()) return NULL;
  // m_hWnd is set at WM_NCCREATE, before the window's first message. Setting it again here would
  // race with threads that the creation messages already handed the window to, and would write
  // into a window object that a failed creation deleted with its final message.
  return ::CreateWindowExW(dwExStyle, GetWindowClassName(), pstrName, dwStyle, x, y, cx, cy,
                           hwndParent, hMenu, CPaintManagerUI::GetInstance(), this);
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus) {
  if (!::IsWindow(m_hWnd)) return;
  ::ShowWindow(m_hWnd, bShow ? (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

void CWindowWnd::Close(UINT nRet) {
  if (!::IsWindow(m_hWnd)) return;
  PostMessage(WM_CLOSE, static_cast<WPARAM>(nRet), 0L);
}

void CWindowWnd::CenterWindow() {
  if (!::IsWindow(m_hWnd)) return;
  RECT rcDlg = {};
  ::GetWindowRect(m_hWnd, &rcDlg);
  HWND hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd,
                                        MONITOR_DEFAULTTONEAREST),
                    &monitor);
  const RECT rcArea = monitor.rcWork;
  RECT rcCenter = rcArea;
  if (hWndCenter != NULL && !::IsIconic(hWndCenter)) ::GetWindowRect(hWndCenter, &rcCenter);
  const int width = rcDlg.right - rcDlg.left;
  const int height = rcDlg.bottom - rcDlg.top;
  int xLeft = (rcCenter.left + rcCenter.right) / 2 - width / 2;
  int yTop = (rcCenter.top + rcCenter.bottom) / 2 - height / 2;
  // Keep the window on the work area.
  if (xLeft < rcArea.left) xLeft = rcArea.left;
  else if (xLeft + width > rcArea.right) xLeft = rcArea.right - width;
  if (yTop < rcArea.top) yTop = rcArea.top;
  else if (yTop + height > rcArea.bottom) yTop = rcArea.bottom - height;
  ::SetWindowPos(m_hWnd, NULL, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT nRes) {
  HICON hIcon = static_cast<HICON>(::LoadImageW(
      CPaintManagerUI::GetResourceDll(), MAKEINTRESOURCEW(nRes), IMAGE_ICON,
      ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  ::SendMessageW(m_hWnd, WM_SETICON, static_cast<WPARAM>(ICON_BIG), reinterpret_cast<LPARAM>(hIcon));
  hIcon = static_cast<HICON>(::LoadImageW(
      CPaintManagerUI::GetResourceDll(), MAKEINTRESOURCEW(nRes), IMAGE_ICON,
      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  ::SendMessageW(m_hWnd, WM_SETICON, static_cast<WPARAM>(ICON_SMALL),
                 reinterpret_cast<LPARAM>(hIcon));
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::ResizeClient(int cx, int cy) {
  RECT rcClient = {};
  RECT rcWindow = {};
  if (!::GetClientRect(m_hWnd, &rcClient) || !::GetWindowRect(m_hWnd, &rcWindow)) return;
  const int frameX = (rcWindow.right - rcWindow.left) - (rcClient.right - rcClient.left);
  const int frameY = (rcWindow.bottom - rcWindow.top) - (rcClient.bottom - rcClient.top);
  if (cx != -1) rcClient.right = rcClient.left + cx;
  if (cy != -1) rcClient.bottom = rcClient.top + cy;
  ::SetWindowPos(m_hWnd, NULL, 0, 0, rcClient.right - rcClient.left + frameX,
                 rcClient.bottom - rcClient.top + frameY,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND hWnd) {}

LRESULT CALLBACK CWindowWnd::__WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* pThis = NULL;
  if (uMsg == WM_NCCREATE) {
    LPCREATESTRUCTW lpcs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
    pThis = static_cast<CWindowWnd*>(lpcs->lpCreateParams);
    pThis->m_hWnd = hWnd;
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
  } else {
    pThis = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (uMsg == WM_NCDESTROY && pThis != NULL) {
      LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
      ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0L);
      pThis->m_hWnd = NULL;
      pThis->OnFinalMessage(hWnd);
      return lRes;
    }
  }
  if (pThis != NULL) return pThis->HandleMessage(uMsg, wParam, lParam);
  return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace DuiLib
