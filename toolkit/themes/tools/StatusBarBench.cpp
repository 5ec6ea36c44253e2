// The themes_bench cases of the status bar and the anti-aliased disc.
#include <stdio.h>

#include <string>

#include "SupportStatusBarThemes.h"
#include "ThemesBench.h"
#include "testsupport/DibSurface.h"

void BenchStatusBars(int nRounds) {
  const int nWidth = 900, nPanes = 10;
  CSampleStatusBar sample;
  if (!sample.Create(nWidth, nPanes)) {
    printf("status bar: no window\n");
    return;
  }
  CTKStatusBar& bar = sample.Bar();
  CRect rcClient;
  bar.GetClientRect(&rcClient);
  CDibSurface surface(rcClient.Width(), rcClient.Height());
  CDC* pDC = surface.GetDC();

  printf("A %d-pane status bar, %d x %d, per variant:\n", nPanes, rcClient.Width(),
         rcClient.Height());
  for (int i = 0; i < kStatusBarVariantCount; ++i) {
    sample.SetTheme(CreateStatusBarTheme(kStatusBarVariants[i]));
    // The baseline fills what the bar fills: its background and each pane.
    const double dFill = ThemesBenchTime(
        [&] {
          pDC->FillSolidRect(rcClient, RGB(240, 240, 240));
          for (int n = 0; n < bar.GetPaneCount(); ++n)
            pDC->FillSolidRect(bar.GetPane(n)->GetRect(), RGB(250, 250, 250));
        },
        nRounds);
    const double dPaint = ThemesBenchTime([&] { bar.DrawBar(pDC); }, nRounds);
    const double dLayout = ThemesBenchTime([&] { bar.UpdateAllPanes(); }, nRounds);
    const std::string name = std::string("  ") + kStatusBarVariants[i].pszName;
    ThemesBenchPrint((name + " paint").c_str(), dPaint, dFill, "FillRect of its areas");
    ThemesBenchPrint((name + " layout").c_str(), dLayout, dFill, "FillRect of its areas");
  }
}

void BenchAntialiasedDisc(int nRounds) {
  CTestThemePaintManager pm;
  CDibSurface surface(64, 64);
  CDC* pDC = surface.GetDC();
  printf("A disc, anti-aliased against GDI's Ellipse:\n");
  for (int nSize : {9, 25, 49}) {
    const double dEllipse =
        ThemesBenchTime([&] { pDC->Ellipse(2, 2, 2 + nSize, 2 + nSize); }, nRounds);
    const double dDisc = ThemesBenchTime(
        [&] {
          pm.FillCircleAntialiased(pDC, 2, 2, 2 + nSize, 2 + nSize, RGB(0, 60, 140),
                                   RGB(120, 180, 255));
        },
        nRounds);
    const std::string name = "  " + std::to_string(nSize) + " x " + std::to_string(nSize);
    ThemesBenchPrint(name.c_str(), dDisc, dEllipse, "Ellipse");
  }
}
