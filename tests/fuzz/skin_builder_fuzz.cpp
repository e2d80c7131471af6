// Skin files and the resource index as the UI library reads and lays them out, with the
// launcher's own skin elements ("CefBrowser", "Wnd") in play. The skin may include itself.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "UIlib.h"
#include "windows/browser_controls.h"

using namespace DuiLib;

namespace {

class LauncherControls : public IDialogBuilderCallback {
 public:
  CControlUI* CreateControl(LPCTSTR pstrClass) override { return CreateBrowserControl(pstrClass); }
};

// A private folder of skin files, removed at exit. The name is never destroyed, so the exit
// handler can still use it.
const std::string& SkinFolder() {
  static const std::string* folder = [] {
    char pattern[] = "/tmp/skin-fuzz-XXXXXX";
    if (mkdtemp(pattern) == NULL) std::abort();
    std::atexit([] {
      unlink((SkinFolder() + "/skin.xml").c_str());
      rmdir(SkinFolder().c_str());
    });
    return new std::string(pattern);
  }();
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    CPaintManagerUI::SetResourceType(UILIB_FILE);
    const std::wstring folder(SkinFolder().begin(), SkinFolder().end());
    CPaintManagerUI::SetResourcePath((folder + L"/").c_str());
    return true;
  }();
  (void)ready;
  {
    std::ofstream out(SkinFolder() + "/skin.xml", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  CResourceManager::GetInstance()->LoadResource(_T("skin.xml"));
  CResourceManager::GetInstance()->GetXmlPath(_T("XML_MSG"));
  CResourceManager::GetInstance()->ResetResourceMap();

  LauncherControls controls;
  CPaintManagerUI manager;
  CDialogBuilder builder;
  CControlUI* root = builder.Create(_T("skin.xml"), NULL, &controls, &manager);
  if (root != NULL) {
    manager.AttachDialog(root);
    // Laid out as the largest launcher window is, with float fractions and sizes from the skin.
    root->SetPos(RECT{0, 0, 1164, 717}, false);
    manager.FindControl(_T("browserwnd"));
    manager.FindControl(_T("title"));
  }
  return 0;
}
