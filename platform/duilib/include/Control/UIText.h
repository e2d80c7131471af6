// Text that wraps onto several lines.
#pragma once

#include "Control/UILabel.h"

namespace DuiLib {

class CTextUI : public CLabelUI {
 public:
  CTextUI();

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
};

}  // namespace DuiLib
