// Painting and fitting of the column view: shortened and wrapped cells, the
// find box, the disabled background, the image area and the border.
#include <gtest/gtest.h>

#include "SupportColumnView.h"
#include "uilib/UIUtilities.h"

namespace {

class ColumnViewPaintTest : public ::testing::Test {
 protected:
  void Make(bool wrap = false, int images = 0) {
    m_view.m_bWrap = wrap;
    m_view.m_nImages = images;
    ASSERT_TRUE(m_fixture.Create(&m_view));
    m_view.m_bLayoutGuard = true;  // widths below stay as set
    m_view.SetColumnWidth(0, 120);
    m_view.SetColumnWidth(1, 100);
    m_view.SetColumnWidth(2, 100);
    m_view.UpdateColumnRects();
  }

  int TextWidth(const char* text) {
    SIZE size = {};
    m_view.GetTextExtent(text, &size);
    return size.cx;
  }

  // Leftmost x of a drawn (not white) pixel in the surface's rows y0..y1, or -1.
  static int LeftmostDark(CDibSurface& surface, int y0, int y1) {
    for (int x = 0; x < surface.GetWidth(); ++x)
      for (int y = y0; y < y1; ++y)
        if (surface.GetPixel(x, y) != RGB(255, 255, 255)) return x;
    return -1;
  }

  CTestColumnView m_view;
  CColumnViewFixture m_fixture;
};

TEST_F(ColumnViewPaintTest, ATooWideCellEndsWithDotsAfterOneCharacterMoreThanFits) {
  Make();
  const char* text = "abcdefghijklmnopqrstuvwxyz0123456789";
  CClientDC dc(&m_view);
  CNativeDisplayControl::CDrawScope scope(&m_view, &dc);
  int width = 80;
  int dots = TextWidth("...");
  int counted = 0, sum = 0;
  for (; text[counted] != '\0'; ++counted) {
    char one[2] = {text[counted], 0};
    if (sum + TextWidth(one) + dots > width - 4) break;
    sum += TextWidth(one);
  }
  CTesselString fitted(text);
  EXPECT_TRUE(m_view.FitTextToWidth(fitted, width));
  std::string expected = std::string(text, counted + 1) + "...";
  EXPECT_EQ(expected, fitted.GetText());

  CTesselString shortText("abc");
  EXPECT_FALSE(m_view.FitTextToWidth(shortText, width));
  EXPECT_STREQ("abc", shortText.GetText());
}

TEST_F(ColumnViewPaintTest, CellsAreFittedToTheirColumnWidthLessThePadding) {
  Make();
  // Column 1 is 100 wide: 90 for the text. Column 0 loses 32 to the image area.
  std::string fits = "W";
  while (TextWidth((fits + "W").c_str()) <= 100 - 10 - 2) fits += "W";
  std::string tooWide = fits + "WW";
  CColumnViewControlEntry* row = m_view.AddRow({fits.c_str(), fits.c_str(), tooWide.c_str()});
  m_view.FitEntriesToColumns();
  EXPECT_STREQ(fits.c_str(), row->GetFittedText(1)->GetLine(0).GetText());
  std::string wide = row->GetFittedText(2)->GetLine(0).GetText();
  EXPECT_EQ("...", wide.substr(wide.size() - 3));
  std::string first = row->GetFittedText(0)->GetLine(0).GetText();
  EXPECT_LE(TextWidth(first.c_str()), 120 - 32 + TextWidth("W")) << first;
}

TEST_F(ColumnViewPaintTest, WrappedCellsMakeRowsTallerAndEmptyCellsAddNoLine) {
  Make(true);
  // A line takes characters until their widths pass 90, the one that passes included.
  int perLine = (100 - 10) / TextWidth("W") + 1;
  std::string text(2 * perLine + 1, 'W');
  CColumnViewControlEntry* row = m_view.AddRow({"a", text.c_str(), ""});
  m_view.FitEntriesToColumns();
  EXPECT_EQ(0, row->GetFittedText(2)->GetLineCount());
  EXPECT_EQ(3, row->GetFittedText(1)->GetLineCount());
  EXPECT_EQ(54, row->ComputeRowHeight());
  std::string joined;
  for (int k = 0; k < 3; ++k) joined += row->GetFittedText(1)->GetLine(k).GetText();
  EXPECT_EQ(text, joined);
}

TEST_F(ColumnViewPaintTest, TheFindBoxIsCyanAndADisabledViewIsGreyish) {
  Make();
  m_view.AddRow({"alpha", "needle", "x"});
  m_view.AddRow({"beta", "hay", "y"});
  int row = 0, column = 0;
  ASSERT_TRUE(m_view.FindTextForward("needle", &row, &column, true));
  CDibSurface surface(400, 200, RGB(0, 0, 0));
  m_view.PaintTo(&surface);
  const RECT& cell = m_view.GetColumn(1)->m_rect;
  const RECT& rowRect = m_view.GetEntryAt(0)->GetRowRect();
  CRect box(cell.left + 2, rowRect.top + 1, cell.right - 2, rowRect.bottom - 5);
  EXPECT_GT(surface.CountPixels(box, RGB(0, 255, 255)), box.Width() * box.Height() / 2);
  EXPECT_EQ(RGB(255, 255, 255), surface.GetPixel(300, 150));

  m_view.EnableWindow(FALSE);
  m_view.PaintTo(&surface);
  EXPECT_EQ(RGB(238, 238, 244), surface.GetPixel(300, 150));
}

TEST_F(ColumnViewPaintTest, TheImageAreaMovesTheFirstTextEvenWithoutAnImage) {
  Make(false, 1);
  CColumnViewControlEntry* plain = m_view.AddRow({"Iota", "", ""});
  CColumnViewControlEntry* pictured = m_view.AddRow({"Iota", "", ""});
  pictured->m_nImage = 1;
  CDibSurface surface(400, 200);
  m_view.PaintTo(&surface);
  const RECT& first = plain->GetRowRect();
  const RECT& second = pictured->GetRowRect();
  EXPECT_EQ(0, surface.CountPixels(CRect(0, first.top, 40, first.bottom), RGB(255, 0, 0)));
  EXPECT_GT(surface.CountPixels(CRect(0, second.top, 40, second.bottom), RGB(255, 0, 0)), 100);

  CTestColumnView noImages;
  CColumnViewFixture fixture;
  ASSERT_TRUE(fixture.Create(&noImages));
  noImages.m_bLayoutGuard = true;
  noImages.SetColumnWidth(0, 120);
  noImages.UpdateColumnRects();
  noImages.AddRow({"Iota", "", ""});
  CDibSurface other(400, 200);
  noImages.PaintTo(&other);
  const RECT& bare = noImages.GetEntryAt(0)->GetRowRect();
  int without = LeftmostDark(other, bare.top, bare.bottom);
  int with = LeftmostDark(surface, first.top, first.bottom);
  ASSERT_GE(without, 0);
  EXPECT_EQ(without + 21, with);
}

// Blue with the focus, grey without; the caret's band only on an unselected
// row of a focused view. Rows without text show the band alone.
TEST_F(ColumnViewPaintTest, RowBandsAreTheStandardGradientsPixelForPixel) {
  m_view.m_nColumns = 1;
  Make();
  m_view.AddRow({""});
  m_view.AddRow({""});
  m_view.AddRow({""});
  m_view.m_nCaret = 1;
  m_view.SetFocus();
  if (::GetFocus() != m_view.m_hWnd) GTEST_SKIP() << "the hidden host cannot take the focus";
  CTesselList tables[3];
  ASSERT_TRUE(BuildStandardRowGradients(&tables[0], &tables[1], &tables[2]));
  enum { kSelected, kCaret, kInactive, kNone };
  struct Case {
    bool focus;
    bool selected;
    int band;
  } cases[] = {
      {true, false, kCaret},
      {false, false, kNone},
      {true, true, kSelected},
      {false, true, kInactive},
  };
  for (const Case& c : cases) {
    m_view.GetEntryAt(1)->m_bSelected = c.selected;
    if (c.focus)
      m_view.SetFocus();
    else
      ::SetFocus(NULL);
    CDibSurface painted(400, 200);
    m_view.PaintTo(&painted);
    const RECT& row = m_view.GetEntryAt(1)->GetRowRect();
    CRect band(22, row.top - 2, 120 - 2, row.bottom - 2);
    CDibSurface expected(400, 200);
    if (c.band != kNone)
      ASSERT_TRUE(DrawGradientBand(expected.GetSafeHdc(), band.left, band.top, band.right,
                                   band.bottom, &tables[c.band]));
    // The band and a few pixels around it, rows 0 and 2 included.
    int mismatches = 0;
    for (int y = band.top - 20; y < band.bottom + 20; ++y)
      for (int x = 0; x < 200; ++x)
        if (painted.GetPixel(x, y) != expected.GetPixel(x, y)) ++mismatches;
    EXPECT_EQ(0, mismatches) << c.focus << c.selected;
  }
  for (CTesselList& table : tables) ClearGradientColors(&table);
}

TEST_F(ColumnViewPaintTest, TheBorderHasWhiteSidesWithTheTopAndBottomFlag) {
  struct Case {
    bool topAndBottom;
    COLORREF side;
  } cases[] = {{false, kDisplayBorderColor}, {true, RGB(255, 255, 255)}};
  for (const Case& c : cases) {
    CTestHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 100));
    CTestColumnView view;
    view.m_bTopAndBottomBorder = c.topAndBottom;
    ASSERT_TRUE(view.CreateControl(&host));
    view.FitToParent();
    EXPECT_TRUE(view.GetStyle() & WS_BORDER);
    CDibSurface surface(200, 100, RGB(0, 0, 0));
    view.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()), PRF_NONCLIENT);
    EXPECT_EQ(kDisplayBorderColor, surface.GetPixel(100, 0)) << c.topAndBottom;
    EXPECT_EQ(kDisplayBorderColor, surface.GetPixel(100, 99)) << c.topAndBottom;
    EXPECT_EQ(c.side, surface.GetPixel(0, 50)) << c.topAndBottom;
    EXPECT_EQ(c.side, surface.GetPixel(199, 50)) << c.topAndBottom;
  }
}

}  // namespace
