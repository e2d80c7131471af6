// Painting of skin images, colours, borders and text. Every HDC taken here is the cairo_t*
// that the paint manager prepared for the window's image surface.
#pragma once

#include <windows.h>

typedef struct _cairo_surface cairo_surface_t;

namespace DuiLib {

class CPaintManagerUI;

// A decoded image; owned by the process-wide image cache until ClearImageCache.
struct TImageInfo {
  cairo_surface_t* surface;
  int nX;
  int nY;
  bool bAlpha;  // some pixel is not fully opaque
};

class CRenderEngine {
 public:
  // Reads the member through CPaintManagerUI::LoadResourceData and decodes it once; safe on
  // any thread. NULL for a missing member, data that is not a PNG picture of sane size, or an
  // image that would take the decoded images past 64 MB (until ClearImageCache).
  static const TImageInfo* GetImage(LPCTSTR file);
  // Starts decoding the description's image on the library's own thread, so that a window's
  // first paint finds it ready; a hint, dropped when many are waiting. Controls call it when
  // the skin gives them the images they show first.
  static void PreloadImage(LPCTSTR pStrImage);

  // pStrImage is a file name or pairs such as
  //   file='imgs/bg.png' source='0,0,45,21' corner='7,28,7,3' dest='0,0,16,16' fade='128'
  // (also xtiled/ytiled='true'); pStrModify holds pairs that override it. Paints only inside
  // rcItem and rcPaint. False when nothing could be drawn: no file, a missing or broken image,
  // or a source rectangle that lies outside the image.
  static bool DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem,
                              const RECT& rcPaint, LPCTSTR pStrImage, LPCTSTR pStrModify = NULL);

  // Colours are 0xAARRGGBB; a colour with alpha 0 paints nothing.
  static void DrawColor(HDC hDC, const RECT& rc, DWORD argb);
  // A border nSize pixels wide lying inside rc; a pen without alpha is opaque.
  static void DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD argbPen);

  // uStyle takes the DT_* flags; with DT_CALCRECT rc receives the text's extent and nothing is
  // painted. A text colour written without alpha (0x00RRGGBB) is painted opaque, as skins mean it.
  static void DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, LPCTSTR pstrText,
                       DWORD argbText, int iFont, UINT uStyle);
  // The extent of the text on one line; hDC may be NULL.
  static SIZE GetTextSize(HDC hDC, CPaintManagerUI* pManager, LPCTSTR pstrText, int iFont,
                          UINT uStyle);

  // Frees every cached image, and so every TImageInfo handed out: call it when no window paints,
  // for instance after the skin's resources changed.
  static void ClearImageCache();
};

}  // namespace DuiLib
