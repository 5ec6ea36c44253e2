#include <afx.h>

#include <gtest/gtest.h>

namespace {

TEST(RectTest, MeasuresAndTests) {
  CRect r(10, 20, 40, 60);
  EXPECT_EQ(r.Width(), 30);
  EXPECT_EQ(r.Height(), 40);
  EXPECT_EQ(r.Size(), CSize(30, 40));
  EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
  EXPECT_EQ(r.BottomRight(), CPoint(40, 60));
  EXPECT_EQ(r.CenterPoint(), CPoint(25, 40));
  EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(r.PtInRect(CPoint(40, 20)));  // right edge is outside
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
  EXPECT_TRUE(CRect().IsRectNull());
  r.TopLeft().x = 0;
  EXPECT_EQ(r.left, 0);
}

TEST(RectTest, MovesAndResizes) {
  struct Case {
    CRect got;
    CRect expected;
  } cases[] = {
      {CRect(0, 0, 10, 10) + CPoint(5, 6), CRect(5, 6, 15, 16)},
      {CRect(0, 0, 10, 10) - CSize(1, 2), CRect(-1, -2, 9, 8)},
      {[] {
         CRect r(0, 0, 10, 10);
         r.InflateRect(2, 3);
         return r;
       }(),
       CRect(-2, -3, 12, 13)},
      {[] {
         CRect r(0, 0, 10, 10);
         r.DeflateRect(1, 2, 3, 4);
         return r;
       }(),
       CRect(1, 2, 7, 6)},
      {[] {
         CRect r(10, 10, 0, 0);
         r.NormalizeRect();
         return r;
       }(),
       CRect(0, 0, 10, 10)},
      {[] {
         CRect r(0, 0, 10, 10);
         r.MoveToXY(5, 5);
         return r;
       }(),
       CRect(5, 5, 15, 15)},
      {CRect(0, 0, 10, 10) & CRect(5, 5, 20, 20), CRect(5, 5, 10, 10)},
      {CRect(0, 0, 10, 10) & CRect(20, 20, 30, 30), CRect()},
      {CRect(0, 0, 10, 10) | CRect(5, 5, 20, 20), CRect(0, 0, 20, 20)},
      {CRect(0, 0, 10, 10) | CRect(), CRect(0, 0, 10, 10)},
      {CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6)},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.got == c.expected)
        << c.got.left << "," << c.got.top << "," << c.got.right << "," << c.got.bottom;
  }
  EXPECT_TRUE(CRect(1, 2, 3, 4) != CRect(1, 2, 3, 5));
}

TEST(RectTest, PointAndSizeArithmetic) {
  EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
  EXPECT_EQ(CPoint(5, 7) + CSize(1, 1), CPoint(6, 8));
  EXPECT_EQ(-CPoint(1, -2), CPoint(-1, 2));
  EXPECT_EQ(CPoint(MAKELPARAM(-5, 9)), CPoint(-5, 9));
  CSize s(2, 3);
  s += CSize(1, 1);
  EXPECT_EQ(s, CSize(3, 4));
  RECT raw;
  CRect r(1, 2, 3, 4);
  CopyRect(&raw, r);  // converts to LPCRECT
  EXPECT_EQ(raw.bottom, 4);
}

}  // namespace
