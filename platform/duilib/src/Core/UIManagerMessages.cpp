// The paint manager's message handling: input becomes control events and notifications.
#include "Core/ManagerRegistry.h"
#include "Core/UIControl.h"
#include "Core/UIManager.h"

namespace DuiLib {

namespace {

// Posted to the window itself to deliver asynchronous notifications.
const UINT kAsyncNotifyMessage = WM_APP + 1;

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

void CPaintManagerUI::MessageLoop() {
  MSG msg = {};
  while (::GetMessageW(&msg, NULL, 0, 0)) {
    if (!CPaintManagerUI::TranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

bool CPaintManagerUI::TranslateMessage(const LPMSG pMsg) {
  if (pMsg == NULL || pMsg->hwnd == NULL) return false;
  LRESULT lRes = 0;
  const std::vector<CPaintManagerUI*> managers = ManagerRegistry::ForWindowAndAncestors(pMsg->hwnd);
  if ((::GetWindowLongW(pMsg->hwnd, GWL_STYLE) & WS_CHILD) != 0) {
    // A child window's messages are shown to the windows around it and then go on as usual.
    for (CPaintManagerUI* pManager : managers) {
      pManager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
    }
    return false;
  }
  if (managers.empty() || managers.front()->GetPaintWindow() != pMsg->hwnd) return false;
  return managers.front()->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
}

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
  const std::vector<IMessageFilterUI*> filters(m_aPreMessageFilters);
  for (IMessageFilterUI* pFilter : filters) {
    bool bHandled = false;
    LRESULT lResult = pFilter->MessageHandler(uMsg, wParam, lParam, bHandled);
    if (bHandled) {
      lRes = lResult;
      return true;
    }
  }
  return false;
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
  if (m_hWndPaint == NULL) return false;
  const std::vector<IMessageFilterUI*> filters(m_aMessageFilters);
  for (IMessageFilterUI* pFilter : filters) {
    bool bHandled = false;
    LRESULT lResult = pFilter->MessageHandler(uMsg, wParam, lParam, bHandled);
    if (bHandled) {
      lRes = lResult;
      return true;
    }
  }

  switch (uMsg) {
    case kAsyncNotifyMessage:
      FlushAsyncNotify();
      lRes = 0;
      return true;
    case WM_CLOSE:
      ReleaseEventControls();
      break;
    case WM_ERASEBKGND:
      lRes = 1;
      return true;
    case WM_PAINT:
      Paint();
      lRes = 0;
      return true;
    case WM_SIZE:
      if (m_pFocus != NULL) SendEvent(m_pFocus, UIEVENT_WINDOWSIZE, m_ptLastMousePos);
      if (m_pRoot != NULL) m_pRoot->NeedUpdate();
      m_bUpdateNeeded = true;
      Invalidate();
      lRes = 0;
      return true;
    case WM_GETMINMAXINFO: {
      LPMINMAXINFO lpMMI = reinterpret_cast<LPMINMAXINFO>(lParam);
      if (m_szMinWindow.cx > 0) lpMMI->ptMinTrackSize.x = m_szMinWindow.cx;
      if (m_szMinWindow.cy > 0) lpMMI->ptMinTrackSize.y = m_szMinWindow.cy;
      if (m_szMaxWindow.cx > 0) lpMMI->ptMaxTrackSize.x = m_szMaxWindow.cx;
      if (m_szMaxWindow.cy > 0) lpMMI->ptMaxTrackSize.y = m_szMaxWindow.cy;
      break;
    }
    case WM_TIMER:
      OnTimer(wParam);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam));
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    case WM_MOUSEHOVER:
      if (m_pEventHover != NULL) SendEvent(m_pEventHover, UIEVENT_MOUSEHOVER, PointOf(lParam));
      break;
    case WM_LBUTTONDOWN:
      OnButtonDown(PointOf(lParam), UIEVENT_BUTTONDOWN);
      break;
    case WM_LBUTTONDBLCLK:
      OnButtonDown(PointOf(lParam), UIEVENT_DBLCLICK);
      break;
    case WM_LBUTTONUP:
      OnButtonUp(PointOf(lParam));
      break;
    case WM_KEYDOWN:
      OnKeyDown(wParam, lParam);
      break;
    case WM_KEYUP:
      if (m_pEventKey != NULL) {
        CControlUI* pKey = m_pEventKey;
        m_pEventKey = NULL;
        SendEvent(pKey, UIEVENT_KEYUP, m_ptLastMousePos, wParam, lParam);
      }
      break;
    case WM_CHAR:
      if (m_pFocus != NULL) SendEvent(m_pFocus, UIEVENT_CHAR, m_ptLastMousePos, wParam, lParam);
      break;
    default:
      break;
  }
  return false;
}

void CPaintManagerUI::ReleaseEventControls() {
  // No control stays hot or pushed past the window's closing.
  if (m_pEventHover != NULL) {
    CControlUI* pHover = m_pEventHover;
    m_pEventHover = NULL;
    SendEvent(pHover, UIEVENT_MOUSELEAVE, m_ptLastMousePos);
  }
  if (m_pEventClick != NULL) {
    CControlUI* pClick = m_pEventClick;
    m_pEventClick = NULL;
    // Outside every control, so the release is not taken for a click.
    SendEvent(pClick, UIEVENT_BUTTONUP, POINT{-1, -1});
  }
}

void CPaintManagerUI::OnMouseMove(POINT pt) {
  m_ptLastMousePos = pt;
  UpdateLayout();
  CControlUI* pNewHover = FindControl(pt);
  if (pNewHover != NULL && pNewHover->GetManager() != this) return;
  if (pNewHover != m_pEventHover && m_pEventHover != NULL) {
    CControlUI* pOld = m_pEventHover;
    m_pEventHover = NULL;
    SendEvent(pOld, UIEVENT_MOUSELEAVE, pt);
  }
  if (pNewHover != m_pEventHover && pNewHover != NULL) {
    m_pEventHover = pNewHover;
    SendEvent(pNewHover, UIEVENT_MOUSEENTER, pt);
  }
  if (m_pEventClick != NULL) SendEvent(m_pEventClick, UIEVENT_MOUSEMOVE, pt);
  else if (pNewHover != NULL) SendEvent(pNewHover, UIEVENT_MOUSEMOVE, pt);
}

void CPaintManagerUI::OnMouseLeave() {
  if (m_pEventHover == NULL) return;
  CControlUI* pOld = m_pEventHover;
  m_pEventHover = NULL;
  SendEvent(pOld, UIEVENT_MOUSELEAVE, m_ptLastMousePos);
}

void CPaintManagerUI::OnButtonDown(POINT pt, int type) {
  ::SetFocus(m_hWndPaint);
  m_ptLastMousePos = pt;
  UpdateLayout();
  CControlUI* pControl = FindControl(pt);
  if (pControl == NULL || pControl->GetManager() != this) return;
  if ((pControl->GetControlFlags() & UIFLAG_TABSTOP) != 0) SetFocus(pControl);
  m_pEventClick = pControl;
  SetCapture();
  SendEvent(pControl, type, pt);
}

void CPaintManagerUI::OnButtonUp(POINT pt) {
  m_ptLastMousePos = pt;
  if (m_pEventClick == NULL) return;
  CControlUI* pClick = m_pEventClick;
  m_pEventClick = NULL;
  ReleaseCapture();
  SendEvent(pClick, UIEVENT_BUTTONUP, pt);
}

void CPaintManagerUI::OnKeyDown(WPARAM wParam, LPARAM lParam) {
  CControlUI* pFocus = m_pFocus;
  if (pFocus == NULL) return;
  m_pEventKey = pFocus;
  SendEvent(pFocus, UIEVENT_KEYDOWN, m_ptLastMousePos, wParam, lParam);
  if (wParam == VK_RETURN && m_pFocus == pFocus &&
      (pFocus->GetControlFlags() & UIFLAG_WANTRETURN) == 0) {
    SendNotify(pFocus, DUI_MSGTYPE_RETURN);
  }
}

void CPaintManagerUI::OnTimer(WPARAM wParam) {
  for (const TimerInfo& timer : m_aTimers) {
    if (timer.uWinTimer == wParam) {
      SendEvent(timer.pSender, UIEVENT_TIMER, m_ptLastMousePos, timer.nLocalID);
      return;
    }
  }
}

}  // namespace DuiLib
