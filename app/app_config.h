#pragma once

#include <windows.h>

#include "UIlib.h"

// The process-wide settings of the browser process: the login window, the game address the
// login window hands to the main window, the browser cache folder and the outside links.
// Built on first use, on the main thread before the engine starts; destroyed at process exit.
// No lock: every field is written before another thread reads it, or written and read on
// one thread only.
class AppConfig {
 public:
  static AppConfig* GetInstance();

  void SetLoginWnd(HWND hWnd) { m_hLoginWnd = hWnd; }
  HWND GetLoginWnd() const { return m_hLoginWnd; }
  void SetGameUrl(LPCTSTR pstrUrl) { m_sGameUrl = pstrUrl; }
  DuiLib::CDuiString GetGameUrl() const { return m_sGameUrl; }
  void SetCachePath(LPCTSTR pstrPath) { m_sCachePath = pstrPath; }
  DuiLib::CDuiString GetOverrideLink() const { return m_sOverrideLink; }
  DuiLib::CDuiString GetHomeLink() const { return m_sHomeLink; }
  DuiLib::CDuiString GetForumLink() const { return m_sForumLink; }
  void SetPayLink(LPCTSTR pstrUrl) { m_sPayLink = pstrUrl; }
  DuiLib::CDuiString GetPayLink() const { return m_sPayLink; }

  // Applies the build's link overrides; a link whose override is empty keeps its value.
  void LoadLinkOverrides();
  // Empties the cache folder and keeps the folder itself; failures go to standard output.
  void ClearCache();

 private:
  AppConfig();
  AppConfig(const AppConfig&) = delete;
  AppConfig& operator=(const AppConfig&) = delete;

  HWND m_hLoginWnd;
  DuiLib::CDuiString m_sGameUrl;
  DuiLib::CDuiString m_sCachePath;
  DuiLib::CDuiString m_sOverrideLink;
  DuiLib::CDuiString m_sReservedLink1;
  DuiLib::CDuiString m_sHomeLink;
  DuiLib::CDuiString m_sReservedLink2;
  DuiLib::CDuiString m_sForumLink;
  DuiLib::CDuiString m_sPayLink;
};
