#include "src/webkit/gtk/transition.h"

namespace cef_internal {

// A page's script that moves the document without the player's hand is a
// client redirect; with it, the script acts for a link.
cef_transition_type_t TransitionOf(const NavigationFacts& facts) {
  int transition = TT_LINK;
  switch (facts.type) {
    case WEBKIT_NAVIGATION_TYPE_LINK_CLICKED:
      transition = TT_LINK;
      break;
    case WEBKIT_NAVIGATION_TYPE_FORM_SUBMITTED:
    case WEBKIT_NAVIGATION_TYPE_FORM_RESUBMITTED:
      transition = TT_FORM_SUBMIT;
      break;
    case WEBKIT_NAVIGATION_TYPE_BACK_FORWARD:
      transition = TT_EXPLICIT | TT_FORWARD_BACK_FLAG;
      break;
    case WEBKIT_NAVIGATION_TYPE_RELOAD:
      transition = TT_RELOAD;
      break;
    case WEBKIT_NAVIGATION_TYPE_OTHER:
      if (facts.requested_by_client)
        transition = TT_EXPLICIT;
      else if (!facts.user_gesture)
        transition = TT_LINK | TT_CLIENT_REDIRECT_FLAG;
      break;
  }
  if (facts.redirect)
    transition |= TT_SERVER_REDIRECT_FLAG;
  return static_cast<cef_transition_type_t>(transition);
}

}  // namespace cef_internal
