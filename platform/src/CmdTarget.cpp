// CCmdTarget: reference counting and command routing.
#include "afxcmdtarget.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() : m_dwRef(1), m_pModuleState(AfxGetModuleState()), m_bAutomation(FALSE) {}

CCmdTarget::~CCmdTarget() = default;

DWORD CCmdTarget::InternalAddRef() { return InterlockedIncrement(&m_dwRef); }

DWORD CCmdTarget::InternalRelease() {
  LONG nRef = InterlockedDecrement(&m_dwRef);
  if (nRef == 0) OnFinalRelease();
  return nRef;
}

void CCmdTarget::OnFinalRelease() { delete this; }

// Command routing -------------------------------------------------------------------

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

// Calls a command or notification handler by its signature. Returns whether
// the command counts as handled.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig) {
  AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
#define AFX_CALL(type, ...) (pTarget->*reinterpret_cast<type>(pfn))(__VA_ARGS__)
  switch (nSig) {
    case AfxSigCmd_v:
      AFX_CALL(void(CCmdTarget::*)());
      return TRUE;
    case AfxSigCmd_RANGE:
      AFX_CALL(void(CCmdTarget::*)(UINT), nID);
      return TRUE;
    case AfxSigCmd_EX:
      return AFX_CALL(BOOL(CCmdTarget::*)(UINT), nID);
    case AfxSigCmd_b:
      return AFX_CALL(BOOL(CCmdTarget::*)());
    case AfxSigCmdUI: {
      CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
      pCmdUI->m_bContinueRouting = FALSE;
      AFX_CALL(void(CCmdTarget::*)(CCmdUI*), pCmdUI);
      const BOOL bHandled = !pCmdUI->m_bContinueRouting;
      // The item may be offered to the next target, which starts afresh.
      pCmdUI->m_bContinueRouting = FALSE;
      return bHandled;
    }
    case AfxSigNotify_v:
      AFX_CALL(void(CCmdTarget::*)(NMHDR*, LRESULT*), pNotify->pNMHDR, pNotify->pResult);
      return TRUE;
    case AfxSigNotify_RANGE:
      AFX_CALL(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), nID, pNotify->pNMHDR, pNotify->pResult);
      return TRUE;
    case AfxSigNotify_EX:
      return AFX_CALL(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), nID, pNotify->pNMHDR,
                      pNotify->pResult);
    case AfxSigNotify_b:
      return AFX_CALL(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), pNotify->pNMHDR, pNotify->pResult);
    default:
      return FALSE;
  }
#undef AFX_CALL
}

// Window-message entries share the maps but are not commands.
bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
  return entry.nSig < AfxSig_firstWindowSig && entry.nMessage == nMessage && entry.nCode == nCode &&
         nID >= entry.nID && nID <= entry.nLastID;
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT nMessage = WM_COMMAND;
  UINT nNotifyCode = static_cast<UINT>(nCode);
  if (HIWORD(nNotifyCode) != 0xFFFF) {
    nMessage = HIWORD(nNotifyCode) ? HIWORD(nNotifyCode) : WM_COMMAND;
    nNotifyCode = LOWORD(nNotifyCode);
  }
  // The most derived entry for the command decides for this object: an
  // ON_COMMAND_EX handler that declines, or an update handler that continues
  // routing, passes the command to the next target, not to a base class.
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
      if (!EntryMatches(*pEntry, nMessage, nNotifyCode, nID)) continue;
      if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
      }
      return DispatchCmdMsg(this, nID, pEntry->pfn, pExtra, pEntry->nSig);
    }
  }
  return FALSE;
}
