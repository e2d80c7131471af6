// Every browser of the process from creation until after its OnBeforeClose.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "src/browser/browser.h"

namespace cef_internal {

class BrowserRegistry {
 public:
  static BrowserRegistry& Get();

  int NextIdentifier();
  void Add(CefRefPtr<Browser> browser);
  void Remove(CefRefPtr<Browser> browser);
  std::vector<CefRefPtr<Browser>> All();
  // Wakes WaitFor after a browser changed (e.g. committed a load).
  void NotifyChanged();
  CefRefPtr<Browser> FindByWindow(HWND window);
  // Waits (bounded by |timeout_ms|) until |done| holds for the open browsers;
  // false when time ran out.
  bool WaitUntil(const std::function<bool(const std::vector<CefRefPtr<Browser>>&)>& done, int timeout_ms);
  // UI thread: destroys the window of every open browser (the engine is stopping).
  void DestroyAll();

 private:
  BrowserRegistry() = default;

  std::mutex lock_;
  std::condition_variable changed_;
  int last_identifier_ = 0;
  std::vector<CefRefPtr<Browser>> browsers_;
};

}  // namespace cef_internal
