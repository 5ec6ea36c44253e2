// CTKCommandBar: controls, owners, selection and drawing of a bar.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "TKCommandBarCmdUI.h"
#include <afxpriv.h>
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKImageManager.h"
#include "common/TKScrollBase.h"

IMPLEMENT_DYNCREATE(CTKCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CTKCommandBar, CWnd)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateMessage)
  ON_MESSAGE(WM_INITIALUPDATE, OnIdleUpdateMessage)
END_MESSAGE_MAP()

CTKCommandBar::CTKCommandBar()
    : m_nSelected(-1),
      m_nPopuped(-1),
      m_nBarID(0),
      m_nTracking(0),
      m_pOwner(nullptr),
      m_dwState(0),
      m_dwFlags(0),
      m_dwStyle(0x400000),
      m_barType(tkBarTypeNormal),
      m_pControls(nullptr),
      m_barPosition(tkBarNone),
      m_pCommandBars(nullptr),
      m_pCommandTarget(nullptr),
      m_szIcons(0, 0),
      m_szButtons(0, 0),
      m_szLargeIcons(0, 0),
      m_bCustomizable(TRUE),
      m_nSelectionReason(0),
      m_bMultiColumn(FALSE),
      m_pReturnCmd(nullptr),
      m_nLockRedraw(0),
      m_pPaintManager(nullptr),
      m_pImageManager(nullptr),
      m_szControlsSpacing(0, 0),
      m_nFixedLength(0),
      m_nMRULength(0),
      m_nDefaultButtonStyle(tkButtonAutomatic),
      m_animation(this),
      m_bHoverSelect(TRUE),
      m_bNoNotifications(FALSE) {
  EnableAutomation();
  m_pControls = new CTKControls;
  m_pControls->SetParent(this);
}

CTKCommandBar::~CTKCommandBar() {
  m_nTracking = 0;
  SetControls(nullptr);
  SetPaintManager(nullptr);
  SetImageManager(nullptr);
}

// Controls ---------------------------------------------------------------------------

int CTKCommandBar::GetControlCount() const {
  return m_pControls != nullptr ? m_pControls->GetCount() : 0;
}

CTKControl* CTKCommandBar::GetControl(int nIndex) const {
  return m_pControls != nullptr ? m_pControls->GetAt(nIndex) : nullptr;
}

void CTKCommandBar::SetControls(CTKControls* pControls) {
  if (m_pControls != nullptr) {
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
  }
  m_pControls = pControls;
  if (m_pControls != nullptr) m_pControls->SetParent(this);
}

void CTKCommandBar::OnControlsChanged() {
  DelayLayout();
  m_nSelected = -1;
  m_nPopuped = -1;
}

BOOL CTKCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls) {
  if (pMenu == nullptr || !::IsMenu(pMenu->GetSafeHmenu())) return FALSE;
  if (bRemoveControls) m_pControls->RemoveAll();
  BOOL bSeparator = FALSE;
  const int nCount = pMenu->GetMenuItemCount();
  for (int nPosition = 0; nPosition < nCount; ++nPosition) {
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_TYPE | MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfo(pMenu->GetSafeHmenu(), nPosition, TRUE, &info)) continue;
    if ((info.fType & MFT_SEPARATOR) || (info.wID == 0 && info.hSubMenu == NULL)) {
      bSeparator = TRUE;
      continue;
    }
    CTKControl* pControl = m_pControls->AddMenuItem(pMenu, nPosition);
    if (pControl == nullptr) continue;
    if (info.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK)) {
      pControl->SetFlags(pControl->GetFlags() | TKFLAG_WRAPROW);
      if (info.fType & MFT_MENUBARBREAK) pControl->SetBeginGroup(TRUE);
    }
    if (bSeparator) pControl->SetBeginGroup(TRUE);
    bSeparator = FALSE;
    if (pControl->GetAction() == nullptr) {
      if (info.fState & MFS_CHECKED) pControl->SetChecked(TRUE);
      if (info.fState & (MFS_GRAYED | MFS_DISABLED)) pControl->SetEnabled(FALSE);
    }
  }
  return TRUE;
}

// Owners -------------------------------------------------------------------------------

CTKCommandBars* CTKCommandBar::GetCommandBars() const {
  for (const CTKCommandBar* pBar = this; pBar != nullptr; pBar = pBar->GetParentCommandBar())
    if (pBar->m_pCommandBars != nullptr) return pBar->m_pCommandBars;
  return nullptr;
}

CTKCommandBar* CTKCommandBar::GetRootParent() const {
  const CTKCommandBar* pBar = this;
  while (pBar->GetParentCommandBar() != nullptr) pBar = pBar->GetParentCommandBar();
  return const_cast<CTKCommandBar*>(pBar);
}

CWnd* CTKCommandBar::GetSite() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && pCommandBars->GetSite() != nullptr) return pCommandBars->GetSite();
  CTKCommandBar* pRoot = GetRootParent();
  if (pRoot->m_pOwner != nullptr) return pRoot->m_pOwner;
  if (pRoot->GetSafeHwnd() != NULL) {
    HWND hOwner = ::GetWindow(pRoot->GetSafeHwnd(), GW_OWNER);
    if (hOwner == NULL) hOwner = ::GetParent(pRoot->GetSafeHwnd());
    if (hOwner != NULL) return CWnd::FromHandle(hOwner);
  }
  return AfxGetMainWnd();
}

CWnd* CTKCommandBar::GetOwnerSite() const {
  for (const CTKCommandBar* pBar = this; pBar != nullptr; pBar = pBar->GetParentCommandBar()) {
    if (pBar->m_pCommandTarget != nullptr) return pBar->m_pCommandTarget;
    if (pBar->GetSafeHwnd() != NULL) {
      HWND hOwner = ::GetWindow(pBar->GetSafeHwnd(), GW_OWNER);
      if (hOwner != NULL) return CWnd::FromHandle(hOwner);
    }
  }
  return GetSite();
}

CTKPaintManager* CTKCommandBar::GetPaintManager() const {
  if (m_pPaintManager != nullptr) return m_pPaintManager;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr) return pCommandBars->GetPaintManager();
  CTKCommandBar* pRoot = GetRootParent();
  if (pRoot->m_pPaintManager != nullptr) return pRoot->m_pPaintManager;
  return CTKPaintManager::GetGlobal();
}

void CTKCommandBar::SetPaintManager(CTKPaintManager* pPaintManager) {
  if (m_pPaintManager != nullptr) m_pPaintManager->InternalRelease();
  m_pPaintManager = pPaintManager;
}

CTKImageManager* CTKCommandBar::GetImageManager() const {
  if (m_pImageManager != nullptr) return m_pImageManager;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr) return pCommandBars->GetImageManager();
  CTKCommandBar* pRoot = GetRootParent();
  if (pRoot->m_pImageManager != nullptr) return pRoot->m_pImageManager;
  return TKImageManager();
}

void CTKCommandBar::SetImageManager(CTKImageManager* pImageManager) {
  if (m_pImageManager != nullptr) m_pImageManager->InternalRelease();
  m_pImageManager = pImageManager;
}

BOOL CTKCommandBar::IsCustomizeMode() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr && pCommandBars->IsCustomizeMode();
}

CTKRibbonPaintManager* CTKCommandBar::GetRibbonPaintManager() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetRibbonPaintManager() : nullptr;
}

BOOL IntersectsRibbonGlassArea(const CTKCommandBar* pBar, LPCRECT lpRect) {
  return pBar != nullptr && pBar->IsRibbonBar() && pBar->IntersectsGlassArea(lpRect);
}

// Kind, place and sizes -------------------------------------------------------------------

void CTKCommandBar::SetTitle(LPCSTR lpszTitle) {
  m_strTitle = lpszTitle;
  Redraw();
}

BOOL CTKCommandBar::IsLayoutRTL() const {
  return GetSafeHwnd() != NULL && (GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
}

CSize CTKCommandBar::GetIconSize() const {
  if (m_szIcons.cx != 0) return m_szIcons;
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetAutoIconSize(FALSE) : CSize(16, 16);
}

CSize CTKCommandBar::GetButtonSize() const {
  if (m_szButtons.cx != 0) return m_szButtons;
  const CSize szIcon = GetIconSize();
  return CSize(szIcon.cx + 7, szIcon.cy + 6);
}

CSize CTKCommandBar::GetLargeIconSize() const {
  if (m_szLargeIcons.cx != 0) return m_szLargeIcons;
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetAutoIconSize(TRUE) : CSize(32, 32);
}

CRect CTKCommandBar::GetBorders() {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetCommandBarBorders(this) : CRect(0, 0, 0, 0);
}

CSize CTKCommandBar::CalcDynamicLayout(int, DWORD) { return CSize(0, 0); }

// Selection and tracking ---------------------------------------------------------------------

BOOL CTKCommandBar::SetSelected(int nSelected, int nReason) {
  if (nSelected == m_nSelected) return FALSE;
  m_nSelectionReason = nReason;
  if (GetSafeHwnd() == NULL) return FALSE;
  if (CTKControl* pOld = GetControl(m_nSelected)) {
    pOld->OnMouseMove(CPoint(-1, -1));
    pOld->SetSelected(0);
  }
  m_nSelected = nSelected;
  if (nSelected == -1) {
    TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerHover);
    return TRUE;
  }
  CTKControl* pNew = GetControl(nSelected);
  if (pNew == nullptr) {
    m_nSelected = -1;
    return FALSE;
  }
  if (nReason != 0) {
    EnsureVisible(pNew);
    pNew->SetSelected(nReason > 1 ? nReason : 2);
  } else {
    pNew->SetSelected(1);
  }
  if (m_nTracking) ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, nSelected + 1);
  if (nReason == 0 && m_bHoverSelect)
    TKCommandBarsSystem()->SetTimer(m_hWnd, kTimerHover, kHoverElapse);
  return TRUE;
}

BOOL CTKCommandBar::SetPopuped(int nPopuped, BOOL bKeyboard) {
  if (m_nPopuped != -1 && m_nPopuped != nPopuped) {
    CTKControl* pOpen = GetControl(m_nPopuped);
    m_nPopuped = -1;
    if (pOpen != nullptr) pOpen->OnSetPopup(FALSE);
  }
  if (nPopuped == -1) return TRUE;
  CTKControl* pControl = GetControl(nPopuped);
  if (pControl == nullptr || !pControl->GetEnabled()) return FALSE;
  m_nPopuped = nPopuped;
  SetTrackingMode(2, FALSE, bKeyboard);
  SetSelected(nPopuped, bKeyboard);
  if (m_nTracking && pControl->OnSetPopup(TRUE)) return TRUE;
  m_nPopuped = -1;
  if (!m_nTracking) SetSelected(-1);
  return FALSE;
}

BOOL CTKCommandBar::SetTrackingMode(int bMode, BOOL /*bSelectFirst*/, BOOL /*bKeyboard*/) {
  if (m_nTracking == bMode) return FALSE;
  m_nTracking = bMode;
  if (!bMode) {
    SetPopuped(-1);
    SetSelected(-1);
  }
  return TRUE;
}

void CTKCommandBar::CancelTracking() {
  SetTrackingMode(FALSE);
  SetSelected(-1);
}

void CTKCommandBar::OnControlSelected(BOOL bSelected, CTKControl* pControl) {
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_CONTROLSELECTED, bSelected ? reinterpret_cast<WPARAM>(pControl) : 0, 0);
}

// Drawing ------------------------------------------------------------------------------------

void CTKCommandBar::Redraw(LPCRECT lpRect, BOOL bAnimate) {
  if (m_nLockRedraw > 0) {
    DelayRedraw();
    return;
  }
  if (lpRect == NULL) m_dwState &= ~kStateRedrawPending;
  if (GetSafeHwnd() != NULL && ::IsWindowVisible(GetSafeHwnd()))
    m_animation.RedrawRect(lpRect, bAnimate);
}

void CTKCommandBar::OnPaint() {
  CPaintDC dc(this);
  m_animation.OnPaint(&dc, dc.m_ps.rcPaint);
}

LRESULT CTKCommandBar::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/) {
  CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
  CRect rcClient;
  GetClientRect(&rcClient);
  DrawCommandBar(pDC, rcClient);
  return TRUE;
}

void CTKCommandBar::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == CTKCommandBarAnimation::kTimerId) {
    m_animation.OnAnimationTimer();
    return;
  }
  if (nIDEvent == kTimerHover) {
    // One shot: the hot control decides what hovering does (a pop-up opens).
    TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerHover);
    if (CTKControl* pHot = GetControl(m_nSelected)) pHot->OnMouseHover();
    return;
  }
  if (nIDEvent == TKSB_TIMER_ANIMATE) {
    OnGalleryAnimationTimer();
    return;
  }
  CWnd::OnTimer(nIDEvent);
}

void CTKCommandBar::OnDestroy() {
  m_animation.OnDestroyWindow();
  CWnd::OnDestroy();
}

void CTKCommandBar::UnlockRedraw() {
  if (m_nLockRedraw > 0 && --m_nLockRedraw == 0 && (m_dwState & kStateRedrawPending)) Redraw();
}

void CTKCommandBar::FillCommandBarEntry(CDC* pDC) {
  if (CTKPaintManager* pPaintManager = GetPaintManager())
    pPaintManager->FillCommandBarEntry(pDC, this);
}

void CTKCommandBar::DrawCommandBar(CDC* pDC, CRect rcClipBox) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager == nullptr) return;
  FillCommandBarEntry(pDC);
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(pPaintManager->GetCommandBarFont(this));
  bool bFirst = true;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible(0)) continue;
    CRect rcIntersect;
    if (rcIntersect.IntersectRect(pControl->GetRect(), rcClipBox)) {
      if (pControl->GetBeginGroup() && !bFirst)
        pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
      pControl->Draw(pDC);
    }
    bFirst = false;
  }
  pDC->SelectObject(pOldFont);
}

void CTKCommandBar::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  if (GetSafeHwnd() == NULL || !::IsWindowVisible(m_hWnd)) return;
  OnUpdateCmdUI();
  if (m_dwState & kStateRedrawPending) Redraw();
  if (m_dwState & kStateLayoutPending) {
    m_dwState &= ~kStateLayoutPending;
    OnRecalcLayout();
  }
}

LRESULT CTKCommandBar::OnIdleUpdateMessage(WPARAM wParam, LPARAM lParam) {
  OnIdleUpdateCmdUI(wParam, lParam);
  return 0;
}

void CTKCommandBar::OnUpdateCmdUI() {
  CWnd* pTarget = GetOwnerSite();
  if (pTarget == nullptr) return;
  CTKCommandBars* pCommandBars = GetCommandBars();
  BOOL bDisableIfNoHandler = pCommandBars == nullptr ||
                             pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler;
  BOOL bNotify = !GetRootParent()->m_bNoNotifications;
  // Hidden by the program, as unneeded or behind the expand button: the state
  // is still kept current, so that showing them shows the right one.
  const DWORD dwUpdatedHidden = TKHIDE_GENERIC | TKHIDE_UNNEEDED | TKHIDE_EXPAND;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible(dwUpdatedHidden)) continue;
    pControl->OnIdleUpdate();
    if (!bNotify || (pControl->GetFlags() & TKFLAG_MANUALUPDATE)) continue;
    CCommandBarCmdUI state(pControl);
    if (OnCmdMsg(0, MAKELONG(static_cast<WORD>(CN_UPDATE_COMMAND_UI), WM_COMMAND + WM_REFLECT_BASE),
                 &state, nullptr))
      continue;
    if (OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
    if (!IsCustomizeMode())
      state.DoUpdate(pTarget, bDisableIfNoHandler);
    else if (pControl->GetAction() == nullptr)
      pControl->SetEnabled(TRUE);
  }
  if (bNotify) UpdateDialogControls(pTarget, bDisableIfNoHandler);
}
