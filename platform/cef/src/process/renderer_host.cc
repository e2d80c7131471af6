#include "src/process/renderer_host.h"

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>

#include "include/cef_task.h"
#include "src/process/renderer_host_launch.h"
#include "src/renderer/renderer_connection.h"

namespace cef_internal {

namespace {

// Messages from the renderer wait for the UI thread within these bounds;
// beyond them the renderer is read no further until the UI thread catches
// up, so a flooding page is slowed instead of filling memory.
const size_t kMaxPendingMessages = 4096;
const size_t kMaxPendingBytes = 64 << 20;

// How long Stop waits for a released renderer before cutting it off.
const auto kReleaseGrace = std::chrono::seconds(10);

class FunctionTask : public CefTask {
 public:
  FunctionTask(std::function<void()> run, std::function<void()> done)
      : run_(std::move(run)), done_(std::move(done)) {}
  // Runs whether the task ran or was dropped by a stopping thread.
  ~FunctionTask() override {
    if (done_)
      done_();
  }
  void Execute() override { run_(); }

 private:
  std::function<void()> run_;
  std::function<void()> done_;

  IMPLEMENT_REFCOUNTING(FunctionTask);
};

}  // namespace

std::shared_ptr<RendererHost> RendererHost::Start(const std::string& executable,
                                                  CefRefPtr<CefApp> app) {
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
    return nullptr;
  std::shared_ptr<RendererHost> host(new RendererHost);
  host->socket_.reset(new RecordSocket(fds[0]));
  if (executable.empty()) {
    host->in_process_ = std::thread(
        [host = host.get(), fd = fds[1], app] { host->in_process_exit_code_ = RunRendererConnection(fd, app); });
    host->connected_ = true;
    host->launched_ = true;
  }
  // The child is launched from the reader thread, which lives as long as it.
  host->reader_ = std::thread(&RendererHost::ReadLoop, host.get(), executable, fds[1]);
  std::unique_lock<std::mutex> held(host->lock_);
  host->changed_.wait(held, [&] { return host->launched_; });
  if (!host->connected_) {
    held.unlock();
    host->reader_.join();
    return nullptr;
  }
  return host;
}

RendererHost::~RendererHost() {
  Stop();
}

void RendererHost::ReadLoop(std::string executable, int child_fd) {
  if (!executable.empty()) {
    const pid_t pid = LaunchRendererProcess(executable, child_fd);
    close(child_fd);
    std::lock_guard<std::mutex> held(lock_);
    pid_ = pid > 0 ? pid : 0;
    connected_ = pid > 0;
    launched_ = true;
    changed_.notify_all();
    if (!connected_) {
      ended_ = true;
      return;
    }
  }
  std::string bytes;
  while (socket_->Read(&bytes) == RecordSocket::ReadStatus::kRecord) {
    ProcessRecord record;
    if (!DecodeRecord(bytes, &record))
      break;
    if (record.kind == RecordKind::kProcessMessage)
      DeliverLater(record, bytes.size());
    else if (record.kind == RecordKind::kPageAnswer)
      Answer(record);
  }
  socket_->Shutdown();
  {
    std::lock_guard<std::mutex> held(lock_);
    connected_ = false;
    changed_.notify_all();
  }
  int exit_code;
  if (in_process_.joinable()) {
    in_process_.join();
    exit_code = in_process_exit_code_;
  } else {
    exit_code = ReapRendererProcess(pid_);
  }
  std::lock_guard<std::mutex> held(lock_);
  exit_code_ = exit_code;
  ended_ = true;
  changed_.notify_all();
}

void RendererHost::DeliverLater(const ProcessRecord& record, size_t bytes) {
  {
    std::unique_lock<std::mutex> held(lock_);
    changed_.wait(held, [&] {
      return stopping_ || pending_messages_ == 0 ||
             (pending_messages_ < kMaxPendingMessages &&
              pending_bytes_ + bytes <= kMaxPendingBytes);
    });
    ++pending_messages_;
    pending_bytes_ += bytes;
  }
  std::shared_ptr<RendererHost> self = shared_from_this();
  const int browser_id = record.browser_id;
  CefRefPtr<CefProcessMessage> message = record.message;
  CefPostTask(TID_UI, new FunctionTask([browser_id, message] { DeliverToBrowser(browser_id, message); },
                                       [self, bytes] { self->Delivered(bytes); }));
}

void RendererHost::Delivered(size_t bytes) {
  std::lock_guard<std::mutex> held(lock_);
  --pending_messages_;
  pending_bytes_ -= bytes;
  changed_.notify_all();
}

void RendererHost::Answer(const ProcessRecord& record) {
  std::lock_guard<std::mutex> held(lock_);
  auto it = answers_.find(record.call_id);
  if (it == answers_.end() || it->second)
    return;
  it->second.reset(new ProcessRecord(record));
  changed_.notify_all();
}

void RendererHost::Send(const ProcessRecord& record) {
  {
    std::lock_guard<std::mutex> held(lock_);
    if (!connected_)
      return;
  }
  socket_->Write(EncodeRecord(record));
}

void RendererHost::Deliver(int browser_id, CefRefPtr<CefProcessMessage> message) {
  ProcessRecord record;
  record.kind = RecordKind::kProcessMessage;
  record.browser_id = browser_id;
  record.message = message;
  Send(record);
}

namespace {

std::vector<PageAnswer> Failed(int count, const CefString& reason) {
  std::vector<PageAnswer> answers(count);
  for (PageAnswer& answer : answers)
    answer.exception = reason;
  return answers;
}

}  // namespace

std::unique_ptr<ProcessRecord> RendererHost::Exchange(ProcessRecord call, CefString* failure) {
  {
    std::lock_guard<std::mutex> held(lock_);
    call.call_id = next_call_id_++;
    answers_[call.call_id];
  }
  const std::string bytes = EncodeRecord(call);
  if (bytes.size() > RecordSocket::kMaxRecordBytes)
    *failure = "RangeError: the call's arguments are too large";
  else if (!socket_->Write(bytes))
    *failure = "Error: the renderer cannot be reached";
  std::unique_lock<std::mutex> held(lock_);
  if (failure->empty())
    changed_.wait(held, [&] { return !connected_ || answers_[call.call_id]; });
  std::unique_ptr<ProcessRecord> answer = std::move(answers_[call.call_id]);
  answers_.erase(call.call_id);
  if (!answer && failure->empty())
    *failure = "Error: the renderer cannot be reached";
  return answer;
}

std::vector<PageAnswer> RendererHost::CallPage(int browser_id, const CefString& frame_name,
                                               const CefString& name,
                                               const CefV8ValueList& arguments, int repeat) {
  const int count = repeat > 0 ? repeat : 0;
  if (CefCurrentlyOn(TID_UI))
    return Failed(count, "Error: page calls are not made from the UI thread");
  ProcessRecord call;
  call.kind = RecordKind::kPageCall;
  call.browser_id = browser_id;
  call.repeat = count;
  call.frame_name = frame_name;
  call.text = name;
  call.values = arguments;
  CefString failure;
  std::unique_ptr<ProcessRecord> answer = Exchange(call, &failure);
  if (!answer)
    return Failed(count, failure);
  // The renderer answers a burst too large for one record with its reason alone.
  if (answer->values.size() != static_cast<size_t>(count))
    return Failed(count, answer->exceptions.empty() ? CefString("Error: no answer")
                                                    : answer->exceptions[0]);
  WaitForUi();
  std::vector<PageAnswer> answers(count);
  for (int i = 0; i < count; ++i) {
    answers[i].value = answer->values[i];
    answers[i].exception = answer->exceptions[i];
  }
  return answers;
}

void RendererHost::WaitForUi() {
  auto done = std::make_shared<bool>(false);
  std::shared_ptr<RendererHost> self = shared_from_this();
  CefPostTask(TID_UI, new FunctionTask([] {}, [self, done] {
    std::lock_guard<std::mutex> held(self->lock_);
    *done = true;
    self->changed_.notify_all();
  }));
  std::unique_lock<std::mutex> held(lock_);
  changed_.wait(held, [&] { return *done; });
}

void RendererHost::Break() {
  socket_->Shutdown();
}

int RendererHost::WaitForEnd() {
  std::unique_lock<std::mutex> held(lock_);
  changed_.wait(held, [&] { return ended_; });
  return exit_code_;
}

void RendererHost::Stop() {
  {
    std::lock_guard<std::mutex> held(lock_);
    if (stopping_)
      return;
    stopping_ = true;
    changed_.notify_all();
  }
  ProcessRecord release;
  release.kind = RecordKind::kRelease;
  Send(release);
  {
    std::unique_lock<std::mutex> held(lock_);
    if (!changed_.wait_for(held, kReleaseGrace, [&] { return !connected_; })) {
      held.unlock();
      Break();
    }
  }
  if (reader_.joinable())
    reader_.join();
}

}  // namespace cef_internal
