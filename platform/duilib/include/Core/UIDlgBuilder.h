// Builds a control tree from a skin file.
#pragma once

#include <windows.h>

#include "Core/UIControl.h"
#include "Utils/Utils.h"

namespace DuiLib {

// Asked for every element class the library does not build itself; NULL skips the element
// and its children. Runs on the thread that builds the skin.
class IDialogBuilderCallback {
 public:
  virtual CControlUI* CreateControl(LPCTSTR pstrClass) = 0;
};

class CDialogBuilder {
 public:
  // xml: a skin file name (resolved through CResourceManager's Xml entries, then read from the
  // resources) or a numeric resource id read from the resource of the given type. With a paint
  // manager, the Window element's attributes, fonts and default attributes go to it. With a
  // parent, the controls are added to it. NULL for a missing or malformed skin.
  CControlUI* Create(STRINGorID xml, LPCTSTR type = NULL, IDialogBuilderCallback* pCallback = NULL,
                     CPaintManagerUI* pManager = NULL, CControlUI* pParent = NULL);
};

}  // namespace DuiLib
