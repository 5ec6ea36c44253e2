// The backstage view: its look, opening over the frame, closing, and the
// active, focused and hot entries.
#include "ribbon/TKRibbonBackstageView.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKRefPtr.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonBackstageControls.h"
#include "ribbon/TKRibbonBackstagePaintManager.h"
#include "ribbon/TKRibbonBar.h"

IMPLEMENT_DYNCREATE(CTKRibbonBackstageView, CTKCommandBar)

BEGIN_MESSAGE_MAP(CTKRibbonBackstageView, CTKCommandBar)
  ON_WM_PAINT()
  ON_WM_KEYDOWN()
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_GETDLGCODE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

/// The dock bar that holds the ribbon stays when the view hides the frame's children.
const UINT kTopDockBarId = 0xE81B;
const BYTE kClearTypeQuality = 5;

}  // namespace

CTKRibbonBackstageView::CTKRibbonBackstageView()
    : m_nMenuWidth(0),
      m_clrText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_clrBackground(::GetSysColor(COLOR_WINDOW)),
      m_pPaintManager(nullptr),
      m_pSystemButton(nullptr),
      m_pActiveTab(nullptr),
      m_pHotControl(nullptr),
      m_pFocusedControl(nullptr) {
  CreateFonts();
  SetTheme(5);
}

CTKRibbonBackstageView::~CTKRibbonBackstageView() {
  if (GetSafeHwnd() != NULL) DestroyWindow();
  delete m_pPaintManager;
}

CTKRibbonBackstageView* AFX_CDECL CTKRibbonBackstageView::CreateBackstageView(
    CTKCommandBars* pCommandBars) {
  CTKRibbonBackstageView* pView = new CTKRibbonBackstageView;
  pView->SetCommandBars(pCommandBars);
  return pView;
}

void CTKRibbonBackstageView::CreateFonts() {
  LOGFONT lf = {};
  GetIconTitleFont(&lf);
  lf.lfQuality = kClearTypeQuality;
  m_fontCommand.CreateFontIndirect(&lf);
  // The tabs' captions stand one point larger than the commands'.
  CWindowDC dc(nullptr);
  const int nLogPixelsY = dc.GetDeviceCaps(LOGPIXELSY);
  const int nPoints = ::MulDiv(-lf.lfHeight, 72, nLogPixelsY) + 1;
  lf.lfHeight = -::MulDiv(nPoints, nLogPixelsY, 72);
  m_fontTab.CreateFontIndirect(&lf);
}

// Look ---------------------------------------------------------------------------------------

void CTKRibbonBackstageView::SetTheme(int nThemeId) {
  delete m_pPaintManager;
  if (nThemeId == 12)
    m_pPaintManager = new CTKRibbonBackstageViewThemeOffice2013;
  else if (nThemeId == 16)
    m_pPaintManager = new CTKRibbonBackstageViewThemeVisualStudio2015;
  else
    m_pPaintManager = new CTKRibbonBackstageViewThemeResource;
  ReadColors();
}

void CTKRibbonBackstageView::ReadColors() {
  m_clrText = GetThemeIniColor("CommandBars.Ribbon.Backstage", "Text", ::GetSysColor(COLOR_WINDOWTEXT));
  m_clrBackground =
      GetThemeIniColor("CommandBars.Ribbon.Backstage", "Background", ::GetSysColor(COLOR_WINDOW));
}

// Opening and closing ------------------------------------------------------------------------

BOOL CTKRibbonBackstageView::Popup(CTKControl* pControl, BOOL /*bSelectFirst*/) {
  CTKRibbonControlSystemButton* pButton =
      DYNAMIC_DOWNCAST(CTKRibbonControlSystemButton, pControl);
  if (pButton == nullptr || GetSafeHwnd() != NULL) return FALSE;
  if (GetCommandBars() == nullptr) SetCommandBars(pButton->GetCommandBars());
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || pCommandBars->GetSite()->GetSafeHwnd() == NULL) return FALSE;

  m_pSystemButton = pButton;
  pCommandBars->CloseAllPopups();
  // While the view counts as tracking, the button only marks its pop-up open
  // instead of asking this view to open again.
  m_nTracking = TRUE;
  pButton->OnSetPopup(TRUE);
  m_pHotControl = nullptr;
  m_pFocusedControl = nullptr;
  if (!ShowBackstage()) {
    m_nTracking = FALSE;
    if (GetSafeHwnd() != NULL) DestroyWindow();
    return FALSE;
  }
  OnIdleUpdateCmdUI();
  m_nTracking = FALSE;
  SetTrackingMode(TRUE);
  return TRUE;
}

BOOL CTKRibbonBackstageView::ShowBackstage() {
  CWnd* pSite = GetCommandBars()->GetSite();
  LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
  if (!CreateEx(0, lpszClass, NULL, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                pSite, 0))
    return FALSE;
  TKHookManager()->SetHook(pSite->GetSafeHwnd(), this);
  CTKKeyboardManager::GetThreadManager()->HookKeyboard(this);
  RecalcLayout();
  HideFrameChildren();
  SetFocus();
  for (int i = 0; i < GetControlCount(); ++i) {
    if (GetControl(i)->IsDefaultItem()) {
      SetFocusedControl(GetControl(i));
      break;
    }
  }
  return TRUE;
}

void CTKRibbonBackstageView::HideFrameChildren() {
  m_arrHiddenWindows.RemoveAll();
  HWND hSite = GetCommandBars()->GetSite()->GetSafeHwnd();
  for (HWND hChild = ::GetWindow(hSite, GW_CHILD); hChild != NULL;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (hChild == m_hWnd || ::GetDlgCtrlID(hChild) == static_cast<int>(kTopDockBarId)) continue;
    if (!::IsWindowVisible(hChild) || !::IsWindowEnabled(hChild)) continue;
    ::ShowWindow(hChild, SW_HIDE);
    m_arrHiddenWindows.Add(hChild);
  }
}

void CTKRibbonBackstageView::Close() { CTKCommandBar::CancelTracking(); }

BOOL CTKRibbonBackstageView::SetTrackingMode(int bMode, BOOL /*bSelectFirst*/, BOOL /*bKeyboard*/) {
  if ((m_nTracking != 0) == (bMode != 0)) return FALSE;
  m_nTracking = bMode;
  // The ribbon disables its controls while the view shows.
  if (m_pSystemButton != nullptr) {
    if (CTKCommandBar* pRibbon = m_pSystemButton->GetParent()) {
      for (int i = 0; i < pRibbon->GetControlCount(); ++i) pRibbon->GetControl(i)->OnEnabledChanged();
      pRibbon->Redraw();
    }
  }
  if (GetSafeHwnd() == NULL) return TRUE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (!bMode) {
    CWnd* pSite = pCommandBars->GetSite();
    const HWND hSite = pSite->GetSafeHwnd();
    DestroyWindow();
    if (::IsWindow(hSite))
      ::SendMessage(hSite, TK_WM_POPUPCLOSED, 0, reinterpret_cast<LPARAM>(this));
  }
  pCommandBars->OnTrackingModeChanged(this, bMode);
  return TRUE;
}

void CTKRibbonBackstageView::OnDestroy() {
  m_nTracking = FALSE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CWnd* pSite = pCommandBars != nullptr ? pCommandBars->GetSite() : nullptr;
  if (pSite->GetSafeHwnd() != NULL) TKHookManager()->RemoveHook(pSite->GetSafeHwnd(), this);
  for (INT_PTR i = 0; i < m_arrHiddenWindows.GetSize(); ++i)
    if (::IsWindow(m_arrHiddenWindows[i])) ::ShowWindow(m_arrHiddenWindows[i], SW_SHOWNOACTIVATE);
  m_arrHiddenWindows.RemoveAll();
  // The page goes back to the frame even when it would rather stay: it
  // belongs to the application and must outlive the view's window.
  SwitchTab(nullptr);
  m_pHotControl = nullptr;
  m_pFocusedControl = nullptr;
  if (CTKRibbonControlSystemButton* pButton = m_pSystemButton) {
    m_pSystemButton = nullptr;
    CTKCommandBar* pRibbon = pButton->GetParent();
    // The ribbon stops tracking with the view: nothing of it is open any more.
    if (pRibbon != nullptr && pRibbon->GetPopuped() == pButton->GetIndex())
      pRibbon->SetPopuped(-1);
    else if (pButton->IsPopupOpen())
      pButton->OnSetPopup(FALSE);
    if (pRibbon != nullptr && pRibbon->IsTrackingMode()) pRibbon->SetTrackingMode(FALSE);
    if (pRibbon != nullptr) pRibbon->Redraw();
  }
  if (pCommandBars != nullptr) pCommandBars->RecalcFrameLayout();
  CTKKeyboardManager::GetThreadManager()->UnhookKeyboard(this);
  CTKCommandBar::OnDestroy();
}

// Entries ------------------------------------------------------------------------------------

void CTKRibbonBackstageView::SetActiveTab(CTKControl* pControl) {
  CWnd* pOldPage = GetActiveTabPage();
  CPropertyPage* pOldPropertyPage = DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(
                                                                        pOldPage->GetSafeHwnd()));
  if (pOldPropertyPage != nullptr && !pOldPropertyPage->OnKillActive()) return;
  SwitchTab(pControl);
}

void CTKRibbonBackstageView::SwitchTab(CTKControl* pControl) {
  CWnd* pOldPage = GetActiveTabPage();
  m_pActiveTab = pControl;
  CWnd* pNewPage = GetActiveTabPage();
  if (pNewPage != nullptr) {
    pNewPage->ModifyStyle(WS_POPUP, WS_CHILD);
    pNewPage->ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    pNewPage->SetParent(this);
  }
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pOldPage != nullptr && pOldPage->GetSafeHwnd() != pNewPage->GetSafeHwnd()) {
    pOldPage->ShowWindow(SW_HIDE);
    if (pCommandBars != nullptr) pOldPage->SetParent(pCommandBars->GetSite());
  }
  if (pControl != nullptr) pControl->NotifySite(TK_BN_BACKSTAGETABACTIVATED);
  CPropertyPage* pNewPropertyPage =
      DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(pNewPage->GetSafeHwnd()));
  if (pNewPropertyPage != nullptr) pNewPropertyPage->OnSetActive();
  if (GetSafeHwnd() != NULL) RecalcLayout();
}

void CTKRibbonBackstageView::SetFocusedControl(CTKControl* pControl) {
  if (pControl == m_pFocusedControl) return;
  m_pFocusedControl = pControl;
  if (pControl != nullptr && pControl->GetEnabled() && !IsCommand(pControl) &&
      !IsMenuSeparator(pControl))
    SetActiveTab(pControl);
  Invalidate(FALSE);
}

void CTKRibbonBackstageView::ExecuteCommand(CTKControl* pControl) {
  // The control may be the view's last holder once the view closes.
  CTKRefPtr<CTKControl, CTKInternalRefTraits> keepAlive(pControl);
  SetTrackingMode(FALSE);
  pControl->OnExecute();
}

CWnd* CTKRibbonBackstageView::GetActiveTabPage() const {
  CTKRibbonBackstageTab* pTab = DYNAMIC_DOWNCAST(CTKRibbonBackstageTab, m_pActiveTab);
  if (pTab == nullptr || !::IsWindow(pTab->GetPageHandle())) return nullptr;
  return pTab->GetPageWindow();
}

CTKControl* CTKRibbonBackstageView::HitTest(CPoint point) const { return m_pControls->HitTest(point); }

CTKImageManagerIcon* CTKRibbonBackstageView::GetControlIcon(const CTKControl* pControl,
                                                            int nWidth) const {
  CTKImageManager* pImageManager = GetImageManager();
  const int nId = pControl->GetIconId();
  if (pImageManager == nullptr || nId <= 0 || !pImageManager->HasIcon(nId, nWidth)) return nullptr;
  return pImageManager->GetImage(nId, nWidth);
}

BOOL AFX_CDECL CTKRibbonBackstageView::IsCommand(const CTKControl* pControl) {
  return pControl != nullptr &&
         pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonBackstageCommand));
}

BOOL AFX_CDECL CTKRibbonBackstageView::IsMenuSeparator(const CTKControl* pControl) {
  return pControl != nullptr && pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonBackstageMenuSeparator));
}
