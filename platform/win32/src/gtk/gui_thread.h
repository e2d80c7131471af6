// The one thread that runs GTK: the thread that adopted the desktop. Its Win32 waits iterate
// GLib's default main context, and a GLib source serves the Win32 messages sent to it, so
// nested GTK loops (dialogs, menus) keep answering other threads.
#pragma once

#include <functional>

namespace win32::internal::gtk {

// Adopts the calling thread and initialises GTK on it. False when a thread was adopted before
// or GTK cannot open the display.
bool AdoptGuiThread();

bool OnGuiThread();

// Runs fn on the GUI thread and waits for it, serving the caller's own sent messages meanwhile.
// False, without running fn, when no GUI thread is serving.
bool RunOnGui(const std::function<void()>& fn);

// Queues fn for the GUI thread and returns at once. Any thread, the model's lock may be held.
void PostToGui(std::function<void()> fn);

// GUI thread: while one lives, the thread's posted Win32 messages are dispatched from GLib too,
// as a modal loop of Win32 does.
class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};

}  // namespace win32::internal::gtk
