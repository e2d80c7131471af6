#include "wnd_ui.h"

using namespace DuiLib;

CWndUI::CWndUI() : m_hHostedWnd(NULL) {}

CWndUI::~CWndUI() {}

void CWndUI::SetPos(RECT rc, bool bNeedInvalidate) {
  CContainerUI::SetPos(rc, bNeedInvalidate);
  UpdateWindowPos();
}

void CWndUI::SetVisible(bool bVisible) {
  CContainerUI::SetVisible(bVisible);
  ShowHostedWindow();
  UpdateWindowPos();
}

void CWndUI::SetInternVisible(bool bVisible) {
  CContainerUI::SetInternVisible(bVisible);
  ShowHostedWindow();
  UpdateWindowPos();
}

BOOL CWndUI::Attach(HWND hWndNew) {
  if (!IsWindow(hWndNew))
    return FALSE;
  m_hHostedWnd = hWndNew;
  UpdateWindowPos();
  return TRUE;
}

void CWndUI::UpdateWindowPos() {
  if (m_hHostedWnd == NULL || m_pManager == NULL || IsZoomed(m_hHostedWnd))
    return;
  LONG style = GetWindowLongW(m_hHostedWnd, GWL_STYLE);
  HWND hPaintWnd = m_pManager->GetPaintWindow();
  const RECT& rc = GetPos();
  POINT pt = {rc.left, rc.top};
  // A popup is placed in screen coordinates, a child in its parent's client area.
  if ((style & WS_CHILD) == 0)
    ClientToScreen(hPaintWnd, &pt);
  UINT flags = SWP_NOACTIVATE | SWP_NOZORDER |
               (IsWindowVisible(hPaintWnd) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  SetWindowPos(m_hHostedWnd, NULL, pt.x, pt.y, rc.right - rc.left, rc.bottom - rc.top, flags);
}

void CWndUI::ShowHostedWindow() { ShowWindow(m_hHostedWnd, IsVisible() ? SW_SHOWNORMAL : SW_HIDE); }
