// The custom control: a window of the application's own placed, shown and
// enabled with the control on its bar, and what vertical bars and the stored
// original controls do to it.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlCustom.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

namespace {

/// A bar window that records the mouse moves it gets.
class CMouseBar : public CTestBar {
 public:
  std::vector<CPoint> m_moves;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MOUSEMOVE) m_moves.emplace_back(LOWORD(lParam), HIWORD(lParam));
    return CTestBar::WindowProc(message, wParam, lParam);
  }
};

class CustomControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    ASSERT_TRUE(m_site.CreateHost());
    m_pBar = new CMouseBar;
    m_pBar->SetOwner(&m_site);
    ASSERT_TRUE(m_pBar->CreateEx(0, CTestHostWindow::kClassName, "bar", WS_POPUP | WS_VISIBLE, 100,
                                 100, 300, 40, m_site.GetSafeHwnd(), NULL));
    // The application's window starts as a hidden pop-up of its own.
    m_hWnd =
        ::CreateWindowExA(0, "STATIC", "field", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(m_hWnd, nullptr);
    m_pCustom = static_cast<CTKControlCustom*>(m_pBar->GetControls()->AddNew(tkControlCustom, 300));
    m_pCustom->SetControlSize(CSize(100, 20));
    m_pCustom->SetBorders(CRect(2, 2, 2, 2));
    m_pCustom->SetControl(m_hWnd);
  }
  void TearDown() override {
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    ::DestroyWindow(m_hWnd);
  }

  CSize Measure() {
    CDibSurface surface(10, 10);
    return m_pCustom->GetSize(surface.GetDC());
  }
  CRect WindowInBar() const {
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    m_pBar->ScreenToClient(&rc);
    return rc;
  }

  CTestGlobalPaintManager m_paintManager;
  CTestSite m_site;
  CMouseBar* m_pBar = nullptr;
  HWND m_hWnd = NULL;
  CTKControlCustom* m_pCustom = nullptr;
};

TEST_F(CustomControlTest, MeasuresTheWindowWithItsBordersAndPlacesItInside) {
  EXPECT_EQ(m_pCustom->GetFlags(), static_cast<DWORD>(TKFLAG_NOMOVABLE));
  EXPECT_EQ(Measure(), CSize(104, 24));
  m_pCustom->SetRect(CRect(10, 5, 114, 29));
  EXPECT_EQ(::GetParent(m_hWnd), m_pBar->m_hWnd);
  const LONG lStyle = ::GetWindowLong(m_hWnd, GWL_STYLE);
  EXPECT_TRUE(lStyle & WS_CHILD);
  EXPECT_FALSE(lStyle & WS_POPUP);
  EXPECT_EQ(WindowInBar(), CRect(12, 7, 112, 27));
  EXPECT_TRUE(::IsWindowVisible(m_hWnd));

  // While the window shows, the control draws nothing of its own.
  CDibSurface surface(300, 40);
  m_paintManager->ClearCalls();
  m_pCustom->Draw(surface.GetDC());
  EXPECT_EQ(m_paintManager->CountCalls(TestPaintCall::kDraw), 0);

  m_pCustom->SetEnabled(FALSE);
  EXPECT_FALSE(::IsWindowEnabled(m_hWnd));
  m_pCustom->SetEnabled(TRUE);
  EXPECT_TRUE(::IsWindowEnabled(m_hWnd));
}

TEST_F(CustomControlTest, RemovingTheControlHidesTheWindowWithoutDestroyingIt) {
  m_pCustom->SetRect(CRect(10, 5, 114, 29));
  ASSERT_TRUE(::IsWindowVisible(m_hWnd));
  m_pBar->GetControls()->Remove(m_pCustom);
  EXPECT_TRUE(::IsWindow(m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(m_hWnd));
}

TEST_F(CustomControlTest, OnAVerticalBarItHidesOrShowsAButton) {
  m_pCustom->SetRect(CRect(10, 5, 114, 29));
  m_pCustom->SetVerticalOptions(CTKControlCustom::kVerticalButton);
  m_pCustom->OnCalcDynamicSize(TKLM_VERTDOCK);
  EXPECT_FALSE(::IsWindowVisible(m_hWnd));
  EXPECT_EQ(Measure(), CTestPaintManager::kIconButton);
  CDibSurface surface(300, 40);
  m_paintManager->ClearCalls();
  m_pCustom->Draw(surface.GetDC());
  EXPECT_EQ(m_paintManager->CountCalls(TestPaintCall::kDraw), 1);

  m_pCustom->OnCalcDynamicSize(TKLM_HORZDOCK);
  EXPECT_TRUE(::IsWindowVisible(m_hWnd));
  EXPECT_EQ(Measure(), CSize(104, 24));

  // Option 0 hides the whole control there.
  m_pCustom->SetVerticalOptions(CTKControlCustom::kVerticalHide);
  m_pCustom->OnCalcDynamicSize(TKLM_VERTDOCK);
  EXPECT_EQ(m_pCustom->GetHideFlags(), static_cast<DWORD>(TKHIDE_POSITION));
  EXPECT_FALSE(::IsWindowVisible(m_hWnd));
  EXPECT_TRUE(m_pBar->IsLayoutPending());
  m_pCustom->OnCalcDynamicSize(TKLM_HORZDOCK);
  EXPECT_EQ(m_pCustom->GetHideFlags(), 0u);
  EXPECT_TRUE(::IsWindowVisible(m_hWnd));
}

TEST_F(CustomControlTest, TheStoredOriginalControlsNeverMoveOrHideTheSharedWindow) {
  m_pCustom->SetRect(CRect(10, 5, 114, 29));
  m_pBar->GetControls()->CreateOriginalControls();
  CTKControls* pOriginal = m_pBar->GetControls()->GetOriginalControls();
  ASSERT_NE(pOriginal, nullptr);
  CTKControlCustom* pCopy = DYNAMIC_DOWNCAST(CTKControlCustom, pOriginal->GetAt(0));
  ASSERT_NE(pCopy, nullptr);
  EXPECT_EQ(pCopy->GetControl(), m_hWnd);
  pCopy->SetRect(CRect(50, 0, 154, 24));
  pCopy->OnCalcDynamicSize(TKLM_VERTDOCK);
  m_pBar->GetControls()->SetOriginalControls(nullptr);  // removes the copies
  EXPECT_EQ(WindowInBar(), CRect(12, 7, 112, 27));
  EXPECT_TRUE(::IsWindowVisible(m_hWnd));
}

TEST_F(CustomControlTest, MouseMovesOverTheWindowReachTheBarInItsCoordinates) {
  m_pCustom->SetRect(CRect(10, 5, 114, 29));
  ::SendMessage(m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 3));
  ASSERT_EQ(m_pBar->m_moves.size(), 1u);
  EXPECT_EQ(m_pBar->m_moves[0], CPoint(17, 10));
}

TEST_F(CustomControlTest, WithoutItsWindowItIsAButton) {
  m_pCustom->SetControl(NULL);
  EXPECT_EQ(Measure(), CTestPaintManager::kIconButton);
}

TEST_F(CustomControlTest, ALoadedLayoutFindsItsWindowAgainByItsDialogId) {
  CTKCommandBars* pCommandBars = new CTKCommandBars;
  pCommandBars->SetSite(&m_site);
  m_pBar->SetCommandBars(pCommandBars);
  HWND hField = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, m_site.GetSafeHwnd(),
                                  reinterpret_cast<HMENU>(1234), NULL, NULL);
  m_pCustom->SetControlId(1234);
  m_pCustom->SetVerticalOptions(CTKControlCustom::kVerticalButton);
  CTempFolder folder;
  const std::string path = folder.PathOf("layout.ini");
  auto open = [&](BOOL bLoading) {
    CTKPropExchangeIniFile* pIni = new CTKPropExchangeIniFile(bLoading, nullptr, "Custom");
    pIni->AssignFile(path.c_str());
    return pIni;
  };
  {
    CTKPropExchangeSection px(open(FALSE));
    m_pCustom->DoPropExchange(px);
  }
  // Layouts of schema 5 and before keep no id.
  for (int nSchema : {CTKPropExchange::CurrentSchema, 5}) {
    CTKControlCustom* pLoaded =
        static_cast<CTKControlCustom*>(m_pBar->GetControls()->AddNew(tkControlCustom, 301));
    CTKPropExchangeSection px(open(TRUE));
    px->SetSchema(nSchema);
    pLoaded->DoPropExchange(px);
    EXPECT_EQ(pLoaded->GetBorders(), CRect(2, 2, 2, 2));
    EXPECT_EQ(pLoaded->GetControlSize(), CSize(100, 20));
    EXPECT_EQ(pLoaded->GetVerticalOptions(), CTKControlCustom::kVerticalButton);
    EXPECT_EQ(pLoaded->GetControl(), nSchema > 5 ? hField : NULL) << nSchema;
  }
  m_pBar->SetCommandBars(nullptr);
  pCommandBars->InternalRelease();
  ::DestroyWindow(hField);
}

}  // namespace
