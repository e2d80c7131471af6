#include "runtime/path_marks.h"

#include <atomic>
#include <mutex>
#include <set>
#include <utility>

namespace win32::internal {

namespace {

struct Marks {
  std::mutex lock;
  std::set<std::pair<std::string, PathMark>> marked;
  // Lets the runtime's hot paths skip the lock while no test has marked anything.
  std::atomic<bool> any{false};
};

Marks& TheMarks() {
  static Marks* marks = new Marks;
  return *marks;
}

}  // namespace

std::string NormalizePath(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\') c = '/';
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(c);
  }
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

void MarkPath(const std::string& path, PathMark mark) {
  Marks& marks = TheMarks();
  std::lock_guard<std::mutex> held(marks.lock);
  marks.marked.emplace(NormalizePath(path), mark);
  marks.any = true;
}

bool IsPathMarked(const std::string& path, PathMark mark) {
  Marks& marks = TheMarks();
  if (!marks.any) return false;
  std::lock_guard<std::mutex> held(marks.lock);
  return marks.marked.count({NormalizePath(path), mark}) != 0;
}

void ClearPathMarks() {
  Marks& marks = TheMarks();
  std::lock_guard<std::mutex> held(marks.lock);
  marks.marked.clear();
  marks.any = false;
}

}  // namespace win32::internal
