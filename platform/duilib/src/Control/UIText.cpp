#include "Control/UIText.h"

namespace DuiLib {

CTextUI::CTextUI() { m_uTextStyle = DT_WORDBREAK; }

LPCTSTR CTextUI::GetClass() const { return _T("TextUI"); }

LPVOID CTextUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != NULL && CDuiString(pstrName).CompareNoCase(_T("Text")) == 0) {
    return static_cast<CTextUI*>(this);
  }
  return CLabelUI::GetInterface(pstrName);
}

}  // namespace DuiLib
