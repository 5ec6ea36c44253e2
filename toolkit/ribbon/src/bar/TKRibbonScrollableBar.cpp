// The groups scroll buttons shared by the ribbon and its pop-ups.
#include "ribbon/TKRibbonScrollableBar.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonPaintManager.h"

IMPLEMENT_DYNCREATE(CTKRibbonControlGroupsScroll, CTKControlButton)

CTKRibbonControlGroupsScroll::CTKRibbonControlGroupsScroll(BOOL bScrollLeft)
    : m_bScrollLeft(bScrollLeft) {
  m_dwFlags = 0x18;
  m_dwHideFlags = TKHIDE_GENERIC;
}

void CTKRibbonControlGroupsScroll::Draw(CDC* pDC) {
  CTKRibbonPaintManager* pPaintManager =
      m_pParent != nullptr ? m_pParent->GetRibbonPaintManager() : nullptr;
  if (pPaintManager != nullptr) pPaintManager->DrawGroupsScrollButton(pDC, this);
}

void CTKRibbonControlGroupsScroll::OnExecute() {
  CTKRibbonScrollableBar* pScrollable = dynamic_cast<CTKRibbonScrollableBar*>(m_pParent);
  if (pScrollable != nullptr) pScrollable->OnGroupsScroll(m_bScrollLeft);
}

CTKRibbonScrollableBar::CTKRibbonScrollableBar()
    : m_pParent(nullptr),
      m_pControlScrollGroupsLeft(nullptr),
      m_pControlScrollGroupsRight(nullptr),
      m_pHighlightedGroup(nullptr),
      m_nGroupsScrollPos(0) {}

void CTKRibbonScrollableBar::InitScrollableBar(CTKCommandBar* pBar) {
  m_pParent = pBar;
  m_pControlScrollGroupsLeft = new CControlGroupsScroll(TRUE);
  m_pControlScrollGroupsRight = new CControlGroupsScroll(FALSE);
  pBar->GetControls()->InsertControl(m_pControlScrollGroupsLeft);
  pBar->GetControls()->InsertControl(m_pControlScrollGroupsRight);
  m_pControlScrollGroupsLeft->SetTemporary(TRUE);
  m_pControlScrollGroupsRight->SetTemporary(TRUE);
}
