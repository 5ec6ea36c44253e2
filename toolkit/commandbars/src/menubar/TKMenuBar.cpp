// CTKMenuBar: loading the menu, the frame's Win32 menu taken and given back,
// the frame messages it hooks (Alt and F10, MDI changes, menu switches),
// resetting, copying and what it tells the layout saving.
#include "commandbars/TKMenuBar.h"

#include <afxframe.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKImageManager.h"

namespace {

/// The frame buttons whose icons bitmap TK_IDB_MDIBUTTONS holds, in its order.
const UINT kMdiIconCommands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};

/// A menu resource, destroyed with the holder.
class CLoadedMenu {
 public:
  explicit CLoadedMenu(UINT nIDMenu) {
    LPCSTR lpszName = MAKEINTRESOURCE(nIDMenu);
    m_hMenu = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
  }
  ~CLoadedMenu() {
    if (m_hMenu != NULL) ::DestroyMenu(m_hMenu);
  }
  CMenu* Get() const { return m_hMenu != NULL ? CMenu::FromHandle(m_hMenu) : nullptr; }

 private:
  HMENU m_hMenu;
};

}  // namespace

TK_IMPLEMENT_LAYOUT_CLASS(CTKMenuBar, CTKToolBar)

BEGIN_MESSAGE_MAP(CTKMenuBar, CTKToolBar)
  ON_WM_TIMER()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CTKMenuBar::CTKMenuBar()
    : m_bMdiApp(FALSE),
      m_hWndActiveChild(NULL),
      m_hMenuSaved(NULL),
      m_nIdResource(0),
      m_nIdResourceCur(0),
      m_pMDIMenus(new CTKMenuBarMDIMenus(this)),
      m_bDirtyMenu(FALSE) {
  m_barType = tkBarTypeMenuBar;
  m_dwFlags = TKBARFLAG_MOVABLE | TKBARFLAG_STRETCHED;
  m_bCloseable = FALSE;
  // The command bars find their menu bar by this id.
  m_nBarID = 1;
}

CTKMenuBar::~CTKMenuBar() {
  TKHookManager()->RemoveAll(this);
  m_pMDIMenus->InternalRelease();
}

// Loading ------------------------------------------------------------------------------

BOOL CTKMenuBar::LoadMenuBar(UINT nIDMenu) {
  if (nIDMenu != 0) {
    CLoadedMenu menu(nIDMenu);
    if (menu.Get() == nullptr || !LoadMenu(menu.Get(), TRUE)) return FALSE;
    m_nIdResource = m_nIdResourceCur = nIDMenu;
  }
  InitMenuBar();
  return TRUE;
}

void CTKMenuBar::InitMenuBar() {
  SetupHook();
  if (CTKCommandBars* pCommandBars = GetCommandBars())
    pCommandBars->GetImageManager()->SetIconsFromBitmapResource(
        TK_IDB_MDIBUTTONS, kMdiIconCommands, _countof(kMdiIconCommands), 16, 16);
  CWnd* pSite = GetSite();
  if (m_hMenuSaved == NULL && pSite->GetSafeHwnd() != NULL) {
    m_hMenuSaved = ::GetMenu(pSite->GetSafeHwnd());
    ::SetMenu(pSite->GetSafeHwnd(), NULL);
  }
}

void CTKMenuBar::RestoreSavedMenu() {
  CWnd* pSite = GetSite();
  if (m_hMenuSaved != NULL && pSite->GetSafeHwnd() != NULL)
    ::SetMenu(pSite->GetSafeHwnd(), m_hMenuSaved);
  m_hMenuSaved = NULL;
}

// Hooks --------------------------------------------------------------------------------

void CTKMenuBar::SetupHook() {
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() == NULL) return;
  m_bMdiApp = pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
  TKHookManager()->SetHook(pSite->GetSafeHwnd(), this);
  if (HWND hClient = GetMDIClient()) TKHookManager()->SetHook(hClient, this);
}

HWND CTKMenuBar::GetMDIClient() const {
  if (!m_bMdiApp) return NULL;
  CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, GetSite());
  return pFrame != nullptr ? pFrame->m_hWndMDIClient : NULL;
}

int CTKMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                              LRESULT& lResult) {
  CWnd* pSite = GetSite();
  const BOOL bSite = pSite != nullptr && hWnd == pSite->GetSafeHwnd();
  if (nMessage == WM_DESTROY && bSite) {
    // Before the frame's own handling, so that its menu goes with its window.
    RestoreSavedMenu();
    return 0;
  }
  const BOOL bChildChange =
      hWnd == m_hWndActiveChild && (nMessage == WM_SIZE || nMessage == WM_WINDOWPOSCHANGED);
  if (bChildChange || (nMessage >= WM_MDICREATE && nMessage <= WM_MDIACTIVATE)) {
    if (GetSafeHwnd() != NULL) PostMessage(WM_TIMER, kTimerRefreshMdi, 0);
    return 0;
  }
  if (nMessage == WM_SYSCOMMAND && bSite && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
    if (!OnSysKeyMenu(lParam)) return 0;
    lResult = 0;
    return 1;
  }
  if (nMessage == WM_MDISETMENU) return OnMDISetMenuMessage(wParam, lResult);
  return 0;
}

BOOL CTKMenuBar::OnSysKeyMenu(LPARAM /*lParam*/) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || !IsVisibleOnScreen() ||
      CTKCommandBars::GetMouseManager()->GetTrackLockCount() != 0 ||
      TKCommandBarsSystem()->GetKeyState(VK_SHIFT) < 0 || IsCustomizeMode())
    return FALSE;
  if (!OnFrameAccel(VK_MENU)) pCommandBars->FocusToolBar(this);
  return TRUE;
}

BOOL CTKMenuBar::OnMDISetMenuMessage(WPARAM& wParam, LRESULT& lResult) {
  CWnd* pSite = GetSite();
  const HWND hSite = pSite->GetSafeHwnd();
  if (!IsVisible()) {
    if (::GetMenu(hSite) != NULL) return 0;
  } else {
    if (!IsCustomizeMode() && !(m_dwFlags & TKMENUBARFLAG_IGNOREMDISETMENU))
      OnMDISetMenu(wParam != 0 ? reinterpret_cast<HMENU>(wParam) : m_hMenuSaved);
    ::SetMenu(hSite, NULL);
    RefreshMdiState();
  }
  // The Win32 menu never comes back on the frame.
  wParam = 0;
  lResult = 0;
  return 1;
}

void CTKMenuBar::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kTimerRefreshMdi) {
    RefreshMdiState();
    return;
  }
  CTKToolBar::OnTimer(nIDEvent);
}

void CTKMenuBar::OnDestroy() {
  RestoreSavedMenu();
  TKHookManager()->RemoveAll(this);
  m_hWndActiveChild = NULL;
  CTKToolBar::OnDestroy();
}

// Resetting and copying ------------------------------------------------------------------

void CTKMenuBar::Reset(BOOL bAsk) {
  if (m_pControls->GetOriginalControls() != nullptr) {
    CTKToolBar::Reset(bAsk);
  } else if (m_nIdResourceCur != 0) {
    if (bAsk && !AskReset()) return;
    CLoadedMenu menu(m_nIdResourceCur);
    if (menu.Get() != nullptr) LoadMenu(menu.Get(), TRUE);
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_BARRESET, 0, reinterpret_cast<LPARAM>(this));
  }
  RefreshMdiState();
  OnUpdateCmdUI();
  OnRecalcLayout();
}

void CTKMenuBar::Copy(CTKCommandBar* pBar, BOOL bRecursive) {
  CTKToolBar::Copy(pBar, bRecursive);
  CTKMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTKMenuBar, pBar);
  if (pMenuBar == nullptr || pMenuBar == this) return;
  m_nIdResource = pMenuBar->m_nIdResource;
  CTKMenuBarMDIMenus* pSource = pMenuBar->m_pMDIMenus;
  for (POSITION pos = pSource->GetStartPosition(); pos != NULL;) {
    CTKMenuBarMDIMenuInfo* pInfo = pSource->GetNext(pos);
    CTKMenuBarMDIMenuInfo* pMine = m_pMDIMenus->Lookup(pInfo->m_nIDResource);
    if (pMine == nullptr) {
      pInfo->InternalAddRef();
      m_pMDIMenus->SetAt(pInfo->m_nIDResource, pInfo);
      continue;
    }
    CTKControls* pControls = pInfo->m_pControls;
    CTKOriginalControls* pOriginal = pMine->m_pControls->GetOriginalControls();
    if (pControls->GetOriginalControls() == nullptr && pOriginal != nullptr) {
      pOriginal->InternalAddRef();
      pControls->SetOriginalControls(pOriginal);
    }
    pControls->InternalAddRef();
    pMine->m_pControls->InternalRelease();
    pMine->m_pControls = pControls;
  }
}

CTKCommandBar* CTKMenuBar::Clone(BOOL bRecursive) {
  CTKMenuBar* pClone = new CTKMenuBar;
  pClone->Copy(this, bRecursive);
  return pClone;
}

// Saving ------------------------------------------------------------------------------

BOOL CTKMenuBar::ShouldSaveState() {
  if (!IsCustomizable()) return FALSE;
  for (POSITION pos = m_pMDIMenus->GetStartPosition(); pos != NULL;)
    if (m_pMDIMenus->GetNext(pos)->m_bChanged) return TRUE;
  return m_pControls->IsChanged();
}

BOOL CTKMenuBar::IsMDIMenusChanged() {
  if (m_pMDIMenus->GetCount() == 0) return FALSE;
  SwitchMDIMenu(m_nIdResource);
  m_bDirtyMenu = TRUE;
  BOOL bChanged = FALSE;
  for (POSITION pos = m_pMDIMenus->GetStartPosition(); pos != NULL;) {
    CTKMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->GetNext(pos);
    pInfo->m_bChanged = pInfo->m_pControls->IsChanged();
    bChanged = bChanged || pInfo->m_bChanged;
  }
  return bChanged;
}

void CTKMenuBar::RestoreFrameMenu() {
  if (CFrameWnd* pFrame = GetFrameSite()) pFrame->OnUpdateFrameMenu(NULL);
  m_bDirtyMenu = FALSE;
}
