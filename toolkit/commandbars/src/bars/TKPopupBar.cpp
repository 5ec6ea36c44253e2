// CTKPopupBar: the window, opening and closing, and the mouse and keys while open.
#include "commandbars/TKPopupBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKShadowManager.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKMenuSoundPlayer.h"
#include "common/TKRefPtr.h"
#include "TKCreateBar.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKPopupBar, CTKCommandBar)

BEGIN_MESSAGE_MAP(CTKPopupBar, CTKCommandBar)
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEACTIVATE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_TIMER()
  ON_WM_NCACTIVATE()
  ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

const char kPopupBarClass[] = "TKPopupBar";
/// The window style bit that bars share with the class layer's control bars.
const DWORD kBarWindowStyle = 0x100;

}  // namespace

CTKPopupBar::CTKPopupBar()
    : m_pControlPopup(nullptr),
      m_ptPopup(0, 0),
      m_rcExclude(0, 0, 0, 0),
      m_popupFlags(0),
      m_bInLayout(FALSE),
      m_bNeedsExpand(FALSE),
      m_bExpanded(FALSE),
      m_bExpanding(FALSE),
      m_bShowShadow(TRUE),
      m_bDoubleGripper(FALSE),
      m_bContextMenu(FALSE),
      m_nResizeMode(0),
      m_nMaxHeight(0),
      m_bScrolling(FALSE),
      m_nFirstVisible(0),
      m_nLastVisible(0),
      m_bKeyboardHooked(FALSE),
      m_scroll{{kTimerScrollDown, FALSE, CRect(0, 0, 0, 0)}, {kTimerScrollUp, FALSE, CRect(0, 0, 0, 0)}},
      m_bShadowGroup(FALSE),
      m_bTearOffPopup(FALSE),
      m_rcTearOffGripper(0, 0, 0, 0),
      m_bTearOffSelected(FALSE),
      m_bTearOffTimer(FALSE),
      m_bTearOffTracking(FALSE),
      m_szTearOffBar(0, 0),
      m_pTearOffBar(nullptr),
      m_nTearOffId(0),
      m_nTearOffWidth(0),
      m_rcResizeGripper(0, 0, 0, 0) {
  m_barType = tkBarTypePopup;
  m_barPosition = tkBarPopup;
  m_rcBorders = CRect(TKDpiHelper()->ScaleX(2), TKDpiHelper()->ScaleY(4), TKDpiHelper()->ScaleX(2),
                      TKDpiHelper()->ScaleY(4));
}

CTKPopupBar::~CTKPopupBar() {
  // Only a bar still open is known to the managers.
  if (m_bKeyboardHooked) CTKKeyboardManager::GetThreadManager()->UnhookKeyboard(this);
  if (m_nTracking) CTKMouseManager::GetThreadManager()->RemoveTrackedBar(this);
  if (GetSafeHwnd() != NULL) CWnd::DestroyWindow();
}

CTKPopupBar* AFX_CDECL CTKPopupBar::CreatePopupBar(CTKCommandBars* pCommandBars) {
  CRuntimeClass* pClass = pCommandBars != nullptr && pCommandBars->GetPopupBarClass() != nullptr
                              ? pCommandBars->GetPopupBarClass()
                              : CTKCommandBars::GetRuntimeClasses().pPopupBarClass;
  CTKPopupBar* pBar = TKCreateBarOf<CTKPopupBar>(pClass, RUNTIME_CLASS(CTKPopupBar));
  if (pBar == nullptr) pBar = new CTKPopupBar;
  pBar->SetCommandBars(pCommandBars);
  return pBar;
}

CTKCommandBar* CTKPopupBar::GetParentCommandBar() const {
  return m_pControlPopup != nullptr ? m_pControlPopup->GetParent() : nullptr;
}

BOOL CTKPopupBar::IsVisible() const {
  return GetSafeHwnd() != NULL && ::IsWindowVisible(GetSafeHwnd());
}

// Opening and closing ------------------------------------------------------------------------

BOOL CTKPopupBar::Create() {
  if (GetSafeHwnd() != NULL) return TRUE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  UINT nClassStyle = CS_DBLCLKS;
  if (pCommandBars == nullptr || pCommandBars->GetCommandBarsOptions()->bUseSystemSaveBitsStyle)
    nClassStyle |= CS_SAVEBITS;
  if (!RegisterWindowClass(NULL, kPopupBarClass, nClassStyle, NULL, NULL)) return FALSE;
  DWORD dwExStyle = WS_EX_TOOLWINDOW;
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL && (pSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
    dwExStyle |= WS_EX_LAYOUTRTL;
  return CreateEx(dwExStyle, kPopupBarClass, m_strTitle,
                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kBarWindowStyle, 0, 0, 0, 0,
                  pSite->GetSafeHwnd(), NULL);
}

BOOL CTKPopupBar::PopupAtPoint(int x, int y, LPCRECT lpExclude) {
  m_ptPopup = CPoint(x, y);
  if (lpExclude != NULL) m_rcExclude = *lpExclude;
  return Popup(nullptr, FALSE);
}

BOOL CTKPopupBar::Popup(CTKControl* pControl, BOOL bSelectFirst) {
  if (pControl != nullptr) m_pControlPopup = pControl;
  if (!Create()) return FALSE;
  LockRedraw();
  CWnd* pSite = GetOwnerSite();
  if (pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_INITPOPUP, 0, reinterpret_cast<LPARAM>(this));

  m_bNeedsExpand = FALSE;
  m_bExpanded = IsCustomizeMode() || CTKMouseManager::GetThreadManager()->IsMenusExpanded();
  UpdatePopupFlags();
  UpdateLocation(CalcDynamicLayout(0, 0));

  CTKCommandBar* pParent = GetParentCommandBar();
  if (GetSafeHwnd() == NULL || (pParent != nullptr && pParent->GetSafeHwnd() == NULL)) {
    UnlockRedraw();
    DestroyWindow();
    return FALSE;
  }
  SetTrackingMode(1, bSelectFirst, bSelectFirst);
  m_dwState &= ~kStateLayoutPending;
  OnIdleUpdateCmdUI(1, 0);
  if (GetSafeHwnd() == NULL) return FALSE;

  ShowAnimated();
  TKMenuSoundPlayer()->PlayMenuSound(TK_MENUSOUND_POPUP);
  UpdateShadows();
  DelayLayout();
  UnlockRedraw();
  return TRUE;
}

CTKShadowManager* CTKPopupBar::GetShadowManagerToUse() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager == nullptr || m_barPosition != tkBarPopup || !m_bShowShadow ||
      !pPaintManager->m_bShowShadow || IsCustomizeMode())
    return nullptr;
  return pPaintManager->GetShadowManager();
}

void CTKPopupBar::UpdateShadows() {
  CTKShadowManager* pShadowManager = GetShadowManagerToUse();
  if (pShadowManager == nullptr || GetSafeHwnd() == NULL) return;
  pShadowManager->RemoveShadow(this);
  pShadowManager->SetShadow(this, m_rcExclude, m_bShadowGroup);
}

void CTKPopupBar::UpdateLocation(CSize sz) {
  CRect rc = CalcPopupPosition(m_ptPopup, sz);
  UINT nFlags = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER;
  if (::IsWindowVisible(m_hWnd)) nFlags |= SWP_NOZORDER;
  SetWindowPos(&wndTopMost, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
}

BOOL CTKPopupBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard) {
  // A sub-menu's opening asks its bar into tracking again; an open pop-up is.
  if (bMode && m_nTracking) return FALSE;
  if (!CTKCommandBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard)) return FALSE;
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  CTKKeyboardManager* pKeyboardManager = CTKKeyboardManager::GetThreadManager();
  if (bMode) {
    pMouseManager->AddTrackedBar(this);
    pKeyboardManager->HookKeyboard(this);
    m_bKeyboardHooked = TRUE;
    ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, m_hWnd, OBJID_MENU, CHILDID_SELF);
    if (bSelectFirst) SetSelected(m_pControls->GetNext(-1, +1), bKeyboard ? 2 : 0);
  } else {
    pKeyboardManager->UnhookKeyboard(this);
    m_bKeyboardHooked = FALSE;
    pMouseManager->RemoveTrackedBar(this);
    ::NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, m_hWnd, OBJID_MENU, CHILDID_SELF);
    TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerExpand);
    StopScrollTimers();
    DestroyWindow();
    if (CTKCommandBar* pParent = GetParentCommandBar()) pParent->SetPopuped(-1);
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL && ::IsWindow(pSite->GetSafeHwnd()))
      pSite->SendMessage(TK_WM_POPUPCLOSED, 0, reinterpret_cast<LPARAM>(this));
    m_pControlPopup = nullptr;
  }
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL && ::IsWindow(pSite->GetSafeHwnd())) pSite->UpdateWindow();
  return TRUE;
}

BOOL CTKPopupBar::DestroyWindow() {
  if (GetSafeHwnd() == NULL) return FALSE;
  // A custom control's window outlives the pop-up that shows it.
  CWnd* pSite = GetSite();
  HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
  while (hChild != NULL) {
    HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
    ::ShowWindow(hChild, SW_HIDE);
    ::SetParent(hChild, pSite->GetSafeHwnd());
    hChild = hNext;
  }
  return CWnd::DestroyWindow();
}

void CTKPopupBar::ClosePopup() {
  CTKCommandBar* pParent = GetParentCommandBar();
  if (pParent != nullptr && pParent->GetPopuped() != -1)
    pParent->SetPopuped(-1);
  else
    SetTrackingMode(FALSE);
}

void CTKPopupBar::DelayRedraw() {
  // A pop-up redraws at once; only its own redraw lock holds that back.
  if (m_nLockRedraw > 0)
    CTKCommandBar::DelayRedraw();
  else
    Redraw();
}

void CTKPopupBar::OnControlsChanged() {
  m_nSelected = -1;
  m_nPopuped = -1;
  DelayLayout();
  OnRecalcLayout();
}

BOOL CTKPopupBar::SetSelected(int nSelected, int nReason) {
  BOOL bChanged = CTKCommandBar::SetSelected(nSelected, nReason);
  if (GetSafeHwnd() == NULL) return bChanged;
  if (m_bScrolling && nReason != 0 && m_nSelected != -1) {
    if (m_nSelected < m_nFirstVisible) {
      m_nFirstVisible = m_nSelected;
      AdjustScrolling(NULL, FALSE, TRUE);
    } else if (m_nSelected >= m_nLastVisible) {
      m_nLastVisible = m_nSelected + 1;
      AdjustScrolling(NULL, TRUE, TRUE);
    }
  }
  CTKControl* pHot = GetControl(m_nSelected);
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pHot != nullptr && pHot->GetID() == kIdExpandButton && nReason == 0 &&
      pCommandBars != nullptr && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay)
    TKCommandBarsSystem()->SetTimer(m_hWnd, kTimerExpand, kExpandElapse);
  else
    TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerExpand);
  return bChanged;
}

// Copying ------------------------------------------------------------------------------------

void CTKPopupBar::Copy(CTKPopupBar* pSource) {
  SetTitle(pSource->GetTitle());
  SetBarID(pSource->GetBarID());
  SetFlags(pSource->GetFlags());
  SetStyle(pSource->GetStyle());
  SetType(pSource->GetType());
  SetCommandBars(pSource->m_pCommandBars);
  GetControls()->Copy(pSource->GetControls(), TRUE);
  m_bShowShadow = pSource->m_bShowShadow;
  m_rcBorders = pSource->m_rcBorders;
  m_bDoubleGripper = pSource->m_bDoubleGripper;
  m_bContextMenu = pSource->m_bContextMenu;
  m_bTearOffPopup = pSource->m_bTearOffPopup;
  m_strTearOffCaption = pSource->m_strTearOffCaption;
  m_nTearOffId = pSource->m_nTearOffId;
  m_nTearOffWidth = pSource->m_nTearOffWidth;
}

CTKPopupBar* CTKPopupBar::Clone() {
  CTKPopupBar* pBar = static_cast<CTKPopupBar*>(GetRuntimeClass()->CreateObject());
  pBar->Copy(this);
  return pBar;
}

// Mouse -------------------------------------------------------------------------------------

int CTKPopupBar::HitTestControl(CPoint pt) const {
  CTKControl* pControl = m_pControls->HitTest(pt);
  return pControl != nullptr ? pControl->GetIndex() : -1;
}

void CTKPopupBar::OnMouseMove(UINT, CPoint point) {
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  if (pMouseManager->IsTracked(this) && pMouseManager->IsTrackedLock(this)) return;
  CRect rcClient;
  GetClientRect(&rcClient);
  CTKCommandBar* pParent = GetParentCommandBar();
  if (rcClient.PtInRect(point) && pParent != nullptr && m_pControlPopup != nullptr &&
      pParent->GetSelected() != m_pControlPopup->GetIndex())
    pParent->SetSelected(m_pControlPopup->GetIndex(), 0);

  if (m_bScrolling && (TrackScrollButton(0, point) | TrackScrollButton(1, point))) return;
  if (m_bTearOffPopup && m_rcTearOffGripper.PtInRect(point)) {
    if (!IsCustomizeMode() && !m_bTearOffSelected && !m_bTearOffTimer) {
      SetPopuped(-1);
      SetSelected(-1);
      TKCommandBarsSystem()->SetTimer(m_hWnd, kTimerTearOff, kTearOffElapse);
      m_bTearOffTimer = TRUE;
    }
    return;
  }
  int nHit = HitTestControl(point);
  if (CTKControl* pHit = GetControl(nHit)) pHit->OnMouseMove(point);
  if (nHit == m_nSelected) return;
  // Leaving the items keeps an open sub-menu's control selected.
  if (nHit == -1 && m_nPopuped != -1 && m_nPopuped == m_nSelected) return;
  SetSelected(nHit, 0);
}

int CTKPopupBar::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

void CTKPopupBar::OnLButtonDown(UINT, CPoint point) {
  if (m_bTearOffPopup && m_rcTearOffGripper.PtInRect(point) && !IsCustomizeMode()) {
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    TrackTearOff();
    return;
  }
  if (!IsCustomizeMode() && HitTestResizeGripper(point)) {
    TrackResize(point);
    return;
  }
  if (CTKControl* pHit = GetControl(HitTestControl(point))) pHit->OnLButtonDown(point);
}

void CTKPopupBar::OnLButtonUp(UINT, CPoint point) {
  if (CTKControl* pHit = GetControl(HitTestControl(point))) pHit->OnLButtonUp(point);
}

void CTKPopupBar::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kTimerExpand) {
    TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerExpand);
    CTKControl* pHot = GetControl(m_nSelected);
    if (pHot != nullptr && pHot->GetID() == kIdExpandButton) pHot->OnExecute();
    return;
  }
  if (nIDEvent == kTimerTearOff) {
    OnTearOffTimer();
    return;
  }
  if (nIDEvent == kTimerScrollDown || nIDEvent == kTimerScrollUp) {
    OnScrollTimer(nIDEvent);
    return;
  }
  CTKCommandBar::OnTimer(nIDEvent);
}

BOOL CTKPopupBar::OnNcActivate(BOOL bActive) {
  if (bActive) return FALSE;
  return static_cast<BOOL>(Default());
}

// Keys ----------------------------------------------------------------------------------------

int CTKPopupBar::OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&) {
  if (nMessage != WM_KEYDOWN) return 0;
  // Held by the reference: a key may close the pop-up and release its owner's bar.
  CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> keepAlive(this);
  return OnHookKeyDown(static_cast<UINT>(wParam), lParam) ? 1 : 0;
}

BOOL CTKPopupBar::OnHookKeyDown(UINT nChar, LPARAM) {
  if (m_bNeedsExpand && !m_bExpanded && nChar == VK_DOWN) {
    const BOOL bCtrl = (TKCommandBarsSystem()->GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const int nNext = m_pControls->GetNext(m_nSelected, +1);
    if (bCtrl || (m_nSelected != -1 && nNext <= m_nSelected)) {
      ExpandBar();
      return TRUE;
    }
  }
  CTKCommandBar* pParent = GetParentCommandBar();
  const int nCode = GetKeyNavigationCode(nChar);
  switch (nCode) {
    case kNavigateEscape:
      ClosePopup();
      return TRUE;
    case kNavigateClose:
      if (pParent == nullptr) return TRUE;
      if (!pParent->IsPopupBar()) return FALSE;
      ClosePopup();
      return TRUE;
    case kNavigateOpen: {
      CTKControl* pHot = GetControl(m_nSelected);
      if (pHot != nullptr && pHot->GetCommandBar() != nullptr) {
        SetPopuped(m_nSelected, TRUE);
              return TRUE;
      }
      return pParent == nullptr || pParent->IsPopupBar();
    }
    case -1:
      break;
    default:
      ProcessKeyNavigation(nCode);
      return TRUE;
  }
  if (::MapVirtualKeyA(nChar, 2) == 0) return TRUE;
  int nFirst = -1;
  int nMatches = 0;
  for (int i = m_pControls->GetNext(m_nSelected, +1), nSeen = 0; i != -1 && nSeen < GetControlCount();
       i = m_pControls->GetNext(i, +1), ++nSeen) {
    if (!IsKeyForMnemonic(nChar, GetMnemonicChar(GetControl(i)->GetCaption()))) continue;
    if (nFirst == -1) nFirst = i;
    else if (i == nFirst) break;
    ++nMatches;
  }
  if (nFirst == -1) return TRUE;
  SetSelected(nFirst, 1);
  if (nMatches == 1) GetControl(nFirst)->OnUnderlineActivate();
  return TRUE;
}
