// An icon in the notification area that reports mouse events to a window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "Utils/Utils.h"

namespace DuiLib {

class CTrayIcon {
 public:
  CTrayIcon();
  // Removes the icon.
  ~CTrayIcon();
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // uMessage 0 means WM_USER + 1; the window gets it with the mouse message in lParam.
  void CreateTrayIcon(HWND hRecvWnd, UINT uIconIDResource, LPCTSTR lpszToolTip = NULL,
                      UINT uMessage = 0);
  void DeleteTrayIcon();
  bool SetTooltipText(LPCTSTR lpszToolTip);
  CDuiString GetTooltipText() const;
  bool IsVisible() const;

 private:
  bool m_bVisible;
  NOTIFYICONDATAW m_trayData;
};

}  // namespace DuiLib
