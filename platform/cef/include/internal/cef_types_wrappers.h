// C++ wrappers over the engine's plain structures. Each starts zeroed with
// its size set; wrapped strings are owned by the wrapper and copied with it.
#pragma once

#include <cstring>

#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"

template <class Traits>
class CefStructBase : public Traits::struct_type {
 public:
  typedef typename Traits::struct_type struct_type;

  CefStructBase() { Init(); }
  CefStructBase(const CefStructBase& r) : CefStructBase() { Traits::set(&r, this, true); }
  CefStructBase(const struct_type& r) : CefStructBase() { Traits::set(&r, this, true); }
  ~CefStructBase() { Traits::clear(this); }

  CefStructBase& operator=(const CefStructBase& r) { return *this = static_cast<const struct_type&>(r); }
  CefStructBase& operator=(const struct_type& r) {
    if (this != &r)
      Traits::set(&r, this, true);
    return *this;
  }

  void Reset() {
    Traits::clear(this);
    Init();
  }

 private:
  void Init() {
    std::memset(static_cast<struct_type*>(this), 0, sizeof(struct_type));
    Traits::init(this);
  }
};

// Traits for a structure whose only owned members are cef_string_t fields
// listed by |Fields|. The first member may be a size_t |size| (Sized).
template <class S, bool Sized>
struct CefStringFieldsTraits {
  typedef S struct_type;
  static void init(S* s) {
    if constexpr (Sized)
      s->size = sizeof(S);
  }
};

#define CEF_STRUCT_TRAITS_BEGIN(Name, S, Sized)                          \
  struct Name : CefStringFieldsTraits<S, Sized> {                        \
    template <class F>                                                   \
    static void each_string(const S* src, S* dst, F f) {
#define CEF_STRUCT_STRING(field) f(&src->field, &dst->field);
#define CEF_STRUCT_TRAITS_END(S)                                         \
  }                                                                      \
  static void clear(S* s) {                                              \
    each_string(s, s, [](const cef_string_t*, cef_string_t* d) { cef_string_clear(d); }); \
  }                                                                      \
  static void set(const S* src, S* dst, bool copy) {                     \
    clear(dst);                                                          \
    std::memcpy(static_cast<void*>(dst), src, sizeof(S));                \
    each_string(src, dst, [copy](const cef_string_t* s, cef_string_t* d) { \
      *d = cef_string_t{NULL, 0, NULL};                                  \
      cef_string_set(s->str, s->length, d, copy);                        \
    });                                                                  \
  }                                                                      \
  };

CEF_STRUCT_TRAITS_BEGIN(CefSettingsTraits, cef_settings_t, true)
  CEF_STRUCT_STRING(browser_subprocess_path)
  CEF_STRUCT_STRING(cache_path)
  CEF_STRUCT_STRING(user_data_path)
  CEF_STRUCT_STRING(user_agent)
  CEF_STRUCT_STRING(product_version)
  CEF_STRUCT_STRING(locale)
  CEF_STRUCT_STRING(log_file)
  CEF_STRUCT_STRING(javascript_flags)
  CEF_STRUCT_STRING(resources_dir_path)
  CEF_STRUCT_STRING(locales_dir_path)
  CEF_STRUCT_STRING(accept_language_list)
CEF_STRUCT_TRAITS_END(cef_settings_t)
typedef CefStructBase<CefSettingsTraits> CefSettings;

CEF_STRUCT_TRAITS_BEGIN(CefBrowserSettingsTraits, cef_browser_settings_t, true)
  CEF_STRUCT_STRING(standard_font_family)
  CEF_STRUCT_STRING(fixed_font_family)
  CEF_STRUCT_STRING(serif_font_family)
  CEF_STRUCT_STRING(sans_serif_font_family)
  CEF_STRUCT_STRING(cursive_font_family)
  CEF_STRUCT_STRING(fantasy_font_family)
  CEF_STRUCT_STRING(default_encoding)
  CEF_STRUCT_STRING(accept_language_list)
CEF_STRUCT_TRAITS_END(cef_browser_settings_t)
typedef CefStructBase<CefBrowserSettingsTraits> CefBrowserSettings;

CEF_STRUCT_TRAITS_BEGIN(CefWindowInfoTraits, cef_window_info_t, false)
  CEF_STRUCT_STRING(window_name)
CEF_STRUCT_TRAITS_END(cef_window_info_t)

class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  CefWindowInfo() {}
  CefWindowInfo(const cef_window_info_t& r) : CefStructBase<CefWindowInfoTraits>(r) {}

  void SetAsChild(cef_window_handle_t parent, RECT windowRect) {
    style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
    parent_window = parent;
    x = windowRect.left;
    y = windowRect.top;
    width = windowRect.right - windowRect.left;
    height = windowRect.bottom - windowRect.top;
  }
  void SetAsPopup(cef_window_handle_t parent, const CefString& windowName) {
    style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
    parent_window = parent;
    x = CW_USEDEFAULT;
    y = CW_USEDEFAULT;
    width = CW_USEDEFAULT;
    height = CW_USEDEFAULT;
    cef_string_set(windowName.c_str(), windowName.length(), &window_name, true);
  }
  void SetAsWindowless(cef_window_handle_t parent, bool transparent) {
    windowless_rendering_enabled = true;
    parent_window = parent;
    transparent_painting_enabled = transparent;
  }
};

struct CefPopupFeaturesTraits {
  typedef cef_popup_features_t struct_type;
  static void init(struct_type* s) {
    s->menuBarVisible = true;
    s->statusBarVisible = true;
    s->toolBarVisible = true;
    s->locationBarVisible = true;
    s->scrollbarsVisible = true;
    s->resizable = true;
  }
  static void clear(struct_type*) {}
  static void set(const struct_type* src, struct_type* dst, bool) { *dst = *src; }
};
typedef CefStructBase<CefPopupFeaturesTraits> CefPopupFeatures;

template <class S>
struct CefPlainTraits {
  typedef S struct_type;
  static void init(S*) {}
  static void clear(S*) {}
  static void set(const S* src, S* dst, bool) { *dst = *src; }
};

typedef CefStructBase<CefPlainTraits<cef_key_event_t>> CefKeyEvent;
typedef CefStructBase<CefPlainTraits<cef_mouse_event_t>> CefMouseEvent;
typedef CefStructBase<CefPlainTraits<cef_screen_info_t>> CefScreenInfo;
typedef CefStructBase<CefPlainTraits<cef_geoposition_t>> CefGeoposition;

CEF_STRUCT_TRAITS_BEGIN(CefCookieTraits, cef_cookie_t, false)
  CEF_STRUCT_STRING(name)
  CEF_STRUCT_STRING(value)
  CEF_STRUCT_STRING(domain)
  CEF_STRUCT_STRING(path)
CEF_STRUCT_TRAITS_END(cef_cookie_t)
typedef CefStructBase<CefCookieTraits> CefCookie;

class CefMainArgs : public cef_main_args_t {
 public:
  CefMainArgs() { instance = NULL; }
  explicit CefMainArgs(HINSTANCE hInstance) { instance = hInstance; }
};

class CefRect : public cef_rect_t {
 public:
  CefRect() : cef_rect_t{0, 0, 0, 0} {}
  CefRect(int x, int y, int width, int height) : cef_rect_t{x, y, width, height} {}
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  bool operator==(const CefRect& r) const {
    return x == r.x && y == r.y && width == r.width && height == r.height;
  }
  bool operator!=(const CefRect& r) const { return !(*this == r); }
};

class CefPoint : public cef_point_t {
 public:
  CefPoint() : cef_point_t{0, 0} {}
  CefPoint(int x, int y) : cef_point_t{x, y} {}
};

class CefSize : public cef_size_t {
 public:
  CefSize() : cef_size_t{0, 0} {}
  CefSize(int width, int height) : cef_size_t{width, height} {}
};
