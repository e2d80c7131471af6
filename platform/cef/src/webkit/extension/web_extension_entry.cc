// WebKit's web process loads this library and calls its entry once, before
// any page exists. The renderer enters the program as the engine's
// sub-processes do: through WinMain, with the "type" switch set to "renderer".
#include <windows.h>

#include <webkit2/webkit-web-extension.h>

#include <string>

#include "kernel/process_state.h"
#include "src/core/command_line_quote.h"
#include "src/webkit/extension/web_process_renderer.h"
#include "src/webkit/web_process_entry.h"

extern "C" G_MODULE_EXPORT void webkit_web_extension_initialize_with_user_data(WebKitWebExtension* extension,
                                                                               GVariant* user_data) {
  const char* program =
      user_data && g_variant_is_of_type(user_data, G_VARIANT_TYPE_STRING) ? g_variant_get_string(user_data, nullptr) : "";
  cef_internal::UseWebExtension(extension);
  cef_internal::SetWebProcessRenderer(&cef_internal::ServeRendererInWebProcess);
  static char arguments[] = "--type=renderer";
  const CefString quoted = cef_internal::QuoteArgument(CefString(program).ToString16());
  win32::internal::SetProcessCommandLine(quoted.ToWString() + L" --type=renderer");
  WinMain(GetModuleHandleW(nullptr), nullptr, arguments, SW_HIDE);
}
