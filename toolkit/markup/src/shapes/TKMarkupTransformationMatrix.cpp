// CTKMarkupTransformationMatrix and its GDI+ implementation: copies, offsets,
// and rectangles mapped through the matrix for hit tests and repaint areas.
#include "TKMarkupTransformationMatrix.h"

#include <limits.h>
#include <math.h>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CTKMarkupTransformationMatrix, CObject)
IMPLEMENT_DYNAMIC(CTKMarkupGdiPlusTransformationMatrix, CTKMarkupTransformationMatrix)

void CTKMarkupTransformationMatrix::Translate(int, int) {}

BOOL CTKMarkupTransformationMatrix::HitTest(const RECT& rc, const POINT&, const POINT& pt) const {
  return PtInRect(&rc, pt);
}

RECT CTKMarkupTransformationMatrix::TransformRect(const RECT& rc, const POINT&) const { return rc; }

CTKMarkupGdiPlusTransformationMatrix::CTKMarkupGdiPlusTransformationMatrix(
    CTKMarkupGdiPlusApi* pApi, GpMatrix* pMatrix)
    : m_pApi(pApi), m_pMatrix(pMatrix) {}

CTKMarkupGdiPlusTransformationMatrix::~CTKMarkupGdiPlusTransformationMatrix() {
  if (m_pMatrix != nullptr) m_pApi->GdipDeleteMatrix(m_pMatrix);
}

CTKMarkupTransformationMatrix* CTKMarkupGdiPlusTransformationMatrix::Clone() const {
  GpMatrix* pClone = nullptr;
  if (m_pMatrix == nullptr || m_pApi->GdipCloneMatrix(m_pMatrix, &pClone) != Ok ||
      pClone == nullptr)
    return nullptr;
  return new CTKMarkupGdiPlusTransformationMatrix(m_pApi, pClone);
}

void CTKMarkupGdiPlusTransformationMatrix::Translate(int x, int y) {
  if (m_pMatrix == nullptr) return;
  m_pApi->GdipTranslateMatrix(m_pMatrix, static_cast<REAL>(x), static_cast<REAL>(y),
                              MatrixOrderPrepend);
}

BOOL CTKMarkupGdiPlusTransformationMatrix::TransformPoints(GpPointF* pPoints, int nCount) const {
  return m_pMatrix != nullptr &&
         m_pApi->GdipTransformMatrixPoints(m_pMatrix, pPoints, nCount) == Ok;
}

BOOL CTKMarkupGdiPlusTransformationMatrix::TransformCorners(const RECT& rc, const POINT& ptOffset,
                                                            GpPointF* pCorners) const {
  const REAL l = static_cast<REAL>(rc.left), t = static_cast<REAL>(rc.top);
  const REAL r = static_cast<REAL>(rc.right), b = static_cast<REAL>(rc.bottom);
  pCorners[0] = GpPointF(l, t);
  pCorners[1] = GpPointF(r, t);
  pCorners[2] = GpPointF(r, b);
  pCorners[3] = GpPointF(l, b);
  if (!TransformPoints(pCorners, 4)) return FALSE;
  for (int i = 0; i < 4; ++i) {
    pCorners[i].X -= static_cast<REAL>(ptOffset.x);
    pCorners[i].Y -= static_cast<REAL>(ptOffset.y);
  }
  return TRUE;
}

namespace {

REAL Cross(const GpPointF& a, const GpPointF& b) { return a.X * b.Y - a.Y * b.X; }

GpPointF Minus(const GpPointF& a, const GpPointF& b) { return GpPointF(a.X - b.X, a.Y - b.Y); }

// P and the vertex opposite an edge lie on the same side of it (or on it).
bool SameSide(const GpPointF& from, const GpPointF& to, const GpPointF& vertex, const GpPointF& p) {
  const GpPointF edge = Minus(to, from);
  return Cross(edge, Minus(vertex, from)) * Cross(edge, Minus(p, from)) >= 0.0f;
}

// A triangle without area holds no point: the side test alone would let it
// hold every point of the plane (each product is 0), and an element scaled
// to nothing would then take every click.
bool InTriangle(const GpPointF& u, const GpPointF& v, const GpPointF& w, const GpPointF& p) {
  if (Cross(Minus(v, u), Minus(w, u)) == 0.0f) return false;
  return SameSide(v, w, u, p) && SameSide(u, w, v, p) && SameSide(u, v, w, p);
}

// Truncation toward zero that stays defined for coordinates beyond the int
// range (a degenerate matrix can send corners far away).
LONG TruncateToLong(REAL f) {
  if (!(f == f)) return 0;
  if (f >= static_cast<REAL>(INT_MAX)) return INT_MAX;
  if (f <= static_cast<REAL>(INT_MIN)) return INT_MIN;
  return static_cast<LONG>(f);
}

}  // namespace

BOOL CTKMarkupGdiPlusTransformationMatrix::HitTest(const RECT& rc, const POINT& ptOffset,
                                                   const POINT& pt) const {
  GpPointF c[4];
  if (!TransformCorners(rc, ptOffset, c)) return FALSE;
  const GpPointF p(static_cast<REAL>(pt.x), static_cast<REAL>(pt.y));
  return InTriangle(c[0], c[1], c[2], p) || InTriangle(c[2], c[3], c[0], p);
}

RECT CTKMarkupGdiPlusTransformationMatrix::TransformRect(const RECT& rc,
                                                         const POINT& ptOffset) const {
  GpPointF c[4];
  if (!TransformCorners(rc, ptOffset, c)) return RECT{0, 0, 0, 0};
  RECT result = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const GpPointF& corner : c) {
    const LONG x = TruncateToLong(corner.X), y = TruncateToLong(corner.Y);
    result.left = x < result.left ? x : result.left;
    result.top = y < result.top ? y : result.top;
    result.right = x > result.right ? x : result.right;
    result.bottom = y > result.bottom ? y : result.bottom;
  }
  return result;
}
