// Handing web addresses to the desktop's default browser.
#pragma once

#include <string>

#include "gtk/launch_queue.h"
#include "gtk/system_launches.h"

namespace win32::internal::gtk {

// An http or https address of bounded length without spaces or control characters.
bool IsWebAddress(const std::wstring& text);

// Any thread; returns at once. False when |address| is no web address or |launches| refused it.
bool OpenWebAddress(const std::wstring& address, LaunchQueue& launches = SystemLaunches());

}  // namespace win32::internal::gtk
