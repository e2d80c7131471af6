#include "Core/UIRender.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "Core/UIManager.h"
#include "UIRenderImageDecode.h"
#include "UIRenderImageDescription.h"

namespace DuiLib {
namespace {

// A skin's images take a few megabytes; a hostile skin naming thousands of large ones must not
// take the machine's memory. Room for one image of the largest size.
constexpr size_t kMaxCachedBytes = kMaxImagePixels * 4;
// Preloading is a hint: a skin naming more images than this at once has the rest decoded when
// they are first painted.
constexpr size_t kMaxQueuedPreloads = 64;

std::unique_ptr<DecodedImage> ReadImage(const std::wstring& file) {
  std::vector<unsigned char> data;
  if (!CPaintManagerUI::LoadResourceData(file.c_str(), data)) return nullptr;
  return DecodePng(data);
}

// Decoded images by member name, shared by the windows of every thread. One thread of its own
// decodes the images that controls are given, while their window is still being built, so the
// window's first paint finds them ready; a paint that needs an image being decoded there waits
// for it instead of decoding it again.
class ImageCache {
 public:
  // The resource settings that the preloader reads must outlive it, so they are made first.
  ImageCache() { CPaintManagerUI::GetResourceType(); }

  ~ImageCache() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      stopping_ = true;
    }
    queued_.notify_all();
    if (preloader_.joinable()) preloader_.join();
  }

  const TImageInfo* Get(const std::wstring& file) {
    std::unique_lock<std::mutex> hold(lock_);
    for (auto found = images_.find(file); found != images_.end(); found = images_.find(file)) {
      if (!found->second.pending) return &found->second.image->info;
      settled_.wait(hold);
    }
    // Decoded unlocked: the resource reader takes locks of its own, and other windows' threads
    // may want other images meanwhile.
    hold.unlock();
    std::unique_ptr<DecodedImage> image = ReadImage(file);
    hold.lock();
    // A new entry, one the preloader took up meanwhile, or one another thread filled.
    Entry& entry = images_[file];
    if (entry.image == nullptr && !Settle(entry, std::move(image))) {
      images_.erase(file);
      return NULL;
    }
    return &entry.image->info;
  }

  void Preload(const std::wstring& file) {
    std::lock_guard<std::mutex> hold(lock_);
    if (stopping_ || queue_.size() >= kMaxQueuedPreloads || images_.count(file) != 0) return;
    if (!preloader_.joinable()) {
      try {
        preloader_ = std::thread(&ImageCache::PreloadLoop, this);
      } catch (const std::system_error&) {
        return;  // the image is decoded when first painted
      }
    }
    queue_.push_back(file);
    queued_.notify_one();
  }

  void Clear() {
    std::lock_guard<std::mutex> hold(lock_);
    images_.clear();
    queue_.clear();
    bytes_ = 0;
    settled_.notify_all();
  }

 private:
  struct Entry {
    std::unique_ptr<DecodedImage> image;
    bool pending = false;  // the preloader is decoding it
  };

  // Under the lock: gives a pending or new entry its image if the cache has room for it, and
  // wakes whoever waits for it. False when there is no image to give.
  bool Settle(Entry& entry, std::unique_ptr<DecodedImage> image) {
    const bool fits = image != nullptr && image->bytes <= kMaxCachedBytes - bytes_;
    if (fits) {
      bytes_ += image->bytes;
      entry.image = std::move(image);
    }
    if (entry.pending) {
      entry.pending = false;
      settled_.notify_all();
    }
    return fits;
  }

  // On the preloader's thread.
  void PreloadLoop() {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
      queued_.wait(hold, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      const std::wstring file = std::move(queue_.front());
      queue_.pop_front();
      if (images_.count(file) != 0) continue;
      images_[file].pending = true;
      hold.unlock();
      std::unique_ptr<DecodedImage> image = ReadImage(file);
      hold.lock();
      // A cleared cache dropped the pending entry, and with it what was read from the old
      // resources; an entry there now came from the new ones.
      auto found = images_.find(file);
      if (found == images_.end() || !found->second.pending) continue;
      if (!Settle(found->second, std::move(image))) images_.erase(found);
    }
  }

  std::mutex lock_;
  std::condition_variable settled_;  // a pending entry got its image, failed, or was cleared
  std::condition_variable queued_;   // a preload was asked for, or the cache is going
  std::map<std::wstring, Entry> images_;
  size_t bytes_ = 0;
  std::deque<std::wstring> queue_;
  bool stopping_ = false;
  std::thread preloader_;  // started by the first preload
};

ImageCache& TheCache() {
  static ImageCache cache;
  return cache;
}

}  // namespace

const TImageInfo* CRenderEngine::GetImage(LPCTSTR file) {
  if (file == NULL || *file == L'\0') return NULL;
  return TheCache().Get(file);
}

void CRenderEngine::PreloadImage(LPCTSTR pStrImage) {
  ImageDrawSpec spec;
  if (!ParseImageDescription(pStrImage, spec) || spec.file.empty()) return;
  TheCache().Preload(spec.file);
}

void CRenderEngine::ClearImageCache() { TheCache().Clear(); }

}  // namespace DuiLib
