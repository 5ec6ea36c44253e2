// The quick-access bar's buttons and menus: which commands may go on the
// bar, the customise menu and the context menu built from menus 9601 and
// 9602, the overflow pop-up, and what their entries do.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKResourceManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonBarMorePopupToolBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonResource.h"

IMPLEMENT_DYNCREATE(CTKRibbonBarControlQuickAccessPopup, CTKControlPopup)
IMPLEMENT_DYNCREATE(CTKRibbonControlQuickAccessMorePopup, CTKRibbonBarControlQuickAccessPopup)

namespace {
CTKRibbonPaintManager* RibbonPaintManagerOf(CTKControl* pControl) {
  CTKCommandBar* pParent = pControl->GetParent();
  return pParent != nullptr ? pParent->GetRibbonPaintManager() : nullptr;
}

/// The ribbon the pop-up hangs from, null when it is no ribbon's.
CTKRibbonBar* RootRibbonOf(CTKControl* pControl) {
  CTKCommandBar* pParent = pControl->GetParent();
  CTKCommandBar* pRoot = pParent != nullptr ? pParent->GetRootParent() : nullptr;
  return pRoot != nullptr && pRoot->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pRoot) : nullptr;
}

/// Control flag of entries whose state the menu set and the idle update keeps.
const DWORD kManualUpdate = 0x08;
const DWORD kNoQuickAccess = 0x10;

/// Hands a fresh pop-up to a popup control and opens it as a popup control does.
BOOL OpenFreshPopup(CTKControlPopup* pControl, CTKPopupBar* pPopup, BOOL bPopup) {
  if (bPopup) pControl->SetCommandBar(pPopup);
  return pControl->CTKControlPopup::OnSetPopup(bPopup);
}
}  // namespace

// The customise and more buttons -------------------------------------------------------------

CTKRibbonBarControlQuickAccessPopup::CTKRibbonBarControlQuickAccessPopup() {
  m_dwFlags = kManualUpdate | kNoQuickAccess;
  m_bTemporary = TRUE;
}

CSize CTKRibbonBarControlQuickAccessPopup::GetSize(CDC*) {
  CTKRibbonPaintManager* pPaintManager = RibbonPaintManagerOf(this);
  const int nHeight = pPaintManager != nullptr ? pPaintManager->GetControlHeight() : 18;
  CTKDpiHelper* pDpi = TKDpiHelper();
  return CSize(nHeight * pDpi->ScaleY(13) / pDpi->ScaleY(22), nHeight);
}

void CTKRibbonBarControlQuickAccessPopup::Draw(CDC* pDC) {
  if (CTKRibbonPaintManager* pPaintManager = RibbonPaintManagerOf(this))
    pPaintManager->DrawQuickAccessCustomizeButton(pDC, this);
}

BOOL CTKRibbonBarControlQuickAccessPopup::OnSetPopup(BOOL bPopup) {
  CTKRibbonBar* pRibbonBar = RootRibbonOf(this);
  CTKPopupBar* pPopup =
      bPopup && pRibbonBar != nullptr ? pRibbonBar->CreateQuickAccessCustomizePopup(this) : nullptr;
  if (bPopup && pPopup == nullptr) return FALSE;
  return OpenFreshPopup(this, pPopup, bPopup);
}

CTKControl* CTKRibbonBarControlQuickAccessPopup::Clone(BOOL bRecursive) {
  CTKControl* pClone = static_cast<CTKControl*>(GetRuntimeClass()->CreateObject());
  pClone->Copy(this, bRecursive);
  return pClone;
}

CTKRibbonControlQuickAccessMorePopup::CTKRibbonControlQuickAccessMorePopup() = default;

void CTKRibbonControlQuickAccessMorePopup::Draw(CDC* pDC) {
  if (CTKRibbonPaintManager* pPaintManager = RibbonPaintManagerOf(this))
    pPaintManager->DrawQuickAccessMoreButton(pDC, this);
}

BOOL CTKRibbonControlQuickAccessMorePopup::OnSetPopup(BOOL bPopup) {
  CTKRibbonBar* pRibbonBar = RootRibbonOf(this);
  CTKPopupBar* pPopup =
      bPopup && pRibbonBar != nullptr ? pRibbonBar->CreateMoreQuickAccessPopup() : nullptr;
  if (bPopup && pPopup == nullptr) return FALSE;
  return OpenFreshPopup(this, pPopup, bPopup);
}

// The command entries of the customise menu ---------------------------------------------------

CTKRibbonBar::CControlQuickAccessCommand::CControlQuickAccessCommand(
    CTKRibbonQuickAccessControls* pQuickAccess, CTKControl* pControl)
    : m_pControl(pControl), m_pQuickAccessControl(nullptr), m_pQuickAccess(pQuickAccess) {}

void CTKRibbonBar::CControlQuickAccessCommand::SetQuickAccessControl(CTKControl* pControl) {
  m_pQuickAccessControl = pControl;
  SetChecked(pControl != nullptr);
}

void CTKRibbonBar::CControlQuickAccessCommand::OnExecute() {
  CTKControlButton::OnExecute();
  if (m_pQuickAccessControl != nullptr) {
    m_pQuickAccess->Remove(m_pQuickAccessControl);
  } else if (m_pControl != nullptr) {
    CTKControl* pCopy = m_pQuickAccess->AddCopy(m_pControl, -1, TRUE);
    pCopy->SetFlags(pCopy->GetFlags() & ~kNoQuickAccess);
  }
  if (CTKCommandBar* pRibbon = m_pQuickAccess->GetParent()) pRibbon->OnRecalcLayout();
}

// Which commands may go on the bar -------------------------------------------------------------

BOOL CTKRibbonBar::IsQuickAccessControl(CTKControl* pControl) const {
  if (pControl == nullptr) return FALSE;
  if (pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore) return TRUE;
  if (pControl->GetRibbonGroup() != nullptr) return FALSE;
  return m_pQuickAccessControls->IndexOf(pControl) >= 0;
}

BOOL CTKRibbonBar::IsAllowQuickAccessControl(CTKControl* pControl) {
  if (pControl == nullptr) return FALSE;
  if (!m_bAllowQuickAccessDuplicates && m_pQuickAccessControls->FindDuplicate(pControl) != nullptr)
    return FALSE;
  if (pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonGroupControlPopup)) ||
      pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonGroupOption)))
    return pControl->GetID() > 0;
  return (pControl->GetFlags() & kNoQuickAccess) == 0;
}

// The menus --------------------------------------------------------------------------------------

CTKPopupBar* CTKRibbonBar::CreateQuickAccessCustomizePopup(CTKControl* pControl) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (!m_bShowQuickAccess) {
    CTKPopupBar* pMenu = pCommandBars != nullptr ? pCommandBars->CreateToolbarMenu() : nullptr;
    NotifyQuickAccessPopup(pMenu);
    return pMenu;
  }
  if (pControl == nullptr) return nullptr;
  // A gallery inside a pop-up stands for the control that opened the pop-up.
  if (pControl->GetType() == tkControlGallery && pControl->GetCommandBar() == nullptr &&
      pControl->GetParent() != nullptr && pControl->GetParent()->IsPopupBar()) {
    CTKControl* pOpener = static_cast<CTKPopupBar*>(pControl->GetParent())->GetControlPopup();
    if (pOpener != nullptr) pControl = pOpener;
  }
  const BOOL bCustomizeMenu = pControl->GetID() == TK_ID_RIBBONCUSTOMIZE_QUICKACCESS;
  CMenu menu;
  if (!TKResourceManager()->LoadMenu(&menu, bCustomizeMenu ? TK_IDR_RIBBONCUSTOMIZEMENU
                                                           : TK_IDR_RIBBONCONTEXTMENU))
    return nullptr;
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(pCommandBars);
  // Its entries notify the ribbon, which handles the customise commands.
  pPopup->SetCommandTarget(this);
  CMenu* pSubMenu = menu.GetSubMenu(0);
  if (pSubMenu != nullptr) pPopup->LoadMenu(pSubMenu, TRUE);
  FillCustomizePopup(pPopup, pControl, bCustomizeMenu);
  NotifyQuickAccessPopup(pPopup);
  return pPopup;
}

void CTKRibbonBar::NotifyQuickAccessPopup(CTKPopupBar* pPopup) {
  CWnd* pSite = GetSite();
  if (pPopup != nullptr && pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_TOOLBARCONTEXTMENU, reinterpret_cast<WPARAM>(this),
                       reinterpret_cast<LPARAM>(pPopup));
}

void CTKRibbonBar::FillCustomizePopup(CTKPopupBar* pPopup, CTKControl* pControl,
                                      BOOL bCustomizeMenu) {
  CTKControls* pControls = pPopup->GetControls();
  CTKControl* pToolbars = pControls->Add(new CTKControlToolbars, 0, NULL, bCustomizeMenu ? 0 : 2);
  pToolbars->SetBeginGroup(TRUE);

  const BOOL bInBar = IsQuickAccessControl(pControl);
  const BOOL bAllowed = IsAllowQuickAccessControl(pControl);
  const BOOL bFixed =
      ((pControl->GetFlags() & kNoQuickAccess) != 0 && !bAllowed) || pControl->IsTemporary();
  CTKOriginalControls* pOriginals = m_pQuickAccessControls->GetOriginalControls();
  const BOOL bCommands =
      m_bAllowQuickAccessCustomization && pOriginals != nullptr && pOriginals->GetCount() > 0;
  CTKCommandBars* pCommandBars = GetCommandBars();

  for (int i = 0; i < pControls->GetCount(); ++i) {
    CTKControl* pEntry = pControls->GetAt(i);
    switch (pEntry->GetID()) {
      case TK_ID_RIBBONCUSTOMIZE_MORE_ALT: pEntry->SetID(TK_ID_RIBBONCUSTOMIZE_MORE); break;
      case TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW_ALT:
        pEntry->SetID(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW);
        break;
      case TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE_ALT:
        pEntry->SetID(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE);
        break;
      default: break;
    }
    switch (pEntry->GetID()) {
      case TK_ID_RIBBONCUSTOMIZE_REMOVE:
        pEntry->SetVisible(bInBar && !bFixed && m_bAllowQuickAccessCustomization);
        pEntry->SetTag(reinterpret_cast<DWORD_PTR>(pControl));
        break;
      case TK_ID_RIBBONCUSTOMIZE_ADD:
        pEntry->SetVisible(!bInBar && !bFixed && m_bAllowQuickAccessCustomization);
        pEntry->SetEnabled(bAllowed);
        pEntry->SetTag(reinterpret_cast<DWORD_PTR>(pControl));
        break;
      case TK_ID_RIBBONCUSTOMIZE_MORE:
        if (!m_bAllowQuickAccessCustomization) {
          if (pCommandBars != nullptr && pCommandBars->IsCustomizeCommandOffered()) {
            CString strCaption;
            TKResourceManager()->LoadStringInto(strCaption, TK_IDS_RIBBONCUSTOMIZE);
            pEntry->SetCaption(strCaption);
          } else {
            pEntry->SetVisible(FALSE);
          }
        }
        break;
      case TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW:
        pEntry->SetVisible(m_bShowQuickAccess && !m_bShowQuickAccessBelow);
        break;
      case TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE:
        pEntry->SetVisible(m_bShowQuickAccess && m_bShowQuickAccessBelow);
        break;
      case TK_ID_RIBBONCUSTOMIZE_MINIMIZE:
        pEntry->SetVisible(m_bAllowMinimize);
        pEntry->SetChecked(m_bMinimized);
        pEntry->SetEnabled(GetTabCount() > 0);
        break;
      case TK_ID_RIBBONCUSTOMIZE_COMMANDS:
        pEntry->SetHideFlags(pEntry->GetHideFlags() | TKHIDE_GENERIC);
        if (!bCommands) continue;
        for (int j = 0; j < pOriginals->GetCount(); ++j) {
          CTKControl* pOriginal = pOriginals->GetAt(j);
          CControlQuickAccessCommand* pCommand =
              new CControlQuickAccessCommand(m_pQuickAccessControls, pOriginal);
          pControls->InsertControl(pCommand, i++);
          pCommand->SetCaption(pOriginal->GetCaption());
          pCommand->SetQuickAccessControl(m_pQuickAccessControls->FindDuplicate(pOriginal));
          pCommand->SetFlags(pCommand->GetFlags() | kManualUpdate);
        }
        break;
      case TK_ID_RIBBONCUSTOMIZE_LABEL: {
        CTKControl* pLabel = pControls->SetControlType(i, tkControlLabel);
        pEntry = pLabel != nullptr ? pLabel : pEntry;
        pEntry->SetFlags(pEntry->GetFlags() | 0x02);
        pEntry->SetDefaultItem(TRUE);
        pEntry->SetVisible(bCommands);
        break;
      }
      default:
        continue;
    }
    pEntry->SetFlags(pEntry->GetFlags() | kManualUpdate);
  }
}

CTKPopupBar* CTKRibbonBar::CreateMoreQuickAccessPopup() {
  CTKRibbonBarMorePopupToolBar* pPopup = new CTKRibbonBarMorePopupToolBar(this);
  pPopup->SetCommandBars(GetCommandBars());
  pPopup->SetWrapWidth(TKDpiHelper()->ScaleX(300));
  for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i) {
    CTKControl* pControl = m_pQuickAccessControls->GetAt(i);
    if ((pControl->GetHideFlags() & TKHIDE_WRAP) == 0) continue;
    CTKControl* pCopy = pPopup->GetControls()->AddCopy(pControl, -1, FALSE);
    pCopy->SetHideFlags(pCopy->GetHideFlags() & ~TKHIDE_WRAP);
  }
  CTKControl* pCustomize = pPopup->GetControls()->AddCopy(m_pControlQuickAccess, -1, FALSE);
  pCustomize->SetHideFlags(pCustomize->GetHideFlags() & ~TKHIDE_WRAP);
  return pPopup;
}

void CTKRibbonBar::ShowQuickAccessContextMenu(CPoint point, CTKControl* pControl) {
  if (pControl == nullptr) return;
  CTKCommandBar* pParent = pControl->GetParent();
  if (pParent != nullptr && pParent->GetSafeHwnd() != NULL) pParent->ClientToScreen(&point);
  CTKPopupBar* pPopup = CreateQuickAccessCustomizePopup(pControl);
  if (pPopup == nullptr) return;
  CWnd* pOwner = m_bShowQuickAccess ? static_cast<CWnd*>(this) : GetOwnerSite();
  if (pPopup->GetControls()->GetVisibleCount() > 0) {
    const UINT nFlags = 2 | (pParent != this ? 1 : 0);
    CTKCommandBars::TrackPopupBar(pPopup, nFlags, point.x, point.y, pOwner, NULL, pOwner);
  }
  pPopup->InternalRelease();
}

// What the entries do ------------------------------------------------------------------------------

BOOL CTKRibbonBar::OnCustomizeCommand(UINT nId, NMTKCONTROL* pNotify) {
  CTKControl* pEntry = pNotify != nullptr ? pNotify->pControl : nullptr;
  CTKControl* pTarget = pEntry != nullptr ? reinterpret_cast<CTKControl*>(pEntry->GetTag()) : nullptr;
  switch (nId) {
    case TK_ID_RIBBONCUSTOMIZE_ADD: {
      if (pTarget == nullptr) return TRUE;
      CloseAllPopups();
      // One layout for the whole insertion, not one per step of it.
      const BOOL bWasInLayout = m_bInRecalcLayout;
      m_bInRecalcLayout = TRUE;
      CTKControl* pCopy = m_pQuickAccessControls->AddCopy(pTarget, -1, TRUE);
      pCopy->SetBeginGroup(FALSE);
      pCopy->SetHideFlags(0);
      pCopy->SetFlags(pCopy->GetFlags() & ~kNoQuickAccess);
      const int nType = pCopy->GetType();
      pCopy->SetStyle(nType == tkControlPopup || nType == tkControlGallery ? tkButtonIcon
                                                                          : tkButtonAutomatic);
      const BOOL bIconType = (nType >= tkControlButton && nType <= tkControlSplitButtonPopup) ||
                             nType == tkControlGallery;
      CTKImageManager* pImageManager = GetImageManager();
      if (m_nQuickAccessEmptyIconId != -1 && bIconType && pImageManager != nullptr &&
          !pImageManager->HasIcon(static_cast<UINT>(pCopy->GetIconId()), 16)) {
        pCopy->SetIconId(m_nQuickAccessEmptyIconId);
        pCopy->RedrawParent();
      }
      m_bInRecalcLayout = bWasInLayout;
      OnRecalcLayout();
      return TRUE;
    }
    case TK_ID_RIBBONCUSTOMIZE_REMOVE:
      if (pTarget != nullptr) m_pQuickAccessControls->Remove(pTarget);
      OnRecalcLayout();
      return TRUE;
    case TK_ID_RIBBONCUSTOMIZE_MORE: {
      CloseAllPopups();
      CWnd* pOwner = GetOwnerSite();
      if (pOwner != nullptr && pOwner->GetSafeHwnd() != NULL &&
          pOwner->SendMessage(TK_WM_CONTROLNOTIFY, nId, reinterpret_cast<LPARAM>(pNotify)) == 0)
        pOwner->SendMessage(WM_COMMAND, nId, 0);
      return TRUE;
    }
    case TK_ID_RIBBONCUSTOMIZE_MINIMIZE:
      SetRibbonMinimized(!IsRibbonMinimized());
      return TRUE;
    default:
      break;
  }
  if (nId >= 9000 && nId <= 10000) return FALSE;
  if (pEntry != nullptr && pEntry->GetParent() != nullptr) {
    CTKCommandBar* pRoot = pEntry->GetParent()->GetRootParent();
    if (pRoot != nullptr) pRoot->SetTrackingMode(FALSE);
  }
  CTKCommandBars* pCommandBars = GetCommandBars();
  CWnd* pSite = pCommandBars != nullptr ? pCommandBars->GetSite() : nullptr;
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL &&
      pSite->SendMessage(TK_WM_CONTROLNOTIFY, nId, reinterpret_cast<LPARAM>(pNotify)) == 0)
    pSite->SendMessage(WM_COMMAND, nId, 0);
  return TRUE;
}

void CTKRibbonBar::OnQuickAccessPosition(UINT nId) {
  CloseAllPopups();
  ShowQuickAccessBelowRibbon(nId == TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW);
}
