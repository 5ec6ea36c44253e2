// The Visual Studio 2005, 2008 and 2010 themes: colours by scheme and by
// Windows version, rounded frames and highlights, pop-up separators and bands,
// and the framed tool bars of 2010.
#include <gtest/gtest.h>

#include "SupportIndexedColors.h"
#include "SupportPlacedBar.h"
#include "SupportStyledSystem.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "themes/TKThemesSystem.h"
#include "commandbars/TKControls.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKStatusBarPaintManagerBase.h"
#include "themes/TKVisualStudioThemes.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

/// A system of the Windows version the test names.
class CVersionSystem : public CTKThemesSystem {
 public:
  explicit CVersionSystem(BOOL bVista) : m_bVista(bVista) {}
  BOOL IsWinVistaOrGreater() override { return m_bVista; }

 private:
  BOOL m_bVista;
};

class VisualStudioThemeTest : public ::testing::Test {
 protected:
  void SetUp() override { TKDpiHelper()->OverrideDpi(96, 96); }
  void TearDown() override {
    TKColorManager()->SetSystem(nullptr);
    RefreshToolkitColors(TRUE);
    TKSetThemesSystem(nullptr);
  }
  /// A refreshed theme of the id on a system with that visual style.
  template <class TTheme>
  TTheme* MakeOnSystem(int nTheme, LPCSTR lpszFile, LPCSTR lpszColor, ThemeHolder& holder) {
    m_pSystem.reset(new CStyledSystem(lpszFile, lpszColor, *lpszFile != 0));
    TKColorManager()->SetSystem(m_pSystem.get());
    holder.reset(CTKPaintManagerBase::CreateThemeById(nTheme));
    holder->RefreshMetrics();
    return dynamic_cast<TTheme*>(holder.get());
  }
  std::unique_ptr<CStyledSystem> m_pSystem;
};

COLORREF Light(const CTKPaintManagerColorGradient& grc) { return grc.m_clrLight; }
COLORREF Dark(const CTKPaintManagerColorGradient& grc) { return grc.m_clrDark; }

// Visual Studio 2005 ---------------------------------------------------------------------

TEST_F(VisualStudioThemeTest, TheFactoryGivesEachIdItsClass) {
  const struct {
    int nId;
    int nType;
  } cases[] = {{4, 4}, {7, 7}, {9, 9}};
  for (const auto& c : cases) {
    ThemeHolder holder(CTKPaintManagerBase::CreateThemeById(c.nId));
    EXPECT_EQ(holder->GetThemeType(), c.nType);
  }
  ThemeHolder vs2008(CTKPaintManagerBase::CreateThemeById(7));
  EXPECT_NE(dynamic_cast<CTKVisualStudio2005Theme*>(vs2008.get()), nullptr);
  ThemeHolder vs2010(CTKPaintManagerBase::CreateThemeById(9));
  EXPECT_EQ(dynamic_cast<CTKVisualStudio2005Theme*>(vs2010.get()), nullptr);
  EXPECT_NE(dynamic_cast<CTKStatusBarThemeVisualStudio2010*>(
                vs2010->GetStatusBarPaintManager()),
            nullptr);
}

TEST_F(VisualStudioThemeTest, Vs2005WithoutAKnownSchemeKeepsTheDerivedColours) {
  // Royale and Aero are schemes the gradient theme knows but this one does not.
  const struct {
    LPCSTR lpszFile;
    LPCSTR lpszColor;
  } cases[] = {{"", ""}, {TK_TEST_ROYALE, "NormalColor"}, {TK_TEST_AERO, "NormalColor"}};
  for (const auto& c : cases) {
    ThemeHolder holder;
    auto* pTheme = MakeOnSystem<CTKVisualStudio2005Theme>(4, c.lpszFile, c.lpszColor, holder);
    ASSERT_NE(pTheme, nullptr);
    const COLORREF clrFace = pTheme->GetIndexedColor(15);
    const COLORREF clrWindow = pTheme->GetIndexedColor(5);
    EXPECT_FALSE(pTheme->m_bSchemeColors) << c.lpszFile;
    EXPECT_EQ(Light(pTheme->m_grcDockBar), clrFace) << c.lpszFile;
    EXPECT_EQ(Dark(pTheme->m_grcToolBar), clrFace) << c.lpszFile;
    EXPECT_EQ(pTheme->GetIndexedColor(30), TKColorManager()->GetColor(30)) << c.lpszFile;
    EXPECT_EQ(Light(pTheme->m_grcExpandButton),
              CTKColorManager::MixColors(clrWindow, clrFace, 550))
        << c.lpszFile;
    EXPECT_EQ(Dark(pTheme->m_grcExpandButton), pTheme->GetIndexedColor(16)) << c.lpszFile;
    EXPECT_EQ(Light(pTheme->m_grcPopupBand), Light(pTheme->m_grcToolBar)) << c.lpszFile;
  }
}

TEST_F(VisualStudioThemeTest, Vs2005TakesTheTableOfTheColourManagersScheme) {
  const struct {
    LPCSTR lpszColor;
    COLORREF clrToolBarLight;
    COLORREF clrExpandDark;
    COLORREF clrDisabledLight;
    int nIndex;  // one indexed colour the scheme sets, or 15 (left alone)
    COLORREF clrIndexed;
    COLORREF clrExpandImageLight;
  } cases[] = {
      {"NormalColor", 0xF5F9FA, 0x7E9898, 0xF9F5F7, 15, 0, 0xF5F9FA},
      {"HomeStead", 0xF5F9FA, 0x9EACB0, 0xD8E9EC, 33, 0x70A093, 0xF5F9FA},
      {"Metallic", 0xFAF4F3, 0x927476, 0xF9F5F7, 61, 0x99797A, 0xF1E8E8},
  };
  for (const auto& c : cases) {
    ThemeHolder holder;
    auto* pTheme = MakeOnSystem<CTKVisualStudio2005Theme>(4, TK_TEST_LUNA, c.lpszColor, holder);
    EXPECT_EQ(Light(pTheme->m_grcToolBar), c.clrToolBarLight) << c.lpszColor;
    EXPECT_EQ(Dark(pTheme->m_grcExpandButton), c.clrExpandDark) << c.lpszColor;
    EXPECT_EQ(Light(pTheme->m_grcDisabledIcons), c.clrDisabledLight) << c.lpszColor;
    EXPECT_EQ(Light(pTheme->m_grcPopupExpandImage), c.clrExpandImageLight) << c.lpszColor;
    EXPECT_EQ(Light(pTheme->m_grcPopupBand), c.clrToolBarLight) << c.lpszColor;
    EXPECT_FLOAT_EQ(pTheme->m_grcPopupBand.m_fGradientFactor, 0.75f) << c.lpszColor;
    if (c.nIndex != 15) EXPECT_EQ(pTheme->GetIndexedColor(c.nIndex), c.clrIndexed) << c.lpszColor;
  }
}

// Visual Studio 2008 ---------------------------------------------------------------------

TEST_F(VisualStudioThemeTest, Vs2008PopupHighlightsByScheme) {
  const struct {
    LPCSTR lpszFile;
    LPCSTR lpszColor;
    COLORREF clrBorder;  // 0: indexed colour 13
    COLORREF clrBandLight;
  } cases[] = {
      {TK_TEST_LUNA, "NormalColor", 0xE2B598, 0xF1F1F1},
      {TK_TEST_ROYALE, "NormalColor", 0xE2B598, 0xF1F1F1},
      {TK_TEST_LUNA, "HomeStead", 0x70A093, 0xEFF6F7},
      {TK_TEST_LUNA, "Metallic", 0x6FC0FF, 0xF2E9E8},
      {TK_TEST_AERO, "NormalColor", 0xF9D996, 0xFCF7F4},
      {"", "", 0, 0},
  };
  for (const auto& c : cases) {
    ThemeHolder holder;
    auto* pTheme = MakeOnSystem<CTKVisualStudio2008Theme>(7, c.lpszFile, c.lpszColor, holder);
    const std::string name = std::string(c.lpszFile) + " " + c.lpszColor;
    if (c.clrBorder == 0) {
      EXPECT_EQ(COLORREF(pTheme->m_clrPopupHighlightBorder), pTheme->GetIndexedColor(13));
      EXPECT_EQ(COLORREF(pTheme->m_clrPopupHighlightText), pTheme->GetIndexedColor(14));
      EXPECT_EQ(Light(pTheme->m_grcPopupBand),
                CTKColorManager::MixColors(pTheme->GetIndexedColor(15),
                                           pTheme->GetIndexedColor(5), 40));
      continue;
    }
    EXPECT_EQ(COLORREF(pTheme->m_clrPopupHighlightBorder), c.clrBorder) << name;
    EXPECT_EQ(COLORREF(pTheme->m_clrPopupHighlightText), RGB(0, 0, 0)) << name;
    EXPECT_EQ(Light(pTheme->m_grcPopupBand), c.clrBandLight) << name;
  }
  // Aero also recolours the bars, the status bar and the scheme flag.
  ThemeHolder holder;
  auto* pAero = MakeOnSystem<CTKVisualStudio2008Theme>(7, TK_TEST_AERO, "NormalColor", holder);
  EXPECT_TRUE(pAero->m_bSchemeColors);
  EXPECT_EQ(pAero->GetIndexedColor(32), COLORREF(0xFF9929));
  EXPECT_EQ(pAero->GetIndexedColor(53), COLORREF(0xF0F0F0));
  auto* pStatusBar =
      dynamic_cast<CTKStatusBarPaintManagerBase*>(pAero->GetStatusBarPaintManager());
  ASSERT_NE(pStatusBar, nullptr);
  EXPECT_EQ(COLORREF(pStatusBar->m_clrBackground), COLORREF(0xB4A0A0));
}

TEST_F(VisualStudioThemeTest, Vs2008DrawsASelectedPopupRowWithARoundedFrame) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKVisualStudio2008Theme>(7, holder);
  const COLORREF kBorder = RGB(200, 0, 0);
  const COLORREF kFace = RGB(0, 0, 200);
  pTheme->m_clrPopupHighlightBorder.SetStandardValue(kBorder);
  pTheme->m_grcPopupHighlight.SetStandardSolid(kFace);
  pTheme->m_clrPopupHighlightText.SetStandardValue(RGB(1, 2, 3));
  CDibSurface surface(40, 20, kWhite);
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 40, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                        tkBarTypePopup, tkBarPopup);
  EXPECT_EQ(surface.GetPixel(0, 0), kWhite) << "the corner stays";
  EXPECT_EQ(surface.GetPixel(20, 0), kBorder);
  EXPECT_EQ(surface.GetPixel(20, 10), kFace);
  EXPECT_EQ(pTheme->GetRectangleTextColor(TRUE, FALSE, TRUE, FALSE, FALSE, tkBarTypePopup,
                                          tkBarPopup),
            RGB(1, 2, 3));
  // Pressed, the row is Office 2003's (Office XP's flat face) and its text.
  EXPECT_NE(pTheme->GetRectangleTextColor(TRUE, TRUE, TRUE, FALSE, FALSE, tkBarTypePopup,
                                          tkBarPopup),
            RGB(1, 2, 3));
}

TEST_F(VisualStudioThemeTest, Vs2008FramesTheHotMenuBarItemWithBlendedCorners) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKVisualStudio2008Theme>(7, holder);
  pTheme->m_bSchemeColors = FALSE;
  CDibSurface surface(30, 20, RGB(0, 0, 0));
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                        tkBarTypeMenuBar, tkBarTop);
  EXPECT_EQ(surface.GetPixel(0, 0), RGB(0, 0, 0)) << "the outer corner stays";
  EXPECT_EQ(surface.GetPixel(1, 0), SlotColor(5));
  EXPECT_EQ(surface.GetPixel(0, 10), SlotColor(5));
  EXPECT_EQ(surface.GetPixel(1, 1), BlendColors(SlotColor(32), SlotColor(5), 0.5));
  EXPECT_EQ(surface.GetPixel(15, 1), SlotColor(32));
  EXPECT_EQ(surface.GetPixel(15, 10), SlotColor(31)) << "flat without scheme colours";

  // With its pop-up open the face takes the open pop-up gradient.
  pTheme->m_grcPopupOpen.SetStandardSolid(RGB(9, 99, 199));
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), TRUE, FALSE, TRUE, FALSE, TRUE,
                        tkBarTypeMenuBar, tkBarTop);
  EXPECT_EQ(surface.GetPixel(15, 10), RGB(9, 99, 199));
}

// Pop-up separators, bands and borders -------------------------------------------------------

class VisualStudioPopupTest : public VisualStudioThemeTest {
 protected:
  void SetUp() override {
    VisualStudioThemeTest::SetUp();
    ASSERT_TRUE(m_host.CreateHost(200, 200));
    ASSERT_TRUE(m_bar.CreateIn(m_host, 120, 100));
    m_bar.Place(tkBarPopup, tkBarTypePopup);
    m_pControl = m_bar.GetControls()->AddNew(tkControlButton, 100);
    m_pControl->SetRect(CRect(4, 40, 110, 60));
  }
  void TearDown() override {
    m_bar.DestroyWindow();
    VisualStudioThemeTest::TearDown();
  }
  CTestHostWindow m_host;
  CPlacedBar m_bar;
  CTKControl* m_pControl = nullptr;
};

TEST_F(VisualStudioPopupTest, SeparatorsAreTwoLinesIn2008AndOneIn2010) {
  ThemeHolder vs2008Holder, vs2010Holder;
  auto* pVs2008 = MakeSlottedTheme<CTKVisualStudio2008Theme>(7, vs2008Holder);
  auto* pVs2010 = MakeSlottedTheme<CTKVisualStudio2010Theme>(9, vs2010Holder);
  pVs2010->m_clrPopupSeparator.SetStandardValue(RGB(1, 100, 200));
  const struct {
    CTKPaintManagerBase* pTheme;
    COLORREF clrFirst;
    COLORREF clrSecond;  // white: none
  } cases[] = {{pVs2008, SlotColor(39), SlotColor(20)}, {pVs2010, RGB(1, 100, 200), kWhite}};
  for (const auto& c : cases) {
    CDibSurface surface(120, 100, kWhite);
    const CSize sz = c.pTheme->DrawCommandBarSeparator(surface.GetDC(), &m_bar, m_pControl, TRUE);
    EXPECT_EQ(sz, CSize(0, 0));
    const int xStart = 4 + c.pTheme->m_nPopupTextGap + c.pTheme->GetPopupBarGripperWidth(&m_bar) - 1;
    EXPECT_EQ(surface.GetPixel(xStart, 38), c.clrFirst);
    EXPECT_EQ(surface.GetPixel(110, 38), c.clrFirst) << "one pixel past the control";
    EXPECT_EQ(surface.GetPixel(xStart - 1, 38), kWhite);
    EXPECT_EQ(surface.GetPixel(60, 39), c.clrSecond);
  }
  // Started in a new column, the lines stand left of the control.
  m_pControl->SetWrap(TRUE);
  m_pControl->SetRowRect(CRect(4, 10, 110, 90));
  CDibSurface surface(120, 100, kWhite);
  pVs2008->DrawCommandBarSeparator(surface.GetDC(), &m_bar, m_pControl, TRUE);
  EXPECT_EQ(surface.GetPixel(2, 9), SlotColor(39));
  EXPECT_EQ(surface.GetPixel(3, 90), SlotColor(20));
}

TEST_F(VisualStudioPopupTest, PopupBordersBandsAndExcludedRects) {
  ThemeHolder vs2008Holder, vs2010Holder;
  auto* pVs2008 = MakeSlottedTheme<CTKVisualStudio2008Theme>(7, vs2008Holder);
  auto* pVs2010 = MakeSlottedTheme<CTKVisualStudio2010Theme>(9, vs2010Holder);
  EXPECT_EQ(pVs2008->GetCommandBarBorders(&m_bar), CRect(4, 3, 4, 3));
  EXPECT_EQ(pVs2010->GetCommandBarBorders(&m_bar), CRect(3, 3, 3, 3));

  pVs2008->m_grcPopupBand.SetStandardSolid(RGB(10, 20, 30));
  CDibSurface surface(40, 20, kWhite);
  pVs2008->FillPopupBarBand(surface.GetDC(), 0, 0, 24, 20, FALSE);
  EXPECT_EQ(surface.GetPixel(10, 10), RGB(10, 20, 30));
  EXPECT_EQ(surface.GetPixel(23, 10), SlotColor(39));
  EXPECT_EQ(surface.GetPixel(24, 10), SlotColor(20));
  EXPECT_EQ(surface.GetPixel(25, 10), kWhite);

  // The rectangle a pop-up leaves free around its opener: wider on pop-ups,
  // untouched on tool bars in 2008, narrowed there in 2010 (Office XP's).
  CRect rc(10, 10, 30, 30);
  pVs2008->AdjustExcludeRect(rc, m_pControl, FALSE);
  EXPECT_EQ(rc, CRect(9, 10, 31, 30));
  m_bar.Place(tkBarTop, tkBarTypeNormal);
  rc.SetRect(10, 10, 30, 30);
  pVs2008->AdjustExcludeRect(rc, m_pControl, FALSE);
  EXPECT_EQ(rc, CRect(10, 10, 30, 30));
  pVs2010->AdjustExcludeRect(rc, m_pControl, FALSE);
  EXPECT_EQ(rc, CRect(10, 11, 30, 29));
}

// Visual Studio 2010 ---------------------------------------------------------------------

TEST(VisualStudioRoundedFrame, CornersAreBlendedPixelByPixel) {
  TKDpiHelper()->OverrideDpi(96, 96);
  const COLORREF kFrame = RGB(0, 0, 0);
  CDibSurface surface(20, 12, kWhite);
  TKDrawRoundedFrame(surface.GetDC(), 0, 0, 20, 12, kFrame);
  auto blended = [&](int nAlpha) { return BlendColors(kFrame, kWhite, nAlpha / 255.0); };
  const struct {
    int x, y;
    COLORREF clr;
  } cases[] = {
      {0, 0, kWhite},         {1, 1, kFrame},         {1, 0, blended(60)},  {0, 1, blended(60)},
      {2, 0, blended(120)},   {0, 2, blended(120)},   {3, 0, kFrame},       {0, 3, kFrame},
      {16, 0, kFrame},        {17, 0, blended(120)},  {19, 0, kWhite},      {18, 1, kFrame},
      {19, 11, kWhite},       {18, 10, kFrame},       {19, 9, blended(120)}, {0, 8, kFrame},
      {0, 9, blended(120)},   {10, 11, kFrame},       {10, 5, kWhite},
  };
  for (const auto& c : cases)
    EXPECT_EQ(surface.GetPixel(c.x, c.y), c.clr) << c.x << ", " << c.y;
}

TEST_F(VisualStudioThemeTest, Vs2010BeforeVistaUsesTheMutedColoursAndFlatHotFaces) {
  const struct {
    BOOL bVista;
    COLORREF clrDock;
    COLORREF clrToolBar;
    COLORREF clrIndexed39;
    COLORREF clrSeparator;
  } cases[] = {{TRUE, 0xC1AA9C, 0xD8C7BC, 0xA29185, 0xCBC3BE},
               {FALSE, 0xCEBAAD, 0xDEC7BD, 0xA59284, 0xCEC3BD}};
  for (const auto& c : cases) {
    CVersionSystem system(c.bVista);
    TKSetThemesSystem(&system);
    ThemeHolder holder;
    auto* pTheme = MakeOnSystem<CTKVisualStudio2010Theme>(9, "", "", holder);
    EXPECT_EQ(pTheme->m_bSchemeColors, c.bVista);
    EXPECT_EQ(Dark(pTheme->m_grcDockBar), c.clrDock);
    EXPECT_EQ(Dark(pTheme->m_grcToolBar), c.clrToolBar);
    EXPECT_EQ(pTheme->GetIndexedColor(39), c.clrIndexed39);
    EXPECT_EQ(COLORREF(pTheme->m_clrPopupSeparator), c.clrSeparator);
    EXPECT_EQ(pTheme->GetIndexedColor(61), COLORREF(0x7F5C48));

    // A hot pop-up row: the hot gradient on Vista, indexed colour 31 before.
    pTheme->m_grcHot.SetStandardSolid(RGB(0, 200, 0));
    CDibSurface surface(40, 20, kWhite);
    pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 40, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypePopup, tkBarPopup);
    EXPECT_EQ(surface.GetPixel(20, 10),
              c.bVista ? RGB(0, 200, 0) : pTheme->GetIndexedColor(31));
    EXPECT_EQ(surface.GetPixel(20, 0), pTheme->GetIndexedColor(32));
    EXPECT_EQ(surface.GetPixel(0, 0), kWhite);
    TKSetThemesSystem(nullptr);
  }
}

TEST_F(VisualStudioThemeTest, Vs2010HotMenuBarItemKeepsItsCornersOutOfTheFill) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKVisualStudio2010Theme>(9, holder);
  pTheme->m_bSchemeColors = FALSE;
  CDibSurface surface(30, 20, kWhite);
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                        tkBarTypeMenuBar, tkBarTop);
  EXPECT_EQ(surface.GetPixel(15, 0), SlotColor(32));
  EXPECT_EQ(surface.GetPixel(15, 10), SlotColor(31));
  EXPECT_EQ(surface.GetPixel(1, 1), SlotColor(32)) << "the frame's corner, not the fill";
  EXPECT_EQ(surface.GetPixel(0, 0), kWhite);
}

TEST_F(VisualStudioThemeTest, Vs2010DrawsDockedToolBarsAsFramedBlocks) {
  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(300, 100));
  CPlacedBar bar;
  ASSERT_TRUE(bar.CreateIn(host, 100, 30));
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKVisualStudio2010Theme>(9, holder);
  pTheme->m_bSchemeColors = TRUE;
  pTheme->m_grcDockBar.SetStandardSolid(RGB(0, 0, 255));
  pTheme->m_grcToolBar.SetStandardSolid(RGB(0, 255, 0));
  pTheme->m_clrToolBarShadow.SetStandardValue(RGB(255, 0, 0));

  bar.Place(tkBarTop, tkBarTypeNormal);
  CDibSurface surface(100, 30, kWhite);
  pTheme->FillCommandBarEntry(surface.GetDC(), &bar);
  EXPECT_EQ(surface.GetPixel(0, 15), RGB(0, 0, 255)) << "the dock left of the body";
  EXPECT_EQ(surface.GetPixel(2, 1), RGB(0, 0, 255)) << "the body's corner cut";
  EXPECT_EQ(surface.GetPixel(2, 15), RGB(255, 0, 0)) << "the frame";
  EXPECT_EQ(surface.GetPixel(50, 1), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(50, 15), RGB(0, 255, 0)) << "the body";

  // Left-docked: one pixel in and two down.
  bar.Place(tkBarLeft, tkBarTypeNormal);
  pTheme->FillCommandBarEntry(surface.GetDC(), &bar);
  EXPECT_EQ(surface.GetPixel(1, 15), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(50, 2), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(50, 1), RGB(0, 0, 255));

  // A docked menu bar: its own gradient, or the dock's dark colour before Vista.
  bar.Place(tkBarTop, tkBarTypeMenuBar);
  pTheme->FillCommandBarEntry(surface.GetDC(), &bar);
  EXPECT_EQ(surface.GetPixel(50, 0), RGB(0xC8, 0xD1, 0xE0));
  pTheme->m_bSchemeColors = FALSE;
  pTheme->FillCommandBarEntry(surface.GetDC(), &bar);
  EXPECT_EQ(surface.GetPixel(50, 0), RGB(0, 0, 255));
  bar.DestroyWindow();
}

}  // namespace
