// Feeds the UI library the images and fonts that a painting test needs.
#pragma once

#include <string>
#include <vector>

#include "Core/UIManager.h"

namespace render_test {

// Makes name readable through CPaintManagerUI::LoadResourceData.
void PutResource(const std::wstring& name, const std::vector<unsigned char>& bytes);

void AddFont(DuiLib::CPaintManagerUI& manager, int id, const wchar_t* name, int size,
             bool bold = false, bool underline = false, bool italic = false);

}  // namespace render_test
