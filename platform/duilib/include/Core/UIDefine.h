// Constants, event and notification records, and the notification message maps.
#pragma once

#include <windows.h>

#include "Utils/Utils.h"

#define UILIB_API

namespace DuiLib {

class CControlUI;
class CNotifyPump;

// Where skins and images come from.
#define UILIB_FILE 1         // files under the resource path
#define UILIB_ZIP 2          // a zip archive file
#define UILIB_RESOURCE 3     // the executable's resources
#define UILIB_ZIPRESOURCE 4  // a zip archive held among the executable's resources

// Notification types.
#define DUI_MSGTYPE_WINDOWINIT (_T("windowinit"))
#define DUI_MSGTYPE_CLICK (_T("click"))
#define DUI_MSGTYPE_RETURN (_T("return"))
#define DUI_MSGTYPE_SETFOCUS (_T("setfocus"))
#define DUI_MSGTYPE_KILLFOCUS (_T("killfocus"))
#define DUI_MSGTYPE_TIMER (_T("timer"))

// Control states.
#define UISTATE_FOCUSED 0x00000001
#define UISTATE_SELECTED 0x00000002
#define UISTATE_DISABLED 0x00000004
#define UISTATE_HOT 0x00000008
#define UISTATE_PUSHED 0x00000010
#define UISTATE_READONLY 0x00000020
#define UISTATE_CAPTURED 0x00000040

// Control flags.
#define UIFLAG_TABSTOP 0x00000001
#define UIFLAG_SETCURSOR 0x00000002
#define UIFLAG_WANTRETURN 0x00000004

// Flags of CControlUI::FindControl.
#define UIFIND_ALL 0x00000000
#define UIFIND_VISIBLE 0x00000001
#define UIFIND_ENABLED 0x00000002
#define UIFIND_HITTEST 0x00000004
#define UIFIND_TOP_FIRST 0x00000008
#define UIFIND_ME_FIRST 0x80000000

// Events a paint manager hands to its controls.
enum UIEVENT {
  UIEVENT__FIRST = 1,
  UIEVENT__KEYBEGIN,
  UIEVENT_KEYDOWN,
  UIEVENT_KEYUP,
  UIEVENT_CHAR,
  UIEVENT_SYSKEY,
  UIEVENT__KEYEND,
  UIEVENT__MOUSEBEGIN,
  UIEVENT_MOUSEMOVE,
  UIEVENT_MOUSELEAVE,
  UIEVENT_MOUSEENTER,
  UIEVENT_MOUSEHOVER,
  UIEVENT_BUTTONDOWN,
  UIEVENT_BUTTONUP,
  UIEVENT_RBUTTONDOWN,
  UIEVENT_DBLCLICK,
  UIEVENT_CONTEXTMENU,
  UIEVENT_SCROLLWHEEL,
  UIEVENT__MOUSEEND,
  UIEVENT_KILLFOCUS,
  UIEVENT_SETFOCUS,
  UIEVENT_WINDOWSIZE,
  UIEVENT_SETCURSOR,
  UIEVENT_TIMER,
  UIEVENT__LAST,
};

typedef struct tagTEventUI {
  int Type;
  CControlUI* pSender;
  DWORD dwTimestamp;
  POINT ptMouse;
  TCHAR chKey;
  WORD wKeyState;
  WPARAM wParam;
  LPARAM lParam;
} TEventUI;

typedef struct tagTNotifyUI {
  CDuiString sType;
  CDuiString sVirtualWnd;
  CControlUI* pSender;
  DWORD dwTimestamp;
  POINT ptMouse;
  WPARAM wParam;
  LPARAM lParam;
} TNotifyUI;

// Handler signatures of a message map entry.
enum DuiSig {
  DuiSig_end = 0,   // end of the map
  DuiSig_vn = 2,    // void (TNotifyUI&)
};

typedef void (CNotifyPump::*DUI_PMSG)(TNotifyUI& msg);

struct DUI_MSGMAP_ENTRY {
  CDuiString sMsgType;   // notification type; empty in the end entry
  CDuiString sCtrlName;  // sender's name; empty matches any control
  UINT nSig;             // a DuiSig
  DUI_PMSG pfn;
};

struct DUI_MSGMAP {
  const DUI_MSGMAP* (*pfnGetBaseMap)();
  const DUI_MSGMAP_ENTRY* lpEntries;
};

// In a class derived from CNotifyPump: declares its map. Leaves the class at protected access.
#define DUI_DECLARE_MESSAGE_MAP()                         \
 private:                                                 \
  static const ::DuiLib::DUI_MSGMAP_ENTRY _messageEntries[]; \
                                                          \
 protected:                                               \
  static const ::DuiLib::DUI_MSGMAP messageMap;           \
  static const ::DuiLib::DUI_MSGMAP* GetBaseMessageMap(); \
  virtual const ::DuiLib::DUI_MSGMAP* GetMessageMap() const;

// The map of a class at the root of a chain (no base map).
#define DUI_BASE_BEGIN_MESSAGE_MAP(theClass)                                           \
  const ::DuiLib::DUI_MSGMAP* theClass::GetBaseMessageMap() { return NULL; }          \
  const ::DuiLib::DUI_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; } \
  const ::DuiLib::DUI_MSGMAP theClass::messageMap = {&theClass::GetBaseMessageMap,    \
                                                     &theClass::_messageEntries[0]};  \
  const ::DuiLib::DUI_MSGMAP_ENTRY theClass::_messageEntries[] = {

// The map of a skinned window; its base map is the library's WindowImplBase::messageMap.
#define DUI_BEGIN_MESSAGE_MAP(theClass)                                                \
  const ::DuiLib::DUI_MSGMAP* theClass::GetBaseMessageMap() {                         \
    return &::DuiLib::WindowImplBase::messageMap;                                     \
  }                                                                                    \
  const ::DuiLib::DUI_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; } \
  const ::DuiLib::DUI_MSGMAP theClass::messageMap = {&theClass::GetBaseMessageMap,    \
                                                     &theClass::_messageEntries[0]};  \
  const ::DuiLib::DUI_MSGMAP_ENTRY theClass::_messageEntries[] = {

#define DUI_END_MESSAGE_MAP()                                                     \
  {_T(""), _T(""), ::DuiLib::DuiSig_end, (::DuiLib::DUI_PMSG)0}                  \
  }                                                                               \
  ;

// memberFxn names the member with its class, as in DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, CMyWnd::OnClick).
#define DUI_ON_MSGTYPE(msgtype, memberFxn) \
  {msgtype, _T(""), ::DuiLib::DuiSig_vn, (::DuiLib::DUI_PMSG)&memberFxn},

#define DUI_ON_MSGTYPE_CTRNAME(msgtype, ctrname, memberFxn) \
  {msgtype, ctrname, ::DuiLib::DuiSig_vn, (::DuiLib::DUI_PMSG)&memberFxn},

#define DUI_ON_CLICK_CTRNAME(ctrname, memberFxn) \
  {DUI_MSGTYPE_CLICK, ctrname, ::DuiLib::DuiSig_vn, (::DuiLib::DUI_PMSG)&memberFxn},

}  // namespace DuiLib
