// The paint manager: one per skinned window, plus the process-wide resource settings.
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <vector>

#include "Core/UIDefine.h"
#include "Utils/Utils.h"

typedef struct _cairo_surface cairo_surface_t;

namespace DuiLib {

class CControlUI;

struct TFontInfo {
  CDuiString sFontName;
  int iSize;  // pixels
  bool bBold;
  bool bUnderline;
  bool bItalic;
};

// Receives the notifications of a window's controls, on the window's thread.
class INotifyUI {
 public:
  virtual void Notify(TNotifyUI& msg) = 0;
};

// Sees a window's messages before (pre-filters) or at the start of (filters) the paint manager's
// own handling, on the window's thread. Setting bHandled ends the message there.
class IMessageFilterUI {
 public:
  virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;
};

class CPaintManagerUI {
 public:
  CPaintManagerUI();
  ~CPaintManagerUI();

  // Per window; all on the window's thread.
  void Init(HWND hWnd, LPCTSTR pstrName = NULL);
  LPCTSTR GetName() const;
  HWND GetPaintWindow() const;
  POINT GetMousePos() const;
  SIZE GetClientSize() const;

  void NeedUpdate();
  void Invalidate();
  void Invalidate(RECT& rcItem);
  // Lays the controls out now if anything asked for it; painting and hit-testing do the same.
  void UpdateLayout();

  SIZE GetInitSize();
  void SetInitSize(int cx, int cy);
  RECT& GetSizeBox();
  void SetSizeBox(RECT& rcSizeBox);
  RECT& GetCaptionRect();
  void SetCaptionRect(RECT& rcCaption);
  SIZE GetRoundCorner() const;
  void SetRoundCorner(int cx, int cy);
  SIZE GetMinInfo() const;
  void SetMinInfo(int cx, int cy);
  SIZE GetMaxInfo() const;
  void SetMaxInfo(int cx, int cy);
  // 0 (invisible) to 255 (opaque): the window's overall opacity.
  void SetTransparent(int nOpacity);
  BYTE GetTransparent() const;
  // A transparent background leaves unpainted pixels clear instead of filling them.
  void SetBackgroundTransparent(bool bTrans);
  bool IsBackgroundTransparent() const;

  // The surface the controls were last painted into (ARGB32, client size); NULL before the first
  // WM_PAINT. Owned by the manager.
  cairo_surface_t* GetPaintSurface() const;

  // Fonts: a window's own ids first, then fonts shared by every window, then the default font.
  void SetDefaultFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                      bool bShared = false);
  const TFontInfo* GetDefaultFontInfo();
  bool AddFont(int id, LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
               bool bShared = false);
  // Never NULL.
  const TFontInfo* GetFontInfo(int id);

  void AddDefaultAttributeList(LPCTSTR pStrControlName, LPCTSTR pStrControlAttrList);
  LPCTSTR GetDefaultAttributeList(LPCTSTR pStrControlName) const;

  // Takes ownership of the control tree.
  bool AttachDialog(CControlUI* pControl);
  bool InitControls(CControlUI* pControl, CControlUI* pParent = NULL);
  // Forgets every reference the manager keeps to the control (focus, hover, name...).
  void ReapObjects(CControlUI* pControl);

  CControlUI* GetFocus() const;
  void SetFocus(CControlUI* pControl);

  bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
  bool KillTimer(CControlUI* pControl, UINT nTimerID);
  void KillTimer(CControlUI* pControl);
  void RemoveAllTimers();

  void SetCapture();
  void ReleaseCapture();
  bool IsCaptured();

  bool AddNotifier(INotifyUI* pControl);
  bool RemoveNotifier(INotifyUI* pControl);
  // Synchronous by default; bAsync posts the notification to the window's own queue.
  void SendNotify(TNotifyUI& Msg, bool bAsync = false);
  void SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0,
                  bool bAsync = false);

  bool AddPreMessageFilter(IMessageFilterUI* pFilter);
  bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
  bool AddMessageFilter(IMessageFilterUI* pFilter);
  bool RemoveMessageFilter(IMessageFilterUI* pFilter);

  CControlUI* GetRoot() const;
  // The topmost visible, mouse-enabled control under the point (client coordinates), or NULL.
  CControlUI* FindControl(POINT pt) const;
  // By the skin attribute "name"; NULL if none.
  CControlUI* FindControl(LPCTSTR pstrName) const;

  // True when the message was handled; lRes then holds the result.
  bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
  bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);

  // Process-wide settings; set them on the main thread before any window exists.
  static HINSTANCE GetInstance();
  // The executable's folder with a trailing separator.
  static CDuiString GetInstancePath();
  static CDuiString GetCurrentPath();
  static HINSTANCE GetResourceDll();
  static const CDuiString& GetResourcePath();
  static const CDuiString& GetResourceZip();
  static bool IsCachedResourceZip();
  static HANDLE GetResourceZipHandle();
  static int GetResourceType();
  static void SetInstance(HINSTANCE hInst);
  static void SetCurrentPath(LPCTSTR pStrPath);
  static void SetResourceDll(HINSTANCE hInst);
  static void SetResourcePath(LPCTSTR pStrPath);
  static void SetResourceType(int nType);
  // The block stays the caller's and must outlive its use: members are read from it on demand.
  static void SetResourceZip(LPVOID pVoid, unsigned int len, LPCTSTR password = NULL);
  // A zip file; a relative path is taken under the resource path.
  static void SetResourceZip(LPCTSTR pstrZip, bool bCachedResourceZip = false,
                             LPCTSTR password = NULL);
  // A member of the skin archive (types UILIB_ZIP, UILIB_ZIPRESOURCE) or a file under the
  // resource path (other types). False if absent or unreadable. Safe on any thread.
  static bool LoadResourceData(LPCTSTR name, std::vector<unsigned char>& out);

  // Runs the thread's messages until WM_QUIT.
  static void MessageLoop();
  // Offers the message to the pre-message filters of the window it is for; true if one took it.
  static bool TranslateMessage(const LPMSG pMsg);

 private:
  struct TimerInfo {
    CControlUI* pSender;
    UINT nLocalID;
    UINT_PTR uWinTimer;
  };
  struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const;
  };

  void Paint();
  void OnMouseMove(POINT pt);
  void OnMouseLeave();
  void OnButtonDown(POINT pt, int type);
  void OnButtonUp(POINT pt);
  void OnKeyDown(WPARAM wParam, LPARAM lParam);
  void OnTimer(WPARAM wParam);
  void ReleaseEventControls();
  void FlushAsyncNotify();
  void SendEvent(CControlUI* pControl, int type, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0);

  HWND m_hWndPaint = NULL;
  CDuiString m_sName;
  std::unique_ptr<cairo_surface_t, SurfaceRelease> m_surface;

  CControlUI* m_pRoot = NULL;
  CControlUI* m_pFocus = NULL;
  CControlUI* m_pEventHover = NULL;
  CControlUI* m_pEventClick = NULL;
  CControlUI* m_pEventKey = NULL;
  POINT m_ptLastMousePos = {-1, -1};

  SIZE m_szMinWindow = {0, 0};
  SIZE m_szMaxWindow = {0, 0};
  SIZE m_szInitWindowSize = {0, 0};
  RECT m_rcSizeBox = {0, 0, 0, 0};
  SIZE m_szRoundCorner = {0, 0};
  RECT m_rcCaption = {0, 0, 0, 0};
  BYTE m_nOpacity = 255;
  bool m_bAlphaBackground = false;
  // Also set from other threads by controls that learn late of their content.
  std::atomic<bool> m_bUpdateNeeded{false};
  bool m_bFirstLayout = true;
  bool m_bMouseCapture = false;

  std::vector<INotifyUI*> m_aNotifiers;
  std::vector<IMessageFilterUI*> m_aPreMessageFilters;
  std::vector<IMessageFilterUI*> m_aMessageFilters;
  std::vector<TimerInfo> m_aTimers;
  UINT_PTR m_uTimerID = 0x1000;
  std::vector<TNotifyUI> m_aAsyncNotify;
  CStdStringPtrMap m_mNameHash;
  std::map<int, TFontInfo> m_aFonts;
  std::unique_ptr<TFontInfo> m_pDefaultFont;
  std::map<std::wstring, CDuiString> m_aDefaultAttrs;
};

}  // namespace DuiLib
