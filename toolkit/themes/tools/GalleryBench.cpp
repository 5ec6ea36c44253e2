// The themes_bench case of the galleries: a 100-item gallery drawn in each
// gallery look against filling the same item rectangles.
#include <stdio.h>

#include <functional>
#include <string>

#include "SupportThemePaintManager.h"
#include "ThemesBench.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "testsupport/DibSurface.h"
#include "themes/TKControlGalleryThemes.h"

void BenchGalleries(int nRounds) {
  const int nItems = 100;
  CTestThemePaintManager* pOwner = new CTestThemePaintManager;
  pOwner->RefreshMetrics();
  CTKCommandBar* pBar = new CTKCommandBar;
  pOwner->InternalAddRef();
  pBar->SetPaintManager(pOwner);
  CTKControlGalleryItems* pItems = new CTKControlGalleryItems;
  CTKControlAction* pAction = new CTKControlAction(nullptr);
  CTKControlGallery* pGallery = new CTKControlGallery;
  pAction->SetGalleryItems(pItems);
  pBar->GetControls()->AppendControl(pGallery);
  pGallery->SetAction(pAction);
  pItems->SetItemSize(CSize(48, 40));
  for (int i = 0; i < nItems; ++i) {
    CString strCaption;
    strCaption.Format("Item %d", i + 1);
    pItems->AddItem(1000 + i, strCaption);
  }
  pGallery->SetCommandBar(CTKPopupBar::CreatePopupBar(nullptr));
  pGallery->SetShowBorders(TRUE);
  // Ten items across and all ten rows in view: every item is drawn.
  const CRect rcGallery(0, 0, 10 * 48 + 2 + 16, 10 * 40 + 2);
  pGallery->SetRect(rcGallery);
  CDibSurface surface(rcGallery.Width(), rcGallery.Height());
  CDC* pDC = surface.GetDC();

  const char* names[] = {"Base", "Resource", "Office 2013", "Visual Studio 2015"};
  const std::function<CTKControlGalleryPaintManager*()> makers[] = {
      [pOwner] { return new CTKControlGalleryTheme(pOwner); },
      [pOwner] { return new CTKControlGalleryResourceTheme(pOwner); },
      [pOwner] { return new CTKControlGalleryOffice2013Theme(pOwner); },
      [pOwner] { return new CTKControlGalleryVisualStudio2015Theme(pOwner); }};
  printf("A %d-item gallery, %d x %d, per look:\n", nItems, rcGallery.Width(),
         rcGallery.Height());
  for (int i = 0; i < 4; ++i) {
    pOwner->SetGalleryPaintManager(makers[i]());
    pOwner->RefreshMetrics();
    pGallery->Draw(pDC);  // lays the items out once
    const double dFill = ThemesBenchTime(
        [&] {
          pDC->FillSolidRect(rcGallery, RGB(255, 255, 255));
          for (int n = 0; n < nItems; ++n)
            pDC->FillSolidRect(pGallery->GetItemRect(n), RGB(250, 250, 250));
        },
        nRounds);
    const double dDraw = ThemesBenchTime([&] { pGallery->Draw(pDC); }, nRounds);
    ThemesBenchPrint((std::string("  ") + names[i]).c_str(), dDraw, dFill,
                     "FillRect of its items");
  }
  pBar->InternalRelease();
  pAction->InternalRelease();
  pItems->InternalRelease();
  pOwner->InternalRelease();
}
