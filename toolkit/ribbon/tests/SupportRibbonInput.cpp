// The hand-placed ribbon of the mouse, key and pop-up tests.
#include "SupportRibbonInput.h"

#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"

IMPLEMENT_DYNCREATE(CTestPlacedRibbon, CTKRibbonBar)

void CTestPlacedRibbon::Place(int nWidth) {
  m_nPlacedWidth = nWidth;
  // What the tool-bar layout placed when the bar was made is no place of ours.
  for (int i = 0; i < GetControlCount(); ++i)
    if (GetControl(i)->GetRibbonGroup() == nullptr) GetControl(i)->SetRect(CRect(0, 0, 0, 0));
  SetCaptionRects(CRect(0, 0, nWidth, 30), CRect(200, 0, 400, 30), CRect(200, 0, nWidth, 30));
  m_rcTabControl = CRect(0, 30, nWidth, 54);
  m_pControlTab->SetRect(m_rcTabControl);
  m_pControlTab->SetControlRect(m_rcTabControl);
  for (int i = 0; i < GetTabCount(); ++i)
    GetTab(i)->SetRect(CRect(40 + 60 * i, 30, 100 + 60 * i, 54));
  m_rcGroups = CRect(0, 54, nWidth, 150);
  if (GetSafeHwnd() != NULL)
    SetWindowPos(NULL, 0, 0, nWidth, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTestPlacedRibbon::OnGroupsScroll(BOOL bScrollLeft) {
  m_scrolls.push_back(bScrollLeft);
  CTKRibbonBar::OnGroupsScroll(bScrollLeft);
}

void RibbonInputTest::SetUp() {
  TKSetCommandBarsSystem(&m_system);
  RibbonFrameTest::SetUp();
  m_pBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
  m_pFrame->m_bTakeContextMenus = TRUE;
  // Away from the screen's corner, so that client and screen points differ.
  m_pFrame->SetWindowPos(NULL, 120, 90, 800, 400, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RibbonInputTest::TearDown() {
  RibbonFrameTest::TearDown();
  TKSetCommandBarsSystem(nullptr);
}

void RibbonInputTest::AddPlacedTabs(std::initializer_list<LPCTSTR> captions) {
  for (LPCTSTR lpszCaption : captions) AddTab(lpszCaption);
  m_pRibbon->EnableFrameTheme(TRUE);
  Ribbon()->Place(600);
}

CTKRibbonGroup* RibbonInputTest::AddPlacedGroup(CTKRibbonTab* pTab, int nLeft, int nButtons) {
  CTKRibbonGroup* pGroup = pTab->GetGroups()->AddGroup("Group", 700 + pTab->GetGroups()->GetCount());
  for (int i = 0; i < nButtons; ++i) {
    CTKControl* pButton = pGroup->AddControl(tkControlButton, 800 + 10 * pTab->GetGroups()->GetCount() + i);
    pButton->SetCaption("Button");
    pButton->SetRect(CRect(nLeft + 4 + 30 * i, 60, nLeft + 34 + 30 * i, 82));
  }
  pGroup->SetGroupRect(CRect(nLeft, 54, nLeft + 100, 150));
  return pGroup;
}

void RibbonInputTest::Mouse(UINT nMessage, CPoint point) {
  m_pRibbon->SendMessage(nMessage, 0, MAKELPARAM(point.x, point.y));
}
