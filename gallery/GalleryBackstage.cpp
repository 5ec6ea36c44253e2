// The ribbon's backstage view open over a frame, in the look of the loaded
// theme text: two tabs (one showing its page), a separator and two commands.
#include <afxwin.h>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonBackstageControls.h"
#include "ribbon/TKRibbonBackstageView.h"
#include "ribbon/TKRibbonBar.h"

namespace {

const CSize kFrameSize(640, 420);
const CPoint kShotOrigin(20, 20);

/// The page of the "Info" tab: a title and an edit, as an application's would be.
void CreateInfoPage(CWnd& page, CWnd& title, CEdit& edit, CWnd* pFrame) {
  page.CreateEx(WS_EX_CONTROLPARENT, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), pFrame, 0);
  title.Create("STATIC", "Build file information", WS_CHILD | WS_VISIBLE, CRect(20, 16, 300, 36),
               &page, 1);
  edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, CRect(20, 44, 300, 120), &page, 2);
  edit.SetWindowText("C:\\Builds\\nightly.velm");
}

CTKControl* AddEntry(CTKRibbonBackstageView* pView, CTKControl* pControl, int nId,
                     LPCSTR lpszCaption) {
  pView->GetControls()->Add(pControl, nId);
  pControl->SetCaption(lpszCaption);
  return pControl;
}

}  // namespace

bool DrawBackstagePage(const GalleryContext& context) {
  CFrameWnd* pFrame = new CFrameWnd;
  if (!pFrame->Create(NULL, "Backstage", WS_OVERLAPPEDWINDOW, CRect(CPoint(0, 0), kFrameSize)))
    return false;
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  pBars->SetTheme(6);
  pBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
  auto* pRibbon = static_cast<CTKRibbonBar*>(pBars->Add("Ribbon", tkBarTop, RUNTIME_CLASS(CTKRibbonBar)));
  pRibbon->AddTab("Home", 0);
  pRibbon->AddTab("Run", 0);
  auto* pButton = static_cast<CTKControlPopup*>(pRibbon->AddSystemButton(0));
  pButton->SetStyle(1);  // the file button drawn like a tab
  pButton->SetCaption("File");

  CWnd page, title;
  CEdit edit;
  CreateInfoPage(page, title, edit, pFrame);
  CTKRibbonBackstageView* pView = CTKRibbonBackstageView::CreateBackstageView(pBars);
  AddEntry(pView, new CTKRibbonBackstageCommand, 0xE103, "Save");
  AddEntry(pView, new CTKRibbonBackstageMenuSeparator, 0, "");
  AddEntry(pView, new CTKRibbonBackstageTab(page.GetSafeHwnd()), 0, "Info")->SetDefaultItem(TRUE);
  AddEntry(pView, new CTKRibbonBackstageTab, 0, "Recent");
  AddEntry(pView, new CTKRibbonBackstageCommand, 0xE102, "Close");
  pButton->SetCommandBar(pView);

  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  pFrame->RecalcLayout();
  bool ok = pButton->OnSetPopup(TRUE) != FALSE;
  if (ok) {
    CGalleryCanvas canvas(kFrameSize.cx + 40, kFrameSize.cy + 60);
    ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, kShotOrigin);
    canvas.Label(kShotOrigin.x, kShotOrigin.y + kFrameSize.cy + 12,
                 "the backstage view: the tab \"Info\" open with its page, \"Recent\" without one, "
                 "the commands Save and Close");
    ok = canvas.Save(context.folder + "ribbon-backstage-" + context.look + ".png");
    pView->Close();
  }
  page.DestroyWindow();
  pBars->InternalRelease();
  pFrame->DestroyWindow();
  return ok;
}
