#include "Core/ManagerRegistry.h"

#include <algorithm>
#include <mutex>

#include "Core/UIManager.h"

namespace DuiLib {

namespace ManagerRegistry {

namespace {

// Windows live on several threads; each thread only looks up managers of its own windows.
struct Registry {
  std::mutex lock;
  std::vector<CPaintManagerUI*> managers;
};

// Never destroyed: threads may still look managers up while the process exits, and windows
// still open then keep their managers reachable rather than leaked.
Registry& Instance() {
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

void Add(CPaintManagerUI* pManager) {
  Registry& registry = Instance();
  std::lock_guard<std::mutex> hold(registry.lock);
  if (std::find(registry.managers.begin(), registry.managers.end(), pManager) ==
      registry.managers.end()) {
    registry.managers.push_back(pManager);
  }
}

void Remove(CPaintManagerUI* pManager) {
  Registry& registry = Instance();
  std::lock_guard<std::mutex> hold(registry.lock);
  registry.managers.erase(
      std::remove(registry.managers.begin(), registry.managers.end(), pManager),
      registry.managers.end());
}

CPaintManagerUI* ForWindow(HWND hWnd) {
  Registry& registry = Instance();
  std::lock_guard<std::mutex> hold(registry.lock);
  for (CPaintManagerUI* pManager : registry.managers) {
    if (pManager->GetPaintWindow() == hWnd) return pManager;
  }
  return NULL;
}

std::vector<CPaintManagerUI*> ForWindowAndAncestors(HWND hWnd) {
  std::vector<HWND> chain;
  for (HWND h = hWnd; h != NULL; h = ::GetParent(h)) {
    if (std::find(chain.begin(), chain.end(), h) != chain.end()) break;
    chain.push_back(h);
  }
  std::vector<CPaintManagerUI*> found;
  Registry& registry = Instance();
  std::lock_guard<std::mutex> hold(registry.lock);
  for (HWND h : chain) {
    for (CPaintManagerUI* pManager : registry.managers) {
      if (pManager->GetPaintWindow() == h) found.push_back(pManager);
    }
  }
  return found;
}

}  // namespace ManagerRegistry

}  // namespace DuiLib
