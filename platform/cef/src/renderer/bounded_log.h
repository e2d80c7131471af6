// A record that keeps the newest entries within a count and a byte budget, so
// a page that floods the renderer cannot exhaust memory through it.
#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace cef_internal {

template <typename Entry>
class BoundedLog {
 public:
  BoundedLog(size_t max_entries, size_t max_bytes)
      : max_entries_(max_entries), max_bytes_(max_bytes) {}

  // |bytes| is what the entry costs against the budget. The newest entry is
  // always kept, however large.
  void Add(Entry entry, size_t bytes) {
    entries_.emplace_back(std::move(entry), bytes);
    bytes_ += bytes;
    ++total_;
    while (entries_.size() > 1 &&
           (entries_.size() > max_entries_ || bytes_ > max_bytes_)) {
      bytes_ -= entries_.front().second;
      entries_.pop_front();
    }
  }

  std::vector<Entry> Entries() const {
    std::vector<Entry> copy;
    copy.reserve(entries_.size());
    for (const auto& entry : entries_)
      copy.push_back(entry.first);
    return copy;
  }

  // Every entry ever added, kept or dropped.
  size_t total() const { return total_; }

 private:
  const size_t max_entries_;
  const size_t max_bytes_;
  std::deque<std::pair<Entry, size_t>> entries_;
  size_t bytes_ = 0;
  size_t total_ = 0;
};

}  // namespace cef_internal
