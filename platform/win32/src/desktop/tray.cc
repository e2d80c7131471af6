// The notification area: icons keyed by window and id.
#include <shellapi.h>

#include "desktop/desktop.h"
#include "user/model.h"

using namespace win32::internal;

namespace {

void Apply(TrayIcon& icon, const NOTIFYICONDATAW& data) {
  if (data.uFlags & NIF_MESSAGE) icon.callback_message = data.uCallbackMessage;
  if (data.uFlags & NIF_ICON) icon.icon = data.hIcon;
  if (data.uFlags & NIF_TIP)
    icon.tip.assign(data.szTip, wcsnlen(data.szTip, sizeof(data.szTip) / sizeof(WCHAR)));
}

}  // namespace

BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data) {
  if (!data) return FALSE;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  auto& icons = model.tray_icons;
  auto found = std::find_if(icons.begin(), icons.end(), [data](const TrayIcon& icon) {
    return icon.hwnd == data->hWnd && icon.id == data->uID;
  });
  switch (message) {
    case NIM_ADD:
      if (found != icons.end() || !FindWindowLocked(model, data->hWnd)) return FALSE;
      icons.push_back(TrayIcon{data->hWnd, data->uID, 0, nullptr, L""});
      Apply(icons.back(), *data);
      TheDesktop().TrayChanged();
      return TRUE;
    case NIM_MODIFY:
      if (found == icons.end()) return FALSE;
      Apply(*found, *data);
      TheDesktop().TrayChanged();
      return TRUE;
    case NIM_DELETE:
      if (found == icons.end()) return FALSE;
      icons.erase(found);
      TheDesktop().TrayChanged();
      return TRUE;
    default:
      return FALSE;
  }
}
