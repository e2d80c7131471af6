#include "Core/SkinSource.h"

#include <vector>

#include "Core/TextCodec.h"
#include "Core/UIManager.h"

namespace DuiLib {

namespace {

bool ReadExecutableResource(STRINGorID xml, LPCTSTR type, std::vector<unsigned char>& out) {
  HINSTANCE module = CPaintManagerUI::GetResourceDll();
  HRSRC resource = ::FindResourceW(module, xml.m_lpstr, type);
  if (resource == NULL) return false;
  HGLOBAL loaded = ::LoadResource(module, resource);
  DWORD size = ::SizeofResource(module, resource);
  const unsigned char* data = static_cast<const unsigned char*>(::LockResource(loaded));
  if (data == NULL) return false;
  out.assign(data, data + size);
  return true;
}

}  // namespace

bool LoadSkinDocument(STRINGorID xml, LPCTSTR type, pugi::xml_document& document) {
  if (xml.m_lpstr == NULL) return false;
  std::vector<unsigned char> data;
  bool read = IS_INTRESOURCE(xml.m_lpstr) || type != NULL
                  ? ReadExecutableResource(xml, type, data)
                  : CPaintManagerUI::LoadResourceData(xml.m_lpstr, data);
  if (!read || data.empty()) return false;
  pugi::xml_parse_result result =
      document.load_buffer(data.data(), data.size(), pugi::parse_default, pugi::encoding_utf8);
  return result && document.document_element();
}

std::wstring NodeName(const pugi::xml_node& node) { return WideFromUtf8(node.name()); }

std::wstring AttributeName(const pugi::xml_attribute& attribute) {
  return WideFromUtf8(attribute.name());
}

std::wstring AttributeValue(const pugi::xml_attribute& attribute) {
  return WideFromUtf8(attribute.value());
}

}  // namespace DuiLib
