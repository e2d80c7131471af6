// The base of every skin control.
#pragma once

#include <windows.h>

#include "Core/UIDefine.h"
#include "Core/UIManager.h"
#include "Utils/Utils.h"

namespace DuiLib {

typedef CControlUI*(CALLBACK* FINDCONTROLPROC)(CControlUI*, LPVOID);

// A float control's edges follow these fractions of its parent's size.
struct TPercentInfo {
  double left;
  double top;
  double right;
  double bottom;
};

// Rectangles are in the window's client coordinates. A control belongs to its parent (or, for
// the root, to the paint manager) and is used on its window's thread.
class CControlUI {
 public:
  CControlUI();
  virtual ~CControlUI();

  virtual CDuiString GetName() const;
  virtual void SetName(LPCTSTR pstrName);
  virtual LPCTSTR GetClass() const;
  // "Control" (any letter case) gives this control; NULL for names it does not answer to.
  virtual LPVOID GetInterface(LPCTSTR pstrName);
  virtual UINT GetControlFlags() const;
  // Visible and enabled.
  virtual bool Activate();
  virtual CPaintManagerUI* GetManager() const;
  virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true);
  virtual CControlUI* GetParent() const;

  virtual CDuiString GetText() const;
  virtual void SetText(LPCTSTR pstrText);

  DWORD GetBkColor() const;
  void SetBkColor(DWORD dwBackColor);
  LPCTSTR GetBkImage();
  void SetBkImage(LPCTSTR pStrImage);
  DWORD GetBorderColor() const;
  void SetBorderColor(DWORD dwBorderColor);
  int GetBorderSize() const;
  void SetBorderSize(int nSize);
  // Draws an image string ("imgs/a.png" or "file='..' source='..' corner='..'") in the control.
  bool DrawImage(HDC hDC, LPCTSTR pStrImage, LPCTSTR pStrModify = NULL);

  virtual const RECT& GetPos() const;
  virtual void SetPos(RECT rc, bool bNeedInvalidate = true);
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  virtual int GetX() const;
  virtual int GetY() const;
  virtual RECT GetPadding() const;
  virtual void SetPadding(RECT rcPadding);
  // The float offset from the parent's corner (pos attribute).
  virtual SIZE GetFixedXY() const;
  virtual void SetFixedXY(SIZE szXY);
  virtual TPercentInfo GetFloatPercent() const;
  virtual void SetFloatPercent(TPercentInfo piFloatPercent);
  // 0: sized by the layout.
  virtual int GetFixedWidth() const;
  virtual void SetFixedWidth(int cx);
  virtual int GetFixedHeight() const;
  virtual void SetFixedHeight(int cy);
  virtual int GetMinWidth() const;
  virtual void SetMinWidth(int cx);
  virtual int GetMaxWidth() const;
  virtual void SetMaxWidth(int cx);
  virtual int GetMinHeight() const;
  virtual void SetMinHeight(int cy);
  virtual int GetMaxHeight() const;
  virtual void SetMaxHeight(int cy);

  virtual CDuiString GetToolTip() const;
  virtual void SetToolTip(LPCTSTR pstrText);

  virtual const CDuiString& GetUserData();
  virtual void SetUserData(LPCTSTR pstrText);
  virtual UINT_PTR GetTag() const;
  virtual void SetTag(UINT_PTR pTag);

  // Own visibility and the one inherited from hidden ancestors.
  virtual bool IsVisible() const;
  virtual void SetVisible(bool bVisible = true);
  // Set by the parent when its own visibility changes.
  virtual void SetInternVisible(bool bVisible = true);
  virtual bool IsEnabled() const;
  virtual void SetEnabled(bool bEnable = true);
  virtual bool IsMouseEnabled() const;
  virtual void SetMouseEnabled(bool bEnable = true);
  virtual bool IsKeyboardEnabled() const;
  virtual void SetKeyboardEnabled(bool bEnable = true);
  virtual bool IsFocused() const;
  virtual void SetFocus();
  virtual bool IsFloat() const;
  virtual void SetFloat(bool bFloat = true);

  virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);

  void Invalidate();
  bool IsUpdateNeeded() const;
  void NeedUpdate();
  void NeedParentUpdate();

  void Init();
  virtual void DoInit();

  void Event(TEventUI& event);
  virtual void DoEvent(TEventUI& event);

  // Unknown attributes are ignored.
  virtual void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue);
  // name="value" pairs, as in a skin element or a Default entry.
  CControlUI* ApplyAttributeList(LPCTSTR pstrList);

  // The size the control asks of its layout; 0 in a dimension means "share the rest".
  virtual SIZE EstimateSize(SIZE szAvailable);

  virtual void DoPaint(HDC hDC, const RECT& rcPaint);
  virtual void PaintBkColor(HDC hDC);
  virtual void PaintBkImage(HDC hDC);
  virtual void PaintStatusImage(HDC hDC);
  virtual void PaintText(HDC hDC);
  virtual void PaintBorder(HDC hDC);

 protected:
  CPaintManagerUI* m_pManager;
  CControlUI* m_pParent;
  CDuiString m_sName;
  bool m_bUpdateNeeded;
  RECT m_rcItem;
  RECT m_rcPadding;
  SIZE m_cXY;
  SIZE m_cxyFixed;
  SIZE m_cxyMin;
  SIZE m_cxyMax;
  TPercentInfo m_piFloatPercent;
  bool m_bVisible;
  bool m_bInternVisible;
  bool m_bEnabled;
  bool m_bMouseEnabled;
  bool m_bKeyboardEnabled;
  bool m_bFocused;
  bool m_bFloat;

  CDuiString m_sText;
  CDuiString m_sToolTip;
  CDuiString m_sUserData;
  UINT_PTR m_pTag;

  DWORD m_dwBackColor;
  CDuiString m_sBkImage;
  DWORD m_dwBorderColor;
  int m_nBorderSize;
  RECT m_rcPaint;
};

}  // namespace DuiLib
