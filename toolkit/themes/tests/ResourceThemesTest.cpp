// The image themes: the resource theme's colours from the theme text and its
// look before a text is loaded, and the ribbon command-bar theme's faces,
// split-button slices, texts and fallbacks. Test images are stacks of flat
// coloured slices, so a pixel names the image and slice drawn there.
#include <gtest/gtest.h>

#include "SupportPlacedBar.h"
#include "SupportThemeImages.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKFramePaintManagerBase.h"
#include "themes/TKRibbonTheme.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kNone = static_cast<COLORREF>(-1);

class ResourceThemesTest : public ::testing::Test {
 protected:
  void SetUp() override { TKDpiHelper()->OverrideDpi(96, 96); }
  CTestThemeImages m_images;
};

// The resource theme ------------------------------------------------------------------------

TEST_F(ResourceThemesTest, BeforeATextIsLoadedTheResourceThemePaintsNoWorkspace) {
  m_images.AddImage("WORKSPACETOPLEFT", 1);
  CTKResourceTheme theme;
  theme.RefreshMetrics();
  EXPECT_EQ(5, theme.GetThemeType());
  EXPECT_FALSE(theme.IsIniLoaded());
  CDibSurface surface(60, 60);
  theme.FillWorkspace(surface.GetDC(), CRect(0, 0, 60, 60), CRect(0, 0, 0, 0));
  EXPECT_EQ(60 * 60, surface.CountPixels(kWhite));

  m_images.SetIni("[Workspace]\nWorkspaceClientTop = 10 20 30");
  theme.RefreshMetrics();
  theme.FillWorkspace(surface.GetDC(), CRect(0, 0, 60, 60), CRect(0, 0, 0, 0));
  EXPECT_EQ("WORKSPACETOPLEFT/0", m_images.NameAt(surface, 5, 5));
}

TEST_F(ResourceThemesTest, ColoursOfTheTextAreTakenAsTheyStand) {
  struct Case {
    const char* name;
    const char* ini;
    COLORREF menuBarText;
  };
  const Case cases[] = {
      {"a colour", "[Toolbar]\nMenuBarText = 10 20 30", RGB(10, 20, 30)},
      {"black is black, not indexed colour 0", "[Toolbar]\nMenuBarText = 0 0 0", RGB(0, 0, 0)},
      {"a missing key is no colour", "[Toolbar]\nToolbarFace = 1 2 3", kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTestThemeImages images;
    images.SetIni(c.ini);
    CTKResourceTheme theme;
    theme.RefreshMetrics();
    // A plain menu-bar item takes the text's colour; a hot one indexed 45.
    EXPECT_EQ(c.menuBarText,
              theme.GetRectangleTextColor(FALSE, FALSE, TRUE, FALSE, FALSE, tkBarTypeMenuBar, tkBarTop));
    EXPECT_EQ(theme.GetIndexedColor(45),
              theme.GetRectangleTextColor(TRUE, FALSE, TRUE, FALSE, FALSE, tkBarTypeMenuBar, tkBarTop));
  }
}

TEST_F(ResourceThemesTest, AMissingBorderKeyDrawsNoBorder) {
  m_images.SetIni("[Toolbar]\nToolbarFace = 1 2 3");
  CTKResourceTheme theme;
  theme.RefreshMetrics();
  EXPECT_EQ(kNone, theme.GetIndexedColor(43)) << "MenuPopupBorder is missing";
  CDibSurface surface(20, 20);
  theme.FillRectIndexed(surface.GetDC(), CRect(0, 0, 20, 20), 43, 30);
  EXPECT_EQ(RGB(1, 2, 3), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(1, 2, 3), surface.GetPixel(10, 10));
}

// The ribbon command-bar theme ------------------------------------------------------------

TEST_F(ResourceThemesTest, WithoutImagesRibbonThemeFacesAreLeftOutButFloatingBarsKeepTheirFace) {
  m_images.AddImage("TOOLBARBUTTONS22", 4);
  m_images.AddImage("MENUSELECTEDITEM22", 1);
  CTKRibbonTheme theme;
  theme.RefreshMetrics();
  EXPECT_EQ(6, theme.GetThemeType());
  CDibSurface surface(40, 24);
  theme.DrawRectangle(surface.GetDC(), CRect(0, 0, 40, 22), TRUE, FALSE, TRUE, FALSE, FALSE,
                      tkBarTypeNormal, tkBarTop);
  theme.DrawRectangle(surface.GetDC(), CRect(0, 0, 40, 22), TRUE, FALSE, TRUE, TRUE, FALSE,
                      tkBarTypePopup, tkBarPopup);
  EXPECT_EQ(40 * 24, surface.CountPixels(kWhite));

  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(100, 40));
  struct Case {
    int nPosition;
    bool bPainted;
  };
  const Case cases[] = {{tkBarFloating, true}, {tkBarTop, false}, {tkBarPopup, false}};
  for (const Case& c : cases) {
    CPlacedBar bar;
    ASSERT_TRUE(bar.CreateIn(host, 100, 40));
    bar.Place(c.nPosition, c.nPosition == tkBarPopup ? tkBarTypePopup : tkBarTypeNormal);
    CDibSurface bars(100, 40);
    theme.FillCommandBarEntry(bars.GetDC(), &bar);
    EXPECT_EQ(c.bPainted, bars.CountPixels(kWhite) < 100 * 40) << c.nPosition;
    bar.DestroyWindow();
  }
}

TEST_F(ResourceThemesTest, RibbonThemeFacesTakeTheTallImagesFrom33Pixels) {
  m_images.SetIni("[Ribbon]\nMenuPopupText = 9 8 7");
  for (const char* pszName : {"TOOLBARBUTTONS22", "TOOLBARBUTTONS50"}) m_images.AddImage(pszName, 4);
  for (const char* pszName : {"MENUSELECTEDITEM22", "MENUSELECTEDITEM54"}) m_images.AddImage(pszName, 1);
  CTKRibbonTheme theme;
  theme.RefreshMetrics();
  struct Case {
    int cy;
    int nBarType, nPosition;
    const char* expected;
  };
  const Case cases[] = {
      {32, tkBarTypeNormal, tkBarTop, "TOOLBARBUTTONS22/0"},
      {33, tkBarTypeNormal, tkBarTop, "TOOLBARBUTTONS50/0"},
      {32, tkBarTypePopup, tkBarPopup, "MENUSELECTEDITEM22/0"},
      {33, tkBarTypePopup, tkBarPopup, "MENUSELECTEDITEM54/0"},
  };
  for (const Case& c : cases) {
    CDibSurface surface(60, 40);
    theme.DrawRectangle(surface.GetDC(), CRect(0, 0, 60, c.cy), TRUE, FALSE, TRUE, FALSE, FALSE,
                        c.nBarType, c.nPosition);
    EXPECT_EQ(c.expected, m_images.NameAt(surface, 30, c.cy / 2)) << c.cy;
  }
  // The hot look of a menu item is its image alone: the text keeps its colour.
  EXPECT_EQ(RGB(9, 8, 7), theme.GetRectangleTextColor(TRUE, FALSE, TRUE, FALSE, FALSE,
                                                      tkBarTypePopup, tkBarPopup));
  EXPECT_EQ(RGB(9, 8, 7), theme.GetRectangleTextColor(FALSE, FALSE, TRUE, FALSE, FALSE,
                                                      tkBarTypePopup, tkBarPopup));
}

TEST_F(ResourceThemesTest, NoGroupSpacingChangesSplitSlicesAndRoundsTheFrame) {
  struct Case {
    const char* ini;
    BOOL bNoSpacing;
    int nOpenCommandSlice;
    int nPressedDropDownSlice;
  };
  const Case cases[] = {
      {"[Ribbon]\nGroupSpacing = 0", TRUE, 1, 4},
      {"[Ribbon]\nGroupSpacing = 2", FALSE, 5, 0},
      {"[Ribbon]\nRibbonFace = 1 2 3", FALSE, 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    CTestThemeImages images;
    images.SetIni(c.ini);
    CTKRibbonTheme theme;
    theme.RefreshMetrics();
    EXPECT_EQ(c.bNoSpacing, theme.m_bNoGroupSpacing);
    const BOOL F = theme.m_bNoGroupSpacing;
    // Selected, pop-up open / selected and pressed; unchecked, enabled.
    EXPECT_EQ(c.nOpenCommandSlice, CTKRibbonTheme::GetSplitCommandSlice(1, 0, TRUE, 0, 1, F));
    EXPECT_EQ(c.nPressedDropDownSlice, CTKRibbonTheme::GetSplitDropDownSlice(5, 1, FALSE, 0, 1, F));
    auto* pFrame = static_cast<CTKFramePaintManagerBase*>(theme.GetFramePaintManager());
    EXPECT_EQ(c.bNoSpacing, pFrame->m_bRoundedBottom);
    EXPECT_EQ(!c.bNoSpacing, pFrame->m_bStatusBarPanes);
  }
}

TEST_F(ResourceThemesTest, EachLookLoadsAsTheRibbonThemeAndDrawsFromItsOwnImages) {
  struct Case {
    const char* ini;
    const char* folder;
  };
  const Case cases[] = {{"Office2010Silver.INI", "Office2010Silver_"},
                        {"Office2010Blue.INI", "Office2010Blue_"},
                        {"Office2010Black.INI", "Office2010Black_"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    CTKRibbonTheme theme;
    theme.SetImageHandle(::GetModuleHandleA(NULL), c.ini);
    ASSERT_TRUE(theme.IsIniLoaded());
    EXPECT_EQ(6, theme.GetThemeType());
    EXPECT_EQ(0, TKResourceImages()->GetImageResourceName("TOOLBARBUTTONS22").Find(c.folder));
    CDibSurface surface(60, 30);
    theme.DrawRectangle(surface.GetDC(), CRect(0, 0, 60, 22), TRUE, FALSE, TRUE, FALSE, FALSE,
                        tkBarTypeNormal, tkBarTop);
    EXPECT_NE(kWhite, surface.GetPixel(30, 11));
  }
  TKResourceImages()->SetHandle(NULL);
}

}  // namespace
