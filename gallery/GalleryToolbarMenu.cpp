// The menu a right-click on the tool bars opens, drawn through the test paint
// manager: each tool bar of the frame listed and checked while it shows (one
// is hidden), then the customise command the frame offers.
#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKRefPtr.h"

namespace {

const int kMargin = 20;
const int kLabelHeight = 20;

/// A hidden frame that offers the customise command.
class CCustomizingFrame : public CWnd {
 public:
  BOOL Make() {
    return CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300),
                    nullptr, 0);
  }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
    if (nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pInfo != nullptr) return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
  }
};

}  // namespace

bool DrawToolbarMenu(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager globalPaintManager;
  CCustomizingFrame frame;
  if (!frame.Make()) return false;
  CTKRefPtr<CTKCommandBars, CTKInternalRefTraits> commandBars;
  commandBars.Attach(new CTKCommandBars);
  commandBars->SetSite(&frame);
  // Without a theme installed the test paint manager draws the rows; with
  // one, the command bars must not hide it behind a paint manager of their own.
  if (!globalPaintManager.IsThemed()) {
    CTestPaintManager* pPaintManager = new CTestPaintManager;
    for (int nId : {TKID_TOOLBARLIST, TKID_CUSTOMIZE})
      pPaintManager->SetControlSize(nId, CSize(150, 22));
    commandBars->SetPaintManager(pPaintManager);
  }
  for (const char* pszTitle : {"Standard", "Build & Run", "Variables", "Log"})
    commandBars->Add(pszTitle, tkBarFloating);
  commandBars->GetAt(2)->SetVisible(FALSE);

  bool ok = false;
  CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> menu;
  menu.Attach(commandBars->CreateToolbarMenu());
  CTKControl* pCustomize = menu->GetControls()->FindControlById(TKID_CUSTOMIZE);
  if (pCustomize != nullptr) pCustomize->SetCaption("&Customize...");
  if (menu->PopupAtPoint(200, 200)) {
    menu->SetSelected(1, 2);
    CRect rcMenu;
    menu->GetWindowRect(&rcMenu);
    CGalleryCanvas canvas(rcMenu.Width() + 2 * kMargin + 160, rcMenu.Height() + 2 * kMargin + kLabelHeight);
    canvas.Label(6, 4, "the tool bars' menu: one bar hidden, the customise command last");
    DrawOpenPopupBar(canvas.GetDC(), menu.Get(),
                     CPoint(rcMenu.left - kMargin, rcMenu.top - kMargin - kLabelHeight));
    ok = canvas.Save(context.folder + "commandbars-toolbarmenu.png");
  }
  CTKMouseManager::GetThreadManager()->SendTrackLost();
  menu = nullptr;
  commandBars = nullptr;
  frame.DestroyWindow();
  return ok;
}
