#include "Core/UIResourceManager.h"

#include "Core/SkinSource.h"

namespace DuiLib {

namespace {

CResourceManager* g_instance = NULL;

void LoadEntries(const pugi::xml_node& group, std::map<std::wstring, CDuiString>& images,
                 std::map<std::wstring, CDuiString>& xmls) {
  for (const pugi::xml_node& node : group.children()) {
    if (node.type() != pugi::node_element) continue;
    if (node.first_child().type() == pugi::node_element) {
      LoadEntries(node, images, xmls);
      continue;
    }
    const std::wstring name = NodeName(node);
    std::map<std::wstring, CDuiString>* target =
        name == L"Image" ? &images : name == L"Xml" ? &xmls : NULL;
    const std::wstring id = AttributeValue(node.attribute("id"));
    const std::wstring path = AttributeValue(node.attribute("path"));
    if (target == NULL || id.empty() || path.empty()) continue;
    target->emplace(id, CDuiString(path.c_str()));
  }
}

}  // namespace

CResourceManager* CResourceManager::GetInstance() {
  if (g_instance == NULL) g_instance = new CResourceManager;
  return g_instance;
}

void CResourceManager::Release() {
  if (g_instance == this) g_instance = NULL;
  delete this;
}

BOOL CResourceManager::LoadResource(STRINGorID xml, LPCTSTR type) {
  pugi::xml_document document;
  if (!LoadSkinDocument(xml, type, document)) return FALSE;
  LoadEntries(document.document_element(), m_mImageHashMap, m_mXmlHashMap);
  return TRUE;
}

void CResourceManager::ResetResourceMap() {
  m_mImageHashMap.clear();
  m_mXmlHashMap.clear();
}

LPCTSTR CResourceManager::GetImagePath(LPCTSTR lpstrId) {
  if (lpstrId == NULL) return NULL;
  auto found = m_mImageHashMap.find(lpstrId);
  return found == m_mImageHashMap.end() ? NULL : found->second.GetData();
}

LPCTSTR CResourceManager::GetXmlPath(LPCTSTR lpstrId) {
  if (lpstrId == NULL) return NULL;
  auto found = m_mXmlHashMap.find(lpstrId);
  return found == m_mXmlHashMap.end() ? NULL : found->second.GetData();
}

}  // namespace DuiLib
