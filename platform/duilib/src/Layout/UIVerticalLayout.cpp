#include "Layout/UIVerticalLayout.h"

#include "Layout/LinearArrange.h"

namespace DuiLib {

CVerticalLayoutUI::CVerticalLayoutUI() {}

LPCTSTR CVerticalLayoutUI::GetClass() const { return _T("VerticalLayoutUI"); }

LPVOID CVerticalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("VerticalLayout")) == 0) {
    return static_cast<CVerticalLayoutUI*>(this);
  }
  return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate) {
  CControlUI::SetPos(rc, bNeedInvalidate);
  ArrangeLinear(PlaceFloatChildren(), GetClientRect(), m_iChildPadding, true);
}

}  // namespace DuiLib
