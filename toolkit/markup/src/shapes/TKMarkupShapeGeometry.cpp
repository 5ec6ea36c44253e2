// Line and ellipse arithmetic of the shape elements.
#include "TKMarkupShapeGeometry.h"

#include <math.h>

#include <algorithm>

#include <limits.h>

namespace {

LONG ExtentAlong(LONG nLow, LONG nHigh) {
  const long long nSpan = static_cast<long long>(nHigh) - nLow;
  const long long nExtent = std::max<long long>(nHigh, nSpan);
  return nExtent > INT_MAX ? INT_MAX : static_cast<LONG>(nExtent);
}

void StretchAxis(int& a, int& b, int nSize) {
  if (a == b) {
    a = b = nSize / 2;
  } else if (a > b) {
    a = nSize;
    b = 0;
  } else {
    a = 0;
    b = nSize;
  }
}

}  // namespace

SIZE MarkupBoundsExtent(const RECT& rcBounds) {
  return SIZE{ExtentAlong(rcBounds.left, rcBounds.right),
              ExtentAlong(rcBounds.top, rcBounds.bottom)};
}

TK_MARKUP_LINE_POINTS StretchMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nWidth,
                                        int nHeight) {
  TK_MARKUP_LINE_POINTS result = line;
  StretchAxis(result.x1, result.x2, nWidth);
  StretchAxis(result.y1, result.y2, nHeight);
  return result;
}

SIZE MeasureMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nStrokeThickness) {
  SIZE size = {std::max(line.x1, line.x2), std::max(line.y1, line.y2)};
  if (nStrokeThickness != 0) {
    // The pen reaches half its width beyond a straight line's axis.
    const int nHalf = static_cast<int>((static_cast<long long>(nStrokeThickness) + 1) / 2);
    if (line.x1 == line.x2) size.cx += nHalf;
    if (line.y1 == line.y2) size.cy += nHalf;
  }
  return size;
}

BOOL HitTestMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nThickness, int x, int y) {
  if (nThickness <= 0) return FALSE;
  const double g = nThickness * 0.5;
  const double dx = static_cast<double>(x) - line.x1, dy = static_cast<double>(y) - line.y1;
  const double ex = static_cast<double>(line.x2) - line.x1;
  const double ey = static_cast<double>(line.y2) - line.y1;
  if (dx + g < std::min(ex, 0.0) || dx - g > std::max(ex, 0.0)) return FALSE;
  if (dy + g < std::min(ey, 0.0) || dy - g > std::max(ey, 0.0)) return FALSE;
  if (ex == 0.0) return g >= fabs(dx);
  // Half the thickness measured vertically against the vertical distance.
  return fabs(g / cos(atan(ey / ex))) >= fabs(dx * ey / ex - dy);
}

BOOL HitTestMarkupEllipse(int nWidth, int nHeight, int x, int y) {
  if (nWidth <= 0 || nHeight <= 0) return TRUE;
  const double a = nWidth / 2, b = nHeight / 2;
  double dSum = 0.0;
  if (a > 0.0) dSum += (x - a) * (x - a) / (a * a);
  if (b > 0.0) dSum += (y - b) * (y - b) / (b * b);
  return dSum <= 1.0;
}
