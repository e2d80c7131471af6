#include "src/webkit/bench_trace.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace cef_internal {

namespace {

// Read once when the program (or the web extension) is loaded.
const char* const g_trace_path = std::getenv("QUELLIX_BENCH_TRACE");

}  // namespace

void BenchTrace(const char* event) {
  if (!g_trace_path)
    return;
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[160];
  const int length = std::snprintf(line, sizeof(line), "%.100s %lld\n", event,
                                   static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  const int fd = open(g_trace_path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0)
    return;
  const ssize_t written = write(fd, line, static_cast<size_t>(length));
  (void)written;
  close(fd);
}

}  // namespace cef_internal
