// CTKCommandBar: keys to navigation codes and the moves they make.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"

BOOL CTKCommandBar::IsHorizontalNavigation() const {
  // A pop-up laid out as a tool bar runs across like a docked one.
  return m_barPosition == tkBarTop || m_barPosition == tkBarBottom ||
         m_barPosition == tkBarFloating ||
         (m_barPosition == tkBarPopup && m_barType == tkBarTypeNormal);
}

int CTKCommandBar::GetKeyNavigationCode(UINT nKey) const {
  BOOL bRTL = IsLayoutRTL();
  BOOL bHorizontal = IsHorizontalNavigation();
  switch (nKey) {
    case VK_RETURN:
      return kNavigateEnter;
    case VK_ESCAPE:
      return kNavigateEscape;
    case VK_SPACE:
      return m_barType == tkBarTypeMenuBar ? kNavigateSystemMenu : -1;
    case VK_END:
      return kNavigateLast;
    case VK_HOME:
      return kNavigateFirst;
    case VK_LEFT:
      if (bHorizontal) return bRTL ? kNavigateRight : kNavigateLeft;
      return bRTL ? kNavigateOpen : kNavigateClose;
    case VK_UP:
      return bHorizontal ? kNavigateClose : kNavigatePrevious;
    case VK_RIGHT:
      if (bHorizontal) return bRTL ? kNavigateLeft : kNavigateRight;
      return bRTL ? kNavigateClose : kNavigateOpen;
    case VK_DOWN:
      return bHorizontal ? kNavigateOpen : kNavigateNext;
  }
  return -1;
}

BOOL CTKCommandBar::ProcessKeyNavigation(int nCode) {
  if (nCode == kNavigateSystemMenu) {
    if (m_barType != tkBarTypeMenuBar) return FALSE;
    if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL) pSite->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, 32);
    return TRUE;
  }
  if (nCode == kNavigateLeft) nCode = kNavigatePrevious;
  if (nCode == kNavigateRight) nCode = kNavigateNext;
  switch (nCode) {
    case kNavigateNext:
      return SelectNavigated(m_pControls->GetNext(m_nSelected, +1), 2);
    case kNavigatePrevious:
      return SelectNavigated(m_pControls->GetNext(m_nSelected, -1), 3);
    case kNavigateFirst:
      return SelectNavigated(m_pControls->GetNext(-1, +1), 2);
    case kNavigateLast:
      return SelectNavigated(m_pControls->GetNext(-1, -1), 3);
    case kNavigateEnter:
      if (CTKControl* pHot = GetControl(m_nSelected)) {
        pHot->SetSelected(2);
        pHot->OnClick(TRUE);
      }
      return TRUE;
  }
  return FALSE;
}

BOOL CTKCommandBar::SelectNavigated(int nIndex, int nReason) {
  if (nIndex != -1) SetSelected(nIndex, nReason);
  return TRUE;
}
