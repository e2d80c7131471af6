#include "Core/UIControl.h"

#include <cwchar>

#include "Core/AttributeParse.h"
#include "Core/PixelRange.h"
#include "Core/UIRender.h"

namespace DuiLib {

namespace {

const int kMaxSize = 9999;

}  // namespace

CControlUI::CControlUI()
    : m_pManager(NULL),
      m_pParent(NULL),
      m_bUpdateNeeded(true),
      m_rcItem{0, 0, 0, 0},
      m_rcPadding{0, 0, 0, 0},
      m_cXY{0, 0},
      m_cxyFixed{0, 0},
      m_cxyMin{0, 0},
      m_cxyMax{kMaxSize, kMaxSize},
      m_piFloatPercent{0, 0, 0, 0},
      m_bVisible(true),
      m_bInternVisible(true),
      m_bEnabled(true),
      m_bMouseEnabled(true),
      m_bKeyboardEnabled(true),
      m_bFocused(false),
      m_bFloat(false),
      m_pTag(0),
      m_dwBackColor(0),
      m_dwBorderColor(0),
      m_nBorderSize(0),
      m_rcPaint{0, 0, 0, 0} {}

CControlUI::~CControlUI() {
  if (m_pManager != NULL) m_pManager->ReapObjects(this);
}

CDuiString CControlUI::GetName() const { return m_sName; }

void CControlUI::SetName(LPCTSTR pstrName) { m_sName = pstrName; }

LPCTSTR CControlUI::GetClass() const { return _T("ControlUI"); }

LPVOID CControlUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("Control")) == 0) return this;
  return NULL;
}

UINT CControlUI::GetControlFlags() const { return 0; }

bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }

CPaintManagerUI* CControlUI::GetManager() const { return m_pManager; }

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
  m_pManager = pManager;
  m_pParent = pParent;
  if (bInit) Init();
}

CControlUI* CControlUI::GetParent() const { return m_pParent; }

CDuiString CControlUI::GetText() const { return m_sText; }

void CControlUI::SetText(LPCTSTR pstrText) {
  if (m_sText == pstrText) return;
  m_sText = pstrText;
  Invalidate();
}

DWORD CControlUI::GetBkColor() const { return m_dwBackColor; }

void CControlUI::SetBkColor(DWORD dwBackColor) {
  if (m_dwBackColor == dwBackColor) return;
  m_dwBackColor = dwBackColor;
  Invalidate();
}

LPCTSTR CControlUI::GetBkImage() { return m_sBkImage; }

void CControlUI::SetBkImage(LPCTSTR pStrImage) {
  if (m_sBkImage == pStrImage) return;
  m_sBkImage = pStrImage;
  CRenderEngine::PreloadImage(pStrImage);
  Invalidate();
}

DWORD CControlUI::GetBorderColor() const { return m_dwBorderColor; }

void CControlUI::SetBorderColor(DWORD dwBorderColor) {
  if (m_dwBorderColor == dwBorderColor) return;
  m_dwBorderColor = dwBorderColor;
  Invalidate();
}

int CControlUI::GetBorderSize() const { return m_nBorderSize; }

void CControlUI::SetBorderSize(int nSize) {
  if (m_nBorderSize == nSize) return;
  m_nBorderSize = nSize;
  Invalidate();
}

bool CControlUI::DrawImage(HDC hDC, LPCTSTR pStrImage, LPCTSTR pStrModify) {
  return CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcPaint, pStrImage,
                                        pStrModify);
}

const RECT& CControlUI::GetPos() const { return m_rcItem; }

void CControlUI::SetPos(RECT rc, bool bNeedInvalidate) {
  rc = RECT{ClampPixel(int64_t{rc.left}), ClampPixel(int64_t{rc.top}), ClampPixel(int64_t{rc.right}),
            ClampPixel(int64_t{rc.bottom})};
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;
  CDuiRect invalidateRc = m_rcItem;
  if (::IsRectEmpty(&invalidateRc)) invalidateRc = rc;
  m_rcItem = rc;
  m_bUpdateNeeded = false;
  if (m_pManager == NULL || !bNeedInvalidate || !IsVisible()) return;
  invalidateRc.Join(m_rcItem);
  for (CControlUI* pParent = GetParent(); pParent != NULL; pParent = pParent->GetParent()) {
    RECT rcTemp = invalidateRc;
    RECT rcParent = pParent->GetPos();
    if (!::IntersectRect(&invalidateRc, &rcTemp, &rcParent)) return;
  }
  m_pManager->Invalidate(invalidateRc);
}

int CControlUI::GetWidth() const { return m_rcItem.right - m_rcItem.left; }

int CControlUI::GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }

int CControlUI::GetX() const { return m_rcItem.left; }

int CControlUI::GetY() const { return m_rcItem.top; }

RECT CControlUI::GetPadding() const { return m_rcPadding; }

void CControlUI::SetPadding(RECT rcPadding) {
  m_rcPadding = rcPadding;
  NeedParentUpdate();
}

SIZE CControlUI::GetFixedXY() const { return m_cXY; }

void CControlUI::SetFixedXY(SIZE szXY) {
  m_cXY = szXY;
  if (!m_bFloat) NeedParentUpdate();
  else NeedUpdate();
}

TPercentInfo CControlUI::GetFloatPercent() const { return m_piFloatPercent; }

void CControlUI::SetFloatPercent(TPercentInfo piFloatPercent) {
  m_piFloatPercent = piFloatPercent;
  NeedParentUpdate();
}

int CControlUI::GetFixedWidth() const { return m_cxyFixed.cx; }

void CControlUI::SetFixedWidth(int cx) {
  if (cx < 0) return;
  m_cxyFixed.cx = cx;
  NeedParentUpdate();
}

int CControlUI::GetFixedHeight() const { return m_cxyFixed.cy; }

void CControlUI::SetFixedHeight(int cy) {
  if (cy < 0) return;
  m_cxyFixed.cy = cy;
  NeedParentUpdate();
}

int CControlUI::GetMinWidth() const { return m_cxyMin.cx; }

void CControlUI::SetMinWidth(int cx) {
  if (m_cxyMin.cx == cx || cx < 0) return;
  m_cxyMin.cx = cx;
  NeedParentUpdate();
}

int CControlUI::GetMaxWidth() const { return m_cxyMax.cx; }

void CControlUI::SetMaxWidth(int cx) {
  if (m_cxyMax.cx == cx || cx < 0) return;
  m_cxyMax.cx = cx;
  NeedParentUpdate();
}

int CControlUI::GetMinHeight() const { return m_cxyMin.cy; }

void CControlUI::SetMinHeight(int cy) {
  if (m_cxyMin.cy == cy || cy < 0) return;
  m_cxyMin.cy = cy;
  NeedParentUpdate();
}

int CControlUI::GetMaxHeight() const { return m_cxyMax.cy; }

void CControlUI::SetMaxHeight(int cy) {
  if (m_cxyMax.cy == cy || cy < 0) return;
  m_cxyMax.cy = cy;
  NeedParentUpdate();
}

CDuiString CControlUI::GetToolTip() const { return m_sToolTip; }

void CControlUI::SetToolTip(LPCTSTR pstrText) { m_sToolTip = pstrText; }

const CDuiString& CControlUI::GetUserData() { return m_sUserData; }

void CControlUI::SetUserData(LPCTSTR pstrText) { m_sUserData = pstrText; }

UINT_PTR CControlUI::GetTag() const { return m_pTag; }

void CControlUI::SetTag(UINT_PTR pTag) { m_pTag = pTag; }

bool CControlUI::IsVisible() const { return m_bVisible && m_bInternVisible; }

void CControlUI::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  bool wasVisible = IsVisible();
  m_bVisible = bVisible;
  if (m_bFocused) m_bFocused = false;
  if (!bVisible && m_pManager != NULL && m_pManager->GetFocus() == this) m_pManager->SetFocus(NULL);
  if (IsVisible() != wasVisible) NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool bVisible) {
  m_bInternVisible = bVisible;
  if (!bVisible && m_pManager != NULL && m_pManager->GetFocus() == this) m_pManager->SetFocus(NULL);
}

bool CControlUI::IsEnabled() const { return m_bEnabled; }

void CControlUI::SetEnabled(bool bEnable) {
  if (m_bEnabled == bEnable) return;
  m_bEnabled = bEnable;
  Invalidate();
}

bool CControlUI::IsMouseEnabled() const { return m_bMouseEnabled; }

void CControlUI::SetMouseEnabled(bool bEnable) { m_bMouseEnabled = bEnable; }

bool CControlUI::IsKeyboardEnabled() const { return m_bKeyboardEnabled; }

void CControlUI::SetKeyboardEnabled(bool bEnable) { m_bKeyboardEnabled = bEnable; }

bool CControlUI::IsFocused() const { return m_bFocused; }

void CControlUI::SetFocus() {
  if (m_pManager != NULL) m_pManager->SetFocus(this);
}

bool CControlUI::IsFloat() const { return m_bFloat; }

void CControlUI::SetFloat(bool bFloat) {
  if (m_bFloat == bFloat) return;
  m_bFloat = bFloat;
  NeedParentUpdate();
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
  if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return NULL;
  if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return NULL;
  if ((uFlags & UIFIND_HITTEST) != 0 &&
      (!m_bMouseEnabled || !::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData)))) {
    return NULL;
  }
  return Proc(this, pData);
}

void CControlUI::Invalidate() {
  if (!IsVisible() || m_pManager == NULL) return;
  RECT invalidateRc = m_rcItem;
  for (CControlUI* pParent = GetParent(); pParent != NULL; pParent = pParent->GetParent()) {
    RECT rcTemp = invalidateRc;
    RECT rcParent = pParent->GetPos();
    if (!::IntersectRect(&invalidateRc, &rcTemp, &rcParent)) return;
  }
  m_pManager->Invalidate(invalidateRc);
}

bool CControlUI::IsUpdateNeeded() const { return m_bUpdateNeeded; }

void CControlUI::NeedUpdate() {
  if (!IsVisible()) return;
  m_bUpdateNeeded = true;
  Invalidate();
  if (m_pManager != NULL) m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate() {
  if (GetParent() != NULL) {
    GetParent()->NeedUpdate();
    GetParent()->Invalidate();
  } else {
    NeedUpdate();
  }
  if (m_pManager != NULL) m_pManager->NeedUpdate();
}

void CControlUI::Init() { DoInit(); }

void CControlUI::DoInit() {}

void CControlUI::Event(TEventUI& event) { DoEvent(event); }

void CControlUI::DoEvent(TEventUI& event) {
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
      m_bFocused = true;
      Invalidate();
      return;
    case UIEVENT_KILLFOCUS:
      m_bFocused = false;
      Invalidate();
      return;
    case UIEVENT_TIMER:
      if (m_pManager != NULL) {
        m_pManager->SendNotify(this, DUI_MSGTYPE_TIMER, event.wParam, event.lParam);
      }
      return;
    default:
      if (m_pParent != NULL) m_pParent->DoEvent(event);
  }
}

void CControlUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == NULL || pstrValue == NULL) return;
  const CDuiString name(pstrName);
  if (name == _T("pos")) {
    RECT rcPos = ParseRect(pstrValue);
    SetFixedXY(SIZE{rcPos.left, rcPos.top});
    SetFixedWidth(rcPos.right - rcPos.left);
    SetFixedHeight(rcPos.bottom - rcPos.top);
  } else if (name == _T("float")) {
    if (std::wcschr(pstrValue, L',') == NULL) {
      SetFloat(ParseBool(pstrValue));
    } else {
      double edges[4];
      ParseNumbers(pstrValue, edges, 4);
      SetFloatPercent(TPercentInfo{edges[0], edges[1], edges[2], edges[3]});
      SetFloat(true);
    }
  } else if (name == _T("padding")) {
    SetPadding(ParseRect(pstrValue));
  } else if (name == _T("width")) {
    SetFixedWidth(ParseInt(pstrValue));
  } else if (name == _T("height")) {
    SetFixedHeight(ParseInt(pstrValue));
  } else if (name == _T("minwidth")) {
    SetMinWidth(ParseInt(pstrValue));
  } else if (name == _T("minheight")) {
    SetMinHeight(ParseInt(pstrValue));
  } else if (name == _T("maxwidth")) {
    SetMaxWidth(ParseInt(pstrValue));
  } else if (name == _T("maxheight")) {
    SetMaxHeight(ParseInt(pstrValue));
  } else if (name == _T("name")) {
    SetName(pstrValue);
  } else if (name == _T("text")) {
    SetText(pstrValue);
  } else if (name == _T("tooltip")) {
    SetToolTip(pstrValue);
  } else if (name == _T("userdata")) {
    SetUserData(pstrValue);
  } else if (name == _T("bkcolor")) {
    SetBkColor(ParseColor(pstrValue));
  } else if (name == _T("bkimage")) {
    SetBkImage(pstrValue);
  } else if (name == _T("bordersize")) {
    SetBorderSize(ParseInt(pstrValue));
  } else if (name == _T("bordercolor")) {
    SetBorderColor(ParseColor(pstrValue));
  } else if (name == _T("visible")) {
    SetVisible(ParseBool(pstrValue));
  } else if (name == _T("enabled")) {
    SetEnabled(ParseBool(pstrValue));
  } else if (name == _T("mouse")) {
    SetMouseEnabled(ParseBool(pstrValue));
  } else if (name == _T("keyboard")) {
    SetKeyboardEnabled(ParseBool(pstrValue));
  }
}

CControlUI* CControlUI::ApplyAttributeList(LPCTSTR pstrList) {
  // name="value" pairs separated by blanks; a value may use either quote.
  const wchar_t* p = pstrList != NULL ? pstrList : L"";
  for (;;) {
    while (*p == L' ' || *p == L'\t' || *p == L'\r' || *p == L'\n') ++p;
    if (*p == L'\0') break;
    const wchar_t* nameStart = p;
    while (*p != L'\0' && *p != L'=' && *p != L' ') ++p;
    CDuiString name(nameStart, static_cast<int>(p - nameStart));
    while (*p == L' ') ++p;
    if (*p != L'=') break;
    ++p;
    while (*p == L' ') ++p;
    wchar_t quote = *p;
    if (quote != L'"' && quote != L'\'') break;
    const wchar_t* valueStart = ++p;
    while (*p != L'\0' && *p != quote) ++p;
    if (*p == L'\0') break;
    CDuiString value(valueStart, static_cast<int>(p - valueStart));
    ++p;
    SetAttribute(name, value);
  }
  return this;
}

SIZE CControlUI::EstimateSize(SIZE szAvailable) { return m_cxyFixed; }

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  PaintBkColor(hDC);
  PaintBkImage(hDC);
  PaintStatusImage(hDC);
  PaintText(hDC);
  PaintBorder(hDC);
}

void CControlUI::PaintBkColor(HDC hDC) {
  if (m_dwBackColor != 0) CRenderEngine::DrawColor(hDC, m_rcPaint, m_dwBackColor);
}

void CControlUI::PaintBkImage(HDC hDC) {
  if (!m_sBkImage.IsEmpty()) DrawImage(hDC, m_sBkImage);
}

void CControlUI::PaintStatusImage(HDC hDC) {}

void CControlUI::PaintText(HDC hDC) {}

void CControlUI::PaintBorder(HDC hDC) {
  if (m_nBorderSize > 0 && m_dwBorderColor != 0) {
    CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, m_dwBorderColor);
  }
}

}  // namespace DuiLib
