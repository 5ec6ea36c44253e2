// The Office, Visual Studio and native colour sets: colours from the theme
// text or fixed palettes, the scheme colours, inactive strips, close buttons
// that show only when their tab is hot, and drawing through a recording
// stand-in for the visual styles.
#include <gtest/gtest.h>

#include <vector>

#include "SupportTabStrip.h"
#include "common/TKColorManager.h"
#include "common/TKResourceImages.h"
#include "common/TKWinThemeWrapper.h"
#include "tabs/TKTabColorSetOffice.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabColorSetWinNative.h"
#include "tabs/TKTabManagerNavigateButton.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kSentinel = RGB(1, 2, 3);

class TabColorSetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPaint = m_strip.GetPaintManager();
    m_pPaint->m_bShowIcons = FALSE;
    m_strip.SetTabCloseMode(tkTabButtonAlways);
    for (const char* caption : {"One", "Two", "Three"}) m_strip.Add(caption);
    m_strip.SetCurSel(0);
  }
  void TearDown() override {
    TKResourceImages()->SetHandle(NULL);
    TKColorManager()->SetThemeSetting(6);
    TKColorManager()->RefreshColors();
  }
  /// The theme text of the program's resources, or none for null.
  static void LoadTheme(LPCSTR lpszIni) {
    TKResourceImages()->SetHandle(lpszIni != NULL ? ::GetModuleHandleA(NULL) : NULL, lpszIni);
    ASSERT_EQ(lpszIni != NULL, !!TKResourceImages()->IsLoaded());
  }
  CTKTabPaintManagerColorSet* Colors() { return m_pPaint->GetColorSet(); }
  CTKTabManagerItem* Item(int i) { return m_strip.GetItem(i); }
  COLORREF TextColorOf(CTKTabManagerItem* pItem) {
    CDibSurface surface(2, 2);
    Colors()->SetTextColor(surface.GetDC(), pItem);
    return surface.GetDC()->GetTextColor();
  }
  /// Every tab has a close button.
  CTKTabManagerNavigateButton* CloseButtonOf(CTKTabManagerItem* pItem) {
    return pItem->GetNavigateButtons()[0];
  }
  CTestTabStrip m_strip{NULL, CRect(0, 0, 300, 80)};
  CTKTabPaintManager* m_pPaint = nullptr;
};

// Office sets ------------------------------------------------------------------------------

TEST_F(TabColorSetsTest, WithoutAThemeTextOffice2007CaptionsAreBlueOnAGradientHeader) {
  LoadTheme(NULL);
  m_pPaint->SetColor(32);
  m_strip.SetHot(Item(2));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(0x8B4215u, TextColorOf(Item(i))) << i;
  CDibSurface surface(10, 40);
  Colors()->FillHeader(surface.GetDC(), CRect(0, 0, 10, 40), &m_strip);
  EXPECT_EQ(0xFADAC4u, surface.GetPixel(5, 0));
  const COLORREF clrBottom = surface.GetPixel(5, 39);
  EXPECT_NEAR(0xFE, GetRValue(clrBottom), 6);
  EXPECT_NEAR(0xFD, GetGValue(clrBottom), 6);
  EXPECT_NEAR(0xFC, GetBValue(clrBottom), 6);
}

TEST_F(TabColorSetsTest, Office2007TakesTheTabManagerShadesOfTheThemeText) {
  LoadTheme("Office2010Blue.ini");
  m_pPaint->SetColor(32);
  auto* pSet = dynamic_cast<CTKTabColorSetOffice2007*>(Colors());
  ASSERT_NE(nullptr, pSet);
  EXPECT_EQ(RGB(59, 97, 156), static_cast<COLORREF>(pSet->m_clrFrameBorder));
  EXPECT_EQ(RGB(59, 97, 156), static_cast<COLORREF>(pSet->m_clrSlantedSelectedBorder));
  EXPECT_EQ(RGB(0, 53, 154), static_cast<COLORREF>(pSet->m_clrClassicDarkShadow));
  EXPECT_EQ(RGB(117, 166, 241), static_cast<COLORREF>(pSet->m_clrClassicShadow));
  EXPECT_EQ(RGB(30, 57, 91), static_cast<COLORREF>(pSet->m_clrText));
  EXPECT_EQ(RGB(21, 66, 139), static_cast<COLORREF>(pSet->m_clrTextSelected));
  EXPECT_TRUE(pSet->m_bLunaColors);
}

struct NavigateCase {
  const char* pszIni;
  BOOL bImage;  // the theme text's resources hold "TOOLBARBUTTONS22"
};

class Office2007NavigateTest : public TabColorSetsTest,
                               public ::testing::WithParamInterface<NavigateCase> {};

TEST_P(Office2007NavigateTest, AHotButtonStandsOnTheToolBarImageOrShowsNothing) {
  LoadTheme(GetParam().pszIni);
  m_pPaint->SetColor(32);
  CTKTabManagerNavigateButton* pButton = CloseButtonOf(Item(1));
  m_strip.SetHotButton(pButton);
  CDibSurface surface(22, 22, kSentinel);
  Colors()->DrawNavigateButton(surface.GetDC(), pButton, CRect(0, 0, 22, 22));
  if (GetParam().bImage) {
    EXPECT_LT(surface.CountPixels(kSentinel), 22 * 22 / 2);
    EXPECT_GT(surface.CountPixels(RGB(0, 0, 0)), 0) << "the glyph, in black";
  } else {
    EXPECT_EQ(22 * 22, surface.CountPixels(kSentinel)) << "no image, no glyph";
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, Office2007NavigateTest,
                         ::testing::Values(NavigateCase{"Office2010Silver.ini", TRUE},
                                           NavigateCase{"Office2010Blue.ini", FALSE}));

TEST_F(TabColorSetsTest, ACustomButtonColourSurvivesOffice2007ButNotOffice2013) {
  LoadTheme("Office2010Blue.ini");
  const struct {
    int nFlag;
    BOOL bSurvives;
  } kCases[] = {{32, TRUE}, {2048, FALSE}};
  for (const auto& c : kCases) {
    m_pPaint->SetColor(c.nFlag);
    Colors()->m_clrButtonNormal.SetCustomValue(RGB(10, 20, 30));
    m_pPaint->RefreshMetrics();
    EXPECT_EQ(c.bSurvives, static_cast<COLORREF>(Colors()->m_clrButtonNormal) == RGB(10, 20, 30))
        << c.nFlag;
  }
  EXPECT_EQ(0xFFFFFFu, static_cast<COLORREF>(Colors()->m_clrButtonNormal));
}

TEST_F(TabColorSetsTest, UnderTheAccessSetWithAThemeTextEveryCaptionIsBlack) {
  LoadTheme("Office2010Blue.ini");
  m_pPaint->SetColor(128);
  m_strip.SetHot(Item(2));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(0u, TextColorOf(Item(i))) << i;
  EXPECT_EQ(RGB(160, 184, 214), static_cast<COLORREF>(Colors()->m_clrFrameBorder));
  EXPECT_EQ(RGB(213, 228, 242), static_cast<COLORREF>(Colors()->m_clrHeaderFace.m_clrLight));
  // Without a text the Access set keeps the Office 2007 captions.
  LoadTheme(NULL);
  m_pPaint->SetColor(128);
  EXPECT_EQ(0x8B4215u, TextColorOf(Item(1)));
}

TEST_F(TabColorSetsTest, ACloseButtonLeavesTheCaptionInItsOwnColour) {
  // The Visual Studio 2003 buttons draw their glyph grey; the caption after
  // them stays in the text colour.
  m_pPaint->SetColor(2);
  m_strip.Reposition();
  const COLORREF clrText = Colors()->m_clrText;
  ASSERT_NE(clrText, TKColorManager()->GetColor(49));
  CDibSurface surface(300, 80);
  m_strip.Paint(surface.GetDC());
  const CRect rc = Item(2)->GetRect();
  const CRect rcButton = CloseButtonOf(Item(2))->GetRect();
  EXPECT_GT(surface.CountPixels(CRect(rc.left, rc.top, rcButton.left - 3, rc.bottom), clrText), 0);
}

// Visual Studio sets -----------------------------------------------------------------------

TEST_F(TabColorSetsTest, AVisualStudio2012CloseButtonShowsOnlyWhenItsTabIsHot) {
  for (int nFlag : {512, 1024}) {
    m_pPaint->SetColor(nFlag);
    CTKTabManagerNavigateButton* pButton = CloseButtonOf(Item(1));
    const COLORREF clrButton = Colors()->m_clrButtonNormal;
    m_strip.SetHot(NULL);
    CDibSurface idle(14, 14, kSentinel);
    Colors()->DrawNavigateButton(idle.GetDC(), pButton, CRect(0, 0, 14, 14));
    EXPECT_EQ(14 * 14, idle.CountPixels(clrButton)) << nFlag;

    m_strip.SetHot(Item(1));
    CDibSurface hot(14, 14, kSentinel);
    Colors()->DrawNavigateButton(hot.GetDC(), pButton, CRect(0, 0, 14, 14));
    const int nFace = hot.CountPixels(Colors()->m_clrButtonHighlighted);
    EXPECT_GT(nFace, 14 * 14 / 2) << nFlag;
    EXPECT_GT(hot.CountPixels(Colors()->m_clrTextHighlighted), 0) << nFlag;
    m_strip.SetHot(NULL);
  }
}

TEST_F(TabColorSetsTest, AnInactiveVisualStudio2012LightStripHasBlackCaptions) {
  m_pPaint->SetColor(512);
  m_strip.SetActive(FALSE);
  m_strip.SetHot(Item(2));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(0u, TextColorOf(Item(i))) << i;
  EXPECT_EQ(0xDBCECCu, Colors()->GetItemColor(Item(0)));
  CDibSurface surface(20, 20);
  Colors()->FillItem(surface.GetDC(), CRect(0, 0, 20, 20), Item(0));
  EXPECT_EQ(20 * 20, surface.CountPixels(0xDBCECC));
  m_strip.SetActive(TRUE);
  EXPECT_EQ(0xCC7A00u, Colors()->GetItemColor(Item(0)));
}

/// The 2010 set on a system of the test's choosing.
class CVisualStudio2010OnSystem : public CTKTabColorSetVisualStudio2010 {
 public:
  explicit CVisualStudio2010OnSystem(BOOL bVista) : m_bVista(bVista) {}

 protected:
  BOOL IsVistaOrGreater() const override { return m_bVista; }

 private:
  BOOL m_bVista;
};

TEST_F(TabColorSetsTest, TheVisualStudio2010SelectedTabHasAGradientHalfFromVistaOn) {
  const struct {
    BOOL bVista;
    COLORREF clrSelected;
  } kCases[] = {{TRUE, 0xA6E8FF}, {FALSE, 0xCEF3FF}};
  for (const auto& c : kCases) {
    m_pPaint->SetColorSet(new CVisualStudio2010OnSystem(c.bVista));
    CDibSurface surface(20, 20, kSentinel);
    Colors()->FillItem(surface.GetDC(), CRect(0, 0, 20, 20), Item(0));
    // The half towards the page is plain; the outer half is the gradient.
    EXPECT_EQ(20 * 10, surface.CountPixels(CRect(0, 10, 20, 20), c.clrSelected)) << c.bVista;
    EXPECT_EQ(c.bVista ? 0 : 20 * 10, surface.CountPixels(CRect(0, 0, 20, 10), c.clrSelected))
        << c.bVista;
    if (c.bVista) EXPECT_EQ(0xF2FCFFu, surface.GetPixel(5, 0));
  }
}

TEST_F(TabColorSetsTest, VisualStudio2010LeavesTheInactiveSelectedTabUnpaintedUnlessHot) {
  m_pPaint->SetColor(256);
  m_strip.SetActive(FALSE);
  CDibSurface surface(20, 20, kSentinel);
  Colors()->FillItem(surface.GetDC(), CRect(0, 0, 20, 20), Item(0));
  EXPECT_EQ(20 * 20, surface.CountPixels(kSentinel));
  m_strip.SetHot(Item(0));
  Colors()->FillItem(surface.GetDC(), CRect(0, 0, 20, 20), Item(0));
  EXPECT_EQ(20 * 20, surface.CountPixels(Colors()->GetItemColor(Item(0))));
}

TEST_F(TabColorSetsTest, TheVisualStudio2010HeaderIsAFourByFourPattern) {
  m_pPaint->SetColor(256);
  // 0x00RRGGBB, bottom row first.
  static const DWORD kRows[4][4] = {{0x293956, 0x2D3F5C, 0x2D3F5C, 0x2D3F5C},
                                    {0x35496A, 0x2D3F5C, 0x2D3F5C, 0x2D3F5C},
                                    {0x2D3F5C, 0x2D3F5C, 0x293956, 0x2D3F5C},
                                    {0x2D3F5C, 0x2D3F5C, 0x35496A, 0x2D3F5C}};
  CDibSurface surface(8, 8, kSentinel);
  Colors()->FillHeader(surface.GetDC(), CRect(0, 0, 8, 8), &m_strip);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const DWORD v = kRows[3 - y % 4][x % 4];
      EXPECT_EQ(RGB(v >> 16, (v >> 8) & 0xFF, v & 0xFF), surface.GetPixel(x, y)) << x << "," << y;
    }
}

struct SchemeCase {
  int nFlag;
  BOOL bDisabled;
  COLORREF clrFrameBorder;
  COLORREF clrButtonSelected;
};

class VisualStudioSchemeTest : public TabColorSetsTest,
                               public ::testing::WithParamInterface<SchemeCase> {};

TEST_P(VisualStudioSchemeTest, TheOliveSchemeGivesLunaColoursUnlessSchemeColoursAreDisabled) {
  const SchemeCase& c = GetParam();
  TKColorManager()->SetThemeSetting(tkSchemeLunaOlive);
  m_pPaint->m_bDisableSchemeColors = c.bDisabled;
  m_pPaint->SetColor(c.nFlag);
  auto* pSet = dynamic_cast<CTKTabColorSetOffice2003*>(Colors());
  ASSERT_NE(nullptr, pSet);
  EXPECT_EQ(!c.bDisabled, pSet->m_bLunaColors);
  EXPECT_EQ(c.clrFrameBorder, static_cast<COLORREF>(pSet->m_clrFrameBorder));
  EXPECT_EQ(c.clrButtonSelected, static_cast<COLORREF>(pSet->m_clrButtonSelected));
  // Selected highlighted follows the plain button.
  EXPECT_EQ(static_cast<COLORREF>(pSet->m_clrButtonNormal),
            static_cast<COLORREF>(pSet->m_clrButtonSelectedHighlighted));
}

const COLORREF kFrame57 = TKColorManager()->GetColor(57);

INSTANTIATE_TEST_SUITE_P(
    Sets, VisualStudioSchemeTest,
    ::testing::Values(SchemeCase{16, FALSE, 0x588060, 0x73C2FF},
                      SchemeCase{64, FALSE, 0x588060, 0x73C2FF},
                      SchemeCase{16, TRUE, kFrame57, TKColorManager()->GetColor(COLOR_WINDOW)},
                      SchemeCase{64, TRUE, 0x70A093, 0x8DC6B6}));

// The native set ---------------------------------------------------------------------------

struct DrawnPart {
  int nPart;
  int nState;
  CRect rc;
};
std::vector<DrawnPart> g_drawn;
const HTHEME kFakeTheme = reinterpret_cast<HTHEME>(0x7A8);

HTHEME WINAPI FakeOpen(HWND, LPCWSTR) { return kFakeTheme; }
HRESULT WINAPI FakeClose(HTHEME) { return S_OK; }
BOOL g_bThemed = TRUE;
BOOL WINAPI FakeThemed() { return g_bThemed; }
HRESULT WINAPI FakeDraw(HTHEME, HDC, int nPart, int nState, const RECT* pRect, const RECT*) {
  g_drawn.push_back(DrawnPart{nPart, nState, *pRect});
  return S_OK;
}
HRESULT WINAPI FakeColor(HTHEME, int, int nState, int nProp, COLORREF* pColor) {
  if (nProp != 3803) return E_INVALIDARG;
  *pColor = RGB(nState, 0, 0);
  return S_OK;
}

class NativeColorSetTest : public TabColorSetsTest {
 protected:
  CColorSetWinNative* Native() { return dynamic_cast<CColorSetWinNative*>(Colors()); }
  /// Both classes through the recording stand-in, with visual styles on or off.
  void UseRecordingStyles(BOOL bThemed = TRUE) {
    g_bThemed = bThemed;
    typedef CTKWinThemeWrapper W;
    HMODULE hUxTheme = ::LoadLibraryA("uxtheme.dll");
    ASSERT_NE(static_cast<HMODULE>(NULL), hUxTheme);
    for (W* pTheme : {Native()->GetTabTheme(), Native()->GetToolbarTheme()}) {
      pTheme->UsePrivateFunctionTable("no-such-uxtheme.dll");
      W::CFunctionTable* pTable = pTheme->GetFunctionTable();
      pTable->hModule = hUxTheme;  // so that the recheck keeps the stand-ins
      pTable->pfn[W::slotOpenThemeData] = reinterpret_cast<FARPROC>(&FakeOpen);
      pTable->pfn[W::slotCloseThemeData] = reinterpret_cast<FARPROC>(&FakeClose);
      pTable->pfn[W::slotIsAppThemed] = reinterpret_cast<FARPROC>(&FakeThemed);
      pTable->pfn[W::slotDrawThemeBackground] = reinterpret_cast<FARPROC>(&FakeDraw);
      pTable->pfn[W::slotGetThemeColor] = reinterpret_cast<FARPROC>(&FakeColor);
    }
    Colors()->RefreshMetrics();
    ASSERT_EQ(bThemed, Native()->IsAppThemed());
  }
  /// The part and state FillItem asks the style for.
  DrawnPart FillOnce(CTKTabManagerItem* pItem, CRect rc = CRect(10, 10, 50, 30)) {
    g_drawn.clear();
    CDibSurface surface(80, 40);
    EXPECT_EQ(CLR_NONE, Colors()->FillItem(surface.GetDC(), rc, pItem));
    EXPECT_EQ(1u, g_drawn.size());
    return g_drawn.empty() ? DrawnPart{} : g_drawn[0];
  }
};

TEST_F(NativeColorSetTest, WithoutVisualStylesItPaintsAsTheDefaultSet) {
  m_strip.SetHot(Item(1));
  m_strip.SetHotButton(CloseButtonOf(Item(1)));
  CDibSurface byDefault(300, 80);
  m_pPaint->SetColor(1);
  m_strip.Reposition();
  m_strip.Paint(byDefault.GetDC());

  m_pPaint->SetColor(8);
  UseRecordingStyles(FALSE);
  g_drawn.clear();
  m_strip.Reposition();
  CDibSurface native(300, 80);
  m_strip.Paint(native.GetDC());
  int nDifferent = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 300; ++x) nDifferent += byDefault.GetPixel(x, y) != native.GetPixel(x, y);
  EXPECT_EQ(0, nDifferent);
  EXPECT_TRUE(g_drawn.empty());
  // The hot close button is raised: highlight along its top.
  const CRect rcButton = Item(1)->GetNavigateButtons()[0]->GetRect();
  ASSERT_FALSE(rcButton.IsRectEmpty());
  EXPECT_EQ(TKColorManager()->GetColor(COLOR_3DHIGHLIGHT), native.GetPixel(rcButton.left + 1, rcButton.top));
}

TEST_F(NativeColorSetTest, EdgeTabsUseTheirOwnPartsWhileUnselected) {
  m_pPaint->SetColor(8);
  UseRecordingStyles();
  EXPECT_EQ(RGB(1, 0, 0), static_cast<COLORREF>(Colors()->m_clrText));
  EXPECT_EQ(RGB(3, 0, 0), static_cast<COLORREF>(Colors()->m_clrTextSelected));
  EXPECT_EQ(CLR_NONE, static_cast<COLORREF>(Colors()->m_clrClassicHighlight));
  const struct {
    int nSelected;
    int nItem;
    int nPart;
    int nState;
  } kCases[] = {{0, 0, 6, 3}, {0, 1, 5, 1}, {0, 2, 7, 1}, {2, 2, 5, 3}};
  for (const auto& c : kCases) {
    m_strip.SetCurSel(c.nSelected);
    const DrawnPart drawn = FillOnce(Item(c.nItem));
    EXPECT_EQ(c.nPart, drawn.nPart) << c.nSelected << "/" << c.nItem;
    EXPECT_EQ(c.nState, drawn.nState) << c.nSelected << "/" << c.nItem;
  }
  // A single tab is first and last: the left-edge part.
  m_strip.DeleteAllItems();
  m_strip.Add("Only");
  EXPECT_EQ(6, FillOnce(Item(0)).nPart);
}

TEST_F(NativeColorSetTest, ASelectedTopTabReachesTwoPixelsOverThePane) {
  m_pPaint->SetColor(8);
  UseRecordingStyles();
  m_strip.SetCurSel(1);
  EXPECT_EQ(CRect(9, 9, 51, 32), FillOnce(Item(1)).rc);
  EXPECT_EQ(CRect(9, 9, 51, 30), FillOnce(Item(0)).rc);
  // Other positions draw a top tab and turn it: the style sees the turned size.
  m_pPaint->SetPosition(tkTabPositionLeft);
  EXPECT_EQ(CSize(42, 22), FillOnce(Item(1), CRect(10, 10, 30, 50)).rc.Size());
}

}  // namespace
