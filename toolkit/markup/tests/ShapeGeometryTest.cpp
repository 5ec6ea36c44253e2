// Line and ellipse arithmetic: stretched end points, the size a line wants,
// and hit tests, including the degenerate sizes that must not divide by zero.
#include <gtest/gtest.h>

#include <limits.h>

#include "TKMarkupShapeGeometry.h"

namespace {

TEST(ShapeGeometry, BoundsReachFromTheOrigin) {
  struct Case {
    RECT bounds;
    LONG cx, cy;
  };
  const Case cases[] = {
      {{10, 10, 30, 40}, 30, 40},
      {{-10, -20, 5, -5}, 15, 15},  // at negative coordinates: their own size
      {{0, 0, 0, 0}, 0, 0},
      {{INT_MIN, -5, INT_MAX, 5}, INT_MAX, 10},
  };
  for (const Case& c : cases) {
    const SIZE size = MarkupBoundsExtent(c.bounds);
    EXPECT_EQ(size.cx, c.cx);
    EXPECT_EQ(size.cy, c.cy);
  }
}

TEST(ShapeGeometry, StretchedLines) {
  struct Case {
    TK_MARKUP_LINE_POINTS line;
    int w, h;
    TK_MARKUP_LINE_POINTS expected;
  };
  const Case cases[] = {
      {{0, 0, 50, 0}, 200, 20, {0, 10, 200, 10}},  // flat: the middle of the height
      {{50, 7, 0, 3}, 200, 20, {200, 20, 0, 0}},   // the larger end goes to the size
      {{4, 4, 4, 4}, 9, 5, {4, 2, 4, 2}},          // a point: the middle, halves truncated
      {{-5, 0, -9, 10}, 30, 30, {30, 0, 0, 30}},
  };
  for (const Case& c : cases) {
    const TK_MARKUP_LINE_POINTS r = StretchMarkupLine(c.line, c.w, c.h);
    EXPECT_EQ(r.x1, c.expected.x1);
    EXPECT_EQ(r.y1, c.expected.y1);
    EXPECT_EQ(r.x2, c.expected.x2);
    EXPECT_EQ(r.y2, c.expected.y2);
  }
}

TEST(ShapeGeometry, LinesMeasureToTheirFarEndAndTheirPen) {
  struct Case {
    TK_MARKUP_LINE_POINTS line;
    int thickness;  // 0: no stroke brush
    LONG cx, cy;
  };
  const Case cases[] = {
      {{0, 10, 100, 10}, 3, 100, 12},  // horizontal: half the pen, rounded up
      {{0, 10, 100, 10}, 0, 100, 10},  // no stroke brush
      {{7, 0, 7, 30}, 4, 9, 30},       // vertical
      {{5, 5, 5, 5}, 1, 6, 6},         // a point grows both ways
      {{0, 0, 40, 30}, 9, 40, 30},     // slanted lines do not grow
      {{-20, -5, -10, -30}, 2, -10, -5},
  };
  for (const Case& c : cases) {
    const SIZE size = MeasureMarkupLine(c.line, c.thickness);
    EXPECT_EQ(size.cx, c.cx);
    EXPECT_EQ(size.cy, c.cy);
  }
}

TEST(ShapeGeometry, LineHitTests) {
  struct Case {
    TK_MARKUP_LINE_POINTS line;
    int thickness;
    int x, y;
    bool hit;
  };
  const Case cases[] = {
      {{0, 0, 100, 100}, 4, 50, 49, true},    // 1 pixel off a diagonal
      {{0, 0, 100, 100}, 4, 50, 47, false},   // 3 pixels off
      {{0, 0, 100, 100}, 4, 101, 101, true},  // within half the pen past the end
      {{0, 0, 100, 100}, 4, 103, 103, false},
      {{10, 0, 10, 50}, 3, 11, 25, true},  // vertical: across is along x
      {{10, 0, 10, 50}, 3, 12, 25, false},
      {{100, 20, 0, 20}, 2, 50, 21, true},  // drawn right to left
      {{100, 20, 0, 20}, 2, 50, 22, false},
      {{0, 0, 100, 100}, 0, 50, 50, false},  // no pen, no hit
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HitTestMarkupLine(c.line, c.thickness, c.x, c.y) != FALSE, c.hit)
        << "(" << c.x << ", " << c.y << ")";
  }
}

TEST(ShapeGeometry, EllipseHitTests) {
  struct Case {
    int w, h, x, y;
    bool hit;
  };
  const Case cases[] = {
      {100, 50, 50, 25, true},
      {100, 50, 99, 25, true},
      {100, 50, 95, 5, false},
      {100, 50, 0, 0, false},
      {0, 50, 3, 3, true},
      {100, -1, 3, 3, true},
      // One pixel across: only the other axis is compared.
      {1, 50, 0, 25, true},
      {1, 50, 0, 0, true},
      {1, 50, 0, 51, false},
      {40, 1, 20, 0, true},
      {40, 1, 41, 0, false},
      {1, 1, 0, 0, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HitTestMarkupEllipse(c.w, c.h, c.x, c.y) != FALSE, c.hit)
        << c.w << " x " << c.h << " at (" << c.x << ", " << c.y << ")";
  }
}

}  // namespace
