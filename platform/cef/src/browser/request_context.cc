#include "include/cef_request_context.h"

namespace {

class RequestContext : public CefRequestContext {
 public:
  explicit RequestContext(CefRefPtr<CefRequestContextHandler> handler) : handler_(handler) {}

  bool IsSame(CefRefPtr<CefRequestContext> other) override { return other.get() == this; }
  bool IsGlobal() override { return this == Global().get(); }
  CefRefPtr<CefRequestContextHandler> GetHandler() override { return handler_; }

  static CefRefPtr<CefRequestContext> Global() {
    static CefRefPtr<CefRequestContext>* global = new CefRefPtr<CefRequestContext>(new RequestContext(NULL));
    return *global;
  }

 private:
  const CefRefPtr<CefRequestContextHandler> handler_;

  IMPLEMENT_REFCOUNTING(RequestContext);
};

}  // namespace

CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext() { return RequestContext::Global(); }

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(CefRefPtr<CefRequestContextHandler> handler) {
  return new RequestContext(handler);
}
