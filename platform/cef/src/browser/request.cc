#include "src/browser/request.h"

#include <atomic>

namespace cef_internal {

Request::Request(const CefString& url, ResourceType resource_type, TransitionType transition_type)
    : url_(url), resource_type_(resource_type), transition_type_(transition_type) {}

uint64 Request::NextIdentifier() {
  static std::atomic<uint64> next{1};
  return next++;
}

CefString Request::GetURL() {
  std::lock_guard<std::mutex> held(lock_);
  return url_;
}

void Request::SetURL(const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  url_ = url;
}

CefString Request::GetMethod() {
  std::lock_guard<std::mutex> held(lock_);
  return method_;
}

void Request::SetMethod(const CefString& method) {
  std::lock_guard<std::mutex> held(lock_);
  method_ = method;
}

void Request::GetHeaderMap(HeaderMap& headerMap) {
  std::lock_guard<std::mutex> held(lock_);
  headerMap = headers_;
}

void Request::SetHeaderMap(const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> held(lock_);
  headers_ = headerMap;
}

int Request::GetFlags() {
  std::lock_guard<std::mutex> held(lock_);
  return flags_;
}

void Request::SetFlags(int flags) {
  std::lock_guard<std::mutex> held(lock_);
  flags_ = flags;
}

CefString Request::GetFirstPartyForCookies() {
  std::lock_guard<std::mutex> held(lock_);
  return first_party_;
}

void Request::SetFirstPartyForCookies(const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  first_party_ = url;
}

int Response::GetStatus() {
  std::lock_guard<std::mutex> held(lock_);
  return status_;
}

void Response::SetStatus(int status) {
  std::lock_guard<std::mutex> held(lock_);
  status_ = status;
}

CefString Response::GetStatusText() {
  std::lock_guard<std::mutex> held(lock_);
  return status_text_;
}

void Response::SetStatusText(const CefString& statusText) {
  std::lock_guard<std::mutex> held(lock_);
  status_text_ = statusText;
}

CefString Response::GetMimeType() {
  std::lock_guard<std::mutex> held(lock_);
  return mime_type_;
}

void Response::SetMimeType(const CefString& mimeType) {
  std::lock_guard<std::mutex> held(lock_);
  mime_type_ = mimeType;
}

CefString Response::GetHeader(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  auto found = headers_.find(name);
  return found == headers_.end() ? CefString() : found->second;
}

void Response::GetHeaderMap(HeaderMap& headerMap) {
  std::lock_guard<std::mutex> held(lock_);
  headerMap = headers_;
}

void Response::SetHeaderMap(const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> held(lock_);
  headers_ = headerMap;
}

}  // namespace cef_internal

CefRefPtr<CefRequest> CefRequest::Create() { return new cef_internal::Request(); }

CefRefPtr<CefResponse> CefResponse::Create() { return new cef_internal::Response(); }
