// Tasks and the engine's named threads.
#pragma once

#include "include/cef_base.h"

typedef cef_thread_id_t CefThreadId;

class CefTask : public virtual CefBase {
 public:
  // Runs on the thread the task was posted to.
  virtual void Execute() = 0;
};

class CefTaskRunner : public virtual CefBase {
 public:
  static CefRefPtr<CefTaskRunner> GetForCurrentThread();
  static CefRefPtr<CefTaskRunner> GetForThread(CefThreadId threadId);

  virtual bool IsSame(CefRefPtr<CefTaskRunner> that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(CefThreadId threadId) = 0;
  virtual bool PostTask(CefRefPtr<CefTask> task) = 0;
  virtual bool PostDelayedTask(CefRefPtr<CefTask> task, int64 delay_ms) = 0;
};

bool CefCurrentlyOn(CefThreadId threadId);
// False when the thread is not running (the task is then dropped).
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task);
bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, int64 delay_ms);
