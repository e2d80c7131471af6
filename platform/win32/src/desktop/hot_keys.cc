// Hot keys: one desktop-wide table of modifier+key combinations.
#include "desktop/desktop.h"
#include "user/model.h"

using namespace win32::internal;

BOOL WINAPI RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtual_key) {
  // A thread's own hot key arrives in its queue, which also ends the key with the thread.
  if (!window) CurrentQueue();
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  if (window && !FindWindowLocked(model, window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  UINT combination = modifiers & ~MOD_NOREPEAT;
  DWORD thread_id = GetCurrentThreadId();
  for (const HotKey& key : model.hot_keys) {
    bool same_registration = key.hwnd == window && key.id == id &&
                             (window || key.thread_id == thread_id);
    if (!same_registration && key.modifiers == combination && key.virtual_key == virtual_key) {
      SetLastError(ERROR_HOTKEY_ALREADY_REGISTERED);
      return FALSE;
    }
  }
  for (HotKey& key : model.hot_keys) {
    if (key.hwnd == window && key.id == id && (window || key.thread_id == thread_id)) {
      key.modifiers = combination;
      key.virtual_key = virtual_key;
      TheDesktop().HotKeysChanged();
      return TRUE;
    }
  }
  model.hot_keys.push_back(HotKey{window, thread_id, id, combination, virtual_key});
  TheDesktop().HotKeysChanged();
  return TRUE;
}

BOOL WINAPI UnregisterHotKey(HWND window, int id) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  auto& keys = model.hot_keys;
  auto found = std::find_if(keys.begin(), keys.end(),
                            [&](const HotKey& key) {
                              return key.hwnd == window && key.id == id &&
                                     (window || key.thread_id == GetCurrentThreadId());
                            });
  if (found == keys.end()) {
    SetLastError(ERROR_HOTKEY_NOT_REGISTERED);
    return FALSE;
  }
  keys.erase(found);
  TheDesktop().HotKeysChanged();
  return TRUE;
}
