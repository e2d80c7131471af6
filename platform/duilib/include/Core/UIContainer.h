// Controls that hold other controls.
#pragma once

#include <windows.h>

#include <vector>

#include "Core/UIControl.h"
#include "Utils/Utils.h"

namespace DuiLib {

class IContainerUI {
 public:
  virtual CControlUI* GetItemAt(int iIndex) const = 0;
  virtual int GetItemIndex(CControlUI* pControl) const = 0;
  virtual int GetCount() const = 0;
  virtual bool Add(CControlUI* pControl) = 0;
  virtual bool AddAt(CControlUI* pControl, int iIndex) = 0;
  // Removing a control deletes it.
  virtual bool Remove(CControlUI* pControl) = 0;
  virtual bool RemoveAt(int iIndex) = 0;
  virtual void RemoveAll() = 0;
};

// Owns its children. Non-float children fill the inset rectangle; float children are placed by
// their own rectangle relative to the container.
class CContainerUI : public CControlUI, public IContainerUI {
 public:
  CContainerUI();
  virtual ~CContainerUI();

  LPCTSTR GetClass() const override;
  // "Container", "IContainer" (the IContainerUI part), then the control's names.
  LPVOID GetInterface(LPCTSTR pstrName) override;

  CControlUI* GetItemAt(int iIndex) const override;
  int GetItemIndex(CControlUI* pControl) const override;
  int GetCount() const override;
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;
  bool RemoveAt(int iIndex) override;
  void RemoveAll() override;

  void SetVisible(bool bVisible = true) override;
  void SetInternVisible(bool bVisible = true) override;

  virtual RECT GetInset() const;
  virtual void SetInset(RECT rcInset);
  virtual int GetChildPadding() const;
  virtual void SetChildPadding(int iPadding);

  void SetPos(RECT rc, bool bNeedInvalidate = true) override;
  void DoPaint(HDC hDC, const RECT& rcPaint) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
  CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;

 protected:
  // The rectangle inside the inset.
  RECT GetClientRect() const;
  // Places a float child relative to this container.
  void SetFloatPos(int iIndex);
  // Places the visible float children; returns the visible others in order.
  std::vector<CControlUI*> PlaceFloatChildren();

  CStdPtrArray m_items;
  RECT m_rcInset;
  int m_iChildPadding;
  bool m_bMouseChildEnabled;
};

}  // namespace DuiLib
