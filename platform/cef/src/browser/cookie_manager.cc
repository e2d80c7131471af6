#include "src/browser/cookie_manager.h"

#include <mutex>

#include "include/wrapper/cef_closure_task.h"

namespace cef_internal {

namespace {

class CookieManager : public CefCookieManager {
 public:
  CookieManager(const CefString& path, bool persist_session_cookies)
      : path_(path), persist_session_cookies_(persist_session_cookies) {}

  void SetSupportedSchemes(const std::vector<CefString>& schemes,
                           CefRefPtr<CefCompletionCallback> callback) override {
    Complete(callback);
  }
  bool SetStoragePath(const CefString& path, bool persist_session_cookies,
                      CefRefPtr<CefCompletionCallback> callback) override {
    {
      std::lock_guard<std::mutex> held(lock_);
      path_ = path;
      persist_session_cookies_ = persist_session_cookies;
    }
    Complete(callback);
    return true;
  }
  bool FlushStore(CefRefPtr<CefCompletionCallback> callback) override {
    Complete(callback);
    return true;
  }

  // The callback, if any, runs on the UI thread.
  static void Complete(CefRefPtr<CefCompletionCallback> callback) {
    if (callback)
      CefPostTask(TID_UI, base::Bind(&CefCompletionCallback::OnComplete, callback.get()));
  }

 private:
  std::mutex lock_;
  CefString path_;
  bool persist_session_cookies_;

  IMPLEMENT_REFCOUNTING(CookieManager);
};

std::mutex g_lock;
std::vector<CookieManagerRequest>& Requests() {
  static auto* requests = new std::vector<CookieManagerRequest>;
  return *requests;
}

}  // namespace

std::vector<CookieManagerRequest> CookieManagerRequests() {
  std::lock_guard<std::mutex> held(g_lock);
  return Requests();
}

}  // namespace cef_internal

CefRefPtr<CefCookieManager> CefCookieManager::GetGlobalManager(CefRefPtr<CefCompletionCallback> callback) {
  static CefRefPtr<CefCookieManager>* global = new CefRefPtr<CefCookieManager>(
      new cef_internal::CookieManager(CefString(), false));
  cef_internal::CookieManager::Complete(callback);
  return *global;
}

CefRefPtr<CefCookieManager> CefCookieManager::CreateManager(const CefString& path, bool persist_session_cookies,
                                                            CefRefPtr<CefCompletionCallback> callback) {
  {
    std::lock_guard<std::mutex> held(cef_internal::g_lock);
    cef_internal::Requests().push_back({path, persist_session_cookies});
  }
  cef_internal::CookieManager::Complete(callback);
  return new cef_internal::CookieManager(path, persist_session_cookies);
}
