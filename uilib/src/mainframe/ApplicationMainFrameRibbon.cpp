// CApplicationMainFrame: the ribbon bar, its groups' buttons, the quick-access
// bar, and the command bars' pop-up menus.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "uilib/ApplicationMainFrame.h"

namespace {

/// The dock position of the ribbon among the command bars: the top.
const int kRibbonDockPosition = 0;
/// The ribbon's own icons; commands of the groups are drawn at this size.
const int kRibbonIconSize = 16;
/// A quick-access control with this hide flag stays off the bar.
const DWORD kQuickAccessHidden = 0x10;

void SetButtonStyle(CTKControl* pControl, int nStyle) {
  if (pControl->GetStyle() == nStyle) return;
  pControl->SetStyle(nStyle);
  pControl->DelayLayoutParent();
}

}  // namespace

bool CApplicationMainFrame::CreateRibbonBar() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return false;
  // The ribbon takes the place of the frame's menu.
  if (HMENU hMenu = ::GetMenu(m_hWnd)) {
    ::SetMenu(m_hWnd, NULL);
    ::DestroyMenu(hMenu);
    if (m_hMenuDefault == hMenu) m_hMenuDefault = NULL;
  }
  auto* pRibbon = static_cast<CTKRibbonBar*>(
      pCommandBars->Add(kRibbonBarTitle, kRibbonDockPosition, RUNTIME_CLASS(CTKRibbonBar)));
  if (pRibbon == nullptr) return false;
  SetRibbonBar(pRibbon);
  pRibbon->SetFlags(0);
  pRibbon->AllowMinimize(TRUE);
  LoadRibbonImages();
  CreateQuickAccessControls();
  pRibbon->SetIconSize(CSize(kRibbonIconSize, kRibbonIconSize));
  pRibbon->ShowExpandButton(FALSE);
  pRibbon->EnableFrameTheme(TRUE);
  return true;
}

bool CApplicationMainFrame::AddRibbonControl(CTKRibbonGroup* pGroup, int nType, UINT nId,
                                             bool bBeginGroup, int nStyle) {
  if (pGroup == nullptr) return false;
  CTKControl* pControl = pGroup->AddControl(nType, static_cast<int>(nId), NULL, -1, FALSE);
  if (pControl == nullptr) return false;
  if (nStyle >= 0) SetButtonStyle(pControl, nStyle);
  if (bBeginGroup) pControl->SetBeginGroup(TRUE);
  return true;
}

bool CApplicationMainFrame::AddRibbonButton(CTKRibbonGroup* pGroup, UINT nId, bool bBeginGroup) {
  return AddRibbonControl(pGroup, tkControlButton, nId, bBeginGroup, tkButtonIconAndCaption);
}

bool CApplicationMainFrame::AddRibbonCheckBox(CTKRibbonGroup* pGroup, UINT nId,
                                              bool bBeginGroup) {
  return AddRibbonControl(pGroup, tkControlCheckBox, nId, bBeginGroup, -1);
}

bool CApplicationMainFrame::ConfigureRibbonButton(UINT nId, bool bBeginGroup, bool bHidden,
                                                  int nIconSize) {
  CTKRibbonBar* pRibbon = GetRibbonBar();
  if (pRibbon == nullptr || pRibbon->GetQuickAccessControls() == nullptr) return false;
  CTKControl* pControl = pRibbon->GetQuickAccessControls()->AddNew(
      tkControlButton, static_cast<int>(nId), NULL, -1, FALSE);
  if (pControl == nullptr) return false;
  SetButtonStyle(pControl, tkButtonIcon);
  pControl->SetIconSize(CSize(nIconSize, nIconSize));
  pControl->RedrawParent();
  if (bBeginGroup) pControl->SetBeginGroup(TRUE);
  if (bHidden) pControl->SetHideFlags(kQuickAccessHidden);
  return true;
}

UINT CApplicationMainFrame::TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd,
                                           const RECT* pExclude, CWnd* pOwner) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  auto track = [&] {
    return CTKCommandBars::TrackPopupMenu(pMenu, nFlags, x, y, pWnd, pExclude, pOwner,
                                          pCommandBars);
  };
  if (m_pHostedChild == nullptr) return track();
  AFX_MANAGE_STATE(AfxGetAppModuleState());
  return track();
}
