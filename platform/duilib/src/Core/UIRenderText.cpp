#include "Core/UIRender.h"

#include <pango/pangocairo.h>

#include <string>

#include "Core/UIManager.h"
#include "UIRenderCairo.h"

namespace DuiLib {
namespace {

// Skins use the default font when they name none.
constexpr int kDefaultFontSize = 12;
const char kDefaultFamily[] = "sans-serif";

// wchar_t holds UTF-32 here; what is not a Unicode scalar value becomes U+FFFD.
std::string Utf8FromWide(LPCTSTR text) {
  std::string out;
  for (; *text != L'\0'; ++text) {
    unsigned long c = static_cast<unsigned long>(*text);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

GObjectPtr<PangoLayout> CreateLayout(cairo_t* cr) {
  if (cr != NULL) return GObjectPtr<PangoLayout>(pango_cairo_create_layout(cr));
  GObjectPtr<PangoContext> context(
      pango_font_map_create_context(pango_cairo_font_map_get_default()));
  return GObjectPtr<PangoLayout>(pango_layout_new(context.get()));
}

// A font the machine lacks (a Windows face name, say) is replaced by fontconfig, which also
// finds the CJK glyphs the chosen face has not got.
void ApplyFont(PangoLayout* layout, CPaintManagerUI* pManager, int iFont) {
  const TFontInfo* font = pManager != NULL ? pManager->GetFontInfo(iFont) : NULL;
  std::string family = kDefaultFamily;
  int size = kDefaultFontSize;
  if (font != NULL) {
    if (!font->sFontName.IsEmpty()) family = Utf8FromWide(font->sFontName.GetData());
    if (font->iSize > 0) size = font->iSize;
  }
  PangoFontDescriptionPtr description(pango_font_description_new());
  pango_font_description_set_family(description.get(), family.c_str());
  pango_font_description_set_absolute_size(description.get(), size * PANGO_SCALE);
  if (font != NULL && font->bBold) {
    pango_font_description_set_weight(description.get(), PANGO_WEIGHT_BOLD);
  }
  if (font != NULL && font->bItalic) {
    pango_font_description_set_style(description.get(), PANGO_STYLE_ITALIC);
  }
  pango_layout_set_font_description(layout, description.get());
  if (font != NULL && font->bUnderline) {
    PangoAttrListPtr attributes(pango_attr_list_new());
    pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout, attributes.get());
  }
}

std::string LayoutText(LPCTSTR text, UINT uStyle) {
  std::string utf8 = Utf8FromWide(text != NULL ? text : L"");
  if (uStyle & DT_SINGLELINE) {
    for (char& c : utf8) {
      if (c == '\r' || c == '\n') c = ' ';
    }
  }
  return utf8;
}

// Gives the layout the rectangle's width when lines must break or end in an ellipsis; then
// pango aligns the lines itself. Returns whether it did.
bool ConstrainLines(PangoLayout* layout, UINT uStyle, int width, int height, bool measuring) {
  const bool wrap = (uStyle & DT_WORDBREAK) && !(uStyle & DT_SINGLELINE);
  const bool ellipsis = (uStyle & DT_END_ELLIPSIS) && !measuring;
  if (!wrap && !ellipsis) return false;
  pango_layout_set_width(layout, width * PANGO_SCALE);
  if (wrap) pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  if (ellipsis) {
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    if (wrap) pango_layout_set_height(layout, height * PANGO_SCALE);
  }
  pango_layout_set_alignment(layout, (uStyle & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                     : (uStyle & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                           : PANGO_ALIGN_LEFT);
  return true;
}

int AlignedOffset(int room, UINT uStyle, UINT centreFlag, UINT farFlag) {
  if (uStyle & centreFlag) return room / 2;
  if (uStyle & farFlag) return room;
  return 0;
}

}  // namespace

void CRenderEngine::DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, LPCTSTR pstrText,
                             DWORD argbText, int iFont, UINT uStyle) {
  const bool measuring = (uStyle & DT_CALCRECT) != 0;
  if (hDC == NULL && !measuring) return;
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  cairo_t* cr = CairoFromHDC(hDC);
  GObjectPtr<PangoLayout> layout = CreateLayout(cr);
  ApplyFont(layout.get(), pManager, iFont);
  pango_layout_set_single_paragraph_mode(layout.get(), (uStyle & DT_SINGLELINE) != 0);
  std::string text = LayoutText(pstrText, uStyle);
  pango_layout_set_text(layout.get(), text.c_str(), static_cast<int>(text.size()));
  const bool constrained =
      ConstrainLines(layout.get(), uStyle, width > 0 ? width : 0, height, measuring);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), NULL, &logical);
  if (measuring) {
    rc.right = rc.left + logical.width;
    rc.bottom = rc.top + logical.height;
    return;
  }
  if (text.empty() || width <= 0 || height <= 0) return;

  int x = rc.left;
  if (!constrained) x += AlignedOffset(width - logical.width, uStyle, DT_CENTER, DT_RIGHT) - logical.x;
  const int y = rc.top + AlignedOffset(height - logical.height, uStyle, DT_VCENTER, DT_BOTTOM) -
                logical.y;
  CairoSavedState saved(cr);
  cairo_rectangle(cr, rc.left, rc.top, width, height);
  cairo_clip(cr);
  // Skins often write text colours without alpha; they mean them opaque.
  SetSourceArgb(cr, (argbText >> 24) == 0 ? argbText | 0xFF000000 : argbText);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout.get());
}

SIZE CRenderEngine::GetTextSize(HDC hDC, CPaintManagerUI* pManager, LPCTSTR pstrText, int iFont,
                                UINT uStyle) {
  RECT rc = {0, 0, 0, 0};
  DrawText(hDC, pManager, rc, pstrText, 0, iFont, (uStyle & ~DT_WORDBREAK) | DT_CALCRECT | DT_SINGLELINE);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace DuiLib
