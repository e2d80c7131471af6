#include "app/app_config.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/cache_clearing.h"
#include "products/product.h"

using DuiLib::CDuiString;

namespace {

// The build's link overrides, narrow text in the ANSI code page. Empty means no override.
const char kHomeLinkOverride[] = "";
const char kReservedLink2Override[] = "";
const char kForumLinkOverride[] = "";
const char kPayLinkOverride[] = "";
const char kOverrideLinkOverride[] = "";
const char kReservedLink1Override[] = "";

std::wstring FromAnsi(const char* text) {
  const int length = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, NULL, 0);
  if (length <= 0)
    return std::wstring();
  std::vector<wchar_t> wide(length);
  ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], length);
  return std::wstring(&wide[0]);
}

std::string ToAnsi(const wchar_t* text) {
  const int length = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  if (length <= 0)
    return std::string();
  std::vector<char> narrow(length);
  ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, &narrow[0], length, NULL, NULL);
  return std::string(&narrow[0]);
}

}  // namespace

AppConfig::AppConfig() : m_hLoginWnd(NULL) {
  m_sOverrideLink = _T("");
  m_sReservedLink1 = _T("");
  m_sHomeLink = _T("");
  m_sReservedLink2 = _T("");
  m_sForumLink = _T("");
  m_sPayLink = kDefaultPayLink;
}

AppConfig* AppConfig::GetInstance() {
  // Built on the first call and destroyed at exit; a throwing construction is tried again
  // on the next call.
  static AppConfig s_instance;
  return &s_instance;
}

void AppConfig::LoadLinkOverrides() {
  const struct {
    const char* value;
    CDuiString AppConfig::*field;
  } overrides[] = {
      {kHomeLinkOverride, &AppConfig::m_sHomeLink},
      {kReservedLink2Override, &AppConfig::m_sReservedLink2},
      {kForumLinkOverride, &AppConfig::m_sForumLink},
      {kPayLinkOverride, &AppConfig::m_sPayLink},
      {kOverrideLinkOverride, &AppConfig::m_sOverrideLink},
      {kReservedLink1Override, &AppConfig::m_sReservedLink1},
  };
  for (const auto& link : overrides) {
    if (link.value[0] != '\0')
      this->*link.field = FromAnsi(link.value).c_str();
  }
}

void AppConfig::ClearCache() {
  // Without a path the pattern would be "\*", the root of the drive: never list that.
  if (m_sCachePath.IsEmpty()) {
    printf("Cache folder is not set; nothing cleared.\n");
    return;
  }
  const std::string pattern = ToAnsi(m_sCachePath.GetData()) + "\\*";
  DeleteFolderContents(pattern.c_str());
}
