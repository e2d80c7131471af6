#include "include/base/cef_logging.h"

#include <cstdio>
#include <cstdlib>

namespace cef_internal {

void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace cef_internal
