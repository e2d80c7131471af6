#include "Utils/WinImplBase.h"

#include "Core/UIControl.h"

namespace DuiLib {

DUI_BASE_BEGIN_MESSAGE_MAP(WindowImplBase)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, WindowImplBase::OnClick)
DUI_END_MESSAGE_MAP()

UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT lRes = 0;
  BOOL bHandled = TRUE;
  switch (uMsg) {
    case WM_CREATE: lRes = OnCreate(uMsg, wParam, lParam, bHandled); break;
    case WM_CLOSE: lRes = OnClose(uMsg, wParam, lParam, bHandled); break;
    case WM_DESTROY: lRes = OnDestroy(uMsg, wParam, lParam, bHandled); break;
    case WM_NCACTIVATE: lRes = OnNcActivate(uMsg, wParam, lParam, bHandled); break;
    case WM_NCCALCSIZE: lRes = OnNcCalcSize(uMsg, wParam, lParam, bHandled); break;
    case WM_NCPAINT: lRes = OnNcPaint(uMsg, wParam, lParam, bHandled); break;
    case WM_NCHITTEST: lRes = OnNcHitTest(uMsg, wParam, lParam, bHandled); break;
    case WM_GETMINMAXINFO: lRes = OnGetMinMaxInfo(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEWHEEL: lRes = OnMouseWheel(uMsg, wParam, lParam, bHandled); break;
    case WM_SIZE: lRes = OnSize(uMsg, wParam, lParam, bHandled); break;
    case WM_CHAR: lRes = OnChar(uMsg, wParam, lParam, bHandled); break;
    case WM_SYSCOMMAND: lRes = OnSysCommand(uMsg, wParam, lParam, bHandled); break;
    case WM_KEYDOWN: lRes = OnKeyDown(uMsg, wParam, lParam, bHandled); break;
    case WM_KILLFOCUS: lRes = OnKillFocus(uMsg, wParam, lParam, bHandled); break;
    case WM_SETFOCUS: lRes = OnSetFocus(uMsg, wParam, lParam, bHandled); break;
    case WM_LBUTTONUP: lRes = OnLButtonUp(uMsg, wParam, lParam, bHandled); break;
    case WM_LBUTTONDOWN: lRes = OnLButtonDown(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEMOVE: lRes = OnMouseMove(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEHOVER: lRes = OnMouseHover(uMsg, wParam, lParam, bHandled); break;
    default: bHandled = FALSE; break;
  }
  if (bHandled) return lRes;

  lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
  if (bHandled) return lRes;

  if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void WindowImplBase::OnFinalMessage(HWND hWnd) {
  m_PaintManager.RemovePreMessageFilter(this);
  m_PaintManager.RemoveNotifier(this);
  m_PaintManager.ReapObjects(m_PaintManager.GetRoot());
}

void WindowImplBase::OnClick(TNotifyUI& msg) {
  if (msg.pSender == NULL) return;
  const CDuiString name = msg.pSender->GetName();
  if (name == _T("closebtn")) Close();
  else if (name == _T("minbtn")) SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  else if (name == _T("maxbtn")) SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  else if (name == _T("restorebtn")) SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
}

BOOL WindowImplBase::IsInStaticControl(CControlUI* pControl) {
  static const LPCTSTR kStaticClasses[] = {_T("ControlUI"), _T("LabelUI"), _T("ContainerUI"),
                                           _T("HorizontalLayoutUI"), _T("VerticalLayoutUI")};
  if (pControl == NULL) return FALSE;
  for (CControlUI* pItem = pControl; pItem != NULL; pItem = pItem->GetParent()) {
    bool isStatic = false;
    for (LPCTSTR pClass : kStaticClasses) {
      if (CDuiString(pItem->GetClass()).CompareNoCase(pClass) == 0) isStatic = true;
    }
    if (!isStatic) return FALSE;
  }
  return TRUE;
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM wParam) {
  if (wParam == VK_RETURN) return FALSE;
  if (wParam == VK_ESCAPE) return TRUE;
  return FALSE;
}

LRESULT WindowImplBase::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  if (::IsIconic(m_hWnd)) bHandled = FALSE;
  return wParam == 0 ? TRUE : FALSE;
}

// The whole window is client area: the skin draws its own frame.
LRESULT WindowImplBase::OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  return 0;
}

LRESULT WindowImplBase::OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ScreenToClient(m_hWnd, &pt);
  RECT rcClient = {};
  ::GetClientRect(m_hWnd, &rcClient);

  if (!::IsZoomed(m_hWnd)) {
    const RECT& rcSizeBox = m_PaintManager.GetSizeBox();
    const bool left = pt.x < rcClient.left + rcSizeBox.left;
    const bool right = pt.x >= rcClient.right - rcSizeBox.right;
    if (pt.y < rcClient.top + rcSizeBox.top) {
      return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    }
    if (pt.y >= rcClient.bottom - rcSizeBox.bottom) {
      return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    }
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
  }

  const RECT& rcCaption = m_PaintManager.GetCaptionRect();
  m_PaintManager.UpdateLayout();
  if (pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right &&
      pt.y >= rcCaption.top && pt.y < rcCaption.bottom) {
    CControlUI* pControl = m_PaintManager.FindControl(pt);
    if (pControl != NULL && IsInStaticControl(pControl)) return HTCAPTION;
  }
  return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam,
                                        BOOL& bHandled) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT rcWork = monitor.rcWork;
  LPMINMAXINFO lpMMI = reinterpret_cast<LPMINMAXINFO>(lParam);
  lpMMI->ptMaxPosition.x = rcWork.left;
  lpMMI->ptMaxPosition.y = rcWork.top;
  lpMMI->ptMaxSize.x = rcWork.right - rcWork.left;
  lpMMI->ptMaxSize.y = rcWork.bottom - rcWork.top;
  lpMMI->ptMaxTrackSize.x = rcWork.right - rcWork.left;
  lpMMI->ptMaxTrackSize.y = rcWork.bottom - rcWork.top;
  lpMMI->ptMinTrackSize.x = m_PaintManager.GetMinInfo().cx;
  lpMMI->ptMinTrackSize.y = m_PaintManager.GetMinInfo().cy;
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

// Round corners are cut when the window is painted.
LRESULT WindowImplBase::OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  ::SetWindowLongW(m_hWnd, GWL_STYLE, GetStyle() | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  m_PaintManager.Init(m_hWnd, GetManagerName());
  m_PaintManager.AddPreMessageFilter(this);
  InitResource();

  // The skin's Window size, if any, resizes the window while the skin is built: it wins over
  // the size given to Create.
  CDialogBuilder builder;
  CControlUI* pRoot = builder.Create(GetSkinFile().GetData(), GetSkinType(), this, &m_PaintManager);
  if (pRoot != NULL) m_PaintManager.AttachDialog(pRoot);
  m_PaintManager.AddNotifier(this);

  InitWindow();
  return 0;
}

LRESULT WindowImplBase::OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT WindowImplBase::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam,
                                            BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LONG WindowImplBase::GetStyle() {
  LONG styleValue = ::GetWindowLongW(m_hWnd, GWL_STYLE);
  styleValue &= ~WS_CAPTION;
  return styleValue;
}

void WindowImplBase::Notify(TNotifyUI& msg) { NotifyPump(msg); }

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    return ResponseDefaultKeyEvent(wParam);
  }
  return FALSE;
}

CControlUI* WindowImplBase::CreateControl(LPCTSTR pstrClass) { return NULL; }

LPCTSTR WindowImplBase::QueryControlText(LPCTSTR lpstrId, LPCTSTR lpstrType) { return NULL; }

}  // namespace DuiLib
