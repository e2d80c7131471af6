#pragma once

#include "UIlib.h"

// A skinned message box: title, text, confirm (closes with 1) and cancel or
// close (close with 0). Its messages run on the thread that creates it.
class CMsgWnd : public DuiLib::WindowImplBase {
 public:
  CMsgWnd();

  LPCTSTR GetWindowClassName() const override;
  void OnFinalMessage(HWND hWnd) override;
  void InitWindow() override;
  void OnClick(DuiLib::TNotifyUI& msg) override;
  DuiLib::CDuiString GetSkinFile() override;

  // Both change their label only when given text and once the skin is built.
  void SetTitle(const DuiLib::CDuiString& title);
  void SetMsg(const DuiLib::CDuiString& text);

  DUI_DECLARE_MESSAGE_MAP()

 protected:
  ~CMsgWnd();

 private:
  void SetLabelText(LPCTSTR name, const DuiLib::CDuiString& text);

  // Null when the skin lacks the button ("msg.xml" has only the close button).
  DuiLib::CControlUI* m_pCloseBtn;
  DuiLib::CControlUI* m_pMaxBtn;
  DuiLib::CControlUI* m_pRestoreBtn;
  DuiLib::CControlUI* m_pMinBtn;
};
