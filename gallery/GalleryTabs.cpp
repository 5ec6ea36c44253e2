// Tab strips: every appearance with its own, the default and the Office 2003
// colour set; every colour set on a few appearances, active and inactive; the
// four positions; and each layout mode with arrows, close buttons and icons.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "SupportTabStrip.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

struct Look {
  int nId;
  const char* label;
};

const Look kAppearances[] = {{0, "Office 2000 (0)"},     {1, "selected only (1)"},
                             {2, "property-page flat (2)"}, {3, "Office 2003 (3)"},
                             {4, "state buttons (4)"},   {5, "Visual Studio 2003 (5)"},
                             {6, "flat (6)"},            {7, "Excel 2003 (7)"},
                             {8, "Visio (8)"},
                             {9, "Visual Studio 2005 (9)"}, {10, "Office 2007 (10)"},
                             {11, "Access 2007 (11)"},   {12, "Visual Studio 2010 (12)"},
                             {13, "Visual Studio 2012 (13)"}, {14, "Office 2013 (14)"},
                             {15, "Visual Studio 2015 (15)"}};

const char* const kCaptions[] = {"Steps", "Variables", "Output log", "Settings", "Help"};

/// Five tabs, the second selected, the fourth hot and the fifth disabled.
void FillStrip(CTestTabStrip& strip, int nTabs = 5) {
  for (int i = 0; i < nTabs; ++i) strip.Add(kCaptions[i % 5]);
  strip.SetCurSel(1);
  if (nTabs > 3) strip.SetHot(strip.GetItem(3));
  if (nTabs > 4) strip.GetItem(4)->SetEnabled(FALSE);
}

void PaintAt(CGalleryCanvas& canvas, CTestTabStrip& strip, int x, int y) {
  CDC* pDC = canvas.GetDC();
  const CPoint ptOld = pDC->SetViewportOrg(x, y);
  strip.Paint(pDC);
  pDC->SetViewportOrg(ptOld);
}

bool DrawAppearances(const GalleryContext& context) {
  const int kWidth = 300, kHeight = 70, kLeft = 170;
  const int nRows = sizeof(kAppearances) / sizeof(kAppearances[0]);
  CGalleryCanvas canvas(kLeft + 3 * (kWidth + 10), 50 + nRows * (kHeight + 10));
  canvas.Label(10, 10, "Tab strips of the " + context.look +
                           " look: each appearance with its own, the default and the "
                           "Office 2003 colour set", RGB(0, 0, 0));
  const char* kColumns[] = {"its own colour set", "default (1)", "Office 2003 (4)"};
  for (int c = 0; c < 3; ++c) canvas.Label(kLeft + c * (kWidth + 10), 28, kColumns[c]);
  int y = 45;
  for (const Look& look : kAppearances) {
    canvas.Label(10, y + 20, look.label, RGB(0, 0, 0));
    for (int c = 0; c < 3; ++c) {
      CTestTabStrip strip(NULL, CRect(0, 0, kWidth, kHeight));
      strip.GetPaintManager()->SetAppearance(look.nId);
      if (c == 1) strip.GetPaintManager()->SetColor(1);
      if (c == 2) strip.GetPaintManager()->SetColor(4);
      strip.GetPaintManager()->m_bHotTracking = TRUE;
      FillStrip(strip);
      PaintAt(canvas, strip, kLeft + c * (kWidth + 10), y);
    }
    y += kHeight + 10;
  }
  return canvas.Save(context.folder + "tabs-appearances-" + context.look + ".png");
}

bool DrawPositions(const GalleryContext& context) {
  const int kIds[] = {0, 2, 3, 6, 7, 9, 10, 12};
  const int kSize = 170, kLeft = 170;
  const char* kPositions[] = {"top", "left", "bottom", "right"};
  const int nRows = sizeof(kIds) / sizeof(kIds[0]);
  CGalleryCanvas canvas(kLeft + 4 * (kSize + 10), 50 + nRows * (kSize + 10));
  canvas.Label(10, 10, "Tab strips of the " + context.look + " look in the four positions",
               RGB(0, 0, 0));
  for (int p = 0; p < 4; ++p) canvas.Label(kLeft + p * (kSize + 10), 28, kPositions[p]);
  int y = 45;
  for (int nId : kIds) {
    for (const Look& look : kAppearances)
      if (look.nId == nId) canvas.Label(10, y + 20, look.label, RGB(0, 0, 0));
    for (int p = 0; p < 4; ++p) {
      CTestTabStrip strip(NULL, CRect(0, 0, kSize, kSize));
      strip.GetPaintManager()->SetAppearance(nId);
      strip.GetPaintManager()->SetPosition(p);
      FillStrip(strip, 3);
      PaintAt(canvas, strip, kLeft + p * (kSize + 10), y);
    }
    y += kSize + 10;
  }
  return canvas.Save(context.folder + "tabs-positions-" + context.look + ".png");
}

bool DrawColorSets(const GalleryContext& context) {
  const Look kSets[] = {{1, "default (1)"},           {2, "Visual Studio 2003 (2)"},
                        {4, "Office 2003 (4)"},       {8, "native (8)"},
                        {16, "Visual Studio 2005 (16)"}, {32, "Office 2007 (32)"},
                        {64, "Visual Studio 2008 (64)"}, {128, "Access 2007 (128)"},
                        {256, "Visual Studio 2010 (256)"}, {512, "Visual Studio 2012 (512)"},
                        {1024, "VS 2012 dark (1024)"}, {2048, "Office 2013 (2048)"},
                        {4096, "Visual Studio 2015 (4096)"}};
  const struct {
    int nAppearance;
    BOOL bActive;
    const char* label;
  } kColumns[] = {{0, TRUE, "Office 2000 (0)"},
                  {6, TRUE, "flat (6)"},
                  {13, FALSE, "Visual Studio 2012 (13), strip inactive"},
                  {4, TRUE, "state buttons (4)"}};
  const int kWidth = 300, kHeight = 70, kLeft = 200;
  const int nRows = sizeof(kSets) / sizeof(kSets[0]);
  CGalleryCanvas canvas(kLeft + 4 * (kWidth + 10), 50 + nRows * (kHeight + 10));
  canvas.Label(10, 10, "Tab colour sets in the " + context.look +
                           " look: each set on four appearances, with close buttons",
               RGB(0, 0, 0));
  for (int c = 0; c < 4; ++c) canvas.Label(kLeft + c * (kWidth + 10), 28, kColumns[c].label);
  int y = 45;
  for (const Look& set : kSets) {
    canvas.Label(10, y + 20, set.label, RGB(0, 0, 0));
    for (int c = 0; c < 4; ++c) {
      CTestTabStrip strip(NULL, CRect(0, 0, kWidth, kHeight));
      CTKTabPaintManager* pPaint = strip.GetPaintManager();
      pPaint->SetAppearance(kColumns[c].nAppearance);
      pPaint->SetColor(set.nId);
      pPaint->m_bHotTracking = TRUE;
      strip.SetTabCloseMode(tkTabButtonAlways);
      strip.SetActive(kColumns[c].bActive);
      FillStrip(strip);
      PaintAt(canvas, strip, kLeft + c * (kWidth + 10), y);
    }
    y += kHeight + 10;
  }
  return canvas.Save(context.folder + "tabs-colorsets-" + context.look + ".png");
}

struct Mode {
  int nLayout;
  int nPosition;
  const char* label;
};

bool DrawLayouts(const GalleryContext& context) {
  const Mode kModes[] = {{tkTabLayoutAuto, 0, "one row, scrolled, with arrows and close"},
                         {tkTabLayoutShrink, 0, "shrink to fit"},
                         {tkTabLayoutFixed, 0, "fixed width"},
                         {tkTabLayoutCompressed, 0, "compressed"},
                         {tkTabLayoutMultiRow, 0, "multi-row, justified"},
                         {tkTabLayoutRotated, 0, "rotated (top)"},
                         {tkTabLayoutAuto, 1, "one row on the left"},
                         {tkTabLayoutRotated, 1, "rotated (left)"}};
  const int kWidth = 360, kHeight = 150, kLeft = 250;
  const int nRows = sizeof(kModes) / sizeof(kModes[0]);
  const int kIds[] = {0, 6};
  CGalleryCanvas canvas(kLeft + 2 * (kWidth + 10), 50 + nRows * (kHeight + 10));
  canvas.Label(10, 10, "Tab layouts of the " + context.look +
                           " look: eight tabs with icons and close buttons",
               RGB(0, 0, 0));
  canvas.Label(kLeft, 28, "Office 2000 (0)");
  canvas.Label(kLeft + kWidth + 10, 28, "flat (6)");
  int y = 45;
  for (const Mode& mode : kModes) {
    canvas.Label(10, y + 20, mode.label, RGB(0, 0, 0));
    for (int c = 0; c < 2; ++c) {
      CTestTabStrip strip(NULL, CRect(0, 0, kWidth, kHeight));
      CTKTabPaintManager* pPaint = strip.GetPaintManager();
      pPaint->SetAppearance(kIds[c]);
      pPaint->SetPosition(mode.nPosition);
      pPaint->SetLayout(mode.nLayout);
      strip.m_bIcons = TRUE;
      strip.SetTabCloseMode(tkTabButtonAuto);
      strip.GetNavigateButtons()[tkTabButtonClose]->SetTooltip("Close");
      for (int i = 0; i < 8; ++i) strip.Add(kCaptions[i % 5]);
      strip.SetCurSel(6);
      if (mode.nLayout == tkTabLayoutAuto && mode.nPosition == 0) strip.ScrollTabs(TRUE);
      PaintAt(canvas, strip, kLeft + c * (kWidth + 10), y);
    }
    y += kHeight + 10;
  }
  return canvas.Save(context.folder + "tabs-layouts-" + context.look + ".png");
}

}  // namespace

bool DrawTabsPage(const GalleryContext& context) {
  bool ok = DrawAppearances(context);
  ok = DrawColorSets(context) && ok;
  ok = DrawPositions(context) && ok;
  return DrawLayouts(context) && ok;
}
