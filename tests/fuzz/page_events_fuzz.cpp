// What a game page can hand the game window: load starts (page commands under "app:"), title
// changes and "jsCallMsg" requests with any arguments. The window is never shown; its page
// events arrive through the browser's client object on the engine's UI thread, as in the
// program.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "browser/browser_handler.h"
#include "cef/testing/engine.h"
#include "cef/testing/page.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_process_message.h"
#include "windows/main_wnd.h"

namespace {

// A windowless browser whose client forwards to |events|. UI thread.
CefRefPtr<CefBrowser> OpenBrowser(ICefBrowserHandler* events) {
  CefRefPtr<CBrowserHandler> handler = new CBrowserHandler();
  handler->SetOwner(NULL, events);
  CefWindowInfo info;
  info.SetAsWindowless(NULL, false);
  return CefBrowserHost::CreateBrowserSync(info, handler.get(), "", CefBrowserSettings(), NULL);
}

// The window lives for the whole run: its native window is never made, so nothing would
// delete it.
CefRefPtr<CefBrowser> GamePage() {
  static CefRefPtr<CefBrowser> page = [] {
    CefSettings settings;
    settings.no_sandbox = true;
    settings.multi_threaded_message_loop = true;
    if (!CefInitialize(CefMainArgs(), settings, NULL, NULL)) std::abort();
    cef::testing::HoldLoads(true);
    static CMainWnd* game = new CMainWnd();
    CefRefPtr<CefBrowser> opened;
    cef::testing::RunOnUiThread([&] { opened = OpenBrowser(game); });
    if (!opened) std::abort();
    return opened;
  }();
  return page;
}

// Requests are lists of strings; a name other than "jsCallMsg" must be left alone.
CefRefPtr<CefProcessMessage> MakeMessage(FuzzedDataProvider& input) {
  const std::string name = input.ConsumeBool() ? "jsCallMsg" : input.ConsumeRandomLengthString(16);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> arguments = message->GetArgumentList();
  const size_t count = input.ConsumeIntegralInRange<size_t>(0, 8);
  arguments->SetSize(count);
  for (size_t i = 0; i < count; ++i) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0: arguments->SetString(i, input.ConsumeBool() ? "PayUrl" : "Share"); break;
      case 1: arguments->SetInt(i, input.ConsumeIntegral<int>()); break;
      case 2: arguments->SetNull(i); break;
      default: arguments->SetString(i, input.ConsumeRandomLengthString(256)); break;
    }
  }
  return message;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CefRefPtr<CefBrowser> game = GamePage();
  FuzzedDataProvider input(data, size);
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        cef::testing::PageLoad load;
        load.url = input.ConsumeBool() ? "app:" + input.ConsumeRandomLengthString(512)
                                       : input.ConsumeRandomLengthString(512);
        load.transition = input.ConsumeBool() ? TT_LINK : TT_EXPLICIT;
        cef::testing::LoadPage(game, load);
        break;
      }
      case 1:
        cef::testing::ChangeTitle(game, input.ConsumeRandomLengthString(1024));
        break;
      default:
        cef::testing::SendToBrowser(game, MakeMessage(input));
        break;
    }
  }
  return 0;
}
