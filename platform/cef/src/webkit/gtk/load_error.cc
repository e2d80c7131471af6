#include "src/webkit/gtk/load_error.h"

#include <gio/gio.h>
#include <webkit2/webkit2.h>

namespace cef_internal {

namespace {

LoadError Named(cef_errorcode_t code) {
  switch (code) {
    case ERR_ABORTED: return {code, "net::ERR_ABORTED"};
    case ERR_FILE_NOT_FOUND: return {code, "net::ERR_FILE_NOT_FOUND"};
    case ERR_TIMED_OUT: return {code, "net::ERR_TIMED_OUT"};
    case ERR_CONNECTION_REFUSED: return {code, "net::ERR_CONNECTION_REFUSED"};
    case ERR_CONNECTION_RESET: return {code, "net::ERR_CONNECTION_RESET"};
    case ERR_CONNECTION_CLOSED: return {code, "net::ERR_CONNECTION_CLOSED"};
    case ERR_NAME_NOT_RESOLVED: return {code, "net::ERR_NAME_NOT_RESOLVED"};
    case ERR_ADDRESS_UNREACHABLE: return {code, "net::ERR_ADDRESS_UNREACHABLE"};
    case ERR_INTERNET_DISCONNECTED: return {code, "net::ERR_INTERNET_DISCONNECTED"};
    case ERR_SSL_PROTOCOL_ERROR: return {code, "net::ERR_SSL_PROTOCOL_ERROR"};
    case ERR_CERT_INVALID: return {code, "net::ERR_CERT_INVALID"};
    case ERR_UNKNOWN_URL_SCHEME: return {code, "net::ERR_UNKNOWN_URL_SCHEME"};
    case ERR_UNSAFE_PORT: return {code, "net::ERR_UNSAFE_PORT"};
    case ERR_EMPTY_RESPONSE: return {code, "net::ERR_EMPTY_RESPONSE"};
    default: return {ERR_FAILED, "net::ERR_FAILED"};
  }
}

cef_errorcode_t WebKitNetworkCode(int code) {
  switch (code) {
    case WEBKIT_NETWORK_ERROR_CANCELLED: return ERR_ABORTED;
    case WEBKIT_NETWORK_ERROR_FILE_DOES_NOT_EXIST: return ERR_FILE_NOT_FOUND;
    case WEBKIT_NETWORK_ERROR_UNKNOWN_PROTOCOL: return ERR_UNKNOWN_URL_SCHEME;
    default: return ERR_FAILED;
  }
}

cef_errorcode_t WebKitPolicyCode(int code) {
  switch (code) {
    case WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE: return ERR_ABORTED;
    case WEBKIT_POLICY_ERROR_CANNOT_USE_RESTRICTED_PORT: return ERR_UNSAFE_PORT;
    default: return ERR_FAILED;
  }
}

cef_errorcode_t IoCode(int code) {
  switch (code) {
    case G_IO_ERROR_CANCELLED: return ERR_ABORTED;
    case G_IO_ERROR_CONNECTION_REFUSED: return ERR_CONNECTION_REFUSED;
    case G_IO_ERROR_TIMED_OUT: return ERR_TIMED_OUT;
    case G_IO_ERROR_HOST_UNREACHABLE: return ERR_ADDRESS_UNREACHABLE;
    case G_IO_ERROR_NETWORK_UNREACHABLE: return ERR_INTERNET_DISCONNECTED;
    case G_IO_ERROR_CONNECTION_CLOSED: return ERR_CONNECTION_CLOSED;
    case G_IO_ERROR_NOT_FOUND: return ERR_FILE_NOT_FOUND;
    default: return ERR_FAILED;
  }
}

}  // namespace

LoadError LoadErrorOf(const GError* error) {
  if (!error)
    return Named(ERR_FAILED);
  if (error->domain == WEBKIT_NETWORK_ERROR)
    return Named(WebKitNetworkCode(error->code));
  if (error->domain == WEBKIT_POLICY_ERROR)
    return Named(WebKitPolicyCode(error->code));
  if (error->domain == WEBKIT_PLUGIN_ERROR && error->code == WEBKIT_PLUGIN_ERROR_WILL_HANDLE_LOAD)
    return Named(ERR_ABORTED);
  if (error->domain == G_IO_ERROR)
    return Named(IoCode(error->code));
  if (error->domain == G_RESOLVER_ERROR)
    return Named(ERR_NAME_NOT_RESOLVED);
  if (error->domain == G_TLS_ERROR)
    return Named(ERR_SSL_PROTOCOL_ERROR);
  return Named(ERR_FAILED);
}

}  // namespace cef_internal
