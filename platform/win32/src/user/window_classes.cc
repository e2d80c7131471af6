// Window classes: process-wide, names compared without regard to case.
#include "user/model.h"

using namespace win32::internal;

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* window_class) {
  if (!window_class || !window_class->lpszClassName || !window_class->lpfnWndProc ||
      IS_INTRESOURCE(window_class->lpszClassName)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  std::wstring key = Lower(window_class->lpszClassName);
  if (model.classes.count(key)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  WindowClass& entry = model.classes[key];
  entry.name = window_class->lpszClassName;
  entry.info = *window_class;
  entry.info.lpszClassName = entry.name.c_str();
  if (window_class->lpszMenuName && !IS_INTRESOURCE(window_class->lpszMenuName)) {
    entry.menu_name = window_class->lpszMenuName;
    entry.info.lpszMenuName = entry.menu_name.c_str();
  }
  static ATOM next_atom = 0xC000;
  return next_atom++;
}

ATOM WINAPI RegisterClassW(const WNDCLASSW* window_class) {
  if (!window_class) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXW extended{};
  extended.cbSize = sizeof(extended);
  extended.style = window_class->style;
  extended.lpfnWndProc = window_class->lpfnWndProc;
  extended.cbClsExtra = window_class->cbClsExtra;
  extended.cbWndExtra = window_class->cbWndExtra;
  extended.hInstance = window_class->hInstance;
  extended.hIcon = window_class->hIcon;
  extended.hCursor = window_class->hCursor;
  extended.hbrBackground = window_class->hbrBackground;
  extended.lpszMenuName = window_class->lpszMenuName;
  extended.lpszClassName = window_class->lpszClassName;
  return RegisterClassExW(&extended);
}

BOOL WINAPI UnregisterClassW(LPCWSTR class_name, HINSTANCE instance) {
  if (!class_name || IS_INTRESOURCE(class_name)) return FALSE;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  std::wstring key = Lower(class_name);
  if (!model.classes.count(key)) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  for (auto& [hwnd, window] : model.windows) {
    if (Lower(window->class_name) == key) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return FALSE;
    }
  }
  model.classes.erase(key);
  return TRUE;
}

BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR class_name, WNDCLASSEXW* window_class) {
  if (!class_name || IS_INTRESOURCE(class_name) || !window_class) return FALSE;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  auto found = model.classes.find(Lower(class_name));
  if (found == model.classes.end()) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *window_class = found->second.info;
  return TRUE;
}

// Of the class's slots only the style is kept.
DWORD WINAPI GetClassLongW(HWND window, int index) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* found = FindWindowLocked(model, window);
  if (!found) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  auto entry = model.classes.find(Lower(found->class_name));
  if (index != GCL_STYLE || entry == model.classes.end()) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return entry->second.info.style;
}
