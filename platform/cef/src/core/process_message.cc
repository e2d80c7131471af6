#include "src/core/process_message.h"

namespace cef_internal {

ProcessMessage::ProcessMessage(const std::u16string& name, CefRefPtr<ListValue> arguments)
    : name_(name), arguments_(arguments) {
  arguments_->SetOwned();
}

// A caller may still hold the argument list; it outlives the message as invalid.
ProcessMessage::~ProcessMessage() { arguments_->Invalidate(); }

void ProcessMessage::SetReadOnly() {
  read_only_ = true;
  arguments_->SetReadOnly();
}

CefRefPtr<CefProcessMessage> ProcessMessage::Copy() {
  CefRefPtr<CefListValue> arguments = arguments_->Copy();
  return new ProcessMessage(name_, static_cast<ListValue*>(arguments.get()));
}

}  // namespace cef_internal

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  return new cef_internal::ProcessMessage(name.ToString16(), new cef_internal::ListValue());
}
