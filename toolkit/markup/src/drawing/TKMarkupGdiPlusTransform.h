// The transforms markup creates: each plain transform joined with the GDI+
// operation that applies it to a native matrix of the GDI+ back end.
#pragma once

#include "TKMarkupGdiPlusApi.h"
#include "TKMarkupTransform.h"

/// The GDI+ side of a transform, shared by the four classes below.
class CTKMarkupGdiPlusTransformObjectImpl {
 public:
  virtual ~CTKMarkupGdiPlusTransformObjectImpl() = default;

  /// Multiplies the transform in front of `pMatrix` (so it acts first on the
  /// drawn points); FALSE when a GDI+ step fails (later steps are skipped).
  virtual BOOL ApplyTransform(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix) = 0;

 protected:
  /// A new GDI+ matrix (caller deletes): a clone of `pCurrent` with
  /// ApplyTransform done. Null when `pCurrent` is not a GDI+ matrix, or
  /// cloning or applying fails.
  CTKMarkupTransformationMatrix* TransformGdiPlusMatrix(CTKMarkupTransformationMatrix* pCurrent);
};

/// A plain transform class `TTransform` made to act on GDI+ matrices.
template <class TTransform>
class CTKMarkupGdiPlusTransformObject : public TTransform,
                                        public CTKMarkupGdiPlusTransformObjectImpl {
 public:
  CTKMarkupTransformationMatrix* TransformMatrix(CTKMarkupTransformationMatrix* pCurrent) override {
    return TransformGdiPlusMatrix(pCurrent);
  }
};

/// "TranslateTransform".
class CTKMarkupGdiPlusTranslateTransform
    : public CTKMarkupGdiPlusTransformObject<CTKMarkupTranslateTransform> {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  BOOL ApplyTransform(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix) override;
};

/// "SkewTransform".
class CTKMarkupGdiPlusSkewTransform
    : public CTKMarkupGdiPlusTransformObject<CTKMarkupSkewTransform> {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  BOOL ApplyTransform(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix) override;
};

/// "ScaleTransform".
class CTKMarkupGdiPlusScaleTransform
    : public CTKMarkupGdiPlusTransformObject<CTKMarkupScaleTransform> {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  BOOL ApplyTransform(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix) override;
};

/// "RotateTransform".
class CTKMarkupGdiPlusRotateTransform
    : public CTKMarkupGdiPlusTransformObject<CTKMarkupRotateTransform> {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  BOOL ApplyTransform(CTKMarkupGdiPlusApi* pApi, Gdiplus::GpMatrix* pMatrix) override;
};
