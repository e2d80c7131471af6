// The resource index: names of images and skin files mapped to members of the resources.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "Utils/Utils.h"

namespace DuiLib {

// Lets a window supply control texts by id.
class IQueryControlText {
 public:
  virtual LPCTSTR QueryControlText(LPCTSTR lpstrId, LPCTSTR lpstrType) = 0;
};

class CResourceManager {
 public:
  // Created on first use; Release deletes it and a later GetInstance makes a new one.
  static CResourceManager* GetInstance();
  void Release();

  // Reads an index such as
  //   <Res><Image id="logo" path="imgs/logo.png"/><Xml id="XML_MSG" path="msg.xml"/></Res>
  // Groups nest; other elements are skipped; the first entry of an id wins. FALSE when the
  // index cannot be read or is not well-formed XML.
  BOOL LoadResource(STRINGorID xml, LPCTSTR type = NULL);
  void ResetResourceMap();

  // NULL when the id has no entry.
  LPCTSTR GetImagePath(LPCTSTR lpstrId);
  LPCTSTR GetXmlPath(LPCTSTR lpstrId);

 private:
  CResourceManager() = default;
  ~CResourceManager() = default;

  std::map<std::wstring, CDuiString> m_mImageHashMap;
  std::map<std::wstring, CDuiString> m_mXmlHashMap;
};

}  // namespace DuiLib
