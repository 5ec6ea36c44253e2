// The status-bar paint managers of every variant, drawing the panes of a real
// status bar into readable surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SupportStatusBarThemes.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKStatusBar.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKStatusBarPaintManagerBase.h"

namespace {

const COLORREF kPaneBack = RGB(255, 255, 255);
const COLORREF kSentinel = RGB(1, 2, 3);
const COLORREF kIconColor = RGB(200, 0, 0);
const UINT kIdPane = 101;
const UINT kIconId = 7001;

/// What a variant draws, by its index in kStatusBarVariants.
struct Variant {
  int nIndex;
  BOOL bBorder;         // an ordinary pane gets a border
  BOOL bGripperBorder;  // the last pane gets one
  BOOL bSeparator;
  BOOL bGripper;  // without theme images
};

const Variant kVariants[] = {
    {0, TRUE, TRUE, TRUE, TRUE},      // Base
    {1, TRUE, TRUE, TRUE, TRUE},      // Office XP
    {2, TRUE, TRUE, TRUE, TRUE},      // Office 2003
    {3, TRUE, FALSE, TRUE, FALSE},    // Resource
    {4, TRUE, TRUE, TRUE, TRUE},      // Visual Studio 2010
    {5, FALSE, FALSE, TRUE, TRUE},    // Visual Studio 2012
    {6, FALSE, FALSE, FALSE, FALSE},  // Office 2013
    {7, FALSE, FALSE, FALSE, TRUE},   // Visual Studio 2015
};

/// An opaque red square icon for the id, `nSize` pixels wide.
void AddIcon(UINT nId, int nSize) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), nSize, -nSize, 1, 32, BI_RGB};
  void* pBits = nullptr;
  CTKScopedBitmap bitmap(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0));
  ASSERT_TRUE(bitmap.IsValid());
  std::fill_n(static_cast<DWORD*>(pBits), nSize * nSize, 0xFFC80000u);
  ASSERT_TRUE(TKImageManager()->SetIconsFromBitmap(bitmap.Get(), &nId, 1, nSize, nSize, 0, TRUE));
}

/// Pixels of the rectangle that are not `clr`.
int CountOther(const CDibSurface& surface, const CRect& rc, COLORREF clr) {
  return rc.Width() * rc.Height() - surface.CountPixels(rc, clr);
}

/// The leftmost column of the rectangle with a pixel other than `clr`; -1 for none.
int FirstInkColumn(const CDibSurface& surface, const CRect& rc, COLORREF clr) {
  for (int x = rc.left; x < rc.right; ++x)
    if (CountOther(surface, CRect(x, rc.top, x + 1, rc.bottom), clr) > 0) return x;
  return -1;
}

class StatusBarThemeTest : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKResourceImages()->SetHandle(NULL);  // the image themes without their images
    ASSERT_EQ(kStatusBarVariantCount, static_cast<int>(sizeof(kVariants) / sizeof(kVariants[0])));
    m_pPaintManager = CreateStatusBarTheme(kStatusBarVariants[GetParam().nIndex]);
    CTKPaintManager::SetGlobal(m_pPaintManager);
    CTKPaintManager::AddRefGlobal();
    ASSERT_TRUE(m_host.CreateHost(400, 100));
    ASSERT_TRUE(m_bar.Create(&m_host));
    const UINT ids[] = {0, kIdPane};
    ASSERT_TRUE(m_bar.SetIndicators(ids, 2));
    m_bar.MoveWindow(0, 0, 400, 24);
    m_pPane = m_bar.FindPane(kIdPane);
    m_pPane->SetStyle(SBPS_NOBORDERS);
    m_pPane->SetBackgroundColor(kPaneBack);
    m_pPane->SetTextColor(RGB(0, 0, 0));
  }
  void TearDown() override {
    m_bar.DestroyWindow();
    m_bar.RemoveAll();
    CTKPaintManager::ReleaseGlobal();
  }
  CTKStatusBarPaintManager* Painter() { return m_pPaintManager->GetStatusBarPaintManager(); }
  /// The pane's entry drawn into `rc` of a fresh surface.
  void DrawEntry(CDibSurface& surface, const CRect& rc) {
    Painter()->DrawPaneEntry(surface.GetDC(), rc, m_pPane);
  }

  CTestThemePaintManager* m_pPaintManager = nullptr;
  CScriptedSystemFonts m_fonts{-12};
  CTestHostWindow m_host;
  CTKStatusBar m_bar;
  CTKStatusBarPane* m_pPane = nullptr;
};

TEST_P(StatusBarThemeTest, RightAlignmentMovesTheTextOnlyWhenItFits) {
  m_pPane->SetText("WWWWWWWW");
  m_pPane->SetTextAlignment(CTKStatusBarPane::alignRight);
  const int nPadding = m_pPane->GetPadding().left;
  CDibSurface wide(300, 20, kSentinel);
  DrawEntry(wide, CRect(0, 0, 300, 20));
  EXPECT_GT(FirstInkColumn(wide, CRect(0, 0, 300, 20), kPaneBack), 150);

  CDibSurface narrow(40, 20, kSentinel);
  DrawEntry(narrow, CRect(0, 0, 40, 20));
  const int nInk = FirstInkColumn(narrow, CRect(0, 0, 40, 20), kPaneBack);
  EXPECT_GE(nInk, nPadding);
  EXPECT_LE(nInk, nPadding + 2) << "too wide: it stays left";
}

TEST_P(StatusBarThemeTest, AnIconWithoutRoomIsSkippedAndKeepsItsPlace) {
  AddIcon(kIconId, 16);
  m_pPane->SetIconId(kIconId);
  m_pPane->SetText("W");
  const int nPadding = m_pPane->GetPadding().left;
  // Room for the icon: drawn at the left, the text after it.
  CDibSurface roomy(60, 20, kSentinel);
  DrawEntry(roomy, CRect(0, 0, 60, 20));
  EXPECT_EQ(roomy.GetPixel(nPadding, 10), kIconColor);
  EXPECT_EQ(roomy.CountPixels(CRect(nPadding + 16, 0, 60, 20), kIconColor), 0);
  // One pixel short: no icon, and the text is not moved into its place.
  const CRect rcShort(0, 0, nPadding + 15 + m_pPane->GetPadding().right, 20);
  CDibSurface tight(rcShort.right, 20, kSentinel);
  DrawEntry(tight, rcShort);
  EXPECT_EQ(tight.CountPixels(kIconColor), 0);
  EXPECT_EQ(tight.CountPixels(kPaneBack), rcShort.Width() * 20) << "nothing on the background";
}

TEST_P(StatusBarThemeTest, ADisabledPaneShowsItsTextOnlyWhenTheBarSaysSo) {
  m_pPane->SetText("WWWW");
  m_pPane->SetEnabled(FALSE);
  m_pPane->SetTextGrayColor(RGB(128, 0, 0));
  for (BOOL bShow : {FALSE, TRUE}) {
    m_bar.SetDrawDisabledText(bShow);
    CDibSurface surface(100, 20, kSentinel);
    DrawEntry(surface, CRect(0, 0, 100, 20));
    EXPECT_EQ(CountOther(surface, CRect(0, 0, 100, 20), kPaneBack) > 0, bShow) << bShow;
  }
}

TEST_P(StatusBarThemeTest, BordersSeparatorsAndGrippersAsTheVariantHasThem) {
  const Variant& v = GetParam();
  const CRect rc(10, 2, 60, 22);
  const struct {
    const char* pszPart;
    std::function<void(CDC*)> draw;
    BOOL bDraws;
  } parts[] = {
      {"border", [&](CDC* pDC) { Painter()->DrawPaneBorder(pDC, rc, m_pPane, FALSE); }, v.bBorder},
      {"gripper border", [&](CDC* pDC) { Painter()->DrawPaneBorder(pDC, rc, m_pPane, TRUE); },
       v.bGripperBorder},
      {"separator", [&](CDC* pDC) { Painter()->DrawPaneSeparator(pDC, rc, m_pPane); },
       v.bSeparator},
      {"gripper", [&](CDC* pDC) { Painter()->DrawGripper(pDC, CRect(0, 0, 80, 24)); }, v.bGripper},
  };
  for (const auto& part : parts) {
    CDibSurface surface(80, 24, kSentinel);
    part.draw(surface.GetDC());
    EXPECT_EQ(surface.CountPixels(kSentinel) < 80 * 24, part.bDraws) << part.pszPart;
  }
}

TEST_P(StatusBarThemeTest, AMarkupPaneIsDrawnByTheMarkupEngine) {
  m_bar.EnableMarkup();
  m_pPane->SetText("<Border Background='#FF0000' Width='20' Height='10'/>");
  ASSERT_NE(m_pPane->GetMarkupElement(), nullptr);
  const CRect rc = m_pPane->GetRect();
  ASSERT_FALSE(rc.IsRectEmpty());
  CDibSurface surface(400, 24, kSentinel);
  m_bar.DrawBar(surface.GetDC());
  EXPECT_GE(surface.CountPixels(rc, RGB(255, 0, 0)), 20 * 10);
}

TEST_P(StatusBarThemeTest, MarkupTextTakesThePanesColour) {
  m_bar.EnableMarkup();
  m_pPane->SetText("<TextBlock>Markup <Bold>pane</Bold></TextBlock>");
  const COLORREF kPaneText = RGB(0, 160, 0);
  m_pPane->SetTextColor(kPaneText);
  const CRect rc = m_pPane->GetRect();
  ASSERT_FALSE(rc.IsRectEmpty());
  CDibSurface surface(400, 24, kSentinel);
  m_bar.DrawBar(surface.GetDC());
  EXPECT_GT(surface.CountPixels(rc, kPaneText), 0);
  EXPECT_EQ(surface.CountPixels(rc, RGB(0, 0, 0)), 0) << "none in the markup's own black";
}

INSTANTIATE_TEST_SUITE_P(Variants, StatusBarThemeTest, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                           return std::string(kStatusBarVariants[info.param.nIndex].pszName);
                         });

// The visual style "STATUS" -----------------------------------------------------------------

std::vector<int> g_themedParts;
const HTHEME kFakeTheme = reinterpret_cast<HTHEME>(0x5678);
const COLORREF kStyleText = RGB(7, 8, 9);

HTHEME WINAPI FakeOpen(HWND, LPCWSTR) { return kFakeTheme; }
HRESULT WINAPI FakeClose(HTHEME) { return S_OK; }
BOOL WINAPI FakeAppThemed() { return TRUE; }
HRESULT WINAPI FakeDraw(HTHEME, HDC, int nPart, int, const RECT*, const RECT*) {
  g_themedParts.push_back(nPart);
  return S_OK;
}
HRESULT WINAPI FakeColor(HTHEME, int nPart, int nState, int nProp, COLORREF* pColor) {
  if (nPart != 1 || nState != 0 || nProp != 3803) return E_INVALIDARG;
  *pColor = kStyleText;
  return S_OK;
}

TEST(StatusBarVisualStyleTest, TheStyleDrawsEveryPartAndGivesTheTextColour) {
  typedef CTKWinThemeWrapper W;
  CScriptedSystemFonts fonts(-12);
  CTestThemePaintManager pm;
  pm.m_bStatusTextFromVisualStyle = TRUE;
  W* pTheme = pm.GetStatusTheme();
  HMODULE hUxTheme = ::LoadLibraryA("uxtheme.dll");
  ASSERT_NE(hUxTheme, static_cast<HMODULE>(NULL));
  pTheme->UsePrivateFunctionTable("no-such-uxtheme.dll");
  W::CFunctionTable* pTable = pTheme->GetFunctionTable();
  pTable->hModule = hUxTheme;  // so that a recheck keeps the fakes
  pTable->pfn[W::slotOpenThemeData] = reinterpret_cast<FARPROC>(&FakeOpen);
  pTable->pfn[W::slotCloseThemeData] = reinterpret_cast<FARPROC>(&FakeClose);
  pTable->pfn[W::slotIsAppThemed] = reinterpret_cast<FARPROC>(&FakeAppThemed);
  pTable->pfn[W::slotDrawThemeBackground] = reinterpret_cast<FARPROC>(&FakeDraw);
  pTable->pfn[W::slotGetThemeColor] = reinterpret_cast<FARPROC>(&FakeColor);
  pm.RefreshMetrics();

  CTKStatusBarPaintManagerBase* pBar =
      static_cast<CTKStatusBarPaintManagerBase*>(pm.GetStatusBarPaintManager());
  EXPECT_EQ(static_cast<COLORREF>(pBar->m_clrText), kStyleText);
  CTKStatusBarPane pane;
  CDibSurface surface(80, 24, kSentinel);
  g_themedParts.clear();
  pBar->DrawPaneBorder(surface.GetDC(), CRect(0, 0, 20, 20), &pane, FALSE);
  pBar->DrawPaneBorder(surface.GetDC(), CRect(0, 0, 20, 20), &pane, TRUE);
  pBar->DrawGripper(surface.GetDC(), CRect(0, 0, 80, 24));
  EXPECT_EQ(g_themedParts, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(surface.CountPixels(kSentinel), 80 * 24) << "the style drew, nothing else";

  // Office 2003 frames its panes with the style too, but draws its own gripper
  // when the style is not open.
  CTKStatusBarThemeOffice2003 office2003(&pm);
  office2003.RefreshMetrics();
  g_themedParts.clear();
  office2003.DrawPaneBorder(surface.GetDC(), CRect(0, 0, 20, 20), &pane, TRUE);
  pTheme->CloseThemeData();
  office2003.DrawGripper(surface.GetDC(), CRect(0, 0, 80, 24));
  EXPECT_EQ(g_themedParts, (std::vector<int>{2}));
  EXPECT_LT(surface.CountPixels(kSentinel), 80 * 24);
}

// The image themes --------------------------------------------------------------------------

struct ResourceCase {
  const char* pszIni;  // null: no theme text
  COLORREF clrText;
  COLORREF clrTextGray;
};

class StatusBarResourceTest : public ::testing::TestWithParam<ResourceCase> {
 protected:
  void TearDown() override { TKResourceImages()->SetHandle(NULL); }
  CScriptedSystemFonts m_fonts{-12};
};

TEST_P(StatusBarResourceTest, TextsComeFromTheThemeTextAndImagesDrawOnlyWhenLoaded) {
  const ResourceCase& c = GetParam();
  TKResourceImages()->SetHandle(c.pszIni != nullptr ? ::GetModuleHandleA(NULL) : NULL, c.pszIni);
  ASSERT_EQ(TKResourceImages()->IsLoaded(), c.pszIni != nullptr);
  CTKPaintManagerBase* pPaintManager = CreateStatusBarTheme(kStatusBarVariants[3]);
  CTKStatusBarPaintManagerBase* pBar =
      static_cast<CTKStatusBarPaintManagerBase*>(pPaintManager->GetStatusBarPaintManager());
  EXPECT_EQ(static_cast<COLORREF>(pBar->m_clrText), c.clrText);
  EXPECT_EQ(static_cast<COLORREF>(pBar->m_clrTextGray), c.clrTextGray);
  EXPECT_EQ(static_cast<COLORREF>(pBar->m_clrGripperLite), RGB(255, 255, 255));

  CDibSurface surface(80, 24, kSentinel);
  pBar->DrawGripper(surface.GetDC(), CRect(0, 0, 80, 24));
  EXPECT_EQ(surface.CountPixels(kSentinel) < 80 * 24, c.pszIni != nullptr);
  // The gripper sits 1 pixel from the right and 4 from the bottom.
  EXPECT_EQ(surface.CountPixels(CRect(79, 0, 80, 24), kSentinel), 24);
  EXPECT_EQ(surface.CountPixels(CRect(0, 20, 80, 24), kSentinel), 80 * 4);
  pPaintManager->InternalRelease();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StatusBarResourceTest,
    ::testing::Values(ResourceCase{nullptr, ::GetSysColor(COLOR_BTNTEXT),
                                   ::GetSysColor(COLOR_GRAYTEXT)},
                      ResourceCase{"Office2010Blue.INI", RGB(30, 57, 91), RGB(132, 158, 189)},
                      ResourceCase{"Office2010Black.INI", RGB(226, 226, 226), RGB(107, 107, 107)}));

TEST_P(StatusBarResourceTest, DarkPanesReachTheRightEdgeWhenNoneFollows) {
  if (GetParam().pszIni == nullptr) return;  // nothing is drawn without images
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), GetParam().pszIni);
  CTestThemePaintManager* pPaintManager = CreateStatusBarTheme(kStatusBarVariants[3]);
  CSampleStatusBar sample;
  ASSERT_TRUE(sample.Create(400, 4));
  sample.SetTheme(pPaintManager);
  CTKStatusBar& bar = sample.Bar();
  CRect rcClient;
  bar.GetClientRect(&rcClient);
  auto draw = [&](CDibSurface& surface) {
    pPaintManager->GetStatusBarPaintManager()->DrawStatusBarBackground(surface.GetDC(), &bar);
  };
  CDibSurface light(rcClient.Width(), rcClient.Height(), kSentinel);
  draw(light);
  EXPECT_EQ(light.CountPixels(kSentinel), 0) << "the light image covers the bar";

  bar.GetPane(1)->SetDarkBackground(TRUE);
  CDibSurface dark(rcClient.Width(), rcClient.Height(), kSentinel);
  draw(dark);
  const CRect rcPane = bar.GetPane(1)->GetRect();
  const int y = rcClient.Height() / 2;
  EXPECT_EQ(dark.GetPixel(rcPane.left - 1, y), light.GetPixel(rcPane.left - 1, y));
  EXPECT_NE(dark.GetPixel(rcPane.left, y), light.GetPixel(rcPane.left, y));
  EXPECT_NE(dark.GetPixel(rcClient.right - 1, y), light.GetPixel(rcClient.right - 1, y))
      << "the last dark pane's image reaches the edge";

  bar.GetPane(3)->SetDarkBackground(TRUE);
  CDibSurface two(rcClient.Width(), rcClient.Height(), kSentinel);
  draw(two);
  const CRect rcPane2 = bar.GetPane(2)->GetRect();
  EXPECT_EQ(two.GetPixel(rcPane2.CenterPoint().x, y), light.GetPixel(rcPane2.CenterPoint().x, y))
      << "a dark pane followed by another stops at its own edge";
}

// The Office 2003 background ----------------------------------------------------------------

TEST(StatusBarOffice2003Test, TheBackgroundFollowsTheColourScheme) {
  CScriptedSystemFonts fonts(-12);
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  CTKColorManager* pColors = TKColorManager();
  const COLORREF clrMix =
      CTKColorManager::MixColors(pColors->GetColor(15), pColors->GetColor(5), 70);
  const struct {
    int nScheme;
    COLORREF clrBack;
  } cases[] = {{0, clrMix},     {1, 0x00D3D3D3}, {2, 0x00D3D3D3}, {3, 0x00DAEAEC},
               {4, 0x00D3D3D3}, {5, 0x00D3D3D3}, {8, clrMix}};
  for (const auto& c : cases) {
    pm.m_nSystemTheme = c.nScheme;
    CTKStatusBarThemeOffice2003 bar(&pm);
    bar.RefreshMetrics();
    EXPECT_EQ(static_cast<COLORREF>(bar.m_clrBackground), c.clrBack) << c.nScheme;
  }
}

// The Office 2013 line ----------------------------------------------------------------------

class StatusBarOffice2013Test : public ::testing::Test {
 protected:
  void SetUp() override { m_pm.RefreshMetrics(); }
  CScriptedSystemFonts m_fonts{-12};
  CTestThemePaintManager m_pm;
};

TEST_F(StatusBarOffice2013Test, VisualStudio2015BackgroundMinusOneRestoresTheThemeColours) {
  CTKStatusBarThemeVisualStudio2015 bar(&m_pm);
  bar.RefreshMetrics();
  const COLORREF clrGripperDark = bar.m_clrGripperDark;
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrBackground), 0x009A572Bu);
  bar.SetBackgroundColor(RGB(10, 20, 30));
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrBackground), RGB(10, 20, 30));
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrButtonBack), RGB(10, 20, 30));
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrButtonBackPushed),
            static_cast<COLORREF>(bar.m_clrGripperDark));
  EXPECT_NE(static_cast<COLORREF>(bar.m_clrGripperDark), clrGripperDark);
  bar.SetBackgroundColor(static_cast<COLORREF>(-1));
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrBackground), 0x009A572Bu);
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrGripperDark), clrGripperDark);
  EXPECT_EQ(static_cast<COLORREF>(bar.m_clrButtonBackChecked), 0x008A4719u);
}

struct FaceCase {
  BOOL bPressed;
  BOOL bPopout;
  COLORREF clrFace;
  COLORREF clrText;
};

class StatusBarOffice2013FaceTest : public StatusBarOffice2013Test,
                                    public ::testing::WithParamInterface<FaceCase> {};

TEST_P(StatusBarOffice2013FaceTest, ButtonPanesAreFilledByState) {
  const FaceCase& c = GetParam();
  CTKStatusBarThemeOffice2013 bar(&m_pm);
  bar.RefreshMetrics();
  CTKStatusBarPane pane;
  pane.SetButton(TRUE);
  pane.SetStyle(c.bPopout ? SBPS_POPOUT : 0);
  CDibSurface surface(20, 20, kSentinel);
  bar.DrawPaneButtonFace(surface.GetDC(), CRect(0, 0, 20, 20), &pane);
  EXPECT_EQ(surface.GetPixel(10, 10), c.clrFace);
  EXPECT_EQ(bar.GetPaneTextColor(&pane), c.clrText);
}

INSTANTIATE_TEST_SUITE_P(States, StatusBarOffice2013FaceTest,
                         ::testing::Values(FaceCase{FALSE, FALSE, 0x009A572B, 0x00FFFFFF},
                                           FaceCase{FALSE, TRUE, 0x008A4719, 0x00444444}));

}  // namespace
