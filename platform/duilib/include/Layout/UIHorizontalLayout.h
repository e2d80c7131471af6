// Children side by side.
#pragma once

#include "Core/UIContainer.h"

namespace DuiLib {

// The vertical layout's rules along the horizontal axis.
class CHorizontalLayoutUI : public CContainerUI {
 public:
  CHorizontalLayoutUI();

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
