// Skin archives handed to the UI library: the archive itself, its index, a skin built from it
// and an image decoded from it, read as the program reads them.
#include <string>
#include <vector>

#include "Core/UIRender.h"
#include "UIlib.h"
#include "windows/browser_controls.h"

using namespace DuiLib;

namespace {

class LauncherControls : public IDialogBuilderCallback {
 public:
  CControlUI* CreateControl(LPCTSTR pstrClass) override { return CreateBrowserControl(pstrClass); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CPaintManagerUI::SetResourceType(UILIB_ZIPRESOURCE);
  // The library reads the block in place, so it must outlive the archive: the archive is
  // replaced before the copy goes.
  std::vector<unsigned char> block(data, data + size);
  CPaintManagerUI::SetResourceZip(block.data(), static_cast<unsigned int>(block.size()),
                                  _T("QWPMZNXRTVBLE"));

  std::vector<unsigned char> member;
  CPaintManagerUI::LoadResourceData(_T("res.xml"), member);
  CPaintManagerUI::LoadResourceData(_T("imgs\\bg.png"), member);
  CResourceManager::GetInstance()->LoadResource(_T("res.xml"), NULL);
  CResourceManager::GetInstance()->ResetResourceMap();
  CRenderEngine::GetImage(_T("imgs/bg.png"));
  CRenderEngine::ClearImageCache();
  {
    LauncherControls controls;
    CPaintManagerUI manager;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(_T("login.xml"), NULL, &controls, &manager);
    if (root != NULL) manager.AttachDialog(root);
  }
  CPaintManagerUI::SetResourceZip(static_cast<LPVOID>(NULL), 0, NULL);
  return 0;
}
