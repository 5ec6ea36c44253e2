// CTKMenuBar: following the MDI frame: the active child it hooks, the child's
// buttons while it is maximised, and the menu of each document template.
#include "commandbars/TKMenuBar.h"

#include <afxframe.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"

namespace {

/// The window buttons of a maximised child, in the order they are added.
struct MdiButton {
  UINT nId;
  LPCSTR lpszGlyph;
  DWORD dwNeededStyle;
  DWORD dwSuppressingFlag;
};
const MdiButton kMdiButtons[] = {
    {TKID_MDI_MINIMIZE, "0", WS_MINIMIZEBOX, TKMENUBARFLAG_NOMINIMIZE},
    {TKID_MDI_RESTORE, "2", WS_MAXIMIZEBOX, TKMENUBARFLAG_NORESTORE},
    {TKID_MDI_CLOSE, "r", 0, TKMENUBARFLAG_NOCLOSE},
};

}  // namespace

// The active child -----------------------------------------------------------------------

HWND CTKMenuBar::GetActiveMdiChild(BOOL* pbMaximized) const {
  BOOL bMaximized = FALSE;
  HWND hClient = GetMDIClient();
  HWND hChild = hClient != NULL ? reinterpret_cast<HWND>(::SendMessage(
                                      hClient, WM_MDIGETACTIVE, 0,
                                      reinterpret_cast<LPARAM>(&bMaximized)))
                                : NULL;
  if (pbMaximized != nullptr) *pbMaximized = hChild != NULL && bMaximized;
  return hChild;
}

void CTKMenuBar::HookActiveMdiChild() {
  HWND hChild = GetActiveMdiChild();
  if (hChild == m_hWndActiveChild) return;
  if (m_hWndActiveChild != NULL && ::IsWindow(m_hWndActiveChild))
    TKHookManager()->RemoveHook(m_hWndActiveChild, this);
  m_hWndActiveChild = hChild;
  if (hChild != NULL) TKHookManager()->SetHook(hChild, this);
}

void CTKMenuBar::RefreshMdiState() {
  if (!m_bMdiApp) return;
  HookActiveMdiChild();
  if (IsVisible()) UpdateMdiButtons();
}

void CTKMenuBar::UpdateMdiButtons() {
  BOOL bMaximized = FALSE;
  HWND hChild = GetActiveMdiChild(&bMaximized);
  const DWORD dwStyle = hChild != NULL ? static_cast<DWORD>(::GetWindowLong(hChild, GWL_STYLE)) : 0;
  const int nCountBefore = m_pControls->GetCount();
  UpdateSysMenuPopup(hChild, bMaximized);
  BOOL bChanged = m_pControls->GetCount() != nCountBefore;
  for (const MdiButton& button : kMdiButtons) {
    CTKControl* pButton = m_pControls->FindControl(tkControlButton, button.nId, FALSE, FALSE);
    if (pButton != nullptr) {
      if (!bMaximized) {
        m_pControls->Remove(pButton);
        bChanged = TRUE;
      }
      continue;
    }
    if (!bMaximized || !(dwStyle & WS_SYSMENU) || (m_dwFlags & button.dwSuppressingFlag) ||
        (dwStyle & button.dwNeededStyle) != button.dwNeededStyle)
      continue;
    m_pControls->Add(new CControlMDIButton, button.nId, button.lpszGlyph, -1, TRUE);
    bChanged = TRUE;
  }
  if (bChanged) OnRecalcLayout();
}

void CTKMenuBar::UpdateSysMenuPopup(HWND hChild, BOOL bMaximized) {
  CControlMDISysMenuPopup* pPopup = DYNAMIC_DOWNCAST(
      CControlMDISysMenuPopup, m_pControls->FindControl(tkControlPopup, TKID_MDI_SYSMENU, FALSE, FALSE));
  HMENU hSystemMenu = bMaximized && (m_dwFlags & TKMENUBARFLAG_SYSMENU)
                          ? ::GetSystemMenu(hChild, FALSE)
                          : NULL;
  if (hSystemMenu == NULL || !::IsMenu(hSystemMenu)) {
    if (pPopup != nullptr) m_pControls->Remove(pPopup);
    return;
  }
  if (pPopup == nullptr) {
    m_pControls->Add(new CControlMDISysMenuPopup(hChild, hSystemMenu), TKID_MDI_SYSMENU, "", 0,
                     TRUE);
  } else if (pPopup->GetSystemMenu() != hSystemMenu) {
    pPopup->UpdateSystemMenu(hChild, hSystemMenu);
    DelayRedraw();
  }
}

// Menus of the document templates ------------------------------------------------------

void CTKMenuBar::OnMDISetMenu(HMENU hMenu) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  const UINT nId = hMenu == m_hMenuSaved ? m_nIdResource : pCommandBars->GetActiveDocTemplate();
  if (nId != 0 && m_nIdResourceCur != 0 && nId != m_nIdResourceCur && hMenu != NULL &&
      ::GetMenuItemCount(hMenu) > 0)
    SwitchMDIMenu(nId, CMenu::FromHandle(hMenu));
}

void CTKMenuBar::SwitchMDIMenu(UINT nIDResource, CMenu* pMenu) {
  if (nIDResource == 0 || m_nIdResourceCur == 0 || nIDResource == m_nIdResourceCur) return;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->Lookup(nIDResource);
  if ((pCommandBars != nullptr && pCommandBars->IsCustomizeCommandOffered()) || pInfo != nullptr) {
    if (pMenu == nullptr && pInfo == nullptr) return;
    // The customised menu of the template left behind is kept.
    if (m_pMDIMenus->Lookup(m_nIdResourceCur) == nullptr) {
      CTKMenuBarMDIMenuInfo* pLeft = new CTKMenuBarMDIMenuInfo(pCommandBars, m_nIdResourceCur);
      pLeft->m_pControls->InternalRelease();
      m_pControls->InternalAddRef();
      pLeft->m_pControls = m_pControls;
      m_pMDIMenus->SetAt(m_nIdResourceCur, pLeft);
    }
    DetachControls();
    if (pInfo != nullptr) {
      AttachControls(pInfo->m_pControls);
      if (m_pControls->GetOriginalControls() == nullptr && pMenu != nullptr)
        m_pControls->SetOriginalControls(MakeOriginalControls(pMenu));
      // The default menu is kept in the map only while another one shows.
      if (nIDResource == m_nIdResource) m_pMDIMenus->Remove(nIDResource);
    } else {
      pInfo = new CTKMenuBarMDIMenuInfo(pCommandBars, nIDResource);
      AttachControls(pInfo->m_pControls);
      if (pMenu != nullptr) LoadMenu(pMenu, TRUE);
      m_pControls->CreateOriginalControls();
      m_pMDIMenus->SetAt(nIDResource, pInfo);
    }
  } else if (pMenu != nullptr) {
    LoadMenu(pMenu, TRUE);
  }
  OnRecalcLayout();
  m_nIdResourceCur = nIDResource;
}

CTKOriginalControls* CTKMenuBar::MakeOriginalControls(CMenu* pMenu) {
  // The bar's own filling from a menu, into a collection of its own.
  CTKControls* pShown = m_pControls;
  CTKOriginalControls* pOriginal = new CTKOriginalControls;
  pOriginal->SetCommandBars(GetCommandBars());
  m_pControls = pOriginal;
  pOriginal->SetParent(this);
  LoadMenu(pMenu, TRUE);
  pOriginal->SetParent(nullptr);
  m_pControls = pShown;
  return pOriginal;
}

void CTKMenuBar::DetachControls() {
  m_pControls->SetParent(nullptr);
  m_pControls->InternalRelease();
  m_pControls = nullptr;
}

void CTKMenuBar::AttachControls(CTKControls* pControls) {
  pControls->InternalAddRef();
  m_pControls = pControls;
  pControls->SetParent(this);
  OnControlsChanged();
}
