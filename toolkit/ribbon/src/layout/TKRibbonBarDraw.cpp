// CTKRibbonBar: painting in the ribbon's order: the bar's face, the caption
// band, the groups area, the tab strip, the selected tab's groups, the free
// controls, and in customise mode the frame around what is being dragged.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKPaintManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"

namespace {

BOOL Meets(const CRect& rc, const CRect& rcClip) {
  CRect rcMeet;
  return rcMeet.IntersectRect(rc, rcClip);
}

/// Two nested one-pixel black frames.
void DrawDragFrame(CDC* pDC, CRect rc) {
  pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
  rc.DeflateRect(1, 1);
  pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
}

}  // namespace

void CTKRibbonBar::DrawCommandBar(CDC* pDC, CRect rcClipBox) {
  CTKRibbonPaintManager* pRibbonPaintManager = GetRibbonPaintManager();
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pRibbonPaintManager == nullptr || pPaintManager == nullptr) return;
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(pPaintManager->GetCommandBarFont(this));

  pRibbonPaintManager->FillRibbonBar(pDC, this);
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  if (pHook != nullptr && Meets(m_rcCaption, rcClipBox))
    pRibbonPaintManager->DrawFrameCaption(pDC, this, pHook->IsActive());
  else if (pHook == nullptr && m_bShowCaptionAlways && Meets(m_rcCaption, rcClipBox))
    pRibbonPaintManager->DrawCaptionBackground(pDC, this, TRUE);

  CTKRibbonTab* pSelected = GetSelectedTab();
  const BOOL bGroups = IsGroupsVisible();
  if (bGroups) pRibbonPaintManager->FillGroupsArea(pDC, pSelected, m_rcGroups);

  CTKTabPaintManager* pTabs = m_pControlTab->GetPaintManager();
  if (pTabs != nullptr) {
    // Without keyboard cues the tab captions lose their ampersands.
    pTabs->m_bStripMnemonics = !IsKeyboardCuesVisible();
    if (m_bTabsVisible && Meets(m_rcTabControl, rcClipBox))
      pTabs->PaintStrip(m_pControlTab, pDC, m_rcTabControl);
  }

  if (bGroups) {
    CTKRibbonGroups* pGroups = pSelected->GetGroups();
    for (int i = 0; i < pGroups->GetCount(); ++i) {
      CTKRibbonGroup* pGroup = pGroups->GetAt(i);
      if (pGroup->IsVisible() && Meets(pGroup->GetRect(), rcClipBox))
        pGroup->Draw(pDC, rcClipBox);
    }
  }

  BOOL bFirst = TRUE;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    // The tab strip was painted above, with the tab paint manager.
    if (pControl->GetRibbonGroup() != nullptr || pControl == m_pControlTab || !pControl->IsVisible())
      continue;
    if (pControl->GetBeginGroup() && !bFirst)
      pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
    bFirst = FALSE;
    if (Meets(pControl->GetRect(), rcClipBox)) pControl->Draw(pDC);
  }
  pDC->SelectObject(pOldFont);

  if (!IsCustomizeMode()) return;
  CTKControl* pDrag = GetCommandBars()->GetDragControl();
  if (pDrag != nullptr && pDrag->GetParent() == this && pDrag->IsVisible())
    DrawDragFrame(pDC, pDrag->GetRect());
  if (!m_rcInsertMark.IsRectEmpty()) DrawInsertMark(pDC, m_rcInsertMark, m_bVerticalMark);
}
