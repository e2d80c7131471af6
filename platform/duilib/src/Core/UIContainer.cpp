#include "Core/UIContainer.h"

#include <algorithm>

#include "Core/AttributeParse.h"
#include "Core/PaintClip.h"
#include "Core/PixelRange.h"

namespace DuiLib {

CContainerUI::CContainerUI()
    : m_rcInset{0, 0, 0, 0}, m_iChildPadding(0), m_bMouseChildEnabled(true) {}

CContainerUI::~CContainerUI() {
  for (int i = GetCount() - 1; i >= 0; --i) delete GetItemAt(i);
}

LPCTSTR CContainerUI::GetClass() const { return _T("ContainerUI"); }

LPVOID CContainerUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName == NULL) return NULL;
  const CDuiString name(pstrName);
  if (name.CompareNoCase(_T("IContainer")) == 0) return static_cast<IContainerUI*>(this);
  if (name.CompareNoCase(_T("Container")) == 0) return static_cast<CContainerUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

CControlUI* CContainerUI::GetItemAt(int iIndex) const {
  return static_cast<CControlUI*>(m_items.GetAt(iIndex));
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const { return m_items.Find(pControl); }

int CContainerUI::GetCount() const { return m_items.GetSize(); }

bool CContainerUI::Add(CControlUI* pControl) { return AddAt(pControl, GetCount()); }

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex) {
  if (pControl == NULL || iIndex < 0 || iIndex > GetCount()) return false;
  if (m_pManager != NULL) m_pManager->InitControls(pControl, this);
  else pControl->SetManager(NULL, this, false);
  pControl->SetInternVisible(IsVisible());
  if (IsVisible()) NeedUpdate();
  return m_items.InsertAt(iIndex, pControl);
}

bool CContainerUI::Remove(CControlUI* pControl) { return RemoveAt(GetItemIndex(pControl)); }

bool CContainerUI::RemoveAt(int iIndex) {
  CControlUI* pControl = GetItemAt(iIndex);
  if (pControl == NULL) return false;
  m_items.Remove(iIndex);
  delete pControl;
  NeedUpdate();
  return true;
}

void CContainerUI::RemoveAll() {
  while (!m_items.IsEmpty()) {
    CControlUI* pControl = GetItemAt(GetCount() - 1);
    m_items.Remove(GetCount() - 1);
    delete pControl;
  }
  NeedUpdate();
}

void CContainerUI::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  CControlUI::SetVisible(bVisible);
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetInternVisible(IsVisible());
}

void CContainerUI::SetInternVisible(bool bVisible) {
  CControlUI::SetInternVisible(bVisible);
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetInternVisible(IsVisible());
}

RECT CContainerUI::GetInset() const { return m_rcInset; }

void CContainerUI::SetInset(RECT rcInset) {
  m_rcInset = rcInset;
  NeedUpdate();
}

int CContainerUI::GetChildPadding() const { return m_iChildPadding; }

void CContainerUI::SetChildPadding(int iPadding) {
  m_iChildPadding = iPadding;
  NeedUpdate();
}

RECT CContainerUI::GetClientRect() const {
  return RECT{m_rcItem.left + m_rcInset.left, m_rcItem.top + m_rcInset.top,
              m_rcItem.right - m_rcInset.right, m_rcItem.bottom - m_rcInset.bottom};
}

void CContainerUI::SetPos(RECT rc, bool bNeedInvalidate) {
  CControlUI::SetPos(rc, bNeedInvalidate);
  const RECT client = GetClientRect();
  for (CControlUI* pControl : PlaceFloatChildren()) {
    SIZE sz = {client.right - client.left, client.bottom - client.top};
    sz.cx = std::min(std::max(sz.cx, static_cast<LONG>(pControl->GetMinWidth())),
                     static_cast<LONG>(pControl->GetMaxWidth()));
    sz.cy = std::min(std::max(sz.cy, static_cast<LONG>(pControl->GetMinHeight())),
                     static_cast<LONG>(pControl->GetMaxHeight()));
    pControl->SetPos(RECT{client.left, client.top, client.left + sz.cx, client.top + sz.cy}, false);
  }
}

void CContainerUI::SetFloatPos(int iIndex) {
  CControlUI* pControl = GetItemAt(iIndex);
  if (pControl == NULL || !pControl->IsVisible() || !pControl->IsFloat()) return;
  const SIZE xy = pControl->GetFixedXY();
  const SIZE fixed = {pControl->GetFixedWidth(), pControl->GetFixedHeight()};
  const TPercentInfo percent = pControl->GetFloatPercent();
  const double left = m_rcItem.left;
  const double top = m_rcItem.top;
  const double width = m_rcItem.right - m_rcItem.left;
  const double height = m_rcItem.bottom - m_rcItem.top;
  RECT rc;
  rc.left = ClampPixel(left + width * percent.left + xy.cx);
  rc.top = ClampPixel(top + height * percent.top + xy.cy);
  rc.right = ClampPixel(left + width * percent.right + xy.cx + fixed.cx);
  rc.bottom = ClampPixel(top + height * percent.bottom + xy.cy + fixed.cy);
  pControl->SetPos(rc, false);
}

std::vector<CControlUI*> CContainerUI::PlaceFloatChildren() {
  std::vector<CControlUI*> flow;
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pControl = GetItemAt(i);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) SetFloatPos(i);
    else flow.push_back(pControl);
  }
  return flow;
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint) {
  RECT rcTemp;
  if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem)) return;
  PaintClip clip(hDC, rcTemp);
  CControlUI::DoPaint(hDC, rcPaint);
  const RECT client = GetClientRect();
  RECT rcChildren;
  bool childrenShow = ::IntersectRect(&rcChildren, &rcTemp, &client) != FALSE;
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pControl = GetItemAt(i);
    if (!pControl->IsVisible()) continue;
    RECT rcChild = pControl->GetPos();
    if (!::IntersectRect(&rcTemp, &rcPaint, &rcChild)) continue;
    if (pControl->IsFloat()) {
      if (!::IntersectRect(&rcTemp, &m_rcItem, &rcChild)) continue;
      pControl->DoPaint(hDC, rcPaint);
    } else if (childrenShow) {
      if (!::IntersectRect(&rcTemp, &client, &rcChild)) continue;
      PaintClip childClip(hDC, rcChildren);
      pControl->DoPaint(hDC, rcPaint);
    }
  }
}

void CContainerUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == NULL || pstrValue == NULL) return;
  const CDuiString name(pstrName);
  if (name == _T("inset")) SetInset(ParseRect(pstrValue));
  else if (name == _T("childpadding")) SetChildPadding(ParseInt(pstrValue));
  else if (name == _T("mousechild")) m_bMouseChildEnabled = ParseBool(pstrValue);
  else CControlUI::SetAttribute(pstrName, pstrValue);
}

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetManager(pManager, this, bInit);
  CControlUI::SetManager(pManager, pParent, bInit);
}

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
  if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return NULL;
  if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return NULL;
  const bool hitTest = (uFlags & UIFIND_HITTEST) != 0;
  if (hitTest && !::PtInRect(&m_rcItem, *static_cast<LPPOINT>(pData))) return NULL;
  if ((uFlags & UIFIND_ME_FIRST) != 0 && (!hitTest || IsMouseEnabled())) {
    if (CControlUI* pResult = Proc(this, pData)) return pResult;
  }
  if (!hitTest || m_bMouseChildEnabled) {
    const RECT client = GetClientRect();
    const bool topFirst = (uFlags & UIFIND_TOP_FIRST) != 0;
    for (int n = 0; n < GetCount(); ++n) {
      CControlUI* pChild = GetItemAt(topFirst ? GetCount() - 1 - n : n);
      CControlUI* pResult = pChild->FindControl(Proc, pData, uFlags);
      if (pResult == NULL) continue;
      // A non-float child reaches the mouse only inside the inset.
      if (hitTest && !pResult->IsFloat() && !::PtInRect(&client, *static_cast<LPPOINT>(pData))) {
        continue;
      }
      return pResult;
    }
  }
  if ((uFlags & UIFIND_ME_FIRST) == 0 && (!hitTest || IsMouseEnabled())) return Proc(this, pData);
  return NULL;
}

}  // namespace DuiLib
