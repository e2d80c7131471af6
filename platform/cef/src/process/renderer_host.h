// The browser process's end of its renderer: starts it (a child process or,
// without an executable, a thread of this process), reports browsers and
// documents to it, carries process messages both ways and asks it for page
// calls. Usable from any thread.
#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_v8.h"
#include "src/browser/renderer_channel.h"
#include "src/transport/process_record.h"
#include "src/transport/record_socket.h"

namespace cef_internal {

// One call's outcome: the value, or NULL with the exception.
struct PageAnswer {
  CefRefPtr<CefV8Value> value;
  CefString exception;
};

class RendererHost : public RendererChannel, public std::enable_shared_from_this<RendererHost> {
 public:
  // |executable| empty: the renderer role runs in-process with |app|. NULL
  // when the connection or the child could not be made.
  static std::shared_ptr<RendererHost> Start(const std::string& executable,
                                             CefRefPtr<CefApp> app);
  ~RendererHost() override;

  // Releases the renderer (exit code 0) and returns once it has ended.
  // Messages it sent before are still handed to the UI thread.
  void Stop();

  // Dropped once the connection is down.
  void Send(const ProcessRecord& record);
  void Deliver(int browser_id, CefRefPtr<CefProcessMessage> message) override;

  // Makes the page call |repeat| times in a row in the renderer and returns
  // each call's outcome, after the client has received the messages the
  // calls sent. Not on the UI thread, which receives those messages.
  std::vector<PageAnswer> CallPage(int browser_id, const CefString& frame_name,
                                   const CefString& name, const CefV8ValueList& arguments,
                                   int repeat);

  // The child's process id; 0 for an in-process renderer.
  int pid() const { return pid_; }
  // Cuts the connection as a broken socket would.
  void Break();
  // Waits until the renderer has ended; its exit code, or the negated
  // signal that ended the child.
  int WaitForEnd();

 private:
  RendererHost() = default;
  void ReadLoop(std::string executable, int child_fd);
  void DeliverLater(const ProcessRecord& record, size_t bytes);
  void Delivered(size_t bytes);
  void Answer(const ProcessRecord& record);
  // Sends a page call and waits for its answer; NULL with |failure| set when
  // it could not be sent or the connection ended first.
  std::unique_ptr<ProcessRecord> Exchange(ProcessRecord call, CefString* failure);
  void WaitForUi();

  std::unique_ptr<RecordSocket> socket_;
  std::thread reader_;
  std::thread in_process_;
  int in_process_exit_code_ = 0;
  int pid_ = 0;

  std::mutex lock_;
  std::condition_variable changed_;
  bool launched_ = false;
  bool connected_ = false;
  bool ended_ = false;
  bool stopping_ = false;
  int exit_code_ = 0;
  int next_call_id_ = 1;
  std::map<int, std::unique_ptr<ProcessRecord>> answers_;  // NULL until answered
  size_t pending_messages_ = 0;
  size_t pending_bytes_ = 0;
};

}  // namespace cef_internal
