// The Office 2000 and Visual Studio 6 themes: faces, texts and images by
// state, grippers and separators.
#include <gtest/gtest.h>

#include <memory>

#include "SupportOffice2000Palette.h"
#include "SupportPlacedBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "testsupport/DibSurface.h"
#include "themes/TKCommandBarsOffice2000Theme.h"
#include "themes/TKVisualStudio6Theme.h"

namespace {

struct ThemeDeleter {
  void operator()(CTKPaintManagerBase* p) const { p->InternalRelease(); }
};
using ThemePtr = std::unique_ptr<CTKPaintManagerBase, ThemeDeleter>;

/// A theme from the factory with the colours above in its slots.
template <class TTheme>
TTheme* MakeTheme(int nTheme, ThemePtr& holder) {
  holder.reset(CTKPaintManagerBase::CreateThemeById(nTheme));
  TTheme* pTheme = dynamic_cast<TTheme*>(holder.get());
  SetOffice2000TestPalette(pTheme);
  return pTheme;
}

// What a face looks like on a white surface.
enum Face { kNothing, kRaised, kSunken, kSunkenOnDither, kHighlightFill };

struct FaceCase {
  const char* pszName;
  int nSelected;
  int nPressed;
  BOOL bEnabled;
  BOOL bChecked;
  BOOL bPopuped;
  int nBarType;
  int nBarPosition;
  BOOL bPopupCheckFrames;
  Face face;
};

class Office2000FaceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(Office2000FaceTest, TheStateChoosesTheFace) {
  const FaceCase& c = GetParam();
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  pTheme->m_bPopupCheckFrames = c.bPopupCheckFrames;
  CDibSurface surface(24, 24, kWhite);
  pTheme->DrawRectangle(surface.GetDC(), CRect(2, 2, 22, 22), c.nSelected, c.nPressed,
                        c.bEnabled, c.bChecked, c.bPopuped, c.nBarType, c.nBarPosition);
  const COLORREF clrTopLeft = surface.GetPixel(2, 2);
  const COLORREF clrBottomRight = surface.GetPixel(21, 21);
  const COLORREF clrInside = surface.GetPixel(10, 10);
  const COLORREF clrNext = surface.GetPixel(11, 10);
  EXPECT_EQ(surface.GetPixel(1, 1), kWhite) << c.pszName;
  switch (c.face) {
    case kNothing:
      EXPECT_EQ(surface.CountPixels(kWhite), 24 * 24) << c.pszName;
      break;
    case kRaised:
      EXPECT_EQ(clrTopLeft, kLightEdge) << c.pszName;
      EXPECT_EQ(clrBottomRight, kShadow) << c.pszName;
      EXPECT_EQ(clrInside, kWhite) << c.pszName;
      break;
    case kSunken:
    case kSunkenOnDither:
      EXPECT_EQ(clrTopLeft, kShadow) << c.pszName;
      EXPECT_EQ(clrBottomRight, kLightEdge) << c.pszName;
      if (c.face == kSunken) {
        EXPECT_EQ(clrInside, kWhite) << c.pszName;
      } else {
        // Alternating pixels of face and highlight edge.
        EXPECT_TRUE((clrInside == kFace && clrNext == kLightEdge) ||
                    (clrInside == kLightEdge && clrNext == kFace))
            << c.pszName;
      }
      break;
    case kHighlightFill:
      EXPECT_EQ(clrTopLeft, kHighlight) << c.pszName;
      EXPECT_EQ(clrInside, kHighlight) << c.pszName;
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, Office2000FaceTest,
    ::testing::Values(
        FaceCase{"idle", 0, 0, TRUE, FALSE, FALSE, 1, 0, FALSE, kNothing},
        FaceCase{"hot", 1, 0, TRUE, FALSE, FALSE, 1, 0, FALSE, kRaised},
        FaceCase{"hot and pressed", 1, 1, TRUE, FALSE, FALSE, 1, 0, FALSE, kSunken},
        FaceCase{"pressed, mouse away", 0, 1, TRUE, FALSE, FALSE, 1, 0, FALSE, kRaised},
        FaceCase{"pressed by keyboard", 0, 2, TRUE, FALSE, FALSE, 1, 0, FALSE, kSunken},
        FaceCase{"pop-up open", 0, 0, TRUE, FALSE, TRUE, 1, 0, FALSE, kSunken},
        FaceCase{"checked", 0, 0, TRUE, TRUE, FALSE, 1, 0, FALSE, kSunkenOnDither},
        FaceCase{"checked and hot", 1, 0, TRUE, TRUE, FALSE, 1, 0, FALSE, kSunken},
        FaceCase{"disabled", 1, 0, FALSE, FALSE, FALSE, 1, 0, FALSE, kNothing},
        FaceCase{"disabled, checked", 0, 0, FALSE, TRUE, FALSE, 1, 0, FALSE, kSunken},
        FaceCase{"disabled, keyboard selection", 2, 0, FALSE, FALSE, FALSE, 1, 0, FALSE, kSunken},
        FaceCase{"menu row selected", 1, 0, TRUE, FALSE, FALSE, 2, 5, FALSE, kHighlightFill},
        FaceCase{"menu row idle", 0, 0, TRUE, FALSE, FALSE, 2, 5, FALSE, kNothing},
        FaceCase{"menu row checked", 0, 0, TRUE, TRUE, FALSE, 2, 5, FALSE, kSunkenOnDither},
        FaceCase{"menu row checked, framed", 1, 0, TRUE, TRUE, FALSE, 2, 5, TRUE,
                 kSunkenOnDither},
        FaceCase{"tool bar icon on a menu, framed", 1, 0, TRUE, FALSE, FALSE, 1, 5, TRUE,
                 kRaised}));

struct TextCase {
  BOOL bSelected;
  BOOL bEnabled;
  BOOL bChecked;
  int nBarType;
  int nBarPosition;
  COLORREF clrExpected;
};

TEST(Office2000TextTest, MenuRowsTakeHighlightTextUnlessChecked) {
  const TextCase cases[] = {
      {TRUE, TRUE, FALSE, 2, 5, kHighlightText}, {TRUE, TRUE, TRUE, 2, 5, kMenuText},
      {FALSE, TRUE, FALSE, 2, 5, kMenuText},     {TRUE, FALSE, FALSE, 2, 5, kGrayText},
      {TRUE, TRUE, FALSE, 1, 0, kButtonText},    {FALSE, TRUE, TRUE, 1, 5, kMenuText},
      {FALSE, FALSE, FALSE, 1, 0, kGrayText},
  };
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  for (const TextCase& c : cases) {
    EXPECT_EQ(pTheme->GetRectangleTextColor(c.bSelected, FALSE, c.bEnabled, c.bChecked, FALSE,
                                            c.nBarType, c.nBarPosition),
              c.clrExpected)
        << c.bSelected << c.bEnabled << c.bChecked << " type " << c.nBarType;
  }
}

/// A 16 x 16 picture without alpha: a black square in a white margin of 4.
CTKImageManagerIcon* MakeSquareIcon(CTKImageManager& images) {
  CDibSurface strip(16, 16, kWhite);
  strip.GetDC()->FillSolidRect(4, 4, 8, 8, RGB(0, 0, 0));
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(strip.GetDC(), 16, 16);
  {
    CDC dc;
    dc.CreateCompatibleDC(strip.GetDC());
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.BitBlt(0, 0, 16, 16, strip.GetDC(), 0, 0, SRCCOPY);
    dc.SelectObject(pOld);
  }
  const UINT nId = 100;
  images.SetIconsFromBitmap(static_cast<HBITMAP>(bitmap.GetSafeHandle()), &nId, 1, 16, 16);
  return images.GetImage(nId, 16);
}

TEST(Office2000ImageTest, ADisabledIconWithoutAlphaIsEmbossed) {
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  pTheme->GetIconsInfo()->bUseDisabledIcons = FALSE;
  CTKImageManager images;
  CTKImageManagerIcon* pIcon = MakeSquareIcon(images);
  ASSERT_NE(pIcon, nullptr);
  ASSERT_FALSE(pIcon->IsAlpha());
  CDibSurface surface(24, 24, kWhite);
  pTheme->DrawImage(surface.GetDC(), CPoint(2, 2), CSize(16, 16), pIcon, FALSE, FALSE, FALSE, 0,
                    FALSE, TRUE);
  EXPECT_EQ(surface.GetPixel(6, 6), kShadow);
  EXPECT_EQ(surface.GetPixel(13, 13), kShadow);
  EXPECT_EQ(surface.GetPixel(14, 14), kLightEdge) << "the highlight copy, one pixel lower right";
  EXPECT_EQ(surface.GetPixel(14, 7), kLightEdge);
  EXPECT_EQ(surface.GetPixel(5, 5), kWhite);
}

class BarTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost()); }
  void TearDown() override {
    for (CPlacedBar* pBar : m_bars) {
      pBar->DestroyWindow();
      pBar->InternalRelease();
    }
  }
  CPlacedBar* MakeBar(int nPosition, int nType, int cx, int cy) {
    CPlacedBar* pBar = new CPlacedBar;
    m_bars.push_back(pBar);
    pBar->Place(nPosition, nType);
    EXPECT_TRUE(pBar->CreateIn(m_host, cx, cy));
    return pBar;
  }
  CTestHostWindow m_host;
  std::vector<CPlacedBar*> m_bars;
};

TEST_F(BarTest, DockedGrippersAreSixWideAndTenUnderVisualStudio6) {
  ThemePtr office2000, visualStudio6;
  CTKCommandBarsOffice2000Theme* pOffice = MakeTheme<CTKCommandBarsOffice2000Theme>(10, office2000);
  CTKVisualStudio6Theme* pStudio = MakeTheme<CTKVisualStudio6Theme>(8, visualStudio6);
  CPlacedBar* pTop = MakeBar(tkBarTop, tkBarTypeNormal, 100, 26);
  CPlacedBar* pLeft = MakeBar(tkBarLeft, tkBarTypeNormal, 26, 100);
  CDibSurface surface(100, 26, kWhite);
  EXPECT_EQ(pOffice->DrawFloatingBarCaption(surface.GetDC(), pTop, FALSE), CSize(6, 0));
  EXPECT_EQ(pStudio->DrawFloatingBarCaption(surface.GetDC(), pTop, FALSE), CSize(10, 0));
  EXPECT_EQ(pOffice->DrawFloatingBarCaption(surface.GetDC(), pLeft, FALSE), CSize(0, 8));
  EXPECT_EQ(pStudio->DrawFloatingBarCaption(surface.GetDC(), pLeft, FALSE), CSize(0, 10));
  EXPECT_EQ(surface.CountPixels(kWhite), 100 * 26) << "measuring draws nothing";

  pStudio->DrawFloatingBarCaption(surface.GetDC(), pTop, TRUE);
  // Two raised lines three pixels wide: light at x 3 and 7, shadow at x 5 and 9.
  const COLORREF arrExpected[] = {kWhite, kLightEdge, kWhite, kShadow, kWhite,
                                  kLightEdge, kWhite, kShadow, kWhite, kWhite};
  for (int x = 2; x < 12; ++x)
    EXPECT_EQ(surface.GetPixel(x, 12), arrExpected[x - 2]) << "x " << x;
  EXPECT_EQ(surface.GetPixel(3, 21), kLightEdge);
  EXPECT_EQ(surface.GetPixel(4, 22), kShadow);
  EXPECT_EQ(surface.GetPixel(3, 23), kWhite);
}

TEST_F(BarTest, SeparatorsRunAcrossANewRowAndBeforeAControlWithinOne) {
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  CPlacedBar* pBar = MakeBar(tkBarTop, tkBarTypeNormal, 100, 60);
  CTKControl* pControl = new CTKControl;
  pControl->SetRect(CRect(40, 30, 62, 52));
  pControl->SetRowRect(CRect(4, 30, 96, 52));
  EXPECT_EQ(pTheme->DrawCommandBarSeparator(nullptr, pBar, pControl, FALSE), CSize(6, 6));

  CDibSurface within(100, 60, kWhite);
  pTheme->DrawCommandBarSeparator(within.GetDC(), pBar, pControl, TRUE);
  // A vertical groove from 4 to 2 pixels left of the control, over the row.
  EXPECT_EQ(within.GetPixel(36, 40), kShadow);
  EXPECT_EQ(within.GetPixel(37, 40), kLightEdge);
  EXPECT_EQ(within.GetPixel(38, 40), kWhite);
  EXPECT_EQ(within.GetPixel(35, 40), kWhite);
  EXPECT_EQ(within.CountPixels(CRect(36, 30, 38, 52), kWhite), 0);
  EXPECT_EQ(within.CountPixels(CRect(0, 0, 100, 30), kWhite), 100 * 30);

  pControl->SetWrap(TRUE);
  CDibSurface across(100, 60, kWhite);
  pTheme->DrawCommandBarSeparator(across.GetDC(), pBar, pControl, TRUE);
  // Across the new row's top, from 4 in at the left to the row's right.
  EXPECT_EQ(across.GetPixel(50, 26), kShadow);
  EXPECT_EQ(across.GetPixel(50, 27), kLightEdge);
  EXPECT_EQ(across.GetPixel(8, 26), kShadow);
  EXPECT_EQ(across.GetPixel(7, 26), kWhite);
  EXPECT_EQ(across.GetPixel(50, 28), kWhite);
  EXPECT_EQ(across.GetPixel(37, 40), kWhite);
  pControl->InternalRelease();
}

TEST_F(BarTest, PopupsGetThickerBordersAndNarrowerExcludeRects) {
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  CPlacedBar* pPopup = MakeBar(tkBarPopup, tkBarTypePopup, 60, 60);
  CPlacedBar* pToolBar = MakeBar(tkBarTop, tkBarTypeNormal, 60, 26);
  EXPECT_EQ(pTheme->GetCommandBarBorders(pPopup), CRect(3, 3, 3, 3));
  EXPECT_EQ(pTheme->GetCommandBarBorders(pToolBar), CRect(2, 2, 2, 2));

  CTKControl* pControl = new CTKControl;
  const CRect rcControl(10, 10, 30, 30);
  struct ExcludeCase {
    CTKCommandBar* pBar;
    int nType;
    BOOL bVertical;
    CRect rcExpected;
  } cases[] = {
      {pPopup, tkControlButton, FALSE, CRect(11, 10, 29, 30)},
      {pToolBar, tkControlButton, FALSE, CRect(9, 10, 31, 30)},
      {pToolBar, tkControlButton, TRUE, CRect(10, 9, 30, 31)},
      {pToolBar, tkControlComboBox, FALSE, rcControl},
      {nullptr, tkControlButton, FALSE, rcControl},
  };
  for (const ExcludeCase& c : cases) {
    pControl->SetParent(c.pBar);
    pControl->SetType(c.nType);
    CRect rc = rcControl;
    pTheme->AdjustExcludeRect(rc, pControl, c.bVertical);
    EXPECT_EQ(rc, c.rcExpected) << "type " << c.nType << " vertical " << c.bVertical;
  }
  pControl->SetParent(nullptr);
  pControl->InternalRelease();
}

TEST_F(BarTest, FloatingBarsAndPopupsAreFramedTwice) {
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  const COLORREF kDarkShadow = RGB(5, 5, 5);
  const int arrIndexes[] = {21};
  const COLORREF arrColors[] = {kDarkShadow};
  pTheme->SetIndexedColors(1, arrIndexes, arrColors);
  CPlacedBar* pFloating = MakeBar(tkBarFloating, tkBarTypeNormal, 40, 30);
  CDibSurface surface(40, 30, kWhite);
  pTheme->FillCommandBarEntry(surface.GetDC(), pFloating);
  // Outside: face at top left, dark shadow at bottom right; inside it raised.
  EXPECT_EQ(surface.GetPixel(0, 0), kFace);
  EXPECT_EQ(surface.GetPixel(39, 29), kDarkShadow);
  EXPECT_EQ(surface.GetPixel(1, 1), kLightEdge);
  EXPECT_EQ(surface.GetPixel(38, 28), kShadow);
  EXPECT_EQ(surface.GetPixel(20, 15), kFace);

  CPlacedBar* pDocked = MakeBar(tkBarTop, tkBarTypeNormal, 40, 30);
  CDibSurface docked(40, 30, kWhite);
  pTheme->FillCommandBarEntry(docked.GetDC(), pDocked);
  EXPECT_EQ(docked.GetPixel(0, 0), kLightEdge);
  EXPECT_EQ(docked.GetPixel(39, 29), kShadow);
  pTheme->m_bFlatToolBar = TRUE;
  pTheme->FillCommandBarEntry(docked.GetDC(), pDocked);
  EXPECT_EQ(docked.CountPixels(kFace), 40 * 30);
}

TEST(Office2000GripperTest, TearOffGripperIsEightHighAndFilledByState) {
  ThemePtr holder;
  CTKCommandBarsOffice2000Theme* pTheme = MakeTheme<CTKCommandBarsOffice2000Theme>(10, holder);
  const COLORREF kActive = RGB(0, 0, 120);
  const COLORREF kInactive = RGB(120, 120, 120);
  const int arrIndexes[] = {2, 3};
  const COLORREF arrColors[] = {kActive, kInactive};
  pTheme->SetIndexedColors(2, arrIndexes, arrColors);
  for (BOOL bSelected : {TRUE, FALSE}) {
    CDibSurface surface(30, 10, kWhite);
    EXPECT_EQ(pTheme->DrawTearOffGripper(surface.GetDC(), CRect(0, 0, 30, 8), bSelected, TRUE),
              CSize(0, 8));
    EXPECT_EQ(surface.CountPixels(CRect(0, 0, 30, 7), bSelected ? kActive : kInactive), 30 * 7);
    EXPECT_EQ(surface.GetPixel(5, 7), kWhite);
  }
}

}  // namespace
