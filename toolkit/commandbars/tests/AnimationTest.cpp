// The bar's kept picture and its fades, in pixels: a bar that paints its whole
// client area in one colour, a recorded timer, paints into a DIB surface.
#include <gtest/gtest.h>

#include <vector>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarAnimation.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const int kWidth = 120;
const int kHeight = 30;

class CColourBar : public CTKCommandBar {
 public:
  COLORREF m_color = RGB(255, 255, 255);
  std::vector<CRect> m_drawn;
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override {
    m_drawn.push_back(rcClipBox);
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(rc, m_color);
  }
};

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_host.CreateHost());
    m_pBar = new CColourBar;
    m_pBar->SetPaintManager(new CTestPaintManager);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, kWidth, kHeight,
                                 m_host.GetSafeHwnd(), NULL));
    m_pBar->EnableAnimation();
    m_pAnimation = m_pBar->GetAnimation();
  }
  void TearDown() override {
    if (m_pBar == nullptr) return;
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  /// A paint of `rc` (the whole bar by default) into a fresh surface.
  void Paint(CDibSurface& surface, CRect rc = CRect(0, 0, kWidth, kHeight)) {
    m_pAnimation->OnPaint(surface.GetDC(), rc);
  }
  /// Paints once in `first` so that the kept picture holds it, then changes
  /// the bar's colour to `second`.
  void KeepPicture(COLORREF first, COLORREF second) {
    m_pBar->m_color = first;
    CDibSurface surface(kWidth, kHeight);
    Paint(surface);
    m_pBar->m_color = second;
  }

  CRecordingSystem m_system;
  CTestHostWindow m_host;
  CColourBar* m_pBar = nullptr;
  CTKCommandBarAnimation* m_pAnimation = nullptr;
};

TEST(AnimationBlendTest, TheStepsBlendWithTheirWeights) {
  const int weights[] = {42, 85, 127, 170, 212};
  const BYTE newBytes[] = {255, 0, 200, 10};
  const BYTE oldBytes[] = {0, 255, 100, 250};
  for (int step = 1; step <= 5; ++step) {
    BYTE out[4];
    CTKCommandBarAnimation::BlendPixels(newBytes, oldBytes, out, 4, step);
    int a = weights[step - 1];
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ((newBytes[i] * a + oldBytes[i] * (255 - a)) >> 8, out[i]) << step << " " << i;
  }
}

TEST_F(AnimationTest, AFadeRunsFromTheOldColourToTheNewInSixSteps) {
  KeepPicture(RGB(0, 0, 0), RGB(255, 255, 255));
  CRect rc(10, 5, 40, 25);
  m_pAnimation->RedrawRect(rc, TRUE);
  ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
  EXPECT_EQ(1, m_system.CountStarted(CTKCommandBarAnimation::kTimerId, 50));
  EXPECT_EQ(2, m_pAnimation->GetAnimation(0)->nStep) << "step 1 is drawn at once";

  CDibSurface surface(kWidth, kHeight, RGB(1, 2, 3));
  const int expected[] = {84, 126, 169, 211, 255};
  for (int value : expected) {
    m_pAnimation->DrawAnimations(surface.GetDC());
    EXPECT_EQ(RGB(value, value, value), surface.GetPixel(20, 10)) << value;
    EXPECT_EQ(RGB(1, 2, 3), surface.GetPixel(5, 10)) << "only the rectangle fades";
  }
  EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
  EXPECT_EQ(1, m_system.CountKilled(CTKCommandBarAnimation::kTimerId));
}

TEST_F(AnimationTest, AnUnchangedLookMakesNoFadeAndNoTimer) {
  KeepPicture(RGB(0, 128, 0), RGB(0, 128, 0));
  m_pAnimation->RedrawRect(CRect(10, 5, 40, 25), TRUE);
  EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
  EXPECT_EQ(0, m_system.CountStarted(CTKCommandBarAnimation::kTimerId, 50));
}

TEST_F(AnimationTest, ARedrawOfALargerRectangleCancelsAFade) {
  struct Case {
    CRect rc;
    BOOL bAnimate;
    int nLeft;
  } cases[] = {
      {CRect(0, 0, 60, 30), FALSE, 0},
      {CRect(0, 0, 60, 30), TRUE, 1},  // the new fade alone
      {CRect(30, 0, 60, 30), FALSE, 1},
  };
  for (const Case& c : cases) {
    KeepPicture(RGB(0, 0, 0), RGB(255, 255, 255));
    m_pAnimation->RedrawRect(CRect(10, 5, 40, 25), TRUE);
    m_pBar->m_color = RGB(255, 0, 0);
    m_pAnimation->RedrawRect(c.rc, c.bAnimate);
    ASSERT_EQ(c.nLeft, m_pAnimation->GetAnimationCount()) << c.rc.left << c.bAnimate;
    if (c.nLeft == 1 && c.bAnimate) {
      EXPECT_EQ(c.rc, m_pAnimation->GetAnimation(0)->rc);
    }
    m_pAnimation->RemoveAll();
  }
}

TEST_F(AnimationTest, ANonAnimatedRedrawInsideAFadeIsNeverPaintedOver) {
  KeepPicture(RGB(0, 0, 0), RGB(255, 255, 255));
  m_pAnimation->RedrawRect(CRect(10, 5, 40, 25), TRUE);
  m_pBar->m_color = RGB(0, 0, 255);
  m_pAnimation->RedrawRect(CRect(30, 5, 50, 25), FALSE);
  ASSERT_EQ(1, m_pAnimation->GetAnimationCount());

  CDibSurface surface(kWidth, kHeight, RGB(0, 0, 255));
  while (m_pAnimation->GetAnimationCount() > 0) {
    m_pAnimation->DrawAnimations(surface.GetDC());
    EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(35, 10));
    EXPECT_NE(RGB(0, 0, 255), surface.GetPixel(20, 10));
  }
  // The kept picture holds both redraws.
  CDibSurface painted(kWidth, kHeight);
  Paint(painted, CRect(0, 0, 1, 1));
  EXPECT_EQ(RGB(255, 255, 255), painted.GetPixel(20, 10));
  EXPECT_EQ(RGB(0, 0, 255), painted.GetPixel(35, 10));
  EXPECT_EQ(RGB(0, 0, 0), painted.GetPixel(60, 10));
}

TEST_F(AnimationTest, AResizeDropsTheKeptPictureAndTheNextPaintDrawsEverything) {
  KeepPicture(RGB(0, 0, 0), RGB(0, 0, 0));
  CDibSurface again(kWidth, kHeight);
  m_pBar->m_drawn.clear();
  Paint(again, CRect(0, 0, 5, 5));
  EXPECT_TRUE(m_pBar->m_drawn.empty()) << "an unchanged bar paints from its picture";

  m_pBar->SetWindowPos(NULL, 0, 0, kWidth + 20, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  m_pBar->m_color = RGB(0, 200, 0);
  CDibSurface surface(kWidth + 20, kHeight);
  Paint(surface, CRect(0, 0, 5, 5));
  ASSERT_EQ(1u, m_pBar->m_drawn.size());
  EXPECT_EQ(CRect(0, 0, kWidth + 20, kHeight), m_pBar->m_drawn[0]);
  EXPECT_EQ(RGB(0, 200, 0), surface.GetPixel(kWidth + 10, 20));
}

TEST_F(AnimationTest, WithoutBufferingEachPaintDrawsItsRectangle) {
  m_pBar->EnableAnimation(FALSE);
  m_pBar->m_color = RGB(200, 0, 0);
  CDibSurface surface(kWidth, kHeight);
  Paint(surface, CRect(0, 0, 10, 10));
  EXPECT_FALSE(m_pAnimation->HasPicture());
  EXPECT_EQ(RGB(200, 0, 0), surface.GetPixel(5, 5));
  EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(50, 20));
  // A redraw without a picture only invalidates: no drawing, no fade.
  m_pBar->m_drawn.clear();
  m_pAnimation->RedrawRect(CRect(0, 0, 10, 10), TRUE);
  EXPECT_TRUE(m_pBar->m_drawn.empty());
  EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
}

TEST_F(AnimationTest, TheTimerMessageAdvancesTheFadesAndDestroyDropsThem) {
  KeepPicture(RGB(0, 0, 0), RGB(255, 255, 255));
  m_pAnimation->RedrawRect(CRect(10, 5, 40, 25), TRUE);
  m_pBar->SendMessage(WM_TIMER, CTKCommandBarAnimation::kTimerId, 0);
  EXPECT_EQ(3, m_pAnimation->GetAnimation(0)->nStep);
  m_pBar->DestroyWindow();
  EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
  EXPECT_FALSE(m_pAnimation->HasPicture());
}

}  // namespace
