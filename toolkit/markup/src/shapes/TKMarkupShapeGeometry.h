// The arithmetic of the line and ellipse shapes, apart from the elements:
// where a stretched line runs, how big a line wants to be, and whether a
// point hits a line or an ellipse. Sizes and coordinates are device pixels.
#pragma once

#include <windows.h>

/// The two end points of a line.
struct TK_MARKUP_LINE_POINTS {
  int x1;
  int y1;
  int x2;
  int y2;
};

/// The size a shape with these bounds wants: from the origin to the far
/// edge, or the bounds' own size when that is larger (geometry at negative
/// coordinates). Limited to INT_MAX rather than overflowing.
SIZE MarkupBoundsExtent(const RECT& rcBounds);

/// The line drawn stretched into a width x height box: along each axis equal
/// coordinates both move to the middle (size / 2), otherwise the larger one
/// goes to the size and the other to 0.
TK_MARKUP_LINE_POINTS StretchMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nWidth, int nHeight);

/// The size a line wants from its own coordinates: the larger coordinate on
/// each axis, plus (thickness + 1) / 2 across a horizontal or vertical line
/// when it is stroked (`nStrokeThickness` 0 means no stroke brush).
SIZE MeasureMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nStrokeThickness);

/// Whether (x, y) lies on the line drawn `nThickness` wide (measured across
/// the line; the comparison is made vertically for slanted lines). A
/// thickness of 0 or less hits nothing.
BOOL HitTestMarkupLine(const TK_MARKUP_LINE_POINTS& line, int nThickness, int x, int y);

/// Whether (x, y) lies in the ellipse filling (0, 0, width, height). An
/// ellipse one pixel across along an axis has no extent to compare along it:
/// that axis is left to the element's own box test, so the answer is never
/// a division by zero. Sizes of 0 or less: TRUE (the element answers).
BOOL HitTestMarkupEllipse(int nWidth, int nHeight, int x, int y);
