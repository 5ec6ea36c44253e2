// The transforms an element's render transform holds: translate, skew, scale
// and rotate. These plain classes carry the values (X, angles, scales,
// centres); the classes markup creates (TKMarkupGdiPlusTransform.h) apply
// them to a matrix of the drawing back end.
#pragma once

#include "markup/TKMarkupDependencyProperty.h"

class CTKMarkupTransformationMatrix;

/// The base of the four transforms. Its owner is the object whose property
/// holds it (the render-transform holder); a change of any of its values
/// makes the element behind the holder measure again.
class CTKMarkupTransform : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()

 public:
  CTKMarkupTransform() : m_pOwner(nullptr) {}

  /// `pCurrent` with this transform applied before it, as a new matrix the
  /// caller deletes; null when the transform cannot act on such a matrix
  /// (always here).
  virtual CTKMarkupTransformationMatrix* TransformMatrix(CTKMarkupTransformationMatrix* pCurrent);

  /// Not referenced; null until the transform is stored as a value.
  CTKMarkupObject* GetOwner() const { return m_pOwner; }
  void SetOwner(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOwner) override;
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;

 protected:
  /// The double value of a property, 0.0 when unset.
  double GetDouble(CTKMarkupDependencyProperty* pProperty) const;
  void SetDouble(CTKMarkupDependencyProperty* pProperty, double dValue);

 private:
  CTKMarkupObject* m_pOwner;
};

/// Moves by (X, Y).
class CTKMarkupTranslateTransform : public CTKMarkupTransform {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  double GetX() const { return GetDouble(XProperty); }
  double GetY() const { return GetDouble(YProperty); }
  void SetX(double dValue) { SetDouble(XProperty, dValue); }
  void SetY(double dValue) { SetDouble(YProperty, dValue); }

  static CTKMarkupDependencyProperty* XProperty;
  static CTKMarkupDependencyProperty* YProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};

/// Shears about (CenterX, CenterY) by AngleX / 45 along x per unit of y and
/// AngleY / 45 along y per unit of x (45 degrees shear by 1).
class CTKMarkupSkewTransform : public CTKMarkupTransform {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  double GetAngleX() const { return GetDouble(AngleXProperty); }
  double GetAngleY() const { return GetDouble(AngleYProperty); }
  double GetCenterX() const { return GetDouble(CenterXProperty); }
  double GetCenterY() const { return GetDouble(CenterYProperty); }
  void SetAngleX(double dValue) { SetDouble(AngleXProperty, dValue); }
  void SetAngleY(double dValue) { SetDouble(AngleYProperty, dValue); }
  void SetCenterX(double dValue) { SetDouble(CenterXProperty, dValue); }
  void SetCenterY(double dValue) { SetDouble(CenterYProperty, dValue); }

  static CTKMarkupDependencyProperty* AngleXProperty;
  static CTKMarkupDependencyProperty* AngleYProperty;
  static CTKMarkupDependencyProperty* CenterXProperty;
  static CTKMarkupDependencyProperty* CenterYProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};

/// Scales by (ScaleX, ScaleY) about (CenterX, CenterY); an unset factor is 0.
class CTKMarkupScaleTransform : public CTKMarkupTransform {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  double GetScaleX() const { return GetDouble(ScaleXProperty); }
  double GetScaleY() const { return GetDouble(ScaleYProperty); }
  double GetCenterX() const { return GetDouble(CenterXProperty); }
  double GetCenterY() const { return GetDouble(CenterYProperty); }
  void SetScaleX(double dValue) { SetDouble(ScaleXProperty, dValue); }
  void SetScaleY(double dValue) { SetDouble(ScaleYProperty, dValue); }
  void SetCenterX(double dValue) { SetDouble(CenterXProperty, dValue); }
  void SetCenterY(double dValue) { SetDouble(CenterYProperty, dValue); }

  static CTKMarkupDependencyProperty* ScaleXProperty;
  static CTKMarkupDependencyProperty* ScaleYProperty;
  static CTKMarkupDependencyProperty* CenterXProperty;
  static CTKMarkupDependencyProperty* CenterYProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};

/// Turns by Angle degrees (clockwise on the screen) about (CenterX, CenterY).
class CTKMarkupRotateTransform : public CTKMarkupTransform {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  double GetAngle() const { return GetDouble(AngleProperty); }
  double GetCenterX() const { return GetDouble(CenterXProperty); }
  double GetCenterY() const { return GetDouble(CenterYProperty); }
  void SetAngle(double dValue) { SetDouble(AngleProperty, dValue); }
  void SetCenterX(double dValue) { SetDouble(CenterXProperty, dValue); }
  void SetCenterY(double dValue) { SetDouble(CenterYProperty, dValue); }

  static CTKMarkupDependencyProperty* AngleProperty;
  static CTKMarkupDependencyProperty* CenterXProperty;
  static CTKMarkupDependencyProperty* CenterYProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};
