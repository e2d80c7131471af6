#include "Utils/UITrayIcon.h"

#include <cwchar>

#include "Core/UIManager.h"

namespace DuiLib {

CTrayIcon::CTrayIcon() : m_bVisible(false), m_trayData() {}

CTrayIcon::~CTrayIcon() { DeleteTrayIcon(); }

void CTrayIcon::CreateTrayIcon(HWND hRecvWnd, UINT uIconIDResource, LPCTSTR lpszToolTip,
                               UINT uMessage) {
  if (hRecvWnd == NULL) return;
  DeleteTrayIcon();
  HICON hIcon = ::LoadIconW(CPaintManagerUI::GetResourceDll(), MAKEINTRESOURCEW(uIconIDResource));
  m_trayData = NOTIFYICONDATAW();
  m_trayData.cbSize = sizeof(NOTIFYICONDATAW);
  m_trayData.hWnd = hRecvWnd;
  m_trayData.uID = uIconIDResource;
  m_trayData.hIcon = hIcon;
  m_trayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  m_trayData.uCallbackMessage = uMessage != 0 ? uMessage : WM_USER + 1;
  if (lpszToolTip != NULL) {
    std::wcsncpy(m_trayData.szTip, lpszToolTip, sizeof(m_trayData.szTip) / sizeof(WCHAR) - 1);
  }
  m_bVisible = ::Shell_NotifyIconW(NIM_ADD, &m_trayData) != FALSE;
}

void CTrayIcon::DeleteTrayIcon() {
  if (!m_bVisible) return;
  ::Shell_NotifyIconW(NIM_DELETE, &m_trayData);
  m_bVisible = false;
}

bool CTrayIcon::SetTooltipText(LPCTSTR lpszToolTip) {
  if (lpszToolTip == NULL) return false;
  std::wmemset(m_trayData.szTip, 0, sizeof(m_trayData.szTip) / sizeof(WCHAR));
  std::wcsncpy(m_trayData.szTip, lpszToolTip, sizeof(m_trayData.szTip) / sizeof(WCHAR) - 1);
  m_trayData.uFlags = NIF_TIP;
  if (!m_bVisible) return true;
  return ::Shell_NotifyIconW(NIM_MODIFY, &m_trayData) != FALSE;
}

CDuiString CTrayIcon::GetTooltipText() const { return CDuiString(m_trayData.szTip); }

bool CTrayIcon::IsVisible() const { return m_bVisible; }

}  // namespace DuiLib
