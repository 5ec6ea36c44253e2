// CTKReBar: tool bars in rebar bands.
#include "commandbars/TKReBar.h"

#include <afxcmn.h>
#include <afxframe.h>

#include "commandbars/TKDockBar.h"
#include "commandbars/TKToolBar.h"

IMPLEMENT_DYNAMIC(CTKReBar, CReBar)

namespace {
/// A band measures its bar at this length: the bar lays out on one row.
const int kUnboundedLength = 32000;
}  // namespace

BOOL CTKReBar::AddToolBar(CTKToolBar* pBar, DWORD dwBandStyle) {
  const CSize sz = pBar->CalcLayout(kUnboundedLength, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
  pBar->SetWindowPos(NULL, 0, 0, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  if (CTKDockBar* pDockBar = pBar->GetDockBar()) {
    pDockBar->RemoveCommandBar(pBar);
    pBar->SetFlags(pBar->GetFlags() & ~TKBARFLAG_MOVABLE);
    pBar->SetShowGripper(FALSE);
  }
  if (!AddBar(pBar, NULL, NULL, dwBandStyle)) return FALSE;
  REBARBANDINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_ID;
  info.wID = pBar->GetBarID();
  const int nLast = static_cast<int>(SendMessage(RB_GETBANDCOUNT)) - 1;
  SendMessage(RB_SETBANDINFO, nLast, reinterpret_cast<LPARAM>(&info));
  return TRUE;
}

CTKToolBar* CTKReBar::GetToolBar(int nBand) const { return GetToolBarOf(this, nBand); }

CTKToolBar* AFX_CDECL CTKReBar::GetToolBarOf(const CReBar* pReBar, int nBand) {
  REBARBANDINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_SIZE;
  if (!::SendMessage(pReBar->GetSafeHwnd(), RB_GETBANDINFO, nBand,
                     reinterpret_cast<LPARAM>(&info)))
    return nullptr;
  return DYNAMIC_DOWNCAST(CTKToolBar, CWnd::FromHandlePermanent(info.hwndChild));
}

int AFX_CDECL CTKReBar::FindBandOf(const CReBar* pReBar, CTKToolBar* pBar) {
  const int nBands = static_cast<int>(::SendMessage(pReBar->GetSafeHwnd(), RB_GETBANDCOUNT, 0, 0));
  for (int i = nBands - 1; i >= 0; --i)
    if (GetToolBarOf(pReBar, i) == pBar) return i;
  return -1;
}
