#include "app/skin_resource.h"

#include <windows.h>

#include "UIlib.h"

using namespace DuiLib;

namespace {

// No member of the archive is encrypted; the library is handed the password all the same.
const TCHAR kSkinPassword[] = _T("QWPMZNXRTVBLE");

}  // namespace

void InitSkinResource() {
  CPaintManagerUI::SetResourceType(UILIB_ZIPRESOURCE);
  CDuiString resourcePath = CPaintManagerUI::GetInstancePath();
  resourcePath += _T("Quellix\\");
  CPaintManagerUI::SetResourcePath(resourcePath.GetData());

  HRSRC hResource = ::FindResource(CPaintManagerUI::GetResourceDll(), _T("IDR_ZIPRES"), _T("ZIPRES"));
  if (hResource == NULL)
    return;
  HGLOBAL hGlobal = ::LoadResource(CPaintManagerUI::GetResourceDll(), hResource);
  if (hGlobal == NULL)
    return;
  DWORD dwSize = ::SizeofResource(CPaintManagerUI::GetResourceDll(), hResource);
  if (dwSize == 0)
    return;
  // The resource memory lives as long as the process, so the library reads it in place.
  CPaintManagerUI::SetResourceZip(::LockResource(hGlobal), dwSize, kSkinPassword);
  CResourceManager::GetInstance()->LoadResource(_T("res.xml"), NULL);
}
