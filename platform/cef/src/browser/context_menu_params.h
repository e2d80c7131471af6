// What a context menu was opened on. Plain values, set by the engine.
#pragma once

#include "include/cef_context_menu_handler.h"

namespace cef_internal {

class ContextMenuParams : public CefContextMenuParams {
 public:
  struct Values {
    int x = 0;
    int y = 0;
    int type_flags = CM_TYPEFLAG_PAGE;
    CefString link_url;
    CefString source_url;
    CefString page_url;
    CefString frame_url;
    CefString selection_text;
    bool editable = false;
  };

  explicit ContextMenuParams(const Values& values) : values_(values) {}

  int GetXCoord() override { return values_.x; }
  int GetYCoord() override { return values_.y; }
  TypeFlags GetTypeFlags() override { return static_cast<TypeFlags>(values_.type_flags); }
  CefString GetLinkUrl() override { return values_.link_url; }
  CefString GetUnfilteredLinkUrl() override { return values_.link_url; }
  CefString GetSourceUrl() override { return values_.source_url; }
  bool HasImageContents() override { return !values_.source_url.empty(); }
  CefString GetPageUrl() override { return values_.page_url; }
  CefString GetFrameUrl() override { return values_.frame_url; }
  CefString GetFrameCharset() override { return "UTF-8"; }
  MediaType GetMediaType() override { return CM_MEDIATYPE_NONE; }
  MediaStateFlags GetMediaStateFlags() override { return CM_MEDIAFLAG_NONE; }
  CefString GetSelectionText() override { return values_.selection_text; }
  CefString GetMisspelledWord() override { return CefString(); }
  bool GetDictionarySuggestions(std::vector<CefString>& suggestions) override {
    suggestions.clear();
    return false;
  }
  bool IsEditable() override { return values_.editable; }
  bool IsSpellCheckEnabled() override { return false; }
  EditStateFlags GetEditStateFlags() override { return CM_EDITFLAG_NONE; }

 private:
  const Values values_;

  IMPLEMENT_REFCOUNTING(ContextMenuParams);
};

}  // namespace cef_internal
