// Picking the next message of a thread's queue in Win32's order: posted messages first, then
// the quit message, then WM_PAINT for a window that needs painting, then due timers.
#pragma once

#include "user/model.h"

#include <optional>

namespace win32::internal {

struct MessageFilter {
  HWND hwnd = nullptr;  // null: any; (HWND)-1: thread messages only
  UINT min = 0;
  UINT max = 0;
};

// Lock held. Fills msg with the next message that passes the filter; removes it when remove is
// set. False when nothing is ready.
bool TakeMessageLocked(Model& model, ThreadQueue& queue, const MessageFilter& filter, bool remove,
                       MSG* msg);

// Lock held. When the next timer of the queue falls due; empty without timers.
std::optional<Clock::time_point> NextTimerDueLocked(const ThreadQueue& queue);

}  // namespace win32::internal
