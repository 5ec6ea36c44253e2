// The command bars draw on glass through their paint-manager interface: the
// theme's own glass drawing is what they reach.
#include <gtest/gtest.h>

#include "SupportThemePaintManager.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlue = RGB(0, 0, 255);

BYTE AlphaAt(CDibSurface& surface, int x, int y) {
  DIBSECTION dib = {};
  ::GetObject(surface.GetBitmap()->GetSafeHandle(), sizeof(dib), &dib);
  ::GdiFlush();
  const BYTE* pRow = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes;
  return pRow[x * 4 + 3];
}

TEST(GlassThroughTheInterface, TheThemeMakesTheRectangleOpaque) {
  CDibSurface surface(8, 8, kWhite);
  CTestThemePaintManager theme;
  CTKPaintManager* pInterface = &theme;
  surface.GetDC()->FillSolidRect(0, 0, 8, 8, kBlue);
  ASSERT_EQ(AlphaAt(surface, 1, 1), 0);
  pInterface->MakeRectOpaque(surface.GetDC(), CRect(0, 0, 4, 4));
  EXPECT_EQ(AlphaAt(surface, 1, 1), 255);
  EXPECT_EQ(AlphaAt(surface, 3, 3), 255);
  EXPECT_EQ(AlphaAt(surface, 5, 5), 0) << "outside the rectangle";
  EXPECT_EQ(surface.GetPixel(1, 1), kBlue);
}

TEST(GlassThroughTheInterface, OffGlassTheTextIsDrawnAsDrawTextDrawsIt) {
  CTestThemePaintManager theme;
  CTKPaintManager* pInterface = &theme;
  CDibSurface viaTheme(60, 20, kWhite);
  CDibSurface viaGdi(60, 20, kWhite);
  pInterface->DrawTextComposited(viaTheme.GetDC(), "R&D", CRect(0, 0, 60, 20),
                                 DT_SINGLELINE | DT_NOPREFIX, FALSE);
  CRect rc(0, 0, 60, 20);
  viaGdi.GetDC()->DrawText("R&D", rc, DT_SINGLELINE | DT_NOPREFIX);
  const int nWhite = viaTheme.CountPixels(kWhite);
  EXPECT_LT(nWhite, 60 * 20);
  EXPECT_EQ(nWhite, viaGdi.CountPixels(kWhite));
}

}  // namespace
