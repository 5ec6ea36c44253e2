// The ribbon in its frame, in each look of the theme texts: a window themed
// by the bitmap frame with a ribbon of a file button, quick-access commands,
// three tabs and a green contextual pair, groups of large, medium and small
// buttons, a combo box and a gallery; once as it opens and once with the
// system pop-up open. Taken from the screen, so the frame is what the frame
// hook painted.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonSystemPopup.h"
#include "themes/TKPaintManagerBase.h"

namespace {

const CSize kFrameSize(900, 260);

/// A group of `nCount` buttons from `nFirstId` in one style.
void AddButtons(CTKRibbonGroup* pGroup, int nFirstId, int nCount, int nStyle, const char* pszStem) {
  for (int i = 0; i < nCount; ++i) {
    CString strCaption;
    strCaption.Format("%s %d", pszStem, i + 1);
    CTKControl* pButton = pGroup->AddControl(tkControlButton, nFirstId + i, strCaption);
    if (pButton != nullptr) pButton->SetStyle(nStyle);
  }
}

void BuildRibbon(CTKRibbonBar* pRibbon) {
  CTKControl* pSystem = pRibbon->AddSystemButton(4100);
  pSystem->SetCaption("File");
  pSystem->SetStyle(tkButtonCaption);
  CTKPopupBar* pPopup = static_cast<CTKPopupBar*>(pSystem->GetCommandBar());
  pPopup->GetControls()->AddNew(tkControlButton, 4101)->SetCaption("&New build file");
  pPopup->GetControls()->AddNew(tkControlButton, 4102)->SetCaption("&Open...");
  pPopup->GetControls()->AddNew(tkControlButton, 4103)->SetCaption("&Save");
  CTKControl* pOptions = pPopup->GetControls()->Add(new CTKRibbonControlSystemPopupBarButton, 4104);
  pOptions->SetCaption("Options");
  CTKControl* pExit = pPopup->GetControls()->Add(new CTKRibbonControlSystemPopupBarButton, 4105);
  pExit->SetCaption("Exit");

  CTKRibbonTab* pHome = pRibbon->AddTab("Home", 4200);
  CTKRibbonGroup* pRun = pHome->GetGroups()->AddGroup("Run", 4210);
  AddButtons(pRun, 4211, 2, tkButtonIconAndCaptionBelow, "Run");
  CTKRibbonGroup* pSteps = pHome->GetGroups()->AddGroup("Steps", 4220);
  AddButtons(pSteps, 4221, 3, tkButtonIconAndCaption, "Step");
  CTKRibbonGroup* pEdit = pHome->GetGroups()->AddGroup("Edit", 4230);
  AddButtons(pEdit, 4231, 3, tkButtonIcon, "Edit");
  pEdit->SetControlsGrouping(TRUE);
  CTKRibbonGroup* pFind = pHome->GetGroups()->AddGroup("Find", 4240);
  pFind->AddControl(tkControlComboBox, 4241, "Find");
  pFind->AddControl(tkControlGallery, 4242, "Styles");
  pRibbon->AddTab("Insert", 4300);
  pRibbon->AddTab("View", 4400);
  for (const char* pszTab : {"Format", "Layout"}) {
    CTKRibbonTab* pTab = pRibbon->AddTab(pszTab, 0);
    pTab->SetContextColor(tkRibbonTabContextColorGreen);
    pTab->SetContextCaption("Step Tools");
  }
  for (int nId : {4211, 4221, 4231})
    pRibbon->GetQuickAccessControls()->Add(new CTKControlButton, nId);
  pRibbon->SetCurSel(0);
}

bool DrawRibbonLook(const GalleryContext& context) {
  const std::string ini = "Office2010" + context.look + ".INI";
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), ini.c_str());
  CTKPaintManagerBase::ApplyThemeById(6);

  CFrameWnd* pFrame = new CFrameWnd;
  if (!pFrame->Create(NULL, "Release.velm - Velmoran", WS_OVERLAPPEDWINDOW,
                      CRect(CPoint(0, 0), kFrameSize))) {
    CTKPaintManagerBase::ReleaseGlobal();
    return false;
  }
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  CTKRibbonBar* pRibbon =
      static_cast<CTKRibbonBar*>(pBars->Add("Ribbon Bar", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  BuildRibbon(pRibbon);
  pRibbon->EnableFrameTheme(TRUE);
  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  pBars->RecalcFrameLayout();
  pFrame->RecalcLayout();

  CGalleryCanvas canvas(kFrameSize.cx + 40, 2 * kFrameSize.cy + 100);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  canvas.Label(20, kFrameSize.cy + 25, "the ribbon as it opens, " + context.look);

  CTKControlPopup* pSystem = static_cast<CTKControlPopup*>(pRibbon->GetSystemButton());
  pRibbon->SetTrackingMode(TRUE, FALSE, FALSE);
  pRibbon->SetPopuped(pSystem->GetIndex());
  CTKPopupBar* pPopup = static_cast<CTKPopupBar*>(pSystem->GetCommandBar());
  const int yOpen = kFrameSize.cy + 50;
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, yOpen));
  if (pPopup->GetSafeHwnd() != NULL) {
    CRect rcFrame, rcPopup;
    pFrame->GetWindowRect(&rcFrame);
    pPopup->GetWindowRect(&rcPopup);
    ScreenshotWindow(pPopup->m_hWnd, canvas.GetDC()->m_hDC,
            CPoint(20 + rcPopup.left - rcFrame.left, yOpen + rcPopup.top - rcFrame.top));
  }
  canvas.Label(20, yOpen + kFrameSize.cy + 5, "the system pop-up open");
  pRibbon->SetTrackingMode(FALSE);

  pBars->InternalRelease();
  pFrame->DestroyWindow();
  CTKPaintManagerBase::ReleaseGlobal();
  return canvas.Save(context.folder + "ribbon-" + context.look + ".png");
}

}  // namespace

bool DrawRibbonPage(const GalleryContext& context) { return DrawRibbonLook(context); }
