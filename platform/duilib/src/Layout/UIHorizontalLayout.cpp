#include "Layout/UIHorizontalLayout.h"

#include "Layout/LinearArrange.h"

namespace DuiLib {

CHorizontalLayoutUI::CHorizontalLayoutUI() {}

LPCTSTR CHorizontalLayoutUI::GetClass() const { return _T("HorizontalLayoutUI"); }

LPVOID CHorizontalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("HorizontalLayout")) == 0) {
    return static_cast<CHorizontalLayoutUI*>(this);
  }
  return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate) {
  CControlUI::SetPos(rc, bNeedInvalidate);
  ArrangeLinear(PlaceFloatChildren(), GetClientRect(), m_iChildPadding, false);
}

}  // namespace DuiLib
