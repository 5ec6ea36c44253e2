// CTKCommandBar: controls, owners, selection and drawing of a bar.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/CommandBarsDragHelper.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "TKCommandBarCmdUI.h"
#include <afxpriv.h>
#include <afxres.h>
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKImageManager.h"
#include "common/TKRefPtr.h"
#include "common/TKScrollBase.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CTKCommandBar, CWnd)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_WM_TIMER()
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateMessage)
  ON_MESSAGE(WM_INITIALUPDATE, OnIdleUpdateMessage)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_WM_NCMOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_NCHITTEST()
  ON_WM_NCLBUTTONDOWN()
  ON_MESSAGE(WM_GETOBJECT, OnGetObject)
  ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTKCommandBar::CTKCommandBar()
    : m_nSelected(-1),
      m_nPopuped(-1),
      m_nBarID(0),
      m_nTracking(0),
      m_pOwner(nullptr),
      m_dwState(0),
      m_dwFlags(0),
      m_dwStyle(kStyleGripper),
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
      m_bHideCaret(TRUE),
      m_bNoNotifications(FALSE),
      m_bLocked(FALSE),
      m_bEnteredByMouse(FALSE),
      m_bRightButtonTracking(FALSE),
      m_hWndCaret(NULL),
      m_rcInsertMark(0, 0, 0, 0),
      m_bVerticalMark(FALSE) {
  EnableAutomation();
  m_pControls = new CTKControls;
  m_pControls->SetParent(this);
}

CTKCommandBar::~CTKCommandBar() {
  if (m_pDragHelper != nullptr) m_pDragHelper->UnregisterBar(this);
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

void CTKCommandBar::Copy(CTKCommandBar* pBar, BOOL bRecursive) {
  m_barType = pBar->m_barType;
  m_barPosition = pBar->m_barPosition;
  m_nBarID = pBar->m_nBarID;
  m_dwFlags = pBar->m_dwFlags;
  m_dwStyle = pBar->m_dwStyle;
  m_strTitle = pBar->m_strTitle;
  m_bCustomizable = pBar->m_bCustomizable;
  m_szIcons = pBar->m_szIcons;
  m_szButtons = pBar->m_szButtons;
  m_pCommandBars = pBar->m_pCommandBars;
  m_pControls->Copy(pBar->m_pControls, bRecursive);
}

CTKCommandBar* CTKCommandBar::Clone(BOOL bRecursive) {
  CTKCommandBar* pClone = static_cast<CTKCommandBar*>(GetRuntimeClass()->CreateObject());
  pClone->Copy(this, bRecursive);
  return pClone;
}

void CTKCommandBar::OnRemoved() {
  SetTrackingMode(FALSE);
  m_pControls->RemoveAll();
  if (GetSafeHwnd() != NULL) DestroyWindow();
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

CFrameWnd* CTKCommandBar::GetFrameSite() const { return DYNAMIC_DOWNCAST(CFrameWnd, GetSite()); }

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

BOOL CTKCommandBar::IsDwmEnabled() const {
  if (m_barPosition != tkBarTop) return FALSE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr && pCommandBars->IsDwmEnabled();
}

BOOL CTKCommandBar::IsPointInside(CPoint ptScreen) const {
  if (GetSafeHwnd() == NULL) return FALSE;
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  if (!rcWindow.PtInRect(ptScreen)) return FALSE;
  if (m_barPosition != tkBarPopup) return TRUE;
  // A shaped pop-up (rounded corners) is only where its region is.
  CRgn rgn;
  rgn.CreateRectRgn(0, 0, 0, 0);
  if (::GetWindowRgn(m_hWnd, static_cast<HRGN>(rgn.GetSafeHandle())) == ERROR) return TRUE;
  return rgn.PtInRegion(ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
}

BOOL CTKCommandBar::IsKeyboardCuesVisible() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars == nullptr || pCommandBars->IsKeyboardCuesVisible();
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
  if (m_nTracking) {
    // Opening may end the tracking and release the bar from its owner.
    CTKRefPtr<CTKCommandBar, CTKInternalRefTraits> keepAlive(this);
    if (pControl->OnSetPopup(TRUE)) return TRUE;
  }
  m_nPopuped = -1;
  if (!m_nTracking) SetSelected(-1);
  return FALSE;
}

BOOL CTKCommandBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard) {
  if (m_nTracking && bMode) {
    m_nTracking = bMode;
    return FALSE;
  }
  if (!m_nTracking && !bMode) return FALSE;
  m_nTracking = bMode;
  if (bMode) {
    CWnd* pSite = GetSite();
    if (m_barType == tkBarTypeMenuBar && pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_MENUBARTRACKING, reinterpret_cast<WPARAM>(this), 0);
    m_bEnteredByMouse = !bSelectFirst && !bKeyboard;
    m_nSelectionReason = bKeyboard;
    HideCaretWhileTracking();
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    if (bSelectFirst) SetSelected(m_pControls->GetNext(-1, +1), 2);
  } else {
    SetPopuped(-1);
    if (bSelectFirst) SetSelected(-1);
    ShowHiddenCaret();
    Redraw();
    // The keyboard leaves a bar that had it for the next tab stop after it.
    HWND hParent = GetSafeHwnd() != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hParent != NULL && ::GetFocus() == m_hWnd) {
      HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE);
      if (hNext != NULL) ::SetFocus(hNext);
    }
    m_bLocked = FALSE;
  }
  return TRUE;
}

void CTKCommandBar::HideCaretWhileTracking() {
  if (!m_bHideCaret) return;
  HWND hWnd = ::GetFocus();
  if (hWnd == NULL && GetSite() != nullptr) hWnd = GetSite()->GetSafeHwnd();
  if (hWnd != NULL && ::HideCaret(hWnd)) m_hWndCaret = hWnd;
}

void CTKCommandBar::ShowHiddenCaret() {
  if (m_hWndCaret == NULL) return;
  ::ShowCaret(m_hWndCaret);
  m_hWndCaret = NULL;
}

void CTKCommandBar::CancelTracking() {
  SetTrackingMode(FALSE);
  SetSelected(-1);
}

BOOL CTKCommandBar::IsHelpMode() const {
  CFrameWnd* pFrame = GetFrameSite();
  return pFrame != nullptr && pFrame->m_bHelpMode;
}

void CTKCommandBar::OnControlSelected(BOOL bSelected, CTKControl* pControl) {
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() == NULL) return;
  pSite->SendMessage(TK_WM_CONTROLSELECTED, bSelected ? reinterpret_cast<WPARAM>(pControl) : 0, 0);
  // The status bar describes the hot control; without one it shows its idle text.
  const CString strDescription =
      bSelected && pControl != nullptr ? pControl->GetDescription() : CString();
  if (strDescription.IsEmpty())
    pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
  else
    pSite->SendMessage(WM_SETMESSAGESTRING, 0,
                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strDescription)));
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

void CTKCommandBar::RedrawWithParents() {
  for (CTKCommandBar* pBar = this; pBar != nullptr; pBar = pBar->GetParentCommandBar())
    pBar->Redraw();
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
  if (m_bLocked) return;
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

BOOL CTKCommandBar::OnEraseBkgnd(CDC*) { return TRUE; }

int CTKCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // A combo box's list takes no customise drops.
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && m_barPosition != tkBarListBox)
    pCommandBars->GetDragHelper()->RegisterBar(this);
  return 0;
}

void CTKCommandBar::OnDestroy() {
  if (m_pDragHelper != nullptr) m_pDragHelper->UnregisterBar(this);
  SetTrackingMode(FALSE);
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
  // A docked bar's gripper (a dialog bar's caption) the layout left room for.
  const BOOL bDocked = m_barPosition >= tkBarTop && m_barPosition <= tkBarRight;
  if (m_barPosition == tkBarFloating || (bDocked && GetShowGripper()))
    pPaintManager->DrawFloatingBarCaption(pDC, this, TRUE);
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
  DrawCustomizeSelection(pDC);
  DrawInsertMark(pDC, m_rcInsertMark, m_bVerticalMark);
}

void CTKCommandBar::DrawCustomizeSelection(CDC* pDC) {
  if (!IsCustomizeMode()) return;
  CTKControl* pSelected = GetCommandBars()->GetDragControl();
  if (pSelected == nullptr || pSelected->GetParent() != this || !pSelected->IsVisible()) return;
  CRect rc = pSelected->GetRect();
  const COLORREF clrDark = ::GetSysColor(COLOR_BTNTEXT);
  pDC->Draw3dRect(rc, clrDark, clrDark);
  rc.DeflateRect(1, 1);
  pDC->Draw3dRect(rc, clrDark, clrDark);
}

void CTKCommandBar::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  if (GetSafeHwnd() == NULL || !::IsWindowVisible(m_hWnd)) return;
  UpdateDocTemplateControls();
  OnUpdateCmdUI();
  if (m_dwState & kStateRedrawPending) Redraw();
  if (m_dwState & kStateLayoutPending) {
    m_dwState &= ~kStateLayoutPending;
    OnRecalcLayout();
  }
}

void CTKCommandBar::UpdateDocTemplateControls() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  const UINT nTemplate = pCommandBars != nullptr ? pCommandBars->GetActiveDocTemplate() : 0;
  if (nTemplate == 0) return;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    CTKControl::CDocTemplateMap& assigned = pControl->GetAssignedDocTemplates();
    CTKControl::CDocTemplateMap& excluded = pControl->GetExcludedDocTemplates();
    if (assigned.IsEmpty() && excluded.IsEmpty()) continue;
    int nValue;
    const BOOL bHide = (!assigned.IsEmpty() && !assigned.Lookup(nTemplate, nValue)) ||
                       excluded.Lookup(nTemplate, nValue);
    const DWORD dwHide = bHide ? pControl->GetHideFlags() | TKHIDE_DOCTEMPLATE
                               : pControl->GetHideFlags() & ~TKHIDE_DOCTEMPLATE;
    if (pControl->SetHideFlags(dwHide)) DelayLayout();
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
