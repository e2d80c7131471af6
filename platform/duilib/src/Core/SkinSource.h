// Reading a skin or index document from the resources into a parsed XML tree.
#pragma once

#include <windows.h>

#include <pugixml.hpp>

#include <string>

#include "Utils/Utils.h"

namespace DuiLib {

// A named member read through CPaintManagerUI::LoadResourceData, or, for a numeric id or a
// given type, the executable's resource of that type. False when absent or not well-formed.
bool LoadSkinDocument(STRINGorID xml, LPCTSTR type, pugi::xml_document& document);

std::wstring NodeName(const pugi::xml_node& node);
std::wstring AttributeName(const pugi::xml_attribute& attribute);
std::wstring AttributeValue(const pugi::xml_attribute& attribute);

}  // namespace DuiLib
