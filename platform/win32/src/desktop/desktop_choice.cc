// Which desktop the process runs on, chosen once: QUELLIX_BACKEND=headless|real, else the real
// one for executables on a display and the headless one for test programs.
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "desktop/headless_desktop.h"

namespace win32::internal {

namespace {

std::atomic<bool> g_prefer_real{false};

Desktop* Choose() {
  const char* asked = std::getenv("QUELLIX_BACKEND");
  bool want_real = asked ? std::strcmp(asked, "real") == 0 : g_prefer_real.load();
  if (want_real)
    if (Desktop* real = RealDesktop()) return real;
  return &HeadlessDesktop::Instance();
}

}  // namespace

void PreferRealDesktop() { g_prefer_real = true; }

Desktop& TheDesktop() {
  static Desktop* chosen = Choose();
  return *chosen;
}

}  // namespace win32::internal
