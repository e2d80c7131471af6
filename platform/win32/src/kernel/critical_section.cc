// Critical sections are recursive like Win32's; the spin count is only kept.
#include <windows.h>

#include <mutex>

namespace {
std::recursive_mutex* Impl(LPCRITICAL_SECTION section) {
  return static_cast<std::recursive_mutex*>(section->impl);
}
}  // namespace

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section) {
  InitializeCriticalSectionAndSpinCount(section, 0);
}

BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION section, DWORD spin_count) {
  if (!section) return FALSE;
  section->impl = new std::recursive_mutex;
  section->spin_count = spin_count;
  return TRUE;
}

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section) { Impl(section)->lock(); }

BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section) {
  return Impl(section)->try_lock();
}

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section) { Impl(section)->unlock(); }

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section) {
  if (!section) return;
  delete Impl(section);
  section->impl = nullptr;
}
