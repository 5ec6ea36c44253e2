// CTKMarkupTransformationMatrix: the world transform of a drawing back end as
// the element layer sees it (keep, restore, hit-test and bound rectangles
// through it), and its GDI+ implementation over a native matrix.
#pragma once

#include "afx.h"

#include "TKMarkupGdiPlusApi.h"

/// A matrix the caller owns (deleted with delete). The base is the identity
/// of a back end without world transforms: rectangles pass unchanged.
class CTKMarkupTransformationMatrix : public CObject {
  DECLARE_DYNAMIC(CTKMarkupTransformationMatrix)

 public:
  ~CTKMarkupTransformationMatrix() override = default;
  CTKMarkupTransformationMatrix(const CTKMarkupTransformationMatrix&) = delete;
  CTKMarkupTransformationMatrix& operator=(const CTKMarkupTransformationMatrix&) = delete;

  /// A copy the caller deletes, or null when it cannot be made.
  virtual CTKMarkupTransformationMatrix* Clone() const = 0;
  /// Makes points move by (x, y) before the matrix acts on them.
  virtual void Translate(int x, int y);
  /// Whether `pt` lies in `rc` as the matrix maps it, with `ptOffset`
  /// subtracted from the mapped corners. Here: PtInRect, offset ignored.
  virtual BOOL HitTest(const RECT& rc, const POINT& ptOffset, const POINT& pt) const;
  /// The bounding rectangle of `rc` as mapped, less `ptOffset`. Here: `rc`.
  virtual RECT TransformRect(const RECT& rc, const POINT& ptOffset) const;

 protected:
  CTKMarkupTransformationMatrix() = default;
};

/// Owns a native GDI+ matrix (deleted with the object). Used while GDI+ runs.
class CTKMarkupGdiPlusTransformationMatrix : public CTKMarkupTransformationMatrix {
  DECLARE_DYNAMIC(CTKMarkupGdiPlusTransformationMatrix)

 public:
  /// Takes over `pMatrix`.
  CTKMarkupGdiPlusTransformationMatrix(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix);
  ~CTKMarkupGdiPlusTransformationMatrix() override;

  Gdiplus::GpMatrix* GetNativeMatrix() const { return m_pMatrix; }
  CTKMarkupGdiPlusApi* GetApi() const { return m_pApi; }

  CTKMarkupTransformationMatrix* Clone() const override;
  void Translate(int x, int y) override;
  /// Points on the edges of the mapped rectangle count as inside; a
  /// rectangle mapped to a line or a point holds none. FALSE when the
  /// corners cannot be mapped.
  BOOL HitTest(const RECT& rc, const POINT& ptOffset, const POINT& pt) const override;
  /// Mapped corners truncated toward zero; empty when they cannot be mapped.
  RECT TransformRect(const RECT& rc, const POINT& ptOffset) const override;
  /// Maps points in place; FALSE when GDI+ fails.
  BOOL TransformPoints(Gdiplus::GpPointF* pPoints, int nCount) const;

 private:
  CTKMarkupGdiPlusApi* m_pApi;
  Gdiplus::GpMatrix* m_pMatrix;

  BOOL TransformCorners(const RECT& rc, const POINT& ptOffset, Gdiplus::GpPointF* pCorners) const;
};
