// CefProcessMessage: a name and an argument list; read-only once sent.
#pragma once

#include <atomic>
#include <string>

#include "include/cef_process_message.h"
#include "src/core/list_value.h"

namespace cef_internal {

class ProcessMessage : public CefProcessMessage {
 public:
  ProcessMessage(const std::u16string& name, CefRefPtr<ListValue> arguments);
  ~ProcessMessage() override;

  // Called when the message is sent: neither side may change it any more.
  void SetReadOnly();

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return read_only_; }
  CefRefPtr<CefProcessMessage> Copy() override;
  CefString GetName() override { return name_; }
  CefRefPtr<CefListValue> GetArgumentList() override { return arguments_.get(); }

 private:
  const std::u16string name_;
  CefRefPtr<ListValue> arguments_;
  std::atomic<bool> read_only_{false};

  IMPLEMENT_REFCOUNTING(ProcessMessage);
};

}  // namespace cef_internal
