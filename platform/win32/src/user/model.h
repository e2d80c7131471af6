// The window and message model shared by every thread of the process. One lock guards it;
// window procedures are always called with the lock released.
#pragma once

#include <windows.h>

#include "user/queue_wake.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace win32::internal {

using Clock = std::chrono::steady_clock;

struct ThreadQueue;

// A message sent to a window of another thread, or a function run on that thread.
struct SentMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  std::function<LRESULT()> task;  // set instead of a window message
  LRESULT result = 0;
  bool done = false;
  ThreadQueue* sender = nullptr;
};

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  std::chrono::milliseconds interval;
  Clock::time_point due;
  void* proc;
};

struct ThreadQueue {
  DWORD thread_id = 0;
  bool alive = true;
  std::deque<MSG> posted;
  std::deque<std::shared_ptr<SentMessage>> incoming;
  bool quit_posted = false;
  int quit_code = 0;
  std::vector<Timer> timers;
  QueueWake wake;
};

struct WindowClass {
  std::wstring name;
  WNDCLASSEXW info{};
  std::wstring menu_name;
};

struct Window {
  HWND handle = nullptr;
  std::wstring class_name;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  std::wstring text;
  DWORD style = 0;
  DWORD ex_style = 0;
  LONG_PTR user_data = 0;
  HMENU menu = nullptr;
  RECT rect{};          // screen coordinates, or the parent's client coordinates for a child
  RECT normal_rect{};   // where a restored window goes
  RECT client_inset{};  // distance of the client area from each window edge
  bool was_maximized = false;      // minimised from the maximised state
  bool hidden_by_owner = false;    // hidden because its owner was minimised
  HWND parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;
  ThreadQueue* queue = nullptr;
  DWORD thread_id = 0;
  bool destroying = false;
  bool needs_paint = false;
  RECT invalid{};
  HICON icon_big = nullptr;
  HICON icon_small = nullptr;
};

struct HotKey {
  HWND hwnd;
  DWORD thread_id;  // receives WM_HOTKEY when hwnd is null
  int id;
  UINT modifiers;  // without MOD_NOREPEAT
  UINT virtual_key;
};

struct TrayIcon {
  HWND hwnd;
  UINT id;
  UINT callback_message;
  HICON icon;
  std::wstring tip;
};

struct Model {
  std::mutex lock;
  std::map<HWND, std::unique_ptr<Window>> windows;
  std::map<std::wstring, WindowClass> classes;  // keyed by lower-case name
  std::map<DWORD, ThreadQueue*> queues;
  std::vector<std::unique_ptr<ThreadQueue>> ended_queues;  // of threads that have ended
  uintptr_t next_handle = 0x10010;
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND capture = nullptr;
  std::vector<HotKey> hot_keys;      // desktop-wide
  std::vector<TrayIcon> tray_icons;  // the notification area
};

// The calling thread's id: small, unique, never reused during the process.
DWORD CurrentThreadIdValue();

// The process-wide model; never destroyed, so threads ending late still find it.
Model& TheModel();

// The calling thread's queue, created on first use.
ThreadQueue& CurrentQueue();

// Lock held. Null when the handle names no live window.
Window* FindWindowLocked(Model& model, HWND hwnd);

// Calls the window's procedure on the calling thread (the lock must not be held).
LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Runs fn on the thread that owns the queue and waits, serving the caller's own incoming sends
// meanwhile. Returns 0 at once when that thread has ended.
LRESULT RunOnQueue(ThreadQueue* queue, HWND hwnd, std::function<LRESULT()> fn);

// Lock held: pushes a posted message and wakes the owning thread.
void PostLocked(ThreadQueue& queue, const MSG& msg);

// Serves pending incoming sends of the calling thread's queue. The lock is held on entry and
// exit and released around each procedure call.
void ServeIncomingLocked(std::unique_lock<std::mutex>& held, ThreadQueue& queue);

// Lock held: own WS_VISIBLE and every parent's.
bool IsVisibleLocked(Model& model, const Window* window);

// Lock held: removes every trace of a destroyed window from the model.
void ForgetWindowLocked(Model& model, HWND hwnd);

std::wstring Lower(const std::wstring& text);

}  // namespace win32::internal
