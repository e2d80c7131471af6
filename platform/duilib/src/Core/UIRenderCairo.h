// Owning handles for the cairo and pango objects the painting code creates.
#pragma once

#include <windows.h>

#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace DuiLib {

template <typename T, void (*Destroy)(T*)>
struct CairoDeleter {
  void operator()(T* object) const { Destroy(object); }
};

using CairoSurfacePtr =
    std::unique_ptr<cairo_surface_t, CairoDeleter<cairo_surface_t, cairo_surface_destroy>>;
using CairoPatternPtr =
    std::unique_ptr<cairo_pattern_t, CairoDeleter<cairo_pattern_t, cairo_pattern_destroy>>;
using CairoContextPtr = std::unique_ptr<cairo_t, CairoDeleter<cairo_t, cairo_destroy>>;
using PangoFontDescriptionPtr =
    std::unique_ptr<PangoFontDescription,
                    CairoDeleter<PangoFontDescription, pango_font_description_free>>;
using PangoAttrListPtr =
    std::unique_ptr<PangoAttrList, CairoDeleter<PangoAttrList, pango_attr_list_unref>>;

inline void UnrefGObject(gpointer object) { g_object_unref(object); }

template <typename T>
using GObjectPtr = std::unique_ptr<T, CairoDeleter<void, UnrefGObject>>;

// Keeps the context's clip, source and matrix changes inside one scope.
class CairoSavedState {
 public:
  explicit CairoSavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~CairoSavedState() { cairo_restore(cr_); }
  CairoSavedState(const CairoSavedState&) = delete;
  CairoSavedState& operator=(const CairoSavedState&) = delete;

 private:
  cairo_t* cr_;
};

inline cairo_t* CairoFromHDC(HDC hDC) { return reinterpret_cast<cairo_t*>(hDC); }

// 0xAARRGGBB as the context's source colour.
inline void SetSourceArgb(cairo_t* cr, DWORD argb) {
  cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                        (argb & 0xFF) / 255.0, ((argb >> 24) & 0xFF) / 255.0);
}

}  // namespace DuiLib
