// The UI library's own drawing, per look: the column view's three row bands
// at several heights, a horizontal and a vertical splitter bar, and the main
// window's status bar with its panes sized to their texts.
#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportStatusBarThemes.h"
#include "commandbars/TKCommandBars.h"
#include "uilib/SplitterWindow.h"
#include "uilib/StatusBarManager.h"
#include "uilib/UIUtilities.h"

namespace {

const int kPageWidth = 640;

void DrawRowBands(CGalleryCanvas& canvas, int y) {
  CTesselList bands[3];
  BuildStandardRowGradients(&bands[0], &bands[1], &bands[2]);
  const char* const names[] = {"selected", "hot", "inactive"};
  const int heights[] = {14, 21, 30};
  for (int i = 0; i < 3; ++i) {
    canvas.Label(10 + 210 * i, y, names[i]);
    int top = y + 16;
    for (int h : heights) {
      DrawGradientBand(canvas.GetDC()->GetSafeHdc(), 10 + 210 * i, top, 200 + 210 * i, top + h,
                       &bands[i]);
      top += h + 6;
    }
  }
  for (CTesselList& list : bands) ClearGradientColors(&list);
}

bool DrawSplitters(CGalleryCanvas& canvas, int y) {
  CWnd parent;
  if (!parent.CreateEx(0, AfxRegisterWndClass(0), "splitters", WS_POPUP, CRect(0, 0, 300, 120),
                       nullptr, 0))
    return false;
  CDC* pDC = canvas.GetDC();
  canvas.Label(10, y, "splitters: horizontal, vertical");
  for (int orientation : {CSplitterWindow::orientationHorizontal,
                          CSplitterWindow::orientationVertical}) {
    CSplitterWindow splitter;
    splitter.m_nOrientation = orientation;
    if (!splitter.Create(&parent, 100)) return false;
    splitter.SetBounds(0, 0, 300, 120);
    splitter.SetPosition(orientation == CSplitterWindow::orientationHorizontal ? 60 : 150);
    CRect rc;
    splitter.GetRectInParent(&rc);
    const int x0 = orientation == CSplitterWindow::orientationHorizontal ? 10 : 330;
    pDC->FillSolidRect(x0, y + 16, 300, 120, RGB(255, 255, 255));
    pDC->Draw3dRect(x0 - 1, y + 15, 302, 122, RGB(160, 160, 160), RGB(160, 160, 160));
    const CPoint ptOld = pDC->SetViewportOrg(x0 + rc.left, y + 16 + rc.top);
    splitter.DrawBar(pDC);
    pDC->SetViewportOrg(ptOld);
  }
  parent.DestroyWindow();
  return true;
}

bool DrawStatusBar(CGalleryCanvas& canvas, int y) {
  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), "status bar", WS_POPUP,
                      CRect(0, 0, kPageWidth - 20, 100), nullptr, 0))
    return false;
  CTKCommandBars commandBars;
  commandBars.SetPaintManager(CreateStatusBarTheme(kStatusBarVariants[0]));
  CStatusBarManager bar;
  bar.SetCommandBars(&commandBars);
  if (!bar.CreateStatusBar(&frame)) return false;
  bar.MoveWindow(0, 0, kPageWidth - 20, 22);
  CTesselString texts[] = {"Step 2 of 7 Steps", "&Running", "Elapsed Time: 00:01:05", ""};
  for (int i = 0; i < 4; ++i) bar.SetPaneText(i, &texts[i]);
  canvas.Label(10, y, "status bar: panes fitted to their texts, '&' removed, an empty pane");
  CDC* pDC = canvas.GetDC();
  const CPoint ptOld = pDC->SetViewportOrg(10, y + 16);
  bar.DrawBar(pDC);
  pDC->SetViewportOrg(ptOld);
  bar.DestroyWindow();
  frame.DestroyWindow();
  return true;
}

}  // namespace

bool DrawUiLibPage(const GalleryContext& context) {
  CGalleryCanvas canvas(kPageWidth, 380);
  canvas.Label(10, 4, "UI library (" + context.look + "): row bands, splitters, status bar");
  DrawRowBands(canvas, 24);
  bool ok = DrawSplitters(canvas, 160);
  ok = DrawStatusBar(canvas, 320) && ok;
  return canvas.Save(context.folder + "uilib-" + context.look + ".png") && ok;
}
