// CTKControls: finding, keyboard navigation and visible controls.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"

CTKControl* CTKControls::FindControl(int nType, int nId, BOOL bVisible, BOOL bRecursive) const {
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = m_arrControls[i];
    if ((nType == 0 || pControl->GetType() == nType) && (nId == -1 || pControl->GetID() == nId) &&
        (!bVisible || pControl->IsVisible(0)))
      return pControl;
    CTKCommandBar* pBar = bRecursive ? pControl->GetCommandBar() : nullptr;
    if (pBar != nullptr && pBar->GetControls() != nullptr) {
      if (CTKControl* pFound = pBar->GetControls()->FindControl(nType, nId, bVisible, TRUE))
        return pFound;
    }
  }
  return nullptr;
}

CTKControl* CTKControls::HitTest(CPoint point) const {
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = m_arrControls[i];
    if (pControl->IsVisible(0) && pControl->GetRect().PtInRect(point)) return pControl;
  }
  return nullptr;
}

int CTKControls::GetNext(int nIndex, int nDirection, BOOL bSkipFlagged, BOOL bSkipTemporary,
                         BOOL bCheckExpandHidden) const {
  const int nCount = GetCount();
  if (nCount == 0) return -1;
  const DWORD dwMask = bCheckExpandHidden ? TKHIDE_UNNEEDED : (TKHIDE_UNNEEDED | TKHIDE_EXPAND);
  int nNext = (nIndex == -1 && nDirection < 0) ? nCount - 1 : nIndex + nDirection;
  bool bWrapped = false;
  for (;; nNext += nDirection) {
    if (nNext < 0 || nNext >= nCount) {
      // A walk from outside the controls has seen them all when it runs off.
      if (nIndex == -1 || bWrapped) return -1;
      bWrapped = true;
      nNext = nNext < 0 ? nCount - 1 : 0;
    }
    if (nNext == nIndex) return nIndex;
    const CTKControl* pControl = m_arrControls[nNext];
    if (!pControl->IsVisible(dwMask)) continue;
    if (bSkipFlagged && (pControl->GetFlags() & TKFLAG_SKIPFOCUS)) continue;
    if (bSkipTemporary && pControl->IsTemporary()) continue;
    return nNext;
  }
}

int CTKControls::GetVisibleCount(BOOL bStrict) const {
  int nVisible = 0;
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrControls[i]->IsVisible(bStrict ? 0 : TKHIDE_WRAP)) ++nVisible;
  return nVisible;
}

CTKControl* CTKControls::GetVisibleAt(int nIndex, BOOL bStrict) const {
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = m_arrControls[i];
    if (pControl->IsVisible(bStrict ? 0 : TKHIDE_WRAP) && nIndex-- == 0) return pControl;
  }
  return nullptr;
}
