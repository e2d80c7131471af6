// Children one under the other.
#pragma once

#include "Core/UIContainer.h"

namespace DuiLib {

// Fixed heights first; the rest is shared equally by the children without one (min/max
// clamped, the last takes the rounding); padding around each child, childpadding between them.
class CVerticalLayoutUI : public CContainerUI {
 public:
  CVerticalLayoutUI();

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
