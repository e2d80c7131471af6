#include "Control/UILabel.h"

#include "Core/AttributeParse.h"
#include "Core/UIRender.h"

namespace DuiLib {

namespace {

const DWORD kDefaultTextColor = 0xFF000000;
const DWORD kDefaultDisabledTextColor = 0xFFA7A6AA;

}  // namespace

CLabelUI::CLabelUI()
    : m_dwTextColor(0),
      m_dwDisabledTextColor(0),
      m_iFont(-1),
      m_uTextStyle(DT_VCENTER | DT_SINGLELINE),
      m_rcTextPadding{0, 0, 0, 0},
      m_bAutoCalcWidth(false) {}

LPCTSTR CLabelUI::GetClass() const { return _T("LabelUI"); }

LPVOID CLabelUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("Label")) == 0) {
    return static_cast<CLabelUI*>(this);
  }
  return CControlUI::GetInterface(pstrName);
}

void CLabelUI::SetText(LPCTSTR pstrText) {
  CControlUI::SetText(pstrText);
  if (m_bAutoCalcWidth) NeedParentUpdate();
}

void CLabelUI::SetTextStyle(UINT uStyle) {
  m_uTextStyle = uStyle;
  Invalidate();
}

UINT CLabelUI::GetTextStyle() const { return m_uTextStyle; }

void CLabelUI::SetTextColor(DWORD dwTextColor) {
  m_dwTextColor = dwTextColor;
  Invalidate();
}

DWORD CLabelUI::GetTextColor() const { return m_dwTextColor; }

void CLabelUI::SetDisabledTextColor(DWORD dwTextColor) {
  m_dwDisabledTextColor = dwTextColor;
  Invalidate();
}

DWORD CLabelUI::GetDisabledTextColor() const { return m_dwDisabledTextColor; }

void CLabelUI::SetFont(int index) {
  m_iFont = index;
  Invalidate();
}

int CLabelUI::GetFont() const { return m_iFont; }

RECT CLabelUI::GetTextPadding() const { return m_rcTextPadding; }

void CLabelUI::SetTextPadding(RECT rc) {
  m_rcTextPadding = rc;
  Invalidate();
}

void CLabelUI::SetAutoCalcWidth(bool bAutoCalcWidth) {
  m_bAutoCalcWidth = bAutoCalcWidth;
  NeedParentUpdate();
}

bool CLabelUI::GetAutoCalcWidth() const { return m_bAutoCalcWidth; }

SIZE CLabelUI::EstimateSize(SIZE szAvailable) {
  SIZE size = m_cxyFixed;
  if (m_bAutoCalcWidth && m_pManager != NULL) {
    SIZE text = CRenderEngine::GetTextSize(NULL, m_pManager, m_sText, m_iFont, m_uTextStyle);
    size.cx = text.cx + m_rcTextPadding.left + m_rcTextPadding.right;
  }
  return size;
}

void CLabelUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == NULL || pstrValue == NULL) return;
  const CDuiString name(pstrName);
  const CDuiString value(pstrValue);
  if (name == _T("align")) {
    m_uTextStyle &= ~(DT_LEFT | DT_CENTER | DT_RIGHT);
    if (value == _T("center")) m_uTextStyle |= DT_CENTER;
    else if (value == _T("right")) m_uTextStyle |= DT_RIGHT;
  } else if (name == _T("valign")) {
    m_uTextStyle &= ~(DT_TOP | DT_VCENTER | DT_BOTTOM);
    if (value == _T("vcenter")) m_uTextStyle |= DT_VCENTER;
    else if (value == _T("bottom")) m_uTextStyle |= DT_BOTTOM;
  } else if (name == _T("endellipsis")) {
    if (ParseBool(pstrValue)) m_uTextStyle |= DT_END_ELLIPSIS;
    else m_uTextStyle &= ~DT_END_ELLIPSIS;
  } else if (name == _T("font")) {
    SetFont(ParseInt(pstrValue));
  } else if (name == _T("textcolor")) {
    SetTextColor(ParseColor(pstrValue));
  } else if (name == _T("disabledtextcolor")) {
    SetDisabledTextColor(ParseColor(pstrValue));
  } else if (name == _T("textpadding")) {
    SetTextPadding(ParseRect(pstrValue));
  } else if (name == _T("autocalcwidth")) {
    SetAutoCalcWidth(ParseBool(pstrValue));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

DWORD CLabelUI::GetPaintTextColor() const {
  if (!IsEnabled()) return m_dwDisabledTextColor != 0 ? m_dwDisabledTextColor : kDefaultDisabledTextColor;
  return m_dwTextColor != 0 ? m_dwTextColor : kDefaultTextColor;
}

void CLabelUI::PaintText(HDC hDC) {
  if (m_sText.IsEmpty()) return;
  RECT rc = m_rcItem;
  rc.left += m_rcTextPadding.left;
  rc.right -= m_rcTextPadding.right;
  rc.top += m_rcTextPadding.top;
  rc.bottom -= m_rcTextPadding.bottom;
  CRenderEngine::DrawText(hDC, m_pManager, rc, m_sText, GetPaintTextColor(), m_iFont, m_uTextStyle);
}

}  // namespace DuiLib
