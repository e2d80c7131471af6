#include "gtk/gui_thread.h"

#include <gtk/gtk.h>

#include <atomic>
#include <climits>

#include "gtk/gobject_ptr.h"
#include "user/message_retrieval.h"
#include "user/model.h"

namespace win32::internal::gtk {

namespace {

std::atomic<bool> g_claimed{false};
std::atomic<DWORD> g_gui_thread{0};
std::atomic<ThreadQueue*> g_gui_queue{nullptr};
int g_modal_depth = 0;  // GUI thread only

// Most posted messages one dispatch of the queue source handles, so GTK keeps its turn.
constexpr int kMessagesPerTurn = 64;

// The GUI thread's Win32 waits: one GLib iteration, woken by GLib's own wake-up on each Win32 wake.
class GlibWaiter : public OutsideWaiter {
 public:
  void Wake() override { g_main_context_wakeup(nullptr); }

  void Wait(std::unique_lock<std::mutex>& held, std::optional<Clock::time_point> until) override {
    SourcePtr deadline;
    if (until) {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now()).count();
      left = std::clamp<decltype(left)>(left, 0, INT_MAX);
      deadline.reset(g_timeout_source_new(static_cast<guint>(left)));
      g_source_set_callback(deadline.get(), [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; },
                            nullptr, nullptr);
      g_source_attach(deadline.get(), nullptr);
    }
    held.unlock();
    g_main_context_iteration(nullptr, TRUE);
    held.lock();
  }
};

GlibWaiter& TheWaiter() {
  static GlibWaiter* waiter = new GlibWaiter;
  return *waiter;
}

bool HasWork(gint* timeout) {
  ThreadQueue* queue = g_gui_queue.load();
  if (!queue) return false;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  if (!queue->incoming.empty()) return true;
  if (g_modal_depth == 0) return false;
  MSG ignored;
  if (TakeMessageLocked(model, *queue, MessageFilter{}, false, &ignored)) return true;
  if (timeout) {
    if (auto due = NextTimerDueLocked(*queue)) {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(*due - Clock::now()).count();
      *timeout = static_cast<gint>(std::clamp<decltype(left)>(left, 0, INT_MAX));
    }
  }
  return false;
}

void ServeQueue() {
  ThreadQueue* queue = g_gui_queue.load();
  if (!queue) return;
  {
    Model& model = TheModel();
    std::unique_lock<std::mutex> held(model.lock);
    ServeIncomingLocked(held, *queue);
  }
  if (g_modal_depth == 0) return;
  MSG msg;
  for (int turn = 0; turn < kMessagesPerTurn; ++turn) {
    // The quit message is left for the loop that owns the thread.
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_QUIT) return;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

GSourceFuncs g_queue_source_funcs = {
    [](GSource*, gint* timeout) -> gboolean {
      *timeout = -1;
      return HasWork(timeout);
    },
    [](GSource*) -> gboolean { return HasWork(nullptr); },
    [](GSource*, GSourceFunc, gpointer) -> gboolean {
      ServeQueue();
      return G_SOURCE_CONTINUE;
    },
    nullptr, nullptr, nullptr};

}  // namespace

bool AdoptGuiThread() {
  bool expected = false;
  if (!g_claimed.compare_exchange_strong(expected, true)) return false;
  // X11 where it is offered (XWayland too): window placement and global hot keys need it.
  gdk_set_allowed_backends("x11,*");
  if (!gtk_init_check(nullptr, nullptr)) return false;
  ThreadQueue& queue = CurrentQueue();
  // Lives as long as the process: the GUI thread is never given up.
  GSource* source = g_source_new(&g_queue_source_funcs, sizeof(GSource));
  g_source_attach(source, nullptr);
  g_source_unref(source);
  {
    Model& model = TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    queue.wake.set_outside(&TheWaiter());
  }
  g_gui_thread = queue.thread_id;
  g_gui_queue = &queue;
  return true;
}

bool OnGuiThread() {
  DWORD gui = g_gui_thread.load();
  return gui != 0 && gui == CurrentThreadIdValue();
}

bool RunOnGui(const std::function<void()>& fn) {
  if (OnGuiThread()) {
    fn();
    return true;
  }
  ThreadQueue* queue = g_gui_queue.load();
  if (!queue) return false;
  bool ran = false;
  RunOnQueue(queue, nullptr, [&]() -> LRESULT {
    fn();
    ran = true;
    return 0;
  });
  return ran;
}

void PostToGui(std::function<void()> fn) {
  // An idle source rather than g_main_context_invoke, which would run fn at once on the GUI
  // thread, possibly under the caller's lock.
  SourcePtr idle(g_idle_source_new());
  g_source_set_priority(idle.get(), G_PRIORITY_DEFAULT);
  g_source_set_callback(
      idle.get(),
      [](gpointer data) -> gboolean {
        (*static_cast<std::function<void()>*>(data))();
        return G_SOURCE_REMOVE;
      },
      new std::function<void()>(std::move(fn)),
      [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
  g_source_attach(idle.get(), nullptr);
  g_source_unref(idle.release());
}

ModalScope::ModalScope() { ++g_modal_depth; }

ModalScope::~ModalScope() { --g_modal_depth; }

}  // namespace win32::internal::gtk
