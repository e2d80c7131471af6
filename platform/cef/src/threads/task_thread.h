// The engine's named threads. Each running thread registers itself under its
// CefThreadId; CefPostTask and CefCurrentlyOn look it up here.
#pragma once

#include <memory>

#include "include/cef_task.h"

namespace cef_internal {

class TaskThread {
 public:
  virtual ~TaskThread() = default;
  // False when the thread no longer takes tasks.
  virtual bool Post(CefRefPtr<CefTask> task, int64 delay_ms) = 0;
  virtual bool BelongsToCurrentThread() const = 0;
};

// Registers |thread| under |id|, replacing any other; NULL unregisters.
void RegisterTaskThread(CefThreadId id, std::shared_ptr<TaskThread> thread);
std::shared_ptr<TaskThread> FindTaskThread(CefThreadId id);

}  // namespace cef_internal
