// Debug checks. A failed check reports the condition and aborts in debug
// builds; release builds drop the check.
#pragma once

namespace cef_internal {
[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);
}

#ifdef NDEBUG
#define DCHECK(condition) ((void)0)
#else
#define DCHECK(condition) \
  ((condition) ? (void)0 : ::cef_internal::CheckFailed(#condition, __FILE__, __LINE__))
#endif
#define DCHECK_EQ(a, b) DCHECK((a) == (b))
#define DCHECK_NE(a, b) DCHECK((a) != (b))
#define NOTREACHED() DCHECK(false)
