#include "src/browser/browser_registry.h"

#include <algorithm>
#include <chrono>

namespace cef_internal {

BrowserRegistry& BrowserRegistry::Get() {
  static BrowserRegistry* registry = new BrowserRegistry;
  return *registry;
}

int BrowserRegistry::NextIdentifier() {
  std::lock_guard<std::mutex> held(lock_);
  return ++last_identifier_;
}

void BrowserRegistry::Add(CefRefPtr<Browser> browser) {
  {
    std::lock_guard<std::mutex> held(lock_);
    browsers_.push_back(browser);
  }
  changed_.notify_all();
}

void BrowserRegistry::Remove(CefRefPtr<Browser> browser) {
  CefRefPtr<Browser> removed;
  {
    std::lock_guard<std::mutex> held(lock_);
    auto found = std::find(browsers_.begin(), browsers_.end(), browser);
    if (found == browsers_.end())
      return;
    removed = *found;
    browsers_.erase(found);
  }
  changed_.notify_all();
}

std::vector<CefRefPtr<Browser>> BrowserRegistry::All() {
  std::lock_guard<std::mutex> held(lock_);
  return browsers_;
}

void BrowserRegistry::NotifyChanged() {
  std::lock_guard<std::mutex> held(lock_);
  changed_.notify_all();
}

CefRefPtr<Browser> BrowserRegistry::FindByWindow(HWND window) {
  std::lock_guard<std::mutex> held(lock_);
  for (const CefRefPtr<Browser>& browser : browsers_) {
    if (browser->GetWindowHandle() == window)
      return browser;
  }
  return NULL;
}

bool BrowserRegistry::WaitUntil(const std::function<bool(const std::vector<CefRefPtr<Browser>>&)>& done,
                                int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  std::unique_lock<std::mutex> held(lock_);
  return changed_.wait_until(held, deadline, [&] { return done(browsers_); });
}

void BrowserRegistry::DestroyAll() {
  for (const CefRefPtr<Browser>& browser : All()) {
    HWND window = browser->GetWindowHandle();
    if (window && IsWindow(window))
      DestroyWindow(window);
    else
      browser->OnWindowDestroyed();
  }
}

}  // namespace cef_internal
