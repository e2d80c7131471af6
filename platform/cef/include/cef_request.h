// A resource request as the engine sees it.
#pragma once

#include <map>

#include "include/cef_base.h"

class CefRequest : public virtual CefBase {
 public:
  typedef std::multimap<CefString, CefString> HeaderMap;
  typedef cef_resource_type_t ResourceType;
  typedef cef_transition_type_t TransitionType;

  static CefRefPtr<CefRequest> Create();

  virtual bool IsReadOnly() = 0;
  virtual CefString GetURL() = 0;
  virtual void SetURL(const CefString& url) = 0;
  virtual CefString GetMethod() = 0;
  virtual void SetMethod(const CefString& method) = 0;
  virtual void GetHeaderMap(HeaderMap& headerMap) = 0;
  virtual void SetHeaderMap(const HeaderMap& headerMap) = 0;
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual CefString GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const CefString& url) = 0;
  virtual ResourceType GetResourceType() = 0;
  virtual TransitionType GetTransitionType() = 0;
  virtual uint64 GetIdentifier() = 0;
};
