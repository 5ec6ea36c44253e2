// The main window with its ribbon as the screen shows it: as it opens (the
// ribbon minimised to its tab row), with each tab's groups shown, and with
// the system button's menu open.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonTab.h"

namespace {

const CSize kWindowSize(760, 520);
const CPoint kShotOrigin(20, 20);

/// One picture of the window as it stands now, with a line under it; the
/// open pop-up, when given, drawn over it where the screen shows it.
bool SaveWindowShot(CMainFrame* pFrame, const GalleryContext& context, const std::string& name,
                    const std::string& label, CTKPopupBar* pPopup = nullptr) {
  pFrame->RecalcLayout();
  // The ribbon changed its height without the frame changing its size.
  pFrame->GetDisplayManager().FitToParent();
  CGalleryCanvas canvas(kWindowSize.cx + 40, kWindowSize.cy + 60);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, kShotOrigin);
  if (pPopup != nullptr && ::IsWindow(pPopup->m_hWnd)) {
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    DrawOpenPopupBar(canvas.GetDC(), pPopup, rcFrame.TopLeft() - kShotOrigin);
  }
  canvas.Label(kShotOrigin.x, kShotOrigin.y + kWindowSize.cy + 12, label);
  return canvas.Save(context.folder + name);
}

}  // namespace

bool DrawMainWindowPage(const GalleryContext& context) {
  // The application has one look of its own.
  if (context.look != "Silver") return true;
  CMainFrame* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    return false;
  pFrame->MoveWindow(0, 0, kWindowSize.cx, kWindowSize.cy);
  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  CTKRibbonBar* pRibbon = pFrame->GetRibbonBar();
  bool ok = pRibbon != nullptr;
  if (ok) {
    ok = SaveWindowShot(pFrame, context, "app-ribbon-minimized.png",
                        "as it opens: the ribbon minimised to its tabs, the quick-access bar "
                        "in the caption") && ok;
    pRibbon->SetRibbonMinimized(FALSE);
    for (int i = 0; i < pRibbon->GetTabCount(); ++i) {
      pRibbon->SetCurSel(i);
      const std::string caption(pRibbon->GetTab(i)->GetCaption());
      ok = SaveWindowShot(pFrame, context, "app-ribbon-tab" + std::to_string(i + 1) + ".png",
                          "the ribbon opened on the tab \"" + caption + "\"") && ok;
    }
    pRibbon->SetRibbonMinimized(TRUE);
    CTKControl* pButton = pRibbon->GetSystemButton();
    if (pButton != nullptr && pButton->OnSetPopup(TRUE)) {
      auto* pPopup = dynamic_cast<CTKPopupBar*>(pButton->GetCommandBar());
      ok = SaveWindowShot(pFrame, context, "app-ribbon-systemmenu.png",
                          "the system button's menu: Open, Close, Save, Save As, Exit", pPopup) &&
           ok;
      pButton->OnSetPopup(FALSE);
    }
  }
  pFrame->DestroyWindow();  // not closed: the gallery keeps no window position
  return ok;
}
