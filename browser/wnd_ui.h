// CWndUI: the skin control ("Wnd") that keeps a separate native window glued over
// its own rectangle and shows or hides it with the control and its window.
#pragma once

#include <windows.h>

#include "UIlib.h"

class CWndUI : public DuiLib::CContainerUI {
 public:
  CWndUI();
  ~CWndUI() override;

  void SetPos(RECT rc, bool bNeedInvalidate = true) override;
  void SetVisible(bool bVisible = true) override;
  void SetInternVisible(bool bVisible = true) override;

  // FALSE, with nothing changed, for a handle that is not a window.
  BOOL Attach(HWND hWndNew);
  // A maximised hosted window keeps its own placement.
  void UpdateWindowPos();

 private:
  void ShowHostedWindow();

  HWND m_hHostedWnd;
};
