// CTKControls: controls made by type and built from menu items.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControlCustom.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKResourceManager.h"

namespace {

const char kOleVerbsCaption[] = "<<OLE VERBS GO HERE>>";

/// The class of a plain control of a type other than a button, or null.
CRuntimeClass* ClassOfType(int nType) {
  switch (nType) {
    case tkControlButton: return RUNTIME_CLASS(CTKControlButton);
    case tkControlPopup:
    case tkControlButtonPopup:
    case tkControlSplitButtonPopup: return RUNTIME_CLASS(CTKControlPopup);
    case tkControlComboBox: return RUNTIME_CLASS(CTKControlComboBox);
    case tkControlEdit: return RUNTIME_CLASS(CTKControlEdit);
    case tkControlCustom: return RUNTIME_CLASS(CTKControlCustom);
    case tkControlLabel: return RUNTIME_CLASS(CTKControlLabel);
    case tkControlCheckBox: return RUNTIME_CLASS(CTKControlCheckBox);
    case tkControlGallery: return RUNTIME_CLASS(CTKControlGallery);
    case tkControlRadioButton: return RUNTIME_CLASS(CTKControlRadioButton);
  }
  return nullptr;
}

CTKControl* CreateOf(CRuntimeClass* pClass) {
  return pClass != nullptr ? static_cast<CTKControl*>(pClass->CreateObject()) : nullptr;
}

/// The item's sub-menu of a menu resource, or null; `strCaption` gets the
/// caption of its first item.
bool LoadMenuResource(int nId, CMenu& menu, CString& strCaption) {
  if (nId <= 0 || !TKResourceManager()->LoadMenu(&menu, nId)) return false;
  TKResourceManager()->GetMenuString(&menu, 0, strCaption, MF_BYPOSITION);
  return true;
}

}  // namespace

CTKControl* CTKControls::CreateControlOfType(int nType, int nId, BOOL bTemporary) {
  if (nType != tkControlButton) return CreateOf(ClassOfType(nType));
  switch (nId) {
    case TKID_WINDOWLIST: return CreateOf(RUNTIME_CLASS(CTKControlWindowList));
    case TKID_WORKSPACE_ACTIONS: return CreateOf(RUNTIME_CLASS(CTKControlWorkspaceActions));
    case TKID_TOOLBARLIST: return CreateOf(RUNTIME_CLASS(CTKControlToolbars));
    case TKID_RECENTFILELIST:
      if (!bTemporary) return CreateOf(RUNTIME_CLASS(CTKControlRecentFileList));
      break;
  }
  return CreateOf(RUNTIME_CLASS(CTKControlButton));
}

CTKPopupBar* CTKControls::OfferPopupBar(int nId, CString& strCaption) {
  TKCREATEBARSTRUCT record = {};
  record.bPopup = TRUE;
  record.lpcstrCaption = strCaption;
  record.nID = static_cast<UINT>(nId);
  CTKPopupBar* pBar = nullptr;
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL &&
      pSite->SendMessage(TK_WM_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(&record)) != 0)
    pBar = DYNAMIC_DOWNCAST(CTKPopupBar, record.pCommandBar);
  if (record.lpcstrCaption != nullptr) strCaption = CString(record.lpcstrCaption);
  return pBar != nullptr ? pBar : CTKPopupBar::CreatePopupBar(GetCommandBars());
}

void CTKControls::AttachPopupBar(CTKControl* pControl, int nId) {
  CTKControlPopup* pPopupControl = DYNAMIC_DOWNCAST(CTKControlPopup, pControl);
  if (pPopupControl == nullptr) return;
  if (nId <= 0) {
    pPopupControl->SetCommandBar(CTKPopupBar::CreatePopupBar(GetCommandBars()));
    return;
  }
  CMenu menu;
  CString strCaption;
  const bool bLoaded = LoadMenuResource(nId, menu, strCaption);
  CTKPopupBar* pBar = OfferPopupBar(nId, strCaption);
  if (bLoaded) {
    pControl->SetCaption(strCaption);
    if (CMenu* pSubMenu = menu.GetSubMenu(0)) pBar->LoadMenu(pSubMenu, TRUE);
    menu.DestroyMenu();
  }
  pPopupControl->SetCommandBar(pBar);
}

void CTKControls::AttachMenuPopupBar(CTKControl* pControl, int nId, const CString& strCaption,
                                     CMenu* pSubMenu) {
  CTKControlPopup* pPopupControl = DYNAMIC_DOWNCAST(CTKControlPopup, pControl);
  if (pPopupControl == nullptr) return;
  CString strTitle = strCaption;
  CTKPaintManager::StripMnemonics(strTitle);
  CTKPopupBar* pBar = OfferPopupBar(nId, strTitle);
  pBar->SetTitle(strTitle);
  CMenu menu;
  CString strIgnored;
  if (pSubMenu == nullptr && nId != 0 && LoadMenuResource(nId, menu, strIgnored))
    pSubMenu = menu.GetSubMenu(0);
  if (pSubMenu != nullptr) pBar->LoadMenu(pSubMenu, FALSE);
  if (menu.GetSafeHmenu() != NULL) menu.DestroyMenu();
  pPopupControl->SetCommandBar(pBar);
}

CTKControl* CTKControls::CreateMenuItemControl(int nType, int nId, const CString& strCaption,
                                               CMenu* pMenu, int nPosition) {
  if (nType == tkControlButton) {
    switch (nId) {
      case TKID_WINDOWLIST: return CreateOf(RUNTIME_CLASS(CTKControlWindowList));
      case TKID_WORKSPACE_ACTIONS: return CreateOf(RUNTIME_CLASS(CTKControlWorkspaceActions));
      case TKID_MDI_FILELIST: return CreateOf(RUNTIME_CLASS(CTKControlRecentFileList));
      case TKID_TOOLBARLIST: return CreateOf(RUNTIME_CLASS(CTKControlToolbars));
      case TKID_OLE_VERBS:
        if (strCaption == kOleVerbsCaption) return CreateOf(RUNTIME_CLASS(CTKControlOleItems));
        break;
    }
    return CreateOf(RUNTIME_CLASS(CTKControlButton));
  }
  if (nType >= tkControlPopup && nType <= tkControlSplitButtonPopup) {
    CTKControl* pControl = CreateOf(RUNTIME_CLASS(CTKControlPopup));
    AttachMenuPopupBar(pControl, nId, strCaption, pMenu->GetSubMenu(nPosition));
    return pControl;
  }
  if (nType == tkControlCustom) return nullptr;
  return CreateOf(ClassOfType(nType));
}

void CTKControls::BindMenuItem(CTKControl* pControl, int nId, const CString& strCaption) {
  if (pControl->GetAction() != nullptr) return;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKControlAction* pAction = pCommandBars != nullptr ? pCommandBars->GetAction(nId) : nullptr;
  if (pAction == nullptr && pCommandBars != nullptr && pCommandBars->IsActionsEnabled() &&
      IsActionId(nId))
    pAction = pCommandBars->CreateAction(nId);
  if (pAction == nullptr) {
    pControl->SetID(nId);
    pControl->SetCaption(strCaption);
    return;
  }
  pControl->SetAction(pAction);
  if (pAction->GetCaption().IsEmpty()) pAction->SetCaption(strCaption);
}

CTKControl* CTKControls::AddMenuItem(CMenu* pMenu, int nPosition) {
  CMenu* pSubMenu = pMenu->GetSubMenu(nPosition);
  // A pop-up item has no command id of its own unless its caption names one.
  int nId = pSubMenu != nullptr ? 0 : static_cast<int>(pMenu->GetMenuItemID(nPosition));
  if (nId == TKID_SEPARATOR_MENU) return nullptr;
  const BOOL bDefault =
      static_cast<int>(::GetMenuDefaultItem(pMenu->GetSafeHmenu(), TRUE, GMDI_USEDISABLED)) ==
      nPosition;

  TKCREATECONTROLSTRUCT record;
  record.pControl = nullptr;
  record.bToolBar = FALSE;
  record.nIndex = nPosition;
  record.pMenu = pMenu;
  record.pCommandBar = m_pParent;
  TKResourceManager()->GetMenuString(pMenu, nPosition, record.strCaption, MF_BYPOSITION);
  const int nTab = record.strCaption.Find('\t');
  if (pSubMenu != nullptr && nTab > 0) {
    nId = atoi(record.strCaption.Mid(nTab + 1));
    if (nId != 0) record.strCaption = record.strCaption.Left(nTab);
  }
  record.nId = nId;
  record.nType = pSubMenu != nullptr ? tkControlPopup : tkControlButton;
  record.nStyle = tkButtonAutomatic;

  CWnd* pSite = GetSite();
  CTKControl* pControl = nullptr;
  if (pSite->GetSafeHwnd() != NULL) {
    // The site's changes count only when it answers non-zero.
    TKCREATECONTROLSTRUCT query = record;
    if (pSite->SendMessage(TK_WM_CREATECONTROL, 0, reinterpret_cast<LPARAM>(&query)) != 0) {
      record.nId = query.nId;
      record.strCaption = query.strCaption;
      record.nType = query.nType;
      record.nStyle = query.nStyle;
      pControl = query.pControl;
    }
  }
  if (pControl == nullptr) {
    pControl = CreateMenuItemControl(record.nType, record.nId, record.strCaption, pMenu, nPosition);
    if (pControl == nullptr) return nullptr;
    pControl->SetType(record.nType);
    if (record.nStyle != pControl->GetStyle()) {
      pControl->SetStyle(record.nStyle);
      if (m_pParent != nullptr) m_pParent->DelayLayout();
    }
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    if (::GetMenuItemInfo(pMenu->GetSafeHmenu(), nPosition, TRUE, &info))
      pControl->SetTag(info.dwItemData);
  }
  BindMenuItem(pControl, record.nId, record.strCaption);
  if (bDefault) pControl->SetDefaultItem(TRUE);
  AppendControl(pControl);
  if (pSite->GetSafeHwnd() != NULL) {
    record.pControl = pControl;
    pSite->SendMessage(TK_WM_CONTROLCREATED, 0, reinterpret_cast<LPARAM>(&record));
  }
  return pControl;
}
