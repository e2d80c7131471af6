#include "renderer/browser_v8_handler.h"

#include "include/cef_process_message.h"

CBrowserV8Handler::CBrowserV8Handler() : m_refCount(0) {}

CBrowserV8Handler::~CBrowserV8Handler() {}

bool CBrowserV8Handler::Execute(const CefString& name, CefRefPtr<CefV8Value> object,
                                const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
                                CefString& exception) {
  if (name != "JsCallWindowsClient")
    return false;

  const int count = static_cast<int>(arguments.size());
  if (count < 2)
    return true;

  // The page's answer only says the request was handed on.
  retval = CefV8Value::CreateString("ReceiveOk");

  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("jsCallMsg");
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetSize(count);
  for (int i = 0; i < count; ++i)
    args->SetString(i, arguments[i]->GetStringValue());

  CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
  context->GetBrowser()->SendProcessMessage(PID_BROWSER, message);
  return true;
}

void CBrowserV8Handler::AddRef() const { InterlockedIncrement(&m_refCount); }

bool CBrowserV8Handler::Release() const {
  if (InterlockedDecrement(&m_refCount) == 0) {
    delete this;
    return true;
  }
  return false;
}

bool CBrowserV8Handler::HasOneRef() const { return m_refCount == 1; }
