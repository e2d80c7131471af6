#include "msg_wnd.h"

using namespace DuiLib;

DUI_BEGIN_MESSAGE_MAP(CMsgWnd)
  DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, CMsgWnd::OnClick)
DUI_END_MESSAGE_MAP()

CMsgWnd::CMsgWnd()
    : m_pCloseBtn(NULL), m_pMaxBtn(NULL), m_pRestoreBtn(NULL), m_pMinBtn(NULL) {}

CMsgWnd::~CMsgWnd() {}

LPCTSTR CMsgWnd::GetWindowClassName() const { return _T("MsgWnd"); }

// The box's layout travels in the skin archive as "msg.xml"; the archive's
// index maps no resource names, so the member is named directly.
CDuiString CMsgWnd::GetSkinFile() { return _T("msg.xml"); }

void CMsgWnd::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

void CMsgWnd::InitWindow() {
  m_pCloseBtn = m_PaintManager.FindControl(_T("closebtn"));
  m_pMaxBtn = m_PaintManager.FindControl(_T("maxbtn"));
  m_pRestoreBtn = m_PaintManager.FindControl(_T("restorebtn"));
  m_pMinBtn = m_PaintManager.FindControl(_T("minbtn"));
}

void CMsgWnd::OnClick(TNotifyUI& msg) {
  CDuiString name = msg.pSender->GetName();
  name.MakeLower();
  CControlUI* sender = msg.pSender;

  if (m_pCloseBtn && sender == m_pCloseBtn) {
    Close(0);
  } else if (m_pMinBtn && sender == m_pMinBtn) {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (m_pMaxBtn && sender == m_pMaxBtn) {
    SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else if (m_pRestoreBtn && sender == m_pRestoreBtn) {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (name.CompareNoCase(_T("confirm_btn")) == 0) {
    Close(1);
  } else if (name.CompareNoCase(_T("cancel_btn")) == 0) {
    Close(0);
  }
}

void CMsgWnd::SetTitle(const CDuiString& title) { SetLabelText(_T("MessageTitle"), title); }

void CMsgWnd::SetMsg(const CDuiString& text) { SetLabelText(_T("MessageText"), text); }

void CMsgWnd::SetLabelText(LPCTSTR name, const CDuiString& text) {
  if (text.IsEmpty()) return;
  if (CControlUI* label = m_PaintManager.FindControl(name)) label->SetText(text);
}
