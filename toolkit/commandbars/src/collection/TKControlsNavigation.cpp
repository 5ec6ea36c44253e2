// CTKControls: finding, keyboard navigation and visible controls.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"

#include "TKWrappingWalk.h"

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
  const DWORD dwMask = bCheckExpandHidden ? TKHIDE_UNNEEDED : (TKHIDE_UNNEEDED | TKHIDE_EXPAND);
  return WalkWrapping(GetCount(), nIndex, nDirection, [&](int nNext) {
    const CTKControl* pControl = m_arrControls[nNext];
    return pControl->IsVisible(dwMask) && !(bSkipFlagged && (pControl->GetFlags() & TKFLAG_SKIPFOCUS)) &&
           !(bSkipTemporary && pControl->IsTemporary());
  });
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
