// The transition type a load starts with, from what WebKit says of the
// navigation that asked for it.
#pragma once

#include <webkit2/webkit2.h>

#include "include/internal/cef_types.h"

namespace cef_internal {

struct NavigationFacts {
  WebKitNavigationType type = WEBKIT_NAVIGATION_TYPE_OTHER;
  bool redirect = false;
  bool user_gesture = false;
  // The load was asked for by the client (LoadURL, the first address), not the page.
  bool requested_by_client = false;
};

cef_transition_type_t TransitionOf(const NavigationFacts& facts);

}  // namespace cef_internal
