// A label that is clicked, with an image and text colour per state.
#pragma once

#include "Control/UILabel.h"

namespace DuiLib {

// Mouse down and up inside the button, or Return/Space while it has the focus, sends "click".
class CButtonUI : public CLabelUI {
 public:
  CButtonUI();

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetControlFlags() const override;

  bool Activate() override;
  void SetEnabled(bool bEnable = true) override;
  void DoEvent(TEventUI& event) override;

  // UISTATE_* bits.
  UINT GetButtonState() const;

  LPCTSTR GetNormalImage();
  void SetNormalImage(LPCTSTR pStrImage);
  LPCTSTR GetHotImage();
  void SetHotImage(LPCTSTR pStrImage);
  LPCTSTR GetPushedImage();
  void SetPushedImage(LPCTSTR pStrImage);
  LPCTSTR GetFocusedImage();
  void SetFocusedImage(LPCTSTR pStrImage);
  LPCTSTR GetDisabledImage();
  void SetDisabledImage(LPCTSTR pStrImage);

  void SetHotTextColor(DWORD dwColor);
  DWORD GetHotTextColor() const;
  void SetPushedTextColor(DWORD dwColor);
  DWORD GetPushedTextColor() const;
  void SetFocusedTextColor(DWORD dwColor);
  DWORD GetFocusedTextColor() const;

  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void PaintStatusImage(HDC hDC) override;

 protected:
  DWORD GetPaintTextColor() const override;

  UINT m_uButtonState;
  DWORD m_dwHotTextColor;
  DWORD m_dwPushedTextColor;
  DWORD m_dwFocusedTextColor;
  CDuiString m_sNormalImage;
  CDuiString m_sHotImage;
  CDuiString m_sPushedImage;
  CDuiString m_sFocusedImage;
  CDuiString m_sDisabledImage;
};

}  // namespace DuiLib
