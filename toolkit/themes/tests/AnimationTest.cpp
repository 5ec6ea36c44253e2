// Pop-ups that unfold, slide and fade in, and pop-ups that grow the rows that
// expanding shows. The pauses go through a scripted system that looks at the
// window's pixels each time the animation waits.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "SupportBasePaintManager.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

/// A clock that moves by a fixed step on every reading, and pauses that
/// only run the test's look at the screen.
class CScriptedClock : public CTKCommandBarsSystem {
 public:
  DWORD m_dwNow = 1000;
  DWORD m_dwTickStep = 0;
  std::vector<DWORD> m_sleeps;
  std::function<void()> m_onSleep;
  DWORD GetTickCount() override { return m_dwNow += m_dwTickStep; }
  void Sleep(DWORD dwMilliseconds) override {
    m_sleeps.push_back(dwMilliseconds);
    if (m_onSleep) m_onSleep();
  }
};

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override { TKSetCommandBarsSystem(&m_clock); }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }
  CScriptedClock m_clock;
  CBaseGlyphsPaintManager m_pm;
};

/// The width and height of the image's part that the screen shows.
CSize ShownExtent(const CDibSurface& screen, COLORREF clrImage) {
  CSize sz(0, 0);
  while (sz.cx < screen.GetWidth() && screen.GetPixel(sz.cx, 0) == clrImage) ++sz.cx;
  while (sz.cy < screen.GetHeight() && screen.GetPixel(0, sz.cy) == clrImage) ++sz.cy;
  return sz;
}

TEST_F(AnimationTest, UnfoldingShowsATenthMoreEachStepFromTheBottomRightPart) {
  CDibSurface image(200, 100, kBlack), screen(200, 100, kWhite);
  // The part shown first is the image's bottom-right corner.
  image.GetDC()->FillSolidRect(180, 90, 20, 10, RGB(255, 0, 0));
  std::vector<CSize> shown;
  m_clock.m_onSleep = [&] { shown.push_back(ShownExtent(screen, screen.GetPixel(0, 0))); };
  m_pm.AnimatePopupBar(screen.GetDC(), image.GetDC(), CRect(0, 0, 200, 100), 2);
  ASSERT_EQ(shown.size(), 10u);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(shown[k - 1], CSize(20 * k, 10 * k)) << "step " << k;
  EXPECT_EQ(m_clock.m_sleeps, std::vector<DWORD>(10, 10));
  EXPECT_EQ(screen.GetPixel(199, 99), RGB(255, 0, 0));
}

TEST_F(AnimationTest, SlidingShowsTheBottomRowsFirst) {
  CDibSurface image(50, 40, kBlack), screen(50, 40, kWhite);
  image.GetDC()->FillSolidRect(0, 36, 50, 4, RGB(0, 200, 0));
  m_pm.m_nAnimationSteps = 4;
  m_pm.m_nAnimationTime = 100;
  std::vector<int> rows;
  m_clock.m_onSleep = [&] { rows.push_back(40 - screen.CountPixels(CRect(0, 0, 1, 40), kWhite)); };
  m_pm.AnimatePopupBar(screen.GetDC(), image.GetDC(), CRect(0, 0, 50, 40), 3);
  EXPECT_EQ(rows, (std::vector<int>{10, 20, 30, 40}));
  EXPECT_EQ(m_clock.m_sleeps, std::vector<DWORD>(4, 25));
  EXPECT_EQ(screen.GetPixel(10, 9), kBlack) << "not yet the green bottom rows";
}

TEST_F(AnimationTest, AFadeBlendsEveryStepButTheLast) {
  CDibSurface image(8, 8, kWhite), screen(8, 8, kBlack);
  std::vector<int> levels;
  m_clock.m_onSleep = [&] { levels.push_back(GetRValue(screen.GetPixel(3, 3))); };
  m_pm.AnimatePopupBar(screen.GetDC(), image.GetDC(), CRect(0, 0, 8, 8), 4);
  std::vector<int> expected;
  for (int nAlpha : {25, 51, 76, 102, 127, 153, 178, 204, 229})
    expected.push_back((255 * nAlpha) >> 8);
  EXPECT_EQ(levels, expected);
  EXPECT_EQ(m_clock.m_sleeps, std::vector<DWORD>(9, 10));
}

TEST_F(AnimationTest, ASlowFadeDoesNotPause) {
  CDibSurface image(8, 8, kWhite), screen(8, 8, kBlack);
  m_clock.m_dwTickStep = 20;
  m_pm.AnimatePopupBar(screen.GetDC(), image.GetDC(), CRect(0, 0, 8, 8), 4);
  EXPECT_TRUE(m_clock.m_sleeps.empty());
  EXPECT_EQ(GetRValue(screen.GetPixel(0, 0)), (255 * 229) >> 8);
}

TEST_F(AnimationTest, WithoutStepsNothingIsDrawnAndNothingDividesByThem) {
  for (int nSteps : {0, 1, -3}) {
    m_pm.m_nAnimationSteps = nSteps;
    for (int nKind : {2, 3, 4, 5, 0}) {
      CDibSurface image(8, 8, kWhite), screen(8, 8, kBlack);
      m_pm.AnimatePopupBar(screen.GetDC(), image.GetDC(), CRect(0, 0, 8, 8), nKind);
      const bool bOneStep = nSteps == 1 && (nKind == 2 || nKind == 3);
      EXPECT_EQ(screen.CountPixels(kBlack), bOneStep ? 0 : 64)
          << "steps " << nSteps << " kind " << nKind;
    }
  }
  m_pm.m_nAnimationSteps = 0;
  CDibSurface image(8, 8, kWhite), screen(8, 8, kBlack);
  EXPECT_EQ(m_pm.AnimateExpandingPopup(nullptr, screen.GetDC(), image.GetDC(), TRUE), 0);
}

TEST(BlendPixelRowsTest, EachColourByteIsWeightedAndTheFourthIsLeft) {
  const BYTE arrOld[8] = {0, 100, 200, 7, 255, 255, 255, 9};
  const BYTE arrNew[8] = {255, 100, 0, 8, 0, 0, 0, 10};
  BYTE arrTarget[8] = {1, 1, 1, 42, 1, 1, 1, 43};
  CTKPaintManagerBase::BlendPixelRows(arrTarget, arrOld, 2, 1, arrNew, 128);
  const BYTE arrExpected[8] = {(255 * 128) >> 8, 99, (200 * 127) >> 8, 42,
                               (255 * 127) >> 8, (255 * 127) >> 8, (255 * 127) >> 8, 43};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(arrTarget[i], arrExpected[i]) << "byte " << i;
}

class ExpandingPopupTest : public AnimationTest {
 protected:
  void SetUp() override {
    AnimationTest::SetUp();
    ASSERT_TRUE(m_host.CreateHost());
    m_pPopup = new CTKPopupBar;
    ASSERT_TRUE(m_pPopup->CreateEx(0, AfxRegisterWndClass(0), "popup", WS_CHILD, 0, 0, 40, 60,
                                   m_host.GetSafeHwnd(), NULL));
  }
  void TearDown() override {
    m_pPopup->DestroyWindow();
    m_pPopup->InternalRelease();
    AnimationTest::TearDown();
  }
  /// A row of 20 from `y`, shown only after expanding when `bNew`.
  void AddRow(int y, BOOL bNew) {
    CTKControl* pControl = m_pPopup->GetControls()->AddNew(tkControlButton, 100 + y);
    pControl->SetRect(CRect(0, y, 40, y + 20));
    pControl->SetHiddenUntilExpand(bNew);
  }
  CTestHostWindow m_host;
  CTKPopupBar* m_pPopup = nullptr;
};

// Three rows of 20; the new one grows from nothing while the old ones keep
// their place: below it when the pop-up grows upward, above it downward.
struct ExpandCase {
  const char* pszName;
  int yNewRow;
  BOOL bDownward;
  int nSteps;
  int yOldRowPixel;
  std::vector<int> grown;
};

TEST_F(ExpandingPopupTest, TheNewRowsGrowWhileTheOthersStay) {
  const ExpandCase cases[] = {
      {"downward, new rows at the bottom", 40, TRUE, 4, 39, {5, 10, 15, 20}},
      {"upward, new rows at the top", 0, FALSE, 2, 20, {10, 20}},
  };
  const COLORREF kNewRow = RGB(0, 0, 255);
  for (const ExpandCase& c : cases) {
    m_pPopup->GetControls()->RemoveAll();
    for (int y : {0, 20, 40}) AddRow(y, y == c.yNewRow);
    m_pm.m_nAnimationSteps = c.nSteps;
    m_clock.m_sleeps.clear();
    CDibSurface image(40, 60, kWhite), screen(40, 60, kBlack);
    image.GetDC()->FillSolidRect(0, c.yNewRow, 40, 20, kNewRow);
    std::vector<int> grown;
    m_clock.m_onSleep = [&] {
      EXPECT_EQ(screen.GetPixel(5, c.yOldRowPixel), kWhite) << c.pszName;
      grown.push_back(screen.CountPixels(CRect(0, c.yNewRow, 1, c.yNewRow + 20), kNewRow));
    };
    EXPECT_EQ(m_pm.AnimateExpandingPopup(m_pPopup, screen.GetDC(), image.GetDC(), c.bDownward),
              c.nSteps);
    EXPECT_EQ(grown, c.grown) << c.pszName;
    EXPECT_EQ(m_clock.m_sleeps, std::vector<DWORD>(c.nSteps, 100 / c.nSteps)) << c.pszName;
  }
}

}  // namespace
