// CMainFrame: the ribbon's tabs, groups and buttons, the quick-access bar,
// the system button's menu and the command icons.
#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlClasses.h"
#include "common/TKImageManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonTab.h"

namespace {

/// The command ids whose icons the frame registers, in the order of the strips.
const UINT kIconCommands[] = {ID_OPEN_BUILD_FILE, ID_SAVE, ID_CLOSE_BUILD_FILE,
                              ID_ADD_BUILD_STEP, ID_EDIT_BUILD_STEP, ID_DELETE_BUILD_STEPS,
                              ID_COPY_BUILD_STEP, ID_MOVE_STEP_UP, ID_MOVE_STEP_DOWN,
                              ID_RUN_SELECTED_STEPS, ID_RUN_FROM_CURSOR, ID_RUN_ALL_STEPS,
                              ID_CANCEL_RUN, ID_PRODUCT_HELP, ID_APP_ABOUT, ID_SEND_SUPPORT_MAIL};
const int kCommandIconSize = 20;

/// One group of a ribbon tab and its large buttons, in order.
struct RibbonGroupLayout {
  UINT tab;
  UINT group;
  UINT buttons[8];  // 0 ends the list
};
const RibbonGroupLayout kRibbonGroups[] = {
    {IDS_TAB_FILE, IDS_GROUP_BUILD_FILE,
     {ID_OPEN_BUILD_FILE, ID_SAVE, ID_SAVE_AS, ID_CLOSE_BUILD_FILE}},
    {IDS_TAB_BUILD_STEPS, IDS_GROUP_EDIT,
     {ID_ADD_BUILD_STEP, ID_EDIT_BUILD_STEP, ID_DELETE_BUILD_STEPS, ID_COPY_BUILD_STEP,
      ID_MOVE_STEP_UP, ID_MOVE_STEP_DOWN, ID_FIND_AND_REPLACE}},
    {IDS_TAB_BUILD_STEPS, IDS_GROUP_RUN,
     {ID_RUN_SELECTED_STEPS, ID_RUN_FROM_CURSOR, ID_RUN_ALL_STEPS, ID_CANCEL_RUN}},
    {IDS_TAB_HELP, IDS_GROUP_HELP, {ID_PRODUCT_HELP, ID_SEND_SUPPORT_MAIL, ID_APP_ABOUT}},
};

/// The quick-access bar, left to right.
const UINT kQuickAccessCommands[] = {
    ID_OPEN_BUILD_FILE,    ID_SAVE,          ID_CLOSE_BUILD_FILE,   ID_ADD_BUILD_STEP,
    ID_EDIT_BUILD_STEP,    ID_DELETE_BUILD_STEPS, ID_COPY_BUILD_STEP, ID_MOVE_STEP_UP,
    ID_MOVE_STEP_DOWN,     ID_RUN_SELECTED_STEPS, ID_RUN_FROM_CURSOR, ID_RUN_ALL_STEPS,
    ID_CANCEL_RUN,         ID_PRODUCT_HELP};

const char kSystemButtonCaption[] = "&Quick Access Menu";

}  // namespace

bool CMainFrame::CreateRibbonBar() {
  const bool bResult = CApplicationMainFrame::CreateRibbonBar();
  CTKRibbonBar* pRibbon = GetRibbonBar();
  if (pRibbon == nullptr) return bResult;
  CTKRibbonTab* pTab = nullptr;
  for (const RibbonGroupLayout& layout : kRibbonGroups) {
    // Groups of one tab follow each other in the table.
    if (pTab == nullptr || pTab->GetId() != static_cast<int>(layout.tab))
      pTab = pRibbon->AddTab(layout.tab);
    if (pTab == nullptr) continue;
    CTKRibbonGroup* pGroup = pTab->AddGroup(layout.group);
    for (UINT nId : layout.buttons)
      if (nId != 0) AddRibbonButton(pGroup, nId, false);
  }
  for (UINT nId : kQuickAccessCommands) ConfigureRibbonButton(nId, false, false, kCommandIconSize);
  if (pRibbon->GetQuickAccessControls() != nullptr)
    pRibbon->GetQuickAccessControls()->CreateOriginalControls();
  pRibbon->AllowQuickAccessCustomization(FALSE);
  if (pRibbon->GetControlQuickAccess() != nullptr)
    pRibbon->GetControlQuickAccess()->SetVisible(FALSE);
  RestoreRibbonState();
  pRibbon->SetRibbonMinimized(TRUE);
  return true;
}

bool CMainFrame::LoadRibbonImages() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return false;
  CTKImageManager* pImages = pCommandBars->GetImageManager();
  const int nCount = static_cast<int>(sizeof(kIconCommands) / sizeof(kIconCommands[0]));
  // Both strips carry the same icons; either one is enough.
  const BOOL bAlpha = pImages->SetIconsFromBitmapResource(IDB_COMMANDS, kIconCommands, nCount,
                                                         kCommandIconSize, kCommandIconSize);
  const BOOL bKeyed = pImages->SetIconsFromBitmapResource(
      IDB_COMMANDS_KEYED, kIconCommands, nCount, kCommandIconSize, kCommandIconSize);
  return bAlpha || bKeyed;
}

bool CMainFrame::CreateQuickAccessControls() {
  CTKRibbonBar* pRibbon = GetRibbonBar();
  if (pRibbon == nullptr) return false;
  auto* pButton = static_cast<CTKControlPopup*>(pRibbon->AddSystemButton(IDR_SYSTEM_MENU));
  CMenu menu;
  if (menu.LoadMenu(IDR_SYSTEM_MENU) && menu.GetSubMenu(0) != nullptr)
    pButton->SetCommandBarMenu(menu.GetSubMenu(0));
  if (CTKCommandBar* pPopup = pButton->GetCommandBar())
    pPopup->SetIconSize(CSize(kCommandIconSize, kCommandIconSize));
  pButton->SetCaption(kSystemButtonCaption);
  if (pButton->GetID() != IDR_MAINFRAME) {
    pButton->SetID(IDR_MAINFRAME);
    pButton->RedrawParent();
  }
  return true;
}
