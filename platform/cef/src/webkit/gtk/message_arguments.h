// A process message's argument list as the GVariant that a WebKit user
// message carries ("av": null as "()", bool, int, double, string, nested
// lists as "av"). Used on both sides: the UI process and the web process.
#pragma once

#include <glib.h>

#include "include/cef_values.h"

namespace cef_internal {

// A floating reference to the new "av" value.
GVariant* ArgumentsToVariant(CefRefPtr<CefListValue> arguments);

// Fills |arguments| from |variant|. False for anything but "av" or nesting
// deeper than a message may carry; what was read so far stays in the list.
bool ArgumentsFromVariant(GVariant* variant, CefRefPtr<CefListValue> arguments);

}  // namespace cef_internal
