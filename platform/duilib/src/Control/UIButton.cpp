#include "Control/UIButton.h"

#include "Core/AttributeParse.h"
#include "Core/UIRender.h"

namespace DuiLib {

CButtonUI::CButtonUI()
    : m_uButtonState(0), m_dwHotTextColor(0), m_dwPushedTextColor(0), m_dwFocusedTextColor(0) {
  m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

LPCTSTR CButtonUI::GetClass() const { return _T("ButtonUI"); }

LPVOID CButtonUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("Button")) == 0) {
    return static_cast<CButtonUI*>(this);
  }
  return CLabelUI::GetInterface(pstrName);
}

// The button takes Return itself, as a click.
UINT CButtonUI::GetControlFlags() const {
  return (IsKeyboardEnabled() ? UIFLAG_TABSTOP | UIFLAG_WANTRETURN : 0) |
         (IsEnabled() ? UIFLAG_SETCURSOR : 0);
}

bool CButtonUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (m_pManager != NULL) m_pManager->SendNotify(this, DUI_MSGTYPE_CLICK);
  return true;
}

void CButtonUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

void CButtonUI::DoEvent(TEventUI& event) {
  if (!IsMouseEnabled() && event.Type > UIEVENT__MOUSEBEGIN && event.Type < UIEVENT__MOUSEEND) {
    if (m_pParent != NULL) m_pParent->DoEvent(event);
    else CLabelUI::DoEvent(event);
    return;
  }
  switch (event.Type) {
    case UIEVENT_KEYDOWN:
      if (IsKeyboardEnabled() && (event.chKey == VK_SPACE || event.chKey == VK_RETURN)) {
        Activate();
        return;
      }
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      if (::PtInRect(&m_rcItem, event.ptMouse) && IsEnabled()) {
        m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
        Invalidate();
      }
      return;
    case UIEVENT_MOUSEMOVE:
      if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
        if (::PtInRect(&m_rcItem, event.ptMouse)) m_uButtonState |= UISTATE_PUSHED;
        else m_uButtonState &= ~UISTATE_PUSHED;
        Invalidate();
      }
      return;
    case UIEVENT_BUTTONUP:
      if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
        m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
        Invalidate();
        // Last: the click may end the window.
        if (::PtInRect(&m_rcItem, event.ptMouse)) Activate();
      }
      return;
    case UIEVENT_MOUSEENTER:
      if (IsEnabled()) {
        m_uButtonState |= UISTATE_HOT;
        Invalidate();
      }
      return;
    case UIEVENT_MOUSELEAVE:
      if (IsEnabled()) {
        m_uButtonState &= ~UISTATE_HOT;
        Invalidate();
      }
      return;
    default:
      break;
  }
  CLabelUI::DoEvent(event);
}

UINT CButtonUI::GetButtonState() const { return m_uButtonState; }

LPCTSTR CButtonUI::GetNormalImage() { return m_sNormalImage; }

void CButtonUI::SetNormalImage(LPCTSTR pStrImage) {
  m_sNormalImage = pStrImage;
  CRenderEngine::PreloadImage(pStrImage);
  Invalidate();
}

LPCTSTR CButtonUI::GetHotImage() { return m_sHotImage; }

void CButtonUI::SetHotImage(LPCTSTR pStrImage) {
  m_sHotImage = pStrImage;
  Invalidate();
}

LPCTSTR CButtonUI::GetPushedImage() { return m_sPushedImage; }

void CButtonUI::SetPushedImage(LPCTSTR pStrImage) {
  m_sPushedImage = pStrImage;
  Invalidate();
}

LPCTSTR CButtonUI::GetFocusedImage() { return m_sFocusedImage; }

void CButtonUI::SetFocusedImage(LPCTSTR pStrImage) {
  m_sFocusedImage = pStrImage;
  Invalidate();
}

LPCTSTR CButtonUI::GetDisabledImage() { return m_sDisabledImage; }

void CButtonUI::SetDisabledImage(LPCTSTR pStrImage) {
  m_sDisabledImage = pStrImage;
  Invalidate();
}

void CButtonUI::SetHotTextColor(DWORD dwColor) { m_dwHotTextColor = dwColor; }

DWORD CButtonUI::GetHotTextColor() const { return m_dwHotTextColor; }

void CButtonUI::SetPushedTextColor(DWORD dwColor) { m_dwPushedTextColor = dwColor; }

DWORD CButtonUI::GetPushedTextColor() const { return m_dwPushedTextColor; }

void CButtonUI::SetFocusedTextColor(DWORD dwColor) { m_dwFocusedTextColor = dwColor; }

DWORD CButtonUI::GetFocusedTextColor() const { return m_dwFocusedTextColor; }

void CButtonUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == NULL || pstrValue == NULL) return;
  const CDuiString name(pstrName);
  if (name == _T("normalimage")) SetNormalImage(pstrValue);
  else if (name == _T("hotimage")) SetHotImage(pstrValue);
  else if (name == _T("pushedimage")) SetPushedImage(pstrValue);
  else if (name == _T("focusedimage")) SetFocusedImage(pstrValue);
  else if (name == _T("disabledimage")) SetDisabledImage(pstrValue);
  else if (name == _T("hottextcolor")) SetHotTextColor(ParseColor(pstrValue));
  else if (name == _T("pushedtextcolor")) SetPushedTextColor(ParseColor(pstrValue));
  else if (name == _T("focusedtextcolor")) SetFocusedTextColor(ParseColor(pstrValue));
  else CLabelUI::SetAttribute(pstrName, pstrValue);
}

DWORD CButtonUI::GetPaintTextColor() const {
  if (IsEnabled()) {
    if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) return m_dwPushedTextColor;
    if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotTextColor != 0) return m_dwHotTextColor;
    if (IsFocused() && m_dwFocusedTextColor != 0) return m_dwFocusedTextColor;
  }
  return CLabelUI::GetPaintTextColor();
}

void CButtonUI::PaintStatusImage(HDC hDC) {
  // The most specific state with an image wins; the normal image is the fallback.
  const CDuiString* pImage = &m_sNormalImage;
  if (!IsEnabled()) {
    if (!m_sDisabledImage.IsEmpty()) pImage = &m_sDisabledImage;
  } else if ((m_uButtonState & UISTATE_PUSHED) != 0 && !m_sPushedImage.IsEmpty()) {
    pImage = &m_sPushedImage;
  } else if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sHotImage.IsEmpty()) {
    pImage = &m_sHotImage;
  } else if (IsFocused() && !m_sFocusedImage.IsEmpty()) {
    pImage = &m_sFocusedImage;
  }
  if (!pImage->IsEmpty()) DrawImage(hDC, *pImage);
}

}  // namespace DuiLib
