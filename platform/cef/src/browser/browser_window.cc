#include "src/browser/browser_window.h"

#include <mutex>

#include "include/wrapper/cef_closure_task.h"

namespace cef_internal {

namespace {

const wchar_t kBrowserWindowClass[] = L"CefBrowserWindow";

// A parent destroyed on its own thread while this window's thread is part-way through
// destroying this window can end it with WM_NCDESTROY alone, sent from the parent's thread.
// The browser ends all the same, on the UI thread as always.
void EndWithoutWmDestroy(Browser* browser) {
  if (browser->IsClosed())
    return;
  if (CefCurrentlyOn(TID_UI))
    browser->OnWindowDestroyed();
  else
    CefPostTask(TID_UI, base::Bind(&Browser::OnWindowDestroyed, browser));
}

// The window holds a reference to its browser until WM_NCDESTROY.
LRESULT CALLBACK BrowserWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* browser = reinterpret_cast<Browser*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
      auto* created = static_cast<Browser*>(create->lpCreateParams);
      created->AddRef();
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
      break;
    }
    case WM_DESTROY:
      if (browser)
        browser->OnWindowDestroyed();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      if (browser) {
        EndWithoutWmDestroy(browser);
        browser->Release();
      }
      return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void RegisterBrowserWindowClass() {
  static std::once_flag registered;
  std::call_once(registered, [] {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = BrowserWindowProc;
    window_class.hInstance = GetModuleHandleW(NULL);
    window_class.lpszClassName = kBrowserWindowClass;
    RegisterClassExW(&window_class);
  });
}

}  // namespace

HWND CreateBrowserWindow(const CefWindowInfo& info, CefRefPtr<Browser> browser) {
  RegisterBrowserWindowClass();
  const std::wstring name = CefString(&info.window_name).ToWString();
  HWND window = CreateWindowExW(info.ex_style, kBrowserWindowClass, name.c_str(), info.style, info.x, info.y,
                                info.width, info.height, info.parent_window, info.menu, GetModuleHandleW(NULL),
                                browser.get());
  if (window)
    browser->SetWindow(window);
  return window;
}

}  // namespace cef_internal
