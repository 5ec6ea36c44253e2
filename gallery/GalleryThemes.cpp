// The themes' drawing primitives once, and per look the message bars of every
// variant with idle, hot and pressed buttons and their close buttons.
#include <memory>
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "GalleryStatusBars.h"
#include "GalleryThemeSamples.h"
#include "SupportThemePaintManager.h"
#include "themes/TKMessageBarPaintManager.h"

// Every gallery look's galleries (GalleryThemeGalleries.cpp).
bool DrawThemeGalleries(const GalleryContext& context);
// The paint managers the Office 2000 and Visual Studio 6 themes own
// (GalleryThemeSubPaintManagers.cpp).
bool DrawThemeSubPaintManagers(const GalleryContext& context);

namespace {

bool DrawPrimitives(const GalleryContext& context) {
  CGalleryCanvas canvas(420, 200);
  CDC* pDC = canvas.GetDC();
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  canvas.Label(10, 4, "FillRectWithBorder: both, equal, fill -1, border -1");
  pm.FillRectWithBorder(pDC, CRect(10, 20, 50, 50), RGB(0, 0, 128), RGB(160, 200, 255));
  pm.FillRectWithBorder(pDC, CRect(60, 20, 100, 50), RGB(160, 200, 255), RGB(160, 200, 255));
  pm.FillRectWithBorder(pDC, CRect(110, 20, 150, 50), RGB(0, 0, 128), static_cast<COLORREF>(-1));
  pm.FillRectWithBorder(pDC, CRect(160, 20, 200, 50), static_cast<COLORREF>(-1), RGB(0, 128, 0));
  pm.DrawFrames(pDC, CRect(210, 20, 250, 50), 3, RGB(200, 0, 0), RGB(0, 0, 200));
  canvas.Label(10, 60, "DrawLine: vertical, horizontal, pen; DrawTriangle");
  pm.DrawLine(pDC, 15, 80, 15, 110, RGB(0, 0, 0));
  pm.DrawLine(pDC, 25, 95, 75, 95, RGB(0, 0, 0));
  pm.DrawLine(pDC, 85, 80, 115, 110, RGB(0, 0, 0));
  pm.DrawTriangle(pDC, nullptr, CPoint(130, 80), CPoint(170, 80), CPoint(150, 105), RGB(0, 120, 0));
  canvas.Label(10, 120, "FillCircleAntialiased: 7, 9, 13, 25; FillSolidRectOpaque");
  int x = 10;
  for (int n : {7, 9, 13, 25}) {
    pm.FillCircleAntialiased(pDC, x, 140, x + n, 140 + n, RGB(0, 60, 140), RGB(120, 180, 255));
    x += n + 10;
  }
  pm.FillSolidRectOpaque(pDC, CRect(x, 140, x + 30, 165), RGB(255, 0, 0));
  return canvas.Save(context.folder + "themes-primitives.png");
}

bool DrawParts(const GalleryContext& context) {
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  std::unique_ptr<CTKMessageBarPaintManager> variants[] = {
      std::make_unique<CTKMessageBarPaintManager>(&pm),
      std::make_unique<CTKMessageBarThemeOffice2003>(&pm),
      std::make_unique<CTKMessageBarThemeOffice2010>(&pm),
      std::make_unique<CTKMessageBarThemeResource>(&pm),
      std::make_unique<CTKMessageBarThemeOffice2013>(&pm),
      std::make_unique<CTKMessageBarThemeVisualStudio2015>(&pm)};
  const char* names[] = {"Base", "Office 2003", "Office 2010", "Resource", "Office 2013",
                         "Visual Studio 2015"};
  CGalleryCanvas canvas(560, 30 + 60 * 6);
  CDC* pDC = canvas.GetDC();
  canvas.Label(10, 4, "Message bars (" + context.look + "): idle, hot, pressed; close idle, hot");
  for (int i = 0; i < 6; ++i) {
    CTKMessageBarPaintManager* pBar = variants[i].get();
    pBar->RefreshMetrics();
    const int y = 24 + 60 * i;
    canvas.Label(10, y, names[i]);
    const int nHeight = pBar->GetMessageBarHeight();
    CGalleryBar bar(CRect(10, y + 14, 550, y + 14 + nHeight));
    pBar->FillMessageBar(pDC, &bar);
    const CSize szButton = pBar->GetButtonSize();
    int x = 200;
    const BOOL states[3][2] = {{FALSE, FALSE}, {TRUE, FALSE}, {TRUE, TRUE}};
    for (const auto& s : states) {
      const int yButton = bar.m_rc.top + (nHeight - szButton.cy) / 2;
      pBar->DrawMessageBarButton(
          pDC, TK_MESSAGEBAR_BUTTON{CRect(x, yButton, x + szButton.cx, yButton + szButton.cy),
                                    s[1], s[0], 1});
      x += szButton.cx + 6;
    }
    for (BOOL bHot : {FALSE, TRUE}) {
      CRect rcClose = pBar->GetCloseButtonRect(bHot ? bar.m_rc.right : bar.m_rc.right - 30, 0,
                                               nHeight);
      rcClose.OffsetRect(0, bar.m_rc.top);
      pBar->DrawMessageBarButton(pDC, TK_MESSAGEBAR_BUTTON{rcClose, FALSE, bHot, SC_CLOSE});
    }
  }
  return canvas.Save(context.folder + "themes-parts-" + context.look + ".png");
}

}  // namespace

bool DrawThemesPage(const GalleryContext& context) {
  bool ok = true;
  if (context.look == "Silver") ok = DrawPrimitives(context);
  ok = DrawStatusBars(context) && ok;
  ok = DrawProgressSliders(context) && ok;
  ok = DrawThemeGalleries(context) && ok;
  ok = DrawThemeSubPaintManagers(context) && ok;
  return DrawParts(context) && ok;
}
