// The native XP theme: without visual styles the classic theme's pixels;
// with a recording stand-in for the visual-style calls, the parts and states
// it asks for, and the colours a refresh takes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SupportIndexedColors.h"
#include "SupportPlacedBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "themes/TKThemesSystem.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "themes/TKCommandBarsNativeXPTheme.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// The recording stand-in ------------------------------------------------------------------

struct StyleCall {
  std::wstring strClass;
  int nPart;
  int nState;
  CRect rc;
};

/// What the stand-in answers and what it was asked; a theme handle is the
/// position of its class in `classes`, plus one.
struct StandIn {
  std::vector<std::wstring> classes;
  std::vector<StyleCall> calls;
  BOOL bThemed = TRUE;
  HRESULT hrDraw = S_OK;
  BOOL bFlatMenuSysBool = FALSE;
};
StandIn* g_pStandIn = nullptr;

HTHEME WINAPI FakeOpen(HWND, LPCWSTR pszClass) {
  g_pStandIn->classes.push_back(pszClass);
  return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(g_pStandIn->classes.size()));
}
HRESULT WINAPI FakeClose(HTHEME) { return S_OK; }
BOOL WINAPI FakeAppThemed() { return g_pStandIn->bThemed; }
HRESULT WINAPI FakeDraw(HTHEME hTheme, HDC, int nPart, int nState, const RECT* pRect,
                        const RECT*) {
  const size_t nIndex = reinterpret_cast<INT_PTR>(hTheme) - 1;
  g_pStandIn->calls.push_back({g_pStandIn->classes.at(nIndex), nPart, nState, CRect(pRect)});
  return g_pStandIn->hrDraw;
}
HRESULT WINAPI FakeColor(HTHEME, int, int, int, COLORREF*) { return E_FAIL; }
BOOL WINAPI FakeSysBool(HTHEME, int) { return g_pStandIn->bFlatMenuSysBool; }

/// The system's flat-menu setting as the test gives it.
class CFlatMenuSystem : public CTKThemesSystem {
 public:
  BOOL IsFlatMenuEnabled() override { return m_bFlat; }
  BOOL m_bFlat = FALSE;
};

class NativeXPThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    g_pStandIn = &m_standIn;
    TKSetThemesSystem(&m_system);
    m_pTheme = MakeSlottedTheme<CTKCommandBarsNativeXPTheme>(3, m_holder);
    ASSERT_NE(m_pTheme, nullptr);
    HMODULE hUxTheme = ::LoadLibraryA("uxtheme.dll");
    ASSERT_NE(hUxTheme, static_cast<HMODULE>(NULL));
    typedef CTKWinThemeWrapper W;
    for (int i = 0; i < CTKCommandBarsNativeXPTheme::styleCount; ++i) {
      W* pStyle = m_pTheme->GetVisualStyle(static_cast<CTKCommandBarsNativeXPTheme::VisualStyle>(i));
      pStyle->UsePrivateFunctionTable("no-such-uxtheme.dll");
      W::CFunctionTable* pTable = pStyle->GetFunctionTable();
      pTable->hModule = hUxTheme;  // so that a recheck keeps the stand-in
      pTable->pfn[W::slotOpenThemeData] = reinterpret_cast<FARPROC>(&FakeOpen);
      pTable->pfn[W::slotCloseThemeData] = reinterpret_cast<FARPROC>(&FakeClose);
      pTable->pfn[W::slotIsAppThemed] = reinterpret_cast<FARPROC>(&FakeAppThemed);
      pTable->pfn[W::slotDrawThemeBackground] = reinterpret_cast<FARPROC>(&FakeDraw);
      pTable->pfn[W::slotGetThemeColor] = reinterpret_cast<FARPROC>(&FakeColor);
      pTable->pfn[W::slotGetThemeSysBool] = reinterpret_cast<FARPROC>(&FakeSysBool);
    }
  }
  void TearDown() override {
    m_holder.reset();
    TKSetThemesSystem(nullptr);
    g_pStandIn = nullptr;
  }
  /// Refreshes the theme and puts the test colours back into its slots.
  void Refresh() {
    m_pTheme->RefreshMetrics();
    FillSlots(m_pTheme);
    m_standIn.calls.clear();
  }

  StandIn m_standIn;
  CFlatMenuSystem m_system;
  ThemeHolder m_holder;
  CTKCommandBarsNativeXPTheme* m_pTheme = nullptr;
};

TEST_F(NativeXPThemeTest, ARefreshOpensTheSixClasses) {
  Refresh();
  EXPECT_EQ(m_standIn.classes, (std::vector<std::wstring>{L"REBAR", L"TOOLBAR", L"COMBOBOX",
                                                          L"WINDOW", L"SPIN", L"MENU"}));
  EXPECT_TRUE(m_pTheme->IsVisualStylesOn());
}

TEST_F(NativeXPThemeTest, WithFlatMenusOffTheMenuHighlightIsTheHighlight) {
  const struct {
    BOOL bSystemFlat;
    BOOL bSysBool;
    BOOL bFlat;
  } cases[] = {{FALSE, FALSE, FALSE}, {FALSE, TRUE, TRUE}, {TRUE, FALSE, TRUE}};
  for (const auto& c : cases) {
    m_system.m_bFlat = c.bSystemFlat;
    m_standIn.bFlatMenuSysBool = c.bSysBool;
    m_pTheme->RefreshMetrics();
    EXPECT_EQ(m_pTheme->m_bFlatMenus, c.bFlat) << c.bSystemFlat << c.bSysBool;
    EXPECT_EQ(m_pTheme->GetIndexedColor(COLOR_MENUHILIGHT) ==
                  m_pTheme->GetIndexedColor(COLOR_HIGHLIGHT),
              !c.bFlat || ::GetSysColor(COLOR_MENUHILIGHT) == ::GetSysColor(COLOR_HIGHLIGHT))
        << c.bSystemFlat << c.bSysBool;
  }
  // Without a style every colour the style would give falls back.
  m_standIn.bThemed = FALSE;
  m_pTheme->RefreshMetrics();
  EXPECT_EQ(m_pTheme->m_clrBandEdgeLight, m_pTheme->GetIndexedColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(m_pTheme->m_clrHotText, m_pTheme->GetIndexedColor(COLOR_BTNTEXT));
}

TEST_F(NativeXPThemeTest, ToolBarButtonStatesFollowTheControlsState) {
  Refresh();
  const struct {
    const char* pszName;
    BOOL bSelected, bPressed, bEnabled, bChecked, bPopuped;
    int nState;
  } cases[] = {
      {"normal", FALSE, FALSE, TRUE, FALSE, FALSE, 1},
      {"hot", TRUE, FALSE, TRUE, FALSE, FALSE, 2},
      {"pressed", TRUE, TRUE, TRUE, FALSE, FALSE, 3},
      {"pressed by keyboard", FALSE, 2, TRUE, FALSE, FALSE, 3},
      {"pop-up open", FALSE, FALSE, TRUE, FALSE, TRUE, 3},
      {"checked", FALSE, FALSE, TRUE, TRUE, FALSE, 5},
      {"checked and hot", TRUE, FALSE, TRUE, TRUE, FALSE, 6},
      {"checked 2 counts as unchecked", TRUE, FALSE, TRUE, 2, FALSE, 2},
      {"disabled", FALSE, FALSE, FALSE, FALSE, FALSE, 4},
      {"disabled and checked", FALSE, FALSE, FALSE, TRUE, FALSE, 3},
  };
  for (const auto& c : cases) {
    m_standIn.calls.clear();
    CDibSurface surface(30, 30, kWhite);
    m_pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 30), c.bSelected, c.bPressed,
                            c.bEnabled, c.bChecked, c.bPopuped, tkBarTypeNormal, tkBarTop);
    ASSERT_EQ(m_standIn.calls.size(), 1u) << c.pszName;
    EXPECT_EQ(m_standIn.calls[0].strClass, L"TOOLBAR") << c.pszName;
    EXPECT_EQ(m_standIn.calls[0].nPart, 1) << c.pszName;
    EXPECT_EQ(m_standIn.calls[0].nState, c.nState) << c.pszName;
  }
}

TEST_F(NativeXPThemeTest, PopupItemsDrawAFaceOnlyWhenHotAndFallBackToTheHighlight) {
  Refresh();
  CDibSurface surface(30, 20, kWhite);
  m_pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), FALSE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypePopup, tkBarPopup);
  EXPECT_TRUE(m_standIn.calls.empty());
  EXPECT_EQ(surface.CountPixels(kWhite), 30 * 20) << "an idle row has no face";

  m_pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypePopup, tkBarPopup);
  ASSERT_EQ(m_standIn.calls.size(), 1u);
  EXPECT_EQ(m_standIn.calls[0].strClass, L"MENU");
  EXPECT_EQ(m_standIn.calls[0].nPart, 14);
  EXPECT_EQ(m_standIn.calls[0].nState, 2);

  // When the style cannot draw it, the classic menu highlight stands in.
  m_standIn.hrDraw = E_FAIL;
  m_pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 30, 20), TRUE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypePopup, tkBarPopup);
  EXPECT_EQ(surface.GetPixel(15, 10), SlotColor(COLOR_MENUHILIGHT));
  EXPECT_EQ(surface.GetPixel(0, 10), SlotColor(COLOR_HIGHLIGHT));

  // A checked row with the check frames: the menu's check background.
  m_standIn.hrDraw = S_OK;
  m_standIn.calls.clear();
  m_pTheme->DrawRectangle(surface.GetDC(), CRect(0, 0, 20, 20), FALSE, FALSE, FALSE, TRUE, FALSE,
                          tkBarTypePopup, tkBarPopup);
  ASSERT_EQ(m_standIn.calls.size(), 1u);
  EXPECT_EQ(m_standIn.calls[0].nPart, 12);
  EXPECT_EQ(m_standIn.calls[0].nState, 1);
}

TEST_F(NativeXPThemeTest, SplitButtonsAndMarksAskForTheirParts) {
  Refresh();
  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(200, 100));
  CPlacedBar bar;
  ASSERT_TRUE(bar.CreateIn(host, 200, 40));
  bar.Place(tkBarTop, tkBarTypeNormal);
  CTKControl* pControl = bar.GetControls()->AddNew(tkControlSplitButtonPopup, 100);
  pControl->SetEnabled(4);
  CDibSurface surface(60, 30, kWhite);
  m_pTheme->DrawSplitButtonFrame(surface.GetDC(), pControl, CRect(0, 0, 60, 24));
  ASSERT_EQ(m_standIn.calls.size(), 2u);
  EXPECT_EQ(m_standIn.calls[0].nPart, 3);
  EXPECT_EQ(m_standIn.calls[0].nState, 1);
  EXPECT_EQ(m_standIn.calls[0].rc, CRect(0, 0, 48, 24));
  EXPECT_EQ(m_standIn.calls[1].nPart, 4);
  EXPECT_EQ(m_standIn.calls[1].nState, 4) << "its drop-down part disabled";
  EXPECT_EQ(m_standIn.calls[1].rc, CRect(48, 0, 60, 24));

  m_standIn.calls.clear();
  m_pTheme->DrawCheckMark(surface.GetDC(), CRect(0, 0, 16, 16), FALSE, 0);
  m_pTheme->DrawRadioMark(surface.GetDC(), CRect(0, 0, 16, 16), TRUE, 0);
  ASSERT_EQ(m_standIn.calls.size(), 2u);
  EXPECT_EQ(m_standIn.calls[0].nState, 2);
  EXPECT_EQ(m_standIn.calls[1].nState, 3);
  bar.DestroyWindow();
}

// Without visual styles ---------------------------------------------------------------------

TEST_F(NativeXPThemeTest, WithoutVisualStylesEveryOperationDrawsAsOffice2000) {
  m_standIn.bThemed = FALSE;
  Refresh();
  ASSERT_FALSE(m_pTheme->IsVisualStylesOn());
  // The classic theme with the native one's settings.
  ThemeHolder classicHolder;
  auto* pClassic = MakeSlottedTheme<CTKCommandBarsOffice2000Theme>(10, classicHolder);
  pClassic->RefreshMetrics();
  FillSlots(pClassic);
  pClassic->m_nMenuTextColorIndex = m_pTheme->m_nMenuTextColorIndex;
  pClassic->m_bPopupCheckFrames = m_pTheme->m_bPopupCheckFrames;
  pClassic->m_bBoldCheckMark = m_pTheme->m_bBoldCheckMark;

  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(200, 100));
  CPlacedBar bar;
  ASSERT_TRUE(bar.CreateIn(host, 80, 40));
  CTKControl* pControl = bar.GetControls()->AddNew(tkControlButton, 100);
  pControl->SetRect(CRect(20, 8, 50, 30));
  pControl->SetRowRect(CRect(4, 4, 76, 34));

  typedef std::function<void(CTKCommandBarsOffice2000Theme*, CDC*)> Operation;
  const struct {
    const char* pszName;
    int nPosition, nBarType;
    Operation draw;
  } cases[] = {
      {"hot tool-bar button", tkBarTop, tkBarTypeNormal,
       [](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawRectangle(pDC, CRect(2, 2, 30, 30), TRUE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypeNormal, tkBarTop);
       }},
      {"checked pop-up row", tkBarPopup, tkBarTypePopup,
       [](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawRectangle(pDC, CRect(2, 2, 30, 30), FALSE, FALSE, TRUE, TRUE, FALSE,
                          tkBarTypePopup, tkBarPopup);
       }},
      {"hot pop-up row", tkBarPopup, tkBarTypePopup,
       [](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawRectangle(pDC, CRect(2, 2, 60, 30), TRUE, FALSE, TRUE, FALSE, FALSE,
                          tkBarTypePopup, tkBarPopup);
       }},
      {"docked bar", tkBarTop, tkBarTypeNormal,
       [&bar](CTKCommandBarsOffice2000Theme* p, CDC* pDC) { p->FillCommandBarEntry(pDC, &bar); }},
      {"pop-up bar", tkBarPopup, tkBarTypePopup,
       [&bar](CTKCommandBarsOffice2000Theme* p, CDC* pDC) { p->FillCommandBarEntry(pDC, &bar); }},
      {"floating bar", tkBarFloating, tkBarTypeNormal,
       [&bar](CTKCommandBarsOffice2000Theme* p, CDC* pDC) { p->FillCommandBarEntry(pDC, &bar); }},
      {"gripper", tkBarTop, tkBarTypeNormal,
       [&bar](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawFloatingBarCaption(pDC, &bar, TRUE);
       }},
      {"separator", tkBarTop, tkBarTypeNormal,
       [&bar, pControl](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawCommandBarSeparator(pDC, &bar, pControl, TRUE);
       }},
      {"edit frame", tkBarTop, tkBarTypeNormal,
       [](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawEditFrame(pDC, CRect(2, 2, 70, 24), TRUE, 1);
       }},
      {"combo button", tkBarTop, tkBarTypeNormal,
       [](CTKCommandBarsOffice2000Theme* p, CDC* pDC) {
         p->DrawComboButton(pDC, CRect(40, 2, 60, 24), TRUE, TRUE, FALSE);
       }},
  };
  for (const auto& c : cases) {
    bar.Place(c.nPosition, c.nBarType);
    CDibSurface native(80, 40, kWhite);
    CDibSurface classic(80, 40, kWhite);
    c.draw(m_pTheme, native.GetDC());
    c.draw(pClassic, classic.GetDC());
    int nDiffering = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x) nDiffering += native.GetPixel(x, y) != classic.GetPixel(x, y);
    EXPECT_EQ(nDiffering, 0) << c.pszName;
    EXPECT_LT(native.CountPixels(kWhite), 80 * 40) << c.pszName << " drew something";
  }
  EXPECT_EQ(m_pTheme->GetPopupBarGripperWidth(&bar), pClassic->GetPopupBarGripperWidth(&bar));
  for (BOOL bSelected : {FALSE, TRUE})
    EXPECT_EQ(m_pTheme->GetRectangleTextColor(bSelected, FALSE, TRUE, FALSE, FALSE,
                                              tkBarTypeNormal, tkBarTop),
              pClassic->GetRectangleTextColor(bSelected, FALSE, TRUE, FALSE, FALSE,
                                              tkBarTypeNormal, tkBarTop));
  EXPECT_TRUE(m_standIn.calls.empty()) << "nothing asked of the styles";
  bar.DestroyWindow();
}

}  // namespace
