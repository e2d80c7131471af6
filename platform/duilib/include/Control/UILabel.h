// A line of text in a declared font.
#pragma once

#include "Core/UIControl.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
 public:
  CLabelUI();

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  void SetText(LPCTSTR pstrText) override;

  // DT_* flags.
  void SetTextStyle(UINT uStyle);
  UINT GetTextStyle() const;
  // 0xAARRGGBB; 0 means the default colour.
  void SetTextColor(DWORD dwTextColor);
  DWORD GetTextColor() const;
  void SetDisabledTextColor(DWORD dwTextColor);
  DWORD GetDisabledTextColor() const;
  // A font id of the paint manager; -1 is the default font.
  void SetFont(int index);
  int GetFont() const;
  RECT GetTextPadding() const;
  void SetTextPadding(RECT rc);
  // The label's width follows its text.
  void SetAutoCalcWidth(bool bAutoCalcWidth);
  bool GetAutoCalcWidth() const;

  SIZE EstimateSize(SIZE szAvailable) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void PaintText(HDC hDC) override;

 protected:
  // The colour text is painted in now.
  virtual DWORD GetPaintTextColor() const;

  DWORD m_dwTextColor;
  DWORD m_dwDisabledTextColor;
  int m_iFont;
  UINT m_uTextStyle;
  RECT m_rcTextPadding;
  bool m_bAutoCalcWidth;
};

}  // namespace DuiLib
