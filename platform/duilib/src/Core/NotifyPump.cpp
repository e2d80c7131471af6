#include "Core/UIBase.h"

#include "Core/UIControl.h"

namespace DuiLib {

DUI_BASE_BEGIN_MESSAGE_MAP(CNotifyPump)
DUI_END_MESSAGE_MAP()

// A map entry holds a derived class's handler converted to a CNotifyPump member pointer, which
// the language allows calling on an object of that derived class; the sanitizer's type check
// expects the pointer's own class at the adjusted address and so rejects every such call.
__attribute__((no_sanitize("vptr"))) bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
  const CDuiString senderName = msg.pSender != NULL ? msg.pSender->GetName() : CDuiString();
  for (const DUI_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
       pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
    for (const DUI_MSGMAP_ENTRY* pEntry = pMap->lpEntries;
         pEntry != NULL && pEntry->nSig != DuiSig_end; ++pEntry) {
      if (pEntry->sMsgType != msg.sType) continue;
      if (!pEntry->sCtrlName.IsEmpty() && pEntry->sCtrlName != senderName) continue;
      if (pEntry->nSig == DuiSig_vn && pEntry->pfn != NULL) {
        (this->*pEntry->pfn)(msg);
        return true;
      }
    }
  }
  return false;
}

void CNotifyPump::NotifyPump(TNotifyUI& msg) { LoopDispatch(msg); }

}  // namespace DuiLib
