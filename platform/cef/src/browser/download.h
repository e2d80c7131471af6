// A download's state and the callbacks handed to the client with it.
#pragma once

#include <mutex>
#include <optional>

#include "include/cef_download_handler.h"

namespace cef_internal {

struct DownloadState {
  uint32 id = 0;
  CefString url;
  CefString suggested_name;
  CefString mime_type;
  CefString full_path;
  int64 total_bytes = -1;
  int64 received_bytes = 0;
  bool complete = false;
  bool canceled = false;
};

// A snapshot of the state, valid only during the callback it is handed to.
class DownloadItem : public CefDownloadItem {
 public:
  explicit DownloadItem(const DownloadState& state) : state_(state) {}
  void Invalidate();

  bool IsValid() override;
  bool IsInProgress() override { return !state_.complete && !state_.canceled; }
  bool IsComplete() override { return state_.complete; }
  bool IsCanceled() override { return state_.canceled; }
  int64 GetCurrentSpeed() override { return 0; }
  int GetPercentComplete() override;
  int64 GetTotalBytes() override { return state_.total_bytes; }
  int64 GetReceivedBytes() override { return state_.received_bytes; }
  CefString GetFullPath() override { return state_.full_path; }
  uint32 GetId() override { return state_.id; }
  CefString GetURL() override { return state_.url; }
  CefString GetOriginalUrl() override { return state_.url; }
  CefString GetSuggestedFileName() override { return state_.suggested_name; }
  CefString GetContentDisposition() override { return CefString(); }
  CefString GetMimeType() override { return state_.mime_type; }

 private:
  const DownloadState state_;
  std::mutex lock_;
  bool valid_ = true;

  IMPLEMENT_REFCOUNTING(DownloadItem);
};

// Records the client's answer; any thread, at most once.
class BeforeDownloadCallback : public CefBeforeDownloadCallback {
 public:
  struct Answer {
    CefString download_path;
    bool show_dialog;
  };

  void Continue(const CefString& download_path, bool show_dialog) override;
  std::optional<Answer> answer();

 private:
  std::mutex lock_;
  std::optional<Answer> answer_;

  IMPLEMENT_REFCOUNTING(BeforeDownloadCallback);
};

class DownloadItemCallback : public CefDownloadItemCallback {
 public:
  void Cancel() override;
  bool canceled();

 private:
  std::mutex lock_;
  bool canceled_ = false;

  IMPLEMENT_REFCOUNTING(DownloadItemCallback);
};

}  // namespace cef_internal
