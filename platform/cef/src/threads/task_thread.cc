#include "src/threads/task_thread.h"

#include <map>
#include <mutex>

namespace cef_internal {

namespace {

struct Registry {
  std::mutex lock;
  std::map<CefThreadId, std::shared_ptr<TaskThread>> threads;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

class TaskRunner : public CefTaskRunner {
 public:
  explicit TaskRunner(CefThreadId id) : id_(id) {}

  bool IsSame(CefRefPtr<CefTaskRunner> that) override {
    TaskRunner* other = dynamic_cast<TaskRunner*>(that.get());
    return other && other->id_ == id_;
  }
  bool BelongsToCurrentThread() override { return CefCurrentlyOn(id_); }
  bool BelongsToThread(CefThreadId threadId) override { return threadId == id_; }
  bool PostTask(CefRefPtr<CefTask> task) override { return CefPostTask(id_, task); }
  bool PostDelayedTask(CefRefPtr<CefTask> task, int64 delay_ms) override {
    return CefPostDelayedTask(id_, task, delay_ms);
  }

 private:
  const CefThreadId id_;

  IMPLEMENT_REFCOUNTING(TaskRunner);
};

}  // namespace

void RegisterTaskThread(CefThreadId id, std::shared_ptr<TaskThread> thread) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> held(registry.lock);
  if (thread)
    registry.threads[id] = std::move(thread);
  else
    registry.threads.erase(id);
}

std::shared_ptr<TaskThread> FindTaskThread(CefThreadId id) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> held(registry.lock);
  auto found = registry.threads.find(id);
  return found == registry.threads.end() ? nullptr : found->second;
}

}  // namespace cef_internal

bool CefCurrentlyOn(CefThreadId threadId) {
  std::shared_ptr<cef_internal::TaskThread> thread = cef_internal::FindTaskThread(threadId);
  return thread && thread->BelongsToCurrentThread();
}

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) { return CefPostDelayedTask(threadId, task, 0); }

bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, int64 delay_ms) {
  if (!task)
    return false;
  std::shared_ptr<cef_internal::TaskThread> thread = cef_internal::FindTaskThread(threadId);
  return thread && thread->Post(task, delay_ms < 0 ? 0 : delay_ms);
}

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForThread(CefThreadId threadId) {
  return new cef_internal::TaskRunner(threadId);
}

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForCurrentThread() {
  static const CefThreadId kThreads[] = {TID_UI,    TID_DB, TID_FILE, TID_FILE_USER_BLOCKING, TID_PROCESS_LAUNCHER,
                                         TID_CACHE, TID_IO, TID_RENDERER};
  for (CefThreadId id : kThreads) {
    if (CefCurrentlyOn(id))
      return new cef_internal::TaskRunner(id);
  }
  return NULL;
}
