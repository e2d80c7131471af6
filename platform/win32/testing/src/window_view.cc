#include "win32/testing/window_view.h"

#include <thread>

#include "desktop/icons.h"
#include "user/model.h"

namespace win32::testing {

namespace {

using internal::Model;
using internal::TheModel;

int ResourceIdOf(HICON icon) {
  internal::IconOrigin origin;
  if (!icon || !internal::IconOriginOf(icon, &origin) || !origin.numeric) return 0;
  return origin.id;
}

WindowInfo InfoOf(Model& model, const internal::Window& window) {
  WindowInfo info;
  info.hwnd = window.handle;
  info.class_name = window.class_name;
  info.caption = window.text;
  info.style = window.style;
  info.ex_style = window.ex_style;
  info.visible_flag = (window.style & WS_VISIBLE) != 0;
  info.visible = internal::IsVisibleLocked(model, &window);
  info.minimized = (window.style & WS_MINIMIZE) != 0;
  info.maximized = (window.style & WS_MAXIMIZE) != 0;
  info.parent = window.parent;
  info.owner = window.owner;
  info.thread_id = window.thread_id;
  info.icon_resource_id = ResourceIdOf(window.icon_big ? window.icon_big : window.icon_small);
  return info;
}

// Geometry comes from the public calls, outside the lock, so it matches what the program sees.
void AddGeometry(WindowInfo* info) {
  GetWindowRect(info->hwnd, &info->rect);
  GetClientRect(info->hwnd, &info->client_rect);
}

}  // namespace

std::vector<WindowInfo> Windows() {
  Model& model = TheModel();
  std::vector<WindowInfo> all;
  {
    std::lock_guard<std::mutex> held(model.lock);
    for (auto& [hwnd, window] : model.windows) all.push_back(InfoOf(model, *window));
  }
  for (WindowInfo& info : all) AddGeometry(&info);
  return all;
}

std::optional<WindowInfo> Describe(HWND hwnd) {
  Model& model = TheModel();
  WindowInfo info;
  {
    std::lock_guard<std::mutex> held(model.lock);
    internal::Window* window = internal::FindWindowLocked(model, hwnd);
    if (!window) return std::nullopt;
    info = InfoOf(model, *window);
  }
  AddGeometry(&info);
  return info;
}

std::vector<WindowInfo> WindowsOfClass(const std::wstring& class_name) {
  std::vector<WindowInfo> matching;
  for (WindowInfo& info : Windows())
    if (lstrcmpiW(info.class_name.c_str(), class_name.c_str()) == 0) matching.push_back(info);
  return matching;
}

HWND FindWindowByClass(const std::wstring& class_name) {
  std::vector<WindowInfo> matching = WindowsOfClass(class_name);
  return matching.empty() ? nullptr : matching.front().hwnd;
}

HWND FindWindowByCaption(const std::wstring& caption) {
  for (WindowInfo& info : Windows())
    if (info.caption == caption) return info.hwnd;
  return nullptr;
}

bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (predicate()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return predicate();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

bool RunOnWindowThread(HWND hwnd, const std::function<void()>& fn) {
  Model& model = TheModel();
  internal::ThreadQueue* queue = nullptr;
  {
    std::lock_guard<std::mutex> held(model.lock);
    internal::Window* window = internal::FindWindowLocked(model, hwnd);
    if (!window) return false;
    queue = window->queue;
  }
  return internal::RunOnQueue(queue, hwnd, [&fn, hwnd]() -> LRESULT {
           if (!IsWindow(hwnd)) return 0;
           fn();
           return 1;
         }) == 1;
}

}  // namespace win32::testing
