#include "browser_controls.h"

#include "browser/cef_browser_ui.h"
#include "browser/wnd_ui.h"

DuiLib::CControlUI* CreateBrowserControl(LPCTSTR pstrClass) {
  if (::lstrcmpiW(pstrClass, _T("CefBrowser")) == 0) return new CCefBrowserUI();
  if (::lstrcmpiW(pstrClass, _T("Wnd")) == 0) return new CWndUI();
  return NULL;
}
