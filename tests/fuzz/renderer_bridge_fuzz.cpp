// The renderer's side of the bridge: a page calling window.JsCallWindowsClient with any
// arguments, and "clientMsg" (or any other message) arriving with any argument list.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "cef/testing/renderer.h"
#include "include/cef_process_message.h"
#include "include/cef_v8.h"
#include "renderer/renderer_app.h"

namespace {

struct Renderer {
  cef::testing::RendererSession session{new CRendererApp};
  int browser = 0;
};

// One renderer for the whole run; its page is reloaded now and then by the input.
Renderer& Session() {
  static Renderer* renderer = [] {
    Renderer* made = new Renderer;
    made->browser = made->session.CreateBrowser();
    made->session.LoadDocument(made->browser, "http://game.example/micro/");
    return made;
  }();
  return *renderer;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

CefRefPtr<CefV8Value> MakeValue(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 6)) {
    case 0: return CefV8Value::CreateUndefined();
    case 1: return CefV8Value::CreateNull();
    case 2: return CefV8Value::CreateBool(input.ConsumeBool());
    case 3: return CefV8Value::CreateInt(input.ConsumeIntegral<int32>());
    case 4: return CefV8Value::CreateDouble(input.ConsumeFloatingPoint<double>());
    case 5: return CefV8Value::CreateObject();
    default: return CefV8Value::CreateString(input.ConsumeRandomLengthString(512));
  }
}

void CallPageFunction(Renderer& renderer, FuzzedDataProvider& input) {
  const size_t count = input.ConsumeIntegralInRange<size_t>(0, 12);
  CefV8ValueList arguments;
  for (size_t i = 0; i < count; ++i) arguments.push_back(MakeValue(input));
  const size_t sentBefore = renderer.session.MessagesToBrowserCount();
  cef::testing::PageCallResult result = renderer.session.CallGlobalFunction(
      renderer.browser, cef::testing::kMainFrame, "JsCallWindowsClient", arguments);
  const size_t sent = renderer.session.MessagesToBrowserCount() - sentBefore;
  // The page may have replaced the function; otherwise two or more arguments go on.
  if (result.exception.empty()) Require(sent == (count >= 2 ? 1u : 0u));
}

void DeliverMessage(Renderer& renderer, FuzzedDataProvider& input) {
  const std::string name = input.ConsumeBool() ? "clientMsg" : input.ConsumeRandomLengthString(16);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> arguments = message->GetArgumentList();
  const size_t count = input.ConsumeIntegralInRange<size_t>(0, 4);
  arguments->SetSize(count);
  for (size_t i = 0; i < count; ++i) {
    if (input.ConsumeBool())
      arguments->SetString(i, input.ConsumeRandomLengthString(1024));
    else
      arguments->SetInt(i, input.ConsumeIntegral<int>());
  }
  renderer.session.DeliverProcessMessage(renderer.browser, message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Renderer& renderer = Session();
  FuzzedDataProvider input(data, size);
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0: renderer.session.Reload(renderer.browser); break;
      case 1:
      case 2: CallPageFunction(renderer, input); break;
      default: DeliverMessage(renderer, input); break;
    }
  }
  return 0;
}
