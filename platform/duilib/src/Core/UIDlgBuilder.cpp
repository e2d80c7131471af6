#include "Core/UIDlgBuilder.h"

#include <string>

#include "Control/UIButton.h"
#include "Control/UILabel.h"
#include "Control/UIText.h"
#include "Core/AttributeParse.h"
#include "Core/SkinSource.h"
#include "Core/UIContainer.h"
#include "Core/UIResourceManager.h"
#include "Layout/UIHorizontalLayout.h"
#include "Layout/UIVerticalLayout.h"

namespace DuiLib {

namespace {

CControlUI* CreateBuiltInControl(const std::wstring& name) {
  if (name == L"Control") return new CControlUI;
  if (name == L"Container") return new CContainerUI;
  if (name == L"VerticalLayout") return new CVerticalLayoutUI;
  if (name == L"HorizontalLayout") return new CHorizontalLayoutUI;
  if (name == L"Label") return new CLabelUI;
  if (name == L"Text") return new CTextUI;
  if (name == L"Button") return new CButtonUI;
  return NULL;
}

// Deeper skins are no real layout; their elements are skipped so building stays bounded.
const int kMaxDepth = 200;

bool IsResourceElement(const std::wstring& name) {
  return name == L"Font" || name == L"Default" || name == L"Image";
}

void ApplyWindowAttributes(const pugi::xml_node& window, CPaintManagerUI* pManager) {
  for (const pugi::xml_attribute& attribute : window.attributes()) {
    const std::wstring name = AttributeName(attribute);
    const std::wstring value = AttributeValue(attribute);
    if (name == L"size") {
      SIZE size = ParseSize(value.c_str());
      pManager->SetInitSize(size.cx, size.cy);
    } else if (name == L"sizebox") {
      RECT rc = ParseRect(value.c_str());
      pManager->SetSizeBox(rc);
    } else if (name == L"caption") {
      RECT rc = ParseRect(value.c_str());
      pManager->SetCaptionRect(rc);
    } else if (name == L"roundcorner") {
      SIZE size = ParseSize(value.c_str());
      pManager->SetRoundCorner(size.cx, size.cy);
    } else if (name == L"mininfo") {
      SIZE size = ParseSize(value.c_str());
      pManager->SetMinInfo(size.cx, size.cy);
    } else if (name == L"maxinfo") {
      SIZE size = ParseSize(value.c_str());
      pManager->SetMaxInfo(size.cx, size.cy);
    } else if (name == L"bktrans") {
      pManager->SetBackgroundTransparent(ParseBool(value.c_str()));
    } else if (name == L"alpha") {
      pManager->SetTransparent(ParseInt(value.c_str()));
    }
  }
}

void AddFont(const pugi::xml_node& node, CPaintManagerUI* pManager) {
  int id = -1;
  std::wstring fontName;
  int size = 12;
  bool bold = false, underline = false, italic = false, isDefault = false, shared = false;
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::wstring name = AttributeName(attribute);
    const std::wstring value = AttributeValue(attribute);
    if (name == L"id") id = ParseInt(value.c_str());
    else if (name == L"name") fontName = value;
    else if (name == L"size") size = ParseInt(value.c_str());
    else if (name == L"bold") bold = ParseBool(value.c_str());
    else if (name == L"underline") underline = ParseBool(value.c_str());
    else if (name == L"italic") italic = ParseBool(value.c_str());
    else if (name == L"default") isDefault = ParseBool(value.c_str());
    else if (name == L"shared") shared = ParseBool(value.c_str());
  }
  // A font without an id cannot be named by any control.
  if (id < 0) return;
  pManager->AddFont(id, fontName.c_str(), size, bold, underline, italic, shared);
  if (isDefault) pManager->SetDefaultFont(fontName.c_str(), size, bold, underline, italic, shared);
}

void AddDefaultAttributes(const pugi::xml_node& node, CPaintManagerUI* pManager) {
  std::wstring controlName = AttributeValue(node.attribute("name"));
  std::wstring value = AttributeValue(node.attribute("value"));
  if (!controlName.empty()) pManager->AddDefaultAttributeList(controlName.c_str(), value.c_str());
}

void ApplyResourceElements(const pugi::xml_node& window, CPaintManagerUI* pManager) {
  for (const pugi::xml_node& node : window.children()) {
    if (node.type() != pugi::node_element) continue;
    const std::wstring name = NodeName(node);
    if (name == L"Font") AddFont(node, pManager);
    else if (name == L"Default") AddDefaultAttributes(node, pManager);
  }
}

void ApplyAttributes(const pugi::xml_node& node, const std::wstring& className,
                     CControlUI* pControl, CPaintManagerUI* pManager) {
  // Attributes that consult the window (fonts, texts) see it while the skin is built.
  const bool lendManager = pManager != NULL && pControl->GetManager() == NULL;
  if (lendManager) pControl->SetManager(pManager, pControl->GetParent(), false);
  if (pManager != NULL) {
    if (LPCTSTR defaults = pManager->GetDefaultAttributeList(className.c_str())) {
      pControl->ApplyAttributeList(defaults);
    }
  }
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    pControl->SetAttribute(AttributeName(attribute).c_str(), AttributeValue(attribute).c_str());
  }
  if (lendManager) pControl->SetManager(NULL, pControl->GetParent(), false);
}

// Builds the element children of node; returns the first control made. Without a parent only
// the first survives, as it alone can be returned.
CControlUI* ParseChildren(const pugi::xml_node& node, CControlUI* pParent,
                          CPaintManagerUI* pManager, IDialogBuilderCallback* pCallback,
                          int depth) {
  if (depth > kMaxDepth) return NULL;
  CControlUI* pReturn = NULL;
  for (const pugi::xml_node& child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::wstring className = NodeName(child);
    if (IsResourceElement(className)) continue;
    CControlUI* pControl = CreateBuiltInControl(className);
    if (pControl == NULL && pCallback != NULL) pControl = pCallback->CreateControl(className.c_str());
    if (pControl == NULL) continue;

    ParseChildren(child, pControl, pManager, pCallback, depth + 1);
    ApplyAttributes(child, className, pControl, pManager);

    if (pParent != NULL) {
      IContainerUI* pContainer = static_cast<IContainerUI*>(pParent->GetInterface(_T("IContainer")));
      if (pContainer == NULL || !pContainer->Add(pControl)) {
        delete pControl;
        continue;
      }
    } else if (pReturn != NULL) {
      delete pControl;
      continue;
    }
    if (pReturn == NULL) pReturn = pControl;
  }
  return pReturn;
}

}  // namespace

CControlUI* CDialogBuilder::Create(STRINGorID xml, LPCTSTR type, IDialogBuilderCallback* pCallback,
                                   CPaintManagerUI* pManager, CControlUI* pParent) {
  if (xml.m_lpstr != NULL && !IS_INTRESOURCE(xml.m_lpstr) && type == NULL) {
    if (LPCTSTR mapped = CResourceManager::GetInstance()->GetXmlPath(xml.m_lpstr)) xml = mapped;
  }
  pugi::xml_document document;
  if (!LoadSkinDocument(xml, type, document)) return NULL;
  const pugi::xml_node root = document.document_element();
  if (pManager != NULL && NodeName(root) == L"Window") {
    ApplyWindowAttributes(root, pManager);
    ApplyResourceElements(root, pManager);
  }
  return ParseChildren(root, pParent, pManager, pCallback, 0);
}

}  // namespace DuiLib
