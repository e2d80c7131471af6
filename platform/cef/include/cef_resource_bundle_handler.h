// Supplies localized strings and data resources instead of the engine's packs.
// Called on multiple threads.
#pragma once

#include "include/cef_base.h"

class CefResourceBundleHandler : public virtual CefBase {
 public:
  virtual bool GetLocalizedString(int message_id, CefString& string) = 0;
  virtual bool GetDataResource(int resource_id, void*& data, size_t& data_size) = 0;
};
