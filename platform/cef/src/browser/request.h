// CefRequest and CefResponse as plain value holders.
#pragma once

#include <mutex>

#include "include/cef_request.h"
#include "include/cef_response.h"

namespace cef_internal {

class Request : public CefRequest {
 public:
  Request() = default;
  Request(const CefString& url, ResourceType resource_type, TransitionType transition_type);

  bool IsReadOnly() override { return false; }
  CefString GetURL() override;
  void SetURL(const CefString& url) override;
  CefString GetMethod() override;
  void SetMethod(const CefString& method) override;
  void GetHeaderMap(HeaderMap& headerMap) override;
  void SetHeaderMap(const HeaderMap& headerMap) override;
  int GetFlags() override;
  void SetFlags(int flags) override;
  CefString GetFirstPartyForCookies() override;
  void SetFirstPartyForCookies(const CefString& url) override;
  ResourceType GetResourceType() override { return resource_type_; }
  TransitionType GetTransitionType() override { return transition_type_; }
  uint64 GetIdentifier() override { return identifier_; }

 private:
  std::mutex lock_;
  CefString url_;
  CefString method_ = "GET";
  HeaderMap headers_;
  int flags_ = UR_FLAG_NONE;
  CefString first_party_;
  const ResourceType resource_type_ = RT_MAIN_FRAME;
  const TransitionType transition_type_ = TT_EXPLICIT;
  const uint64 identifier_ = NextIdentifier();

  static uint64 NextIdentifier();

  IMPLEMENT_REFCOUNTING(Request);
};

class Response : public CefResponse {
 public:
  bool IsReadOnly() override { return false; }
  int GetStatus() override;
  void SetStatus(int status) override;
  CefString GetStatusText() override;
  void SetStatusText(const CefString& statusText) override;
  CefString GetMimeType() override;
  void SetMimeType(const CefString& mimeType) override;
  CefString GetHeader(const CefString& name) override;
  void GetHeaderMap(HeaderMap& headerMap) override;
  void SetHeaderMap(const HeaderMap& headerMap) override;

 private:
  std::mutex lock_;
  int status_ = 0;
  CefString status_text_;
  CefString mime_type_;
  HeaderMap headers_;

  IMPLEMENT_REFCOUNTING(Response);
};

}  // namespace cef_internal
