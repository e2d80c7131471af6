// The skinned window: a native window whose content is a skin's control tree.
#pragma once

#include <windows.h>

#include "Core/UIBase.h"
#include "Core/UIDlgBuilder.h"
#include "Core/UIManager.h"
#include "Core/UIResourceManager.h"

namespace DuiLib {

// HandleMessage presets bHandled to TRUE and calls the handler of the message; a handler that
// leaves it set ends the message with its result. Otherwise HandleCustomMessage (entered with
// the flag cleared) may take it, then the paint manager, then the default window procedure.
// The library's own handlers clear the flag where they only observe the message.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
 public:
  WindowImplBase() {}

 protected:
  LPCTSTR GetWindowClassName() const override = 0;
  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // Withdraws the window's filter and notifier; a derived window deletes itself after this.
  void OnFinalMessage(HWND hWnd) override;

 public:
  virtual ~WindowImplBase() {}

 protected:
  virtual void InitResource() {}
  // After the skin is built and attached.
  virtual void InitWindow() {}
  // The base map's "click": closebtn, minbtn, maxbtn and restorebtn act as their names say.
  virtual void OnClick(TNotifyUI& msg);
  // Whether a control under the caption drags the window: only plain controls, labels and
  // layouts, and only when all their ancestors are such too.
  virtual BOOL IsInStaticControl(CControlUI* pControl);
  // The type handed to CDialogBuilder with the skin file.
  virtual LPCTSTR GetSkinType() { return NULL; }
  virtual CDuiString GetSkinFile() = 0;
  virtual LPCTSTR GetManagerName() { return NULL; }
  // Return and Escape through the pre-message filter; TRUE means taken.
  virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);

  virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  // sizebox borders (unless maximised), then the caption rectangle, else HTCLIENT.
  virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  // mininfo as the smallest track size, maxinfo, the work area as the maximised size.
  virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  // Builds the skin from GetSkinFile with this window as the builder's callback; the skin's
  // size wins over the size given to Create. Without a skin the window stays empty.
  virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  // The window style without a caption.
  virtual LONG GetStyle();

 public:
  // INotifyUI: through the message map.
  void Notify(TNotifyUI& msg) override;
  // IMessageFilterUI (pre-message filter).
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
  // IDialogBuilderCallback: the library builds every class it knows; others give NULL.
  CControlUI* CreateControl(LPCTSTR pstrClass) override;
  // IQueryControlText.
  LPCTSTR QueryControlText(LPCTSTR lpstrId, LPCTSTR lpstrType) override;

 protected:
  CPaintManagerUI m_PaintManager;

  DUI_DECLARE_MESSAGE_MAP()
};

}  // namespace DuiLib
