// Layout, columns and scrolling of the column view.
#include <gtest/gtest.h>

#include "SupportColumnView.h"

namespace {

class ColumnViewLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_fixture.Create(&m_view)); }

  bool VerticalBarShown() { return m_view.GetVerticalScrollBar()->IsWindowEnabled() != FALSE; }
  bool HorizontalBarShown() { return m_view.GetHorizontalScrollBar()->IsWindowEnabled() != FALSE; }
  void Paint() {
    CDibSurface surface(400, 200);
    m_view.PaintTo(&surface);
  }

  CTestColumnView m_view;
  CColumnViewFixture m_fixture;
};

TEST_F(ColumnViewLayoutTest, OneRowMoreThanFitsShowsTheVerticalBarAndNarrowsTheRows) {
  CRect rows;
  m_view.GetRowsRect(&rows, true);
  int fitting = rows.Height() / kColumnViewLineHeight;
  m_view.AddRows(fitting - 2);
  m_view.RecalcLayout();
  EXPECT_FALSE(VerticalBarShown());
  CRect before;
  m_view.GetRowsRect(&before, false);
  EXPECT_EQ(400, before.Width());
  int lastBefore = m_view.GetColumnWidth(2);

  m_view.AddRows(3);
  m_view.RecalcLayout();
  EXPECT_TRUE(VerticalBarShown());
  CRect after;
  m_view.GetRowsRect(&after, false);
  CRect bar;
  m_view.GetVerticalScrollBar()->GetWindowRect(&bar);
  int barWidth = bar.Width();
  ASSERT_GT(barWidth, 0);
  EXPECT_EQ(400 - barWidth, after.Width());
  EXPECT_EQ(after.Width(), m_view.GetTotalColumnWidth()) << "the last column is fitted again";
  EXPECT_EQ(lastBefore - barWidth, m_view.GetColumnWidth(2));
}

TEST_F(ColumnViewLayoutTest, AWideColumnShowsTheHorizontalBarAndArrowsScroll50Pixels) {
  m_view.AddRows(3);
  m_view.RecalcLayout();
  EXPECT_FALSE(HorizontalBarShown());
  EXPECT_EQ(0, m_view.m_nHorizontalOffset);
  m_view.SetColumnWidth(1, 600);
  EXPECT_TRUE(HorizontalBarShown());
  m_view.SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(50, m_view.m_nHorizontalOffset);
  m_view.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 120));
  EXPECT_EQ(120, m_view.m_nHorizontalOffset);
  CRect header;
  m_view.GetHeader()->GetWindowRect(&header);
  m_view.ScreenToClient(&header);
  EXPECT_EQ(-120, header.left);
  EXPECT_EQ(m_view.GetHeader()->m_headerRect.right - m_view.GetHeader()->m_headerRect.left + 120,
            header.Width());
  m_view.SendMessage(WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(70, m_view.m_nHorizontalOffset);
}

TEST_F(ColumnViewLayoutTest, A100000RowListScrollsInStepsOf4AndTheThumbEndShowsTheLastRows) {
  m_view.AddRows(100000);
  m_view.UpdateScrollBars();
  EXPECT_EQ(4, m_view.m_nVerticalScale);
  int low = 0, high = 0;
  m_view.GetVerticalScrollBar()->GetScrollRange(&low, &high);
  EXPECT_LE(high, 30000);
  m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, high));
  Paint();
  EXPECT_EQ(99999, m_view.m_nLastVisible);
}

TEST_F(ColumnViewLayoutTest, EnsureVisibleCentresAFarRowAndLeavesAVisibleOne) {
  m_view.AddRows(200);
  m_view.UpdateScrollBars();
  Paint();
  int visible = m_view.m_nLastVisible - m_view.m_nFirstVisible;
  EXPECT_FALSE(m_view.EnsureVisible(2));
  EXPECT_EQ(0, m_view.m_nFirstVisible);
  EXPECT_TRUE(m_view.EnsureVisible(150));
  Paint();
  int middle = (m_view.m_nFirstVisible + m_view.m_nLastVisible) / 2;
  EXPECT_NEAR(150, middle, 1);
  EXPECT_NEAR(visible, m_view.m_nLastVisible - m_view.m_nFirstVisible, 1);
}

TEST_F(ColumnViewLayoutTest, AWheelNotchScrolls10RowsAndStopsWithTheLastRowAtTheBottom) {
  m_view.AddRows(25);
  m_view.UpdateScrollBars();
  Paint();
  m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA));
  EXPECT_EQ(10, m_view.m_nFirstVisible);
  for (int i = 0; i < 5; ++i) m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA));
  Paint();
  EXPECT_EQ(24, m_view.m_nLastVisible);
  CRect rows;
  m_view.GetRowsRect(&rows, true);
  EXPECT_LE(m_view.GetEntryAt(24)->GetRowRect().bottom, rows.bottom);
  int first = m_view.m_nFirstVisible;
  m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA));
  EXPECT_EQ(first - 10, m_view.m_nFirstVisible);
}

TEST_F(ColumnViewLayoutTest, ColumnsTakeTheirWidthsFromTheHeader) {
  EXPECT_FALSE(m_view.AddColumn("", 0));
  EXPECT_EQ(3, m_view.GetHeader()->GetItemCount());
  CTestColumnView fresh;
  fresh.m_nColumns = 0;
  CColumnViewFixture fixture;
  ASSERT_TRUE(fixture.Create(&fresh));
  ASSERT_TRUE(fresh.AddColumn("A", 0));
  EXPECT_EQ(50, fresh.GetColumnWidth(0));
  ASSERT_TRUE(fresh.AddColumn("B", 0));
  ASSERT_TRUE(fresh.AddColumn("C", 0));
  fresh.m_bLayoutGuard = true;
  fresh.GetHeader()->SetMinColumnWidth(0);
  fresh.SetColumnWidth(0, 100);
  fresh.SetColumnWidth(1, 0);
  fresh.SetColumnWidth(2, 80);
  fresh.GetColumn(1)->m_rect = CRect(7, 0, 9, 20);
  ASSERT_TRUE(fresh.UpdateColumnRects());
  EXPECT_EQ(CRect(0, 0, 100, 20), CRect(fresh.GetColumn(0)->m_rect));
  EXPECT_EQ(CRect(7, 0, 9, 20), CRect(fresh.GetColumn(1)->m_rect)) << "kept, takes no room";
  EXPECT_EQ(CRect(100, 0, 180, 20), CRect(fresh.GetColumn(2)->m_rect));
  EXPECT_EQ(180, fresh.GetTotalColumnWidth());
}

TEST_F(ColumnViewLayoutTest, AutoSizingAnEmptyListWidensToTheTitleButNeverNarrows) {
  m_view.m_bLayoutGuard = true;
  int title = m_view.MeasureColumnTitleWidth(0);
  ASSERT_GT(title, 31);
  m_view.SetColumnWidth(0, 10);
  EXPECT_TRUE(m_view.AutoSizeColumn(0));
  EXPECT_EQ(title, m_view.GetColumnWidth(0));
  m_view.SetColumnWidth(0, 300);
  EXPECT_FALSE(m_view.AutoSizeColumn(0));
  EXPECT_EQ(300, m_view.GetColumnWidth(0));
  SIZE extent = {};
  CClientDC dc(m_view.GetHeader());
  CFont* old = dc.SelectObject(CFont::FromHandle(
      reinterpret_cast<HFONT>(m_view.GetHeader()->SendMessage(WM_GETFONT))));
  ::GetTextExtentPoint32A(dc.m_hDC, "Name", 4, &extent);
  dc.SelectObject(old);
  EXPECT_EQ(extent.cx + 31, title);
}

}  // namespace
