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
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonTabPopupToolBar.h"
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

/// Takes `hWnd` (a pop-up or a key tip over the frame) from the screen onto
/// the frame's picture at `origin`, where the screen shows it.
void ScreenshotOverFrame(HWND hWnd, CWnd* pFrame, CGalleryCanvas& canvas, CPoint origin) {
  if (!::IsWindow(hWnd)) return;
  CRect rcFrame, rcWindow;
  pFrame->GetWindowRect(&rcFrame);
  ::GetWindowRect(hWnd, &rcWindow);
  ScreenshotWindow(hWnd, canvas.GetDC()->m_hDC, origin + (rcWindow.TopLeft() - rcFrame.TopLeft()));
}

/// The key tips of the first level (Alt), and the tab of a minimised ribbon
/// opened as a pop-up, one picture each below `y`.
void DrawKeyTipsAndTabPopup(CFrameWnd* pFrame, CTKCommandBars* pBars, CTKRibbonBar* pRibbon,
                            CGalleryCanvas& canvas, int y) {
  pBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
  pRibbon->OnFrameAccel(VK_MENU);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, y));
  CTKKeyboardTips* pTips = pBars->GetKeyboardTips();
  for (int i = 0; i < pTips->GetCount(); ++i)
    ScreenshotOverFrame(pTips->GetAt(i)->GetSafeHwnd(), pFrame, canvas, CPoint(20, y));
  canvas.Label(20, y + kFrameSize.cy + 5, "Alt: the key tips of the tabs and the quick-access bar");
  pRibbon->SetTrackingMode(FALSE);
  pBars->HideKeyboardTips();

  const int yPopup = y + kFrameSize.cy + 30;
  pRibbon->SetRibbonMinimized(TRUE);
  pFrame->RecalcLayout();
  pRibbon->GetControlTab()->ShowTabPopup(FALSE);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, yPopup));
  for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL;
       hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
    CTKRibbonTabPopupToolBar* pPopup =
        DYNAMIC_DOWNCAST(CTKRibbonTabPopupToolBar, CWnd::FromHandlePermanent(hWnd));
    if (pPopup != nullptr && pPopup->IsWindowVisible())
      ScreenshotOverFrame(hWnd, pFrame, canvas, CPoint(20, yPopup));
  }
  canvas.Label(20, yPopup + kFrameSize.cy + 5, "the ribbon minimised, its tab open as a pop-up");
  pBars->CloseAllPopups();
  pRibbon->SetRibbonMinimized(FALSE);
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

  CGalleryCanvas canvas(kFrameSize.cx + 40, 4 * kFrameSize.cy + 160);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  canvas.Label(20, kFrameSize.cy + 25, "the ribbon as it opens, " + context.look);

  CTKControlPopup* pSystem = static_cast<CTKControlPopup*>(pRibbon->GetSystemButton());
  pRibbon->SetTrackingMode(TRUE, FALSE, FALSE);
  pRibbon->SetPopuped(pSystem->GetIndex());
  CTKPopupBar* pPopup = static_cast<CTKPopupBar*>(pSystem->GetCommandBar());
  const int yOpen = kFrameSize.cy + 50;
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, yOpen));
  ScreenshotOverFrame(pPopup->GetSafeHwnd(), pFrame, canvas, CPoint(20, yOpen));
  canvas.Label(20, yOpen + kFrameSize.cy + 5, "the system pop-up open");
  pRibbon->SetTrackingMode(FALSE);
  pBars->CloseAllPopups();
  DrawKeyTipsAndTabPopup(pFrame, pBars, pRibbon, canvas, yOpen + kFrameSize.cy + 30);

  pBars->InternalRelease();
  pFrame->DestroyWindow();
  CTKPaintManagerBase::ReleaseGlobal();
  return canvas.Save(context.folder + "ribbon-" + context.look + ".png");
}

}  // namespace

bool DrawRibbonPage(const GalleryContext& context) { return DrawRibbonLook(context); }
