// The groups scroll buttons shared by the ribbon and its pop-ups, their
// auto-repeat, the groups' scroll offset and the group under the mouse.
#include "ribbon/TKRibbonScrollableBar.h"

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonGroupsPopupBar.h"

IMPLEMENT_DYNCREATE(CTKRibbonControlGroupsScroll, CTKControlButton)

CTKRibbonControlGroupsScroll::CTKRibbonControlGroupsScroll(BOOL bScrollLeft)
    : m_bScrollLeft(bScrollLeft) {
  m_dwFlags = TKFLAG_SKIPFOCUS | TKFLAG_NOMOVABLE;
  m_dwHideFlags = TKHIDE_UNNEEDED;
}

void CTKRibbonControlGroupsScroll::Draw(CDC* pDC) {
  CTKRibbonPaintManager* pPaintManager =
      m_pParent != nullptr ? m_pParent->GetRibbonPaintManager() : nullptr;
  if (pPaintManager != nullptr) pPaintManager->DrawGroupsScrollButton(pDC, this);
}

void CTKRibbonControlGroupsScroll::OnExecute() { Scroll(); }

void CTKRibbonControlGroupsScroll::Scroll() {
  if (CTKRibbonScrollableBar* pScrollable = CTKRibbonScrollableBar::GetScrollableBar(m_pParent))
    pScrollable->OnGroupsScroll(m_bScrollLeft);
}

void CTKRibbonControlGroupsScroll::OnLButtonDown(CPoint pt) { OnClick(FALSE, pt); }

void CTKRibbonControlGroupsScroll::OnClick(BOOL, CPoint) {
  CTKCommandBarsSystem* pSystem = TKCommandBarsSystem();
  if (m_pParent == nullptr || (pSystem->GetKeyState(VK_LBUTTON) & 0x8000) == 0) return;
  // The bar may go while its groups scroll; the loop needs it to the end.
  CTKCommandBar* pBar = m_pParent;
  pBar->InternalAddRef();
  InternalAddRef();
  const HWND hWnd = pBar->GetSafeHwnd();
  SetPressed(TRUE);
  Scroll();
  pSystem->SetTimer(hWnd, kTimerRepeat, pSystem->GetDoubleClickTime() * 4 / 5);
  ::SetCapture(hWnd);
  BOOL bFirstTick = TRUE;
  MSG msg;
  while (hWnd != NULL && ::GetCapture() == hWnd && IsVisible()) {
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == kTimerRepeat) {
      Scroll();
      if (bFirstTick) pSystem->SetTimer(hWnd, kTimerRepeat, pSystem->GetDoubleClickTime() / 10);
      bFirstTick = FALSE;
      continue;
    }
    if (msg.message == WM_LBUTTONUP) break;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  if (hWnd != NULL && ::GetCapture() == hWnd) ::ReleaseCapture();
  pSystem->KillTimer(hWnd, kTimerRepeat);
  SetPressed(FALSE);
  if (!IsVisible()) SetSelected(0);
  RedrawParent(FALSE);
  InternalRelease();
  pBar->InternalRelease();
}

// CTKRibbonScrollableBar ----------------------------------------------------------------------

CTKRibbonScrollableBar::CTKRibbonScrollableBar()
    : m_pParent(nullptr),
      m_pControlScrollGroupsLeft(nullptr),
      m_pControlScrollGroupsRight(nullptr),
      m_pHighlightedGroup(nullptr),
      m_nGroupsScrollPos(0) {}

void CTKRibbonScrollableBar::InitScrollableBar(CTKCommandBar* pBar) {
  m_pParent = pBar;
  m_pControlScrollGroupsRight = new CControlGroupsScroll(FALSE);
  m_pControlScrollGroupsLeft = new CControlGroupsScroll(TRUE);
  pBar->GetControls()->AppendControl(m_pControlScrollGroupsRight);
  pBar->GetControls()->AppendControl(m_pControlScrollGroupsLeft);
  m_pControlScrollGroupsRight->SetTemporary(TRUE);
  m_pControlScrollGroupsLeft->SetTemporary(TRUE);
  m_nGroupsScrollPos = 0;
}

CTKRibbonScrollableBar* AFX_CDECL CTKRibbonScrollableBar::GetScrollableBar(CTKCommandBar* pBar) {
  if (pBar == nullptr) return nullptr;
  if (pBar->IsRibbonBar()) return static_cast<CTKRibbonBar*>(pBar);
  return DYNAMIC_DOWNCAST(CTKRibbonGroupsPopupBar, pBar);
}

CTKRibbonBar* CTKRibbonScrollableBar::GetRibbonOfBar() const {
  if (m_pParent == nullptr) return nullptr;
  if (m_pParent->IsRibbonBar()) return static_cast<CTKRibbonBar*>(m_pParent);
  CTKCommandBar* pRoot = m_pParent->GetRootParent();
  return pRoot != nullptr && pRoot->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pRoot) : nullptr;
}

void CTKRibbonScrollableBar::ShowScrollButtons(BOOL bLeft, BOOL bRight) {
  if (m_pControlScrollGroupsLeft == nullptr || m_pControlScrollGroupsRight == nullptr) return;
  const CRect rcGroups = GetGroupsRect();
  const int nOver = TKDpiHelper()->ScaleX(1);
  const int nWidth = TKDpiHelper()->ScaleX(12);
  const struct {
    CTKControl* pButton;
    BOOL bShown;
    CRect rc;
  } buttons[] = {
      {m_pControlScrollGroupsLeft, bLeft,
       CRect(rcGroups.left - nOver, rcGroups.top, rcGroups.left + nWidth, rcGroups.bottom)},
      {m_pControlScrollGroupsRight, bRight,
       CRect(rcGroups.right - nWidth, rcGroups.top, rcGroups.right + nOver, rcGroups.bottom)},
  };
  for (const auto& button : buttons) {
    const DWORD dwFlags = button.pButton->GetHideFlags();
    if (button.bShown) button.pButton->SetRect(button.rc);
    button.pButton->SetHideFlags(button.bShown ? (dwFlags & ~TKHIDE_UNNEEDED)
                                               : (dwFlags | TKHIDE_UNNEEDED));
  }
}

void CTKRibbonScrollableBar::EnsureVisible(CTKRibbonGroups* pGroups, CRect rcControl) {
  if (pGroups == nullptr) return;
  const CRect rcGroups = GetGroupsRect();
  const int nMargin = TKDpiHelper()->ScaleX(12);
  int nOffset = pGroups->GetScrollPos();
  // The left test is in pixels on purpose: the button is that wide at any DPI.
  if (rcControl.left < 12 && m_pControlScrollGroupsLeft != nullptr &&
      m_pControlScrollGroupsLeft->IsVisible())
    nOffset = std::max(0, nOffset + static_cast<int>(rcControl.left) - nMargin);
  else if (rcControl.right > rcGroups.right && m_pControlScrollGroupsRight != nullptr &&
           m_pControlScrollGroupsRight->IsVisible())
    nOffset = std::max(0, nOffset + static_cast<int>(rcControl.right) - rcGroups.Width() + nMargin);
  if (nOffset == m_nGroupsScrollPos) return;
  m_nGroupsScrollPos = nOffset;
  if (CTKCommandBar* pBar = pGroups->GetParentBar()) pBar->OnRecalcLayout();
}

void CTKRibbonScrollableBar::SetHighlightedGroup(CTKRibbonGroup* pGroup) {
  if (m_pHighlightedGroup != nullptr && m_pParent != nullptr) {
    const CRect rc = m_pHighlightedGroup->GetRect();
    m_pHighlightedGroup = nullptr;
    m_pParent->Redraw(rc, TRUE);
  }
  m_pHighlightedGroup = pGroup;
  if (pGroup != nullptr && m_pParent != nullptr) {
    const CRect rc = pGroup->GetRect();
    m_pParent->Redraw(rc, TRUE);
  }
}
