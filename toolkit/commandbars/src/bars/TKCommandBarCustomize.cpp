// CTKCommandBar: customise drag-and-drop: where a dragged control would
// land, the insert mark that shows it, and the drop.
#include "commandbars/TKCommandBar.h"

#include <stdlib.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKScopedHandle.h"

namespace {

const int kMarkThickness = 6;
const int kEmptyBarMarkWidth = 8;
const int kEmptyBarMarkInset = 2;
/// A drop this close to where the drag started is no move at all.
const int kDropOnItselfSlop = 4;
/// The drag's answer when the control stays where it was (as for a cancel).
const DWORD kDropNothingMoved = 5;

BOOL StartsNewGroupOrColumn(const CTKControl* pControl) {
  return pControl->GetBeginGroup() || pControl->GetWrap() ||
         (pControl->GetFlags() & TKFLAG_WRAPROW) != 0;
}

}  // namespace

BOOL CTKCommandBar::IsVerticalRun() const { return IsVerticalBarPosition(m_barPosition); }

CTKControl* CTKCommandBar::NearestDropControl(CPoint point, BOOL bVertical) const {
  CTKControl* pNearest = nullptr;
  int nNearest = INT_MAX;
  // Twice: the controls of the row under the point first, then any.
  for (int nPass = 0; nPass < 2 && pNearest == nullptr; ++nPass) {
    for (int i = 0; i < GetControlCount(); ++i) {
      CTKControl* pControl = GetControl(i);
      if (!pControl->IsVisible() || !pControl->IsCustomizeMovable()) continue;
      const CRect rcRow = pControl->GetRowRect();
      if (nPass == 0 && !rcRow.IsRectEmpty() &&
          (bVertical ? (point.x < rcRow.left || point.x >= rcRow.right)
                     : (point.y < rcRow.top || point.y >= rcRow.bottom)))
        continue;
      const CPoint ptCentre = pControl->GetRect().CenterPoint();
      const int nDistance = abs(bVertical ? point.y - ptCentre.y : point.x - ptCentre.x);
      if (nDistance < nNearest) {
        nNearest = nDistance;
        pNearest = pControl;
      }
    }
  }
  return pNearest;
}

void CTKCommandBar::CalcDropPosition(CTKControl* pDragged, CPoint point, CRect& rcMark, int& nIndex,
                                     BOOL& bAfter) {
  const BOOL bVertical = IsVerticalRun();
  const int nThickness = TKDpiHelper()->ScaleX(kMarkThickness);
  rcMark.SetRectEmpty();
  CTKControl* pNearest = NearestDropControl(point, bVertical);
  if (pNearest == nullptr) {
    nIndex = -1;
    bAfter = TRUE;
    if (IsRibbonBar()) return;
    GetClientRect(&rcMark);
    rcMark.DeflateRect(TKDpiHelper()->ScaleX(kEmptyBarMarkInset),
                       TKDpiHelper()->ScaleY(kEmptyBarMarkInset));
    if (bVertical)
      rcMark.bottom = rcMark.top + TKDpiHelper()->ScaleY(kEmptyBarMarkWidth);
    else
      rcMark.right = rcMark.left + TKDpiHelper()->ScaleX(kEmptyBarMarkWidth);
    return;
  }
  nIndex = pNearest->GetIndex();
  const CRect rc = pNearest->GetRect();
  bAfter = bVertical ? point.y > rc.CenterPoint().y : point.x > rc.CenterPoint().x;
  if (pNearest == pDragged) return;
  // After a control the mark stays inside it where a group or column ends,
  // so that it reads as "last of this group".
  int nEdge;
  if (bAfter) {
    const int nNext = m_pControls->GetNext(nIndex, +1);
    const BOOL bInside =
        nNext == -1 || nNext <= nIndex || StartsNewGroupOrColumn(GetControl(nNext));
    const int nTrailing = bVertical ? rc.bottom : rc.right;
    nEdge = bInside ? nTrailing - nThickness : nTrailing;
  } else {
    nEdge = bVertical ? rc.top : rc.left;
  }
  if (bVertical)
    rcMark.SetRect(rc.left, nEdge, rc.right, nEdge + nThickness);
  else
    rcMark.SetRect(nEdge, rc.top, nEdge + nThickness, rc.bottom);
}

DWORD CTKCommandBar::OnCustomizeDragEnter(CTKControl* pDataObject, CPoint point) {
  m_rcInsertMark.SetRectEmpty();
  return OnCustomizeDragOver(pDataObject, point);
}

void CTKCommandBar::OnCustomizeDragLeave() {
  m_rcInsertMark.SetRectEmpty();
  Redraw();
}

DWORD CTKCommandBar::OnCustomizeDragOver(CTKControl* pDataObject, CPoint point) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return DROPEFFECT_NONE;
  if (!IsCustomizable() && !pCommandBars->IsCustomizeAllAllowed()) return DROPEFFECT_NONE;
  if (GetSafeHwnd() == NULL || !::IsWindowVisible(m_hWnd)) return DROPEFFECT_NONE;
  CRect rcMark;
  int nIndex;
  BOOL bAfter;
  CalcDropPosition(pDataObject, point, rcMark, nIndex, bAfter);
  if (CTKControl* pOver = ControlFromPoint(point)) pOver->OnCustomizeDragOver(pDataObject, point);
  DWORD dwEffect = DROPEFFECT_MOVE;
  if (!pDataObject->CanDropOnBar(this, point, dwEffect)) return DROPEFFECT_NONE;
  m_rcInsertMark = rcMark;
  m_bVerticalMark = IsVerticalRun();
  Redraw();
  return dwEffect;
}

void CTKCommandBar::OnCustomizeDrop(CTKControl* pDataObject, DWORD& dwDropEffect, CPoint ptDrop,
                                    CPoint ptDrag) {
  CRect rcMark;
  int nIndex;
  BOOL bAfter;
  CalcDropPosition(pDataObject, ptDrop, rcMark, nIndex, bAfter);
  if (nIndex != -1 && GetControl(nIndex) == pDataObject) {
    DropOnItself(pDataObject, bAfter, ptDrop - ptDrag);
    dwDropEffect = kDropNothingMoved;
  } else {
    SetPopuped(-1);
    SetSelected(-1);
    const int nInsert = nIndex == -1 ? -1 : nIndex + (bAfter ? 1 : 0);
    CTKControl* pDisplaced = !bAfter ? GetControl(nInsert) : nullptr;
    CTKControl* pCopy = m_pControls->AddCopy(pDataObject, nInsert);
    if (pCopy != nullptr) {
      if (pDisplaced != nullptr && pDisplaced->GetBeginGroup()) {
        pDisplaced->SetBeginGroup(FALSE);
        pCopy->SetBeginGroup(TRUE);
      }
      if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->SetDragControl(pCopy);
    }
  }
  OnRecalcLayout();
  m_rcInsertMark.SetRectEmpty();
  Redraw();
}

void CTKCommandBar::DropOnItself(CTKControl* pControl, BOOL bAfter, CSize szMoved) {
  const int nSlopX = TKDpiHelper()->ScaleX(kDropOnItselfSlop);
  const int nSlopY = TKDpiHelper()->ScaleY(kDropOnItselfSlop);
  if (abs(szMoved.cx) <= nSlopX && abs(szMoved.cy) <= nSlopY) return;
  // Dragged past its own centre a control starts a group; short of it, it
  // joins the one before. The first control has nothing to part from.
  const BOOL bFirst = m_pControls->GetNext(-1, +1) == pControl->GetIndex();
  pControl->SetBeginGroup(bAfter && !bFirst);
}

void CTKCommandBar::DrawInsertMark(CDC* pDC, CRect rc, BOOL bVertical) {
  if (rc.IsRectEmpty()) return;
  const HDC hDC = pDC->GetSafeHdc();
  CTKScopedBrush brush(::CreateSolidBrush(TKColorManager()->GetColor(15)));
  CTKSelectGuard selectBrush(hDC, brush.Get());
  if (!bVertical) {
    // An I-beam standing across a horizontal bar.
    const int xStem = rc.left + (rc.Width() - 2) / 2;
    ::PatBlt(hDC, rc.left, rc.top, rc.Width(), 1, PATINVERT);
    ::PatBlt(hDC, rc.left + 1, rc.top + 1, rc.Width() - 2, 1, PATINVERT);
    ::PatBlt(hDC, xStem, rc.top + 2, 2, rc.Height() - 4, PATINVERT);
    ::PatBlt(hDC, rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1, PATINVERT);
    ::PatBlt(hDC, rc.left, rc.bottom - 1, rc.Width(), 1, PATINVERT);
  } else {
    const int yStem = rc.top + (rc.Height() - 2) / 2;
    ::PatBlt(hDC, rc.left, rc.top, 1, rc.Height(), PATINVERT);
    ::PatBlt(hDC, rc.left + 1, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
    ::PatBlt(hDC, rc.left + 2, yStem, rc.Width() - 4, 2, PATINVERT);
    ::PatBlt(hDC, rc.right - 2, rc.top + 1, 1, rc.Height() - 2, PATINVERT);
    ::PatBlt(hDC, rc.right - 1, rc.top, 1, rc.Height(), PATINVERT);
  }
}
