// The one queue through which everything this process hands to the desktop's handlers goes.
#pragma once

#include "gtk/launch_queue.h"

namespace win32::internal::gtk {

// Launches through GIO's default handler for the address's scheme; no shell is involved.
LaunchQueue& SystemLaunches();

}  // namespace win32::internal::gtk
