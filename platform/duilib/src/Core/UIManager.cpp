// The paint manager's per-window state: controls, focus, fonts, timers, notifiers and filters.
#include "Core/UIManager.h"

#include <algorithm>
#include <mutex>

#include "Core/ManagerRegistry.h"
#include "Core/UIControl.h"

namespace DuiLib {

namespace {

// Fonts marked shared serve every window; skins of windows on different threads add them.
struct SharedFonts {
  std::mutex lock;
  std::map<int, TFontInfo> fonts;
  std::unique_ptr<TFontInfo> defaultFont;
};

SharedFonts& Shared() {
  static SharedFonts shared;
  return shared;
}

const TFontInfo& BuiltInFont() {
  static const TFontInfo font = {_T("Noto Sans CJK SC"), 12, false, false, false};
  return font;
}

CControlUI* CALLBACK FindControlFromPoint(CControlUI* pThis, LPVOID pData) {
  return ::PtInRect(&pThis->GetPos(), *static_cast<LPPOINT>(pData)) ? pThis : NULL;
}

CControlUI* CALLBACK RegisterControlName(CControlUI* pThis, LPVOID pData) {
  CStdStringPtrMap* names = static_cast<CStdStringPtrMap*>(pData);
  CDuiString name = pThis->GetName();
  // The first control of a name keeps it.
  if (!name.IsEmpty()) names->Insert(name, pThis);
  return NULL;
}

template <typename T>
bool AddUnique(std::vector<T*>& items, T* item) {
  if (item == NULL || std::find(items.begin(), items.end(), item) != items.end()) return false;
  items.push_back(item);
  return true;
}

template <typename T>
bool RemoveItem(std::vector<T*>& items, T* item) {
  auto it = std::find(items.begin(), items.end(), item);
  if (it == items.end()) return false;
  items.erase(it);
  return true;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() {}

CPaintManagerUI::~CPaintManagerUI() {
  ManagerRegistry::Remove(this);
  RemoveAllTimers();
  CControlUI* pRoot = m_pRoot;
  m_pRoot = NULL;
  delete pRoot;
}

void CPaintManagerUI::Init(HWND hWnd, LPCTSTR pstrName) {
  m_hWndPaint = hWnd;
  m_sName = pstrName;
  ManagerRegistry::Add(this);
}

LPCTSTR CPaintManagerUI::GetName() const { return m_sName; }

HWND CPaintManagerUI::GetPaintWindow() const { return m_hWndPaint; }

POINT CPaintManagerUI::GetMousePos() const { return m_ptLastMousePos; }

SIZE CPaintManagerUI::GetClientSize() const {
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(m_hWndPaint, &rcClient);
  return SIZE{rcClient.right - rcClient.left, rcClient.bottom - rcClient.top};
}

void CPaintManagerUI::NeedUpdate() { m_bUpdateNeeded = true; }

void CPaintManagerUI::Invalidate() {
  if (m_hWndPaint != NULL) ::InvalidateRect(m_hWndPaint, NULL, FALSE);
}

void CPaintManagerUI::Invalidate(RECT& rcItem) {
  if (m_hWndPaint != NULL) ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

void CPaintManagerUI::UpdateLayout() {
  if (!m_bUpdateNeeded || m_pRoot == NULL) return;
  m_bUpdateNeeded = false;
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(m_hWndPaint, &rcClient);
  if (!::IsRectEmpty(&rcClient)) m_pRoot->SetPos(rcClient, false);
  if (m_bFirstLayout) {
    m_bFirstLayout = false;
    SendNotify(m_pRoot, DUI_MSGTYPE_WINDOWINIT);
  }
}

SIZE CPaintManagerUI::GetInitSize() { return m_szInitWindowSize; }

void CPaintManagerUI::SetInitSize(int cx, int cy) {
  m_szInitWindowSize = SIZE{cx, cy};
  // While the skin is being built the window takes the skin's size.
  if (m_pRoot == NULL && m_hWndPaint != NULL) {
    ::SetWindowPos(m_hWndPaint, NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

RECT& CPaintManagerUI::GetSizeBox() { return m_rcSizeBox; }

void CPaintManagerUI::SetSizeBox(RECT& rcSizeBox) { m_rcSizeBox = rcSizeBox; }

RECT& CPaintManagerUI::GetCaptionRect() { return m_rcCaption; }

void CPaintManagerUI::SetCaptionRect(RECT& rcCaption) { m_rcCaption = rcCaption; }

SIZE CPaintManagerUI::GetRoundCorner() const { return m_szRoundCorner; }

void CPaintManagerUI::SetRoundCorner(int cx, int cy) {
  m_szRoundCorner = SIZE{cx, cy};
  Invalidate();
}

SIZE CPaintManagerUI::GetMinInfo() const { return m_szMinWindow; }

void CPaintManagerUI::SetMinInfo(int cx, int cy) {
  if (cx >= 0 && cy >= 0) m_szMinWindow = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetMaxInfo() const { return m_szMaxWindow; }

void CPaintManagerUI::SetMaxInfo(int cx, int cy) {
  if (cx >= 0 && cy >= 0) m_szMaxWindow = SIZE{cx, cy};
}

void CPaintManagerUI::SetTransparent(int nOpacity) {
  m_nOpacity = static_cast<BYTE>(std::min(255, std::max(0, nOpacity)));
  Invalidate();
}

BYTE CPaintManagerUI::GetTransparent() const { return m_nOpacity; }

void CPaintManagerUI::SetBackgroundTransparent(bool bTrans) {
  m_bAlphaBackground = bTrans;
  Invalidate();
}

bool CPaintManagerUI::IsBackgroundTransparent() const { return m_bAlphaBackground; }

cairo_surface_t* CPaintManagerUI::GetPaintSurface() const { return m_surface.get(); }

void CPaintManagerUI::SetDefaultFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline,
                                     bool bItalic, bool bShared) {
  TFontInfo font = {pStrFontName, nSize, bBold, bUnderline, bItalic};
  if (font.sFontName.IsEmpty()) font.sFontName = BuiltInFont().sFontName;
  if (bShared) {
    SharedFonts& shared = Shared();
    std::lock_guard<std::mutex> hold(shared.lock);
    shared.defaultFont.reset(new TFontInfo(font));
  } else {
    m_pDefaultFont.reset(new TFontInfo(font));
  }
}

const TFontInfo* CPaintManagerUI::GetDefaultFontInfo() {
  if (m_pDefaultFont) return m_pDefaultFont.get();
  SharedFonts& shared = Shared();
  std::lock_guard<std::mutex> hold(shared.lock);
  return shared.defaultFont ? shared.defaultFont.get() : &BuiltInFont();
}

bool CPaintManagerUI::AddFont(int id, LPCTSTR pStrFontName, int nSize, bool bBold,
                              bool bUnderline, bool bItalic, bool bShared) {
  TFontInfo font = {pStrFontName, nSize, bBold, bUnderline, bItalic};
  if (font.sFontName.IsEmpty()) font.sFontName = GetDefaultFontInfo()->sFontName;
  if (bShared) {
    SharedFonts& shared = Shared();
    std::lock_guard<std::mutex> hold(shared.lock);
    shared.fonts[id] = font;
  } else {
    m_aFonts[id] = font;
  }
  return true;
}

const TFontInfo* CPaintManagerUI::GetFontInfo(int id) {
  auto own = m_aFonts.find(id);
  if (own != m_aFonts.end()) return &own->second;
  {
    SharedFonts& shared = Shared();
    std::lock_guard<std::mutex> hold(shared.lock);
    auto found = shared.fonts.find(id);
    if (found != shared.fonts.end()) return &found->second;
  }
  return GetDefaultFontInfo();
}

void CPaintManagerUI::AddDefaultAttributeList(LPCTSTR pStrControlName,
                                              LPCTSTR pStrControlAttrList) {
  if (pStrControlName == NULL || pStrControlAttrList == NULL) return;
  m_aDefaultAttrs[pStrControlName] = pStrControlAttrList;
}

LPCTSTR CPaintManagerUI::GetDefaultAttributeList(LPCTSTR pStrControlName) const {
  if (pStrControlName == NULL) return NULL;
  auto found = m_aDefaultAttrs.find(pStrControlName);
  return found == m_aDefaultAttrs.end() ? NULL : found->second.GetData();
}

bool CPaintManagerUI::AttachDialog(CControlUI* pControl) {
  if (pControl == NULL) return false;
  SetFocus(NULL);
  m_pEventKey = m_pEventHover = m_pEventClick = NULL;
  CControlUI* pOld = m_pRoot;
  m_pRoot = pControl;
  if (pOld != pControl) delete pOld;
  m_bUpdateNeeded = true;
  m_bFirstLayout = true;
  Invalidate();
  return InitControls(pControl);
}

bool CPaintManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent) {
  if (pControl == NULL) return false;
  pControl->SetManager(this, pParent != NULL ? pParent : pControl->GetParent(), true);
  pControl->FindControl(RegisterControlName, &m_mNameHash, UIFIND_ALL);
  return true;
}

void CPaintManagerUI::ReapObjects(CControlUI* pControl) {
  if (pControl == NULL) return;
  if (pControl == m_pEventKey) m_pEventKey = NULL;
  if (pControl == m_pEventHover) m_pEventHover = NULL;
  if (pControl == m_pEventClick) m_pEventClick = NULL;
  if (pControl == m_pFocus) m_pFocus = NULL;
  KillTimer(pControl);
  CDuiString name = pControl->GetName();
  if (!name.IsEmpty() && m_mNameHash.Find(name) == pControl) m_mNameHash.Remove(name);
  m_aAsyncNotify.erase(std::remove_if(m_aAsyncNotify.begin(), m_aAsyncNotify.end(),
                                      [pControl](const TNotifyUI& msg) {
                                        return msg.pSender == pControl;
                                      }),
                       m_aAsyncNotify.end());
}

CControlUI* CPaintManagerUI::GetFocus() const { return m_pFocus; }

void CPaintManagerUI::SetFocus(CControlUI* pControl) {
  if (pControl != m_pFocus && m_hWndPaint != NULL && ::GetFocus() != m_hWndPaint) {
    ::SetFocus(m_hWndPaint);
  }
  if (pControl == m_pFocus) return;
  if (m_pFocus != NULL) {
    CControlUI* pOld = m_pFocus;
    m_pFocus = NULL;
    SendEvent(pOld, UIEVENT_KILLFOCUS, m_ptLastMousePos);
    SendNotify(pOld, DUI_MSGTYPE_KILLFOCUS);
  }
  if (pControl != NULL && pControl->GetManager() == this && pControl->IsVisible() &&
      pControl->IsEnabled()) {
    m_pFocus = pControl;
    SendEvent(pControl, UIEVENT_SETFOCUS, m_ptLastMousePos);
    SendNotify(pControl, DUI_MSGTYPE_SETFOCUS);
  }
}

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse) {
  if (pControl == NULL || m_hWndPaint == NULL) return false;
  for (const TimerInfo& timer : m_aTimers) {
    if (timer.pSender == pControl && timer.nLocalID == nTimerID) {
      return ::SetTimer(m_hWndPaint, timer.uWinTimer, uElapse, NULL) != 0;
    }
  }
  UINT_PTR uWinTimer = ++m_uTimerID;
  if (::SetTimer(m_hWndPaint, uWinTimer, uElapse, NULL) == 0) return false;
  m_aTimers.push_back(TimerInfo{pControl, nTimerID, uWinTimer});
  return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID) {
  for (auto it = m_aTimers.begin(); it != m_aTimers.end(); ++it) {
    if (it->pSender == pControl && it->nLocalID == nTimerID) {
      ::KillTimer(m_hWndPaint, it->uWinTimer);
      m_aTimers.erase(it);
      return true;
    }
  }
  return false;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl) {
  for (auto it = m_aTimers.begin(); it != m_aTimers.end();) {
    if (it->pSender != pControl) {
      ++it;
      continue;
    }
    ::KillTimer(m_hWndPaint, it->uWinTimer);
    it = m_aTimers.erase(it);
  }
}

void CPaintManagerUI::RemoveAllTimers() {
  for (const TimerInfo& timer : m_aTimers) ::KillTimer(m_hWndPaint, timer.uWinTimer);
  m_aTimers.clear();
}

void CPaintManagerUI::SetCapture() {
  ::SetCapture(m_hWndPaint);
  m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture() {
  ::ReleaseCapture();
  m_bMouseCapture = false;
}

bool CPaintManagerUI::IsCaptured() { return m_bMouseCapture; }

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier) { return AddUnique(m_aNotifiers, pNotifier); }

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier) {
  return RemoveItem(m_aNotifiers, pNotifier);
}

void CPaintManagerUI::SendNotify(TNotifyUI& Msg, bool bAsync) {
  Msg.ptMouse = m_ptLastMousePos;
  Msg.dwTimestamp = ::GetTickCount();
  if (bAsync) {
    m_aAsyncNotify.push_back(Msg);
    ::PostMessageW(m_hWndPaint, WM_APP + 1, 0, 0);
    return;
  }
  // A notifier may withdraw itself or others while being notified.
  const std::vector<INotifyUI*> notifiers(m_aNotifiers);
  for (INotifyUI* pNotifier : notifiers) {
    if (std::find(m_aNotifiers.begin(), m_aNotifiers.end(), pNotifier) != m_aNotifiers.end()) {
      pNotifier->Notify(Msg);
    }
  }
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam,
                                 LPARAM lParam, bool bAsync) {
  TNotifyUI Msg;
  Msg.sType = pstrMessage;
  Msg.pSender = pControl;
  Msg.dwTimestamp = 0;
  Msg.ptMouse = POINT{0, 0};
  Msg.wParam = wParam;
  Msg.lParam = lParam;
  SendNotify(Msg, bAsync);
}

void CPaintManagerUI::FlushAsyncNotify() {
  std::vector<TNotifyUI> pending;
  pending.swap(m_aAsyncNotify);
  for (TNotifyUI& msg : pending) SendNotify(msg, false);
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter) {
  return AddUnique(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter) {
  return RemoveItem(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter) {
  return AddUnique(m_aMessageFilters, pFilter);
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter) {
  return RemoveItem(m_aMessageFilters, pFilter);
}

CControlUI* CPaintManagerUI::GetRoot() const { return m_pRoot; }

CControlUI* CPaintManagerUI::FindControl(POINT pt) const {
  if (m_pRoot == NULL) return NULL;
  return m_pRoot->FindControl(FindControlFromPoint, &pt,
                              UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindControl(LPCTSTR pstrName) const {
  return static_cast<CControlUI*>(m_mNameHash.Find(pstrName));
}

void CPaintManagerUI::SendEvent(CControlUI* pControl, int type, POINT pt, WPARAM wParam,
                                LPARAM lParam) {
  TEventUI event = {};
  event.Type = type;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.chKey = static_cast<TCHAR>(wParam);
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->Event(event);
}

}  // namespace DuiLib
