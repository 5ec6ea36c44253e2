// CTKRibbonBar: the caption band of a themed frame: the ribbon's own caption
// buttons, the room left for the ones the system draws, and the title's place.
#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManagerParts.h"
#include "layout/TKRibbonLayoutHelpers.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonBarControlCaptionButton.h"
#include "themes/TKFramePaintManagerBase.h"

using namespace tkribbonlayout;

IMPLEMENT_DYNCREATE(CTKRibbonBarControlCaptionButton, CTKControlButton)

CTKRibbonBarControlCaptionButton::CTKRibbonBarControlCaptionButton() { m_dwFlags = 0x1A; }

void CTKRibbonBarControlCaptionButton::Draw(CDC* pDC) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKCommandBarsFrameHook* pHook = pCommandBars != nullptr ? pCommandBars->GetFrameHook() : nullptr;
  CTKFramePaintManagerBase* pFrame =
      pHook != nullptr ? dynamic_cast<CTKFramePaintManagerBase*>(pHook->GetFramePaintManager())
                       : nullptr;
  if (pFrame == nullptr) return;
  const BOOL bHot = GetSelected() != 0;
  pFrame->DrawCaptionButton(pDC, GetRect(), static_cast<UINT>(GetID()), bHot,
                            bHot && GetPressed() != 0,
                            GetEnabled() && (pHook->IsActive() || pHook->IsDwmEnabled()));
}

void CTKRibbonBarControlCaptionButton::OnExecute() {
  CWnd* pSite = m_pParent != nullptr ? m_pParent->GetSite() : nullptr;
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->PostMessage(WM_SYSCOMMAND, static_cast<WPARAM>(GetID()), 0);
}

CTKControl* CTKRibbonBarControlCaptionButton::Clone(BOOL bRecursive) {
  CTKRibbonBarControlCaptionButton* pClone = new CTKRibbonBarControlCaptionButton;
  pClone->Copy(this, bRecursive);
  return pClone;
}

namespace {

/// The system menu's text for the command, without its shortcut.
CString SystemMenuText(HWND hWnd, int nId) {
  CString strText;
  HMENU hMenu = ::IsWindow(hWnd) ? ::GetSystemMenu(hWnd, FALSE) : NULL;
  if (hMenu == NULL) return strText;
  char szText[256] = {};
  if (::GetMenuStringA(hMenu, static_cast<UINT>(nId), szText, sizeof(szText), MF_BYCOMMAND) > 0)
    strText = szText;
  const int nTab = strText.Find('\t');
  return nTab >= 0 ? strText.Left(nTab) : strText;
}

CTKFramePaintManager* FramePaintManagerOf(CTKCommandBarsFrameHook* pHook) {
  return pHook != nullptr ? pHook->GetFramePaintManager() : nullptr;
}

}  // namespace

void CTKRibbonBar::AddCaptionButton(int nId, BOOL bVisible, BOOL bEnabled, CRect& rcFree) {
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  CTKFramePaintManager* pFrame = FramePaintManagerOf(pHook);
  if (pFrame == nullptr) return;
  CTKControl* pButton = m_pControls->FindControlById(nId);
  if (pButton == nullptr && !bVisible) return;
  if (pButton != nullptr && !bVisible) {
    m_pControls->Remove(pButton);
    return;
  }
  if (pButton == nullptr) {
    pButton = new CTKRibbonBarControlCaptionButton;
    m_pControls->Add(pButton, nId, "", -1, TRUE);
    pButton->SetCaption("");
    pButton->SetTooltip(SystemMenuText(pHook->GetSite(), nId));
  }
  const CSize sz = pFrame->GetCaptionButtonSize(static_cast<UINT>(nId), pHook);
  CRect rc(rcFree.right - sz.cx, rcFree.top, rcFree.right, rcFree.top + sz.cy);
  if (CTKFramePaintManagerBase* pBase = dynamic_cast<CTKFramePaintManagerBase*>(pFrame)) {
    const CRect rcMargin = pBase->GetCaptionButtonMargin();
    rc.DeflateRect(rcMargin.left, rcMargin.top, rcMargin.right, rcMargin.bottom);
  }
  pButton->SetRect(rc);
  rcFree.right -= sz.cx;
  pButton->SetEnabled(bEnabled);
}

void CTKRibbonBar::RepositionCaptionButtons() {
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  if (pHook == nullptr) return;
  if (m_bShowQuickAccess && !m_bShowQuickAccessBelow)
    m_rcCaptionFree.left = m_rcQuickAccess.right + (m_pControlQuickAccess != nullptr
                                                        ? m_pControlQuickAccess->GetRect().Width() +
                                                              ScaleX(2)
                                                        : ScaleX(12));
  else
    m_rcCaptionFree.left += m_pControlSystemButton != nullptr ? ScaleX(70) : ScaleX(30);
  m_rcCaptionFree.top += GetDwmTopBorder();
  m_rcCaptionFree.bottom -= ScaleY(3);

  const HWND hSite = pHook->GetSite();
  const DWORD dwStyle = ::IsWindow(hSite) ? static_cast<DWORD>(::GetWindowLong(hSite, GWL_STYLE)) : 0;
  const DWORD dwExStyle =
      ::IsWindow(hSite) ? static_cast<DWORD>(::GetWindowLong(hSite, GWL_EXSTYLE)) : 0;
  const BOOL bSysMenu = (dwStyle & WS_SYSMENU) != 0;
  const BOOL bMinBox = (dwStyle & WS_MINIMIZEBOX) != 0;
  const BOOL bMaxBox = (dwStyle & WS_MAXIMIZEBOX) != 0;
  const BOOL bMaximized = (dwStyle & WS_MAXIMIZE) != 0;
  const BOOL bToolWindow = (dwExStyle & WS_EX_TOOLWINDOW) != 0;
  BOOL bMinMax = !bToolWindow && bSysMenu && (bMaxBox || bMinBox);
  BOOL bClose = bSysMenu;
  BOOL bCloseEnabled = TRUE;
  if (bSysMenu && !bToolWindow) {
    HMENU hMenu = ::GetSystemMenu(hSite, FALSE);
    const UINT nState = hMenu != NULL ? ::GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND) : 0;
    if (nState != static_cast<UINT>(-1) && (nState & (MF_GRAYED | MF_DISABLED)) != 0)
      bCloseEnabled = FALSE;
  }
  if ((dwStyle & WS_CHILD) != 0 && bMaximized) bMinMax = bClose = FALSE;

  // On a composited frame the system draws the caption buttons itself.
  const BOOL bDwm = IsDwmFrameEnabled();
  const BOOL bCloseShown = !bDwm && bClose;
  const BOOL bRestoreShown = !bDwm && bMinMax && bMaximized;
  const BOOL bMaximizeShown = !bDwm && bMinMax && !bMaximized;
  const BOOL bMinimizeShown = !bDwm && bMinMax;
  AddCaptionButton(SC_CLOSE, bCloseShown, bCloseEnabled, m_rcCaptionFree);
  AddCaptionButton(SC_RESTORE, bRestoreShown, bMaxBox, m_rcCaptionFree);
  AddCaptionButton(SC_MAXIMIZE, bMaximizeShown, bMaxBox, m_rcCaptionFree);
  AddCaptionButton(SC_MINIMIZE, bMinimizeShown, bMinBox, m_rcCaptionFree);

  // Room for the buttons the system draws where the ribbon does not.
  const int cxSize = ::GetSystemMetrics(SM_CXSIZE);
  if (!bCloseShown && bSysMenu && bCloseEnabled) m_rcCaptionFree.right -= cxSize;
  if (!bRestoreShown && !bMaximizeShown && bMaxBox) m_rcCaptionFree.right -= cxSize;
  if (!bMinimizeShown && bMinBox) m_rcCaptionFree.right -= cxSize;
  RepositionCaptionText();
}

void CTKRibbonBar::RepositionCaptionText() {
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  CTKFramePaintManagerBase* pFrame =
      dynamic_cast<CTKFramePaintManagerBase*>(FramePaintManagerOf(pHook));
  CWnd* pSite = GetSite();
  if (pFrame == nullptr || pSite == nullptr || pSite->GetSafeHwnd() == NULL) return;
  pSite->GetWindowText(m_strCaptionText);
  CMeasureDC dc(this);
  CFont* pOld = dc.Get()->SelectObject(&pFrame->m_fontFrameCaption);
  const int w = dc.Get()->GetTextExtent(m_strCaptionText).cx + ScaleX(20);
  dc.Get()->SelectObject(pOld);
  const CRect rcFree = m_rcCaptionFree;
  if (w >= rcFree.Width()) {
    m_rcCaptionText = rcFree;
    return;
  }
  if (!pFrame->m_bCaptionCenterAligned) {
    m_rcCaptionText = CRect(rcFree.left, rcFree.top, rcFree.left + w, rcFree.bottom);
    return;
  }
  // Centred over the whole caption unless that runs into the buttons or the quick-access bar.
  const int nCentre = (m_rcCaptionText.left + m_rcCaptionText.right) / 2;
  CRect rc(nCentre - w / 2, rcFree.top, nCentre - w / 2 + w, rcFree.bottom);
  if (rc.left < rcFree.left + ScaleX(10) || rc.right > rcFree.right + ScaleX(10)) {
    const int nFreeCentre = (rcFree.left + rcFree.right) / 2;
    rc.left = nFreeCentre - w / 2;
    rc.right = rc.left + w;
  }
  m_rcCaptionText = rc;
}
