// An MDI frame with a menu bar loaded from a menu resource and a tool bar from
// an RT_TOOLBAR resource docked at the top, before and while a child is
// maximised (its system-menu icon and its minimise, restore and close buttons
// on the menu bar), drawn through the test paint manager; the window buttons
// show the menu bar's own icons of the frame buttons.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKFrameWnd.h"
#include "commandbars/TKMenuBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"

namespace {

const UINT kIdrMdiFrame = 7000;
const CSize kFrameSize(520, 260);
const int kGap = 14;
const int kLabelHeight = 18;
const int kCaptionHeight = 22;

/// Draws a window button as the frame-button icon it stands for, and the
/// menu bar's menus by their captions.
class CMdiGalleryPaintManager : public CTestPaintManager {
 public:
  CSize DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw) override {
    CTKCommandBar* pParent = pControl->GetParent();
    if (pControl->GetType() != tkControlPopup || pParent == nullptr ||
        pParent->GetType() != tkBarTypeMenuBar || pControl->GetID() == TKID_MDI_SYSMENU)
      return CTestPaintManager::DrawControl(pDC, pControl, bDraw);
    CString strCaption = pControl->GetCaption();
    strCaption.Remove('&');
    const CSize szText = pDC->GetTextExtent(strCaption);
    if (bDraw) {
      const CRect rc = pControl->GetRect();
      pDC->SetBkMode(TRANSPARENT);
      pDC->SetTextColor(RGB(0, 0, 0));
      pDC->TextOut(rc.left + 6, rc.top + (rc.Height() - szText.cy) / 2, strCaption);
    }
    return CSize(szText.cx + 12, 22);
  }
  void DrawControlMDIButton(CDC* pDC, CTKControl* pControl) override {
    const CString strGlyph = pControl->GetParameter();
    const UINT nCommand = strGlyph == "0" ? SC_MINIMIZE : strGlyph == "2" ? SC_RESTORE : SC_CLOSE;
    CTKImageManagerIcon* pIcon = pControl->GetImageManager()->GetImage(nCommand, 16);
    if (pIcon != nullptr) pIcon->DrawAtSize(pDC, pControl->GetRect().TopLeft(), CSize(16, 16));
  }
};

class CGalleryMdiFrame : public CTKMDIFrameWnd {
 protected:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
    if (!CTKMDIFrameWnd::OnCreateClient(lpcs, pContext) || !CreateCommandBars()) return FALSE;
    GetCommandBars()->CreateDockBars();
    return TRUE;
  }
};

CRect RectIn(CWnd* pWnd, CWnd* pFrame) {
  CRect rc;
  pWnd->GetWindowRect(&rc);
  pFrame->ScreenToClient(&rc);
  return rc;
}

void DrawBar(CDC* pDC, CTKToolBar* pBar, CWnd* pFrame, CPoint ptOrigin) {
  CRect rc = RectIn(pBar, pFrame);
  rc.OffsetRect(ptOrigin);
  DrawFramedCommandBar(pDC, pBar, rc.Size(), rc.left, rc.top);
}

/// The frame at x, y: its caption, its top dock bar with the two bars, and
/// its MDI client with the child.
void DrawMdiFrame(CDC* pDC, bool bMaximised, int x, int y) {
  CGalleryMdiFrame* pFrame = new CGalleryMdiFrame;  // deletes itself with its window
  pFrame->LoadFrame(kIdrMdiFrame, WS_OVERLAPPEDWINDOW);
  CTKCommandBars* pBars = pFrame->GetCommandBars();
  pBars->SetPaintManager(new CMdiGalleryPaintManager);
  // Icons of its own, which the pages drawn after this one do not see.
  pBars->SetImageManager(new CTKImageManager);
  AddTestIcons(pBars->GetImageManager(), {100, 101, 102, 103}, 16);
  CTKMenuBar* pMenuBar =
      static_cast<CTKMenuBar*>(pBars->Add("Menu Bar", tkBarTop, RUNTIME_CLASS(CTKMenuBar)));
  pMenuBar->SetFlags(pMenuBar->GetFlags() | TKMENUBARFLAG_SYSMENU);
  pMenuBar->LoadMenuBar(kIdrMdiFrame);
  CTKToolBar* pStandard = pBars->Add("Standard", tkBarTop);
  pStandard->LoadToolBar(kIdrMdiFrame, FALSE);
  pFrame->SetWindowPos(NULL, 0, 0, kFrameSize.cx, kFrameSize.cy + kCaptionHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  CMDIChildWnd* pChild = new CMDIChildWnd;  // deletes itself with its window
  pChild->Create(NULL, "build.velm", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                 CRect(20, 20, 260, 140), pFrame);
  if (bMaximised) pChild->MDIMaximize();
  // What the menu bar's posted refresh does once the child changed.
  pMenuBar->RefreshMdiState();
  pFrame->RecalcLayout();

  CRect rcClient;
  pFrame->GetClientRect(&rcClient);
  const CPoint ptClient(x, y + kCaptionHeight);
  pDC->FillSolidRect(x, y, rcClient.Width(), kCaptionHeight, RGB(70, 100, 150));
  pDC->SetTextColor(RGB(255, 255, 255));
  pDC->SetBkMode(TRANSPARENT);
  pDC->TextOut(x + 6, y + 4, bMaximised ? "Velmoran - [build.velm]" : "Velmoran");
  pDC->FillSolidRect(CRect(ptClient, rcClient.Size()), RGB(128, 128, 128));
  CRect rcDock = RectIn(pBars->GetDockBar(tkBarTop), pFrame);
  rcDock.OffsetRect(ptClient);
  pDC->FillSolidRect(rcDock, RGB(214, 224, 240));
  DrawBar(pDC, pMenuBar, pFrame, ptClient);
  DrawBar(pDC, pStandard, pFrame, ptClient);

  CRect rcChild = bMaximised ? RectIn(CWnd::FromHandle(pFrame->m_hWndMDIClient), pFrame)
                             : RectIn(pChild, pFrame);
  rcChild.OffsetRect(ptClient);
  pDC->FillSolidRect(rcChild, RGB(255, 255, 255));
  if (!bMaximised) {
    pDC->FillSolidRect(rcChild.left, rcChild.top, rcChild.Width(), 18, RGB(120, 140, 180));
    pDC->Draw3dRect(rcChild, RGB(60, 60, 60), RGB(60, 60, 60));
  }
  pDC->SetTextColor(RGB(0, 0, 0));
  pDC->TextOut(rcChild.left + 8, rcChild.top + (bMaximised ? 8 : 24), "build.velm");
  pDC->Draw3dRect(x - 1, y - 1, rcClient.Width() + 2, rcClient.Height() + kCaptionHeight + 2,
                  RGB(40, 40, 40), RGB(40, 40, 40));
  pFrame->DestroyWindow();
}

}  // namespace

bool DrawCommandBarsMdiPage(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CTestGlobalPaintManager paintManager;
  const int nCell = kFrameSize.cy + kCaptionHeight + kLabelHeight + kGap;
  CGalleryCanvas canvas(kFrameSize.cx + 2 * kGap, kGap + 2 * nCell);
  int y = kGap;
  for (bool bMaximised : {false, true}) {
    canvas.Label(kGap, y, bMaximised ? "a maximised child: its icon and buttons on the menu bar"
                                     : "a child in its own window");
    DrawMdiFrame(canvas.GetDC(), bMaximised, kGap, y + kLabelHeight);
    y += nCell;
  }
  return canvas.Save(context.folder + "commandbars-mdi.png");
}
