// The tooltip window: how it cuts text into lines, its size and place at an
// anchor, when it lays out again, its font, and its picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "uilib/TooltipWindow.h"

namespace {

CWinApp theApp("VelmTooltipWindowTest");

/// Shows at once (no fade) and opens the picture to the test.
class CTestTooltip : public CTooltipWindow {
 public:
  CTestTooltip() { m_bFade = 0; }
  using CTooltipWindow::PaintContent;
};

class TooltipWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(300, 200));
    m_tooltip.m_pOwnerWindow = &m_host;
    ASSERT_TRUE(m_tooltip.Create());
  }
  CRect Shown(std::vector<const char*> lines, POINT anchor, bool above) {
    m_tooltip.Show(false);
    m_tooltip.RemoveAllLines();
    for (const char* line : lines) m_tooltip.AddText(line);
    m_tooltip.ShowAt(anchor, above);
    CRect rect;
    m_tooltip.GetWindowRect(&rect);
    return rect;
  }

  CTestHostWindow m_host;
  CTestTooltip m_tooltip;
};

TEST(TooltipWindowLines, LongTextsAreCutIntoLinesOf61Characters) {
  const struct {
    int length;
    std::vector<int> lines;
  } cases[] = {{0, {0}}, {60, {60}}, {61, {61}}, {122, {61, 61}}, {130, {61, 61, 8}}};
  for (const auto& c : cases) {
    CTooltipWindow tooltip;
    std::string text;
    for (int i = 0; i < c.length; ++i) text += static_cast<char>('a' + i % 26);
    EXPECT_TRUE(tooltip.AddText(text.c_str()));
    std::vector<int> lengths;
    std::string joined;
    for (int i = 0; i < tooltip.GetLineCount(); ++i) {
      lengths.push_back(tooltip.GetLine(i).GetLength());
      joined += tooltip.GetLine(i).GetText();
    }
    EXPECT_EQ(c.lines, lengths) << c.length;
    EXPECT_EQ(text, joined) << c.length;
  }
}

TEST(TooltipWindowLines, ACharacterOutsideAsciiSwitchesTheFace) {
  CTooltipWindow tooltip;
  tooltip.AddText("plain");
  EXPECT_STREQ("Tahoma", tooltip.GetFaceName());
  tooltip.AddText("caf\xe9");
  EXPECT_STREQ("MS Mincho", tooltip.GetFaceName());
}

TEST_F(TooltipWindowTest, AnEmptyLineAdds11PixelsAndNoWidth) {
  const CRect one = Shown({"abc"}, {100, 100}, false);
  const CRect two = Shown({"", "abc"}, {100, 100}, false);
  EXPECT_EQ(one.Height() + 11, two.Height());
  EXPECT_EQ(one.Width(), two.Width());
  EXPECT_GT(one.Width(), 10);
}

TEST_F(TooltipWindowTest, BelowItStartsAtTheAnchorAboveItEndsThere) {
  const CRect below = Shown({"some text"}, {120, 80}, false);
  EXPECT_EQ(CPoint(120, 80), below.TopLeft());
  const CRect above = Shown({"some text"}, {120, 80}, true);
  EXPECT_EQ(80, above.bottom);
  EXPECT_EQ(120, above.left);
  EXPECT_EQ(below.Size(), above.Size());
  EXPECT_TRUE(m_tooltip.IsShown());
}

TEST_F(TooltipWindowTest, ShowingAtTheSameAnchorLaysOutOnceUntilItWasHidden) {
  m_tooltip.AddText("text");
  m_tooltip.ShowAt({50, 60}, false);
  m_tooltip.ShowAt({50, 60}, false);
  EXPECT_EQ(1, m_tooltip.GetLayoutCount());
  m_tooltip.ShowAt({51, 60}, false);
  EXPECT_EQ(2, m_tooltip.GetLayoutCount());
  m_tooltip.Show(false);
  EXPECT_FALSE(m_tooltip.IsShown());
  m_tooltip.ShowAt({51, 60}, false);
  EXPECT_EQ(3, m_tooltip.GetLayoutCount());
}

TEST_F(TooltipWindowTest, PaintsAGradientInsideAGreyRoundedFrameWithWhiteCorners) {
  m_tooltip.AddText("text");
  CDibSurface surface(120, 40, RGB(0, 0, 0));
  const RECT client = {0, 0, 120, 40};
  m_tooltip.PaintContent(surface.GetSafeHdc(), client);
  for (POINT corner : {POINT{0, 0}, POINT{119, 0}, POINT{0, 39}, POINT{119, 39}, POINT{2, 0},
                       POINT{0, 2}, POINT{117, 39}, POINT{119, 37}})
    EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(corner.x, corner.y)) << corner.x << "," << corner.y;
  EXPECT_EQ(CTooltipWindow::kFrameColor, surface.GetPixel(60, 0));
  EXPECT_EQ(CTooltipWindow::kFrameColor, surface.GetPixel(0, 20));
  // Near white at the top, near the gradient's end at the bottom.
  const COLORREF top = surface.GetPixel(100, 1), bottom = surface.GetPixel(100, 38);
  EXPECT_GE(GetBValue(top), 250);
  EXPECT_GE(GetRValue(top), 250);
  EXPECT_LE(GetRValue(bottom), 232);
  EXPECT_GT(GetBValue(bottom), GetRValue(bottom));
  // Dark text from x = 5, none left of it.
  auto darkPixels = [&](int left, int right) {
    int dark = 0;
    for (int y = 5; y < 20; ++y)
      for (int x = left; x < right; ++x) dark += GetGValue(surface.GetPixel(x, y)) < 128 ? 1 : 0;
    return dark;
  };
  EXPECT_GT(darkPixels(5, 60), 0);
  EXPECT_EQ(0, darkPixels(1, 5));
}

}  // namespace
