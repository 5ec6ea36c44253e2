// The Office 2003 theme: the colour scheme's table, gradient and flat
// highlights, the dock bars' gradient and the pop-up's expand image.
#include <gtest/gtest.h>

#include "SupportIndexedColors.h"
#include "SupportPlacedBar.h"
#include "SupportStyledSystem.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKDialogBar.h"
#include "commandbars/TKDockBar.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKCommandBarsOffice2003Theme.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class Office2003SchemeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    TKColorManager()->SetSystem(nullptr);
    RefreshToolkitColors(TRUE);
  }
  /// A refreshed Office 2003 theme on a system with that visual style.
  CTKCommandBarsOffice2003Theme* MakeOnSystem(CStyledSystem& system) {
    TKColorManager()->SetSystem(&system);
    m_holder.reset(CTKPaintManagerBase::CreateThemeById(2));
    auto* pTheme = dynamic_cast<CTKCommandBarsOffice2003Theme*>(m_holder.get());
    pTheme->RefreshMetrics();
    return pTheme;
  }
  ThemeHolder m_holder;
};

TEST_F(Office2003SchemeTest, EachSchemePicksItsTable) {
  struct Case {
    LPCSTR lpszFile;
    LPCSTR lpszColor;
    COLORREF clrBarFace;    // indexed 30
    COLORREF clrHotBorder;  // indexed 32
  } cases[] = {
      {"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", "NormalColor",
       RGB(196, 219, 249), RGB(0, 0, 128)},
      {"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", "HomeStead", RGB(209, 222, 173),
       RGB(63, 93, 56)},
      {"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", "Metallic", RGB(219, 218, 228),
       RGB(75, 75, 111)},
      {"C:\\Windows\\Resources\\Themes\\Royale\\Royale.msstyles", "NormalColor",
       RGB(196, 219, 249), RGB(0, 0, 128)},
      {"C:\\Windows\\Resources\\Themes\\Aero\\Aero.msstyles", "NormalColor", RGB(196, 219, 249),
       RGB(0, 0, 128)},
  };
  for (const Case& c : cases) {
    CStyledSystem system(c.lpszFile, c.lpszColor, TRUE);
    CTKCommandBarsOffice2003Theme* pTheme = MakeOnSystem(system);
    EXPECT_TRUE(pTheme->m_bSchemeColors) << c.lpszFile << " " << c.lpszColor;
    EXPECT_EQ(pTheme->GetIndexedColor(30), c.clrBarFace) << c.lpszFile << " " << c.lpszColor;
    EXPECT_EQ(pTheme->GetIndexedColor(32), c.clrHotBorder) << c.lpszColor;
    EXPECT_EQ(pTheme->GetIndexedColor(37), c.clrHotBorder) << c.lpszColor;
    EXPECT_EQ(pTheme->GetIndexedColor(60), RGB(141, 141, 141));
    EXPECT_EQ(pTheme->GetIndexedColor(61), COLORREF(pTheme->m_clrFloatingCaptionBack));
  }
}

TEST_F(Office2003SchemeTest, WithoutAStyleTheColoursAreDerivedAndHighlightsFlat) {
  CStyledSystem system("", "", FALSE);
  CTKCommandBarsOffice2003Theme* pTheme = MakeOnSystem(system);
  EXPECT_FALSE(pTheme->m_bSchemeColors);
  const COLORREF clrFace = pTheme->GetIndexedColor(15);
  const COLORREF clrWindow = pTheme->GetIndexedColor(5);
  EXPECT_EQ(COLORREF(pTheme->m_grcDockBar.m_clrLight), clrFace);
  EXPECT_EQ(COLORREF(pTheme->m_grcDockBar.m_clrDark),
            CTKColorManager::MixColors(clrFace, clrWindow, 205));

  // A hot tool-bar button: one flat colour, Office XP's.
  CDibSurface surface(24, 24, kWhite);
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 24, 24), TRUE, FALSE, TRUE, FALSE, FALSE,
                        tkBarTypeNormal, tkBarTop);
  EXPECT_EQ(surface.GetPixel(12, 2), pTheme->GetIndexedColor(31));
  EXPECT_EQ(surface.GetPixel(12, 21), pTheme->GetIndexedColor(31));
}

struct HighlightCase {
  const char* pszName;
  int nBarType;
  int nBarPosition;
  BOOL bGradient;
};

class Office2003HighlightTest : public ::testing::TestWithParam<HighlightCase> {};

TEST_P(Office2003HighlightTest, SchemeColoursGiveGradientsOnBarsOnly) {
  const HighlightCase& c = GetParam();
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOffice2003Theme>(2, holder);
  pTheme->m_bSchemeColors = TRUE;
  pTheme->m_grcHot.SetStandardValue(RGB(0, 0, 200), RGB(200, 0, 0));
  CDibSurface surface(30, 30, kWhite);
  pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 30), TRUE, FALSE, TRUE, FALSE, FALSE,
                        c.nBarType, c.nBarPosition);
  const BOOL bSide = c.nBarPosition == tkBarLeft || c.nBarPosition == tkBarRight;
  const COLORREF clrStart = surface.GetPixel(2, 2);
  const COLORREF clrEnd = bSide ? surface.GetPixel(27, 2) : surface.GetPixel(2, 27);
  if (c.bGradient) {
    EXPECT_GT(GetBValue(clrStart), 150) << c.pszName;
    EXPECT_GT(GetRValue(clrEnd), 150) << c.pszName;
    EXPECT_EQ(surface.GetPixel(0, 15), SlotColor(32)) << c.pszName;
  } else {
    EXPECT_EQ(clrStart, SlotColor(31)) << c.pszName;
    EXPECT_EQ(clrEnd, SlotColor(31)) << c.pszName;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bars, Office2003HighlightTest,
    ::testing::Values(HighlightCase{"top tool bar", tkBarTypeNormal, tkBarTop, TRUE},
                      HighlightCase{"left tool bar", tkBarTypeNormal, tkBarLeft, TRUE},
                      HighlightCase{"floating bar", tkBarTypeNormal, tkBarFloating, TRUE},
                      HighlightCase{"menu bar", tkBarTypeMenuBar, tkBarTop, TRUE},
                      HighlightCase{"pop-up", tkBarTypePopup, tkBarPopup, FALSE},
                      HighlightCase{"pop-up type on a tool bar", tkBarTypePopup, tkBarTop,
                                    FALSE}));

// Dock bars --------------------------------------------------------------------------------

class Office2003DockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    ASSERT_TRUE(m_host.CreateHost(600, 300));
    m_pTheme = MakeSlottedTheme<CTKCommandBarsOffice2003Theme>(2, m_holder);
    m_pTheme->m_grcDockBar.SetStandardValue(RGB(0, 0, 0), RGB(255, 255, 255), 0.5f);
  }
  /// A dock bar of the host, `cx` wide, of the given alignment style.
  BOOL MakeDockBar(CTKDockBar& dockBar, DWORD dwAlign, int cx) {
    if (!dockBar.Create(&m_host, WS_CHILD | dwAlign, 0xE81B)) return FALSE;
    dockBar.MoveWindow(0, 0, cx, 40);
    return TRUE;
  }

  CTestHostWindow m_host;
  ThemeHolder m_holder;
  CTKCommandBarsOffice2003Theme* m_pTheme = nullptr;
};

TEST_F(Office2003DockTest, TheGradientSpansAtLeastHalfTheScreen) {
  const int cxHalf = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
  const int cx = 100;
  ASSERT_LT(cx * 2, cxHalf);
  CTKDockBar dockBar;
  ASSERT_TRUE(MakeDockBar(dockBar, CBRS_ALIGN_TOP, cx));
  CDibSurface surface(cx, 40, RGB(0, 0, 255));
  m_pTheme->FillDockBar(surface.GetDC(), &dockBar);
  EXPECT_LT(GetRValue(surface.GetPixel(0, 20)), 16);
  // At its right edge a narrow dock bar shows only the light end: well
  // short of the middle colour reached at a quarter of the screen.
  const int nRight = GetRValue(surface.GetPixel(cx - 1, 20));
  EXPECT_LT(nRight, 128);
  EXPECT_EQ(GetBValue(surface.GetPixel(cx - 1, 20)), nRight) << "the whole bar is painted";
  dockBar.DestroyWindow();
}

TEST_F(Office2003DockTest, TheRightDockBarIsOneColour) {
  CTKDockBar dockBar;
  ASSERT_TRUE(MakeDockBar(dockBar, CBRS_ALIGN_RIGHT, 40));
  CDibSurface surface(40, 40, RGB(0, 0, 255));
  m_pTheme->FillDockBar(surface.GetDC(), &dockBar);
  EXPECT_EQ(surface.CountPixels(RGB(255, 255, 255)), 40 * 40);
  dockBar.DestroyWindow();
}

/// A dialog bar whose active state the test sets.
class CActiveDialogBar : public CTKDialogBar {
 public:
  void SetActive(BOOL bActive) { m_bActive = bActive; }
};

TEST_F(Office2003DockTest, ADialogBarsCaptionTakesTheActiveColourWhileTheBarIsActive) {
  m_pTheme->m_bSchemeColors = FALSE;
  CActiveDialogBar bar;
  ASSERT_TRUE(bar.CreateEx(0, AfxRegisterWndClass(0), "pane", WS_CHILD, 0, 0, 120, 60,
                           m_host.GetSafeHwnd(), NULL));
  const COLORREF clrActive = m_pTheme->GetIndexedColor(36);
  for (BOOL bActive : {FALSE, TRUE}) {
    bar.SetActive(bActive);
    CDibSurface surface(120, 60, RGB(0, 0, 255));
    m_pTheme->DrawCommandBarGripper(surface.GetDC(), &bar, TRUE);
    // Right of the gripper dots, inside the caption band.
    EXPECT_EQ(bActive, surface.GetPixel(40, 10) == clrActive) << bActive;
    EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(40, 50)) << "below the band";
  }
  bar.DestroyWindow();
}

// The pop-up's expand image ------------------------------------------------------------------

/// The image's pixels, row by row from the top.
std::vector<COLORREF> ReadImage(HBITMAP hBitmap) {
  std::vector<COLORREF> pixels;
  if (hBitmap == NULL) return pixels;
  CDibSurface surface(16, 16, kWhite);
  CDC memDC;
  memDC.CreateCompatibleDC(surface.GetDC());
  HGDIOBJ hOld = ::SelectObject(memDC.GetSafeHdc(), hBitmap);
  surface.GetDC()->BitBlt(0, 0, 16, 16, &memDC, 0, 0, SRCCOPY);
  ::SelectObject(memDC.GetSafeHdc(), hOld);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) pixels.push_back(surface.GetPixel(x, y));
  return pixels;
}

TEST(Office2003Theme, TheExpandImageIsAShadedDiscRebuiltAtEveryRefresh) {
  ThemeHolder holder;
  auto* pTheme = MakeSlottedTheme<CTKCommandBarsOffice2003Theme>(2, holder);
  pTheme->RefreshMetrics();
  const COLORREF kLight = RGB(250, 240, 230);
  const COLORREF kDark = RGB(10, 20, 30);
  pTheme->m_grcPopupExpandImage.m_clrLight.SetCustomValue(kLight);
  pTheme->m_grcPopupExpandImage.m_clrDark.SetCustomValue(kDark);
  const std::vector<COLORREF> before = ReadImage(pTheme->GetPopupExpandImage());
  ASSERT_EQ(before.size(), 256u);
  EXPECT_NE(before[12 * 16 + 13], kDark);

  pTheme->RefreshMetrics();
  const std::vector<COLORREF> after = ReadImage(pTheme->GetPopupExpandImage());
  ASSERT_EQ(after.size(), 256u);
  EXPECT_EQ(after[0], RGB(0, 255, 0)) << "corners are clear";
  EXPECT_EQ(after[12 * 16 + 13], kDark) << "shade 0";
  // Shade 252 at x 11, y 0: dark - (dark - light) * 252 / 255 per channel.
  auto channel = [](int nLight, int nDark) { return nDark - (nDark - nLight) * 252 / 255; };
  EXPECT_EQ(after[11], RGB(channel(250, 10), channel(240, 20), channel(230, 30)));
}

}  // namespace
