// CWnd::OnWndMsg: finding a window message's entry in the map chain and
// calling its handler with the arguments unpacked from wParam and lParam.
#include "WndState.h"

namespace {

// The control-colour messages share one entry (WM_CTLCOLOR) and one handler.
bool IsCtlColorMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool EntryAnswers(const AFX_MSGMAP_ENTRY& entry, UINT message) {
  if (entry.nMessage == 0xC000) {
    // ON_REGISTERED_MESSAGE: nSig points to the variable with the number.
    return message >= 0xC000 && *reinterpret_cast<const UINT*>(entry.nSig) == message;
  }
  return entry.nMessage == message && entry.nCode == 0 && entry.nID == 0 &&
         entry.nSig >= AfxSig_firstWindowSig;
}

CPoint PointOf(LPARAM lParam) { return CPoint(lParam); }

// Activation that moves between hWnd's family (its top-level window with
// the dialogs and pop-ups it owns) and another is announced to the family's
// top-level window, whichever member gets the WM_ACTIVATE.
void SendActivateTopLevel(HWND hWnd, WPARAM wParam, HWND hWndOther) {
  if (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) return;
  HWND hTop = AfxGetTopLevelParent(hWnd);
  if (hWndOther != nullptr && ::IsWindow(hWndOther) && AfxGetTopLevelParent(hWndOther) == hTop)
    return;
  HWND pair[2] = {hWnd, hWndOther};
  ::SendMessage(hTop, WM_ACTIVATETOPLEVEL, wParam, reinterpret_cast<LPARAM>(pair));
}

}  // namespace

const AFX_MSGMAP_ENTRY* CWnd::FindMessageEntry(UINT message) const {
  UINT key = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
      if (EntryAnswers(*pEntry, key)) return pEntry;
  }
  return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  if (message == WM_ACTIVATE) SendActivateTopLevel(m_hWnd, wParam, reinterpret_cast<HWND>(lParam));
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    lResult = 1;
  } else if (message == WM_NOTIFY) {
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult)) return FALSE;
  } else {
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message);
    if (pEntry == nullptr) return FALSE;
    lResult = DispatchWndMsg(*pEntry, message, wParam, lParam);
  }
  if (pResult != nullptr) *pResult = lResult;
  return TRUE;
}

LRESULT CWnd::DispatchWndMsg(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  CCmdTarget* const target = this;
  const AFX_PMSG pfn = entry.pfn;
#define AFX_CALL(type, ...) (target->*reinterpret_cast<type>(pfn))(__VA_ARGS__)
  UINT_PTR nSig = entry.nMessage == 0xC000 ? static_cast<UINT_PTR>(AfxSig_lwl) : entry.nSig;
  switch (nSig) {
    case AfxSig_vv:
      AFX_CALL(void(CCmdTarget::*)());
      return 0;
    case AfxSig_lwl:
      return AFX_CALL(LRESULT(CCmdTarget::*)(WPARAM, LPARAM), wParam, lParam);
    case AfxSig_is:
      return AFX_CALL(int(CCmdTarget::*)(LPCREATESTRUCT), reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_bs:
      return AFX_CALL(BOOL(CCmdTarget::*)(LPCREATESTRUCT),
                      reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_bD:
      return AFX_CALL(BOOL(CCmdTarget::*)(CDC*), CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case AfxSig_vwii:
      AFX_CALL(void(CCmdTarget::*)(UINT, int, int), static_cast<UINT>(wParam),
               (short)LOWORD(lParam), (short)HIWORD(lParam));
      return 0;
    case AfxSig_vii:
      AFX_CALL(void(CCmdTarget::*)(int, int), (short)LOWORD(lParam), (short)HIWORD(lParam));
      return 0;
    case AfxSig_vwp:
      AFX_CALL(void(CCmdTarget::*)(UINT, CPoint), static_cast<UINT>(wParam), PointOf(lParam));
      return 0;
    case AfxSig_bwsp:
      return AFX_CALL(BOOL(CCmdTarget::*)(UINT, short, CPoint), LOWORD(wParam),
                      (short)HIWORD(wParam), PointOf(lParam));
    case AfxSig_vup:
      AFX_CALL(void(CCmdTarget::*)(UINT_PTR), static_cast<UINT_PTR>(wParam));
      return 0;
    case AfxSig_vwww:
      AFX_CALL(void(CCmdTarget::*)(UINT, UINT, UINT), static_cast<UINT>(wParam), LOWORD(lParam),
               HIWORD(lParam));
      return 0;
    case AfxSig_vW:
      AFX_CALL(void(CCmdTarget::*)(CWnd*),
               FromHandle(reinterpret_cast<HWND>(message == WM_CAPTURECHANGED ? lParam : wParam)));
      return 0;
    case AfxSig_lp:
      return AFX_CALL(LRESULT(CCmdTarget::*)(CPoint), PointOf(lParam));
    case AfxSig_vCALC:
      AFX_CALL(void(CCmdTarget::*)(BOOL, NCCALCSIZE_PARAMS*), static_cast<BOOL>(wParam),
               reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
      return 0;
    case AfxSig_bb:
      return AFX_CALL(BOOL(CCmdTarget::*)(BOOL), static_cast<BOOL>(wParam));
    case AfxSig_vb:
      AFX_CALL(void(CCmdTarget::*)(BOOL), static_cast<BOOL>(wParam));
      return 0;
    case AfxSig_bWww:
      return AFX_CALL(BOOL(CCmdTarget::*)(CWnd*, UINT, UINT),
                      FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case AfxSig_iWww:
      return AFX_CALL(int(CCmdTarget::*)(CWnd*, UINT, UINT),
                      FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case AfxSig_hDWw:
      return reinterpret_cast<LRESULT>(AFX_CALL(
          HBRUSH(CCmdTarget::*)(CDC*, CWnd*, UINT), CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
          FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX));
    case AfxSig_hDw: {
      AFX_CTLCOLOR* pCtl = reinterpret_cast<AFX_CTLCOLOR*>(lParam);
      return reinterpret_cast<LRESULT>(
          AFX_CALL(HBRUSH(CCmdTarget::*)(CDC*, UINT), CDC::FromHandle(pCtl->hDC), pCtl->nCtlType));
    }
    case AfxSig_vwl:
      AFX_CALL(void(CCmdTarget::*)(UINT, LPARAM), static_cast<UINT>(wParam), lParam);
      return 0;
    case AfxSig_vMINMAX:
      AFX_CALL(void(CCmdTarget::*)(MINMAXINFO*), reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case AfxSig_vPOS:
      AFX_CALL(void(CCmdTarget::*)(WINDOWPOS*), reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case AfxSig_vbw:
      AFX_CALL(void(CCmdTarget::*)(BOOL, UINT), static_cast<BOOL>(wParam),
               static_cast<UINT>(lParam));
      return 0;
    case AfxSig_vwWb:
      AFX_CALL(void(CCmdTarget::*)(UINT, CWnd*, BOOL), LOWORD(wParam),
               FromHandle(reinterpret_cast<HWND>(lParam)), static_cast<BOOL>(HIWORD(wParam)));
      return 0;
    case AfxSig_vbh:
      AFX_CALL(void(CCmdTarget::*)(BOOL, DWORD), static_cast<BOOL>(wParam),
               static_cast<DWORD>(lParam));
      return 0;
    case AfxSig_vWp:
      AFX_CALL(void(CCmdTarget::*)(CWnd*, CPoint), FromHandle(reinterpret_cast<HWND>(wParam)),
               PointOf(lParam));
      return 0;
    case AfxSig_vwwS:
      // Scroll-bar controls are CWnd objects of the same layout.
      AFX_CALL(void(CCmdTarget::*)(UINT, UINT, CScrollBar*), LOWORD(wParam), HIWORD(wParam),
               reinterpret_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
      return 0;
    case AfxSig_vww:
      AFX_CALL(void(CCmdTarget::*)(UINT, UINT), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case AfxSig_vOWNER:
      AFX_CALL(void(CCmdTarget::*)(int, LPDRAWITEMSTRUCT), static_cast<int>(wParam),
               reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vMEASURE:
      AFX_CALL(void(CCmdTarget::*)(int, LPMEASUREITEMSTRUCT), static_cast<int>(wParam),
               reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vDRAWR:
      AFX_CALL(void(CCmdTarget::*)(LPDRAWITEMSTRUCT), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vMEASURER:
      AFX_CALL(void(CCmdTarget::*)(LPMEASUREITEMSTRUCT),
               reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vws:
      AFX_CALL(void(CCmdTarget::*)(UINT, LPCTSTR), static_cast<UINT>(wParam),
               reinterpret_cast<LPCTSTR>(lParam));
      return 0;
    case AfxSig_vSTYLE:
      AFX_CALL(void(CCmdTarget::*)(int, LPSTYLESTRUCT), static_cast<int>(wParam),
               reinterpret_cast<LPSTYLESTRUCT>(lParam));
      return 0;
    case AfxSig_wv:
      return AFX_CALL(UINT(CCmdTarget::*)());
    case AfxSig_hv:
      return reinterpret_cast<LRESULT>(AFX_CALL(HCURSOR(CCmdTarget::*)()));
    case AfxSig_bWCDS:
      return AFX_CALL(BOOL(CCmdTarget::*)(CWnd*, COPYDATASTRUCT*),
                      FromHandle(reinterpret_cast<HWND>(wParam)),
                      reinterpret_cast<COPYDATASTRUCT*>(lParam));
    case AfxSig_vwwh:
      AFX_CALL(void(CCmdTarget::*)(UINT, UINT, HMENU), LOWORD(wParam), HIWORD(wParam),
               reinterpret_cast<HMENU>(lParam));
      return 0;
    case AfxSig_vwW:
      AFX_CALL(void(CCmdTarget::*)(UINT, CWnd*), static_cast<UINT>(wParam),
               FromHandle(reinterpret_cast<HWND>(lParam)));
      return 0;
    case AfxSig_vMwb:
      AFX_CALL(void(CCmdTarget::*)(CMenu*, UINT, BOOL),
               CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam),
               static_cast<BOOL>(HIWORD(lParam)));
      return 0;
    case AfxSig_vM:
      AFX_CALL(void(CCmdTarget::*)(CMenu*), CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)));
      return 0;
    case AfxSig_lwwM:
      return AFX_CALL(LRESULT(CCmdTarget::*)(UINT, UINT, CMenu*), LOWORD(wParam), HIWORD(wParam),
                      CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
    case AfxSig_iis:
      return AFX_CALL(int(CCmdTarget::*)(int, LPCOMPAREITEMSTRUCT), static_cast<int>(wParam),
                      reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
    case AfxSig_vDELETEITEM:
      AFX_CALL(void(CCmdTarget::*)(int, LPDELETEITEMSTRUCT), static_cast<int>(wParam),
               reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      return TRUE;
    case AfxSig_vbWW:
      AFX_CALL(void(CCmdTarget::*)(BOOL, CWnd*, CWnd*), reinterpret_cast<HWND>(lParam) == m_hWnd,
               FromHandle(reinterpret_cast<HWND>(lParam)),
               FromHandle(reinterpret_cast<HWND>(wParam)));
      return 0;
    default:
      return 0;
  }
#undef AFX_CALL
}
