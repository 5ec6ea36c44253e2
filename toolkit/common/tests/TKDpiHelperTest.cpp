// Scaling of design values at 96, 120 and 144 DPI (through the DPI seam), the
// rectangle, size and point forms, and a helper without a DC.
#include "common/TKDpiHelper.h"

#include <gtest/gtest.h>

namespace {

/// Sets the process-wide helper's DPI for one test and puts 96 back.
class DpiOverride {
 public:
  DpiOverride(int dpiX, int dpiY) { TKDpiHelper()->OverrideDpi(dpiX, dpiY); }
  ~DpiOverride() { TKDpiHelper()->OverrideDpi(96, 96); }
};

struct ScaleCase {
  int dpi;
  int value;
  int scaled;
};

class DpiScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DpiScale, ScalesBothAxesTheSame) {
  const ScaleCase& c = GetParam();
  DpiOverride dpi(c.dpi, c.dpi);
  EXPECT_EQ(c.scaled, TKDpiHelper()->ScaleX(c.value));
  EXPECT_EQ(c.scaled, TKDpiHelper()->ScaleY(c.value));
}

// Table entries (-256..256) and computed values agree on MulDiv's rounding.
INSTANTIATE_TEST_SUITE_P(Values, DpiScale,
                         ::testing::Values(ScaleCase{96, 7, 7}, ScaleCase{96, -300, -300},
                                           ScaleCase{72, 100, 100}, ScaleCase{120, 1, 1},
                                           ScaleCase{120, 2, 3}, ScaleCase{120, 4, 5},
                                           ScaleCase{120, -2, -3}, ScaleCase{120, 256, 320},
                                           ScaleCase{120, -256, -320}, ScaleCase{120, 257, 321},
                                           ScaleCase{120, 300, 375}, ScaleCase{120, -300, -375},
                                           ScaleCase{144, 100, 150}, ScaleCase{144, 3, 5},
                                           ScaleCase{144, -3, -5}, ScaleCase{97, 96, 97}));

struct UnscaleCase {
  int dpi;
  int value;
  int unscaled;
};

class DpiUnscale : public ::testing::TestWithParam<UnscaleCase> {};

TEST_P(DpiUnscale, TruncatesTowardsZero) {
  const UnscaleCase& c = GetParam();
  DpiOverride dpi(c.dpi, c.dpi);
  EXPECT_EQ(c.unscaled, TKDpiHelper()->UnscaleX(c.value));
  EXPECT_EQ(c.unscaled, TKDpiHelper()->UnscaleY(c.value));
}

INSTANTIATE_TEST_SUITE_P(Values, DpiUnscale,
                         ::testing::Values(UnscaleCase{96, 5, 5}, UnscaleCase{120, 3, 2},
                                           UnscaleCase{120, 5, 4}, UnscaleCase{120, -5, -4},
                                           UnscaleCase{144, 150, 100}, UnscaleCase{72, 5, 5}));

TEST(TKDpiHelper, TheDefaultDpiLeavesEverythingAsItIs) {
  for (int dpi : {96, 72}) {
    DpiOverride override(dpi, dpi);
    CTKDpiHelper* p = TKDpiHelper();
    EXPECT_TRUE(p->IsDefaultDpi());
    EXPECT_EQ(1.5f, p->ScaleXFloat(1.5f));
    EXPECT_EQ(2.25, p->ScaleYDouble(2.25));
    EXPECT_EQ(CRect(1, 2, 3, 4), p->ScaleRect(CRect(1, 2, 3, 4)));
    EXPECT_EQ(CSize(300, 5), p->ScaleSize(CSize(300, 5)));
  }
}

TEST(TKDpiHelper, IsDefaultAnswersPerAxis) {
  DpiOverride dpi(97, 96);
  EXPECT_FALSE(TKDpiHelper()->IsDefaultDpiX());
  EXPECT_TRUE(TKDpiHelper()->IsDefaultDpiY());
  EXPECT_FALSE(TKDpiHelper()->IsDefaultDpi());
  EXPECT_EQ(97, TKDpiHelper()->GetDpiX());
  EXPECT_EQ(96, TKDpiHelper()->GetDpiY());
}

TEST(TKDpiHelper, FloatingPointValuesScaleExactly) {
  DpiOverride dpi(144, 120);
  EXPECT_FLOAT_EQ(2.25f, TKDpiHelper()->ScaleXFloat(1.5f));
  EXPECT_FLOAT_EQ(1.875f, TKDpiHelper()->ScaleYFloat(1.5f));
  EXPECT_DOUBLE_EQ(3.0, TKDpiHelper()->ScaleXDouble(2.0));
  EXPECT_DOUBLE_EQ(2.5, TKDpiHelper()->ScaleYDouble(2.0));
}

TEST(TKDpiHelper, TheDesignDpiOnlyDecidesWhetherToScale) {
  DpiOverride dpi(144, 144);
  // The backstage view's icons are designed at 120: scaled by 144 / 96.
  EXPECT_EQ(15, TKDpiHelper()->ScaleX(10, 120));
  EXPECT_EQ(10, TKDpiHelper()->ScaleX(10, 144));
  EXPECT_EQ(10, TKDpiHelper()->UnscaleX(10, 200));
}

TEST(TKDpiHelper, RectanglesSizesAndPointsGoThroughTheirAxis) {
  DpiOverride dpi(120, 144);
  CTKDpiHelper* p = TKDpiHelper();
  const CRect design(4, 2, 8, 10);
  const CRect scaled(5, 3, 10, 15);
  EXPECT_EQ(scaled, p->ScaleRect(design));
  EXPECT_EQ(design, p->UnscaleRect(scaled));
  CRect inPlace = design;
  p->ScaleRectInPlace(inPlace);
  EXPECT_EQ(scaled, inPlace);
  p->UnscaleRectInPlace(inPlace);
  EXPECT_EQ(design, inPlace);
  CRect copy, to, asRect;
  p->ScaledRectCopy(copy, design);
  p->ScaleRectTo(to, design);
  p->ScaleRectAsRECT(&asRect, design);
  EXPECT_EQ(scaled, copy);
  EXPECT_EQ(scaled, to);
  EXPECT_EQ(scaled, asRect);
  p->UnscaledRectCopy(copy, scaled);
  p->UnscaleRectTo(to, scaled);
  p->UnscaleRectAsRECT(&asRect, scaled);
  EXPECT_EQ(design, copy);
  EXPECT_EQ(design, to);
  EXPECT_EQ(design, asRect);

  EXPECT_EQ(CSize(5, 15), p->ScaleSize(CSize(4, 10)));
  EXPECT_EQ(CPoint(5, 15), p->ScalePoint(CPoint(4, 10)));
  EXPECT_EQ(CSize(4, 10), p->UnscaleSize(CSize(5, 15)));
  EXPECT_EQ(CSize(4, 10), p->UnscaleSizeTo(CSize(5, 15)));
  EXPECT_EQ(CSize(5, 15), p->ScaledSizeValue(CSize(4, 10)));
  EXPECT_EQ(CPoint(4, 10), p->UnscaledSizeValue(CPoint(5, 15)));
  CSize size(4, 10);
  p->ScaleSizeInPlace(size);
  EXPECT_EQ(CSize(5, 15), size);
  CPoint pt;
  p->ScaledSizeCopy(pt, CPoint(4, 10));
  EXPECT_EQ(CPoint(5, 15), pt);
  p->UnscaledSizeCopy(size, CSize(5, 15));
  EXPECT_EQ(CSize(4, 10), size);
}

TEST(TKDpiHelper, AHelperReadsItsDcOnceOnFirstUse) {
  CTKDpiHelper helper;  // the screen of the test run
  HDC screen = ::GetDC(NULL);
  int expected = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(NULL, screen);
  EXPECT_EQ(expected, helper.GetDpiX());
  EXPECT_EQ(::MulDiv(200, expected, 96) > 200 ? ::MulDiv(200, expected, 96) : 200,
            helper.ScaleX(200));
}

TEST(TKDpiHelper, WithoutADcNothingIsScaled) {
  HWND gone = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, gone);
  ::DestroyWindow(gone);
  CTKDpiHelper helper(gone);
  EXPECT_EQ(0, helper.GetDpiX());
  EXPECT_EQ(0, helper.GetDpiY());
  EXPECT_EQ(300, helper.ScaleX(300));
  EXPECT_EQ(-2, helper.ScaleY(-2));
  EXPECT_EQ(7, helper.UnscaleX(7));
  EXPECT_TRUE(helper.IsDefaultDpi());
}

}  // namespace
