// The recording client, able also to answer a failed load as a launcher
// does: with a page of its own.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "recording_client.h"

class TestClient : public RecordingClient {
 public:
  std::function<void(CefRefPtr<CefBrowser>, const std::string& failed_url)> on_load_error;

  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                   const CefString& errorText, const CefString& failedUrl) override {
    RecordingClient::OnLoadError(browser, frame, errorCode, errorText, failedUrl);
    if (on_load_error && errorCode != ERR_ABORTED)
      on_load_error(browser, failedUrl.ToString());
  }

  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    std::vector<std::string> arguments;
    CefRefPtr<CefListValue> list = message->GetArgumentList();
    for (size_t i = 0; i < list->GetSize(); ++i)
      arguments.push_back(list->GetString(static_cast<int>(i)).ToString());
    {
      std::lock_guard<std::mutex> held(lock_);
      message_arguments_ = arguments;
    }
    return RecordingClient::OnProcessMessageReceived(browser, source_process, message);
  }

  // The arguments, as text, of the last process message received.
  std::vector<std::string> MessageArguments() {
    std::lock_guard<std::mutex> held(lock_);
    return message_arguments_;
  }

 private:
  std::mutex lock_;
  std::vector<std::string> message_arguments_;
};
