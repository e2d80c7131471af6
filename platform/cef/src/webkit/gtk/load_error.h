// The engine's error code and text for a load WebKit reports as failed.
#pragma once

#include <glib.h>

#include <string>

#include "include/internal/cef_types.h"

namespace cef_internal {

struct LoadError {
  cef_errorcode_t code;
  std::string text;  // the code's name, "net::ERR_..."
};

// Cancelled loads and loads a policy decision interrupted (a download, an
// ignored navigation) are ERR_ABORTED. NULL reads as a plain failure.
LoadError LoadErrorOf(const GError* error);

}  // namespace cef_internal
