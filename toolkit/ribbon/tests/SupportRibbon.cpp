// The ribbon's test fixtures.
#include "SupportRibbon.h"

#include "commandbars/TKCommandBarsDefines.h"
#include "ribbon/TKRibbonGroup.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonResource.h"
#include "tabs/TKTabManagerItem.h"

void CTestRibbonPaintManager::DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pTab) {
  pDC->FillSolidRect(pTab->GetRect(), kTabFace);
}

void CTestRibbonPaintManager::FillRibbonBar(CDC* pDC, CTKRibbonBar* pRibbonBar) {
  m_calls.push_back("bar");
  CRect rc;
  pRibbonBar->GetClientRect(&rc);
  pDC->FillSolidRect(rc, kBarFace);
}

void CTestRibbonPaintManager::DrawCaptionBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL) {
  m_calls.push_back("caption");
  pDC->FillSolidRect(pRibbonBar->GetCaptionRect(), kCaptionFace);
}

void CTestRibbonPaintManager::DrawFrameCaption(CDC* pDC, CTKRibbonBar* pRibbonBar, BOOL) {
  m_calls.push_back("frame caption");
  pDC->FillSolidRect(pRibbonBar->GetCaptionRect(), kCaptionFace);
}

void CTestRibbonPaintManager::FillGroupsArea(CDC* pDC, CTKRibbonTab*, CRect rcGroups) {
  m_calls.push_back("groups");
  pDC->FillSolidRect(rcGroups, kGroupsFace);
}

void CTestRibbonPaintManager::DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) {
  m_calls.push_back("group " + pGroup->GetCaption());
  pDC->FillSolidRect(pGroup->GetRect(), kGroupFace);
}

void CTestRibbonPaintManager::DrawQuickAccessCustomizeButton(CDC* pDC, CTKControl* pButton) {
  m_calls.push_back("customize");
  pDC->FillSolidRect(pButton->GetRect(), kQuickAccessFace);
}

IMPLEMENT_DYNCREATE(CTestSizedButton, CTKControlButton)

CSize CTestSizedButton::GetSize(CDC*) {
  switch (GetStyle()) {
    case tkButtonIconAndCaptionBelow:
      return m_szLarge;
    case tkButtonIcon:
      return m_szSmall;
    default:
      return m_szMedium;
  }
}

void CTestSizedButton::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControlButton::Copy(pSource, bRecursive);
  if (CTestSizedButton* pOther = DYNAMIC_DOWNCAST(CTestSizedButton, pSource)) {
    m_szLarge = pOther->m_szLarge;
    m_szMedium = pOther->m_szMedium;
    m_szSmall = pOther->m_szSmall;
  }
}

CTestRibbonThemePaintManager::~CTestRibbonThemePaintManager() {
  if (m_pRibbonPaintManager != nullptr) m_pRibbonPaintManager->InternalRelease();
}

CTKRibbonPaintManager* CTestRibbonThemePaintManager::GetRibbonPaintManager() {
  if (m_pRibbonPaintManager == nullptr) {
    m_pRibbonPaintManager = new CTestRibbonPaintManager(this);
    m_pRibbonPaintManager->RefreshMetrics();
  }
  return m_pRibbonPaintManager;
}

int CRibbonTestFrame::Count(UINT nMessage) const {
  int nCount = 0;
  for (UINT n : m_messages) nCount += n == nMessage ? 1 : 0;
  return nCount;
}

int CRibbonTestFrame::CountNotifications(UINT nCode) const {
  int nCount = 0;
  for (const Notification& n : m_notifications) nCount += n.nCode == nCode ? 1 : 0;
  return nCount;
}

LRESULT CRibbonTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= 0x2850 && message <= 0x2870) m_messages.push_back(message);
  if (message == TK_WM_CONTROLNOTIFY) {
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    m_notifications.push_back({wParam, pHeader->code});
    if (pHeader->code == static_cast<UINT>(TCN_SELCHANGING)) return m_nSelChangingAnswer;
    return 0;
  }
  if (message == WM_COMMAND) m_commands.push_back(wParam);
  if (message == WM_SYSCOMMAND) {
    m_sysCommands.push_back(wParam);
    const WPARAM nCommand = wParam & 0xFFF0;
    if (!m_bSizeCommands || (nCommand != SC_MAXIMIZE && nCommand != SC_RESTORE)) return 0;
  }
  if (message == TK_WM_POPUPSYSTEMMENU || message == WM_NCLBUTTONDOWN ||
      message == WM_NCLBUTTONDBLCLK ||
      (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == m_hWnd)) {
    MSG msg = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
    m_frameRequests.push_back(msg);
    // A press would start the system's modal move or size loop.
    if (message != WM_NCLBUTTONDBLCLK) return 0;
  }
  if (message == TK_WM_TOOLBARCONTEXTMENU && m_bTakeContextMenus) {
    CTKPopupBar* pPopup = reinterpret_cast<CTKPopupBar*>(lParam);
    ContextMenu menu = {{}, nullptr};
    for (int i = 0; i < pPopup->GetControlCount(); ++i) {
      CTKControl* pEntry = pPopup->GetControl(i);
      if (pEntry->GetID() == TK_ID_RIBBONCUSTOMIZE_ADD)
        menu.pTarget = reinterpret_cast<CTKControl*>(pEntry->GetTag());
      if (pEntry->IsVisible()) menu.ids.push_back(pEntry->GetID());
      pEntry->SetVisible(FALSE);
    }
    m_contextMenus.push_back(menu);
    return 0;
  }
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

BOOL CRibbonTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_bOfferCustomize && nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pHandlerInfo != nullptr)
    return TRUE;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void RibbonFrameTest::SetUp() {
  m_pFrame = new CRibbonTestFrame;
  ASSERT_TRUE(m_pFrame->Create(NULL, "Ribbon", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 400)));
  m_pBars = new CTKCommandBars;
  m_pPaintManager = new CTestRibbonThemePaintManager;
  m_pBars->SetPaintManager(m_pPaintManager);
  m_pBars->SetSite(m_pFrame);
  m_pBars->CreateDockBars();
  m_pRibbon = static_cast<CTKRibbonBar*>(
      m_pBars->Add("Ribbon", tkBarTop, m_pRibbonClass));
  ASSERT_NE(nullptr, m_pRibbon);
}

void RibbonFrameTest::TearDown() {
  m_pBars->InternalRelease();
  m_pFrame->DestroyWindow();
}
