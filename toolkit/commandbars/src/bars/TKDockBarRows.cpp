// CTKDockBar: the size of the rows and the places of the bars in each row.
// A vertical row is laid out as a horizontal one with its rectangles transposed.
#include "commandbars/TKDockBar.h"

#include <afxframe.h>
#include <afxpriv.h>

#include <algorithm>
#include <vector>

#include "commandbars/TKToolBar.h"

namespace {

/// One bar of a row during one layout pass.
struct DOCK_INFO {
  CTKToolBar* pBar;
  /// Its place along the row (left/right), in dock-bar client coordinates.
  CRect rcBar;
  /// The place it asked for at the start of the pass.
  CRect rcMRU;
  /// Its position in the row's list: the later one gives way on overlaps.
  int nIndex;
  int nMinLength;
  /// The minimum lengths of the bars in front of it.
  int nMinBefore;
};

void Transpose(std::vector<DOCK_INFO>& entries) {
  for (DOCK_INFO& e : entries)
    e.rcBar = CRect(e.rcBar.top, e.rcBar.left, e.rcBar.bottom, e.rcBar.right);
}

void MoveAlong(CRect& rc, int nLeft) { rc.OffsetRect(nLeft - rc.left, 0); }

/// The length along the row of a size.
int Along(CSize sz, BOOL bHorizontal) { return bHorizontal ? sz.cx : sz.cy; }
int Across(CSize sz, BOOL bHorizontal) { return bHorizontal ? sz.cy : sz.cx; }

}  // namespace

DWORD AFX_CDECL CTKDockBar::GetLayoutMode(BOOL bHorizontal, CTKToolBar* pBar) {
  DWORD dwMode = bHorizontal ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
  if (pBar->GetFlags() & TKBARFLAG_STRETCHED) dwMode |= LM_STRETCH;
  if (pBar->GetFlags() & TKBARFLAG_HIDEWRAP) dwMode |= TKLM_HIDEWRAP;
  return dwMode;
}

CSize CTKDockBar::CalcDynamicLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout) {
  const BOOL bHorizontal = (dwMode & LM_HORZ) != 0;
  CSize sz(0, 0);
  if (dwMode & LM_STRETCH) (bHorizontal ? sz.cx : sz.cy) = 32767;
  AFX_SIZEPARENTPARAMS layout = {};
  if (pLayout != nullptr && pLayout->hDWP != NULL)
    layout.hDWP = ::BeginDeferWindowPos(GetEntryCount());
  int nOffset = 0;
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  for (int i = 1; i < GetEntryCount(); ++i) {
    CTKToolBar* pBar = m_arrBars[i];
    if (pBar != nullptr) {
      if (pBar->IsVisible()) arrRow.Add(pBar);
      continue;
    }
    if (arrRow.GetSize() == 0) continue;
    nOffset += CalcRowLayout(arrRow, bHorizontal ? 0 : nOffset, bHorizontal ? nOffset : 0, nLength,
                             bHorizontal, &layout);
    if (bHorizontal)
      sz.cy = std::max<int>(sz.cy, nOffset);
    else
      sz.cx = std::max<int>(sz.cx, nOffset);
    arrRow.RemoveAll();
  }
  if (layout.hDWP != NULL) ::EndDeferWindowPos(layout.hDWP);
  return sz;
}

int AFX_CDECL CTKDockBar::CalcRowLayout(CArray<CTKToolBar*, CTKToolBar*>& arrBars, int x, int y,
                                        int nLength, BOOL bHorizontal,
                                        AFX_SIZEPARENTPARAMS* pLayout) {
  CArray<CTKToolBar*, CTKToolBar*> arrRow;
  arrRow.Copy(arrBars);
  int nTotal = 0;
  for (;;) {
    CArray<CTKToolBar*, CTKToolBar*> arrNext;
    int nThickness;
    for (;;) {
      int nMove = -1;
      nThickness = AdjustRow(arrRow, x, y, nLength, bHorizontal, pLayout, &nMove);
      if (nThickness != -1) break;
      arrNext.Add(arrRow[nMove]);
      arrRow.RemoveAt(nMove);
    }
    nTotal += nThickness;
    (bHorizontal ? y : x) += nThickness;
    if (arrNext.GetSize() == 0) return nTotal;
    arrRow.Copy(arrNext);
  }
}

int AFX_CDECL CTKDockBar::AdjustRow(CArray<CTKToolBar*, CTKToolBar*>& arrBars, int x, int y,
                                    int nLength, BOOL bHorizontal, AFX_SIZEPARENTPARAMS* pLayout,
                                    int* pnMoveIndex) {
  // 1. Each bar's natural size at the place it asked for.
  std::vector<DOCK_INFO> entries;
  for (int i = 0; i < arrBars.GetSize(); ++i) {
    CTKToolBar* pBar = arrBars[i];
    const CSize sz = pBar->CalcLayout(nLength, GetLayoutMode(bHorizontal, pBar), 0);
    const CRect rcMRU = pBar->GetDockContext() != nullptr ? pBar->GetDockContext()->m_rectMRUDockPos
                                                          : CRect(0, 0, 0, 0);
    const CPoint ptStart = bHorizontal ? CPoint(rcMRU.left, y) : CPoint(x, rcMRU.top);
    const CRect rc(ptStart, sz);
    entries.push_back({pBar, rc, rc, i, 0, 0});
  }
  if (!bHorizontal) Transpose(entries);
  std::stable_sort(entries.begin(), entries.end(), [](const DOCK_INFO& a, const DOCK_INFO& b) {
    return a.rcBar.left < b.rcBar.left;
  });
  const int nCount = static_cast<int>(entries.size());

  // 2. Overlaps push right; the bar later in the list gives way.
  int nPrevRight = 0, nPrevIndex = -1;
  BOOL bPrevMoved = FALSE;
  for (DOCK_INFO& e : entries) {
    BOOL bMoved = FALSE;
    if (e.rcBar.left < nPrevRight && !(e.nIndex <= nPrevIndex && !bPrevMoved)) {
      MoveAlong(e.rcBar, nPrevRight);
      bMoved = TRUE;
    }
    nPrevRight = e.rcBar.right;
    nPrevIndex = e.nIndex;
    bPrevMoved = bMoved;
  }

  // 3. Bars past the end pull back.
  int nLimit = nLength, nNextIndex = -1;
  BOOL bNextMoved = FALSE;
  for (int i = nCount - 1; i >= 0; --i) {
    DOCK_INFO& e = entries[i];
    BOOL bMoved = FALSE;
    if (e.rcBar.right > nLimit && !(e.nIndex <= nNextIndex && !bNextMoved)) {
      MoveAlong(e.rcBar, nLimit - e.rcBar.Width());
      bMoved = TRUE;
    }
    nLimit = e.rcBar.left;
    nNextIndex = e.nIndex;
    bNextMoved = bMoved;
  }

  // 4. What still overlaps goes right.
  nPrevRight = 0;
  for (DOCK_INFO& e : entries) {
    if (e.rcBar.left < nPrevRight) MoveAlong(e.rcBar, nPrevRight);
    nPrevRight = e.rcBar.right;
  }

  // 5. Too long: the bars shrink from the right, down to their minimum lengths.
  if (nPrevRight > nLength) {
    int nMinBefore = 0;
    for (DOCK_INFO& e : entries) {
      const DWORD dwMode = GetLayoutMode(bHorizontal, e.pBar);
      e.nMinLength = (dwMode & TKLM_HIDEWRAP)
                         ? Along(e.pBar->CalcLayout(1, dwMode, 0), bHorizontal)
                         : nLength;
      e.nMinBefore = nMinBefore;
      nMinBefore += e.nMinLength;
    }
    nLimit = nLength;
    for (int i = nCount - 1; i >= 0; --i) {
      DOCK_INFO& e = entries[i];
      const int nStart = bHorizontal ? e.rcMRU.left : e.rcMRU.top;
      int nLeft = std::min<int>(nStart, e.rcBar.left);
      nLeft = std::max<int>(nLeft, e.rcBar.left + (nLimit - e.rcBar.right));
      nLeft = std::max<int>(nLeft, e.nMinBefore);
      nLeft = std::min<int>(nLeft, nLimit - e.nMinLength);
      if (nLeft < e.nMinBefore && nCount > 1) {
        *pnMoveIndex = entries[nCount - 1].nIndex;
        return -1;
      }
      e.rcBar.left = std::max<int>(nLeft, 0);
      e.rcBar.right = nLimit;
      nLimit = e.rcBar.left;
    }
  }

  // 6, 7. The row is as thick as its thickest bar at its length.
  if (!bHorizontal) Transpose(entries);
  int nThickness = 0;
  for (DOCK_INFO& e : entries) {
    const DWORD dwMode = GetLayoutMode(bHorizontal, e.pBar);
    const CSize sz = e.pBar->CalcLayout(Along(e.rcBar.Size(), bHorizontal), dwMode, 0);
    nThickness = std::max<int>(nThickness, Across(sz, bHorizontal));
  }
  if (pLayout == nullptr || pLayout->hDWP == NULL) return nThickness;

  // 9. Placement.
  int nPrevFar = 0;
  for (int i = 0; i < nCount; ++i) {
    DOCK_INFO& e = entries[i];
    CTKToolBar* pBar = e.pBar;
    DWORD dwMode = GetLayoutMode(bHorizontal, pBar) | LM_COMMIT;
    CRect& rc = e.rcBar;
    if (pBar->GetFlags() & TKBARFLAG_FILLROW) {
      const CRect* pNext = i + 1 < nCount ? &entries[i + 1].rcBar : nullptr;
      if (bHorizontal) {
        rc.right = pNext != nullptr ? pNext->left : nLength;
        rc.left = i == 0 ? 0 : std::min<int>(rc.left, nPrevFar);
      } else {
        rc.bottom = pNext != nullptr ? pNext->top : nLength;
        rc.top = i == 0 ? 0 : std::min<int>(rc.top, nPrevFar);
      }
      dwMode |= LM_STRETCH;
    }
    const CSize sz = pBar->CalcLayout(Along(rc.Size(), bHorizontal), dwMode, nThickness);
    rc = CRect(rc.TopLeft(), sz);
    nPrevFar = bHorizontal ? rc.right : rc.bottom;
    if (pBar->GetDockContext() != nullptr && pBar->GetDockBar() != nullptr)
      pBar->GetDockContext()->m_nMRUDockPosition = pBar->GetDockBar()->GetPosition();
    if (pBar->GetSafeHwnd() == NULL) continue;
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    pBar->GetParent()->ScreenToClient(&rcWindow);
    if (rcWindow == rc) continue;
    AfxRepositionWindow(pLayout, pBar->GetSafeHwnd(), &rc);
    pBar->Invalidate(FALSE);
  }
  return nThickness;
}
