// The backstage view's tabs, commands and separators.
#include "ribbon/TKRibbonBackstageControls.h"

IMPLEMENT_DYNCREATE(CTKRibbonBackstageTab, CTKControl)
IMPLEMENT_DYNCREATE(CTKRibbonBackstageCommand, CTKControl)
IMPLEMENT_DYNCREATE(CTKRibbonBackstageMenuSeparator, CTKControl)

CTKRibbonBackstageTab::CTKRibbonBackstageTab(HWND hWndPage)
    : m_hWndPage(hWndPage), m_nMinPageWidth(0), m_nMinPageHeight(0) {}

CWnd* CTKRibbonBackstageTab::GetPageWindow() const {
  return m_hWndPage != NULL ? CWnd::FromHandle(m_hWndPage) : nullptr;
}

void CTKRibbonBackstageTab::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControl::Copy(pSource, bRecursive);
  CTKRibbonBackstageTab* pTab = DYNAMIC_DOWNCAST(CTKRibbonBackstageTab, pSource);
  if (pTab == nullptr || pTab == this) return;
  m_hWndPage = pTab->m_hWndPage;
  m_nMinPageWidth = pTab->m_nMinPageWidth;
  m_nMinPageHeight = pTab->m_nMinPageHeight;
}
