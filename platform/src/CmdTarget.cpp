// CCmdTarget: reference counting, the wait cursor and command routing.
#include "afxcmdtarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() : m_dwRef(1), m_bAutomation(FALSE) {}

CCmdTarget::~CCmdTarget() = default;

DWORD CCmdTarget::InternalAddRef() { return InterlockedIncrement(&m_dwRef); }

DWORD CCmdTarget::InternalRelease() {
  LONG nRef = InterlockedDecrement(&m_dwRef);
  if (nRef == 0) OnFinalRelease();
  return nRef;
}

void CCmdTarget::OnFinalRelease() { delete this; }

// The wait cursor ------------------------------------------------------------------
// One count for the thread that shows it: nested BeginWaitCursor calls (a
// command that calls another) keep one cursor up until the outermost End.

namespace {
thread_local int t_nWaitCursorCount = 0;
thread_local HCURSOR t_hcurWaitRestore = NULL;

void ShowWaitCursor(int nCode) {
  if (nCode > 0) {
    HCURSOR hcurPrev = SetCursor(LoadCursor(NULL, IDC_WAIT));
    if (t_nWaitCursorCount++ == 0) t_hcurWaitRestore = hcurPrev;
  } else if (nCode < 0) {
    if (t_nWaitCursorCount == 0) return;
    if (--t_nWaitCursorCount == 0) SetCursor(t_hcurWaitRestore);
  } else if (t_nWaitCursorCount > 0) {
    SetCursor(LoadCursor(NULL, IDC_WAIT));
  }
}
}  // namespace

void CCmdTarget::BeginWaitCursor() { ShowWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { ShowWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { ShowWaitCursor(0); }

// Command routing -------------------------------------------------------------------

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

// Calls a command handler by its signature. Returns whether the command
// counts as handled; the window classes add their signatures here when they
// route notifications through OnCmdMsg.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, UINT nCode, AFX_PMSG pfn, void* pExtra,
                    UINT_PTR nSig) {
  switch (nSig) {
    case AfxSigCmd_v:
      (pTarget->*pfn)();
      return TRUE;
    case AfxSigCmd_RANGE:
      (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(pfn))(nID);
      return TRUE;
    case AfxSigCmd_EX:
      return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI: {
      CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
      pCmdUI->m_bContinueRouting = FALSE;
      (pTarget->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
      return !pCmdUI->m_bContinueRouting;
    }
    default:
      (void)nCode;
      return FALSE;
  }
}

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
  return entry.nMessage == nMessage && entry.nCode == nCode && nID >= entry.nID &&
         nID <= entry.nLastID;
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT nMessage = WM_COMMAND;
  UINT nNotifyCode = static_cast<UINT>(nCode);
  if (HIWORD(nNotifyCode) != 0xFFFF) {
    nMessage = HIWORD(nNotifyCode) ? HIWORD(nNotifyCode) : WM_COMMAND;
    nNotifyCode = LOWORD(nNotifyCode);
  }
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
      if (!EntryMatches(*pEntry, nMessage, nNotifyCode, nID)) continue;
      if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
      }
      if (DispatchCmdMsg(this, nID, nNotifyCode, pEntry->pfn, pExtra, pEntry->nSig)) return TRUE;
      // An ON_COMMAND_EX handler that declined, or an update handler that
      // continued routing: a later entry (a base class's) may still take it.
    }
  }
  return FALSE;
}
