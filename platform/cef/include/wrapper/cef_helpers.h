// Thread checks for code that runs on the engine's threads.
#pragma once

#include "include/base/cef_logging.h"
#include "include/cef_task.h"

#define CEF_REQUIRE_UI_THREAD() DCHECK(CefCurrentlyOn(TID_UI))
#define CEF_REQUIRE_IO_THREAD() DCHECK(CefCurrentlyOn(TID_IO))
#define CEF_REQUIRE_FILE_THREAD() DCHECK(CefCurrentlyOn(TID_FILE))
#define CEF_REQUIRE_RENDERER_THREAD() DCHECK(CefCurrentlyOn(TID_RENDERER))
