// A page's call of a function of its frame's global object, as the scripted
// engine runs it. Render thread.
#pragma once

#include "include/cef_v8.h"
#include "src/renderer/renderer_session.h"

namespace cef_internal {

// What the page's `window[name](arguments...)` in frame |frame_name| of
// browser |browser_id| ("" names the main frame) gives: the value, or NULL
// with |exception| set when the call threw, the frame has no document or
// there is no such function.
CefRefPtr<CefV8Value> CallPageFunction(RendererSession& session, int browser_id,
                                       const CefString& frame_name, const CefString& name,
                                       const CefV8ValueList& arguments, CefString* exception);

}  // namespace cef_internal
