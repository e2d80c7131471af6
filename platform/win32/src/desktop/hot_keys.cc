// Hot keys: one desktop-wide table of modifier+key combinations.
#include "user/model.h"

using namespace win32::internal;

BOOL WINAPI RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtual_key) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  if (window && !FindWindowLocked(model, window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  UINT combination = modifiers & ~MOD_NOREPEAT;
  for (HotKey& key : model.hot_keys) {
    if (key.hwnd == window && key.id == id) {
      key.modifiers = combination;
      key.virtual_key = virtual_key;
      return TRUE;
    }
    if (key.modifiers == combination && key.virtual_key == virtual_key) {
      SetLastError(ERROR_HOTKEY_ALREADY_REGISTERED);
      return FALSE;
    }
  }
  model.hot_keys.push_back(HotKey{window, id, combination, virtual_key});
  return TRUE;
}

BOOL WINAPI UnregisterHotKey(HWND window, int id) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  auto& keys = model.hot_keys;
  auto found = std::find_if(keys.begin(), keys.end(),
                            [&](const HotKey& key) { return key.hwnd == window && key.id == id; });
  if (found == keys.end()) {
    SetLastError(ERROR_HOTKEY_NOT_REGISTERED);
    return FALSE;
  }
  keys.erase(found);
  return TRUE;
}
