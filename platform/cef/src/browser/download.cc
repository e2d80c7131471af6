#include "src/browser/download.h"

namespace cef_internal {

void DownloadItem::Invalidate() {
  std::lock_guard<std::mutex> held(lock_);
  valid_ = false;
}

bool DownloadItem::IsValid() {
  std::lock_guard<std::mutex> held(lock_);
  return valid_;
}

int DownloadItem::GetPercentComplete() {
  if (state_.complete)
    return 100;
  if (state_.total_bytes <= 0)
    return -1;
  return static_cast<int>(state_.received_bytes * 100 / state_.total_bytes);
}

void BeforeDownloadCallback::Continue(const CefString& download_path, bool show_dialog) {
  std::lock_guard<std::mutex> held(lock_);
  if (!answer_)
    answer_ = Answer{download_path, show_dialog};
}

std::optional<BeforeDownloadCallback::Answer> BeforeDownloadCallback::answer() {
  std::lock_guard<std::mutex> held(lock_);
  return answer_;
}

void DownloadItemCallback::Cancel() {
  std::lock_guard<std::mutex> held(lock_);
  canceled_ = true;
}

bool DownloadItemCallback::canceled() {
  std::lock_guard<std::mutex> held(lock_);
  return canceled_;
}

}  // namespace cef_internal
